#include "effects/EffectCatalog.h"
#include "effects/SpriteResource.h"
#include "framework/PngResource.h"
#include "framework/Gdiplus.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

class PngResources : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus.Ok()); }

    static Gdiplus::Size SizeOf(int id) {
        std::unique_ptr<Gdiplus::Bitmap> picture = LoadPngResource(id);
        if (!picture)
            return {0, 0};
        return {static_cast<INT>(picture->GetWidth()), static_cast<INT>(picture->GetHeight())};
    }

    GdiplusSession gdiplus;
};

TEST_F(PngResources, EverySpritePictureLoadsAtItsListedSize) {
    const int leafSizes[] = {128, 96, 128, 96, 48, 64, 48};
    for (std::size_t i = 0; i < LeafFallKind().spriteIds.size(); ++i) {
        const Gdiplus::Size size = SizeOf(LeafFallKind().spriteIds[i]);
        EXPECT_EQ(leafSizes[i], size.Width);
        EXPECT_EQ(leafSizes[i], size.Height);
    }
    for (const wchar_t* colour : {L"red", L"pink", L"white"})
        for (int id : PetalSpriteIds(colour)) {
            const Gdiplus::Size size = SizeOf(id);
            EXPECT_TRUE(size.Width >= 12 && size.Width <= 45) << id << ": " << size.Width;
            EXPECT_TRUE(size.Height >= 16 && size.Height <= 48) << id << ": " << size.Height;
        }
    struct Set {
        const SpriteEffectKind& kind;
        std::size_t count;
        INT minWidth, minHeight, maxWidth, maxHeight;
    };
    const Set sets[] = {
        {RainFlowersKind(), 30, 1, 1, 48, 48}, {SweetsKind(), 18, 1, 1, 48, 48},
        {HeartsKind(), 1, 32, 30, 32, 30},     {BalloonsKind(), 5, 80, 109, 80, 109},
        {DandelionsKind(), 6, 48, 48, 48, 48}, {LeavesInTheWindKind(), 7, 12, 8, 48, 44},
    };
    for (const Set& set : sets) {
        ASSERT_EQ(set.count, set.kind.spriteIds.size());
        for (int id : set.kind.spriteIds) {
            const Gdiplus::Size size = SizeOf(id);
            EXPECT_TRUE(size.Width >= set.minWidth && size.Width <= set.maxWidth) << id;
            EXPECT_TRUE(size.Height >= set.minHeight && size.Height <= set.maxHeight) << id;
        }
    }
    // The leaves in the wind run from the table's smallest to its largest.
    EXPECT_EQ(12, SizeOf(418).Width);
    EXPECT_EQ(8, SizeOf(418).Height);
    EXPECT_EQ(48, SizeOf(424).Width);
    EXPECT_EQ(44, SizeOf(424).Height);
}

TEST_F(PngResources, AnUnknownIdGivesNothing) {
    EXPECT_EQ(nullptr, LoadPngResource(9999));
    EXPECT_FALSE(LoadSprite(9999));
}

TEST_F(PngResources, APictureOwnsItsPixelsAndConvertsToPremultipliedSprites) {
    std::unique_ptr<Gdiplus::Bitmap> balloon = LoadPngResource(361);
    ASSERT_TRUE(balloon);
    // Memory churn after the loader has freed its copy of the resource.
    for (int i = 0; i < 50; ++i) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 64 * 1024);
        if (void* p = GlobalLock(block)) {
            memset(p, 0xCD, 64 * 1024);
            GlobalUnlock(block);
        }
        GlobalFree(block);
    }
    const std::optional<Sprite> sprite = LoadSprite(361);
    ASSERT_TRUE(sprite);
    int opaque = 0, partial = 0;
    for (INT y = 0; y < 109; ++y)
        for (INT x = 0; x < 80; ++x) {
            Gdiplus::Color straight;
            ASSERT_EQ(Gdiplus::Ok, balloon->GetPixel(x, y, &straight));
            const std::uint32_t p = sprite->Pixel(x, y);
            const BYTE a = straight.GetA();
            ASSERT_EQ(a, p >> 24);
            if (a == 255) {
                ++opaque;
                ASSERT_EQ(straight.GetValue(), p);
            } else if (a > 0) {
                ++partial;
                ASSERT_NEAR(straight.GetR() * a / 255.0, (p >> 16) & 0xFF, 1.0);
            } else {
                ASSERT_EQ(0u, p);
            }
        }
    EXPECT_GT(opaque, 0);
    EXPECT_GT(opaque + partial, 80 * 109 / 3) << "a balloon, not an empty picture";
}

} // namespace
} // namespace orvane
