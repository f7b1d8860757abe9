// The skinned edit's look: the text written on the cache, and the frame
// copied from the cache around the plain text area while the edit is hot.

#include "controls/TsEdit.h"
#include "controls/WriteSkinText.h"
#include "framework/component/Utf8.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

namespace {
// The text's rectangle stands this far inside every edge.
constexpr int TextInset = 3;
// The frame copied from the cache around the plain text area.
constexpr int FrameWidth = 2;
constexpr unsigned TextFlags = DT_SINGLELINE | DT_NOPREFIX | DT_WORDBREAK;
} // namespace

std::string TsEdit::ShownText() const {
    return Utf8Encode(DisplayText());
}

void TsEdit::PaintContent() {
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(*Font());
    TRect r = Rect(TextInset, TextInset, Width() - TextInset, Height() - TextInset);
    WriteSkinText(canvas, ShownText(), Enabled(), SkinData()->ControlIsActive(), *SkinData(),
                  TextFlags, r);
}

void TsEdit::PaintWindow(HDC dc) {
    TsCommonData* data = SkinData();
    const bool hot = data && IsReady() && data->Skinned() && data->ControlIsActive();
    // The plain paint narrows the clip to its text area; the frame needs it back.
    const int level = dc->SaveDC();
    TEdit::PaintWindow(dc);
    dc->RestoreDC(level);
    if (hot) PaintFrame(dc);
}

void TsEdit::PaintFrame(HDC dc) {
    TsCommonData& data = *SkinData();
    if (!dc || data.IsUpdating()) return;
    if (data.BGChanged && !data.Frozen) PrepareCache(*this);
    const TBitmap* cache = data.CacheBmp();
    if (!cache || cache->Empty()) return;
    const int w = Width();
    const int h = Height();
    const TRect strips[] = {
        Rect(0, 0, w, FrameWidth),
        Rect(0, FrameWidth, FrameWidth, h),
        Rect(FrameWidth, h - FrameWidth, w - FrameWidth, h),
        Rect(w - FrameWidth, FrameWidth, w, h),
    };
    for (const TRect& s : strips)
        dc->BitBlt(s.Left, s.Top, s.Width(), s.Height(), *cache, s.Left, s.Top);
}
