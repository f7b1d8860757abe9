#pragma once
// The launcher's command line: one table of options, read into what the
// program is to do; --help is printed from the same table.

#include <stdexcept>
#include <string>
#include <vector>

enum class TLauncherAction {
    laRun,
    laScreenshot,
    laSettingsInfo,
    laInstallMenuEntry,
    laHelp,
    laVersion
};

struct TLauncherOptions {
    TLauncherAction Action = TLauncherAction::laRun;
    std::string ScreenshotDir;
    std::string GameDir; // empty: the current folder is the game's
    int Scale = 0;       // 0: not given on the command line
};

// A command line the program cannot follow; the message is for the user.
class ELauncherOptions : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program's name. --help and --version win over
// everything else; otherwise at most one action may be given. Throws
// ELauncherOptions for an unknown option, a missing argument or two actions.
TLauncherOptions ParseLauncherOptions(const std::vector<std::string>& args);

// The help, with the name the program was started by.
std::string LauncherHelpText(const std::string& program);
