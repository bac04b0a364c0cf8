#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace orvane::test {

// Controls of another process, driven and read with messages. Texts are read through a
// buffer in the other process's memory, where the controls write them.

struct TabItem {
    std::wstring text;
    int image = -1;
};
TabItem ReadTab(HANDLE process, HWND tabs, int index);
// Selects a tab as a click would: the tab control tells its parent of the change.
void ShowTab(HWND tabs, int index);
// The tab control's display area, where its pages go (TCM_ADJUSTRECT), in screen
// coordinates; empty when it cannot be read.
RECT TabDisplayArea(HANDLE process, HWND tabs);
// Sends a message whose lParam points to a rectangle, which the window reads in its own
// process's memory (messages the system does not carry between processes, such as
// WM_DPICHANGED).
LRESULT SendWithRect(HANDLE process, HWND window, UINT message, WPARAM wParam, const RECT& rect);
// The index of the tab with this text, or -1.
int FindTab(HANDLE process, HWND tabs, const std::wstring& text);

// The root-level items of a tree view, in order.
std::vector<HTREEITEM> TreeItems(HWND tree);
std::wstring TreeItemText(HANDLE process, HWND tree, HTREEITEM item);
HTREEITEM SelectedTreeItem(HWND tree);
// Selects an item as the user would; the tree tells its parent of the change.
void SelectTreeItem(HWND tree, HTREEITEM item);

// The first window below parent (at any depth) that holds a control with this id.
HWND FindWindowHolding(HWND parent, int controlId);
// The first window below parent whose control titleId shows this text.
HWND FindPageTitled(HWND parent, int titleId, const std::wstring& title);

// A remote process handle for the calls above, closed at the end of the scope.
class RemoteProcess {
public:
    explicit RemoteProcess(DWORD processId);
    ~RemoteProcess();
    RemoteProcess(const RemoteProcess&) = delete;
    RemoteProcess& operator=(const RemoteProcess&) = delete;
    HANDLE get() const { return m_process; }

private:
    HANDLE m_process;
};

} // namespace orvane::test
