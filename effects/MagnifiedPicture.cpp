#include "effects/MagnifiedPicture.h"

#include "effects/Blend.h"
#include "effects/PixelBounds.h"

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

// A fixed-point position (16.16) kept on the picture's texels 1 to last of the padded row,
// as the rasterizer clamps a stretched picture's samples to its outer texels.
inline void Texel(std::int32_t position, int last, int& texel, int& fraction) {
    const std::int32_t clamped = std::clamp(position, std::int32_t{1} << 16, last << 16);
    texel = clamped >> 16;
    fraction = (clamped >> 8) & 0xFF;
}

// From a towards b by an eighth (or, far, by three eighths), by three rounding halvings;
// from b towards a, the same is seven (five) eighths of the way.
template <bool kFar> inline __m128i Eighths(__m128i a, __m128i b) {
    const __m128i half = _mm_avg_epu8(a, b);
    const __m128i quarter = _mm_avg_epu8(a, half);
    return kFar ? _mm_avg_epu8(quarter, half) : _mm_avg_epu8(a, quarter);
}

// The texels of two rows mixed down, four at a time.
template <bool kFar>
void MixRows(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t* mixed, int n) {
    for (int t = 0; t < n; t += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(mixed + t),
                         Eighths<kFar>(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a + t)),
                                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + t))));
}

// Four pixels over the ones at target, or replacing them.
inline void Put(std::uint32_t* target, __m128i pixels, bool replace) {
    auto* at = reinterpret_cast<__m128i*>(target);
    if (!replace) {
        const __m128i zero = _mm_setzero_si128();
        const __m128i under = _mm_loadu_si128(at);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(under, zero)) != 0xFFFF)
            pixels = _mm_packus_epi16(
                blend::OverWide(_mm_unpacklo_epi8(pixels, zero), _mm_unpacklo_epi8(under, zero)),
                blend::OverWide(_mm_unpackhi_epi8(pixels, zero), _mm_unpackhi_epi8(under, zero)));
    }
    _mm_storeu_si128(at, pixels);
}

// The first n of four pixels over the ones at target, or replacing them.
inline void PutSome(std::uint32_t* target, __m128i pixels, int from, int to, bool replace) {
    std::uint32_t some[4];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(some), pixels);
    for (int i = from; i < to; ++i)
        target[i] =
            replace || target[i] == 0
                ? some[i]
                : blend::Narrow(blend::OverWide(blend::Widen(some[i]), blend::Widen(target[i])));
}

} // namespace

bool MagnifiedPicture::Begin(const Sprite& sprite, float x, float y, float width, float height,
                             int frameWidth, int frameHeight) {
    const int w = sprite.Width(), h = sprite.Height();
    if (w == 0 || h == 0 || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(width) ||
        !std::isfinite(height) || !(width >= 2.0f * w && height >= 2.0f * h))
        return false;
    const double right = static_cast<double>(x) + width, bottom = static_cast<double>(y) + height;
    if (right <= 0 || bottom <= 0 || x >= frameWidth || y >= frameHeight)
        return false;
    m_left = FloorWithin(x, 0, frameWidth);
    const int end = CeilWithin(right, 0, frameWidth);
    m_top = FloorWithin(y, 0, frameHeight);
    m_bottom = CeilWithin(bottom, 0, frameHeight);
    if (m_left >= end || m_top >= m_bottom)
        return false;
    m_sprite = &sprite;
    const double du = w / static_cast<double>(width);
    m_dv = h / static_cast<double>(height);
    m_v0 = 1 + (0.5 - y) * m_dv - 0.5;

    // Across, every row samples the same columns: stepped in 16.16 fixed point from the
    // first column on, as the rasterizer steps them.
    const double u0 = 1 + (0.5 - x) * du - 0.5;
    const auto step = static_cast<std::int32_t>(std::lround(du * 65536.0));
    auto u = static_cast<std::int32_t>(std::lround((u0 + du * m_left) * 65536.0));
    m_columns.resize(static_cast<std::size_t>(end - m_left));
    for (Column& column : m_columns) {
        Texel(u, w, column.texel, column.fraction);
        u += step;
    }
    const int count = static_cast<int>(m_columns.size());
    m_firstColumn.resize(static_cast<std::size_t>(w) + 3);
    for (int texel = 0, k = 0; texel <= w + 2; ++texel) {
        while (k < count && m_columns[static_cast<std::size_t>(k)].texel < texel)
            ++k;
        m_firstColumn[static_cast<std::size_t>(texel)] = k;
    }
    // Room for the pair past the last column, which a row's last group may read.
    m_weights.assign(static_cast<std::size_t>(count / 2 + 2) * 8, 0);
    for (int k = 0; k < count; ++k)
        for (int lane = 0; lane < 4; ++lane)
            m_weights[static_cast<std::size_t>(k) * 4 + lane] =
                static_cast<std::int16_t>(2 * m_columns[static_cast<std::size_t>(k)].fraction);

    // Each texel row's visible run, so that a frame row skips what is transparent in both
    // of its texel rows (the border rows have none).
    const int pitch = sprite.Pitch();
    m_runs.resize(static_cast<std::size_t>(h) + 2);
    for (int row = 0; row < h + 2; ++row) {
        const std::uint32_t* texels = sprite.Padded() + static_cast<std::ptrdiff_t>(row) * pitch;
        int begin = 0, last = pitch;
        while (begin < last && texels[begin] == 0)
            ++begin;
        while (last > begin && texels[last - 1] == 0)
            --last;
        m_runs[static_cast<std::size_t>(row)] =
            begin < last ? std::pair{begin, last} : std::pair{pitch, 0};
    }
    m_down.resize(static_cast<std::size_t>(pitch + 1) * 4);
    m_mixed.resize(static_cast<std::size_t>(pitch) * 8);

    m_frameWidth = frameWidth;
    m_byFour = width == 4.0f * w && height == 4.0f * h && x == std::floor(x) && y == std::floor(y);
    for (int row = 0; m_byFour && row < h + 2; ++row) {
        const auto [begin, last] = m_runs[static_cast<std::size_t>(row)];
        m_byFour = begin >= last || (row > 1 && row < h && begin > 1 && last < w + 1);
    }
    if (m_byFour) {
        m_x = static_cast<int>(x);
        m_y = static_cast<int>(y);
        m_halved.resize(static_cast<std::size_t>(pitch) + 8);
    }
    return true;
}

// The two texel rows blended down for texels first to last, then each texel beside its
// difference to the next, for first to last − 1: the rasterizer's vertical step,
// upper + (lower − upper) × fraction / 256 rounded down, as one high-half multiply.
void MagnifiedPicture::MixDown(const std::uint32_t* upper, int fraction, int first, int last) {
    const int pitch = m_sprite->Pitch();
    const __m128i zero = _mm_setzero_si128();
    const __m128i weight = _mm_set1_epi16(static_cast<short>(2 * fraction));
    const auto down = [&](__m128i top, __m128i bottom) {
        top = _mm_unpacklo_epi8(top, zero);
        bottom = _mm_unpacklo_epi8(bottom, zero);
        return _mm_add_epi16(
            top, _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(bottom, top), 7), weight));
    };
    std::int16_t* mixedDown = m_down.data();
    int t = first;
    for (; t < last; t += 2)
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(mixedDown + 4 * t),
            down(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(upper + t)),
                 _mm_loadl_epi64(reinterpret_cast<const __m128i*>(upper + pitch + t))));
    if (t == last)
        _mm_storel_epi64(reinterpret_cast<__m128i*>(mixedDown + 4 * t),
                         down(_mm_cvtsi32_si128(static_cast<int>(upper[t])),
                              _mm_cvtsi32_si128(static_cast<int>(upper[pitch + t]))));
    for (t = first; t < last; ++t) {
        const __m128i pair = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mixedDown + 4 * t));
        const __m128i difference = _mm_slli_epi16(_mm_sub_epi16(_mm_srli_si128(pair, 8), pair), 7);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(m_mixed.data() + 8 * t),
                         _mm_unpacklo_epi64(pair, difference));
    }
}

MagnifiedPicture::Span MagnifiedPicture::DrawRow(int frameRow, std::uint32_t* row, bool replace) {
    const int w = m_sprite->Width(), h = m_sprite->Height();
    int texelRow = 0, fraction = 0;
    if (m_byFour) {
        // The row's centre lies (frameRow − y) / 4 + 5/8 texels into the padded picture.
        const int down = frameRow - m_y + 2;
        texelRow = down >= 0 ? down / 4 : -((-down + 3) / 4);
        fraction = 2 * (down - 4 * texelRow) + 1; // in eighths
    } else {
        Texel(static_cast<std::int32_t>(std::lround((m_v0 + m_dv * frameRow) * 65536.0)), h,
              texelRow, fraction);
    }
    const auto& upper = m_runs[static_cast<std::size_t>(texelRow)];
    const auto& lower = m_runs[static_cast<std::size_t>(texelRow) + 1];
    const int begin = std::min(upper.first, lower.first);
    const int end = std::max(upper.second, lower.second);
    if (begin >= end)
        return {};
    if (m_byFour)
        return DrawRowByFour(texelRow, fraction, row, replace, begin, end);
    // The columns whose sample has a visible texel among its four, in groups of four.
    const int count = static_cast<int>(m_columns.size());
    const int first = m_firstColumn[static_cast<std::size_t>(std::max(begin - 1, 0))] & ~3;
    const int stop =
        std::min(count, (m_firstColumn[static_cast<std::size_t>(std::min(end, w + 2))] + 3) & ~3);
    if (first >= stop)
        return {};
    MixDown(m_sprite->Padded() + static_cast<std::ptrdiff_t>(texelRow) * m_sprite->Pitch(),
            fraction, m_columns[static_cast<std::size_t>(first)].texel,
            m_columns[static_cast<std::size_t>(stop - 1)].texel + 1);

    // Columns k to k + 3 (the last one repeated past stop): across, the left texel plus
    // the difference to the right one times the fraction.
    const auto* mixed = reinterpret_cast<const __m128i*>(m_mixed.data());
    const auto* weights = reinterpret_cast<const __m128i*>(m_weights.data());
    const auto samples = [&](int k, __m128i& low, __m128i& high) {
        const auto entry = [&](int column) {
            return _mm_loadu_si128(
                mixed + m_columns[static_cast<std::size_t>(std::min(column, stop - 1))].texel);
        };
        const __m128i e0 = entry(k), e1 = entry(k + 1), e2 = entry(k + 2), e3 = entry(k + 3);
        low = _mm_add_epi16(
            _mm_unpacklo_epi64(e0, e1),
            _mm_mulhi_epi16(_mm_unpackhi_epi64(e0, e1), _mm_loadu_si128(weights + k / 2)));
        high = _mm_add_epi16(
            _mm_unpacklo_epi64(e2, e3),
            _mm_mulhi_epi16(_mm_unpackhi_epi64(e2, e3), _mm_loadu_si128(weights + k / 2 + 1)));
    };
    std::uint32_t* target = row + m_left;
    int k = first;
    for (; k < stop; k += 4) {
        __m128i low, high;
        samples(k, low, high);
        if (k + 4 <= stop)
            Put(target + k, _mm_packus_epi16(low, high), replace);
        else
            PutSome(target + k, _mm_packus_epi16(low, high), 0, stop - k, replace);
    }
    return {m_left + first, m_left + stop};
}

// Across, a pixel's centre lies (c − x) / 4 + 5/8 texels into the padded picture: the texel
// pair t, t + 1 fills the four columns from x + 4t − 2, 1/8, 3/8, 5/8 and 7/8 of the way.
MagnifiedPicture::Span MagnifiedPicture::DrawRowByFour(int texelRow, int eighths,
                                                       std::uint32_t* row, bool replace, int begin,
                                                       int end) {
    const int pitch = m_sprite->Pitch();
    const std::uint32_t* upper = m_sprite->Padded() + static_cast<std::ptrdiff_t>(texelRow) * pitch;
    // Texels begin − 1 to end of the two rows mixed down, four at a time; the last four
    // from copies, so as not to read past the picture.
    const int first = begin - 1;
    const std::uint32_t* lower = upper + pitch;
    if (eighths > 4) {
        std::swap(upper, lower);
        eighths = 8 - eighths;
    }
    std::uint32_t* halved = m_halved.data();
    const int whole = std::max(0, std::min(end + 1, pitch) - first) & ~3;
    (eighths == 1 ? MixRows<false> : MixRows<true>)(upper + first, lower + first, halved + first,
                                                    whole);
    if (first + whole <= end) {
        std::uint32_t a[4] = {}, b[4] = {};
        for (int t = first + whole, i = 0; i < 4 && t + i < pitch; ++i) {
            a[i] = upper[t + i];
            b[i] = lower[t + i];
        }
        (eighths == 1 ? MixRows<false> : MixRows<true>)(a, b, halved + first + whole, 4);
    }
    // Across, four texel pairs at a time: sixteen pixels.
    const int left = std::max(0, m_x + 4 * first - 2);
    const int right = std::min(m_frameWidth, m_x + 4 * (end - 1) + 2);
    for (int t = first; t < end; t += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(halved + t));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(halved + t + 1));
        const __m128i e1 = Eighths<false>(a, b), e3 = Eighths<true>(a, b);
        const __m128i e5 = Eighths<true>(b, a), e7 = Eighths<false>(b, a);
        const __m128i low13 = _mm_unpacklo_epi32(e1, e3), low57 = _mm_unpacklo_epi32(e5, e7);
        const __m128i high13 = _mm_unpackhi_epi32(e1, e3), high57 = _mm_unpackhi_epi32(e5, e7);
        const __m128i groups[] = {
            _mm_unpacklo_epi64(low13, low57), _mm_unpackhi_epi64(low13, low57),
            _mm_unpacklo_epi64(high13, high57), _mm_unpackhi_epi64(high13, high57)};
        const int column = m_x + 4 * t - 2;
        if (replace && column >= left && column + 16 <= right) {
            for (int g = 0; g < 4; ++g)
                _mm_storeu_si128(reinterpret_cast<__m128i*>(row + column + 4 * g), groups[g]);
            continue;
        }
        for (int g = 0; g < 4; ++g) {
            const int at = column + 4 * g;
            if (at >= left && at + 4 <= right)
                Put(row + at, groups[g], replace);
            else if (at + 4 > left && at < right)
                PutSome(row + at, groups[g], std::max(0, left - at), std::min(4, right - at),
                        replace);
        }
    }
    return {left, right};
}

} // namespace orvane
