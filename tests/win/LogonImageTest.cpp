#include "personalize/LogonImage.h"
#include "core/SystemAccess.h"
#include "framework/Handle.h"
#include "TempFolder.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::Near;
using test::PixelOf;
using test::TempFolder;

// "OEMBackground" as the logon screen reads it: the 64-bit registry view.
bool OemBackgroundIsOne() {
    UniqueKey key;
    DWORD value = 0, size = sizeof value, type = 0;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLogonBackgroundKey, 0,
                         KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.receive()) == ERROR_SUCCESS &&
           RegQueryValueExW(key.get(), kOemBackgroundValue, nullptr, &type,
                            reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD && value == 1;
}

void RemoveOemBackground() {
    UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLogonBackgroundKey, 0, KEY_SET_VALUE | KEY_WOW64_64KEY,
                      key.receive()) == ERROR_SUCCESS)
        RegDeleteValueW(key.get(), kOemBackgroundValue);
}

// Sizes chosen by the test: the first file's size from the picture's pixel size, each
// re-encoding's from the file before it and the quality.
class FakeEncoder : public CJpegEncoder {
public:
    std::function<long long(SIZE)> first = [](SIZE) { return 300000; };
    std::function<long long(long long, long)> next = [](long long size, long) { return size; };

    std::vector<SIZE> saved;
    std::vector<long> qualities;

    bool Save(HBITMAP bitmap, const std::wstring& path) override {
        BITMAP info = {};
        GetObjectW(bitmap, sizeof info, &info);
        saved.push_back({info.bmWidth, info.bmHeight});
        return test::WriteBytes(path,
                                std::string(static_cast<std::size_t>(first(saved.back())), 'j'));
    }
    bool Reencode(const std::wstring& path, long quality) override {
        qualities.push_back(quality);
        const long long size = next(FileSizeOf(path), quality);
        return test::WriteBytes(path, std::string(static_cast<std::size_t>(size), 'j'));
    }
};

class LogonImage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.Ok());
        RemoveOemBackground();
        paths = LogonPathsFor(windows.Path());
        picture = windows / L"picture.png";
        ASSERT_TRUE(test::WritePicture(picture, 1000, 1000, [](Gdiplus::Graphics& g) {
            g.Clear(Gdiplus::Color(255, 40, 60, 200));
        }));
    }
    void TearDown() override { RemoveOemBackground(); }

    GdiplusSession gdiplus;
    TempFolder windows;
    LogonPaths paths;
    std::wstring picture;
};

TEST_F(LogonImage, PathsLieBelowTheWindowsFolder) {
    const LogonPaths p = LogonPathsFor(L"C:\\Windows");
    EXPECT_EQ(L"C:\\Windows\\System32\\oobe\\background.bmp", p.defaultImage);
    EXPECT_EQ(L"C:\\Windows\\System32\\oobe\\info\\backgrounds", p.backgroundsFolder);
    EXPECT_EQ(L"C:\\Windows\\System32\\oobe\\info\\backgrounds\\backgroundDefault.jpg",
              p.customImage);
}

TEST_F(LogonImage, LowersTheQualityStepByStepUntilTheFileIsSmallEnough) {
    FakeEncoder encoder; // 300000 bytes, then 10000 fewer with every step
    encoder.next = [](long long size, long) { return size - 10000; };
    ApplyLogonImage(paths, picture, true, {1920, 1080}, encoder);

    ASSERT_EQ(1u, encoder.saved.size());
    EXPECT_EQ(1920, encoder.saved[0].cx);
    EXPECT_EQ(1080, encoder.saved[0].cy);
    EXPECT_EQ((std::vector<long>{95, 90, 85, 80, 75}), encoder.qualities);
    EXPECT_EQ(250000, FileSizeOf(paths.customImage));
    EXPECT_TRUE(OemBackgroundIsOne());

    // A first file below the limit is kept as it is.
    FakeEncoder small;
    small.first = [](SIZE) { return 255999; };
    ApplyLogonImage(paths, picture, true, {1920, 1080}, small);
    EXPECT_TRUE(small.qualities.empty());
    EXPECT_EQ(255999, FileSizeOf(paths.customImage));
}

TEST_F(LogonImage, APictureThatNoQualityShrinksEnoughIsMadeSmallerUntilItFits) {
    // Like an encoder that ignores the quality: the size follows the pixels only.
    FakeEncoder encoder;
    encoder.first = [](SIZE size) { return static_cast<long long>(size.cx) * size.cy / 4; };
    ApplyLogonImage(paths, picture, true, {1920, 1080}, encoder);

    ASSERT_EQ(2u, encoder.saved.size());
    EXPECT_EQ(960, encoder.saved[1].cx);
    EXPECT_EQ(540, encoder.saved[1].cy);
    // Every quality down to 0 was tried on the full-size picture first.
    ASSERT_EQ(20u, encoder.qualities.size());
    EXPECT_EQ(95, encoder.qualities.front());
    EXPECT_EQ(0, encoder.qualities.back());
    EXPECT_EQ(960 * 540 / 4, FileSizeOf(paths.customImage));
    EXPECT_LT(FileSizeOf(paths.customImage), static_cast<long long>(kLogonImageLimit));
    EXPECT_TRUE(OemBackgroundIsOne());

    // An encoder that never gets below the limit ends at one pixel instead of looping on.
    FakeEncoder stubborn;
    stubborn.first = [](SIZE) { return 400000; };
    ApplyLogonImage(paths, picture, true, {1920, 1080}, stubborn);
    ASSERT_FALSE(stubborn.saved.empty());
    EXPECT_EQ(1, stubborn.saved.back().cx);
    EXPECT_EQ(1, stubborn.saved.back().cy);
    EXPECT_EQ(11u, stubborn.saved.size()); // 1920 x 1080 halves to 1 x 1 in ten steps
}

TEST_F(LogonImage, CoversTheScreenWithARealJpegBelowTheLimit) {
    // Red bands in the rows the cover crop removes (420 of 1920 at each end, which are
    // the first and last 218 rows of the picture), a yellow strip at the left edge.
    ASSERT_TRUE(test::WritePicture(picture, 1000, 1000, [](Gdiplus::Graphics& g) {
        g.Clear(Gdiplus::Color(255, 30, 60, 200));
        Gdiplus::SolidBrush red(Gdiplus::Color(255, 220, 30, 30));
        g.FillRectangle(&red, 0, 0, 1000, 200);
        g.FillRectangle(&red, 0, 800, 1000, 200);
        Gdiplus::SolidBrush yellow(Gdiplus::Color(255, 240, 220, 40));
        g.FillRectangle(&yellow, 0, 0, 20, 1000);
    }));
    CJpegEncoder encoder;
    ApplyLogonImage(paths, picture, true, {1920, 1080}, encoder);

    const std::string bytes = test::ReadBytes(paths.customImage);
    ASSERT_GT(bytes.size(), 3u);
    EXPECT_EQ("\xFF\xD8\xFF", bytes.substr(0, 3)) << "a JPEG file";
    EXPECT_LT(bytes.size(), kLogonImageLimit);
    EXPECT_TRUE(OemBackgroundIsOne());

    Gdiplus::Bitmap written(paths.customImage.c_str());
    ASSERT_EQ(Gdiplus::Ok, written.GetLastStatus());
    EXPECT_EQ(1920u, written.GetWidth());
    EXPECT_EQ(1080u, written.GetHeight());
    GUID format;
    written.GetRawFormat(&format);
    EXPECT_TRUE(format == Gdiplus::ImageFormatJPEG);
    HBITMAP pixels = nullptr;
    ASSERT_EQ(Gdiplus::Ok, written.GetHBITMAP(Gdiplus::Color(0, 0, 0), &pixels));
    UniqueGdiObject owner(pixels);
    const COLORREF blue = RGB(30, 60, 200), yellow = RGB(240, 220, 40);
    EXPECT_TRUE(Near(blue, PixelOf(pixels, 960, 2))) << "the red band is cropped off the top";
    EXPECT_TRUE(Near(blue, PixelOf(pixels, 960, 1077))) << "and off the bottom";
    EXPECT_TRUE(Near(yellow, PixelOf(pixels, 10, 540))) << "the sides are whole";
    EXPECT_TRUE(Near(blue, PixelOf(pixels, 60, 540)));
}

TEST_F(LogonImage, ReencodingRewritesTheJpegInPlace) {
    CJpegEncoder encoder;
    ApplyLogonImage(paths, picture, true, {320, 200}, encoder);
    ASSERT_GT(FileSizeOf(paths.customImage), 0);

    EXPECT_TRUE(ReencodeJpeg(paths.customImage, 40));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((paths.customImage + L"_").c_str()))
        << "the temporary copy is gone";
    Gdiplus::Bitmap again(paths.customImage.c_str());
    ASSERT_EQ(Gdiplus::Ok, again.GetLastStatus());
    EXPECT_EQ(320u, again.GetWidth());
    EXPECT_EQ(200u, again.GetHeight());

    // A file that is no picture stays as it was.
    const std::wstring text = windows / L"notes.jpg";
    ASSERT_TRUE(test::WriteBytes(text, "not a picture"));
    EXPECT_FALSE(ReencodeJpeg(text, 50));
    EXPECT_EQ("not a picture", test::ReadBytes(text));
}

TEST_F(LogonImage, APictureThatDoesNotLoadOrCannotBeWrittenChangesNothing) {
    CJpegEncoder encoder;
    ASSERT_TRUE(ApplyLogonImage(paths, picture, true, {320, 200}, encoder));
    const std::string before = test::ReadBytes(paths.customImage);
    ASSERT_FALSE(before.empty());
    RemoveOemBackground();

    const std::wstring notAPicture = windows / L"notes.png";
    ASSERT_TRUE(test::WriteBytes(notAPicture, "not a picture"));
    for (const std::wstring& bad : {windows / L"missing.png", notAPicture}) {
        FakeEncoder unused;
        EXPECT_FALSE(ApplyLogonImage(paths, bad, true, {320, 200}, unused));
        EXPECT_TRUE(unused.saved.empty());
        EXPECT_EQ(before, test::ReadBytes(paths.customImage));
        EXPECT_FALSE(OemBackgroundIsOne())
            << "the logon screen would look for a file we did not make";
    }

    // An encoder that cannot write leaves the value as it was too.
    class FailingEncoder : public CJpegEncoder {
        bool Save(HBITMAP, const std::wstring&) override { return false; }
    } failing;
    EXPECT_FALSE(ApplyLogonImage(paths, picture, true, {320, 200}, failing));
    EXPECT_FALSE(OemBackgroundIsOne());
}

// The 64-bit System32 holds the Windows picture; a 32-bit process under WOW64 sees
// SysWOW64 there unless it turns the redirection off.
TEST_F(LogonImage, ASystemPictureIsReadFromTheRealSystem32AndDecoded) {
    if (!IsWow64())
        GTEST_SKIP() << "only a 32-bit process under WOW64 is redirected";
    wchar_t system32[MAX_PATH] = L"";
    ASSERT_NE(0u, GetSystemDirectoryW(system32, MAX_PATH));
    const std::wstring path = std::wstring(system32) + L"\\orvane-logon-test.png";
    std::string bytes = test::ReadBytes(picture);
    ASSERT_FALSE(bytes.empty());
    {
        FsRedirectionOff off;
        ASSERT_TRUE(test::WriteBytes(path, bytes));
    }
    const LoadedPicture system = LoadSystemPicture(path);
    UniqueGdiObject owner(system.bitmap);
    const LoadedPicture redirected = LoadPicture(path);
    UniqueGdiObject redirectedOwner(redirected.bitmap);
    {
        FsRedirectionOff off;
        DeleteFileW(path.c_str());
    }
    ASSERT_NE(nullptr, system.bitmap);
    EXPECT_EQ(1000, system.size.cx);
    EXPECT_EQ(1000, system.size.cy);
    EXPECT_TRUE(Near(RGB(40, 60, 200), PixelOf(system.bitmap, 500, 500)));
    EXPECT_EQ(nullptr, redirected.bitmap) << "SysWOW64 has no such file";
    EXPECT_EQ(nullptr, LoadSystemPicture(windows / L"missing.png").bitmap);
}

TEST_F(LogonImage, BackToDefaultRemovesTheImageAndTheValue) {
    CJpegEncoder encoder;
    ApplyLogonImage(paths, picture, true, {320, 200}, encoder);
    ASSERT_GT(FileSizeOf(paths.customImage), 0);
    ASSERT_TRUE(OemBackgroundIsOne());
    EXPECT_TRUE(OemBackgroundMayBeSet());

    ApplyLogonImage(paths, std::wstring(), false, {320, 200}, encoder);
    EXPECT_EQ(-1, FileSizeOf(paths.customImage));
    EXPECT_FALSE(OemBackgroundIsOne());
    EXPECT_FALSE(OemBackgroundMayBeSet()) << "the key is there, the value is not";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(paths.backgroundsFolder.c_str()))
        << "the folder stays";
}

} // namespace
} // namespace orvane
