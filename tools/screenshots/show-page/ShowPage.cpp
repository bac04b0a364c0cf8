// Shows the Effects tab of the running Orvane and, given an index, selects that entry of
// its tree, as a user's clicks would. Prints the main window's screen rectangle and the
// entry's name ("x y width height name"), for tools/screenshots/page-screenshots.sh.
//
//   orvane_show_page.exe [INDEX|- [TAB-TEXT [ID=ITEM...]]]
//                      ("-" selects nothing; the tab's text is "Effects" unless given;
//                       each ID=ITEM then picks an item of a list on the shown page, as
//                       the user's choice in it would)
//   orvane_show_page.exe exit                    (the tray menu's Exit: Orvane saves and ends)
#include "RemoteControls.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>

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

// The visible page holding the control: other entries' pages may hold the same id.
BOOL CALLBACK FindShownHolder(HWND window, LPARAM context) {
    auto* found = reinterpret_cast<std::pair<int, HWND>*>(context);
    if (!IsWindowVisible(window) || !GetDlgItem(window, found->first))
        return TRUE;
    found->second = window;
    return FALSE;
}

// Selects the item of the page's combo box and tells the page, as a choice in the list does.
bool PickListItem(HWND tabs, const std::wstring& choice) {
    const std::size_t equals = choice.find(L'=');
    if (equals == std::wstring::npos)
        return false;
    std::pair<int, HWND> holder{static_cast<int>(std::wcstol(choice.c_str(), nullptr, 10)),
                                nullptr};
    EnumChildWindows(tabs, FindShownHolder, reinterpret_cast<LPARAM>(&holder));
    HWND list = holder.second ? GetDlgItem(holder.second, holder.first) : nullptr;
    const int item = static_cast<int>(std::wcstol(choice.c_str() + equals + 1, nullptr, 10));
    if (!list || SendMessageW(list, CB_SETCURSEL, item, 0) != item)
        return false;
    SendMessageW(holder.second, WM_COMMAND, MAKEWPARAM(holder.first, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return true;
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
        for (int i = 3; i < argc; ++i)
            if (!PickListItem(tabs, argv[i])) {
                std::fputs("show-page: no such list or item\n", stderr);
                return 1;
            }
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
