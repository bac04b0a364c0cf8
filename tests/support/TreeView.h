#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace orvane::test {

// Reading a tree view of this process or of another one (process: a handle with
// PROCESS_VM_OPERATION, _READ and _WRITE; null for this process): the tree writes item
// texts into the memory of its own process.
class TreeReader {
public:
    explicit TreeReader(HWND tree, HANDLE process = nullptr);

    std::wstring Text(HTREEITEM item) const;
    // The groups and their items as "group/item" lines, a group without items as "group/".
    std::vector<std::wstring> Lines() const;
    // The first item, a group or one below it, with this text; null when there is none.
    HTREEITEM Find(const std::wstring& text) const;
    // Selects the item as a click would; the tree tells its parent.
    void Select(HTREEITEM item) const;

private:
    HTREEITEM Next(HTREEITEM item, UINT relation) const;

    HWND m_tree;
    HANDLE m_process;
};

} // namespace orvane::test
