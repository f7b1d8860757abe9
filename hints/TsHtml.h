#pragma once
// The renderer of hint texts with a few HTML-like tags: bold, italic, line
// breaks, paragraphs and fonts (size, colour, face). One renderer serves one
// text on one bitmap: Prepare, then Render walks the text once, drawing each
// run with the canvas's current font, and reports the size the text took.
// Tags are read from an upper-case copy, so they are case-insensitive.

#include <memory>
#include <string>
#include <vector>

#include "platform/Types.h"

class TBitmap;
class TFont;

class TsHtml {
public:
    TsHtml();
    ~TsHtml();
    TsHtml(const TsHtml&) = delete;
    TsHtml& operator=(const TsHtml&) = delete;

    void Prepare(TBitmap* bitmap, const std::string& text, TRect area);
    // Walks the text; Out becomes (0, 0, widest, height). A "<" with no ">"
    // after it ends the walk with Out left at (0, 0, 100, 0). A SIZE that is
    // not a number raises EConvertError. Without Draw only measures.
    void Render(TRect& out, bool draw = true);

    // The colour of a FONT tag's COLOR word: "#" and hex digits, a colour
    // name, or hex digits; -1 for a word with anything else in it.
    static TColor ParseColor(const std::string& upperWord);

private:
    void DrawRun(size_t from, size_t to);
    void NewLine();
    void ApplyTag(const std::string& tag);
    void PushFont(const std::string& tag);
    void PopFont();
    void ApplySize(const std::string& value);
    void ApplyFace(const std::string& tag);

    TBitmap* FBitmap = nullptr;
    std::string FText;
    std::string FUpper;
    TRect FArea;
    bool FDraw = true;
    int FX = 0, FY = 0;
    int FLineWidth = 0;
    int FLineHeight = 0;
    int FWidest = 0;
    int FHeight = 0;
    std::vector<std::unique_ptr<TFont>> FFontStack;
};
