#include "launcher/MenuEntry.h"

#include <cstdlib>
#include <stdexcept>

#include "platform/services/AtomicFile.h"
#include "platform/services/TextEncoding.h"

namespace {

const char* const EntryFile = "quelm-launcher.desktop";

// A desktop entry's string value: backslash, line breaks and tabs escaped.
std::string StringValue(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    if (!out.empty() && out[0] == ' ') out.replace(0, 1, "\\s");
    return out;
}

// One argument of Exec: quoted, with the four characters that stay special
// inside quotes escaped, and % doubled so it is no field code.
std::string ExecArgument(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        out += c;
        if (c == '%') out += '%';
    }
    return out + "\"";
}

} // namespace

std::string MenuEntryText(const std::string& program, const std::string& gameDir) {
    if (!IsValidUtf8(program) || !IsValidUtf8(gameDir))
        throw std::invalid_argument("the folder's name is not UTF-8 text, which a menu entry "
                                    "cannot hold");
    // Exec is read as a string value first and split into quoted arguments after.
    const std::string exec = ExecArgument(program) + " --game-dir " + ExecArgument(gameDir);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Quelm Launcher\n"
           "Comment=Starts the game launcher in " +
           StringValue(gameDir) +
           "\n"
           "Exec=" +
           StringValue(exec) +
           "\n"
           "Path=" +
           StringValue(gameDir) +
           "\n"
           "Icon=quelm-launcher\n"
           "Terminal=false\n"
           "Categories=Game;\n";
}

std::string MenuEntryPath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return std::string(data) + "/applications/" + EntryFile;
    const char* home = std::getenv("HOME");
    if (!home || !*home) return "";
    return std::string(home) + "/.local/share/applications/" + EntryFile;
}

std::string InstallMenuEntry(const std::string& program, const std::string& gameDir) {
    const std::string path = MenuEntryPath();
    if (path.empty()) return "neither XDG_DATA_HOME nor HOME is set";
    std::string text;
    try {
        text = MenuEntryText(program, gameDir);
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return ReplaceFileAtomically(path, text);
}
