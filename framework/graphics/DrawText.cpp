#include "graphics/DrawText.h"

#include <algorithm>

#include "component/Utf8.h"
#include "graphics/Graphics.h"
#include "graphics/TCanvas.h"
#include "graphics/TGlyphCache.h"

namespace {

struct TChar {
    char32_t Ch;
    bool Underline;
};
using TParagraph = std::vector<TChar>;

bool IsSpace(char32_t c) {
    return c == U' ' || c == U'\t';
}

int TabWidth(TGlyphCache& glyphs) {
    return std::max(1, 8 * glyphs.Metrics().AveCharWidth);
}

// Advance of c at pen position x from the line's start.
int AdvanceAt(TGlyphCache& glyphs, char32_t c, int x, unsigned flags) {
    if (c == U'\t' && (flags & DT_EXPANDTABS)) {
        int tab = TabWidth(glyphs);
        return (x / tab + 1) * tab - x;
    }
    return glyphs.Advance(c);
}

std::vector<TParagraph> SplitParagraphs(std::u32string_view text, unsigned flags) {
    std::vector<TParagraph> out(1);
    bool prefixes = !(flags & DT_NOPREFIX);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            if (flags & DT_SINGLELINE) continue;
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            out.emplace_back();
            continue;
        }
        if (prefixes && c == U'&') {
            if (i + 1 >= text.size()) break; // a lone prefix at the end shows nothing
            char32_t next = text[++i];
            if (next == U'&') {
                out.back().push_back({U'&', false});
                continue;
            }
            if (next == U'\r' || next == U'\n') {
                --i;
                continue;
            }
            out.back().push_back({next, !(flags & DT_HIDEPREFIX)});
            continue;
        }
        out.back().push_back({c, false});
    }
    return out;
}

TTextLine MakeLine(TGlyphCache& glyphs, const TParagraph& p, size_t from, size_t to,
                   unsigned flags) {
    TTextLine line;
    for (size_t i = from; i < to; ++i) {
        if (p[i].Underline) line.Underline = static_cast<int>(line.Text.size());
        line.Text.push_back(p[i].Ch);
    }
    line.Width = LineWidth(glyphs, line.Text, flags);
    return line;
}

void WrapParagraph(TGlyphCache& glyphs, const TParagraph& p, int width, unsigned flags,
                   std::vector<TTextLine>& out) {
    size_t start = 0;
    do {
        int x = 0;
        size_t end = p.size(), next = p.size();
        size_t lastBreak = SIZE_MAX; // first space after the latest word
        for (size_t j = start; j < p.size(); ++j) {
            char32_t c = p[j].Ch;
            if (IsSpace(c) && j > start && !IsSpace(p[j - 1].Ch)) lastBreak = j;
            int w = AdvanceAt(glyphs, c, x, flags);
            if (x + w > width && j > start) {
                size_t cut = IsSpace(c) ? j : lastBreak;
                if (cut == SIZE_MAX) {
                    // One word wider than the line: it stays whole.
                    cut = j;
                    while (cut < p.size() && !IsSpace(p[cut].Ch))
                        ++cut;
                }
                end = cut;
                next = cut;
                while (next < p.size() && IsSpace(p[next].Ch))
                    ++next;
                // Trailing spaces before the cut do not count.
                while (end > start && IsSpace(p[end - 1].Ch))
                    --end;
                break;
            }
            x += w;
        }
        out.push_back(MakeLine(glyphs, p, start, end, flags));
        start = next;
    } while (start < p.size());
}

void EndEllipsis(TGlyphCache& glyphs, TTextLine& line, int width, unsigned flags) {
    if (line.Width <= width) return;
    const std::u32string dots = U"...";
    int dotsWidth = glyphs.TextWidth(dots);
    while (!line.Text.empty() && LineWidth(glyphs, line.Text, flags) + dotsWidth > width)
        line.Text.pop_back();
    if (line.Underline >= static_cast<int>(line.Text.size())) line.Underline = -1;
    line.Text += dots;
    line.Width = LineWidth(glyphs, line.Text, flags);
}

} // namespace

int LineWidth(TGlyphCache& glyphs, std::u32string_view text, unsigned flags) {
    int x = 0;
    for (char32_t c : text)
        x += AdvanceAt(glyphs, c, x, flags);
    return x;
}

std::vector<TTextLine> LayoutText(TGlyphCache& glyphs, std::u32string_view text, int width,
                                  unsigned flags) {
    std::vector<TTextLine> lines;
    bool wrap = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE);
    for (const TParagraph& p : SplitParagraphs(text, flags)) {
        if (wrap && !p.empty())
            WrapParagraph(glyphs, p, width, flags, lines);
        else
            lines.push_back(MakeLine(glyphs, p, 0, p.size(), flags));
    }
    if (flags & DT_END_ELLIPSIS)
        for (TTextLine& line : lines)
            EndEllipsis(glyphs, line, width, flags);
    return lines;
}

namespace {

// Draws one laid-out line with its left at x; tabs split it into runs.
void DrawLine(TCanvas& canvas, const TTextLine& line, int x, int y, unsigned flags,
              const TRect* clip) {
    TGlyphCache& glyphs = canvas.Glyphs();
    size_t runStart = 0;
    int pen = 0;
    for (size_t i = 0; i <= line.Text.size(); ++i) {
        bool tab = i < line.Text.size() && line.Text[i] == U'\t' && (flags & DT_EXPANDTABS);
        if (!tab && i < line.Text.size()) continue;
        std::u32string_view run(line.Text.data() + runStart, i - runStart);
        canvas.DrawTextRun(x + pen, y, run, clip);
        pen += glyphs.TextWidth(run);
        if (tab) pen += AdvanceAt(glyphs, U'\t', pen, flags);
        runStart = i + 1;
    }
    if (line.Underline >= 0) {
        size_t u = static_cast<size_t>(line.Underline);
        int before = LineWidth(glyphs, std::u32string_view(line.Text).substr(0, u), flags);
        const TFontMetrics& m = glyphs.Metrics();
        canvas.DrawTextLine(x + before, y + m.Ascent + m.UnderlineOffset,
                            glyphs.Advance(line.Text[u]), 1, clip);
    }
}

} // namespace

namespace {
int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}
} // namespace

int DrawTextUtf8(TCanvas& canvas, const std::string& text, TRect& rect, unsigned flags) {
    if (text.empty()) {
        if (flags & DT_CALCRECT) rect = {rect.Left, rect.Top, rect.Left, rect.Top};
        return 0;
    }
    TGlyphCache& glyphs = canvas.Glyphs();
    const int lineHeight = glyphs.Metrics().Height;
    const int width = ClampToInt(static_cast<long long>(rect.Right) - rect.Left);
    std::vector<TTextLine> lines = LayoutText(glyphs, Utf8Decode(text), width, flags);
    const int height =
        ClampToInt(static_cast<long long>(lineHeight) * static_cast<long long>(lines.size()));
    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const TTextLine& l : lines)
            widest = std::max(widest, l.Width);
        rect.Right = ClampToInt(static_cast<long long>(rect.Left) + widest);
        rect.Bottom = ClampToInt(static_cast<long long>(rect.Top) + height);
        return height;
    }
    long long y = rect.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            y = rect.Top + (static_cast<long long>(rect.Bottom) - rect.Top - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            y = static_cast<long long>(rect.Bottom) - lineHeight;
    }
    const TRect* clip = (flags & DT_NOCLIP) ? nullptr : &rect;
    bool opaque = canvas.Brush()->Style() != bsClear;
    for (const TTextLine& line : lines) {
        long long x = rect.Left;
        if (flags & DT_CENTER)
            x = (static_cast<long long>(rect.Left) + rect.Right - line.Width) / 2;
        else if (flags & DT_RIGHT)
            x = static_cast<long long>(rect.Right) - line.Width;
        if (x < INT32_MIN / 2 || x > INT32_MAX / 2 || y < INT32_MIN / 2 || y > INT32_MAX / 2) break;
        if (opaque) {
            TRect back{static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + line.Width),
                       static_cast<int>(y + lineHeight)};
            if (clip) back = back.Intersect(*clip);
            canvas.FillRect(back);
        }
        DrawLine(canvas, line, static_cast<int>(x), static_cast<int>(y), flags, clip);
        y += lineHeight;
    }
    if ((flags & DT_SINGLELINE) && (flags & (DT_VCENTER | DT_BOTTOM)))
        return ClampToInt(y - rect.Top);
    return height;
}

int DrawControlText(TCanvas& canvas, const std::string& text, TRect r, unsigned flags,
                    bool enabled) {
    canvas.Brush()->SetStyle(bsClear);
    if (enabled) return canvas.DrawText(text, r, flags);
    TColor saved = canvas.Font()->Color();
    TRect shifted = r.Offset(1, 1);
    canvas.Font()->SetColor(clBtnHighlight);
    canvas.DrawText(text, shifted, flags);
    canvas.Font()->SetColor(clBtnShadow);
    int h = canvas.DrawText(text, r, flags);
    canvas.Font()->SetColor(saved);
    return h;
}
