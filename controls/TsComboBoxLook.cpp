// The skinned combo box's look: the drop-down glyph from the section's
// "GLYPHMASK" and the chosen item, drawn on the cache.

#include "controls/TsCustomComboBox.h"
#include "controls/WriteSkinText.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {
// The glyph's size while the box is not skinned.
constexpr int PlainGlyphSize = 16;
// The item's rectangle: inset from the left, the top, the right and the bottom.
constexpr int TextLeft = 4;
constexpr int TextInset = 3;
constexpr unsigned ItemFlags =
    DT_VCENTER | DT_EXPANDTABS | DT_SINGLELINE | DT_NOPREFIX | DT_WORDBREAK;

unsigned AlignmentFlags(TAlignment a) {
    switch (a) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}
} // namespace

int TsCustomComboBox::GlyphMaskIndex() const {
    const TsCommonData& data = *SkinData();
    return GetMaskIndex(data.SkinIndex, data.SkinSection(), "GLYPHMASK");
}

TSize TsCustomComboBox::GlyphSize() const {
    if (!SkinData()->Skinned()) return {PlainGlyphSize, PlainGlyphSize};
    return CellSize(GlyphMaskIndex());
}

TRect TsCustomComboBox::GlyphRect() const {
    const TSize g = GlyphSize();
    const int left = Width() - g.cx - ButtonMargin;
    const int top = (Height() - g.cy) / 2;
    return Rect(left, top, left + g.cx, top + g.cy);
}

int TsCustomComboBox::GlyphState() const {
    if (FListOpen) return psPressed;
    return SkinData()->ControlIsActive() ? psHot : psNormal;
}

TRect TsCustomComboBox::TextRect() const {
    return Rect(TextLeft, TextInset, Width() - TextInset - GlyphSize().cx, Height() - TextInset);
}

bool TsCustomComboBox::ItemHighlighted() const {
    return Focused() && Enabled() && !FListOpen;
}

void TsCustomComboBox::PaintItem(TCanvas* canvas) {
    TRect r = TextRect();
    const unsigned flags = AlignmentFlags(FAlignment) | ItemFlags;
    if (!ItemHighlighted()) {
        WriteSkinText(canvas, Text(), Enabled(), SkinData()->ControlIsActive(), *SkinData(), flags,
                      r);
        return;
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(r);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clHighlightText);
    canvas->DrawText(Text(), r, flags);
}

void TsCustomComboBox::PaintContent() {
    TBitmap* cache = SkinData()->CacheBmp();
    const TRect glyph = GlyphRect();
    DrawStateImage(cache, {glyph.Left, glyph.Top}, GlyphState(), GlyphMaskIndex(), false);
    if (ItemIndex() < 0) return;
    TCanvas* canvas = cache->Canvas();
    canvas->SetFont(*Font());
    PaintItem(canvas);
}
