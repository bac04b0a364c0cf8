// Shows the Effects tab of the running Orvane and, given an index, selects that entry of
// its tree, as a user's clicks would. Prints the main window's screen rectangle and the
// entry's name ("x y width height name"), for tools/page-screenshots.sh.
//
//   orvane_show_page.exe [INDEX|- [TAB-TEXT]]    ("-" selects nothing; the tab's text is
//                                                 "Effects" unless given)
//   orvane_show_page.exe exit                    (the tray menu's Exit: Orvane saves and ends)
#include "RemoteControls.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kMainTabs = 1000;
constexpr int kEffectsTree = 1030;
constexpr WPARAM kTrayExit = 32783;

BOOL CALLBACK FindMain(HWND window, LPARAM context) {
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !GetDlgItem(window, kMainTabs))
        return TRUE;
    *reinterpret_cast<HWND*>(context) = window;
    return FALSE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace orvane::test;
    HWND main = nullptr;
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&main));
    if (!main) {
        std::fputs("show-page: Orvane's main window is not there\n", stderr);
        return 1;
    }
    if (argc > 1 && std::wstring(argv[1]) == L"exit") {
        PostMessageW(main, WM_COMMAND, kTrayExit, 0);
        return 0;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    RemoteProcess process(processId);
    HWND tabs = GetDlgItem(main, kMainTabs);
    const int tab = FindTab(process.get(), tabs, argc > 2 ? argv[2] : L"Effects");
    if (tab < 0) {
        std::fputs("show-page: no Effects tab\n", stderr);
        return 1;
    }
    ShowTab(tabs, tab);

    std::wstring name = L"tab";
    if (argc > 1 && std::wstring(argv[1]) != L"-") {
        HWND page = FindWindowHolding(tabs, kEffectsTree);
        HWND tree = page ? GetDlgItem(page, kEffectsTree) : nullptr;
        const auto items = TreeItems(tree);
        const auto index = static_cast<std::size_t>(std::wcstoul(argv[1], nullptr, 10));
        if (index >= items.size()) {
            std::fputs("show-page: no such entry\n", stderr);
            return 1;
        }
        SelectTreeItem(tree, items[index]);
        name = TreeItemText(process.get(), tree, items[index]);
    }
    RECT rect;
    GetWindowRect(main, &rect);
    // The name in UTF-8, whatever the console's code page.
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, name.c_str(), -1,
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, name.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    std::printf("%ld %ld %ld %ld %s\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top, utf8.c_str());
    return 0;
}
