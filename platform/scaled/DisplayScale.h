#pragma once
// How many device pixels make one of the program's pixels: from the command
// line, else the QUELM_SCALE environment variable, else the desktop's dots
// per inch (the X resource Xft.dpi: 2 from 192 dpi up), else 1.

#include <functional>
#include <string>

constexpr int MinDisplayScale = 1;
constexpr int MaxDisplayScale = 4;

// A whole number from MinDisplayScale to MaxDisplayScale, else 0.
int ParseDisplayScale(const std::string& text);

// The Xft.dpi value in the text of the X server's resource database, or 0.
int ParseResourceDpi(const char* resources);

// The whole scale for a screen of that many dots per inch (96 is 1).
int ScaleForDpi(int dpi);

struct TScaleChoice {
    int Scale = 1;
    std::string Warning; // for standard error: a setting that was ignored
};

// CommandLine is 0 when the option was not given; Environment null when the
// variable is not set. The desktop's dots per inch are asked for only when
// neither decides, as asking may take a trip to the X server.
TScaleChoice ChooseDisplayScale(int commandLine, const char* environment,
                                const std::function<int()>& resourceDpi);
