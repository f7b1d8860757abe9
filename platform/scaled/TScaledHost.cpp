#include "platform/scaled/TScaledHost.h"

#include <algorithm>

#include "platform/scaled/PixelScale.h"
#include "platform/scaled/TScaledWindow.h"

TScaledHost::TScaledHost(std::unique_ptr<IHost> inner, int scale)
    : FInner(std::move(inner)), FScale(std::max(1, scale)), FWindows(std::make_shared<TWindows>()) {
    FWindows->Host = this;
}

TScaledHost::~TScaledHost() {
    FWindows->Host = nullptr;
}

std::unique_ptr<IHostWindow> TScaledHost::CreateWindow(const TWindowParams& params) {
    TWindowParams device = params;
    device.Bounds = ScaleUp(params.Bounds, FScale);
    auto window = std::make_unique<TScaledWindow>(FInner->CreateWindow(device), FScale, FWindows);
    FWindows->ByInner[&window->Inner()] = window.get();
    return window;
}

TScaledWindow* TScaledHost::Outer(const IHostWindow* inner) const {
    const auto found = FWindows->ByInner.find(inner);
    return found == FWindows->ByInner.end() ? nullptr : found->second;
}

bool TScaledHost::Translate(TEvent& e) const {
    if (e.Window) {
        e.Window = Outer(e.Window);
        if (!e.Window) return false;
    }
    switch (e.Kind) {
    case TEventKind::ekMoved:
    case TEventKind::ekResized:
        e.X = ScaleDown(e.X, FScale);
        e.Y = ScaleDown(e.Y, FScale);
        break;
    case TEventKind::ekMouseMove:
    case TEventKind::ekMouseDown:
    case TEventKind::ekMouseUp:
    case TEventKind::ekMouseWheel:
    case TEventKind::ekMouseEnter:
        e.X = ScaleDown(e.X, FScale);
        e.Y = ScaleDown(e.Y, FScale);
        e.ScreenX = ScaleDown(e.ScreenX, FScale);
        e.ScreenY = ScaleDown(e.ScreenY, FScale);
        break;
    default:
        break;
    }
    return true;
}

bool TScaledHost::PollEvent(TEvent& e) {
    while (FInner->PollEvent(e))
        if (Translate(e)) return true;
    return false;
}

bool TScaledHost::WaitEvent(TEvent& e, uint64_t deadline) {
    while (FInner->WaitEvent(e, deadline))
        if (Translate(e)) return true;
    return false;
}

TSize TScaledHost::ScreenSize() const {
    const TSize s = FInner->ScreenSize();
    return {s.cx / FScale, s.cy / FScale};
}

TRect TScaledHost::WorkArea() const {
    return ScaleDown(FInner->WorkArea(), FScale);
}

TPoint TScaledHost::CursorPos() const {
    return ScaleDown(FInner->CursorPos(), FScale);
}

bool TScaledHost::ReadScreen(const TRect& screenRect, TPixels& picture) {
    const TRect device = ScaleUp(screenRect, FScale);
    if (picture.Width() == device.Width() && picture.Height() == device.Height())
        return FInner->ReadScreen(device, picture);
    TPixels read;
    if (!FInner->ReadScreen(device, read)) return false;
    picture = ScaleDownPixels(read, FScale);
    return true;
}

std::unique_ptr<IHost> WithScale(std::unique_ptr<IHost> host, int scale) {
    if (scale <= 1) return host;
    return std::make_unique<TScaledHost>(std::move(host), scale);
}
