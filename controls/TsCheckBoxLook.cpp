// The skinned check box's look: glyph size and place, the caption with its
// focus rectangle, the box glyph, the picture rendered on every paint, and
// the automatic size.

#include <algorithm>

#include "controls/TsCheckBox.h"
#include "controls/WriteSkinText.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TPaintEngine.h"
#include "framework/window/WinApi.h"
#include "paint/ParentColors.h"
#include "skin/CommonSkinIndexes.h"
#include "skin/SkinPaint.h"

namespace {
// The glyph's size when the skin has no box masks.
constexpr int PlainGlyphSize = 16;
// User glyphs hold the normal, hot and pressed looks side by side, over
// (in the height) a second row the box does not use.
constexpr int GlyphColumns = 3;
constexpr int GlyphRows = 2;
// Room the caption takes beyond its text: after the glyph, and at the right.
constexpr int CaptionGap = 1;
constexpr int CaptionEnd = 2;
// The automatic size adds this much width after the text, and height below.
constexpr int AutoWidthExtra = 5;
constexpr int AutoHeightExtra = 2;
} // namespace

const TBitmap* TsCheckBox::UserGlyph() const {
    if (FGlyphChecked->Empty()) return nullptr;
    const TBitmap* glyph = State() == cbChecked ? FGlyphChecked.get() : FGlyphUnChecked.get();
    return glyph->Empty() ? nullptr : glyph;
}

int TsCheckBox::GlobalGlyphMask() const {
    switch (State()) {
    case cbChecked:
        return CommonSkinIndexes.BoxChecked;
    case cbGrayed:
        return CommonSkinIndexes.BoxGrayed;
    default:
        return CommonSkinIndexes.BoxUnchecked;
    }
}

TSize TsCheckBox::GlyphSize() const {
    if (const TBitmap* glyph = UserGlyph())
        return {glyph->Width() / GlyphColumns, glyph->Height() / GlyphRows};
    const TSize mask = CellSize(GlobalGlyphMask());
    if (mask.cx <= 0 || mask.cy <= 0) return {PlainGlyphSize, PlainGlyphSize};
    return mask;
}

TRect TsCheckBox::GlyphRect() const {
    const TSize g = GlyphSize();
    const int top = (Height() - g.cy) / 2;
    const int left = Alignment() == taLeftJustify ? Width() - g.cx - FMargin : FMargin;
    return Rect(left, top, left + g.cx, top + g.cy);
}

int TsCheckBox::GlyphState() const {
    if (FPressed) return psPressed;
    return SkinData()->ControlIsActive() && !FReadOnly ? psHot : psNormal;
}

int TsCheckBox::PaintState() {
    return SkinData()->ControlIsActive() && !FReadOnly ? psHot : psNormal;
}

void TsCheckBox::AdjustSize() {
    if (!FAutoSize || IsLoading() || !SkinData()->Skinned()) return;
    const TSize g = GlyphSize();
    int w = g.cx + 2 * FMargin;
    int h = g.cy;
    if (!Caption().empty()) {
        TBitmap scratch;
        TCanvas* canvas = scratch.Canvas();
        canvas->SetFont(*Font());
        const TSize text = canvas->TextExtent(Caption());
        w += text.cx + FTextIndent + AutoWidthExtra;
        h = std::max(h, text.cy + 2 * FMargin);
    }
    SetBounds(Left(), Top(), w, h + AutoHeightExtra);
}

void TsCheckBox::PaintCaption(TCanvas* canvas) {
    if (Caption().empty()) return;
    const int textLeft = GlyphSize().cx + FTextIndent + FMargin + CaptionGap;
    const int bottom = Height() - FMargin - CaptionEnd;
    const bool glyphLeft = Alignment() != taLeftJustify;
    TRect r = glyphLeft ? Rect(textLeft, FMargin, Width() - FMargin - CaptionEnd, bottom)
                        : Rect(FMargin, FMargin, Width() - textLeft - CaptionEnd, bottom);
    unsigned flags = MultiLine() ? DT_WORDBREAK | DT_CENTER : DT_SINGLELINE | DT_VCENTER;
    if (!glyphLeft && !MultiLine()) flags |= DT_RIGHT;
    WriteSkinText(canvas, Caption(), Enabled(), PaintState() == psHot, *SkinData(), flags, r);
    if (!Focused() || !FShowFocus) return;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->DrawFocusRect(Rect(r.Left - 1, r.Top, r.Right + 1, r.Bottom - 1));
}

void TsCheckBox::PaintGlyph() {
    TBitmap* cache = SkinData()->CacheBmp();
    const TRect at = GlyphRect();
    if (const TBitmap* glyph = UserGlyph()) {
        const TSize g = GlyphSize();
        TBitmap part(g.cx, g.cy, glyph->Scale());
        part.Canvas()->BitBlt(0, 0, g.cx, g.cy, *glyph, GlyphState() * g.cx, 0);
        part.Transparent = true;
        part.TransparentColor = glyph->TransparentColor;
        cache->Canvas()->Draw(at.Left, at.Top, part);
        return;
    }
    // The box's own see-through pixels show the box's fresh background.
    ParentMaskColor = clSeeThrough;
    DrawStateImage(cache, {at.Left, at.Top}, GlyphState(), GlobalGlyphMask(), false);
}

void TsCheckBox::PaintContent() {
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(*Font());
    PaintCaption(canvas);
    PaintGlyph();
}

void TsCheckBox::PaintNow(TMessage& m) {
    TPaintStruct ps;
    HDC given = WParamToDC(m.WParam);
    HDC dc = given ? given : BeginPaint(Handle(), ps);
    if (dc && !SkinData()->IsUpdating()) {
        TParentMaskColorGuard scope(ColorToRGB(Parent() ? Parent()->Color() : Color()));
        RefreshKeptPicture(*this);
        dc->BitBlt(0, 0, Width(), Height(), *SkinData()->CacheBmp(), 0, 0);
    }
    if (!given) EndPaint(Handle(), ps);
}
