#include "framework/Gdiplus.h"
#include "resources/ids_tweaks.h"
#include "tweaks/DlgTabTweaks.h"
#include "MessagePump.h"
#include "TreeView.h"
#include "TweakTestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>

namespace orvane::test {
namespace {

enum : unsigned { W7 = 1, W8 = 2, W10 = 4, W11 = 8, All = 15 };

// The tree every system gets, in its order: groups in the order of their first tweak,
// items alphabetically within a group; each with the systems that offer it.
struct Offered {
    const wchar_t* group;
    const wchar_t* item;
    unsigned systems;
};
const Offered kTree[] = {
    {L"Explorer", L"Add \"Copy to\" to the context menu", All},
    {L"Explorer", L"Add \"Encrypt\"/\"Decrypt\" to the context menu", All},
    {L"Explorer", L"Add \"Move to\" to the context menu", All},
    {L"Explorer", L"Add \"Open with Notepad\" to the context menu", All},
    {L"Explorer", L"Add \"Take Ownership\" to the context menu", All},
    {L"Explorer", L"Remove \"Troubleshoot Compatibility\" from the context menu", All},
    {L"Explorer", L"Show Control Panel in the file explorer", All},
    {L"Explorer", L"Show Recycle Bin in the file explorer", All},
    {L"Taskbar", L"Button flash count", All},
    {L"Taskbar", L"Button width", W7 | W8 | W10},
    {L"Taskbar", L"Enable Last Active Click for buttons", All},
    {L"Taskbar", L"Glass effect", W10},
    {L"Taskbar", L"Increased transparency", W10},
    {L"Taskbar", L"Thumbnails", All},
    {L"Window", L"Caption height", W10 | W11},
    {L"Window", L"Scrollbar size", W10 | W11},
    {L"Other", L"All settings shortcut (\"God Mode\")", All},
    {L"Other", L"Disable blur effect on login screen", W10 | W11},
    {L"Other", L"Display seconds on the tray clock", W10},
    {L"Other", L"Legacy Balloon Notifications", W10 | W11},
    {L"Other", L"Registered owner name", All},
    {L"Other", L"Remove \"- Shortcut\" text from new shortcuts", All},
    {L"Other", L"Remove arrows on shortcut icons", W7 | W8 | W10},
    {L"Other", L"Transparency", W7 | W10 | W11},
    {L"Other", L"Verbose Startup/Shutdown Messages", All},
    {L"Other", L"Wallpaper quality", W10 | W11},
};

class TweakTabTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus.Ok()); }

    CDlgTabTweaks& Build(const std::wstring& system) {
        tab = std::make_unique<CDlgTabTweaks>(system, pageHost);
        HWND window = tab->Create(host.get());
        SetWindowPos(window, nullptr, 0, 0, 699, 396, SWP_NOZORDER | SWP_SHOWWINDOW);
        return *tab;
    }
    HWND Tree() const { return GetDlgItem(tab->GetSafeHwnd(), IDC_TWEAKS_TREE); }
    TreeReader Reader() const { return TreeReader(Tree()); }
    void Select(const std::wstring& text) const { Reader().Select(Reader().Find(text)); }

    GdiplusSession gdiplus;
    FakeTweakPageHost pageHost;
    HostWindow host{true};
    std::unique_ptr<CDlgTabTweaks> tab;
};

class TweakTreeTest : public TweakTabTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(TweakTreeTest, HoldsTheTweaksOfTheSystemInGroupsAndAlphabeticalOrder) {
    const unsigned system = GetParam();
    const std::wstring name = system == W7    ? L"Windows7"
                              : system == W8  ? L"Windows8"
                              : system == W10 ? L"Windows10"
                                              : L"Windows11";
    Build(name);
    std::vector<std::wstring> expected;
    for (const Offered& offered : kTree)
        if (offered.systems & system)
            expected.push_back(std::wstring(offered.group) + L"/" + offered.item);
    EXPECT_EQ(expected, Reader().Lines());

    // Every tweak has its page, offered or not, hidden until it is selected.
    ASSERT_EQ(std::size(kTree), tab->Entries().size());
    for (const auto& entry : tab->Entries()) {
        ASSERT_TRUE(entry.page->GetSafeHwnd()) << entry.item;
        EXPECT_FALSE(IsWindowVisible(entry.page->GetSafeHwnd()));
        EXPECT_EQ(tab->GetSafeHwnd(), GetParent(entry.page->GetSafeHwnd()));
        EXPECT_EQ(entry.treeItem != nullptr, Reader().Find(entry.item) != nullptr) << entry.item;
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, TweakTreeTest, ::testing::Values(W7, W8, W10, W11),
                         [](const auto& info) {
                             return std::string(info.param == W7    ? "Windows7"
                                                : info.param == W8  ? "Windows8"
                                                : info.param == W10 ? "Windows10"
                                                                    : "Windows11");
                         });

TEST_F(TweakTabTest, BeforeWindowsSevenTheTreeIsEmptyAndTheWelcomePictureStays) {
    Build(L"");
    EXPECT_TRUE(Reader().Lines().empty());
    EXPECT_FALSE(tab->PageShown());
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(tab->GetSafeHwnd(), IDC_TWEAKS_HELP)));
    Build(L"Windows 10");
    EXPECT_TRUE(Reader().Lines().empty()) << "names are compared exactly";
}

// The colour on screen at a point of the tab, once everything has painted.
COLORREF ScreenColour(HWND window, int x, int y) {
    UpdateWindow(window);
    test::PumpMessages(50);
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// A point given in pixels for the standard dialog units (6 x 13), where the tab's own
// units make it.
POINT InTab(HWND tab, int x, int y) {
    RECT units = {0, 0, 4, 8};
    MapDialogRect(tab, &units);
    return {MulDiv(x, units.right, 6), MulDiv(y, units.bottom, 13)};
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) < 12 &&
           std::abs(GetGValue(a) - GetGValue(b)) < 12 && std::abs(GetBValue(a) - GetBValue(b)) < 12;
}

TEST_F(TweakTabTest, ATweakShowsItsPageInPlaceOfTheWelcomePictureAndTheHelpButton) {
    Build(L"Windows10");
    HWND window = tab->GetSafeHwnd();
    HWND help = GetDlgItem(window, IDC_TWEAKS_HELP);
    // The monitor's bezel in the picture, drawn at (215, 25) in standard units.
    const COLORREF bezel = RGB(0x2B, 0x39, 0x56);
    const POINT picture = InTab(window, 215, 25);
    const auto bezelShows = [&] {
        return Near(bezel, ScreenColour(window, picture.x + 60, picture.y + 120));
    };
    EXPECT_TRUE(bezelShows());

    Select(L"Button flash count");
    const CDlgTweakPage* flash = nullptr;
    for (const auto& entry : tab->Entries())
        if (entry.item == L"Button flash count")
            flash = entry.page.get();
    ASSERT_TRUE(flash);
    EXPECT_TRUE(tab->PageShown());
    EXPECT_TRUE(IsWindowVisible(flash->GetSafeHwnd()));
    EXPECT_FALSE(IsWindowVisible(help));
    RECT placed, tree;
    GetWindowRect(flash->GetSafeHwnd(), &placed);
    GetWindowRect(Tree(), &tree);
    EXPECT_GT(placed.left, tree.right) << "clear of the tree";
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
    const POINT standard = InTab(window, 232, 11);
    EXPECT_EQ(standard.x, placed.left);
    EXPECT_EQ(standard.y, placed.top);
    EXPECT_FALSE(bezelShows());

    // Another tweak takes its place; a group brings the picture and the Help button back.
    Select(L"Thumbnails");
    EXPECT_FALSE(IsWindowVisible(flash->GetSafeHwnd()));
    EXPECT_TRUE(tab->PageShown());
    Select(L"Other");
    EXPECT_FALSE(tab->PageShown());
    EXPECT_TRUE(IsWindowVisible(help));
    for (const auto& entry : tab->Entries())
        EXPECT_FALSE(IsWindowVisible(entry.page->GetSafeHwnd())) << entry.item;
    EXPECT_TRUE(bezelShows());

    EXPECT_EQ(L"Help", ControlText(window, IDC_TWEAKS_HELP));
    Click(window, IDC_TWEAKS_HELP);
    EXPECT_EQ(std::vector<std::wstring>{L"tweaks"}, pageHost.helpPages);
}

TEST_F(TweakTabTest, AChangeOfLanguageRebuildsTheTreeWithTheNewNamesSortedAgain) {
    Build(L"Windows10");
    Select(L"Button width");
    const CDlgTweakPage* before = tab->Entries().front().page.get();
    tab->ApplyTexts();
    EXPECT_EQ(before, tab->Entries().front().page.get()) << "the same texts: nothing to rebuild";
    EXPECT_TRUE(tab->PageShown());

    pageHost.UseLanguage(L"80=Explorateur\r\n81=Zz copier\r\n87=Aa chiffrer\r\n125=Largeur\r\n");
    tab->ApplyTexts();
    EXPECT_FALSE(tab->PageShown()) << "the pages are new and none is shown";
    const std::vector<std::wstring> lines = Reader().Lines();
    ASSERT_EQ(26u, lines.size()) << "Windows 10 has them all";
    EXPECT_EQ(L"Explorateur/Aa chiffrer", lines.front());
    EXPECT_EQ(L"Explorateur/Zz copier", lines[7]);
    EXPECT_EQ(L"Taskbar/Increased transparency", lines[11]);
    EXPECT_EQ(L"Taskbar/Largeur", lines[12]);
}

} // namespace
} // namespace orvane::test
