// TCustomForm: the non-client area. Metrics by border style, the plain frame
// and title bar, hit codes, title-button presses, system commands, and moving
// and sizing by dragging (done here, so it works without a window manager).
//
// Metrics (platform/services/SystemMetrics.h): a sizeable frame is SM_CXFRAME
// (4) wide, a fixed one SM_CXDLGFRAME (3); the caption is SM_CYCAPTION (19,
// its bottom line included), SM_CYSMCAPTION (15) for tool windows. Title
// buttons are SM_CXSIZE - 2 by SM_CYSIZE - 4 (16 x 14), two pixels apart,
// the close button two pixels inside the right frame.

#include <algorithm>

#include "forms/TApplication.h"
#include "forms/TCustomForm.h"
#include "forms/TScreen.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"
#include "platform/VirtualKeys.h"
#include "platform/services/SystemMetrics.h"
#include "window/WinApi.h"

namespace {
constexpr int kButtonWidth = DefaultSystemMetric(SM_CXSIZE) - 2;
constexpr int kButtonHeight = DefaultSystemMetric(SM_CYSIZE) - 4;

bool IsSizeable(TFormBorderStyle s) {
    return s == bsSizeable || s == bsSizeToolWin;
}
bool IsToolWindow(TFormBorderStyle s) {
    return s == bsToolWindow || s == bsSizeToolWin;
}

void Fill(HDC dc, const TRect& r, TColor c) {
    dc->Brush()->SetColor(c);
    dc->FillRect(r);
}

} // namespace

// --- metrics -------------------------------------------------------------------

int TCustomForm::FrameWidth() const {
    if (FBorderStyle == bsNone) return 0;
    return IsSizeable(FBorderStyle) ? DefaultSystemMetric(SM_CXFRAME)
                                    : DefaultSystemMetric(SM_CXDLGFRAME);
}

int TCustomForm::FrameHeight() const {
    if (FBorderStyle == bsNone) return 0;
    return IsSizeable(FBorderStyle) ? DefaultSystemMetric(SM_CYFRAME)
                                    : DefaultSystemMetric(SM_CYDLGFRAME);
}

int TCustomForm::CaptionHeight() const {
    if (FBorderStyle == bsNone) return 0;
    return IsToolWindow(FBorderStyle) ? DefaultSystemMetric(SM_CYSMCAPTION)
                                      : DefaultSystemMetric(SM_CYCAPTION);
}

TRect TCustomForm::NonClientInsets() const {
    int b = BorderWidth();
    return Rect(FrameWidth() + b, FrameHeight() + CaptionHeight() + b, FrameWidth() + b,
                FrameHeight() + b);
}

TRect TCustomForm::CloseButtonRect() const {
    if (FBorderStyle == bsNone || !(FBorderIcons & biSystemMenu)) return {};
    int h = std::min(kButtonHeight, CaptionHeight() - 5);
    int w = IsToolWindow(FBorderStyle) ? h + 2 : kButtonWidth;
    int top = FrameHeight() + (CaptionHeight() - 1 - h) / 2;
    int right = FWidth - FrameWidth() - 2;
    return Rect(right - w, top, right, top + h);
}

TRect TCustomForm::MaxButtonRect() const {
    bool shown = (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) &&
                 (FBorderIcons & biSystemMenu) && (FBorderIcons & (biMinimize | biMaximize));
    if (!shown) return {};
    TRect c = CloseButtonRect();
    return Rect(c.Left - 2 - c.Width(), c.Top, c.Left - 2, c.Bottom);
}

TRect TCustomForm::MinButtonRect() const {
    TRect m = MaxButtonRect();
    if (m.IsEmpty()) return {};
    return Rect(m.Left - m.Width(), m.Top, m.Left, m.Bottom);
}

// --- painting ------------------------------------------------------------------

void TCustomForm::PaintNonClient(HDC dc) {
    if (FBorderStyle == bsNone && BorderWidth() == 0) return;
    dc->ExcludeClipRect(ClientInWindow());
    TRect all = Rect(0, 0, FWidth, FHeight);
    Fill(dc, all, clBtnFace);
    if (FBorderStyle == bsNone) return;
    TRect edge = all;
    DrawWindowEdge(*dc, edge, true);
    int fw = FrameWidth(), fh = FrameHeight(), cap = CaptionHeight();
    TRect title = Rect(fw, fh, FWidth - fw, fh + cap - 1);
    Fill(dc, title, FActive ? clActiveCaption : clInactiveCaption);

    TRect close = CloseButtonRect(), max = MaxButtonRect(), min = MinButtonRect();
    if (!close.IsEmpty())
        PaintTitleButton(dc, close, tbClose, FNCPressed == HTCLOSE && FNCPressedInside);
    if (!max.IsEmpty())
        PaintTitleButton(dc, max, tbMax, FNCPressed == HTMAXBUTTON && FNCPressedInside);
    if (!min.IsEmpty())
        PaintTitleButton(dc, min, tbMin, FNCPressed == HTMINBUTTON && FNCPressedInside);

    int textRight = !min.IsEmpty() ? min.Left : !close.IsEmpty() ? close.Left : title.Right;
    TRect text = Rect(title.Left + 3, title.Top, textRight - 2, title.Bottom);
    if (text.IsEmpty()) return;
    dc->SetFont(*Font());
    dc->Font()->SetStyle(fsBold);
    dc->Font()->SetColor(FActive ? clCaptionText : clInactiveCaptionText);
    dc->Brush()->SetStyle(bsClear);
    dc->DrawText(Caption(), text,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TCustomForm::PaintTitleButton(HDC dc, const TRect& r, TTitleButton kind, bool pressed) {
    Fill(dc, r, clBtnFace);
    TRect edge = r;
    DrawWindowEdge(*dc, edge, !pressed);
    int d = pressed ? 1 : 0;
    int cx = r.Left + r.Width() / 2 + d - 1, cy = r.Top + r.Height() / 2 + d;
    bool enabled = kind == tbClose || (kind == tbMax && (FBorderIcons & biMaximize)) ||
                   (kind == tbMin && (FBorderIcons & biMinimize));
    TColor ink = enabled ? clBtnText : clGrayText;
    switch (kind) {
    case tbClose:
        for (int i = -3; i <= 3; ++i) {
            Fill(dc, Rect(cx + i, cy + i - 1, cx + i + 2, cy + i), ink);
            Fill(dc, Rect(cx + i, cy - i - 1, cx + i + 2, cy - i), ink);
        }
        break;
    case tbMax:
        if (FWindowState == wsMaximized) {
            dc->Brush()->SetColor(ink);
            dc->FrameRect(Rect(cx - 2, cy - 5, cx + 5, cy + 1));
            Fill(dc, Rect(cx - 4, cy - 2, cx + 3, cy + 3), clBtnFace);
            dc->Brush()->SetColor(ink);
            dc->FrameRect(Rect(cx - 4, cy - 2, cx + 3, cy + 4));
            Fill(dc, Rect(cx - 4, cy - 2, cx + 3, cy - 1), ink);
        } else {
            dc->Brush()->SetColor(ink);
            dc->FrameRect(Rect(cx - 4, cy - 5, cx + 5, cy + 3));
            Fill(dc, Rect(cx - 4, cy - 4, cx + 5, cy - 3), ink);
        }
        break;
    case tbMin:
        Fill(dc, Rect(cx - 4, cy + 1, cx + 2, cy + 3), ink);
        break;
    }
}

// --- hit testing and non-client mouse ---------------------------------------------

int TCustomForm::HitTest(TPoint p) const {
    if (!Rect(0, 0, FWidth, FHeight).Contains(p)) return HTNOWHERE;
    if (WindowRgn() && !WindowRgn()->Contains(p)) return HTNOWHERE;
    if (ClientInWindow().Contains(p)) return HTCLIENT;
    if (FBorderStyle == bsNone) return HTBORDER;
    int fw = FrameWidth(), fh = FrameHeight(), cap = CaptionHeight();
    if (IsSizeable(FBorderStyle) && FWindowState != wsMaximized) {
        int corner = fh + cap;
        bool left = p.X < fw, right = p.X >= FWidth - fw, top = p.Y < fh,
             bottom = p.Y >= FHeight - fh;
        bool nearLeft = p.X < corner, nearRight = p.X >= FWidth - corner;
        bool nearTop = p.Y < corner, nearBottom = p.Y >= FHeight - corner;
        if (top || bottom) {
            if (nearLeft) return top ? HTTOPLEFT : HTBOTTOMLEFT;
            if (nearRight) return top ? HTTOPRIGHT : HTBOTTOMRIGHT;
            return top ? HTTOP : HTBOTTOM;
        }
        if (left || right) {
            if (nearTop) return left ? HTTOPLEFT : HTTOPRIGHT;
            if (nearBottom) return left ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
            return left ? HTLEFT : HTRIGHT;
        }
    }
    if (p.Y >= fh && p.Y < fh + cap && p.X >= fw && p.X < FWidth - fw) {
        if (CloseButtonRect().Contains(p)) return HTCLOSE;
        if (MaxButtonRect().Contains(p)) return HTMAXBUTTON;
        if (MinButtonRect().Contains(p)) return HTMINBUTTON;
        return HTCAPTION;
    }
    return HTBORDER;
}

void TCustomForm::NCButtonDown(int hit, TPoint) {
    switch (hit) {
    case HTCAPTION:
        if (FWindowState != wsMaximized) SysCommand(SC_DRAGMOVE);
        break;
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        SysCommand(SC_SIZE + static_cast<uint32_t>(hit - HTLEFT + WMSZ_LEFT));
        break;
    case HTCLOSE:
    case HTMAXBUTTON:
    case HTMINBUTTON:
        if (hit == HTMAXBUTTON && !(FBorderIcons & biMaximize)) break;
        if (hit == HTMINBUTTON && !(FBorderIcons & biMinimize)) break;
        FNCPressed = hit;
        FNCPressedInside = true;
        SetCaptureControl(this);
        InvalidateFrame();
        break;
    default:
        break;
    }
}

void TCustomForm::NCButtonUp(int hit) {
    int pressed = FNCPressed;
    if (pressed == HTNOWHERE) return;
    FNCPressed = HTNOWHERE;
    if (GetCaptureControl() == this) ReleaseCapture();
    InvalidateFrame();
    if (hit != pressed) return;
    if (pressed == HTCLOSE)
        Perform(WM_SYSCOMMAND, SC_CLOSE);
    else if (pressed == HTMAXBUTTON)
        Perform(WM_SYSCOMMAND, FWindowState == wsMaximized ? SC_RESTORE : SC_MAXIMIZE);
    else if (pressed == HTMINBUTTON)
        Perform(WM_SYSCOMMAND, SC_MINIMIZE);
}

void TCustomForm::SysCommand(uint32_t cmd) {
    switch (cmd & SC_COMMANDMASK) {
    case SC_MOVE:
        if (FWindowState == wsMaximized) break;
        // A move with the mouse goes to the window manager where one runs.
        if (cmd == SC_DRAGMOVE && FHostWindow && FHostWindow->BeginMoveDrag(GetCursorPos())) break;
        StartDrag(fdMove, 0);
        break;
    case SC_SIZE:
        if (IsSizeable(FBorderStyle) && FWindowState != wsMaximized && (cmd & SC_DATAMASK))
            StartDrag(fdSize, cmd & SC_DATAMASK);
        break;
    case SC_CLOSE:
        Perform(WM_CLOSE);
        break;
    case SC_MINIMIZE:
        if (Application && Application->MainForm() == this)
            Application->Minimize();
        else
            SetWindowState(wsMinimized);
        break;
    case SC_MAXIMIZE:
        SetWindowState(wsMaximized);
        break;
    case SC_RESTORE:
        SetWindowState(wsNormal);
        break;
    default:
        break;
    }
}

// --- moving and sizing -------------------------------------------------------------

void TCustomForm::StartDrag(TFrameDrag mode, unsigned edge) {
    FDrag.Mode = mode;
    FDrag.Edge = edge;
    FDrag.Start = GetCursorPos();
    FDrag.StartBounds = BoundsRect();
    SetCaptureControl(this);
    Perform(WM_ENTERSIZEMOVE);
}

void TCustomForm::DragTo(TPoint screen) {
    int dx = screen.X - FDrag.Start.X, dy = screen.Y - FDrag.Start.Y;
    TRect r = FDrag.StartBounds;
    if (FDrag.Mode == fdMove) {
        SetBoundsRect(r.Offset(dx, dy));
        return;
    }
    TMinMaxInfo mmi;
    int sw = Screen ? Screen->Width() : r.Width(), sh = Screen ? Screen->Height() : r.Height();
    mmi.ptMaxSize = {sw, sh};
    mmi.ptMinTrackSize = {2 * FrameWidth() + 3 * kButtonWidth + 8,
                          FrameHeight() * 2 + CaptionHeight()};
    mmi.ptMaxTrackSize = {sw + 12, sh + 12};
    Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<intptr_t>(&mmi));
    unsigned e = FDrag.Edge;
    bool left = e == WMSZ_LEFT || e == WMSZ_TOPLEFT || e == WMSZ_BOTTOMLEFT;
    bool right = e == WMSZ_RIGHT || e == WMSZ_TOPRIGHT || e == WMSZ_BOTTOMRIGHT;
    bool top = e == WMSZ_TOP || e == WMSZ_TOPLEFT || e == WMSZ_TOPRIGHT;
    bool bottom = e == WMSZ_BOTTOM || e == WMSZ_BOTTOMLEFT || e == WMSZ_BOTTOMRIGHT;
    auto clampW = [&](int w) {
        return std::clamp(w, mmi.ptMinTrackSize.X,
                          std::max(mmi.ptMinTrackSize.X, mmi.ptMaxTrackSize.X));
    };
    auto clampH = [&](int h) {
        return std::clamp(h, mmi.ptMinTrackSize.Y,
                          std::max(mmi.ptMinTrackSize.Y, mmi.ptMaxTrackSize.Y));
    };
    if (left) r.Left = r.Right - clampW(r.Width() - dx);
    if (right) r.Right = r.Left + clampW(r.Width() + dx);
    if (top) r.Top = r.Bottom - clampH(r.Height() - dy);
    if (bottom) r.Bottom = r.Top + clampH(r.Height() + dy);
    SetBoundsRect(r);
}

void TCustomForm::EndDrag() {
    if (FDrag.Mode == fdNone) return;
    FDrag.Mode = fdNone;
    if (GetCaptureControl() == this) ReleaseCapture();
    Perform(WM_EXITSIZEMOVE);
}

// --- the form's window procedure ------------------------------------------------------

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_RELEASE:
        Free();
        return;
    case CM_DIALOGKEY:
        if (static_cast<int>(m.WParam) == VK_TAB && !IsKeyDown(VK_CONTROL) &&
            !(m.LParam & KF_ALTDOWN)) {
            SelectNext(FocusedControl(), !IsKeyDown(VK_SHIFT), true);
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

void TCustomForm::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case WM_NCHITTEST: {
        TPoint s = LParamToPoint(m.LParam);
        m.Result = HitTest({s.X - FLeft, s.Y - FTop});
        break;
    }
    case WM_NCLBUTTONDOWN:
        NCButtonDown(static_cast<int>(m.WParam), LParamToPoint(m.LParam));
        break;
    case WM_NCLBUTTONUP:
        NCButtonUp(static_cast<int>(m.WParam));
        break;
    case WM_NCLBUTTONDBLCLK:
        if (m.WParam == HTCAPTION && IsSizeable(FBorderStyle) && (FBorderIcons & biMaximize))
            Perform(WM_SYSCOMMAND, FWindowState == wsMaximized ? SC_RESTORE : SC_MAXIMIZE);
        else if (m.WParam == HTSYSMENU)
            Perform(WM_SYSCOMMAND, SC_CLOSE);
        else
            NCButtonDown(static_cast<int>(m.WParam), LParamToPoint(m.LParam));
        break;
    case WM_SYSCOMMAND:
        SysCommand(static_cast<uint32_t>(m.WParam));
        break;
    case WM_CLOSE:
        Close();
        break;
    case WM_NCACTIVATE:
        InvalidateFrame();
        m.Result = 1;
        break;
    case WM_SETTEXT:
        TWinControl::DefaultHandler(m);
        if (FHostWindow) FHostWindow->SetTitle(Caption());
        break;
    default:
        TWinControl::DefaultHandler(m);
        break;
    }
}
