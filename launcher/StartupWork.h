#pragma once
// The start-up work that needs no display, done on a worker thread while the
// main thread opens the display (which mostly waits on the X server): finding
// and opening the launcher's fonts, parsing the main window's definition
// (text to a tree; the components are made on the main thread) and decoding
// the bitmaps of its stored skin into plain pixels. It is joined
// before the first window is made, so the framework's one-thread rule holds
// for every control.

#include <memory>
#include <thread>
#include <vector>

struct TObjectDefinition;
struct TPredecodedBitmap;

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

    // The main window's definition as the worker parsed it, once; empty when
    // no worker ran, it was taken already, or the text did not parse (the
    // form then reads the text itself and reports what is wrong).
    static std::unique_ptr<TObjectDefinition> TakeMainDefinition();
    // The bitmaps of that definition, decoded; for OfferPredecodedBitmaps.
    static std::vector<TPredecodedBitmap> TakeMainPictures();

private:
    std::thread FWorker;
};
