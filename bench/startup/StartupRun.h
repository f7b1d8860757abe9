#pragma once
// One measured start of a program for the start-up comparison: the time from
// exec to its first frame at the X server and its peak memory, or the time
// of a headless run to its end.

#include <string>
#include <vector>

struct TStartupProgram {
    std::string Name;
    std::vector<std::string> Command;     // the first entry is the program's path
    std::vector<std::string> Environment; // NAME=value added to ours
    std::string Folder;                   // where it runs
    // The account it runs as; negative for ours.
    int Uid = -1;
    int Gid = -1;
};

struct TStartupSample {
    double FirstFrameMs = 0;
    double PeakRssMiB = 0;
    bool Ok = false;
};

// Starts the program on the display, waits until its first window is mapped
// and shows something other than the black root behind it, then ends it.
TStartupSample MeasureFirstFrame(const TStartupProgram& program, const std::string& display);

// Runs a program that ends by itself (a headless screenshot); milliseconds
// from exec to its exit, or a negative number when it failed.
double MeasureRun(const TStartupProgram& program);
