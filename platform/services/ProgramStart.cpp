#include "platform/services/ProgramStart.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/services/ChildEnvironment.h"
#include "platform/services/CommandLine.h"
#include "platform/services/FindWine.h"
#include "platform/services/SettingsLocation.h"

namespace {

constexpr uint32_t kStarted = 33;

TProgramStart Failure(uint32_t code, std::string reason) {
    return {false, code, std::move(reason)};
}

uint32_t CodeOfErrno(int err) {
    switch (err) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    case ENOEXEC:
        return ERROR_BAD_FORMAT;
    default:
        return WINEXEC_OUT_OF_RESOURCES;
    }
}

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string Quoted(std::string_view s) {
    std::string out(1, '"');
    out.append(s);
    out += '"';
    return out;
}

[[noreturn]] void ReportToParent(int errorPipe, int err) {
    [[maybe_unused]] const ssize_t n = write(errorPipe, &err, sizeof err);
    _exit(127);
}

// Runs in the child after fork: only async-signal-safe calls from here on.
[[noreturn]] void ExecChild(const char* path, char* const* argv, char* const* envp, int errorPipe) {
    auto report = [&](int err) { ReportToParent(errorPipe, err); };
    if (setsid() < 0) report(errno);
    const pid_t grandchild = fork();
    if (grandchild < 0) report(errno);
    if (grandchild > 0) _exit(0);

    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int sig = 1; sig < NSIG; ++sig)
        signal(sig, SIG_DFL);
    const int nul = open("/dev/null", O_RDONLY);
    if (nul < 0) report(errno);
    if (nul != STDIN_FILENO) {
        dup2(nul, STDIN_FILENO);
        close(nul);
    }
    // The program's own descriptors (windows, sockets, files) stay with it.
    if (close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        for (int fd = 3; fd < 65536; ++fd)
            fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    execve(path, argv, envp);
    ReportToParent(errorPipe, errno);
}

// The program word as a path in the working folder.
std::string ProgramPath(std::string word) {
    for (auto& c : word)
        if (c == '\\') c = '/';
    if (word.front() != '/' && !word.starts_with("./") && !word.starts_with("../"))
        word = "./" + word;
    const size_t slash = word.rfind('/');
    struct stat st {};
    if (stat(word.c_str(), &st) != 0 && word.find('.', slash) == std::string::npos &&
        stat((word + ".exe").c_str(), &st) == 0)
        word += ".exe";
    return word;
}

enum class TExecutableKind { ekNone, ekWindows, ekNative };

TExecutableKind KindOf(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return TExecutableKind::ekNone;
    char head[4] = {};
    const ssize_t n = read(fd, head, sizeof head);
    close(fd);
    if (n >= 2 && head[0] == 'M' && head[1] == 'Z') return TExecutableKind::ekWindows;
    if (n >= 2 && head[0] == '#' && head[1] == '!') return TExecutableKind::ekNative;
    if (n == 4 && std::memcmp(head,
                              "\x7f"
                              "ELF",
                              4) == 0)
        return TExecutableKind::ekNative;
    return TExecutableKind::ekNone;
}

TProgramStart CheckProgramFile(const std::string& path, const std::string& shown) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) {
            const bool folderMissing =
                path.rfind('/') > 1 && stat(path.substr(0, path.rfind('/')).c_str(), &st) != 0;
            return Failure(folderMissing ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND,
                           "The program " + shown + " was not found in the working folder.");
        }
        return Failure(CodeOfErrno(err),
                       "The program " + shown + " cannot be reached: " + std::strerror(err) + ".");
    }
    if (S_ISDIR(st.st_mode))
        return Failure(ERROR_ACCESS_DENIED,
                       "The program " + shown + " is a folder, not a program.");
    if (access(path.c_str(), R_OK) != 0)
        return Failure(ERROR_ACCESS_DENIED,
                       "There is no permission to read the program " + shown + ".");
    return {true, kStarted, {}};
}

thread_local std::string gLastReason;

} // namespace

std::string FindExecutable(std::string_view name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string_view::npos)
        return IsExecutableFile(std::string(name)) ? std::string(name) : std::string();
    const char* env = std::getenv("PATH");
    std::string_view dirs = env && *env ? env : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const size_t colon = dirs.find(':');
        std::string dir(dirs.substr(0, colon));
        const std::string candidate =
            (dir.empty() ? std::string(".") : dir) + "/" + std::string(name);
        if (IsExecutableFile(candidate)) return candidate;
        if (colon == std::string_view::npos) return {};
        dirs.remove_prefix(colon + 1);
    }
}

TProgramStart StartDetached(const std::string& path, const std::vector<std::string>& args,
                            const std::vector<std::string>& extraEnvironment) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // Made before the fork: the child may only call what is safe after one.
    std::vector<std::string> environment = MergedEnvironment(extraEnvironment);
    const std::vector<char*> envp = CStringPointers(environment);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return Failure(WINEXEC_OUT_OF_RESOURCES,
                       std::string("Cannot start a program: ") + std::strerror(errno) + ".");
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        ExecChild(path.c_str(), argv.data(), envp.data(), fds[1]);
    }
    close(fds[1]);
    if (child < 0) {
        const int err = errno;
        close(fds[0]);
        return Failure(WINEXEC_OUT_OF_RESOURCES,
                       std::string("Cannot start a program: ") + std::strerror(err) + ".");
    }
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes on a successful exec; otherwise it carries the errno.
    int err = 0;
    ssize_t n;
    while ((n = read(fds[0], &err, sizeof err)) < 0 && errno == EINTR) {
    }
    close(fds[0]);
    if (n <= 0) return {true, kStarted, {}};
    std::string reason = Quoted(path) + " could not be run: " + std::strerror(err) + ".";
    if (err == EACCES)
        reason = "There is no permission to run " + Quoted(path) + " (is it executable?).";
    if (err == ENOEXEC) reason = Quoted(path) + " is not a program this system can run.";
    return Failure(CodeOfErrno(err), reason);
}

TProgramStart StartProgram(std::string_view commandLine,
                           uint32_t /*show: the window system decides*/) {
    std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty() || words.front().empty())
        return Failure(ERROR_FILE_NOT_FOUND, "The command line names no program.");
    const std::string shown = Quoted(words.front());
    const std::string path = ProgramPath(words.front());
    if (TProgramStart check = CheckProgramFile(path, shown); !check.Started) return check;

    switch (KindOf(path)) {
    case TExecutableKind::ekWindows: {
        const std::string wine = FindWine();
        if (wine.empty())
            return Failure(
                ERROR_BAD_FORMAT,
                "The program " + shown +
                    " is a Windows program, and Wine, which runs "
                    "such programs here, was not found. Install wine or set WINE to its path.");
        words.front() = path;
        words.insert(words.begin(), wine);
        std::vector<std::string> environment;
        // The game's first start may be what makes its prefix.
        if (!std::getenv("WINEDLLOVERRIDES") &&
            access((WinePrefixPath() + "/user.reg").c_str(), F_OK) != 0)
            environment.push_back(WineWithoutInstallers);
        return StartDetached(wine, words, environment);
    }
    case TExecutableKind::ekNative:
        if (access(path.c_str(), X_OK) != 0)
            return Failure(ERROR_ACCESS_DENIED, "There is no permission to run the program " +
                                                    shown + " (it is not marked executable).");
        return StartDetached(path, words);
    case TExecutableKind::ekNone:
        break;
    }
    return Failure(ERROR_BAD_FORMAT, "The file " + shown +
                                         " is not a program (neither a Windows "
                                         "nor a Linux executable).");
}

uint32_t WinExec(const char* commandLine, uint32_t show) {
    TProgramStart r = StartProgram(commandLine ? commandLine : "", show);
    gLastReason = std::move(r.Reason);
    return r.Code;
}

const std::string& LastWinExecReason() {
    return gLastReason;
}

TProgramStart ShellOpen(std::string_view address) {
    const std::string opener = FindExecutable("xdg-open");
    if (opener.empty())
        return Failure(ERROR_FILE_NOT_FOUND, "Links cannot be opened: xdg-open was not found.");
    return StartDetached(opener, {"xdg-open", std::string(address)});
}

intptr_t ShellExecuteA(void*, const char* verb, const char* file, const char*, const char*, int) {
    if (verb && *verb && std::string_view(verb) != "open") return SE_ERR_NOASSOC;
    if (!file || !*file) return ERROR_FILE_NOT_FOUND;
    const TProgramStart r = ShellOpen(file);
    return r.Started ? 42 : r.Code;
}
