// TsSkinProvider: the frame picture (the whole window composed once into
// the skin data's cache), its copy to the window, and the window region cut
// from the see-through corners of the frame masks.

#include <algorithm>

#include "controls/TsCommonData.h"
#include "frame/TsSkinProvider.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/WinApi.h"
#include "paint/Blend.h"
#include "platform/services/SystemMetrics.h"
#include "skin/SectionText.h"
#include "skin/SkinCommands.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {

constexpr int ActiveState = 1; // the frame sections' hot look is the active window
constexpr int CaptionGap = 4;  // between the frame (or icon) and the caption
constexpr int CaptionTail = 6; // kept free before the buttons

// The height of one border piece of a mask: the nine parts stand three high.
int PieceHeight(int maskIndex) {
    if (maskIndex < 0 || maskIndex >= static_cast<int>(SkinMasks.size())) return 0;
    const TsMaskData& m = SkinMasks[maskIndex];
    if (m.Bmp) return m.Bmp->Height() / 6;
    return m.R.Height() / ((m.MaskType + 1) * 3);
}

} // namespace

void TsSkinProvider::RepaintFrame() {
    FSkinData->BGChanged = true;
    if (FForm && SkinActive()) FForm->InvalidateFrame();
}

void TsSkinProvider::PaintAll() {
    if (!SkinActive()) return;
    FSkinData->PictureDrawn();
    TBitmap* bmp = FSkinData->CacheBmp();
    const int w = FormWidth(), h = FormHeight();
    bmp->SetSize(w, h);
    const int state = FormActive ? ActiveState : 0;
    const TCacheInfo none;
    PaintSectionWithBorder(FSkinData->SkinIndex, "FORM", state, true, none, bmp, Rect(0, 0, w, h),
                           {0, 0});
    const int grip = GetMaskIndex(FSkinData->SkinIndex, "FORM", "GRIPIMAGE");
    if (FGripMode == gmRightBottom && grip >= 0) {
        const TSize cell = CellSize(grip);
        DrawStateImage(bmp, {w - SysBorderWidth() - cell.cx, h - SysBorderHeight() - cell.cy}, 0,
                       grip, true);
    }
    if (FBorderStyle != bsNone) PaintTitle(bmp);
    FSkinData->BGChanged = false;
    if (FForm) {
        TMessage m{SM_VESKACMD, SkinWParam(SKC_PARENTBGCHANGED, 1), 0, 0};
        BroadcastToChildren(FForm, m);
    }
}

void TsSkinProvider::PaintTitle(TBitmap* bmp) {
    const int w = FormWidth(), state = FormActive ? ActiveState : 0;
    const TCacheInfo none;
    const int title = GetSkinIndex("FORMTITLE");
    const TRect titleRect = Rect(0, 0, w, CaptionHeight() + SysBorderHeight());
    PaintSectionWithBorder(title, "FORMTITLE", state, true, none, bmp, titleRect, {0, 0});
    PlaceButtons();
    int count = 0;
    for (const TsTitleButtonRecord* b : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp})
        count += b->State != tbsAbsent;
    for (int i = 0; i < FTitleButtons->Count(); ++i)
        count += FTitleButtons->Item(i)->Data.State != tbsAbsent;
    FTitleCopy.SetSize(titleRect.Width(), titleRect.Height());
    CopyRect(&FTitleCopy, {0, 0}, bmp, titleRect);
    if (!FStripRect.IsEmpty()) {
        const TCacheInfo under{&FTitleCopy, 0, 0, true};
        PaintSection(GetSkinIndex("TITLEBAR"), "TITLEBAR", state > 0, under, bmp, FStripRect,
                     {FStripRect.Left, FStripRect.Top});
        FButtonStrip.SetSize(FStripRect.Width(), FStripRect.Height());
        CopyRect(&FButtonStrip, {0, 0}, bmp, FStripRect);
    }
    PaintButtons(bmp);
    if (IconWidth() > 0 && !FTitleIcon->Glyph()->Empty()) {
        const TBitmap* g = FTitleIcon->Glyph();
        const int top = SysBorderHeight() + (CaptionHeight() - IconHeight()) / 2;
        BlendBitmapOnto(bmp, SysBorderWidth(), top, g->Pixel(0, g->Height() - 1), 1.0,
                        Rect(0, 0, g->Width() - 1, g->Height() - 1), g);
    }
    PaintCaption(bmp, count);
}

void TsSkinProvider::PaintCaption(TBitmap* bmp, int buttonCount) {
    if (!FForm) return;
    const int left = SysBorderWidth() + CaptionGap + IconWidth();
    const int right =
        FormWidth() - SysBorderWidth() - buttonCount * (ButtonWidth() + 1) - CaptionTail;
    TRect r = Rect(left, SysBorderHeight(), right, SysBorderHeight() + CaptionHeight());
    if (r.IsEmpty()) return;
    TCanvas* canvas = bmp->Canvas();
    canvas->SetFont(*FForm->Font());
    canvas->Font()->SetStyle(fsBold);
    unsigned align = FCaptionAlignment == taCenter         ? DT_CENTER
                     : FCaptionAlignment == taRightJustify ? DT_RIGHT
                                                           : DT_LEFT;
    WriteSectionText(canvas, FForm->Caption(), true, FormActive, GetSkinIndex("FORMTITLE"),
                     align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, r);
}

void TsSkinProvider::PaintForm(HDC dc) {
    if (!dc || !FForm) return;
    if (FSkinData->BGChanged) PaintAll();
    const TBitmap& bmp = *FSkinData->CacheBmp();
    const TRect c = FForm->ClientInWindow();
    const int w = FormWidth(), h = FormHeight();
    dc->BitBlt(0, 0, w, c.Top, bmp, 0, 0);
    dc->BitBlt(0, c.Bottom, w, h - c.Bottom, bmp, 0, c.Bottom);
    dc->BitBlt(0, c.Top, c.Left, c.Height(), bmp, 0, c.Top);
    dc->BitBlt(c.Right, c.Top, w - c.Right, c.Height(), bmp, c.Right, c.Top);
}

void TsSkinProvider::EraseClient(HDC dc) {
    if (!dc || !FForm) return;
    if (FSkinData->BGChanged) PaintAll();
    const TRect c = FForm->ClientInWindow();
    dc->BitBlt(0, 0, c.Width(), c.Height(), *FSkinData->CacheBmp(), c.Left, c.Top);
}

void TsSkinProvider::UpdateRegion() {
    if (!FForm) return;
    RegionRects.clear();
    const int w = FormWidth(), h = FormHeight();
    const int border = FSkinData->BorderIndex;
    if (border >= 0) {
        SeeThroughRects(border, w, false, 0, RegionRects);
        SeeThroughRects(border, w, true, h - PieceHeight(border), RegionRects);
    }
    const int title = GetSkinIndex("FORMTITLE");
    const int titleBorder = title >= 0 ? GetMaskIndex(title, "FORMTITLE", "BORDERSMASK") : -1;
    if (titleBorder >= 0) SeeThroughRects(titleBorder, w, false, 0, RegionRects);
    RgnChanged = false;
    RgnChanging = true;
    TRegion rgn(Rect(0, 0, w, h));
    for (const TRect& r : RegionRects)
        rgn.Subtract(r);
    FForm->SetWindowRgn(&rgn, true);
    RgnChanging = false;
}
