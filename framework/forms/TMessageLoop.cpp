#include "forms/TMessageLoop.h"

#include <algorithm>
#include <chrono>
#include <exception>

#include "forms/TApplication.h"
#include "forms/TCustomForm.h"
#include "platform/THost.h"
#include "window/TPaintEngine.h"
#include "window/WinApi.h"

TMessageLoop& TMessageLoop::Instance() {
    static TMessageLoop loop;
    return loop;
}

void TMessageLoop::Post(HWND h, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
    TPosted p;
    p.Window = h;
    p.Message.Msg = msg;
    p.Message.WParam = wparam;
    p.Message.LParam = lparam;
    FPosted.push_back(p);
}

void TMessageLoop::PostFromThread(HWND h, uint32_t msg, uintptr_t wparam, intptr_t lparam) {
    TPosted p;
    p.Window = h;
    p.Message.Msg = msg;
    p.Message.WParam = wparam;
    p.Message.LParam = lparam;
    {
        std::lock_guard<std::mutex> lock(FThreadLock);
        FFromThreads.push_back(p);
    }
    FThreadPosted.notify_all();
    if (HasHost()) Host().Wake();
}

bool TMessageLoop::WaitForThreadPost(unsigned ms) {
    std::unique_lock<std::mutex> lock(FThreadLock);
    return FThreadPosted.wait_for(lock, std::chrono::milliseconds(ms),
                                  [this] { return !FFromThreads.empty(); });
}

void TMessageLoop::TakeThreadPosts() {
    std::lock_guard<std::mutex> lock(FThreadLock);
    while (!FFromThreads.empty()) {
        FPosted.push_back(FFromThreads.front());
        FFromThreads.pop_front();
    }
}

void TMessageLoop::Guarded(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        if (Application)
            Application->HandleException(e);
        else
            throw;
    }
}

void TMessageLoop::DispatchHostEvent(const TEvent& e) {
    for (TCustomForm* f : TCustomForm::TopLevelWindows())
        if (f->HostWindow() && f->HostWindow() == e.Window) {
            Guarded([f, &e] { f->HandleHostEvent(e); });
            return;
        }
}

bool TMessageLoop::DispatchHostEvents() {
    if (!HasHost()) return false;
    bool any = false;
    TEvent e;
    while (Host().PollEvent(e)) {
        any = true;
        DispatchHostEvent(e);
    }
    return any;
}

bool TMessageLoop::DispatchPosted() {
    TakeThreadPosts();
    size_t n = FPosted.size();
    bool any = n > 0;
    for (size_t i = 0; i < n && !FPosted.empty(); ++i) {
        TPosted p = FPosted.front();
        FPosted.pop_front();
        if (p.Message.Msg == WM_QUIT) {
            if (Application) Application->Terminate();
            continue;
        }
        Guarded([&p] { SendMessage(p.Window, p.Message.Msg, p.Message.WParam, p.Message.LParam); });
    }
    return any;
}

bool TMessageLoop::FireTimers() {
    if (FTimers.empty() || !HasHost()) return false;
    uint64_t now = Host().Now();
    std::vector<int> due;
    for (const TTimerEntry& t : FTimers)
        if (t.Due <= now) due.push_back(t.Id);
    for (int id : due) {
        auto it = std::find_if(FTimers.begin(), FTimers.end(),
                               [id](const TTimerEntry& t) { return t.Id == id; });
        if (it == FTimers.end()) continue; // killed by an earlier tick
        // A late timer ticks once and starts again from now, as the platform's do.
        it->Due = now + std::max(1u, it->Interval);
        if (it->Tick) {
            std::function<void()> tick = it->Tick;
            Guarded(tick);
        } else {
            HWND h = it->Window;
            uintptr_t wid = it->WindowId;
            Guarded([h, wid] { SendMessage(h, WM_TIMER, wid, 0); });
        }
    }
    return !due.empty();
}

bool TMessageLoop::Turn(bool wait) {
    bool did = DispatchHostEvents();
    did = DispatchPosted() || did;
    did = FireTimers() || did;
    Guarded([] { TPaintEngine::PaintAll(); });
    if (did || !wait || !HasHost()) return did;
    if (Application && Application->Terminated()) return did;
    TEvent e;
    if (Host().WaitEvent(e, NextDeadline())) {
        DispatchHostEvent(e);
        did = true;
    }
    did = FireTimers() || did;
    Guarded([] { TPaintEngine::PaintAll(); });
    return did;
}

void TMessageLoop::ProcessPending() {
    // Bounded, so that a handler that posts to itself cannot hang the caller.
    for (int i = 0; i < 1000 && Turn(false); ++i) {
    }
}

uintptr_t TMessageLoop::SetTimer(HWND h, uintptr_t id, unsigned interval) {
    if (!IsWindow(h)) return 0;
    uint64_t now = HasHost() ? Host().Now() : 0;
    for (TTimerEntry& t : FTimers)
        if (t.Window == h && t.WindowId == id) {
            t.Interval = interval;
            t.Due = now + std::max(1u, interval);
            return id;
        }
    FTimers.push_back({FNextTimerId++, h, id, interval, now + std::max(1u, interval), nullptr});
    return id;
}

bool TMessageLoop::KillTimer(HWND h, uintptr_t id) {
    auto it = std::find_if(FTimers.begin(), FTimers.end(), [h, id](const TTimerEntry& t) {
        return t.Window == h && t.WindowId == id && !t.Tick;
    });
    if (it == FTimers.end()) return false;
    FTimers.erase(it);
    return true;
}

int TMessageLoop::AddTimer(unsigned interval, std::function<void()> tick) {
    uint64_t now = HasHost() ? Host().Now() : 0;
    int id = FNextTimerId++;
    FTimers.push_back({id, 0, 0, interval, now + std::max(1u, interval), std::move(tick)});
    return id;
}

void TMessageLoop::RemoveTimer(int id) {
    FTimers.erase(std::remove_if(FTimers.begin(), FTimers.end(),
                                 [id](const TTimerEntry& t) { return t.Id == id; }),
                  FTimers.end());
}

bool TMessageLoop::HasTimer(int id) const {
    return std::any_of(FTimers.begin(), FTimers.end(),
                       [id](const TTimerEntry& t) { return t.Id == id; });
}

uint64_t TMessageLoop::NextDeadline() const {
    uint64_t d = UINT64_MAX;
    for (const TTimerEntry& t : FTimers)
        d = std::min(d, t.Due);
    return d;
}

void TMessageLoop::WindowDestroyed(HWND h) {
    FTimers.erase(std::remove_if(FTimers.begin(), FTimers.end(),
                                 [h](const TTimerEntry& t) { return !t.Tick && t.Window == h; }),
                  FTimers.end());
    FPosted.erase(std::remove_if(FPosted.begin(), FPosted.end(),
                                 [h](const TPosted& p) { return p.Window == h && h != 0; }),
                  FPosted.end());
}

void TMessageLoop::Reset() {
    FPosted.clear();
    {
        std::lock_guard<std::mutex> lock(FThreadLock);
        FFromThreads.clear();
    }
    FTimers.clear();
}
