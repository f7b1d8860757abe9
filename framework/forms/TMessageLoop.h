#pragma once
// The loop's queue of posted messages and its timers, on the host's clock.
//
// One turn: every host event waiting is turned into messages, then the posted
// messages queued before the turn, then the timers that are due, then the
// paint pass. When a turn finds nothing to do it waits for the next host
// event or the earliest timer deadline, so an idle program sleeps.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "window/ControlTypes.h"

class TMessageLoop {
public:
    static TMessageLoop& Instance();

    void Post(HWND h, uint32_t msg, uintptr_t wparam, intptr_t lparam);
    // Safe from any thread; wakes the host's wait.
    void PostFromThread(HWND h, uint32_t msg, uintptr_t wparam, intptr_t lparam);
    // Sleeps, in real time, until another thread posts or ms pass; true when
    // something was posted. For callers that wait for a worker without a host
    // that could wake them (the headless screenshots).
    bool WaitForThreadPost(unsigned ms);
    // Runs one turn; with wait set, sleeps until there is something to do
    // when the turn found nothing. Returns whether anything was handled.
    bool Turn(bool wait);
    // Runs the loop's pending work without waiting until none is left.
    void ProcessPending();

    // WM_TIMER with WParam = id to the window every interval ms; setting an
    // existing id again restarts it. Returns the id, 0 for a dead handle.
    uintptr_t SetTimer(HWND h, uintptr_t id, unsigned interval);
    bool KillTimer(HWND h, uintptr_t id);
    // A timer that calls a function; returns its id (never 0).
    int AddTimer(unsigned interval, std::function<void()> tick);
    void RemoveTimer(int id);
    bool HasTimer(int id) const;
    // The earliest deadline, UINT64_MAX when there is no timer.
    uint64_t NextDeadline() const;

    // Forgets the timers and messages of a destroyed window.
    void WindowDestroyed(HWND h);
    // Drops every queued message and timer (tests start from a clean loop).
    void Reset();
    size_t PostedCount() const { return FPosted.size(); }

private:
    struct TPosted {
        HWND Window;
        TMessage Message;
    };
    struct TTimerEntry {
        int Id;      // loop-wide id
        HWND Window; // 0 for a function timer
        uintptr_t WindowId;
        unsigned Interval;
        uint64_t Due;
        std::function<void()> Tick;
    };

    bool DispatchHostEvents();
    bool DispatchPosted();
    void TakeThreadPosts();
    bool FireTimers();
    void DispatchHostEvent(const struct TEvent& e);
    void Guarded(const std::function<void()>& f);

    std::deque<TPosted> FPosted;
    std::mutex FThreadLock;
    std::condition_variable FThreadPosted;
    std::deque<TPosted> FFromThreads; // under FThreadLock
    std::vector<TTimerEntry> FTimers;
    int FNextTimerId = 1;
};
