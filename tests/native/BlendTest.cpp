#include "effects/Blend.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orvane {
namespace {

// x × f / 255 to the nearest whole number (there are no ties: 2 × x × f is even, 255 odd).
int Rounded(int x, int f) {
    return (2 * x * f + 255) / 510;
}

TEST(Blend, ScalingRoundsEveryChannelAndFactorToTheNearest) {
    for (int f = 0; f <= 255; ++f)
        for (int x = 0; x <= 255; x += 8) {
            // Eight lanes: x to x + 7.
            const __m128i wide = _mm_setr_epi16(
                static_cast<short>(x), static_cast<short>(x + 1), static_cast<short>(x + 2),
                static_cast<short>(x + 3), static_cast<short>(x + 4), static_cast<short>(x + 5),
                static_cast<short>(x + 6), static_cast<short>(x + 7));
            alignas(16) std::uint16_t lanes[8];
            _mm_store_si128(reinterpret_cast<__m128i*>(lanes),
                            blend::ScaleWide(wide, _mm_set1_epi16(static_cast<short>(f))));
            for (int i = 0; i < 8; ++i)
                ASSERT_EQ(Rounded(x + i, f), lanes[i]) << (x + i) << " × " << f;
            const std::uint32_t pixel = 0x01010101u * static_cast<std::uint32_t>(x);
            ASSERT_EQ(0x01010101u * static_cast<std::uint32_t>(Rounded(x, f)),
                      blend::ScalePixel(pixel, static_cast<std::uint32_t>(f)))
                << x << " × " << f;
        }
}

TEST(Blend, SpansBlendAsOnePixelAtATimeAndLeaveTransparentSourcesAlone) {
    // Every alpha over a varied destination, in runs of 4 and a tail of 3.
    std::vector<std::uint32_t> source, destination;
    for (std::uint32_t a = 0; a <= 255; ++a) {
        source.push_back(a << 24 | (a * 3 / 4) << 16 | (a / 2) << 8 | a / 5);
        destination.push_back(0xFF000000u | (a * 7 % 256) << 16 | (255 - a) << 8 | a);
    }
    source.insert(source.end(), {0, 0, 0, 0, 0x80402010u, 0, 0xFF112233u});
    destination.insert(destination.end(), 7, 0x80808080u);
    std::vector<std::uint32_t> expected = destination;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::uint32_t s = source[i];
        expected[i] = s + blend::ScalePixel(destination[i], 255 - (s >> 24));
    }
    blend::OverSpan(destination.data(), source.data(), static_cast<int>(source.size()));
    EXPECT_EQ(expected, destination);
}

} // namespace
} // namespace orvane
