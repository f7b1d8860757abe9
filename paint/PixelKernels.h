#pragma once
// The inner loops of the large blends, written for wide vector registers when
// the processor has them. Each kernel does the blocks it can do exactly and
// leaves the rest to the caller's plain loop, which stays the reference: the
// kernels must give the same bytes.

#include <algorithm>
#include <bit>
#include <cstdint>

#include "paint/Gradient.h"

namespace PixelKernels {

// Pixels in one run; a run is also the unit of the "left over" masks below.
constexpr int RunPixels = 32;
// Runs a kernel looks at in one call; callers cut longer rows into segments.
constexpr int SegmentRuns = 32;
constexpr int SegmentPixels = RunPixels * SegmentRuns;

// How a kernel mixes two bytes for BlendBitmapOnto at one alpha, found by
// checking candidates against the rounded reference over every byte pair.
struct TOntoFormula {
    enum TKind { None, HalfEven, MulRound } Kind = None;
    int16_t Weight = 0; // MulRound: the alpha in 1/32768ths
};

// Chooses the formula that gives Reference (indexed s * 256 + d) exactly, or None.
TOntoFormula FindOntoFormula(double alpha, const uint8_t* reference);

// The key colour repeated byte after byte, built once for a whole operation:
// the kernels read their compare registers straight from it.
struct TKeyRow {
    alignas(64) uint8_t Bytes[64 + 2];
    explicit TKeyRow(TsBGR key) {
        for (int i = 0; i < 64 + 2; ++i) Bytes[i] = i % 3 == 0 ? key.B : i % 3 == 1 ? key.G : key.R;
    }
};

// D = MixByMask(D, C, M) over Bytes bytes; returns how many leading bytes were done.
int MixRow(uint8_t* d, const uint8_t* c, const uint8_t* m, int bytes);

// D = S + floor((D - S) * T / 256) over Bytes bytes, T in 0 .. 255; returns
// how many leading bytes were done.
int WeighRow(uint8_t* d, const uint8_t* s, int bytes, int t);

// MixRow over up to SegmentPixels pixels, except that a block holding a pixel
// of the key colour in C is not touched. Left[run] gets a bit for every pixel
// the caller still has to do (those of a skipped block, and a tail the level
// cannot mask). Returns whether it left any; when not, Left may be unset.
bool MixRowExceptKey(uint8_t* d, const uint8_t* c, const uint8_t* m, int pixels, const TKeyRow& key,
                     uint32_t* left);

// BlendBitmapOnto's mix of up to SegmentPixels pixels of S into D, with the
// same Left masks and result; with a Key, blocks holding a pixel of that colour are left out.
bool OntoRow(uint8_t* d, const uint8_t* s, int pixels, const TOntoFormula& formula, const TKeyRow* key,
             uint32_t* left);

// The instruction sets the kernels are written for, narrowest first. The best
// one the processor has is used; tests step down through the others so that
// each is checked against the plain loops.
enum class TLevel { Plain, Avx2, Avx512 };
TLevel BestLevel();
// False, changing nothing, when the processor lacks Level.
bool UseLevel(TLevel level);

// Whether the current level does rows shorter than a run itself; otherwise
// they are not worth a call.
bool ShortRowsInVectors();

// Bits 0 .. count - 1.
inline uint32_t LowBits(int count) { return count >= 32 ? ~0u : (1u << count) - 1; }

// Runs Kernel(first, count, left) over a row of Pixels in segments, then
// Plain(first, count) for every stretch of pixels it left. Kernel returns
// whether it left any.
template <class TKernel, class TPlain> void BySegments(int pixels, TKernel&& kernel, TPlain&& plain) {
    if (pixels < RunPixels && !ShortRowsInVectors()) {
        if (pixels > 0) plain(0, pixels);
        return;
    }
    uint32_t left[SegmentRuns];
    int start = 0, end = 0; // the stretch not yet handed over; it may go on into the next run
    for (int first = 0; first < pixels; first += SegmentPixels) {
        const int count = std::min(SegmentPixels, pixels - first);
        if (!kernel(first, count, left)) continue;
        for (int r = 0; r * RunPixels < count; ++r) {
            int pos = first + r * RunPixels;
            for (uint32_t bits = left[r]; bits != 0;) {
                const int zeros = std::countr_zero(bits), ones = std::countr_one(bits >> zeros);
                pos += zeros;
                if (pos != end) {
                    if (end > start) plain(start, end - start);
                    start = pos;
                }
                end = pos += ones;
                bits = zeros + ones >= 32 ? 0 : bits >> (zeros + ones);
            }
        }
    }
    if (end > start) plain(start, end - start);
}

} // namespace PixelKernels
