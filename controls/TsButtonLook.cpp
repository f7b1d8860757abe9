// The skinned button's look: its state index, the caption rectangle, the
// caption in the section's text look and the focus rectangle, all drawn on
// the cache at the pipeline's content step.

#include "controls/FadeFrame.h"
#include "controls/TsButton.h"
#include "controls/TsFadeTimer.h"
#include "controls/WriteSkinText.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SkinState.h"

namespace {
constexpr unsigned CaptionFlags = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
// The caption is measured this much narrower than the button.
constexpr int CaptionInset = 2;
// A pushed caption moves this far right and down.
constexpr int PushShift = 1;
} // namespace

int TsButton::PaintState() {
    if (DrawnPushed()) return psPressed;
    return SkinData()->ControlIsActive() || FState.DefaultActive ? psHot : psNormal;
}

bool TsButton::CaptionHot() {
    return SkinData()->ControlIsActive() || FState.DefaultActive || FState.Down;
}

bool TsButton::PaintSuspended() const {
    // Only a running fade draws the button; a finished fade-in's timer
    // stays, but the cache then holds what the button shows.
    return FFadeTimer && FFadeTimer->FadeMode != fmStopped;
}

TRect TsButton::CaptionRect() {
    const int w = Width();
    const int h = Height();
    if (Caption().empty()) return Rect(w / 2, h / 2, w / 2, h / 2);
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(*Font());
    TRect extent = Rect(0, 0, w - CaptionInset, 0);
    canvas->DrawText(Caption(), extent, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    const int dx = (w - extent.Width()) / 2;
    const int dy = (h - extent.Height()) / 2;
    TRect r = Rect(dx - 1, dy, w - dx + 2, h - dy);
    if (DrawnPushed()) r = r.Offset(PushShift, PushShift);
    return r;
}

void TsButton::DrawCaption(TRect rect, unsigned flags) {
    WriteSkinText(SkinData()->CacheBmp()->Canvas(), Caption(), Enabled(), CaptionHot(), *SkinData(),
                  flags, rect);
}

void TsButton::DrawCaptionAndFocus() {
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(*Font());
    canvas->Brush()->SetStyle(bsClear);
    const TRect caption = CaptionRect();
    DrawCaption(caption, CaptionFlags);
    const int index = SkinData()->SkinIndex;
    if (!Enabled() || !Focused() || Caption().empty() || !IsValidSkinIndex(index) ||
        !SkinGeneralData[index].ShowFocus)
        return;
    const TRect focus = Rect(caption.Left - FFocusMargin, caption.Top - FFocusMargin,
                             caption.Right + FFocusMargin, caption.Bottom + FFocusMargin);
    canvas->DrawFocusRect(focus);
}

void TsButton::PaintContent() {
    DrawCaptionAndFocus();
}
