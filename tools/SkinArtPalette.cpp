#include "tools/SkinArtPalette.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "tools/SkinArtCanvas.h"

namespace {

struct TEntry {
    uint32_t Color;
    int64_t Count;
};

int Channel(uint32_t c, int ch) {
    return int((c >> (8 * ch)) & 0xFF);
}

struct TBox {
    std::vector<TEntry> Entries;
    int Range(int ch) const {
        int lo = 255, hi = 0;
        for (const TEntry& e : Entries)
            lo = std::min(lo, Channel(e.Color, ch)), hi = std::max(hi, Channel(e.Color, ch));
        return hi - lo;
    }
    int LongestChannel() const {
        int best = 0;
        for (int ch = 1; ch < 3; ++ch)
            if (Range(ch) > Range(best)) best = ch;
        return best;
    }
    int64_t Weight() const {
        int64_t w = 0;
        for (const TEntry& e : Entries)
            w += e.Count;
        return w;
    }
    uint32_t Mean() const {
        int64_t sum[3] = {0, 0, 0};
        const int64_t w = Weight();
        for (const TEntry& e : Entries)
            for (int ch = 0; ch < 3; ++ch)
                sum[ch] += Channel(e.Color, ch) * e.Count;
        uint32_t c = 0;
        for (int ch = 0; ch < 3; ++ch)
            c |= uint32_t((sum[ch] + w / 2) / w) << (8 * ch);
        return c;
    }
};

// Splits the box whose longest side, weighted by the fourth root of its pixel
// count, is greatest: smooth areas get fine steps, and the rare colours of
// smoothed edges still get entries near them.
bool SplitOnce(std::vector<TBox>& boxes) {
    int best = -1;
    double bestScore = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].Entries.size() < 2) continue;
        const double score = boxes[i].Range(boxes[i].LongestChannel()) *
                             std::sqrt(std::sqrt(double(boxes[i].Weight())));
        if (score > bestScore) bestScore = score, best = int(i);
    }
    if (best < 0) return false;
    TBox& box = boxes[best];
    const int ch = box.LongestChannel();
    std::stable_sort(box.Entries.begin(), box.Entries.end(),
                     [ch](const TEntry& a, const TEntry& b) {
                         return Channel(a.Color, ch) < Channel(b.Color, ch);
                     });
    const int64_t half = box.Weight() / 2;
    int64_t run = 0;
    size_t cut = 1;
    for (; cut < box.Entries.size() - 1; ++cut) {
        run += box.Entries[cut - 1].Count;
        if (run >= half) break;
    }
    TBox upper;
    upper.Entries.assign(box.Entries.begin() + long(cut), box.Entries.end());
    box.Entries.resize(cut);
    boxes.push_back(std::move(upper));
    return true;
}

int Distance(uint32_t a, uint32_t b) {
    int d = 0;
    for (int ch = 0; ch < 3; ++ch) {
        const int v = Channel(a, ch) - Channel(b, ch);
        d += v * v;
    }
    return d;
}

uint32_t Nearest(uint32_t c, const std::vector<uint32_t>& palette) {
    uint32_t best = 0;
    int bestDistance = 1 << 30;
    for (uint32_t p : palette)
        if (p != 0xFF00FF && Distance(c, p) < bestDistance) best = p, bestDistance = Distance(c, p);
    return best;
}

// A few rounds of moving each chosen colour to the weighted mean of the
// colours nearest to it; the reserved colours stay where they are.
void Refine(std::vector<uint32_t>& palette, size_t firstFree,
            const std::map<uint32_t, int64_t>& counts) {
    for (int round = 0; round < 8; ++round) {
        std::map<uint32_t, TBox> groups;
        for (const auto& [c, n] : counts)
            groups[Nearest(c, palette)].Entries.push_back({c, n});
        for (size_t i = firstFree; i < palette.size(); ++i) {
            const auto g = groups.find(palette[i]);
            if (g != groups.end()) palette[i] = g->second.Mean();
        }
    }
}

} // namespace

TPaletteResult ReduceToPalette(TPixels& pixels, int size) {
    std::set<uint32_t> fixed = {0xFF00FF};
    for (int level = 0; level < AlphaLevels; ++level)
        fixed.insert(uint32_t(QuantizeAlpha(double(level) / (AlphaLevels - 1))) * 0x010101);

    std::map<uint32_t, int64_t> counts;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const uint32_t c = pixels.Pixel(x, y);
            if (!fixed.count(c)) ++counts[c];
        }

    std::vector<uint32_t> palette(fixed.begin(), fixed.end());
    const int budget = size - int(palette.size());
    std::map<uint32_t, uint32_t> mapping;
    if (int(counts.size()) <= budget) {
        for (const auto& [c, n] : counts)
            mapping[c] = c, palette.push_back(c);
    } else {
        std::vector<TBox> boxes(1);
        for (const auto& [c, n] : counts)
            boxes[0].Entries.push_back({c, n});
        while (int(boxes.size()) < budget && SplitOnce(boxes)) {
        }
        const size_t firstFree = palette.size();
        for (const TBox& b : boxes)
            palette.push_back(b.Mean());
        Refine(palette, firstFree, counts);
        for (const auto& [c, n] : counts)
            mapping[c] = Nearest(c, palette);
    }

    TPaletteResult result;
    result.SourceColors = int(counts.size() + fixed.size());
    std::set<uint32_t> used;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const uint32_t c = pixels.Pixel(x, y);
            const auto it = mapping.find(c);
            const uint32_t to = it == mapping.end() ? c : it->second;
            for (int ch = 0; ch < 3; ++ch)
                result.MaxError =
                    std::max(result.MaxError, std::abs(Channel(c, ch) - Channel(to, ch)));
            pixels.SetPixel(x, y, to);
            used.insert(to);
        }
    result.Colors = int(used.size());
    return result;
}
