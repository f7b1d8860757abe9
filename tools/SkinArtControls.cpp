// Borders of the controls: buttons, fields, panels, bars, tabs and scroll bars.
// Every border is drawn so that its edge pieces stay the same along the side
// they are repeated on; the corners carry the rounding.

#include "tools/SkinArt.h"
#include "tools/SkinArtColors.h"

using namespace Palette;

namespace {

TShape Box(double l, double t, double r, double b) {
    return RoundRect(l, t, r, b, 0);
}

// The outline of a rounded cell whose outside is cut, and the line one pixel in.
void Ring(TArtCell& c, double radius, TRgb outline) {
    const double w = c.Width(), h = c.Height();
    c.CutOutside(RoundRect(0, 0, w, h, radius));
    c.Fill(Minus(HardEdge(0, 0, w, h, radius, radius), RoundRect(1, 1, w - 1, h - 1, radius - 1)),
           outline);
}
void InnerRing(TArtCell& c, double radius, TRgb color, double opacity) {
    const double w = c.Width(), h = c.Height();
    c.Fill(
        Minus(RoundRect(1, 1, w - 1, h - 1, radius - 1), RoundRect(2, 2, w - 2, h - 2, radius - 2)),
        color, opacity);
}

// Push buttons: a crisp outline, a white inner line when normal, a warm one
// when hot, and an inner shade along the top when pressed, so it sinks.
TArtCell PushButton(int state, int w, int h, double radius) {
    TArtCell c(w, h);
    const TRgb outline[] = {Border, HotBorder, PressedBorder};
    Ring(c, radius, outline[state]);
    if (state == 0) InnerRing(c, radius, White, 0.8);
    if (state == 1) InnerRing(c, radius, Rgb(255, 250, 225), 0.85);
    if (state == 2) {
        const TShape inner = RoundRect(1, 1, w - 1, h - 1, radius - 1);
        const double top[] = {0.55, 0.32, 0.16, 0.06};
        for (int i = 0; i < 4; ++i)
            c.Fill(Intersect(Box(1, 1 + i, w - 1, 2 + i), inner), PressedShade, top[i]);
        c.Fill(Intersect(Box(1, 2, 2, h - 2), inner), PressedShade, 0.3);
        c.Fill(Intersect(Box(2, 3, 3, h - 2), inner), PressedShade, 0.12);
        c.Fill(Intersect(Box(2, h - 2, w - 1, h - 1), inner), White, 0.35);
    }
    return c;
}

// Flat buttons (tool bars, speed buttons, links): nothing until the mouse comes.
TArtCell FlatButton(int state) {
    if (state == 0) return TArtCell(18, 18);
    return PushButton(state, 18, 18, 2.5);
}

// A single-pixel field border; the pixel at each corner is softened onto the window colour.
TArtCell FieldBorder(int) {
    TArtCell c(39, 39);
    c.Fill(Box(0, 0, 39, 39), Field);
    c.Fill(Minus(RoundRect(0, 0, 39, 39, 1.2), Box(1, 1, 38, 38)), Rgb(128, 136, 182));
    return c;
}

// Raised and lowered panels: the light falls from the top left.
TArtCell Panel(bool lowered) {
    TArtCell c(9, 9);
    Ring(c, 2, BorderSoft);
    const TShape topLeft = Union(Box(1, 1, 8, 2), Box(1, 1, 2, 8));
    const TShape bottomRight = Union(Box(1, 7, 8, 8), Box(7, 1, 8, 8));
    c.Fill(lowered ? topLeft : bottomRight, Border, lowered ? 0.28 : 0.14);
    c.Fill(lowered ? bottomRight : topLeft, White, 0.6);
    return c;
}

// An etched rounded line for group boxes.
TArtCell GroupFrame(int) {
    TArtCell c(12, 12);
    c.Fill(Minus(RoundRect(1, 1, 12, 12, 3), RoundRect(2, 2, 11, 11, 2)), White, 0.7);
    c.Fill(Minus(RoundRect(0, 0, 11, 11, 3), RoundRect(1, 1, 10, 10, 2)), BorderSoft);
    return c;
}

TArtCell ProgressFrame(int) {
    TArtCell c(9, 9);
    Ring(c, 2, Palette::ProgressBorder);
    InnerRing(c, 2, White, 0.45);
    return c;
}

// A bar's top: a line and a light line below it.
TArtCell TopLine(int) {
    TArtCell c(9, 9);
    c.Fill(Box(0, 0, 9, 1), BorderSoft);
    c.Fill(Box(0, 1, 9, 2), White, 0.7);
    return c;
}

// A tool bar's bottom: a light line at the top, a line at the bottom.
TArtCell BottomLine(int) {
    TArtCell c(9, 9);
    c.Fill(Box(0, 0, 9, 1), White, 0.7);
    c.Fill(Box(0, 8, 9, 9), BorderSoft);
    return c;
}

// An etched upright line at the right of a status panel, kept in the right
// piece so that a filled centre stays clear.
TArtCell DividerLine(int) {
    TArtCell c(6, 9);
    c.Fill(Box(4, 0, 5, 9), BorderSoft);
    c.Fill(Box(5, 0, 6, 9), White, 0.8);
    return c;
}

TArtCell BarTitle(int state) {
    TArtCell c(9, 9);
    c.CutOutside(RoundRect2(0, 0, 9, 20, 2, 0));
    c.Fill(Minus(RoundRect2(0, 0, 9, 9, 2, 0), RoundRect2(1, 1, 8, 8, 1, 0)),
           state ? FrameOuter : FrameOuterInactive);
    c.Fill(Box(1, 1, 8, 2), White, 0.6);
    return c;
}

TArtCell SheetBorder(int) {
    TArtCell c(9, 9);
    Ring(c, 0, Border);
    InnerRing(c, 0, White, 0.6);
    return c;
}

// Menu items and selections: a warm rounded glow when hot.
TArtCell MenuItem(int state) {
    TArtCell c(9, 9);
    if (state == 0) return c;
    Ring(c, 2, HotBorder);
    InnerRing(c, 2, White, 0.5);
    return c;
}

// Column headers: a separator at the right, a line below; warm when hot,
// deeper when pressed.
TArtCell ColumnHeader(int state) {
    TArtCell c(9, 9);
    c.Fill(Box(8, 0, 9, 9), BorderSoft);
    c.Fill(Box(7, 0, 8, 9), White, 0.7);
    c.Fill(Box(0, 8, 9, 9), BorderSoft);
    if (state == 1) c.Fill(Box(0, 6, 9, 8), HotMid2);
    if (state == 2) c.Fill(Box(0, 0, 9, 2), PressedShade, 0.2);
    return c;
}

// A tab on top of its sheet: rounded at the top, open at the bottom. The
// chosen tab (state 2) is the brightest and carries a stronger outline.
TArtCell Tab(int state) {
    TArtCell c(15, 15);
    const TShape outer = RoundRect2(0, 0, 15, 30, 3, 0);
    const TShape inner = RoundRect2(1, 1, 14, 30, 2, 0);
    c.CutOutside(outer);
    const TRgb outline[] = {BorderSoft, HotBorder, Border};
    c.Fill(Minus(HardEdge(0, 0, 15, 30, 3, 0), inner), outline[state]);
    if (state == 1) c.Fill(Minus(inner, RoundRect2(2, 3, 13, 30, 1, 0)), HotMid2, 0.8);
    c.Fill(Minus(inner, RoundRect2(2, 2, 13, 30, 1, 0)), White, state == 2 ? 0.9 : 0.55);
    return c;
}

// Scroll buttons and thumbs: small push buttons.
TArtCell ScrollButton(int state) {
    return PushButton(state, 15, 15, 2);
}
TArtCell ScrollThumb(int state) {
    TArtCell c = PushButton(state, 15, 15, 3);
    return c;
}

TArtCell ScrollTrack(int state) {
    TArtCell c(9, 9);
    Ring(c, 0, state == 0 ? BorderLight : BorderSoft);
    return c;
}

} // namespace

void AddControlPieces(std::vector<TArtPiece>& pieces) {
    TArtPiece button = Piece("BUTTON", 21, 24, 3, [](int s) { return PushButton(s, 21, 24, 3); });
    button.Fixed = true;
    button.At = {0, 44};
    pieces.push_back(button);
    pieces.push_back(
        Piece("BUTTON_BIG", 24, 27, 3, [](int s) { return PushButton(s, 24, 27, 4); }));
    TArtPiece field = Piece("EDIT", 39, 39, 1, FieldBorder);
    field.MaskType = 0;
    field.Behind = Window;
    pieces.push_back(field);
    pieces.push_back(Piece("TOOLBUTTON", 18, 18, 3, FlatButton));
    pieces.push_back(Piece("TABTOP", 15, 15, 3, Tab));
    pieces.push_back(
        Piece("TABBOTTOM", 15, 15, 3, [](int s) { return Tab(s).FlippedVertically(); }));
    pieces.push_back(Piece("TABLEFT", 15, 15, 3, [](int s) { return Tab(s).Transposed(); }));
    pieces.push_back(Piece("TABRIGHT", 15, 15, 3,
                           [](int s) { return Tab(s).Transposed().FlippedHorizontally(); }));
    pieces.push_back(Piece("SCROLLBTN", 15, 15, 3, ScrollButton));
    pieces.push_back(Piece("SCROLLSLIDER", 15, 15, 3, ScrollThumb));
    pieces.push_back(Piece("SCROLLBAR", 9, 9, 3, ScrollTrack));
    pieces.push_back(Piece("PANEL", 9, 9, 1, [](int) { return Panel(false); }));
    pieces.push_back(Piece("PANEL_LOW", 9, 9, 1, [](int) { return Panel(true); }));
    pieces.push_back(Piece("GROUPBOX", 12, 12, 1, GroupFrame));
    pieces.push_back(Piece("PROGRESS", 9, 9, 1, ProgressFrame));
    pieces.push_back(Piece("STATUSBAR", 9, 9, 1, TopLine));
    pieces.push_back(Piece("DIVIDER", 6, 9, 1, DividerLine));
    pieces.push_back(Piece("TOOLBAR", 9, 9, 1, BottomLine));
    pieces.push_back(Piece("BARTITLE", 9, 9, 2, BarTitle));
    pieces.push_back(Piece("PAGECONTROL", 9, 9, 1, SheetBorder));
    pieces.push_back(Piece("MENUITEM", 9, 9, 2, MenuItem));
    pieces.push_back(Piece("COLHEADER", 9, 9, 3, ColumnHeader));
}
