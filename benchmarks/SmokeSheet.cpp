// Smoke as the program draws it (puffs piled at a quarter of the resolution, the pile
// magnified by the frame canvas) beside the same puffs drawn one by one at full size by
// the rasterizer, at densities 1, 5 and 9 on a 1920 × 1080 screen over a dark desktop; and
// how far apart they are, pixel by pixel and as seen by a viewer's eye.
//
//   orvane_smoke_sheet SHEET.png
//
// The sheet has one row per density: the full-size drawing, the program's, and their
// difference eight times amplified, each at half size. tools/art/smoke-sheet.sh labels it.
#include "PngFile.h"

#include "effects/EffectCatalog.h"
#include "effects/FrameCanvas.h"
#include "effects/Smoke.h"
#include "framework/Random.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace orvane {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr int kPanelWidth = kWidth / 2, kPanelHeight = kHeight / 2, kGap = 16;
constexpr int kSmokePuff = 542;
constexpr int kWarmUp = 50;
// The eye does not resolve single pixels on a desktop screen at arm's length: a pixel of
// a 24-inch 1080p screen seen from 60 cm is about 1.5 arcminutes, so a blur over 5 × 5
// pixels is about what the eye's own resolution (1 arcminute) and a tiny head movement give.
constexpr int kBlurRadius = 2;

using Image = std::vector<std::uint32_t>; // 0xRRGGBB

// A desktop of deep blue, lighter towards the top, for the light smoke to show against.
std::uint32_t Desktop(int y) {
    const int shade = 20 + 30 * (kHeight - y) / kHeight;
    return static_cast<std::uint32_t>(shade / 2) << 16 | static_cast<std::uint32_t>(shade) << 8 |
           static_cast<std::uint32_t>(shade * 2 + 30);
}

// The premultiplied frame over the desktop.
Image OverDesktop(const std::vector<std::uint32_t>& frame) {
    Image image(frame.size());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t p = frame[static_cast<std::size_t>(y) * kWidth + x];
            const std::uint32_t under = Desktop(y), keep = 255 - (p >> 24);
            std::uint32_t out = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::uint32_t c =
                    ((p >> shift) & 0xFF) + ((under >> shift) & 0xFF) * keep / 255;
                out |= std::min(c, 255u) << shift;
            }
            image[static_cast<std::size_t>(y) * kWidth + x] = out;
        }
    return image;
}

int Channel(std::uint32_t p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}

// A box blur over (2r + 1)² pixels, channel by channel, across then down.
Image Blurred(const Image& image, int r) {
    Image across(image.size()), down(image.size());
    const auto pass = [r](const Image& from, Image& to, int length, int lines, int step,
                          int lineStep) {
        for (int line = 0; line < lines; ++line)
            for (int i = 0; i < length; ++i) {
                int sums[3] = {0, 0, 0}, count = 0;
                for (int k = std::max(0, i - r); k <= std::min(length - 1, i + r); ++k, ++count)
                    for (int c = 0; c < 3; ++c)
                        sums[c] += Channel(
                            from[static_cast<std::size_t>(line) * lineStep + k * step], 8 * c);
                std::uint32_t out = 0;
                for (int c = 0; c < 3; ++c)
                    out |= static_cast<std::uint32_t>((sums[c] + count / 2) / count) << (8 * c);
                to[static_cast<std::size_t>(line) * lineStep + i * step] = out;
            }
    };
    pass(image, across, kWidth, kHeight, 1, kWidth);
    pass(across, down, kHeight, kWidth, kWidth, 1);
    return down;
}

int LargestDifference(const Image& a, const Image& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8)
            largest = std::max(largest, std::abs(Channel(a[i], shift) - Channel(b[i], shift)));
    return largest;
}

// Half size, each pixel the mean of four, into the sheet at (left, top).
void PutHalf(const Image& image, Image& sheet, int sheetWidth, int left, int top) {
    for (int y = 0; y < kPanelHeight; ++y)
        for (int x = 0; x < kPanelWidth; ++x) {
            std::uint32_t out = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                int sum = 0;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        sum += Channel(
                            image[static_cast<std::size_t>(2 * y + dy) * kWidth + 2 * x + dx],
                            shift);
                out |= static_cast<std::uint32_t>((sum + 2) / 4) << shift;
            }
            sheet[static_cast<std::size_t>(top + y) * sheetWidth + left + x] = out;
        }
}

Image Amplified(const Image& a, const Image& b) {
    Image difference(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8)
            difference[i] |= static_cast<std::uint32_t>(std::min(
                                 255, 8 * std::abs(Channel(a[i], shift) - Channel(b[i], shift))))
                             << shift;
    return difference;
}

int Run(const std::string& output) {
    const std::string path =
        std::string(ORVANE_PNG_DIR) + "/" + std::to_string(kSmokePuff) + ".png";
    const std::optional<Sprite> puff = LoadPngFile(path);
    if (!puff) {
        std::fprintf(stderr, "the smoke puff's picture is missing\n");
        return 1;
    }
    const int densities[] = {1, 5, 9};
    const int sheetWidth = 3 * kPanelWidth + 2 * kGap;
    const int sheetHeight = 3 * kPanelHeight + 2 * kGap;
    Image sheet(static_cast<std::size_t>(sheetWidth) * sheetHeight, 0x202020u);
    std::printf("density  puffs  largest difference per channel  after a %d x %d blur\n",
                2 * kBlurRadius + 1, 2 * kBlurRadius + 1);
    for (int row = 0; row < 3; ++row) {
        const int density = densities[row];
        const int target = DensityTargetCount(EffectId::Smoke, density, kWidth, kHeight);
        Smoke smoke;
        smoke.SetSprite(LoadPngFile(path));
        smoke.Begin(kWidth, kHeight);
        SeedRandom(1);
        std::vector<std::uint32_t> quick(static_cast<std::size_t>(kWidth) * kHeight, 0);
        std::vector<std::uint32_t> full(quick);
        FrameCanvas canvas({quick.data(), kWidth, kHeight, kWidth});
        for (int frame = 0; frame <= kWarmUp; ++frame) {
            canvas.BeginFrame();
            smoke.DrawFrame(canvas, target);
        }
        canvas.DirtyRect();
        SoftwareCanvas plain({full.data(), kWidth, kHeight, kWidth});
        const auto side = static_cast<float>(smoke.DrawnSide());
        for (const PixelPoint& corner : smoke.DrawnCorners())
            plain.DrawImage(*puff, static_cast<float>(corner.x), static_cast<float>(corner.y), side,
                            side);

        const Image fullImage = OverDesktop(full), quickImage = OverDesktop(quick);
        std::printf(
            "%7d  %5zu  %31d  %d\n", density, smoke.DrawnCorners().size(),
            LargestDifference(fullImage, quickImage),
            LargestDifference(Blurred(fullImage, kBlurRadius), Blurred(quickImage, kBlurRadius)));
        const int top = row * (kPanelHeight + kGap);
        PutHalf(fullImage, sheet, sheetWidth, 0, top);
        PutHalf(quickImage, sheet, sheetWidth, kPanelWidth + kGap, top);
        PutHalf(Amplified(fullImage, quickImage), sheet, sheetWidth, 2 * (kPanelWidth + kGap), top);
    }
    if (!SavePngFile(output, sheetWidth, sheetHeight, sheet.data())) {
        std::fprintf(stderr, "cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}

} // namespace
} // namespace orvane

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane_smoke_sheet SHEET.png\n");
        return 2;
    }
    return orvane::Run(argv[1]);
}
