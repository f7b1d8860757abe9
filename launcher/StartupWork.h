#pragma once
// The start-up work that needs no display: finding and opening the
// launcher's fonts, parsing the three windows' definitions (text to trees;
// the components are made from them on the main thread) and decoding the
// bitmaps of the main window's stored skin into plain pixels. Real windows
// have it done on the main thread while the display opens on a thread of its
// own; screenshots on a worker beside choosing the settings' store, joined
// before the first window is made, so the framework's one-thread rule holds
// for every control.

#include <string>
#include <thread>

class TComponent;

class TStartupWork {
public:
    // Starts the worker at once.
    TStartupWork();
    // Joins the worker if Join was not called (start-up failed meanwhile).
    ~TStartupWork();
    TStartupWork(const TStartupWork&) = delete;
    TStartupWork& operator=(const TStartupWork&) = delete;

    // Waits for the worker; the fonts it opened are then the main thread's.
    void Join();

    // The work itself, also callable on the calling thread.
    static void Run();

    // Reads a window's definition as the worker parsed it, with the main
    // window's pictures decoded, once. False when there is none to read: no
    // worker ran, it was read already, or the text did not parse (the form
    // then reads its text itself and reports what is wrong).
    static bool ReadParsedDefinition(TComponent* form, const std::string& file);

private:
    std::thread FWorker;
};
