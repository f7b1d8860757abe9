#pragma once
// The start-up work that needs no display: finding and opening the
// launcher's fonts, parsing the three windows' definitions (text to trees;
// the components are made from them afterwards) and decoding the bitmaps of
// the main window's stored skin into plain pixels. It runs on the main thread
// before the first window is made: for real windows while the display opens
// on a thread of its own. A worker thread of its own for screenshots, beside
// choosing the settings' store, made them slower (1 ms), not faster.

#include <string>

class TComponent;

class TStartupWork {
public:
    TStartupWork() = delete;

    // Does the work, once, on the calling thread.
    static void Run();

    // Reads a window's definition as Run parsed it, with the main window's
    // pictures decoded, once. False when there is none to read: Run did not
    // run, it was read already, or the text did not parse (the form then
    // reads its text itself and reports what is wrong).
    static bool ReadParsedDefinition(TComponent* form, const std::string& file);
};
