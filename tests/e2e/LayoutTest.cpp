// Every page of the main window at the display scales users have, and with a dialog font
// wider than Windows' own: each page inside its tab's display area, each visible control
// inside its page, and no single-line text wider than its control.
#include "OrvaneProcess.h"
#include "RemoteControls.h"
#include "TreeView.h"

#include "resources/ids_app.h"
#include "resources/ids_effectpages.h"
#include "resources/ids_tweaks.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlwapi.h>

#include <sstream>

namespace orvane::test {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kSubstitutesKey[] =
    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
constexpr wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\Orvane.exe";
// The test prefix maps the dialog font to a face with Windows' metrics; without that,
// Wine's own Tahoma takes its place, wider by about a tenth.
constexpr wchar_t kWindowsLikeFace[] = L"DejaVu Sans Condensed";
constexpr wchar_t kWineFace[] = L"Tahoma";
// The pages' titles are drawn bold, 14 pixels high at 100 %.
constexpr int kTitleId = 1023;

// The font substitutes are read from the system's own (64-bit) view of the registry.
std::wstring ReadSubstitute() {
    wchar_t value[256] = L"";
    DWORD size = sizeof value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSubstitutesKey, 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
        ERROR_SUCCESS)
        return L"";
    if (RegQueryValueExW(key, L"MS Shell Dlg", nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                         &size) != ERROR_SUCCESS)
        value[0] = L'\0';
    RegCloseKey(key);
    return value;
}

void WriteSubstitute(const std::wstring& face) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSubstitutesKey, 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"MS Shell Dlg", 0, REG_SZ, reinterpret_cast<const BYTE*>(face.c_str()),
                   static_cast<DWORD>((face.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// The display scale and dialog font that Orvane programs started from now on get, put
// back as they were at the end of the scope.
class DisplaySetting {
public:
    DisplaySetting(UINT dpi, const wchar_t* face) : m_face(ReadSubstitute()) {
        DWORD size = sizeof m_dpi;
        if (SHGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", nullptr, &m_dpi, &size) !=
            ERROR_SUCCESS)
            m_dpi = 0;
        SHSetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
        WriteSubstitute(face);
    }
    ~DisplaySetting() {
        if (m_dpi)
            SHSetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &m_dpi,
                        sizeof m_dpi);
        else
            SHDeleteValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
        if (!m_face.empty())
            WriteSubstitute(m_face);
    }
    DisplaySetting(const DisplaySetting&) = delete;
    DisplaySetting& operator=(const DisplaySetting&) = delete;

private:
    DWORD m_dpi = 0;
    std::wstring m_face;
};

RECT ScreenRect(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    return area;
}

RECT ClientScreenRect(HWND window) {
    RECT area;
    GetClientRect(window, &area);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& area) {
    std::ostringstream text;
    text << "(" << area.left << "," << area.top << ")-(" << area.right << "," << area.bottom << ")";
    return text.str();
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text)
        narrow.push_back(c < 128 ? static_cast<char>(c) : '?');
    return narrow;
}

// Measures texts as Orvane's controls draw them: the dialog font (8 points) or the
// pages' bold title font, in the face and at the scale under test.
class TextMeter {
public:
    TextMeter(UINT dpi, const wchar_t* face) : m_dpi(dpi), m_dc(CreateCompatibleDC(nullptr)) {
        m_dialogFont = CreateFontW(-MulDiv(8, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, 0, 0,
                                   0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
        m_titleFont = CreateFontW(MulDiv(14, static_cast<int>(dpi), 96), 0, 0, 0, FW_BOLD, 0, 0, 0,
                                  DEFAULT_CHARSET, 0, 0, 0, 0, face);
    }
    ~TextMeter() {
        DeleteObject(m_dialogFont);
        DeleteObject(m_titleFont);
        DeleteDC(m_dc);
    }
    TextMeter(const TextMeter&) = delete;
    TextMeter& operator=(const TextMeter&) = delete;

    SIZE Measure(const std::wstring& text, bool title) const {
        HGDIOBJ old = SelectObject(m_dc, title ? m_titleFont : m_dialogFont);
        SIZE size = {};
        GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(m_dc, old);
        return size;
    }
    int Scaled(int pixels) const { return MulDiv(pixels, static_cast<int>(m_dpi), 96); }

private:
    UINT m_dpi;
    HDC m_dc;
    HFONT m_dialogFont;
    HFONT m_titleFont;
};

// The text a control shows: "&" marks the next letter as a shortcut and is not drawn.
std::wstring ShownText(const std::wstring& text) {
    std::wstring shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        shown.push_back(text[i]);
    }
    return shown;
}

// The width the control leaves its text, or -1 for a control whose text may wrap or is
// the user's own.
int RoomForText(HWND control, const TextMeter& meter, int lineHeight) {
    const std::wstring type = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client;
    GetClientRect(control, &client);
    if (type == L"Static") {
        const LONG kind = style & SS_TYPEMASK;
        if (kind != SS_LEFT && kind != SS_CENTER && kind != SS_RIGHT && kind != SS_SIMPLE &&
            kind != SS_LEFTNOWORDWRAP)
            return -1;
        // Wrapping labels are single lines only where they have room for no second one.
        const bool wraps = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
        if (wraps && client.bottom >= 2 * lineHeight)
            return -1;
        return client.right;
    }
    if (type == L"Button") {
        if (style & BS_MULTILINE)
            return -1;
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON: {
            const bool icon = SendMessageW(control, BM_GETIMAGE, IMAGE_ICON, 0) != 0;
            return client.right - meter.Scaled(6) - (icon ? meter.Scaled(14 + 4) : 0);
        }
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return client.right - meter.Scaled(16);
        case BS_GROUPBOX:
            return client.right - meter.Scaled(12);
        case BS_OWNERDRAW: // the pages' links: an icon, then the text
            return client.right - meter.Scaled(14 + 4);
        default:
            return -1;
        }
    }
    return -1;
}

struct Failures {
    std::vector<std::string> lines;
    void Add(const std::string& where, const std::string& what) {
        lines.push_back(where + ": " + what);
    }
};

struct LayoutCheck {
    const TextMeter& meter;
    Failures& failures;
    std::string where;
    int lineHeight;
};

BOOL CALLBACK CheckControl(HWND control, LPARAM context) {
    auto& check = *reinterpret_cast<LayoutCheck*>(context);
    HWND parent = GetParent(control);
    if (!IsWindowVisible(control) || ClassOf(parent) != L"#32770")
        return TRUE;
    const RECT area = ScreenRect(control);
    if (area.right <= area.left || area.bottom <= area.top)
        return TRUE; // a control put out of the way
    wchar_t text[512] = L"";
    GetWindowTextW(control, text, 512);
    std::ostringstream name;
    name << "control " << GetDlgCtrlID(control) << " (" << Narrow(ClassOf(control)) << " \""
         << Narrow(text) << "\")";
    if (!Inside(area, ClientScreenRect(parent)))
        check.failures.Add(check.where, name.str() + " at " + Describe(area) + " leaves its page " +
                                            Describe(ClientScreenRect(parent)));
    const int room = RoomForText(control, check.meter, check.lineHeight);
    const std::wstring shown = ShownText(text);
    if (room >= 0 && !shown.empty()) {
        const SIZE size = check.meter.Measure(shown, GetDlgCtrlID(control) == kTitleId);
        if (size.cx > room) {
            std::ostringstream what;
            what << name.str() << " needs " << size.cx << " pixels for its text, has " << room;
            check.failures.Add(check.where, what.str());
        }
    }
    return TRUE;
}

// Checks what the main window shows now: its page inside the display area, and every
// visible control below it.
void CheckShownPage(HANDLE process, HWND tabs, const TextMeter& meter, const std::string& where,
                    Failures& failures) {
    const RECT display = TabDisplayArea(process, tabs);
    for (HWND page = GetWindow(tabs, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT)) {
        if (!IsWindowVisible(page) || ClassOf(page) != L"#32770")
            continue;
        if (!Inside(ScreenRect(page), display))
            failures.Add(where, "the page at " + Describe(ScreenRect(page)) +
                                    " leaves the display area " + Describe(display));
        const RECT placed = ScreenRect(page);
        if (!EqualRect(&display, &placed))
            failures.Add(where, "the page at " + Describe(ScreenRect(page)) +
                                    " does not fill the display area " + Describe(display));
    }
    LayoutCheck check{meter, failures, where, meter.Measure(L"Ag", false).cy};
    EnumChildWindows(tabs, CheckControl, reinterpret_cast<LPARAM>(&check));
}

HWND TreeOfTab(HWND tabs, int treeId) {
    HWND page = FindWindowHolding(tabs, treeId);
    return page ? GetDlgItem(page, treeId) : nullptr;
}

// Every tab, every effect page and every tweak page of one run of Orvane.
void CheckEveryPage(UINT dpi, const wchar_t* face, const wchar_t* version, Failures& failures) {
    SHSetValueW(HKEY_CURRENT_USER, kAppDefaults, L"Version", REG_SZ, version,
                static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    RemoteProcess process(orvane.Id());
    HWND tabs = GetDlgItem(main, IDC_MAIN_TABS);
    HWND effects = nullptr, tweaks = nullptr;
    // The trees are filled once the pages exist.
    ASSERT_TRUE(WaitFor([&] {
        effects = TreeOfTab(tabs, IDC_EFFECTS_TREE);
        tweaks = TreeOfTab(tabs, IDC_TWEAKS_TREE);
        return effects && tweaks && TreeItems(effects).size() == 17;
    }));
    TextMeter meter(dpi, face);
    std::ostringstream setting;
    setting << dpi << " DPI, " << Narrow(face) << ", " << Narrow(version);

    if (dpi == 192) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const RECT window = ScreenRect(main);
        if (window.right - window.left > work.right - work.left ||
            window.bottom - window.top > work.bottom - work.top)
            failures.Add(setting.str(), "the main window " + Describe(window) +
                                            " is larger than the work area " + Describe(work));
    }

    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const std::wstring tab = ReadTab(process.get(), tabs, i).text;
        ShowTab(tabs, i);
        Sleep(100);
        CheckShownPage(process.get(), tabs, meter, setting.str() + ", tab " + Narrow(tab),
                       failures);
        HWND tree = IsWindowVisible(effects) ? effects : IsWindowVisible(tweaks) ? tweaks : nullptr;
        if (!tree)
            continue;
        const TreeReader reader(tree, process.get());
        for (const std::wstring& line : reader.Lines()) {
            const std::wstring item = line.substr(line.find(L'/') + 1);
            HTREEITEM found = reader.Find(item.empty() ? line.substr(0, line.size() - 1) : item);
            if (!found)
                continue;
            reader.Select(found);
            Sleep(50);
            CheckShownPage(process.get(), tabs, meter,
                           setting.str() + ", tab " + Narrow(tab) + ", page " + Narrow(line),
                           failures);
        }
    }
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
    SHDeleteKeyW(HKEY_CURRENT_USER, kAppDefaults);
}

// One scale with both fonts. Windows 10 shows the pages users have; Windows 7 adds the
// Logon Screen tab and its own tweaks.
void CheckScale(UINT dpi) {
    Failures failures;
    for (const wchar_t* face : {kWindowsLikeFace, kWineFace}) {
        DisplaySetting display(dpi, face);
        for (const wchar_t* version : {L"win10", L"win7"})
            CheckEveryPage(dpi, face, version, failures);
    }
    for (const std::string& line : failures.lines)
        ADD_FAILURE() << line;
}

// Per-monitor v2 where Windows 10 knows it, per monitor on Windows 8.1, the system's
// scale on Windows 7: in the manifest the built program carries.
TEST(DpiAwareness, TheProgramDeclaresPerMonitorAwarenessWithFallbacks) {
    HMODULE program = LoadLibraryExW(OrvaneExe().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(nullptr, program);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(nullptr, found);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
    ASSERT_NE(nullptr, bytes);
    const std::string manifest(bytes, SizeofResource(program, found));
    FreeLibrary(program);
    EXPECT_NE(std::string::npos,
              manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                            "WindowsSettings\">true/pm</dpiAware>"));
    EXPECT_NE(std::string::npos,
              manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                            "WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"));
}

// Windows offers the window a place on the screen of the new scale; where the dialog
// manager does not scale dialogs itself (before Windows 10 1703, and under Wine), the
// window takes it, and its page still fills the tab.
TEST(DpiAwareness, AChangeOfScaleMovesTheWindowWhereWindowsOffers) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    RemoteProcess process(orvane.Id());
    RECT offered = ScreenRect(main);
    OffsetRect(&offered, 40, 30);
    offered.right += 120;
    offered.bottom += 80;
    SendWithRect(process.get(), main, WM_DPICHANGED, MAKEWPARAM(120, 120), offered);
    EXPECT_TRUE(WaitFor([&] {
        const RECT now = ScreenRect(main);
        return EqualRect(&now, &offered) != FALSE;
    })) << Describe(ScreenRect(main))
        << " instead of " << Describe(offered);
    HWND tabs = GetDlgItem(main, IDC_MAIN_TABS);
    HWND page = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND child = GetWindow(tabs, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child) && ClassOf(child) == L"#32770")
                page = child;
        return page != nullptr;
    }));
    const RECT display = TabDisplayArea(process.get(), tabs);
    EXPECT_TRUE(WaitFor([&] {
        const RECT placed = ScreenRect(page);
        return EqualRect(&placed, &display) != FALSE;
    }));
    EXPECT_TRUE(orvane.Running());
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(PageLayout, EveryPageFitsItsTabAndEveryTextItsControlAt100Percent) {
    CheckScale(96);
}
TEST(PageLayout, EveryPageFitsItsTabAndEveryTextItsControlAt125Percent) {
    CheckScale(120);
}
TEST(PageLayout, EveryPageFitsItsTabAndEveryTextItsControlAt150Percent) {
    CheckScale(144);
}
TEST(PageLayout, EveryPageFitsItsTabAndEveryTextItsControlAt200Percent) {
    CheckScale(192);
}

} // namespace
} // namespace orvane::test
