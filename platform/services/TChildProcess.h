#pragma once
// A program run in the background and watched from the loop without ever
// waiting for it: the GUI thread asks Running() from a timer, which collects
// what the program printed and reaps it once it has ended. Unlike a detached
// start (ProgramStart.h) the launcher wants to know how this one ended.
//
// The child gets /dev/null as standard input, standard output and error in
// one pipe (kept up to a bound, for the reason of a failure), a process
// group of its own, and the environment of the launcher with the entries
// given added or replaced. A child still running when the object goes is
// killed and reaped, so none is left behind as a zombie.

#include <string>
#include <sys/types.h>
#include <vector>

class TChildProcess {
public:
    // env holds "NAME=value" entries. Whether the start worked shows in
    // Started() and StartError().
    TChildProcess(const std::string& path, const std::vector<std::string>& argv,
                  const std::vector<std::string>& env = {});
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    bool Started() const { return FPid > 0 || FEnded; }
    const std::string& StartError() const { return FStartError; }

    // Never blocks: takes what the child printed, and reaps it when it has
    // ended. False once it has ended (or never started).
    bool Running();
    // The exit status, or 128 + the signal that ended it; -1 while running.
    int ExitCode() const { return FExitCode; }
    // What the child printed on standard output and error, the first
    // kMaxOutput bytes.
    const std::string& Output() const { return FOutput; }
    // Ends the child and its process group at once.
    void Kill();

    static constexpr size_t kMaxOutput = 16384;

private:
    void Drain();

    pid_t FPid = -1;
    int FOutputFd = -1;
    bool FEnded = false;
    int FExitCode = -1;
    std::string FOutput;
    std::string FStartError;
};
