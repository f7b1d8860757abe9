#pragma once
// A host for high-density screens: wraps the real host and makes every one of
// its pixels a Scale x Scale block. The program keeps drawing and laying out
// in logical pixels; window bounds, the screen, the cursor and the events'
// coordinates are converted at this one border, so frames, hints, popups and
// the news pane all scale alike and the mouse lands on the control it points at.
//
// A window presents either a logical picture, which is enlarged here by
// repeating pixels, or one already at device size (window size times the
// scale), which goes to the screen as it is. ReadScreen likewise fills a
// picture that arrives at device size with device pixels, any other with
// logical ones.

#include <memory>
#include <unordered_map>

#include "platform/THost.h"

class TScaledWindow;

class TScaledHost final : public IHost {
public:
    // Scale is at least 1.
    TScaledHost(std::unique_ptr<IHost> inner, int scale);
    ~TScaledHost() override;
    TScaledHost(const TScaledHost&) = delete;
    TScaledHost& operator=(const TScaledHost&) = delete;

    IHost& Inner() const { return *FInner; }
    int Scale() const { return FScale; }

    std::unique_ptr<IHostWindow> CreateWindow(const TWindowParams& params) override;
    uint64_t Now() const override { return FInner->Now(); }
    bool PollEvent(TEvent& e) override;
    bool WaitEvent(TEvent& e, uint64_t deadline) override;
    TSize ScreenSize() const override;
    TRect WorkArea() const override;
    TPoint CursorPos() const override;
    bool ReadScreen(const TRect& screenRect, TPixels& picture) override;
    std::string ClipboardText() const override { return FInner->ClipboardText(); }
    void SetClipboardText(const std::string& utf8) override { FInner->SetClipboardText(utf8); }
    // The real host's name: what the program does differently without a
    // display must not change with the scale.
    const char* Name() const override { return FInner->Name(); }
    void Wake() override { FInner->Wake(); }

    // The wrapper of one of the real host's windows, or null.
    TScaledWindow* Outer(const IHostWindow* inner) const;

private:
    friend class TScaledWindow;
    // Windows may outlive the host; they reach it only through this record,
    // which the host clears when it goes.
    struct TWindows {
        TScaledHost* Host = nullptr;
        std::unordered_map<const IHostWindow*, TScaledWindow*> ByInner;
    };
    // False when the event belongs to no window of ours any more.
    bool Translate(TEvent& e) const;

    std::unique_ptr<IHost> FInner;
    int FScale;
    std::shared_ptr<TWindows> FWindows;
};

// The host itself at scale 1, else the host wrapped for the scale.
std::unique_ptr<IHost> WithScale(std::unique_ptr<IHost> host, int scale);
