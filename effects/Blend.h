#pragma once

// Premultiplied BGRA compositing and bilinear sampling with SSE2 (every x86 processor
// Windows 8 and later run on has it; the program asks for it on Windows 7 as well).
// Channels are widened to 16 bits; x × f / 255 is rounded exactly as
// (t + (t >> 8)) >> 8 with t = x × f + 128.

#include <emmintrin.h>

#include <cstdint>

namespace orvane::blend {

// The same rounding for one pixel without SSE: two channels at a time in one register.
inline std::uint32_t ScalePixel(std::uint32_t p, std::uint32_t factor) {
    std::uint32_t rb = (p & 0x00FF00FFu) * factor + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    std::uint32_t ag = ((p >> 8) & 0x00FF00FFu) * factor + 0x00800080u;
    ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
    return rb | ag;
}

inline __m128i Widen(std::uint32_t pixel) {
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(pixel)), _mm_setzero_si128());
}

inline std::uint32_t Narrow(__m128i wide) {
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(wide, wide)));
}

// 255 − alpha of each widened pixel, in all four of its channels.
inline __m128i InverseAlpha(__m128i wide) {
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(wide, 0xFF), 0xFF);
    return _mm_sub_epi16(_mm_set1_epi16(255), alpha);
}

// Channels and factors up to 255 each. (t + (t >> 8)) >> 8 is (t × 257) >> 16 for every
// 16-bit t, so one high-half multiply does the two shifts and the add.
inline __m128i ScaleWide(__m128i wide, __m128i factor) {
    const __m128i t = _mm_add_epi16(_mm_mullo_epi16(wide, factor), _mm_set1_epi16(128));
    return _mm_mulhi_epu16(t, _mm_set1_epi16(257));
}

// Source over destination for widened pixels.
inline __m128i OverWide(__m128i source, __m128i destination) {
    return _mm_add_epi16(source, ScaleWide(destination, InverseAlpha(source)));
}

// Source over destination for n pixels, four at a time. Forwards, destination[i] takes
// source[i]; backwards, source points at the last pixel of the run and destination[i]
// takes source[−i] (a picture turned by half a turn). Groups of four clear or solid
// pixels are skipped or copied unless the picture is soft, where hardly any group is
// either and looking would cost a fifth of the work; the pixels are the same.
template <bool kBackwards, bool kSoft = false>
inline void OverSpanIn(std::uint32_t* destination, const std::uint32_t* source, int n) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        __m128i s;
        if (kBackwards)
            s = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source - i - 3)),
                                  _MM_SHUFFLE(0, 1, 2, 3));
        else
            s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        if (!kSoft && _mm_movemask_epi8(_mm_cmpeq_epi32(s, zero)) == 0xFFFF)
            continue;
        auto* target = reinterpret_cast<__m128i*>(destination + i);
        if (!kSoft &&
            _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, opaque), opaque)) == 0xFFFF) {
            _mm_storeu_si128(target, s);
            continue;
        }
        const __m128i d = _mm_loadu_si128(target);
        const __m128i low = OverWide(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
        const __m128i high = OverWide(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
        _mm_storeu_si128(target, _mm_packus_epi16(low, high));
    }
    for (; i < n; ++i) {
        const std::uint32_t s = kBackwards ? source[-i] : source[i];
        if (s >> 24 == 255)
            destination[i] = s;
        else if (s)
            destination[i] = Narrow(OverWide(Widen(s), Widen(destination[i])));
    }
}

inline void OverSpan(std::uint32_t* destination, const std::uint32_t* source, int n) {
    OverSpanIn<false>(destination, source, n);
}

inline void OverSpanSoft(std::uint32_t* destination, const std::uint32_t* source, int n) {
    OverSpanIn<false, true>(destination, source, n);
}

inline void OverSpanBackwards(std::uint32_t* destination, const std::uint32_t* sourceLast, int n) {
    OverSpanIn<true>(destination, sourceLast, n);
}

// Weight vectors for the bilinear sample, read from tables rather than built from
// scalars for every pixel: a fraction f of 256 in all eight lanes, and (256 − f) in the
// left pixel's lanes with f in the right one's.
struct BilinearWeights {
    alignas(16) std::int16_t all[257][8];
    alignas(16) std::int16_t across[256][8];
    BilinearWeights() {
        for (int f = 0; f <= 256; ++f)
            for (int lane = 0; lane < 8; ++lane) {
                all[f][lane] = static_cast<std::int16_t>(f);
                if (f < 256)
                    across[f][lane] = static_cast<std::int16_t>(lane < 4 ? 256 - f : f);
            }
    }
};

inline const BilinearWeights& Weights() {
    static const BilinearWeights weights;
    return weights;
}

// The bilinear sample between texels t[0], t[1] and the two below them (pitch further),
// with fractions fu, fv of 256; widened.
inline __m128i Bilinear(const std::uint32_t* t, int pitch, int fu, int fv,
                        const BilinearWeights& w) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i top =
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(t)), zero);
    const __m128i bottom =
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(t + pitch)), zero);
    // Both columns blended down, then the two columns across.
    const __m128i down = _mm_load_si128(reinterpret_cast<const __m128i*>(w.all[fv]));
    const __m128i up = _mm_load_si128(reinterpret_cast<const __m128i*>(w.all[256 - fv]));
    const __m128i column =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(top, up), _mm_mullo_epi16(bottom, down)), 8);
    const __m128i weighted =
        _mm_mullo_epi16(column, _mm_load_si128(reinterpret_cast<const __m128i*>(w.across[fu])));
    return _mm_srli_epi16(_mm_add_epi16(weighted, _mm_srli_si128(weighted, 8)), 8);
}

} // namespace orvane::blend
