#include "launcher/LauncherOptions.h"

#include <algorithm>

#include "platform/scaled/DisplayScale.h"

namespace {

// Where an option's argument goes.
enum class TArgumentUse { auNone, auGameDir, auScreenshotDir, auScale };

struct TOptionInfo {
    const char* Name;
    const char* Argument; // nullptr: the option takes none
    TLauncherAction Action;
    TArgumentUse Use;
    const char* Help; // lines after the first are indented under it
};

constexpr TOptionInfo Options[] = {
    {"--game-dir", "DIR", TLauncherAction::laRun, TArgumentUse::auGameDir,
     "use DIR as the game's folder, not the current one"},
    {"--scale", "N", TLauncherAction::laRun, TArgumentUse::auScale,
     "draw every pixel as N x N screen pixels (1 to 4), for\n"
     "high-density screens; without it QUELM_SCALE, else the\n"
     "desktop's Xft.dpi (2 from 192 dpi up), decides"},
    {"--screenshot", "DIR", TLauncherAction::laScreenshot, TArgumentUse::auScreenshotDir,
     "run the start-up without a display, show the options and\n"
     "about dialogs, write DIR/Form1.png, DIR/Form2.png and\n"
     "DIR/Form3.png, print each message box shown, and exit"},
    {"--settings-info", nullptr, TLauncherAction::laSettingsInfo, TArgumentUse::auNone,
     "show where the game's settings are kept, and why, and exit"},
    {"--install-menu-entry", nullptr, TLauncherAction::laInstallMenuEntry, TArgumentUse::auNone,
     "add the launcher, started in the game's folder, to your\n"
     "desktop's menu of programs, and exit"},
    {"--help", nullptr, TLauncherAction::laHelp, TArgumentUse::auNone, "show this help and exit"},
    {"--version", nullptr, TLauncherAction::laVersion, TArgumentUse::auNone,
     "show the version and exit"},
};

constexpr int HelpColumn = 26;

const TOptionInfo* FindOption(const std::string& name) {
    const std::string wanted = name == "-h" ? "--help" : name;
    for (const TOptionInfo& o : Options)
        if (wanted == o.Name) return &o;
    return nullptr;
}

std::string Describe(const TOptionInfo& o) {
    std::string head =
        std::string("  ") + o.Name + (o.Argument ? std::string(" ") + o.Argument : "");
    head.resize(std::max<size_t>(head.size() + 2, HelpColumn), ' ');
    std::string out = head;
    for (const char* c = o.Help; *c; ++c) {
        out += *c;
        if (*c == '\n') out += std::string(HelpColumn, ' ');
    }
    return out + "\n";
}

void UseArgument(const TOptionInfo& o, const std::string& argument, TLauncherOptions& result) {
    switch (o.Use) {
    case TArgumentUse::auGameDir:
        result.GameDir = argument;
        break;
    case TArgumentUse::auScreenshotDir:
        result.ScreenshotDir = argument;
        break;
    case TArgumentUse::auScale:
        result.Scale = ParseDisplayScale(argument);
        if (!result.Scale)
            throw ELauncherOptions("--scale needs a whole number from " +
                                   std::to_string(MinDisplayScale) + " to " +
                                   std::to_string(MaxDisplayScale) + ", not '" + argument + "'");
        break;
    case TArgumentUse::auNone:
        break;
    }
}

} // namespace

TLauncherOptions ParseLauncherOptions(const std::vector<std::string>& args) {
    TLauncherOptions result;
    std::vector<TLauncherAction> actions;
    for (size_t i = 0; i < args.size(); ++i) {
        const TOptionInfo* o = FindOption(args[i]);
        if (!o) throw ELauncherOptions("unknown option '" + args[i] + "' (try --help)");
        std::string argument;
        if (o->Argument) {
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw ELauncherOptions(std::string(o->Name) + " needs " + o->Argument);
            argument = args[++i];
        }
        UseArgument(*o, argument, result);
        if (o->Action != TLauncherAction::laRun) actions.push_back(o->Action);
    }
    for (TLauncherAction first : {TLauncherAction::laHelp, TLauncherAction::laVersion})
        if (std::find(actions.begin(), actions.end(), first) != actions.end()) {
            result.Action = first;
            return result;
        }
    std::sort(actions.begin(), actions.end());
    actions.erase(std::unique(actions.begin(), actions.end()), actions.end());
    if (actions.size() > 1) throw ELauncherOptions("choose one thing to do (try --help)");
    if (!actions.empty()) result.Action = actions.front();
    return result;
}

std::string LauncherHelpText(const std::string& program) {
    std::string text = "Usage: " + program +
                       " [--game-dir DIR] [--scale N] [--screenshot DIR | --settings-info |\n" +
                       std::string(program.size() + 8, ' ') +
                       "--install-menu-entry | --help | --version]\n"
                       "\n"
                       "Starts the game launcher in the game's folder (the current folder unless\n"
                       "--game-dir names another): it reads launch.ini there and starts main.exe.\n"
                       "\n";
    for (const TOptionInfo& o : Options)
        text += Describe(o);
    text += "\n"
            "The game's settings are kept where the game reads them: when main.exe is a\n"
            "Windows program and Wine is found, in the Wine prefix ($WINEPREFIX, else\n"
            "~/.wine); else in $XDG_CONFIG_HOME/quelm-launcher/registry.reg (~/.config when\n"
            "XDG_CONFIG_HOME is not set). QUELM_REGISTRY names another store file.\n"
            "\n"
            "The menu entry is $XDG_DATA_HOME/applications/quelm-launcher.desktop\n"
            "(~/.local/share when XDG_DATA_HOME is not set); it starts this program in\n"
            "the game's folder. Skin folders are read from ../share/quelm-launcher/skins,\n"
            "counted from the program's own folder.\n";
    return text;
}
