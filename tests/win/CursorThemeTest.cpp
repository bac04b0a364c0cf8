#include "core/Options.h"
#include "core/Translate.h"
#include "framework/Gdiplus.h"
#include "personalize/CursorPageHost.h"
#include "personalize/CursorTheme.h"
#include "personalize/DlgTabCursor.h"
#include "resources/ids_personalize.h"
#include "TempFolder.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::TempFolder;

constexpr DWORD kNormal = 32512, kHand = 32649, kWait = 32514;

std::wstring DistFolder() {
    wchar_t buffer[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"ORVANE_DIST", buffer, MAX_PATH);
    return buffer;
}

std::vector<std::wstring> FilesIn(const std::wstring& folder, const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\" + pattern).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(entry.cFileName);
    while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// Records which file each system cursor would now come from, instead of changing the
// desktop's cursors (Wine does not replace them at all).
class FakeCursors : public CCursorSystem {
public:
    HCURSOR LoadFromFile(const std::wstring& path) override {
        loads.push_back(path);
        HCURSOR cursor = CCursorSystem::LoadFromFile(path);
        if (cursor)
            files[cursor] = path;
        return cursor;
    }
    BOOL SetSystemCursor(HCURSOR cursor, DWORD id) override {
        if (!accept)
            return FALSE;
        current[id] = files[cursor];
        DestroyCursor(cursor); // the system's now
        return TRUE;
    }
    BOOL ReloadSystemCursors() override {
        ++reloads;
        current.clear();
        return FALSE; // as under Wine
    }

    bool accept = true;
    std::vector<std::wstring> loads;
    std::map<HCURSOR, std::wstring> files;
    std::map<DWORD, std::wstring> current;
    int reloads = 0;
};

// Theme folders built from the program's own cursor files.
class CursorThemes : public ::testing::Test {
protected:
    void SetUp() override {
        shipped = DistFolder() + L"\\cursors";
        const std::vector<std::wstring> themes = FilesIn(shipped, L"*");
        for (const std::wstring& name : themes)
            if (name != L"." && name != L"..") {
                if (cur.empty() && !FilesIn(shipped + L"\\" + name, L"normal.cur").empty())
                    cur = shipped + L"\\" + name + L"\\normal.cur";
                if (ani.empty() && !FilesIn(shipped + L"\\" + name, L"wait.ani").empty())
                    ani = shipped + L"\\" + name + L"\\wait.ani";
            }
        ASSERT_FALSE(cur.empty()) << "a shipped .cur file";
        ASSERT_FALSE(ani.empty()) << "a shipped .ani file";
        CreateDirectoryW((program / L"cursors").c_str(), nullptr);
    }

    // A theme folder with these files, copied from a shipped .cur or .ani by extension.
    std::wstring Theme(const std::wstring& name, const std::vector<std::wstring>& files) {
        const std::wstring folder = program.Path() + L"\\cursors\\" + name;
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const std::wstring& file : files) {
            const bool isAni = file.size() > 4 && file.compare(file.size() - 4, 4, L".ani") == 0;
            EXPECT_TRUE(
                CopyFileW((isAni ? ani : cur).c_str(), (folder + L"\\" + file).c_str(), FALSE));
        }
        return folder;
    }

    std::wstring shipped, cur, ani;
    TempFolder program;
};

TEST_F(CursorThemes, AFolderIsAThemeOnlyWithANormalCursor) {
    const std::wstring curOnly = Theme(L"Plain", {L"normal.cur"});
    const std::wstring aniOnly = Theme(L"Moving", {L"normal.ani", L"wait.ani"});
    Theme(L"HandOnly", {L"hand.ani", L"wait.cur"});
    Theme(L"Empty", {});
    ASSERT_TRUE(
        test::WriteBytes(program.Path() + L"\\cursors\\normal.cur", "a file, not a folder"));

    std::vector<std::wstring> found = ScanThemes(program.Path());
    std::sort(found.begin(), found.end());
    EXPECT_EQ((std::vector<std::wstring>{aniOnly, curOnly}), found);

    TempFolder bare; // no "cursors" folder at all
    EXPECT_TRUE(ScanThemes(bare.Path()).empty());
}

TEST_F(CursorThemes, AThemeReplacesOnlyTheCursorsItHas) {
    FakeCursors system;
    const std::wstring a = Theme(L"A", {L"normal.cur", L"hand.cur", L"wait.ani"});
    const std::wstring b = Theme(L"B", {L"normal.cur"});

    ApplyCursorTheme(a, system);
    EXPECT_EQ(a + L"\\normal.cur", system.current[kNormal]);
    EXPECT_EQ(a + L"\\hand.cur", system.current[kHand]);
    EXPECT_EQ(a + L"\\wait.ani", system.current[kWait]);

    ApplyCursorTheme(b, system);
    EXPECT_EQ(b + L"\\normal.cur", system.current[kNormal]);
    EXPECT_EQ(a + L"\\hand.cur", system.current[kHand]) << "B has no hand: A's stays";
    EXPECT_EQ(a + L"\\wait.ani", system.current[kWait]);

    ApplyCursorTheme(std::wstring(), system);
    EXPECT_EQ(1, system.reloads);
    EXPECT_TRUE(system.current.empty());
}

TEST_F(CursorThemes, AnAnimatedFileComesBeforeAStillOne) {
    FakeCursors system;
    const std::wstring both = Theme(L"Both", {L"normal.ani", L"normal.cur"});
    ApplyCursorTheme(both, system);
    EXPECT_EQ(both + L"\\normal.ani", system.current[kNormal]);
    EXPECT_EQ(0, std::count(system.loads.begin(), system.loads.end(), both + L"\\normal.cur"));

    // An .ani that does not load gives way to the .cur.
    const std::wstring broken = Theme(L"Broken", {L"normal.cur"});
    ASSERT_TRUE(test::WriteBytes(broken + L"\\normal.ani", "RIFF, but not really"));
    ApplyCursorTheme(broken, system);
    EXPECT_EQ(broken + L"\\normal.cur", system.current[kNormal]);
}

TEST_F(CursorThemes, ACursorTheSystemRefusesIsFreed) {
    FakeCursors system;
    system.accept = false;
    ApplyCursorTheme(Theme(L"A", {L"normal.cur"}), system);
    ASSERT_EQ(1u, system.files.size());
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(system.files.begin()->first, &info)) << "destroyed";
}

TEST_F(CursorThemes, EveryShippedCursorLoadsAndTheBusyOnesMove) {
    const std::vector<std::wstring> themes = ScanThemes(DistFolder());
    EXPECT_GE(themes.size(), 5u);
    GdiplusSession gdiplus;
    int animated = 0;
    for (const std::wstring& theme : themes) {
        SCOPED_TRACE(test::Narrow(theme));
        for (const wchar_t* role : {L"normal", L"hand", L"wait"})
            EXPECT_EQ(1u, FilesIn(theme, std::wstring(role) + L".*").size()) << "one file per role";
        for (const std::wstring& file : FilesIn(theme, L"*.???")) {
            if (file == L"preview.png")
                continue;
            SCOPED_TRACE(test::Narrow(file));
            HCURSOR cursor = LoadCursorFromFileW((theme + L"\\" + file).c_str());
            ASSERT_NE(nullptr, cursor);
            if (file == L"wait.ani") {
                // Two steps of the animation draw differently.
                HDC screen = GetDC(nullptr);
                HDC dc = CreateCompatibleDC(screen);
                HBITMAP frames = CreateCompatibleBitmap(screen, 64, 32);
                HGDIOBJ previous = SelectObject(dc, frames);
                PatBlt(dc, 0, 0, 64, 32, WHITENESS);
                DrawIconEx(dc, 0, 0, cursor, 32, 32, 0, nullptr, DI_NORMAL);
                DrawIconEx(dc, 32, 0, cursor, 32, 32, 3, nullptr, DI_NORMAL);
                int differing = 0;
                for (int y = 0; y < 32; ++y)
                    for (int x = 0; x < 32; ++x)
                        differing += GetPixel(dc, x, y) != GetPixel(dc, x + 32, y);
                SelectObject(dc, previous);
                DeleteObject(frames);
                DeleteDC(dc);
                ReleaseDC(nullptr, screen);
                EXPECT_GT(differing, 20) << "the busy cursor is animated";
                ++animated;
            }
            DestroyCursor(cursor);
        }
        Gdiplus::Bitmap preview((theme + L"\\preview.png").c_str());
        EXPECT_EQ(Gdiplus::Ok, preview.GetLastStatus());
    }
    EXPECT_GE(animated, 2);
}

// The page's program: the test's settings, texts, program folder and cursors.
class TestCursorHost : public ICursorPageHost {
public:
    TestCursorHost(const std::wstring& programFolder, CCursorSystem& cursors)
        : programFolder(programFolder), cursors(cursors) {}
    COptions& Options() override { return options; }
    const CTranslate& Texts() override { return texts; }
    std::wstring ProgramFolder() override { return programFolder; }
    CCursorSystem& Cursors() override { return cursors; }
    void OpenHelp(const wchar_t*) override {}

    COptions options;
    CTranslate texts;
    std::wstring programFolder;
    CCursorSystem& cursors;
};

// The Cursor page on the test's theme folders.
class CursorPage : public CursorThemes {
protected:
    void SetUp() override {
        CursorThemes::SetUp();
        ASSERT_TRUE(gdiplus.Ok());
        host.texts.SetFolder(languages.Path());
        host.texts.LoadLanguage(L"English");
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 720, 420, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(nullptr, parent);
    }
    void TearDown() override {
        page.reset();
        DestroyWindow(parent);
    }
    void Open() {
        page = std::make_unique<CDlgTabCursor>(host);
        ASSERT_NE(nullptr, page->Create(parent));
        list = GetDlgItem(page->GetSafeHwnd(), IDC_CURSOR_THEMES);
    }
    HWND Item(int id) const { return GetDlgItem(page->GetSafeHwnd(), id); }
    int Selected() const {
        return static_cast<int>(
            SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    void Select(int item) {
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&state));
    }
    // The picture of a list item, drawn as the list draws it.
    COLORREF PreviewPixel(int item, int x, int y) {
        auto images =
            reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, CDlgTabCursor::kPreviewSize,
                                                CDlgTabCursor::kPreviewSize);
        HGDIOBJ previous = SelectObject(dc, canvas);
        ImageList_Draw(images, item, dc, 0, 0, ILD_NORMAL);
        const COLORREF pixel = GetPixel(dc, x, y);
        SelectObject(dc, previous);
        DeleteObject(canvas);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return pixel;
    }

    GdiplusSession gdiplus;
    TempFolder languages;
    FakeCursors system;
    TestCursorHost host{program.Path(), system};
    HWND parent = nullptr;
    HWND list = nullptr;
    std::unique_ptr<CDlgTabCursor> page;
};

TEST_F(CursorPage, ShowsEachThemeAsAPreviewFittedIntoItsSquare) {
    const std::wstring wide = Theme(L"Wide", {L"normal.cur"});
    const std::wstring tall = Theme(L"Tall", {L"normal.cur"});
    Theme(L"Bare", {L"normal.cur"}); // no preview: an empty square
    const auto red = [](Gdiplus::Graphics& g) { g.Clear(Gdiplus::Color(255, 220, 20, 20)); };
    ASSERT_TRUE(test::WritePicture(wide + L"\\preview.png", 200, 100, red));
    ASSERT_TRUE(test::WritePicture(tall + L"\\preview.png", 100, 200, red));
    Open();
    ASSERT_EQ(3, SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const COLORREF background = static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
    const std::vector<std::wstring>& themes = page->Themes();
    for (std::size_t i = 0; i < themes.size(); ++i) {
        const int item = static_cast<int>(i);
        SCOPED_TRACE(test::Narrow(themes[i]));
        wchar_t label[16] = L"?";
        LVITEMW text = {};
        text.iSubItem = 0;
        text.pszText = label;
        text.cchTextMax = 16;
        SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&text));
        EXPECT_STREQ(L"", label);
        const COLORREF red = RGB(220, 20, 20);
        if (themes[i] == wide) { // 96 x 48 at (0, 24)
            EXPECT_TRUE(test::Near(background, PreviewPixel(item, 48, 20)));
            EXPECT_TRUE(test::Near(red, PreviewPixel(item, 48, 28)));
            EXPECT_TRUE(test::Near(red, PreviewPixel(item, 2, 68)));
            EXPECT_TRUE(test::Near(background, PreviewPixel(item, 48, 75)));
        } else if (themes[i] == tall) { // 48 x 96 at (24, 0)
            EXPECT_TRUE(test::Near(background, PreviewPixel(item, 20, 48)));
            EXPECT_TRUE(test::Near(red, PreviewPixel(item, 28, 2)));
            EXPECT_TRUE(test::Near(background, PreviewPixel(item, 75, 48)));
        } else {
            EXPECT_TRUE(test::Near(background, PreviewPixel(item, 48, 48)));
        }
    }
}

TEST_F(CursorPage, PickingAThemeAppliesItAndDefaultGivesTheSystemItsCursors) {
    Theme(L"A", {L"normal.cur", L"hand.cur"});
    Theme(L"B", {L"normal.ani"});
    Open();
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CURSOR_DEFAULT))) << "nothing to restore yet";
    EXPECT_EQ(-1, Selected());
    ASSERT_EQ(2u, page->Themes().size());

    Select(1);
    const std::wstring chosen = page->Themes()[1];
    EXPECT_EQ(chosen, host.options.GetString(L"strCursorPath"));
    EXPECT_EQ(0u, system.current[kNormal].find(chosen));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CURSOR_DEFAULT)));

    SendMessageW(page->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_CURSOR_DEFAULT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDC_CURSOR_DEFAULT)));
    EXPECT_EQ(1, system.reloads);
    EXPECT_EQ(L"", host.options.GetString(L"strCursorPath"));
    EXPECT_EQ(-1, Selected());
    EXPECT_EQ(-1, SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CURSOR_DEFAULT)));
    EXPECT_EQ(1, system.reloads) << "clearing the selection applies nothing more";

    // The page opened again shows the stored theme selected, without applying it again.
    Select(0);
    const std::wstring stored = page->Themes()[0];
    const std::size_t loads = system.loads.size();
    Open();
    EXPECT_EQ(0, Selected());
    EXPECT_EQ(0, SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
    EXPECT_EQ(stored, page->Themes()[0]);
    EXPECT_EQ(loads, system.loads.size());
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CURSOR_DEFAULT)));
}

} // namespace
} // namespace orvane
