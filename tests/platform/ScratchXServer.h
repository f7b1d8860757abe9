#pragma once
// A scratch X server (Xvfb) of a test's own, on a display number the server
// picks, so that nothing else on the machine's displays is disturbed; and
// starting the helper programs such tests need. Tests skip where Xvfb is missing.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

inline bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "";
    for (size_t start = 0; start <= dirs.size();) {
        const size_t end = std::min(dirs.find(':', start), dirs.size());
        if (access((dirs.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// Starts a program with its output thrown away; extraFd stays open in it.
inline pid_t Spawn(const std::vector<std::string>& argv, int extraFd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != extraFd) close(fd);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

// The server runs from construction to destruction; Name() is empty when it
// could not start. DISPLAY is pointed at it meanwhile and put back after.
class TScratchXServer {
public:
    TScratchXServer() {
        if (const char* d = std::getenv("DISPLAY")) FOldDisplay = d;
        int fds[2];
        if (pipe(fds) != 0) return;
        // Without -noreset the server forgets the root window's properties whenever its
        // last client leaves, between one step of a test and the next.
        FPid = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset", "-screen", "0",
                      "800x600x24", "-nolisten", "tcp"},
                     fds[1]);
        close(fds[1]);
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty()) return;
        FName = ":" + number;
        setenv("DISPLAY", FName.c_str(), 1);
    }
    ~TScratchXServer() {
        if (FPid > 0) kill(FPid, SIGTERM), waitpid(FPid, nullptr, 0);
        if (FOldDisplay.empty())
            unsetenv("DISPLAY");
        else
            setenv("DISPLAY", FOldDisplay.c_str(), 1);
    }
    TScratchXServer(const TScratchXServer&) = delete;
    TScratchXServer& operator=(const TScratchXServer&) = delete;

    const std::string& Name() const { return FName; }

private:
    pid_t FPid = -1;
    std::string FName;
    std::string FOldDisplay;
};
