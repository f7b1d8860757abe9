#pragma once
// A host still being made on a thread of its own. Opening the display is most
// of a start and mostly waits on the X server; meanwhile the program builds
// and paints its windows, which need no display. A call that needs the real
// host waits for it here, on the calling (GUI) thread, and what went wrong in
// making it is thrown from there, at that call and every later one.
//
// Some questions have their answers before the host is made (the clock, the
// screen read on a connection of its own): given as early answers, they are
// answered at once until the host is there. Wake never waits: another thread
// may call it before the host is made, and the wake is then passed on once it is.

#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/THost.h"

struct TEarlyAnswers {
    std::function<uint64_t()> Clock; // the real host's clock; empty to wait for it
    bool HasScreen = false;          // whether the two below are known
    TSize Screen;
    TRect WorkArea;
};

class TPendingHost final : public IHost {
public:
    // Starts make on a new thread at once.
    explicit TPendingHost(std::function<std::unique_ptr<IHost>()> make);
    // Waits for the thread; a host it made is destroyed with this one.
    ~TPendingHost() override;
    TPendingHost(const TPendingHost&) = delete;
    TPendingHost& operator=(const TPendingHost&) = delete;

    // On the GUI thread, before the answers are asked for.
    void SetEarlyAnswers(TEarlyAnswers answers) { FEarly = std::move(answers); }

    // Waits for the real host; throws what making it threw.
    IHost& Ready() const;

    std::unique_ptr<IHostWindow> CreateWindow(const TWindowParams& params) override {
        return Ready().CreateWindow(params);
    }
    uint64_t Now() const override;
    bool PollEvent(TEvent& e) override { return Ready().PollEvent(e); }
    bool WaitEvent(TEvent& e, uint64_t deadline) override { return Ready().WaitEvent(e, deadline); }
    TSize ScreenSize() const override;
    TRect WorkArea() const override;
    TPoint CursorPos() const override { return Ready().CursorPos(); }
    bool ReadScreen(const TRect& screenRect, TPixels& picture) override {
        return Ready().ReadScreen(screenRect, picture);
    }
    std::string ClipboardText() const override { return Ready().ClipboardText(); }
    void SetClipboardText(const std::string& utf8) override { Ready().SetClipboardText(utf8); }
    const char* Name() const override { return Ready().Name(); }
    void Wake() override;

private:
    mutable std::thread FMaker;
    // Written by the maker, read after it is joined.
    std::unique_ptr<IHost> FMade;
    std::exception_ptr FFailure;
    TEarlyAnswers FEarly;
    // Set on the GUI thread once the maker is joined and the host is good.
    mutable IHost* FReal = nullptr;
    // Guards FWoken and FReal's publication against a Wake from another thread.
    mutable std::mutex FWakeLock;
    mutable bool FWoken = false;
};
