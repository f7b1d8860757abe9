#include "platform/scaled/DisplayScale.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int BaseDpi = 96;
constexpr const char* DpiKey = "Xft.dpi:";

} // namespace

int ParseDisplayScale(const std::string& text) {
    if (text.size() != 1 || text[0] < '0' + MinDisplayScale || text[0] > '0' + MaxDisplayScale)
        return 0;
    return text[0] - '0';
}

int ParseResourceDpi(const char* resources) {
    if (!resources) return 0;
    // One "name:\tvalue" per line; the key must start a line.
    for (const char* line = resources; *line;) {
        const char* end = std::strchr(line, '\n');
        if (std::strncmp(line, DpiKey, std::strlen(DpiKey)) == 0) {
            // Written as a whole number or with a fraction ("192.0"); the whole part counts.
            const double dpi = std::strtod(line + std::strlen(DpiKey), nullptr);
            return dpi >= 1 && dpi < 100000 ? static_cast<int>(dpi) : 0;
        }
        if (!end) break;
        line = end + 1;
    }
    return 0;
}

int ScaleForDpi(int dpi) {
    return std::clamp(dpi / BaseDpi, MinDisplayScale, MaxDisplayScale);
}

TScaleChoice ChooseDisplayScale(int commandLine, const char* environment,
                                const std::function<int()>& resourceDpi) {
    TScaleChoice choice;
    if (commandLine) {
        choice.Scale = commandLine;
        return choice;
    }
    if (environment && *environment) {
        if (const int scale = ParseDisplayScale(environment)) {
            choice.Scale = scale;
            return choice;
        }
        choice.Warning = std::string("QUELM_SCALE=") + environment +
                         " is not a whole number from " + std::to_string(MinDisplayScale) + " to " +
                         std::to_string(MaxDisplayScale) + "; ignored";
    }
    if (const int dpi = resourceDpi ? resourceDpi() : 0; dpi > 0) choice.Scale = ScaleForDpi(dpi);
    return choice;
}
