#pragma once
// Starting programs and opening links, never through a shell.
//
// A command line is split by the Windows rules (CommandLine.h). Its first word
// names the program, relative to the working folder (backslashes taken as
// folder separators, ".exe" tried when the name has no extension). A Windows
// program (an "MZ" file) runs under Wine (found as FindWine.h says) with the
// other words as its arguments; a native program (ELF or "#!" script) runs
// directly. The child gets its own session and /dev/null as standard input,
// and is not waited for: it is started through an intermediate process that
// exits at once, so no zombie is left behind.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr uint32_t SW_HIDE = 0;
constexpr uint32_t SW_SHOWNORMAL = 1;

// Result codes of WinExec and ShellExecuteA below 32 (above 31 means started).
constexpr uint32_t WINEXEC_OUT_OF_RESOURCES = 0;
constexpr uint32_t ERROR_FILE_NOT_FOUND = 2;
constexpr uint32_t ERROR_PATH_NOT_FOUND = 3;
constexpr uint32_t ERROR_ACCESS_DENIED = 5;
constexpr uint32_t ERROR_BAD_FORMAT = 11;
constexpr uint32_t SE_ERR_NOASSOC = 31;

struct TProgramStart {
    bool Started = false;
    uint32_t Code = 0;  // what WinExec returns: 33 when started, else an error code
    std::string Reason; // why not, in words a user can act on; empty when started
};

// The command line's program started with the remaining words.
TProgramStart StartProgram(std::string_view commandLine, uint32_t show = SW_SHOWNORMAL);

// Same as StartProgram, returning only the code. The reason for the last
// failure of this thread stays readable through LastWinExecReason().
uint32_t WinExec(const char* commandLine, uint32_t show);
const std::string& LastWinExecReason();

// Opens an address (http:, mailto:, a file) with xdg-open, the address as one
// argument.
TProgramStart ShellOpen(std::string_view address);

// Only the verb "open" (or none) is known; returns 42 when started, else
// one of the codes above.
intptr_t ShellExecuteA(void* owner, const char* verb, const char* file, const char* parameters,
                       const char* directory, int show);

// The executable found for a name: as given when it holds a '/', else the
// first match on PATH; empty when there is none.
std::string FindExecutable(std::string_view name);

// Starts path with argv (argv[0] included), detached as described above, in
// this program's environment with the NAME=value entries of extraEnvironment
// put in place of those of the same name. Errors of the start itself (exec
// failing) are reported, not lost.
TProgramStart StartDetached(const std::string& path, const std::vector<std::string>& argv,
                            const std::vector<std::string>& extraEnvironment = {});
