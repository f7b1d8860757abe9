#include "paint/PixelKernels.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUELM_X86_KERNELS 1
#endif

namespace PixelKernels {

namespace {

// The two candidate mixes, byte by byte, exactly as the vector code computes them.
uint8_t HalfEven(int s, int d) {
    const int avg = (s + d + 1) >> 1;
    return static_cast<uint8_t>(avg - ((s ^ d) & avg & 1));
}
// Outside 0 .. 255 it gives -1, which no reference byte equals.
int MulRound(int s, int d, int weight) {
    const int r = s - ((((s - d) * weight >> 14) + 1) >> 1);
    return r >= 0 && r <= 255 ? r : -1;
}

bool Matches(const uint8_t* reference, auto&& formula) {
    for (int s = 0; s < 256; ++s)
        for (int d = 0; d < 256; ++d)
            if (formula(s, d) != reference[s * 256 + d]) return false;
    return true;
}

// Bits 0 .. count - 1.
uint32_t LowBits(int count) {
    return count >= 32 ? ~0u : (1u << count) - 1;
}

// Hands every stretch of set bits in Left, the masks of a segment of Count
// pixels from pixel First of row Row, to the caller's plain loop.
[[gnu::noinline]] void HandLeft(const uint32_t* left, int count, int row, int first, TLeft plain) {
    int start = 0, end = 0; // the stretch not yet handed over; it may go on into the next run
    for (int r = 0; r * RunPixels < count; ++r) {
        int pos = r * RunPixels;
        for (uint32_t bits = left[r]; bits != 0;) {
            const int zeros = std::countr_zero(bits), ones = std::countr_one(bits >> zeros);
            pos += zeros;
            if (pos != end) {
                if (end > start) plain(row, first + start, end - start);
                start = pos;
            }
            end = pos += ones;
            bits = zeros + ones >= 32 ? 0 : bits >> (zeros + ones);
        }
    }
    if (end > start) plain(row, first + start, end - start);
}

} // namespace

// The level with no vector code: every pixel is left to the caller.
namespace Plain {
bool LeaveAll(int pixels, uint32_t* left) {
    for (int r = 0; r * RunPixels < pixels; ++r)
        left[r] = LowBits(pixels - r * RunPixels);
    return pixels > 0;
}
int MixColorRow(uint8_t*, const TColorRow&, const uint8_t*, int) {
    return 0;
}
int WeighRow(uint8_t*, const uint8_t*, int, int) {
    return 0;
}
bool MixRowExceptKey(uint8_t*, const uint8_t*, const uint8_t*, int pixels, const TColorRow&,
                     uint32_t* left) {
    return LeaveAll(pixels, left);
}
bool OntoRow(uint8_t*, const uint8_t*, int pixels, const TOntoFormula&, const TColorRow*,
             uint32_t* left) {
    return LeaveAll(pixels, left);
}
void AllLeft(const TRows& rows, TLeft plain) {
    if (rows.Pixels > 0)
        for (int y = 0; y < rows.Count; ++y)
            plain(y, 0, rows.Pixels);
}
void MixRowsExceptKey(const TRows& rows, const TColorRow&, TLeft plain) {
    AllLeft(rows, plain);
}
void OntoRows(const TRows& rows, const TOntoFormula&, const TColorRow*, TLeft plain) {
    AllLeft(rows, plain);
}
} // namespace Plain

#ifdef QUELM_X86_KERNELS

namespace Avx2 {
#define KERNEL [[gnu::target("avx2")]]
namespace Lower = Plain;
using Vec = __m256i;
constexpr int Width = 32;
constexpr bool PartLoads = false;
KERNEL inline Vec LoadPart(const uint8_t*, int, int) {
    return Vec{};
}
KERNEL inline void StorePart(uint8_t*, int, int, Vec) {}
KERNEL inline Vec Load(const uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const Vec*>(p));
}
KERNEL inline void Store(uint8_t* p, Vec v) {
    _mm256_storeu_si256(reinterpret_cast<Vec*>(p), v);
}
KERNEL inline Vec And(Vec a, Vec b) {
    return _mm256_and_si256(a, b);
}
KERNEL inline Vec Or(Vec a, Vec b) {
    return _mm256_or_si256(a, b);
}
KERNEL inline Vec Xor(Vec a, Vec b) {
    return _mm256_xor_si256(a, b);
}
KERNEL inline Vec Set8(char v) {
    return _mm256_set1_epi8(v);
}
KERNEL inline Vec Set16(short v) {
    return _mm256_set1_epi16(v);
}
KERNEL inline Vec Add16(Vec a, Vec b) {
    return _mm256_add_epi16(a, b);
}
KERNEL inline Vec Sub16(Vec a, Vec b) {
    return _mm256_sub_epi16(a, b);
}
KERNEL inline Vec XorAnd(Vec a, Vec b, Vec c) {
    return _mm256_and_si256(_mm256_xor_si256(a, b), c);
}
KERNEL inline Vec Not(Vec a) {
    return _mm256_xor_si256(a, _mm256_set1_epi8(-1));
}
KERNEL inline Vec MaddUbs(Vec a, Vec b) {
    return _mm256_maddubs_epi16(a, b);
}
KERNEL inline Vec MulHi16(Vec a, Vec b) {
    return _mm256_mulhi_epi16(a, b);
}
KERNEL inline Vec MulHrs16(Vec a, Vec b) {
    return _mm256_mulhrs_epi16(a, b);
}
KERNEL inline Vec Down8(Vec v) {
    return _mm256_srli_epi16(v, 8);
}
KERNEL inline Vec Up8(Vec v) {
    return _mm256_slli_epi16(v, 8);
}
KERNEL inline Vec Up7(Vec v) {
    return _mm256_slli_epi16(v, 7);
}
KERNEL inline Vec Avg8(Vec a, Vec b) {
    return _mm256_avg_epu8(a, b);
}
KERNEL inline Vec Sub8(Vec a, Vec b) {
    return _mm256_sub_epi8(a, b);
}
KERNEL inline uint64_t EqBits(Vec a, Vec b) {
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(a, b)));
}
#include "paint/PixelKernelsBody.inc"
#undef KERNEL
} // namespace Avx2

namespace Avx512 {
#define KERNEL [[gnu::target("avx512bw")]]
namespace Lower = Avx2;
using Vec = __m512i;
constexpr int Width = 64;
constexpr bool PartLoads = true;
// Masked-off bytes are neither read nor written, so a part may end anywhere.
KERNEL inline __mmask64 FirstBytes(int n) {
    return n <= 0 ? 0 : n >= 64 ? ~0ull : (1ull << n) - 1;
}
KERNEL inline Vec LoadPart(const uint8_t* p, int offset, int n) {
    return n > 0 ? _mm512_maskz_loadu_epi8(FirstBytes(n), p + offset) : _mm512_setzero_si512();
}
KERNEL inline void StorePart(uint8_t* p, int offset, int n, Vec v) {
    if (n > 0) _mm512_mask_storeu_epi8(p + offset, FirstBytes(n), v);
}
KERNEL inline Vec Load(const uint8_t* p) {
    return _mm512_loadu_si512(p);
}
KERNEL inline void Store(uint8_t* p, Vec v) {
    _mm512_storeu_si512(p, v);
}
KERNEL inline Vec And(Vec a, Vec b) {
    return _mm512_and_si512(a, b);
}
KERNEL inline Vec Or(Vec a, Vec b) {
    return _mm512_or_si512(a, b);
}
KERNEL inline Vec Xor(Vec a, Vec b) {
    return _mm512_xor_si512(a, b);
}
KERNEL inline Vec Set8(char v) {
    return _mm512_set1_epi8(v);
}
KERNEL inline Vec Set16(short v) {
    return _mm512_set1_epi16(v);
}
KERNEL inline Vec Add16(Vec a, Vec b) {
    return _mm512_add_epi16(a, b);
}
KERNEL inline Vec Sub16(Vec a, Vec b) {
    return _mm512_sub_epi16(a, b);
}
// One three-input logic op: 0xF0, 0xCC and 0xAA stand for a, b and c.
KERNEL inline Vec XorAnd(Vec a, Vec b, Vec c) {
    return _mm512_ternarylogic_epi32(a, b, c, (0xF0 ^ 0xCC) & 0xAA);
}
// With A as all three inputs: written as a xor with ones, GCC makes it a
// logic op that also reads whatever its output register last held, which
// chains each loop pass to the one before.
KERNEL inline Vec Not(Vec a) {
    return _mm512_ternarylogic_epi32(a, a, a, 0x55);
}
KERNEL inline Vec MaddUbs(Vec a, Vec b) {
    return _mm512_maddubs_epi16(a, b);
}
KERNEL inline Vec MulHi16(Vec a, Vec b) {
    return _mm512_mulhi_epi16(a, b);
}
KERNEL inline Vec MulHrs16(Vec a, Vec b) {
    return _mm512_mulhrs_epi16(a, b);
}
KERNEL inline Vec Down8(Vec v) {
    return _mm512_srli_epi16(v, 8);
}
KERNEL inline Vec Up8(Vec v) {
    return _mm512_slli_epi16(v, 8);
}
KERNEL inline Vec Up7(Vec v) {
    return _mm512_slli_epi16(v, 7);
}
KERNEL inline Vec Avg8(Vec a, Vec b) {
    return _mm512_avg_epu8(a, b);
}
KERNEL inline Vec Sub8(Vec a, Vec b) {
    return _mm512_sub_epi8(a, b);
}
KERNEL inline uint64_t EqBits(Vec a, Vec b) {
    return _mm512_cmpeq_epi8_mask(a, b);
}
#include "paint/PixelKernelsBody.inc"
#undef KERNEL
} // namespace Avx512

#endif

namespace {

TLevel Best() {
#ifdef QUELM_X86_KERNELS
    if (__builtin_cpu_supports("avx512bw")) return TLevel::Avx512;
    if (__builtin_cpu_supports("avx2")) return TLevel::Avx2;
#endif
    return TLevel::Plain;
}

TLevel Current = Best();

} // namespace

bool UseLevel(TLevel level) {
    if (level > Best()) return false;
    Current = level;
    return true;
}

TLevel BestLevel() {
    return Best();
}

TOntoFormula FindOntoFormula(double alpha, const uint8_t* reference) {
    if (alpha == 0.5 && Matches(reference, HalfEven)) return {TOntoFormula::HalfEven, 0};
    if (alpha >= 0 && alpha * 32768 < 32767.5) {
        const auto weight = static_cast<int16_t>(std::lrint(alpha * 32768));
        if (Matches(reference, [&](int s, int d) { return MulRound(s, d, weight); }))
            return {TOntoFormula::MulRound, weight};
    }
    return {};
}

// Calls the kernel of the current level.
#ifdef QUELM_X86_KERNELS
#define DISPATCH(call)                                                                             \
    switch (Current) {                                                                             \
    case TLevel::Avx512:                                                                           \
        return Avx512::call;                                                                       \
    case TLevel::Avx2:                                                                             \
        return Avx2::call;                                                                         \
    case TLevel::Plain:                                                                            \
        break;                                                                                     \
    }                                                                                              \
    return Plain::call
#else
#define DISPATCH(call) return Plain::call
#endif

int MixColorRow(uint8_t* d, const TColorRow& c, const uint8_t* m, int bytes) {
    DISPATCH(MixColorRow(d, c, m, bytes));
}

int WeighRow(uint8_t* d, const uint8_t* s, int bytes, int t) {
    DISPATCH(WeighRow(d, s, bytes, t));
}

void MixRowsExceptKey(const TRows& rows, const TColorRow& key, TLeft plain) {
    DISPATCH(MixRowsExceptKey(rows, key, plain));
}

void OntoRows(const TRows& rows, const TOntoFormula& formula, const TColorRow* key, TLeft plain) {
    if (formula.Kind == TOntoFormula::None) return Plain::OntoRows(rows, formula, key, plain);
    DISPATCH(OntoRows(rows, formula, key, plain));
}

} // namespace PixelKernels
