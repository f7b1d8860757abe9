// The window frame, the title bar, the title-bar buttons and the size grips.

#include <cmath>

#include "tools/SkinArt.h"
#include "tools/SkinArtColors.h"

using namespace Palette;

namespace {

// A cell of the outer frame: dark outline, a light line, and the line that
// parts the frame from the client area. Rounded at the top like the title.
TArtCell Frame(int state) {
    TArtCell c(12, 12);
    const TShape outer = RoundRect2(0, 0, 12, 12, 4, 2.5);
    const TShape in1 = RoundRect2(1, 1, 11, 11, 3, 1.5);
    const TShape in2 = RoundRect2(2, 2, 10, 10, 2, 0.5);
    c.CutOutside(outer);
    c.Fill(Minus(HardEdge(0, 0, 12, 12, 4, 2.5), in1), state ? FrameOuter : FrameOuterInactive);
    c.Fill(Minus(in1, in2), White, state ? 0.5 : 0.45);
    c.Fill(Minus(in2, RoundRect(3, 3, 9, 9, 0)), state ? BorderSoft : Rgb(166, 168, 192), 0.85);
    return c;
}

// The title bar: rounded top corners whose outside is cut from the window.
TArtCell Title(int state) {
    TArtCell c(21, 21);
    const TShape outer = RoundRect2(0, 0, 21, 40, 6, 0);
    const TShape in1 = RoundRect2(1, 1, 20, 40, 5, 0);
    const TShape in2 = RoundRect2(2, 2, 19, 40, 4, 0);
    c.CutOutside(outer);
    c.Fill(Minus(HardEdge(0, 0, 21, 40, 6, 0), in1), state ? FrameOuter : FrameOuterInactive);
    c.Fill(Minus(in1, in2), White, state ? 0.65 : 0.55);
    c.Fill(RoundRect(2, 20, 19, 21, 0), state ? BorderSoft : Rgb(166, 168, 192), 0.75);
    return c;
}

// The glossy backgrounds of a title-bar button: nothing when normal, a warm
// glow when hot, a deeper amber with an inner shade when pressed.
void ButtonGlow(TArtCell& c, int state, double radius) {
    if (state == 0) return;
    const double w = c.Width(), h = c.Height(), mid = h / 2;
    const TShape outer = RoundRect(0, 0, w, h, radius);
    const TShape inner = RoundRect(1, 1, w - 1, h - 1, radius - 1);
    const bool hot = state == 1;
    const TRgb t1 = hot ? HotTop : PressedTop,
               t2 = hot ? HotMid1 : Mix(PressedTop, PressedBottom, 0.5);
    const TRgb b1 = hot ? HotMid2 : PressedBottom,
               b2 = hot ? HotBottom : Mix(PressedBottom, HotMid2, 0.6);
    c.Fill(inner, [=](double, double y) {
        return y < mid ? Mix(t1, t2, y / mid) : Mix(b1, b2, (y - mid) / mid);
    });
    c.Fill(Minus(outer, inner), hot ? HotBorder : PressedBorder);
    if (hot)
        c.Fill(Minus(inner, RoundRect(2, 2, w - 2, h - 2, radius - 2)), White, 0.55);
    else
        c.Fill(Minus(inner, RoundRect(1, 2, w - 1, h - 1, radius - 1)), PressedShade, 0.3);
}

enum TTitleGlyph { tgNone, tgClose, tgMax, tgMin, tgRestore, tgHelp };

TShape Box(double l, double t, double r, double b) {
    return RoundRect(l, t, r, b, 0);
}

// A glyph drawn in a 9 x 9 box whose top-left corner is (x, y).
TShape GlyphShape(TTitleGlyph glyph, double x, double y, double scale) {
    auto P = [&](double px, double py) { return TPt{x + px * scale, y + py * scale}; };
    auto B = [&](double l, double t, double r, double b) {
        return Box(x + l * scale, y + t * scale, x + r * scale, y + b * scale);
    };
    switch (glyph) {
    case tgClose: {
        const double hw = 1.0 * scale;
        const TPt a = P(1, 1), b = P(8, 8), c = P(8, 1), d = P(1, 8);
        return Union(Capsule(a.X, a.Y, b.X, b.Y, hw), Capsule(c.X, c.Y, d.X, d.Y, hw));
    }
    case tgMax:
        return Minus(B(0, 0, 9, 9), B(1, 2, 8, 8));
    case tgMin:
        return B(1, 6.5, 8, 8.5);
    case tgRestore: {
        const TShape back = Minus(B(2.5, 0, 9, 6), B(3.5, 1.5, 8, 5));
        const TShape front = Minus(B(0, 3, 6.5, 9), B(1, 4.5, 5.5, 8));
        return Union(Minus(back, B(0, 3, 6.5, 9)), front);
    }
    case tgHelp: {
        const TPt c = P(4.5, 2.9);
        TShape ring = Minus(Ellipse(c.X, c.Y, 3.0 * scale, 2.7 * scale),
                            Ellipse(c.X, c.Y, 1.2 * scale, 1.0 * scale));
        const double cx = c.X, cy = c.Y;
        ring = Minus(ring, [=](double px, double py) { return px < cx && py > cy - 0.2 * scale; });
        const TPt s0 = P(5.6, 4.9), s1 = P(4.6, 6.0);
        const TPt dot = P(4.6, 8.2);
        return Union(Union(ring, Capsule(s0.X, s0.Y, s1.X, s1.Y, 0.85 * scale)),
                     Ellipse(dot.X, dot.Y, 0.95 * scale, 0.95 * scale));
    }
    case tgNone:
        break;
    }
    return [](double, double) { return false; };
}

TArtCell TitleButton(TTitleGlyph glyph, int state, int w, int h, double glyphScale) {
    TArtCell c(w, h);
    ButtonGlow(c, state, w > 18 ? 3 : 2.5);
    const double size = 9 * glyphScale;
    const double x = std::floor((w - size) / 2 + 0.5), y = std::floor((h - size) / 2 + 0.5);
    const TShape shape = GlyphShape(glyph, x, y, glyphScale);
    if (glyph == tgNone) return c;
    // A light emboss below the glyph keeps it readable on the darker lower half.
    c.Fill(Translate(shape, 0, 1), White, state == 2 ? 0.25 : 0.6);
    c.Fill(shape, state == 2 ? Rgb(40, 30, 20) : Ink);
    return c;
}

// Diagonal rows of raised dots in the bottom-right corner.
TArtCell Grip(int) {
    TArtCell c(12, 12);
    const int dots[][2] = {{9, 9}, {6, 9}, {3, 9}, {9, 6}, {6, 6}, {9, 3}};
    for (const auto& d : dots) {
        c.Fill(Box(d[0] + 1, d[1] + 1, d[0] + 3, d[1] + 3), White, 0.9);
        c.Fill(Box(d[0], d[1], d[0] + 2, d[1] + 2), BorderSoft);
    }
    return c;
}

// A column of raised dots for tool bars and drag bars.
TArtCell BarGrip(int) {
    TArtCell c(6, 16);
    for (int y = 2; y < 14; y += 3) {
        c.Fill(Box(2, y + 1, 4, y + 3), White, 0.9);
        c.Fill(Box(1, y, 3, y + 2), BorderSoft);
    }
    return c;
}

} // namespace

void AddFramePieces(std::vector<TArtPiece>& pieces) {
    pieces.push_back(Piece("FORM", 12, 12, 2, Frame));
    pieces.push_back(Piece("FORMTITLE", 21, 21, 2, Title));
    const std::pair<const char*, TTitleGlyph> icons[] = {
        {"BICONCLOSE", tgClose},  {"BICONMAX", tgMax},   {"BICONMIN", tgMin},
        {"BICONNORM", tgRestore}, {"BICONHELP", tgHelp}, {"TITLEBUTTON", tgNone}};
    for (const auto& [name, glyph] : icons)
        pieces.push_back(Piece(name, 23, 18, 3, [glyph = glyph](int s) {
            return TitleButton(glyph, s, 23, 18, 1.0);
        }));
    const std::pair<const char*, TTitleGlyph> small[] = {
        {"SMALLCLOSE", tgClose}, {"SMALLNORM", tgRestore}, {"SMALLMIN", tgMin}};
    for (const auto& [name, glyph] : small)
        pieces.push_back(Piece(name, 16, 16, 3, [glyph = glyph](int s) {
            return TitleButton(glyph, s, 16, 16, 7.0 / 9.0);
        }));
    pieces.push_back(Piece("GRIP", 12, 12, 1, Grip));
    pieces.push_back(Piece("BARGRIP", 6, 16, 1, BarGrip));
}
