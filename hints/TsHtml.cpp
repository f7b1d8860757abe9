#include "hints/TsHtml.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "framework/component/SysUtils.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFont.h"

namespace {

// What the walk reports when it stops at a tag that never closes.
constexpr TRect kUnfinished{0, 0, 100, 0};
// Lines are this far apart beyond the taller text of the upper one.
constexpr int kLineGap = 2;
// A text's SIZE words can ask for anything; glyphs beyond this size would
// only cost memory, and a size below one point draws nothing.
constexpr int64_t kMinFontSize = 1;
constexpr int64_t kMaxFontSize = 144;

struct TNamedColor {
    std::string_view Name;
    uint32_t Value;
};
constexpr std::array<TNamedColor, 16> kNamedColors{{{"AQUA", 0xFFFF00},
                                                    {"BLACK", 0},
                                                    {"BLUE", 0xFF0000},
                                                    {"FUCHSIA", 0xFF00FF},
                                                    {"GRAY", 0x808080},
                                                    {"GREEN", 0x008000},
                                                    {"LIME", 0x00FF00},
                                                    {"MAROON", 0x000080},
                                                    {"NAVY", 0x800000},
                                                    {"OLIVE", 0x008080},
                                                    {"PURPLE", 0x800080},
                                                    {"RED", 0x0000FF},
                                                    {"SILVER", 0xC0C0C0},
                                                    {"TEAL", 0x808000},
                                                    {"WHITE", 0xFFFFFF},
                                                    {"YELLOW", 0x00FFFF}}};

std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

TColor HexColor(std::string_view digits) {
    uint32_t value = 0;
    for (char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0) return -1;
        value = (value << 4) | static_cast<uint32_t>(d);
    }
    return static_cast<TColor>(value);
}

std::vector<std::string> Words(const std::string& tag) {
    std::vector<std::string> words;
    std::string word;
    for (char c : tag) {
        if (c == ' ' || c == '"' || c == '=' || c == '<' || c == '>' || c == '\r' || c == '\n') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

} // namespace

TsHtml::TsHtml() = default;
TsHtml::~TsHtml() = default;

void TsHtml::Prepare(TBitmap* bitmap, const std::string& text, TRect area) {
    FBitmap = bitmap;
    FText = text;
    FUpper = UpperAscii(text);
    FArea = area;
    FX = area.Left;
    FY = area.Top;
    FLineWidth = FLineHeight = FWidest = FHeight = 0;
    FFontStack.clear();
}

void TsHtml::Render(TRect& out, bool draw) {
    out = kUnfinished;
    if (!FBitmap) return;
    FDraw = draw;
    FBitmap->Canvas()->Brush()->SetStyle(bsClear);
    const size_t n = FText.size();
    size_t runStart = 0;
    for (size_t i = 0; i < n; ++i) {
        if (FText[i] != '<') continue;
        DrawRun(runStart, i);
        if (i + 1 < n && FText[i + 1] == '<') {
            // The second "<" starts the next run, so "<<" puts out one "<".
            runStart = ++i;
            continue;
        }
        const size_t close = FUpper.find('>', i + 1);
        if (close == std::string::npos) return;
        ApplyTag(FUpper.substr(i, close - i + 1));
        runStart = close + 1;
        i = close;
    }
    DrawRun(runStart, n);
    FWidest = std::max(FWidest, FLineWidth);
    FHeight = FY + FLineHeight;
    out = TRect{0, 0, FWidest, FHeight};
}

void TsHtml::DrawRun(size_t from, size_t to) {
    std::string run;
    for (size_t i = from; i < to && i < FText.size(); ++i)
        if (FText[i] != '\r' && FText[i] != '\n') run += FText[i];
    if (run.empty()) return;
    TCanvas* canvas = FBitmap->Canvas();
    if (FDraw) canvas->TextOut(FX, FY, run);
    FX += canvas->TextWidth(run);
    FLineWidth = FX;
    FLineHeight = std::max(FLineHeight, canvas->TextHeight("X"));
}

void TsHtml::NewLine() {
    FY += FLineHeight + kLineGap;
    FWidest = std::max(FWidest, FLineWidth);
    FLineWidth = FLineHeight = 0;
    FX = FArea.Left;
}

void TsHtml::ApplyTag(const std::string& tag) {
    TFont* font = FBitmap->Canvas()->Font();
    const std::string_view body = std::string_view(tag).substr(1);
    if (StartsWith(body, "/")) {
        const std::string_view name = body.substr(1);
        if (StartsWith(name, "B"))
            font->SetStyle(font->Style() & ~fsBold);
        else if (StartsWith(name, "I"))
            font->SetStyle(font->Style() & ~fsItalic);
        else if (StartsWith(name, "FONT"))
            PopFont();
    } else if (StartsWith(body, "BR")) {
        NewLine();
    } else if (StartsWith(body, "B")) {
        font->SetStyle(font->Style() | fsBold);
    } else if (StartsWith(body, "I")) {
        font->SetStyle(font->Style() | fsItalic);
    } else if (StartsWith(body, "P")) {
        // ALIGN is accepted but the text stays where the line starts.
        NewLine();
    } else if (StartsWith(body, "FONT")) {
        PushFont(tag);
    }
}

void TsHtml::PushFont(const std::string& tag) {
    TFont* font = FBitmap->Canvas()->Font();
    FFontStack.push_back(std::make_unique<TFont>(*font));
    const std::vector<std::string> words = Words(tag);
    for (size_t k = 0; k < words.size(); ++k) {
        const bool hasValue = k + 1 < words.size();
        if (words[k] == "SIZE" && hasValue)
            ApplySize(words[k + 1]);
        else if (words[k] == "COLOR" && hasValue)
            font->SetColor(ParseColor(words[k + 1]));
        else if (words[k] == "FACE")
            ApplyFace(tag);
    }
}

void TsHtml::PopFont() {
    if (FFontStack.empty()) return;
    FBitmap->Canvas()->SetFont(*FFontStack.back());
    FFontStack.pop_back();
}

void TsHtml::ApplySize(const std::string& value) {
    TFont* font = FBitmap->Canvas()->Font();
    int64_t size = font->Size();
    if (StartsWith(value, "-"))
        size -= StrToInt(std::string_view(value).substr(1));
    else if (StartsWith(value, "+"))
        size += StrToInt(std::string_view(value).substr(1));
    else
        size = StrToInt(value);
    font->SetSize(static_cast<int>(std::clamp(size, kMinFontSize, kMaxFontSize)));
}

void TsHtml::ApplyFace(const std::string& tag) {
    const size_t at = tag.find("FACE");
    const size_t open = tag.find('"', at);
    if (at == std::string::npos || open == std::string::npos) return;
    const size_t close = tag.find('"', open + 1);
    if (close == std::string::npos || close == open + 1) return;
    FBitmap->Canvas()->Font()->SetName(tag.substr(open + 1, close - open - 1));
}

TColor TsHtml::ParseColor(const std::string& upperWord) {
    if (StartsWith(upperWord, "#")) return HexColor(std::string_view(upperWord).substr(1));
    for (const TNamedColor& c : kNamedColors)
        if (c.Name == upperWord) return static_cast<TColor>(c.Value);
    return HexColor(upperWord);
}
