#include "stdctrls/TTrackBar.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "graphics/BevelPaint.h"
#include "graphics/TCanvas.h"
#include "platform/THost.h"
#include "platform/VirtualKeys.h"
#include "window/WinApi.h"

namespace {
constexpr int kMargin = 8; // from the control's side to the thumb centre's range
} // namespace

TTrackBar::TTrackBar(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csCaptureMouse | csClickEvents | csOpaque;
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

const TClassInfo* TTrackBar::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTrackBar>(
        "TTrackBar", TCustomControl::StaticClassInfo(),
        {
            IntProp("Frequency", &TTrackBar::SetFrequency),
            IntProp("LineSize", &TTrackBar::SetLineSize),
            IntProp("Max", &TTrackBar::SetMax),
            IntProp("Min", &TTrackBar::SetMin),
            EnumProp("Orientation", &TTrackBar::SetOrientation, {"trHorizontal", "trVertical"}),
            IntProp("PageSize", &TTrackBar::SetPageSize),
            IntProp("Position", &TTrackBar::SetPosition),
            IntProp("ThumbLength", &TTrackBar::SetThumbLength),
            EnumProp("TickMarks", &TTrackBar::SetTickMarks,
                     {"tmBottomRight", "tmTopLeft", "tmBoth"}),
            EnumProp("TickStyle", &TTrackBar::SetTickStyle, {"tsNone", "tsAuto", "tsManual"}),
            EventProp("OnChange", &TTrackBar::OnChange),
        });
    return &info;
}

const TClassInfo* TTrackBar::ClassInfo() const {
    return StaticClassInfo();
}

void TTrackBar::SetMin(int v) {
    FMin = v;
    if (FMax < FMin) FMax = FMin;
    if (FPosition < FMin) SetPosition(FMin);
    Invalidate();
}

void TTrackBar::SetMax(int v) {
    FMax = v;
    if (FMin > FMax) FMin = FMax;
    if (FPosition > FMax) SetPosition(FMax);
    Invalidate();
}

void TTrackBar::SetPosition(int v) {
    v = std::clamp(v, FMin, FMax);
    if (v == FPosition) return;
    FPosition = v;
    Invalidate();
    Changed();
}

void TTrackBar::SetFrequency(int v) {
    FFrequency = std::max(1, v);
    Invalidate();
}

void TTrackBar::SetThumbLength(int v) {
    FThumbLength = std::max(4, v);
    Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark t) {
    FTickMarks = t;
    Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle t) {
    FTickStyle = t;
    Invalidate();
}

void TTrackBar::Changed() {
    if (OnChange && !IsLoading()) OnChange(this);
}

// --- geometry ----------------------------------------------------------------------

int TTrackBar::ThumbWidth() const {
    return std::max(5, FThumbLength / 2 | 1);
}

int TTrackBar::ThumbTop() const {
    int room = Height() - FThumbLength;
    if (FTickMarks == tmBottomRight) return std::min(4, std::max(0, room / 2));
    if (FTickMarks == tmTopLeft) return std::max(0, room - 4);
    return std::max(0, room / 2);
}

int TTrackBar::PositionToX(int pos) const {
    int left = kMargin, right = Width() - kMargin - 1;
    if (FMax == FMin) return left;
    return left +
           static_cast<int>(static_cast<int64_t>(pos - FMin) * (right - left) / (FMax - FMin));
}

int TTrackBar::XToPosition(int x) const {
    int left = kMargin, right = Width() - kMargin - 1;
    if (right <= left || FMax == FMin) return FMin;
    int64_t span = FMax - FMin;
    int64_t p = FMin + ((static_cast<int64_t>(x - left) * span * 2 + (right - left)) /
                        (2 * (right - left)));
    return static_cast<int>(std::clamp<int64_t>(p, FMin, FMax));
}

TRect TTrackBar::ChannelRect() const {
    int mid = ThumbTop() + FThumbLength / 2;
    return Rect(kMargin - 2, mid - 2, Width() - kMargin + 2, mid + 2);
}

TRect TTrackBar::ThumbRect() const {
    int x = PositionToX(FPosition) - ThumbWidth() / 2;
    return Bounds(x, ThumbTop(), ThumbWidth(), FThumbLength);
}

// --- input ---------------------------------------------------------------------------

void TTrackBar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        FDragging = false;
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TTrackBar::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        SetPosition(FPosition - FLineSize);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetPosition(FPosition + FLineSize);
        break;
    case VK_PRIOR:
        SetPosition(FPosition - FPageSize);
        break;
    case VK_NEXT:
        SetPosition(FPosition + FPageSize);
        break;
    case VK_HOME:
        SetPosition(FMin);
        break;
    case VK_END:
        SetPosition(FMax);
        break;
    default:
        return;
    }
    key = 0;
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        TRect thumb = ThumbRect();
        if (thumb.Contains({x, y})) {
            FDragging = true;
            FDragOffset = x - PositionToX(FPosition);
        } else if (x < thumb.Left) {
            SetPosition(FPosition - FPageSize);
        } else if (x >= thumb.Right) {
            SetPosition(FPosition + FPageSize);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y) {
    if (FDragging && (shift & ssLeft)) SetPosition(XToPosition(x - FDragOffset));
    TCustomControl::MouseMove(shift, x, y);
}

// --- painting ----------------------------------------------------------------------------

void TTrackBar::Paint() {
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    TRect channel = ChannelRect();
    DrawSunkenEdge(c, channel);
    c.Brush()->SetColor(clWindow);
    c.FillRect(channel);

    TRect thumb = ThumbRect();
    if (FTickStyle != tsNone) {
        c.Brush()->SetColor(clBtnText);
        for (int p = FMin; p <= FMax; p += FFrequency) {
            int x = PositionToX(p);
            bool end = p == FMin || p == FMax;
            if (FTickMarks != tmTopLeft)
                c.FillRect(Rect(x, thumb.Bottom + 2, x + 1, thumb.Bottom + (end ? 6 : 5)));
            if (FTickMarks != tmBottomRight)
                c.FillRect(Rect(x, thumb.Top - (end ? 6 : 5), x + 1, thumb.Top - 2));
            if (p > FMax - FFrequency) break;
        }
        if ((FMax - FMin) % FFrequency != 0) {
            int x = PositionToX(FMax);
            if (FTickMarks != tmTopLeft)
                c.FillRect(Rect(x, thumb.Bottom + 2, x + 1, thumb.Bottom + 6));
        }
    }
    TRect t = thumb;
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(t);
    if (FDragging)
        DrawBevel(c, t, false);
    else
        DrawRaisedEdge(c, t);
    if (Focused()) {
        c.Brush()->SetStyle(bsSolid);
        c.DrawFocusRect(ClientRect());
    }
}
