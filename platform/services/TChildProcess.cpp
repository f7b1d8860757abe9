#include "platform/services/TChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/services/ChildEnvironment.h"

namespace {

// Runs in the child after fork: only async-signal-safe calls from here on.
[[noreturn]] void ExecChild(const char* path, char* const* argv, char* const* envp, int outFd,
                            int errorPipe) {
    setpgid(0, 0);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    const int nul = open("/dev/null", O_RDONLY);
    if (nul >= 0 && nul != STDIN_FILENO) {
        dup2(nul, STDIN_FILENO);
        close(nul);
    }
    dup2(outFd, STDOUT_FILENO);
    dup2(outFd, STDERR_FILENO);
    execve(path, argv, envp);
    const int err = errno;
    [[maybe_unused]] const ssize_t n = write(errorPipe, &err, sizeof err);
    _exit(127);
}

// The errno the child reported before exec, or 0 when exec succeeded (the
// pipe then closes at once, so this wait is as short as the exec itself).
int ExecError(int errorPipe) {
    int err = 0;
    ssize_t n;
    while ((n = read(errorPipe, &err, sizeof err)) < 0 && errno == EINTR) {
    }
    return n == sizeof err ? err : 0;
}

} // namespace

TChildProcess::TChildProcess(const std::string& path, const std::vector<std::string>& args,
                             const std::vector<std::string>& extraEnv) {
    std::vector<std::string> argStrings(args);
    std::vector<std::string> envStrings = MergedEnvironment(extraEnv);
    const std::vector<char*> argv = CStringPointers(argStrings);
    const std::vector<char*> envp = CStringPointers(envStrings);

    int out[2], errors[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        FStartError = std::string("cannot start ") + path + ": " + std::strerror(errno);
        return;
    }
    if (pipe2(errors, O_CLOEXEC) != 0) {
        FStartError = std::string("cannot start ") + path + ": " + std::strerror(errno);
        close(out[0]);
        close(out[1]);
        return;
    }
    const pid_t pid = fork();
    if (pid == 0) ExecChild(path.c_str(), argv.data(), envp.data(), out[1], errors[1]);
    const int forkErr = errno;
    // Also here, so that a Kill() right after the start reaches the group.
    if (pid > 0) setpgid(pid, pid);
    close(out[1]);
    close(errors[1]);
    FOutputFd = out[0];
    fcntl(FOutputFd, F_SETFL, fcntl(FOutputFd, F_GETFL) | O_NONBLOCK);
    if (pid < 0) {
        FStartError = std::string("cannot start ") + path + ": " + std::strerror(forkErr);
    } else if (const int err = ExecError(errors[0]); err != 0) {
        FStartError = std::string("cannot run ") + path + ": " + std::strerror(err);
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    } else {
        FPid = pid;
    }
    close(errors[0]);
}

TChildProcess::~TChildProcess() {
    Kill();
    if (FOutputFd >= 0) close(FOutputFd);
}

void TChildProcess::Drain() {
    char buf[4096];
    ssize_t n;
    while ((n = read(FOutputFd, buf, sizeof buf)) > 0)
        FOutput.append(buf, std::min(static_cast<size_t>(n), kMaxOutput - FOutput.size()));
}

bool TChildProcess::Running() {
    if (FPid <= 0) return false;
    Drain();
    int status = 0;
    const pid_t r = waitpid(FPid, &status, WNOHANG);
    if (r == 0 || (r < 0 && errno == EINTR)) return true;
    FExitCode = r < 0                 ? 127
                : WIFEXITED(status)   ? WEXITSTATUS(status)
                : WIFSIGNALED(status) ? 128 + WTERMSIG(status)
                                      : 127;
    Drain();
    FPid = -1;
    FEnded = true;
    return false;
}

void TChildProcess::Kill() {
    if (FPid <= 0) return;
    kill(-FPid, SIGKILL);
    kill(FPid, SIGKILL);
    while (waitpid(FPid, nullptr, 0) < 0 && errno == EINTR) {
    }
    FExitCode = 128 + SIGKILL;
    FPid = -1;
    FEnded = true;
}
