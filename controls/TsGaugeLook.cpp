// The gauge's look: rendered into a cache kept until the gauge or what lies
// under it changes, or the classic look when unskinned.

#include <algorithm>

#include "controls/SkinControlPaint.h"
#include "controls/TsCommonData.h"
#include "controls/TsGauge.h"
#include "controls/WriteSkinText.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "paint/Blend.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {

constexpr unsigned TextFlags = DT_CENTER | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;
constexpr int BorderWidth = 1;

} // namespace

void TsGauge::Paint() {
    if (Width() < 1 || Height() < 1) return;
    if (FSkinData->Skinned())
        PaintSkinned();
    else
        PaintClassic();
}

void TsGauge::PaintSkinned() {
    TsCommonData& data = *FSkinData;
    if (data.IsUpdating()) return;
    // The picture is kept between paints: it changes only with the gauge's
    // values or look (which mark it stale) or with what lies under it.
    if (data.BGChanged || !data.CacheBmp() || !data.RenderStillCurrent()) RenderSkinned();
    Canvas()->BitBlt(0, 0, Width(), Height(), *data.CacheBmp(), 0, 0);
}

void TsGauge::RenderSkinned() {
    TsCommonData& data = *FSkinData;
    data.InitCacheBmp();
    TBitmap* cache = data.CacheBmp();
    const TCacheInfo parent = data.GetParentCache();
    PaintSectionWithBorder(data, 0, true, parent, cache, Rect(0, 0, Width(), Height()),
                           {Left(), Top()});
    PaintProgress(cache);
    PaintText(cache);
    data.BGChanged = false;
    data.RememberRender();
}

// The done part of a bar from the progress section, painted over the
// gauge's own fresh picture.
void TsGauge::PaintProgress(TBitmap* cache) {
    if (FKind != gkHorizontalBar && FKind != gkVerticalBar) return;
    const std::string section = ProgressSection();
    const int index = GetSkinIndex(section);
    if (!IsValidSkinIndex(index)) return;
    const bool horizontal = FKind == gkHorizontalBar;
    const int length = horizontal ? Width() : Height();
    const int fill = std::min(SolveForX(PercentDone(), length), length);
    if (fill <= 0) return;
    const TRect part =
        horizontal ? Rect(0, 0, fill, Height()) : Rect(0, Height() - fill, Width(), Height());
    TCacheInfo own;
    own.Bitmap = cache;
    own.Ready = true;
    TBitmap piece(part.Width(), part.Height(), cache->Scale());
    PaintSectionWithBorder(index, section, 0, true, own, &piece,
                           Rect(0, 0, part.Width(), part.Height()), {part.Left, part.Top});
    CopyRect(cache, {part.Left, part.Top}, &piece, Rect(0, 0, part.Width(), part.Height()));
}

void TsGauge::PaintText(TBitmap* target) {
    if (!FShowText) return;
    TCanvas* canvas = target->Canvas();
    TRect r = Rect(0, 0, Width(), Height());
    WriteSkinText(canvas, GaugeText(), Enabled(), false, *FSkinData, TextFlags, r);
}

// The classic text reads on both parts: BackColor over the bar, ForeColor
// beside it.
void TsGauge::PaintClassicText(TCanvas* canvas, const TRect& inner, const TRect& bar) {
    if (!FShowText) return;
    canvas->SetFont(*Font());
    canvas->Brush()->SetStyle(bsClear);
    const bool barEmpty = bar.Width() <= 0 || bar.Height() <= 0;
    for (const bool onBar : {false, true}) {
        if (onBar && barEmpty) continue;
        canvas->SaveDC();
        if (onBar)
            canvas->IntersectClipRect(bar);
        else if (!barEmpty)
            canvas->ExcludeClipRect(bar);
        canvas->Font()->SetColor(onBar ? FBackColor : FForeColor);
        DrawControlText(*canvas, GaugeText(), inner, TextFlags | DT_SINGLELINE, Enabled());
        canvas->RestoreDC();
    }
}

// The look without a skin, drawn off-screen and copied in one piece.
void TsGauge::PaintClassic() {
    TBitmap bmp(Width(), Height(), GraphicsScale());
    TCanvas* canvas = bmp.Canvas();
    TRect inner = Rect(0, 0, Width(), Height());
    canvas->Brush()->SetStyle(bsSolid);
    if (FBorderStyle == bsGaugeSingle) {
        canvas->Brush()->SetColor(clBlack);
        canvas->FillRect(inner);
        inner = Rect(BorderWidth, BorderWidth, Width() - BorderWidth, Height() - BorderWidth);
    }
    canvas->Brush()->SetColor(FBackColor);
    canvas->FillRect(inner);
    TRect bar = inner;
    if (FKind == gkHorizontalBar)
        bar.Right = bar.Left + std::min(SolveForX(PercentDone(), inner.Width()), inner.Width());
    else if (FKind == gkVerticalBar)
        bar.Top = bar.Bottom - std::min(SolveForX(PercentDone(), inner.Height()), inner.Height());
    else
        bar = Rect(0, 0, 0, 0);
    if (bar.Width() > 0 && bar.Height() > 0) {
        canvas->Brush()->SetColor(FForeColor);
        canvas->FillRect(bar);
    }
    PaintClassicText(canvas, inner, bar);
    Canvas()->BitBlt(0, 0, Width(), Height(), bmp, 0, 0);
}
