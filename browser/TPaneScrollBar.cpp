#include "browser/TPaneScrollBar.h"

#include <algorithm>

namespace {
// The thumb never gets shorter than this, so it can still be caught.
constexpr int kMinThumb = 8;
} // namespace

void TPaneScrollBar::SetRange(int content, int page) {
    FContent = std::max(content, 0);
    FPage = std::max(page, 0);
    SetPosition(FPosition);
}

int TPaneScrollBar::MaxPosition() const {
    return std::max(FContent - FPage, 0);
}

bool TPaneScrollBar::SetPosition(int position) {
    const int clamped = std::clamp(position, 0, MaxPosition());
    if (clamped == FPosition) return false;
    FPosition = clamped;
    return true;
}

TRect TPaneScrollBar::UpButton() const {
    const int h = std::min(FBounds.Width(), FBounds.Height() / 2);
    return TRect{FBounds.Left, FBounds.Top, FBounds.Right, FBounds.Top + h};
}

TRect TPaneScrollBar::DownButton() const {
    const int h = std::min(FBounds.Width(), FBounds.Height() / 2);
    return TRect{FBounds.Left, FBounds.Bottom - h, FBounds.Right, FBounds.Bottom};
}

TRect TPaneScrollBar::Track() const {
    return TRect{FBounds.Left, UpButton().Bottom, FBounds.Right, DownButton().Top};
}

TRect TPaneScrollBar::Thumb() const {
    const TRect track = Track();
    if (!Needed() || track.Height() <= kMinThumb) return {};
    const int length =
        std::max(kMinThumb, static_cast<int>(int64_t{track.Height()} * FPage / FContent));
    const int travel = track.Height() - length;
    const int top = track.Top + static_cast<int>(int64_t{travel} * FPosition / MaxPosition());
    return TRect{track.Left, top, track.Right, top + length};
}

bool TPaneScrollBar::MouseDown(TPoint p) {
    if (UpButton().Contains(p)) return ScrollBy(-kLineStep);
    if (DownButton().Contains(p)) return ScrollBy(kLineStep);
    const TRect thumb = Thumb();
    if (thumb.Contains(p)) {
        FDragging = true;
        FGrab = p.Y - thumb.Top;
        return false;
    }
    if (!Track().Contains(p)) return false;
    return ScrollBy(p.Y < thumb.Top ? -FPage : FPage);
}

bool TPaneScrollBar::MouseMove(TPoint p) {
    if (!FDragging) return false;
    const TRect track = Track();
    const int travel = track.Height() - Thumb().Height();
    if (travel <= 0) return false;
    const int top = std::clamp(p.Y - FGrab - track.Top, 0, travel);
    return SetPosition(static_cast<int>(int64_t{top} * MaxPosition() / travel));
}
