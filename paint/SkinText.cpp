#include "paint/SkinText.h"

#include "framework/graphics/DrawText.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TCanvas.h"

namespace {

const char* const Ellipsis = "...";

void DrawAt(TCanvas& canvas, const std::string& text, const TRect& r, int dx, int dy,
            unsigned flags) {
    TRect moved = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
    canvas.DrawText(text, moved, flags);
}

// The disabled look: a highlight copy one pixel right and down under a
// shadow copy in place, so the caption reads as pressed into the surface.
void DrawEmbossed(TCanvas& canvas, const std::string& text, const TRect& d, unsigned flags) {
    canvas.Font()->SetColor(clBtnHighlight);
    DrawAt(canvas, text, d, 1, 1, flags);
    canvas.Font()->SetColor(clBtnShadow);
    DrawAt(canvas, text, d, 0, 0, flags);
}

void DrawContours(TCanvas& canvas, const std::string& text, const TRect& d, unsigned flags,
                  const TsTextColors& c) {
    struct TSide {
        TColor Color;
        int Dx, Dy;
    };
    const TSide sides[] = {{c.Left, -1, 0}, {c.Top, 0, -1}, {c.Right, 1, 0}, {c.Bottom, 0, 1}};
    for (const TSide& s : sides) {
        if (s.Color == clNoContour) continue;
        canvas.Font()->SetColor(s.Color);
        DrawAt(canvas, text, d, s.Dx, s.Dy, flags);
    }
    canvas.Font()->SetColor(c.Text);
}

// Drops the last UTF-8 character, continuation bytes and all.
void DropLastCharacter(std::string& s) {
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80)
        s.pop_back();
    if (!s.empty()) s.pop_back();
}

} // namespace

TRect FitTextRect(TCanvas& canvas, const std::string& text, unsigned flags, TRect& rect) {
    if (flags & DT_WORDBREAK) return rect;
    const TSize size = canvas.TextExtent(text);
    TRect d = rect;
    // Integer division truncates toward zero, so a text taller than the
    // rectangle moves both edges outward.
    const int dy = (rect.Height() - size.cy) / 2;
    d.Top += dy;
    d.Bottom -= dy;
    if (flags & DT_CENTER) {
        const int dx = (rect.Width() - size.cx) / 2;
        d.Left += dx;
        d.Right -= dx;
    } else if (flags & DT_RIGHT) {
        d.Left = d.Right - size.cx;
    } else {
        d.Right = d.Left + size.cx;
    }
    rect = {d.Left - 1, d.Top - 1, d.Right + 1, d.Bottom + 1};
    return d;
}

void WriteText(TCanvas& canvas, const std::string& text, const TsTextLook& look, unsigned flags,
               TRect& rect) {
    const TRect d = FitTextRect(canvas, text, flags, rect);
    canvas.Brush()->SetStyle(bsClear);
    if (text.empty()) return;
    if (!look.Enabled) return DrawEmbossed(canvas, text, d, flags);
    if (look.UseColors) DrawContours(canvas, text, d, flags, look.Colors);
    TRect main = d;
    canvas.DrawText(text, main, flags | DT_NOCLIP);
}

std::string CutText(TCanvas& canvas, const std::string& text, int maxWidth) {
    std::string result = maxWidth >= 1 ? text : std::string();
    if (result.empty() || canvas.TextWidth(result) <= maxWidth) return result;
    while (!result.empty() && canvas.TextWidth(result + Ellipsis) > maxWidth)
        DropLastCharacter(result);
    if (!result.empty()) result += Ellipsis;
    return result;
}
