// Painting the skin sheet, top to bottom: title, section table (two panels
// side by side), state image table, the master bitmap and its mask map.

#include "tools/SkinSheetRender.h"
#include "tools/SkinSheetLayout.h"

#include <algorithm>

#include "framework/graphics/DrawText.h"
#include "framework/graphics/TCanvas.h"
#include "paint/TCacheInfo.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {

using namespace SkinSheetMetrics;

constexpr TColor InkColor = 0x303030;
constexpr TColor InfoColor = 0x707070;
constexpr TColor RuleColor = 0xD0D0D0;
constexpr TColor BorderMaskInk = 0x00A000; // green
constexpr TColor ImageMaskInk = 0xB00000;  // dark blue

const char* const StateNames[] = {"normal", "hot", "pressed"};

std::string StateName(int state) {
    return state < 3 ? StateNames[state] : "state " + std::to_string(state + 1);
}

std::string SizeText(TSize s) {
    return std::to_string(s.cx) + "x" + std::to_string(s.cy);
}

class TSheetPainter {
public:
    TSheetPainter(TSkinSheet& sheet, const TSheetLayout& layout, std::vector<int> items)
        : FSheet(sheet), FL(layout), FItems(std::move(items)) {}

    void Paint(const std::string& title);

private:
    TBitmap& Bmp() { return *FSheet.Picture; }
    void Text(TRect r, const std::string& s, TColor color, bool bold = false,
              unsigned align = DT_LEFT);
    void Rule(TRect r);
    void Add(TSheetEntry e) { FSheet.Entries.push_back(std::move(e)); }

    void PaintTitle(const std::string& title);
    void PaintSections();
    void PaintSectionHeader(int left, int top);
    void PaintSectionRow(int skinIndex, int left, int top);
    void PaintSectionCell(int skinIndex, int state, TRect r, bool withCaption);
    void PaintCaption(TBitmap& cell, const TsGeneralData& section, int state, TPoint at);
    void PaintItems();
    void PaintItemRow(int mask, int left, int top);
    void PaintStateImage(int mask, int state, TPoint at);
    void PaintMaster();
    TRect PaintMasterView(int top, const std::string& heading, const std::string& name);
    void OutlineMask(const TsMaskData& m, TRect view);

    TSkinSheet& FSheet;
    const TSheetLayout& FL;
    std::vector<int> FItems;
};

void TSheetPainter::Text(TRect r, const std::string& s, TColor color, bool bold, unsigned align) {
    TCanvas* c = Bmp().Canvas();
    c->Font()->SetName("Tahoma");
    c->Font()->SetSize(8);
    c->Font()->SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{0});
    c->Font()->SetColor(color);
    c->Brush()->SetStyle(bsClear);
    c->DrawText(s, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | align);
    Add({seText, s, 0, 1, -1, r});
}

void TSheetPainter::Rule(TRect r) {
    TCanvas* c = Bmp().Canvas();
    c->Brush()->SetColor(RuleColor);
    c->FillRect(r);
    Add({seRule, "", 0, 1, -1, r});
}

void TSheetPainter::Paint(const std::string& title) {
    TCanvas* c = Bmp().Canvas();
    c->Brush()->SetColor(SheetBackground);
    c->FillRect({0, 0, Bmp().Width(), Bmp().Height()});
    PaintTitle(title);
    PaintSections();
    PaintItems();
    PaintMaster();
}

void TSheetPainter::PaintTitle(const std::string& title) {
    const int w = FL.Width - 2 * Margin;
    Text(Bounds(Margin, Margin, w, LineH), "Skin sheet: " + title, InkColor, true);
    std::string summary = std::to_string(SkinGeneralData.size()) + " sections, " +
                          std::to_string(SkinMasks.size()) + " masks, " +
                          std::to_string(SkinPatterns.size()) + " patterns; master bitmap ";
    if (SkinMasterBitmap && !SkinMasterBitmap->Empty())
        summary += std::to_string(SkinMasterBitmap->Width()) + " x " +
                   std::to_string(SkinMasterBitmap->Height());
    else
        summary += "none";
    Text(Bounds(Margin, Margin + LineH, w, LineH), summary, InfoColor);
}

void TSheetPainter::PaintSections() {
    const int top = FL.SectionsTop;
    const std::string heading = SkinGeneralData.empty() ? "No sections"
                                                        : "Sections with their border masks, at " +
                                                              SizeText(SheetSmallCell) + " and " +
                                                              SizeText(SheetLargeCell);
    Text(Bounds(Margin, top, FL.Width - 2 * Margin, LineH), heading, InkColor, true);
    const int count = static_cast<int>(SkinGeneralData.size());
    for (int panel = 0; panel < 2 && panel * FL.SectionRows < count; ++panel) {
        const int left = Margin + panel * (SectionPanelW + PanelGap);
        PaintSectionHeader(left, top + LineH + 4);
        for (int row = 0; row < FL.SectionRows; ++row) {
            const int i = panel * FL.SectionRows + row;
            if (i >= count) break;
            PaintSectionRow(i, left, top + 2 * LineH + 9 + row * SectionRowH);
        }
    }
}

void TSheetPainter::PaintSectionHeader(int left, int top) {
    Text(Bounds(left, top, NameW - Gap, LineH), "section", InfoColor);
    for (int s = 0; s < 3; ++s) {
        Text(Bounds(left + SmallColumn(s), top, SheetSmallCell.cx, LineH), StateName(s), InfoColor,
             false, DT_CENTER);
        Text(Bounds(left + LargeColumn(s), top, SheetLargeCell.cx, LineH), StateName(s), InfoColor,
             false, DT_CENTER);
    }
    Rule(Bounds(left, top + LineH + 2, SectionPanelW, 1));
}

void TSheetPainter::PaintSectionRow(int skinIndex, int left, int top) {
    const std::string& name = SkinGeneralData[skinIndex].SectionName;
    const int cellTop = top + Gap / 2;
    Text(Bounds(left, cellTop + 4, NameW - Gap, LineH), name, InkColor);
    const int border = GetMaskIndex(skinIndex, name, "BORDERSMASK");
    std::string info = "no border mask";
    if (border >= 0) {
        const TsMaskData& m = SkinMasks[border];
        info = SizeText(CellSize(border)) + " x" + std::to_string(StateCount(m)) + ", type " +
               std::to_string(m.MaskType) + ", bw " + std::to_string(m.BorderWidth);
        if (m.SectionName != UpperSkinName(name)) info = "from " + m.SectionName + ": " + info;
    }
    Text(Bounds(left, cellTop + 4 + LineH, NameW - Gap, LineH), info, InfoColor);
    const int smallTop = cellTop + (SheetLargeCell.cy - SheetSmallCell.cy) / 2;
    for (int s = 0; s < 3; ++s) {
        PaintSectionCell(
            skinIndex, s,
            Bounds(left + SmallColumn(s), smallTop, SheetSmallCell.cx, SheetSmallCell.cy), false);
        PaintSectionCell(
            skinIndex, s,
            Bounds(left + LargeColumn(s), cellTop, SheetLargeCell.cx, SheetLargeCell.cy), true);
    }
}

// Painted as a control would paint its cache: into a bitmap of its own, over
// the sheet as the parent's picture, then copied onto the sheet.
void TSheetPainter::PaintSectionCell(int skinIndex, int state, TRect r, bool withCaption) {
    TBitmap cell(r.Width(), r.Height());
    const TCacheInfo parent{&Bmp(), r.Left, r.Top, true};
    PaintSectionWithBorder(skinIndex, "", state, true, parent, &cell, {0, 0, r.Width(), r.Height()},
                           {0, 0});
    if (withCaption) PaintCaption(cell, SkinGeneralData[skinIndex], state, {r.Left, r.Top});
    Bmp().Canvas()->BitBlt(r.Left, r.Top, r.Width(), r.Height(), cell, 0, 0);
    Add({seSection, SkinGeneralData[skinIndex].SectionName, state, 1, -1, r});
}

// A sample caption in the look's text colour with its contours (left, top,
// right, bottom, each one pixel out), so that contrast can be judged.
void TSheetPainter::PaintCaption(TBitmap& cell, const TsGeneralData& section, int state,
                                 TPoint at) {
    const bool hot = state > 0;
    const TColor contours[4] = {
        hot ? section.HotTCLeft : section.TCLeft, hot ? section.HotTCTop : section.TCTop,
        hot ? section.HotTCRight : section.TCRight, hot ? section.HotTCBottom : section.TCBottom};
    const TPoint shifts[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    TCanvas* c = cell.Canvas();
    c->Font()->SetName("Tahoma");
    c->Font()->SetSize(8);
    c->Brush()->SetStyle(bsClear);
    const std::string text = "Caption";
    const TSize size = c->TextExtent(text);
    const int x = (cell.Width() - size.cx) / 2, y = (cell.Height() - size.cy) / 2;
    for (int i = 0; i < 4; ++i)
        if (contours[i] != -1) {
            c->Font()->SetColor(contours[i]);
            c->TextOut(x + shifts[i].X, y + shifts[i].Y, text);
        }
    c->Font()->SetColor(hot ? section.HotFontColor : section.FontColor);
    c->TextOut(x, y, text);
    Add({seText, text, state, 1, -1, Bounds(at.X + x - 1, at.Y + y - 1, size.cx + 2, size.cy + 2)});
}

void TSheetPainter::PaintItems() {
    if (FItems.empty()) return;
    const int top = FL.ItemsTop;
    Text(Bounds(Margin, top, FL.Width - 2 * Margin, LineH), "State images, each at 1x and 2x",
         InkColor, true);
    for (int panel = 0; panel < FL.ItemPanels; ++panel) {
        const int left = Margin + panel * (FL.ItemPanelW + PanelGap);
        const int headTop = top + LineH + 4;
        Text(Bounds(left, headTop, NameW - Gap, LineH), "item", InfoColor);
        for (int s = 0; s < FL.ItemStates; ++s)
            Text(Bounds(left + NameW + s * (FL.ItemColumnW + Gap), headTop, FL.ItemColumnW, LineH),
                 StateName(s), InfoColor, false, DT_CENTER);
        Rule(Bounds(left, headTop + LineH + 2, FL.ItemPanelW, 1));
        for (int row = 0; row < FL.ItemRows; ++row) {
            const size_t i = static_cast<size_t>(panel * FL.ItemRows + row);
            if (i >= FItems.size()) break;
            PaintItemRow(FItems[i], left, top + 2 * LineH + 9 + row * FL.ItemRowH);
        }
    }
}

void TSheetPainter::PaintItemRow(int mask, int left, int top) {
    const TsMaskData& m = SkinMasks[mask];
    const int textTop = top + Gap / 2;
    Text(Bounds(left, textTop, NameW - Gap, LineH), m.PropertyName, InkColor);
    Text(Bounds(left, textTop + LineH, NameW - Gap, LineH), m.SectionName, InkColor);
    const TSize cell = ShownCell(mask);
    Text(Bounds(left, textTop + 2 * LineH, NameW - Gap, LineH),
         SizeText(CellSize(mask)) + " x" + std::to_string(StateCount(m)) + ", type " +
             std::to_string(m.MaskType) + (m.Bmp ? ", own bitmap" : ""),
         InfoColor);
    if (cell.cx <= 0 || cell.cy <= 0) return;
    for (int s = 0; s < std::min(StateCount(m), FL.ItemStates); ++s) {
        const int x = left + NameW + s * (FL.ItemColumnW + Gap);
        PaintStateImage(mask, s, {x, textTop});
    }
}

// The picture at its size over the sheet's ground, then a copy twice as big beside it.
void TSheetPainter::PaintStateImage(int mask, int state, TPoint at) {
    const TSize cell = ShownCell(mask);
    const std::string name = SkinMasks[mask].SectionName + " " + SkinMasks[mask].PropertyName;
    const TRect one = Bounds(at.X, at.Y + cell.cy / 2, cell.cx, cell.cy);
    DrawStateImage(&Bmp(), {one.Left, one.Top}, state, mask, true);
    Add({seStateImage, name, state, 1, mask, one});

    TBitmap copy(cell.cx, cell.cy);
    copy.Canvas()->BitBlt(0, 0, cell.cx, cell.cy, Bmp(), one.Left, one.Top);
    const TRect two = Bounds(one.Right + Gap / 2, at.Y, 2 * cell.cx, 2 * cell.cy);
    Bmp().Canvas()->StretchDraw(two, copy);
    Add({seStateImage, name, state, 2, mask, two});
}

void TSheetPainter::PaintMaster() {
    const int top = FL.MasterTop;
    if (!SkinMasterBitmap || SkinMasterBitmap->Empty()) {
        Text(Bounds(Margin, top, FL.Width - 2 * Margin, LineH), "No master bitmap", InkColor, true);
        return;
    }
    const TBitmap& master = *SkinMasterBitmap;
    const std::string size = std::to_string(master.Width()) + " x " +
                             std::to_string(master.Height()) + ", at " +
                             std::to_string(FL.MasterScale) + "x";
    PaintMasterView(top, "Master bitmap, " + size, "MASTERBITMAP");
    const TRect map = PaintMasterView(top + FL.MasterViewH,
                                      "Master bitmap with the masks' cells: border masks green, "
                                      "other masks blue, alpha rows below the dotted line",
                                      "MASKMAP");
    for (const TsMaskData& m : SkinMasks)
        if (!m.Bmp) OutlineMask(m, map);
}

// The master bitmap enlarged in a one-pixel frame. A plain copy, so that
// see-through pixels show as the magenta they are.
TRect TSheetPainter::PaintMasterView(int top, const std::string& heading, const std::string& name) {
    const TBitmap& master = *SkinMasterBitmap;
    const int s = FL.MasterScale;
    Text(Bounds(Margin, top, FL.Width - 2 * Margin, LineH), heading, InkColor, true);
    TBitmap copy(master.Width(), master.Height());
    copy.Canvas()->BitBlt(0, 0, master.Width(), master.Height(), master, 0, 0);
    const TRect r = Bounds(Margin + 1, top + LineH + 5, s * master.Width(), s * master.Height());
    Rule({r.Left - 1, r.Top - 1, r.Right + 1, r.Top});
    Rule({r.Left - 1, r.Bottom, r.Right + 1, r.Bottom + 1});
    Rule({r.Left - 1, r.Top, r.Left, r.Bottom});
    Rule({r.Right, r.Top, r.Right + 1, r.Bottom});
    Bmp().Canvas()->StretchDraw(r, copy);
    Add({seMaster, name, 0, s, -1, r});
    return r;
}

// The mask's rectangle and its cell edges on the enlarged view; only the
// part inside the view is drawn.
void TSheetPainter::OutlineMask(const TsMaskData& m, TRect view) {
    const int s = FL.MasterScale;
    const TRect r = TRect{view.Left + s * m.R.Left, view.Top + s * m.R.Top,
                          view.Left + s * m.R.Right, view.Top + s * m.R.Bottom}
                        .Intersect(view);
    if (r.IsEmpty()) return;
    TCanvas* c = Bmp().Canvas();
    c->SaveDC();
    c->IntersectClipRect(view);
    c->Brush()->SetColor(m.PropertyName == "BORDERSMASK" ? BorderMaskInk : ImageMaskInk);
    c->FrameRect(r);
    const int cells = std::max<int>(1, m.ImageCount);
    for (int i = 1; i < cells && cells <= MaxItemStates * 4; ++i) {
        const int x = view.Left + s * (m.R.Left + m.R.Width() * i / cells);
        c->FillRect({x, r.Top, x + 1, r.Bottom});
    }
    if (m.MaskType == 1) {
        const int y = view.Top + s * (m.R.Top + m.R.Height() / 2);
        for (int x = r.Left; x < r.Right; x += 2)
            c->FillRect({x, y, x + 1, y + 1});
    }
    c->RestoreDC();
}

} // namespace

std::vector<int> SheetStateImageMasks() {
    std::vector<int> items;
    for (int i = 0; i < static_cast<int>(SkinMasks.size()); ++i) {
        const TsMaskData& m = SkinMasks[i];
        if (m.PropertyName == "MASTERBITMAP") continue;
        if (m.PropertyName == "BORDERSMASK" && GetSkinIndex(m.SectionName) >= 0) continue;
        items.push_back(i);
    }
    return items;
}

TSkinSheet RenderSkinSheet(const std::string& title) {
    std::vector<int> items = SheetStateImageMasks();
    const TSheetLayout layout = MeasureSkinSheet(items);
    TSkinSheet sheet;
    sheet.Picture = std::make_unique<TBitmap>(layout.Width, layout.Height);
    TSheetPainter(sheet, layout, std::move(items)).Paint(title);
    return sheet;
}
