// TWebBrowser: the wheel, the keys, the mouse over the page and its scroll bar.
#include "browser/TWebBrowser.h"
#include "platform/THost.h"
#include "platform/VirtualKeys.h"

namespace {
// Wheel notches scroll this many lines each, as the platform's default is.
constexpr int kLinesPerNotch = 3;
} // namespace

void TWebBrowser::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_PAGEFETCHED:
        TakeResults();
        return;
    case WM_PAGEREQUESTED:
        RequestWaitingPage();
        return;
    case WM_MOUSEWHEEL: {
        const int delta = static_cast<int16_t>((m.WParam >> 16) & 0xFFFF);
        WheelScroll(delta);
        m.Result = 1;
        return;
    }
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_SYSKEYDOWN:
        if (m.WParam == VK_LEFT) {
            GoBack();
            return;
        }
        break;
    case CM_MOUSELEAVE:
        if (FView.MouseLeave()) PageChanged();
        SetCursor(crDefault);
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

bool TWebBrowser::WheelScroll(int delta) {
    const int lines = delta * kLinesPerNotch / WHEEL_DELTA;
    if (!FScroll.ScrollBy(-lines * TPaneScrollBar::kLineStep)) return false;
    PageChanged();
    return true;
}

bool TWebBrowser::ScrollKey(int key) {
    const int page = FScroll.Page();
    switch (key) {
    case VK_UP:
        return FScroll.ScrollBy(-TPaneScrollBar::kLineStep);
    case VK_DOWN:
        return FScroll.ScrollBy(TPaneScrollBar::kLineStep);
    case VK_PRIOR:
        return FScroll.ScrollBy(-page);
    case VK_NEXT:
        return FScroll.ScrollBy(page);
    case VK_HOME:
        return FScroll.SetPosition(0);
    case VK_END:
        return FScroll.SetPosition(FScroll.MaxPosition());
    default:
        return false;
    }
}

void TWebBrowser::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_BACK) {
        GoBack();
        key = 0;
    } else if (ScrollKey(key)) {
        PageChanged();
        key = 0;
    }
}

TPoint TWebBrowser::PagePoint(int x, int y) const {
    const TRect page = PageRect();
    return TPoint{x - page.Left, y - page.Top};
}

void TWebBrowser::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (CanFocus()) SetFocus();
    if (FScroll.Needed() && FScroll.Bounds().Contains({x, y})) {
        if (button == mbLeft && FScroll.MouseDown({x, y})) PageChanged();
        return;
    }
    const TPoint p = PagePoint(x, y);
    if (button == mbMiddle) {
        const std::string link = FView.LinkAt(p.X, p.Y, ScrollTop());
        if (!link.empty()) OpenOutside(link);
    } else if (button == mbLeft && FView.MouseDown(p.X, p.Y, ScrollTop())) {
        PageChanged();
    }
}

void TWebBrowser::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft) return;
    if (FScroll.Dragging()) {
        FScroll.MouseUp();
        return;
    }
    const TPoint p = PagePoint(x, y);
    if (FView.MouseUp(p.X, p.Y, ScrollTop())) PageChanged();
    FollowPendingLink();
}

void TWebBrowser::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (FScroll.Dragging()) {
        if (FScroll.MouseMove({x, y})) PageChanged();
        return;
    }
    if (FScroll.Needed() && FScroll.Bounds().Contains({x, y})) {
        SetCursor(crDefault);
        return;
    }
    const TPoint p = PagePoint(x, y);
    if (FView.MouseMove(p.X, p.Y, ScrollTop())) PageChanged();
}

void TWebBrowser::CursorChanged(const std::string& cursor) {
    SetCursor(cursor == "pointer" ? crHandPoint : crDefault);
}
