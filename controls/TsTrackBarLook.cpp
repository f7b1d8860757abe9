// The skinned track bar's look: the channel from the section's channel mask,
// the raised tick marks, and the thumb from the section's thumb mask, drawn
// on the cache at the pipeline's content step.

#include <cstdint>

#include "controls/TsTrackBar.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

namespace {
const char* const ChannelMask = "SLIDERCHANNEL";
const char* const ThumbMask = "SLIDERMASK";
const char* const VerticalThumbMask = "SLIDERVMASK";
// The thumb mask is this much shorter than the thumb.
constexpr int ThumbLengthExtra = 2;
// Tick marks stand this much beyond the thumb's reach.
constexpr int TickGap = 2;
constexpr TColor TickLight = 0xFFFFFF;
} // namespace

int TsTrackBar::SectionMask(const char* name) const {
    const TsCommonData& data = *SkinData();
    return GetMaskIndex(data.SkinIndex, data.SkinSection(), name);
}

void TsTrackBar::UpdateThumbLength() {
    if (IsLoading() || IsDestroying()) return;
    const int mask = SectionMask(ThumbMask);
    if (mask < 0) return;
    SetThumbLength(CellSize(mask).cy + ThumbLengthExtra);
    if (!SkinChanging) SkinData()->BGChanged = true;
}

TRect TsTrackBar::SkinChannelRect() const {
    TRect ch = ChannelRect();
    const int mask = SectionMask(ChannelMask);
    if (mask < 0) return ch;
    const TSize cell = CellSize(mask);
    if (Orientation() == trVertical) {
        ch.Left += (ch.Width() - cell.cx) / 2;
        ch.Right = ch.Left + cell.cx;
    } else {
        ch.Top += (ch.Height() - cell.cy) / 2;
        ch.Bottom = ch.Top + cell.cy;
    }
    return ch;
}

std::vector<int> TsTrackBar::TickPositions() const {
    std::vector<int> xs;
    const int64_t span = static_cast<int64_t>(Max()) - Min();
    // More ticks than pixels: every pixel of the range is a tick.
    if (span / Frequency() + 1 > Width()) {
        for (int x = PositionToX(Min()); x <= PositionToX(Max()); ++x)
            xs.push_back(x);
        return xs;
    }
    for (int64_t p = Min(); p <= Max(); p += Frequency())
        xs.push_back(PositionToX(static_cast<int>(p)));
    if (span % Frequency() != 0) xs.push_back(PositionToX(Max()));
    return xs;
}

int TsTrackBar::ThumbState() const {
    if (FState.ThumbPressed) return psPressed;
    return SkinData()->ControlIsActive() ? psHot : psNormal;
}

void TsTrackBar::PaintChannel() {
    const int mask = SectionMask(ChannelMask);
    // The mask's see-through pixels keep the fresh background under them.
    DrawBorderMask(SkinData()->CacheBmp(), SkinChannelRect(), true, PaintState(), mask,
                   TCacheInfo{});
}

void TsTrackBar::PaintTicks() {
    if (TickStyle() == tsNone) return;
    const TRect ch = SkinChannelRect();
    const int d = (ThumbRect().Height() - ch.Height()) / 2 + TickGap;
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    auto mark = [&](int x, int top, int bottom) {
        canvas->Brush()->SetColor(ColorToRGB(clBtnShadow));
        canvas->FillRect(Rect(x, top, x + 1, bottom));
        canvas->Brush()->SetColor(TickLight);
        canvas->FillRect(Rect(x + 1, top, x + 2, bottom));
    };
    for (int x : TickPositions()) {
        if (TickMarks() != tmBottomRight) mark(x, ch.Top - d - TickLength, ch.Top - d);
        if (TickMarks() != tmTopLeft) mark(x, ch.Bottom + d, ch.Bottom + d + TickLength);
    }
}

void TsTrackBar::PaintThumb() {
    const TRect thumb = ThumbRect();
    const int mask = SectionMask(Orientation() == trVertical ? VerticalThumbMask : ThumbMask);
    DrawStateImage(SkinData()->CacheBmp(), {thumb.Left, thumb.Top}, ThumbState(), mask, false);
}

void TsTrackBar::PaintContent() {
    PaintChannel();
    PaintTicks();
    PaintThumb();
}
