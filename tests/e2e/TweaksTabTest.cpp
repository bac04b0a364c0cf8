#include "OrvaneProcess.h"
#include "Screenshot.h"
#include "TreeView.h"

#include "resources/ids_app.h"
#include "resources/ids_tweaks.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlwapi.h>

namespace orvane::test {
namespace {

BOOL CALLBACK FindTree(HWND window, LPARAM found) {
    if (GetDlgCtrlID(window) == IDC_TWEAKS_TREE) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Orvane under a Windows version Wine pretends to be, with the Tweaks tab open.
class TweaksTab {
public:
    explicit TweaksTab(const wchar_t* version) {
        SHSetValueW(HKEY_CURRENT_USER, kAppDefaults, L"Version", REG_SZ, version,
                    static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
        if (!m_orvane.Start() || !(main = m_orvane.MainWindow()))
            return;
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                m_orvane.Id());
        HWND tabs = GetDlgItem(main, IDC_MAIN_TABS);
        // The window exists before its tabs do.
        WaitFor([&] {
            EnumChildWindows(tabs, FindTree, reinterpret_cast<LPARAM>(&tree));
            return tree != nullptr;
        });
        // The tab control moves on by one tab for each right arrow, as with the keyboard.
        for (int i = 0; tree && i < 12 && !IsWindowVisible(tree); ++i) {
            PostMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);
            PostMessageW(tabs, WM_KEYUP, VK_RIGHT, 0xC0000000);
            WaitFor([&] { return IsWindowVisible(tree) != FALSE; }, 300);
        }
        page = GetParent(tree);
    }
    ~TweaksTab() {
        if (m_process)
            CloseHandle(m_process);
        m_orvane.Exit();
        m_orvane.WaitForExit();
        SHDeleteKeyW(HKEY_CURRENT_USER, kAppDefaults);
    }
    TweaksTab(const TweaksTab&) = delete;
    TweaksTab& operator=(const TweaksTab&) = delete;

    bool Open() const { return tree && IsWindowVisible(tree); }

    std::vector<std::wstring> Lines() const { return TreeReader(tree, m_process).Lines(); }

    // Selects an item by its text; returns the tweak page then shown (null for a group).
    HWND Select(const std::wstring& text) const {
        const TreeReader reader(tree, m_process);
        HTREEITEM item = reader.Find(text);
        if (!item)
            return nullptr;
        reader.Select(item);
        return ShownPage();
    }

    HWND ShownPage() const {
        for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child) && GetDlgItem(child, IDC_TWEAK_TITLE))
                return child;
        return nullptr;
    }

    HWND main = nullptr;
    HWND tree = nullptr;
    HWND page = nullptr;

private:
    static constexpr const wchar_t* kAppDefaults = L"Software\\Wine\\AppDefaults\\Orvane.exe";
    OrvaneProcess m_orvane;
    HANDLE m_process = nullptr;
};

std::vector<std::wstring> Groups(const std::vector<std::wstring>& lines) {
    std::vector<std::wstring> groups;
    for (const std::wstring& line : lines) {
        const std::wstring group = line.substr(0, line.find(L'/'));
        if (groups.empty() || groups.back() != group)
            groups.push_back(group);
    }
    return groups;
}

bool Has(const std::vector<std::wstring>& lines, const std::wstring& item) {
    for (const std::wstring& line : lines)
        if (line.substr(line.find(L'/') + 1) == item)
            return true;
    return false;
}

TEST(TweaksTab, OffersTheTweaksOfTheWindowsVersionItRunsOn) {
    using Lines = std::vector<std::wstring>;
    {
        TweaksTab tab(L"win7");
        ASSERT_TRUE(tab.Open());
        const Lines lines = tab.Lines();
        EXPECT_EQ((Lines{L"Explorer", L"Taskbar", L"Other"}), Groups(lines));
        EXPECT_EQ(18u, lines.size());
        for (const wchar_t* absent :
             {L"Glass effect", L"Increased transparency", L"Caption height", L"Scrollbar size",
              L"Wallpaper quality", L"Legacy Balloon Notifications",
              L"Display seconds on the tray clock", L"Disable blur effect on login screen"})
            EXPECT_FALSE(Has(lines, absent)) << Narrow(absent);
    }
    {
        TweaksTab tab(L"win10");
        ASSERT_TRUE(tab.Open());
        const Lines lines = tab.Lines();
        EXPECT_EQ((Lines{L"Explorer", L"Taskbar", L"Window", L"Other"}), Groups(lines));
        EXPECT_EQ(26u, lines.size());
        SaveScreenshot(tab.main, L"tweaks-tab");
    }
    {
        TweaksTab tab(L"winxp");
        ASSERT_TRUE(tab.tree);
        EXPECT_TRUE(tab.Lines().empty());
    }
}

TEST(TweaksTab, EachKindOfPageShowsInPlaceOfTheWelcomePicture) {
    TweaksTab tab(L"win10");
    ASSERT_TRUE(tab.Open());
    HWND help = GetDlgItem(tab.page, IDC_TWEAKS_HELP);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(nullptr, tab.ShownPage());

    const struct {
        const wchar_t* item;
        const wchar_t* shot;
        int control; // a control the page must have
    } pages[] = {
        {L"Add \"Copy to\" to the context menu", L"tweak-check-box", IDC_TWEAK_ENABLE},
        {L"Enable Last Active Click for buttons", L"tweak-follow-up", IDC_TWEAK_FOLLOW_UP},
        {L"Display seconds on the tray clock", L"tweak-show-hide", IDC_TWEAK_SHOW},
        {L"Disable blur effect on login screen", L"tweak-disable-box", IDC_TWEAK_DISABLE},
        {L"Button flash count", L"tweak-number", IDC_TWEAK_FLASH_COUNT},
        {L"Wallpaper quality", L"tweak-number-slider", IDC_TWEAK_QUALITY_SLIDER},
        {L"Registered owner name", L"tweak-owner-name", IDC_TWEAK_OWNER},
        {L"All settings shortcut (\"God Mode\")", L"tweak-god-mode", IDC_TWEAK_NEW},
        {L"Transparency", L"tweak-transparency", IDC_TWEAK_WINDOWS_SLIDER},
        {L"Glass effect", L"tweak-glass", IDC_TWEAK_ENABLE},
        {L"Increased transparency", L"tweak-increased-transparency", IDC_TWEAK_FOLLOW_UP},
        {L"Caption height", L"tweak-caption-height", IDC_TWEAK_CAPTION_DEFAULT},
        {L"Scrollbar size", L"tweak-scrollbar", IDC_TWEAK_SCROLL_HEIGHT_SLIDER},
        {L"Button width", L"tweak-button-width", IDC_TWEAK_BUTTON_WIDTH_SLIDER},
        {L"Thumbnails", L"tweak-thumbnails", IDC_TWEAK_THUMB_COUNT_SLIDER},
    };
    for (const auto& page : pages) {
        HWND shown = tab.Select(page.item);
        ASSERT_TRUE(shown) << Narrow(page.item);
        EXPECT_EQ(page.item, WindowText(GetDlgItem(shown, IDC_TWEAK_TITLE)));
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(shown, page.control))) << Narrow(page.item);
        EXPECT_FALSE(IsWindowVisible(help));
        SaveScreenshot(tab.main, page.shot);
    }
    EXPECT_EQ(nullptr, tab.Select(L"Taskbar"));
    EXPECT_TRUE(IsWindowVisible(help));
}

} // namespace
} // namespace orvane::test
