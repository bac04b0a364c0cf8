#include "TreeView.h"

namespace orvane::test {

TreeReader::TreeReader(HWND tree, HANDLE process)
    : m_tree(tree), m_process(process ? process : GetCurrentProcess()) {}

std::wstring TreeReader::Text(HTREEITEM item) const {
    struct Shared {
        TVITEMW item;
        wchar_t text[260];
    };
    auto* shared = static_cast<Shared*>(
        VirtualAllocEx(m_process, nullptr, sizeof(Shared), MEM_COMMIT, PAGE_READWRITE));
    if (!shared)
        return std::wstring();
    Shared local = {};
    local.item.mask = TVIF_TEXT;
    local.item.hItem = item;
    local.item.pszText = shared->text;
    local.item.cchTextMax = ARRAYSIZE(local.text);
    std::wstring text;
    if (WriteProcessMemory(m_process, shared, &local, sizeof local, nullptr) &&
        SendMessageW(m_tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&shared->item)) &&
        ReadProcessMemory(m_process, shared, &local, sizeof local, nullptr))
        text = local.text;
    VirtualFreeEx(m_process, shared, 0, MEM_RELEASE);
    return text;
}

HTREEITEM TreeReader::Next(HTREEITEM item, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(m_tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::vector<std::wstring> TreeReader::Lines() const {
    std::vector<std::wstring> lines;
    for (HTREEITEM group = Next(nullptr, TVGN_ROOT); group; group = Next(group, TVGN_NEXT)) {
        const std::wstring name = Text(group);
        HTREEITEM item = Next(group, TVGN_CHILD);
        if (!item)
            lines.push_back(name + L"/");
        for (; item; item = Next(item, TVGN_NEXT))
            lines.push_back(name + L"/" + Text(item));
    }
    return lines;
}

HTREEITEM TreeReader::Find(const std::wstring& text) const {
    for (HTREEITEM group = Next(nullptr, TVGN_ROOT); group; group = Next(group, TVGN_NEXT)) {
        if (Text(group) == text)
            return group;
        for (HTREEITEM item = Next(group, TVGN_CHILD); item; item = Next(item, TVGN_NEXT))
            if (Text(item) == text)
                return item;
    }
    return nullptr;
}

void TreeReader::Select(HTREEITEM item) const {
    SendMessageW(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

} // namespace orvane::test
