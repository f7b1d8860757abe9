#pragma once
// The inner loops of the large blends, written for wide vector registers when
// the processor has them. Each kernel does the blocks it can do exactly and
// leaves the rest to the caller's plain loop, which stays the reference: the
// kernels must give the same bytes.

#include <cstddef>
#include <cstdint>

#include "paint/Gradient.h"
#include "paint/PixelRow.h"

namespace PixelKernels {

// Pixels in one run, the unit of the kernels' masks of pixels left over.
constexpr int RunPixels = 32;
// Runs a kernel looks at in one go; longer rows are cut into segments.
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

// A colour repeated byte after byte, built once for a whole operation: the
// kernels read their registers of it straight from here, at any phase.
struct TColorRow {
    alignas(64) uint8_t Bytes[64 + 2];
    explicit TColorRow(TsBGR c) { FillRow(Bytes, sizeof Bytes / 3, c); }
};

// D = MixByMask(D, C, M) over Bytes bytes of a row starting with a pixel;
// returns how many leading bytes were done.
int MixColorRow(uint8_t* d, const TColorRow& c, const uint8_t* m, int bytes);

// D = S + floor((D - S) * T / 256) over Bytes bytes, T in 0 .. 255; returns
// how many leading bytes were done.
int WeighRow(uint8_t* d, const uint8_t* s, int bytes, int t);

// The rows a keyed blend runs over: D changes; A holds the picture whose key
// pixels are left out; B is a third stream (or A again where there is none).
struct TRows {
    uint8_t* D;
    ptrdiff_t DStride;
    const uint8_t* A;
    ptrdiff_t AStride;
    const uint8_t* B;
    ptrdiff_t BStride;
    int Pixels, Count;
};

// The caller's plain loop, for every stretch of pixels a kernel left: a
// block holding a key pixel, and what a level cannot do in vectors.
struct TLeft {
    void (*Fn)(void* context, int row, int first, int count);
    void* Context;
    void operator()(int row, int first, int count) const { Fn(Context, row, first, count); }
};
// TLeft calling F(row, first, count); F must outlive it.
template <class F> TLeft LeftTo(F& f) {
    return {
        [](void* c, int row, int first, int count) { (*static_cast<F*>(c))(row, first, count); },
        &f};
}

// D = MixByMask(D, A, B) over every row, except the blocks holding a pixel of the key colour in A.
void MixRowsExceptKey(const TRows& rows, const TColorRow& key, TLeft plain);

// BlendBitmapOnto's mix of A into D; with a Key, blocks holding a pixel of
// that colour are left out.
void OntoRows(const TRows& rows, const TOntoFormula& formula, const TColorRow* key, TLeft plain);

// The instruction sets the kernels are written for, narrowest first. The best
// one the processor has is used; tests step down through the others so that
// each is checked against the plain loops.
enum class TLevel { Plain, Avx2, Avx512 };
TLevel BestLevel();
// False, changing nothing, when the processor lacks Level.
bool UseLevel(TLevel level);

} // namespace PixelKernels
