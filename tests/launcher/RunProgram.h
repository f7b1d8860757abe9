#pragma once
// Runs a program of the build as a real process, in a given folder and with
// some environment variables set, and collects what it printed and its exit
// status. Tests of the command line and of the installed program use it.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "TempFolder.h"

struct TRunResult {
    int Status = -1; // the exit status; -1 when the program did not exit by itself
    std::string Out, Err;
};

using TEnvironment = std::vector<std::pair<std::string, std::string>>;

inline TRunResult RunProgram(const std::vector<std::string>& argv, const std::string& folder,
                             const TEnvironment& env = {}) {
    TTempFolder output;
    const std::string out = output / "out", err = output / "err";
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(126);
        for (const auto& [name, value] : env)
            setenv(name.c_str(), value.c_str(), 1);
        dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    TRunResult result;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.Status = WEXITSTATUS(status);
    result.Out = output.Read("out");
    result.Err = output.Read("err");
    return result;
}

// The launcher of this build.
inline std::string BuiltLauncher() {
    return std::string(QUELM_BINARY_DIR) + "/launcher/launcher";
}

// A game folder with its launch.ini and a settings store that has every value,
// so that the launcher starts without a single message box.
inline void WriteGame(const std::string& folder) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/launch.ini", std::ios::binary)
        << "[Configura\xe7\xf5"
           "es]\r\nPagina do launcher=http://news.example/\r\nWebSite=http://site.example/\r\n"
           "IP=10.0.0.7\r\nversao=1.2.3\r\nnome=Servidor Teste\r\nlang=0\r\n";
    std::ofstream(folder + "/registry.reg")
        << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Korvan\\Quelm\\Config]\n"
           "\"ID\"=\"jogador\"\n\"MusicOnOff\"=dword:00000001\n\"SoundOnOff\"=dword:00000000\n"
           "\"ColorDepth\"=dword:00000001\n\"Resolution\"=dword:00000002\n"
           "\"VolumeLevel\"=dword:00000007\n";
}
