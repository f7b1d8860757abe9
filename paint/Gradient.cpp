#include "paint/Gradient.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "framework/graphics/TBitmap.h"
#include "paint/PixelRow.h"

namespace {

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ';') {
            ++i;
            continue;
        }
        const size_t end = std::min(text.find(';', i), text.size());
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

// A signed decimal integer that fits 32 bits; leading blanks are allowed.
int32_t WordToInt(const std::string& word) {
    size_t i = 0;
    while (i < word.size() && word[i] == ' ')
        ++i;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    int64_t value = 0;
    const size_t digits = i;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = value * 10 + (word[i] - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) break;
    }
    if (negative) value = -value;
    if (i == digits || i != word.size() || value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max())
        throw EConvertError("'" + word + "' is not a valid integer value");
    return static_cast<int32_t>(value);
}

struct TChannelWalk {
    double B, G, R;
    double StepB, StepG, StepR;

    TChannelWalk(const TsGradPie& g, int n) {
        const TsBGR a = SplitColor(g.Color1), z = SplitColor(g.Color2);
        B = a.B, G = a.G, R = a.R;
        StepB = (double(z.B) - a.B) / n;
        StepG = (double(z.G) - a.G) / n;
        StepR = (double(z.R) - a.R) / n;
    }
    // Rounded to nearest, ties to even (the default rounding mode).
    TsBGR Current() const {
        return {static_cast<uint8_t>(std::lrint(B)), static_cast<uint8_t>(std::lrint(G)),
                static_cast<uint8_t>(std::lrint(R))};
    }
    void Advance() {
        B += StepB;
        G += StepG;
        R += StepR;
    }
};

// Walks the groups along [first, last] of a length L and calls Paint(pos, colour)
// for every position painted, shared positions painted again by the later group.
template <class F> void WalkGroups(const TsGradArray& data, int first, int last, F&& paint) {
    const int64_t length = int64_t{last} + 1 - first;
    int64_t e = first;
    for (size_t i = 0; i < data.size(); ++i) {
        const int64_t b = e;
        e = b + length * static_cast<int64_t>(data[i].Percent) / 100;
        if (i + 1 == data.size())
            e = last;
        else
            e = std::min<int64_t>(e, last);
        const int64_t n = e - b;
        if (n < 1) continue;
        TChannelWalk walk(data[i], static_cast<int>(n));
        for (int64_t pos = b; pos <= e; ++pos) {
            paint(static_cast<int>(pos), walk.Current());
            walk.Advance();
        }
    }
}

} // namespace

void ParseGradientData(const std::string& text, TsGradArray& data) {
    data.clear();
    if (text.empty()) return;
    const std::vector<std::string> words = SplitWords(text);
    data.assign(words.size() / 5, TsGradPie{});
    for (size_t i = 0; i < data.size(); ++i) {
        data[i].Color1 = WordToInt(words[5 * i]);
        data[i].Color2 = WordToInt(words[5 * i + 1]);
        data[i].Percent = static_cast<uint8_t>(std::min(100, WordToInt(words[5 * i + 2])));
        data[i].Mode = WordToInt(words[5 * i + 3]);
    }
}

TsGradArray ParseGradientData(const std::string& text) {
    TsGradArray data;
    ParseGradientData(text, data);
    return data;
}

void FillGradient(TBitmap* bitmap, TRect rect, const TsGradArray& data) {
    if (!bitmap || data.empty()) return;
    rect.Right = std::min(rect.Right, bitmap->Width());
    rect.Bottom = std::min(rect.Bottom, bitmap->Height());
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    // An empty clipped rectangle would let the walk leave it; there is nothing to paint.
    if (rect.IsEmpty()) return;
    // The walk is in logical pixels; each of its pixels is a block of device ones.
    const int s = bitmap->Scale();
    const int width = rect.Width() * s, left = rect.Left * s;
    if (data[0].Mode == gmVertical) {
        WalkGroups(data, rect.Top, rect.Bottom - 1, [&](int y, TsBGR c) {
            for (int row = y * s; row < (y + 1) * s; ++row)
                FillRow(bitmap->ScanLine(row) + left * 3, width, c);
        });
    } else if (data[0].Mode == gmHorizontal) {
        // Every row walks the same way, so walk once and copy the row down.
        // A walk paints either the whole row or, one column wide, nothing.
        uint8_t* first = bitmap->ScanLine(rect.Top * s) + left * 3;
        bool painted = false;
        WalkGroups(data, rect.Left, rect.Right - 1, [&](int x, TsBGR c) {
            FillRow(first + (x - rect.Left) * s * 3, s, c);
            painted = true;
        });
        if (!painted) return;
        for (int y = rect.Top * s + 1; y < rect.Bottom * s; ++y)
            std::memcpy(bitmap->ScanLine(y) + left * 3, first, static_cast<size_t>(width) * 3);
    }
}
