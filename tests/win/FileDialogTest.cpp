#include "framework/FileDialog.h"
#include "DialogWatcher.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <dlgs.h>

namespace orvane {
namespace {

// The Open dialog as the pages use it: the user's file comes back, a cancel changes
// nothing, and the filter's patterns show in the type list.
TEST(FileDialog, GivesTheChosenFileAndNothingWhenCancelled) {
    test::TempFolder folder;
    const std::wstring picture = folder / L"holiday.png";
    ASSERT_TRUE(test::WriteBytes(picture, "not really a picture"));

    std::wstring filterShown;
    test::DialogWatcher chooser([&](const test::SeenDialog& dialog) {
        if (dialog.caption != L"Pick a picture")
            return;
        wchar_t type[256] = L"";
        GetDlgItemTextW(dialog.window, cmb1, type, 256);
        filterShown = type;
        // The file name box: a combo box in the Explorer-style dialog.
        SetDlgItemTextW(dialog.window, cmb13, picture.c_str());
        test::PressButton(dialog.window, IDOK);
    });
    std::wstring chosen = L"unchanged";
    ASSERT_TRUE(AskForFile(nullptr, L"Pick a picture", kWallpaperPictureFilter, chosen));
    EXPECT_EQ(picture, chosen);
    EXPECT_EQ(0u, filterShown.find(L"*.jpg, *.jpeg, *.bmp")) << filterShown;

    test::DialogWatcher canceller([](const test::SeenDialog& dialog) {
        if (dialog.caption == L"Any file")
            test::PressButton(dialog.window, IDCANCEL);
    });
    std::wstring untouched = L"unchanged";
    EXPECT_FALSE(AskForFile(nullptr, L"Any file", nullptr, untouched));
    EXPECT_EQ(L"unchanged", untouched);
}

} // namespace
} // namespace orvane
