#include "paint/PixelKernels.h"

#include <algorithm>
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

// Marks every pixel of a segment as left to the caller.
void LeaveAll(int pixels, uint32_t* left) {
    for (int r = 0; r * RunPixels < pixels; ++r) left[r] = LowBits(pixels - r * RunPixels);
}

#ifdef QUELM_X86_KERNELS

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

#define AVX2 [[gnu::target("avx2")]]

AVX2 inline __m256i Load(const uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
AVX2 inline void Store(uint8_t* p, __m256i v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }

// (d - c) * m + c * 255 stays within 0 .. 65025, so wrapping 16-bit lanes give
// it exactly; the shift then is the division by 256.
AVX2 inline __m256i Mix16(__m256i d, __m256i c, __m256i m) {
    const __m256i c255 = _mm256_sub_epi16(_mm256_slli_epi16(c, 8), c);
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_sub_epi16(d, c), m), c255), 8);
}

// Byte lanes are worked on as their even and odd halves in 16-bit lanes, which
// needs no shuffles: the even results land in the low bytes, the odd ones are
// computed shifted down and masked back into the high bytes.
AVX2 inline __m256i Even(__m256i v) { return _mm256_and_si256(v, _mm256_set1_epi16(0x00FF)); }
AVX2 inline __m256i Odd(__m256i v) { return _mm256_srli_epi16(v, 8); }
AVX2 inline __m256i Join(__m256i even, __m256i odd) {
    return _mm256_or_si256(even, _mm256_slli_epi16(odd, 8));
}

AVX2 inline __m256i Mix32(__m256i d, __m256i c, __m256i m) {
    return Join(Mix16(Even(d), Even(c), Even(m)), Mix16(Odd(d), Odd(c), Odd(m)));
}

AVX2 inline __m256i Onto32(__m256i d, __m256i s, const TOntoFormula& f) {
    if (f.Kind == TOntoFormula::HalfEven) {
        // The rounded-up average, less one where the sum was odd and it came out odd.
        const __m256i avg = _mm256_avg_epu8(s, d);
        const __m256i odd = _mm256_and_si256(_mm256_and_si256(_mm256_xor_si256(s, d), avg), _mm256_set1_epi8(1));
        return _mm256_sub_epi8(avg, odd);
    }
    // The formula was checked to stay within 0 .. 255, so each half fits its byte.
    const __m256i w = _mm256_set1_epi16(f.Weight);
    const __m256i se = Even(s), so = Odd(s);
    const __m256i re = _mm256_sub_epi16(se, _mm256_mulhrs_epi16(_mm256_sub_epi16(se, Even(d)), w));
    const __m256i ro = _mm256_sub_epi16(so, _mm256_mulhrs_epi16(_mm256_sub_epi16(so, Odd(d)), w));
    return Join(re, ro);
}

// A run of 32 pixels of the key colour as three registers.
struct TKeyRun {
    __m256i V[3];
};
AVX2 TKeyRun KeyRun(TsBGR key) {
    uint8_t bytes[96];
    for (int i = 0; i < 96; i += 3) bytes[i] = key.B, bytes[i + 1] = key.G, bytes[i + 2] = key.R;
    return {{Load(bytes), Load(bytes + 32), Load(bytes + 64)}};
}

// True when one of the 32 pixels at P has the key colour: a pixel matches when
// its three bytes do.
AVX2 inline bool RunHasKey(const uint8_t* p, const TKeyRun& k) {
    using U128 = unsigned __int128;
    constexpr U128 PixelStarts = [] {
        U128 bits = 0;
        for (int i = 0; i < 96; i += 3) bits |= U128{1} << i;
        return bits;
    }();
    const auto e0 = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(Load(p), k.V[0])));
    const auto e1 = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(Load(p + 32), k.V[1])));
    const auto e2 = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(Load(p + 64), k.V[2])));
    U128 e = e0 | (U128{e1} << 32) | (U128{e2} << 64);
    e &= (e >> 1) & (e >> 2);
    return (e & PixelStarts) != 0;
}

AVX2 int MixRowAvx2(uint8_t* d, const uint8_t* c, const uint8_t* m, int bytes) {
    int i = 0;
    for (; i + 32 <= bytes; i += 32) Store(d + i, Mix32(Load(d + i), Load(c + i), Load(m + i)));
    return i;
}

AVX2 void MixRowExceptKeyAvx2(uint8_t* d, const uint8_t* c, const uint8_t* m, int pixels, TsBGR key,
                              uint32_t* left) {
    const TKeyRun k = KeyRun(key);
    for (int r = 0; r * RunPixels < pixels; ++r) {
        const int at = r * RunPixels * 3;
        if ((r + 1) * RunPixels > pixels || RunHasKey(c + at, k)) {
            left[r] = LowBits(pixels - r * RunPixels);
            continue;
        }
        for (int i = at; i < at + 96; i += 32) Store(d + i, Mix32(Load(d + i), Load(c + i), Load(m + i)));
        left[r] = 0;
    }
}

AVX2 void OntoRowAvx2(uint8_t* d, const uint8_t* s, int pixels, const TOntoFormula& f, bool keyed,
                      TsBGR key, uint32_t* left) {
    const TKeyRun k = KeyRun(key);
    for (int r = 0; r * RunPixels < pixels; ++r) {
        const int at = r * RunPixels * 3;
        if ((r + 1) * RunPixels > pixels || (keyed && RunHasKey(s + at, k))) {
            left[r] = LowBits(pixels - r * RunPixels);
            continue;
        }
        for (int i = at; i < at + 96; i += 32) Store(d + i, Onto32(Load(d + i), Load(s + i), f));
        left[r] = 0;
    }
}

#undef AVX2
#endif

} // namespace

TOntoFormula FindOntoFormula(double alpha, const uint8_t* reference) {
    if (alpha == 0.5 && Matches(reference, HalfEven)) return {TOntoFormula::HalfEven, 0};
    if (alpha >= 0 && alpha * 32768 < 32767.5) {
        const auto weight = static_cast<int16_t>(std::lrint(alpha * 32768));
        if (Matches(reference, [&](int s, int d) { return MulRound(s, d, weight); }))
            return {TOntoFormula::MulRound, weight};
    }
    return {};
}

int MixRow(uint8_t* d, const uint8_t* c, const uint8_t* m, int bytes) {
#ifdef QUELM_X86_KERNELS
    if (HasAvx2()) return MixRowAvx2(d, c, m, bytes);
#endif
    (void)d, (void)c, (void)m, (void)bytes;
    return 0;
}

void MixRowExceptKey(uint8_t* d, const uint8_t* c, const uint8_t* m, int pixels, TsBGR key,
                     uint32_t* left) {
#ifdef QUELM_X86_KERNELS
    if (HasAvx2()) return MixRowExceptKeyAvx2(d, c, m, pixels, key, left);
#endif
    (void)d, (void)c, (void)m, (void)key;
    LeaveAll(pixels, left);
}

void OntoRow(uint8_t* d, const uint8_t* s, int pixels, const TOntoFormula& formula, bool keyed,
             TsBGR key, uint32_t* left) {
#ifdef QUELM_X86_KERNELS
    if (HasAvx2() && formula.Kind != TOntoFormula::None)
        return OntoRowAvx2(d, s, pixels, formula, keyed, key, left);
#endif
    (void)d, (void)s, (void)keyed, (void)key;
    LeaveAll(pixels, left);
}

} // namespace PixelKernels
