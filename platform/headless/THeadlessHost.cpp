#include "platform/headless/THeadlessHost.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

THeadlessHost::THeadlessHost() = default;

THeadlessHost::~THeadlessHost() {
    for (THeadlessWindow* w : FWindows)
        w->DetachHost();
}

std::unique_ptr<IHostWindow> THeadlessHost::CreateWindow(const TWindowParams& params) {
    auto w = std::make_unique<THeadlessWindow>(this, params, ++FSerial);
    FWindows.push_back(w.get());
    FZ.push_back(w.get());
    return w;
}

bool THeadlessHost::PollEvent(TEvent& e) {
    if (FEvents.empty()) return false;
    e = std::move(FEvents.front());
    FEvents.pop_front();
    return true;
}

bool THeadlessHost::WaitEvent(TEvent& e, uint64_t deadline) {
    if (PollEvent(e)) return true;
    if (FWoken.exchange(false)) return false;
    // Nothing can arrive while the program waits: no one else injects. So the
    // wait ends at the deadline, and a wait without one ends at once.
    if (deadline != UINT64_MAX && deadline > FNow) FNow = deadline;
    return false;
}

void THeadlessHost::SetScreen(TSize size, int taskBarHeight) {
    FScreen = size;
    FWorkArea = TRect{0, 0, size.cx, std::max(size.cy - std::max(taskBarHeight, 0), 0)};
}

// ---- windows ----

std::vector<THeadlessWindow*> THeadlessHost::ZOrder() const {
    std::vector<THeadlessWindow*> z = FZ;
    std::stable_partition(z.begin(), z.end(), [](THeadlessWindow* w) { return !w->TopMost(); });
    return z;
}

THeadlessWindow* THeadlessHost::TopWindow() const {
    const auto z = ZOrder();
    for (auto it = z.rbegin(); it != z.rend(); ++it)
        if ((*it)->Visible()) return *it;
    return nullptr;
}

THeadlessWindow* THeadlessHost::WindowAt(TPoint screen) const {
    const auto z = ZOrder();
    for (auto it = z.rbegin(); it != z.rend(); ++it) {
        THeadlessWindow* w = *it;
        const TRect b = w->Bounds();
        if (!w->Visible() || !b.Contains(screen) || w->Kind() == TWindowKind::wkTooltip) continue;
        if (w->Shape() && !w->Shape()->Contains(TPoint{screen.X - b.Left, screen.Y - b.Top}))
            continue;
        return w;
    }
    return nullptr;
}

THeadlessWindow* THeadlessHost::FindWindow(const std::string& title) const {
    for (THeadlessWindow* w : FWindows)
        if (w->Title() == title) return w;
    return nullptr;
}

THeadlessWindow* THeadlessHost::Find(const IHostWindow* window) const {
    for (THeadlessWindow* w : FWindows)
        if (w == window) return w;
    return nullptr;
}

TPixels THeadlessHost::Screenshot(uint32_t desktopColor) const {
    TPixels screen;
    Compose(TRect{0, 0, FScreen.cx, FScreen.cy}, desktopColor, screen);
    return screen;
}

bool THeadlessHost::ReadScreen(const TRect& screenRect, TPixels& picture) {
    Compose(screenRect, kDesktopColor, picture);
    return true;
}

// The desktop and the visible windows in z-order, inside area (screen
// coordinates); what lies off the screen stays black.
void THeadlessHost::Compose(const TRect& area, uint32_t desktopColor, TPixels& out) const {
    out.SetSize(std::max(area.Width(), 0), std::max(area.Height(), 0));
    out.Fill(0);
    const TRect onScreen = area.Intersect(TRect{0, 0, FScreen.cx, FScreen.cy});
    if (onScreen.IsEmpty()) return;
    for (int y = onScreen.Top; y < onScreen.Bottom; ++y)
        for (int x = onScreen.Left; x < onScreen.Right; ++x)
            out.SetPixel(x - area.Left, y - area.Top,
                         FDesktop.Width() > 0 && FDesktop.Height() > 0
                             ? FDesktop.Pixel(x % FDesktop.Width(), y % FDesktop.Height())
                             : desktopColor);
    for (THeadlessWindow* w : ZOrder()) {
        if (!w->Visible()) continue;
        const TRect b = w->Bounds();
        TRegion shown(TRect{0, 0, b.Width(), b.Height()});
        if (w->Shape()) shown.Intersect(*w->Shape());
        shown.Offset(b.Left, b.Top);
        shown.Intersect(onScreen);
        for (const TRect& r : shown.Rects())
            for (int y = r.Top; y < r.Bottom; ++y)
                std::memcpy(out.ScanLine(y - area.Top) + (r.Left - area.Left) * 3,
                            w->Picture().ScanLine(y - b.Top) + (r.Left - b.Left) * 3,
                            static_cast<size_t>(r.Width()) * 3);
    }
}

void THeadlessHost::WindowDestroyed(THeadlessWindow* w) {
    std::erase(FWindows, w);
    std::erase(FZ, w);
    std::erase_if(FEvents, [w](const TEvent& e) { return e.Window == w; });
    if (FActive == w) FActive = nullptr;
    if (FCapture == w) FCapture = nullptr;
    if (FHover == w) FHover = nullptr;
}

void THeadlessHost::WindowHidden(THeadlessWindow* w) {
    if (FCapture == w) FCapture = nullptr;
    if (FHover == w) FHover = nullptr;
    if (FActive == w) {
        Queue(TEventKind::ekFocusOut, w);
        FActive = nullptr;
    }
}

void THeadlessHost::WindowRaised(THeadlessWindow* w) {
    std::erase(FZ, w);
    FZ.push_back(w);
}

void THeadlessHost::WindowActivated(THeadlessWindow* w) {
    WindowRaised(w);
    if (FActive == w) return;
    if (FActive) Queue(TEventKind::ekFocusOut, FActive);
    FActive = w;
    Queue(TEventKind::ekFocusIn, w);
}

void THeadlessHost::WindowCapture(THeadlessWindow* w, bool on) {
    if (on)
        FCapture = w;
    else if (FCapture == w)
        FCapture = nullptr;
}
