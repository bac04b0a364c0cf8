#include "RemoteControls.h"

#include "TreeView.h"

namespace orvane::test {
namespace {

// A block of memory in another process, freed at the end of the scope.
template <class T> class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process) : m_process(process) {
        m_remote = static_cast<T*>(
            VirtualAllocEx(process, nullptr, sizeof(T), MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        if (m_remote)
            VirtualFreeEx(m_process, m_remote, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    T* get() const { return m_remote; }
    bool Write(const T& local) {
        return m_remote && WriteProcessMemory(m_process, m_remote, &local, sizeof local, nullptr);
    }
    bool Read(T& local) const {
        return m_remote && ReadProcessMemory(m_process, m_remote, &local, sizeof local, nullptr);
    }

private:
    HANDLE m_process;
    T* m_remote = nullptr;
};

struct Search {
    int id;
    int titleId;
    const std::wstring* title;
    HWND found;
};

BOOL CALLBACK FindHolder(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (!GetDlgItem(window, search->id))
        return TRUE;
    if (search->title) {
        wchar_t text[256] = L"";
        GetDlgItemTextW(window, search->titleId, text, 256);
        if (*search->title != text)
            return TRUE;
    }
    search->found = window;
    return FALSE;
}

} // namespace

RECT TabDisplayArea(HANDLE process, HWND tabs) {
    RECT area = {};
    GetClientRect(tabs, &area);
    RemoteBuffer<RECT> remote(process);
    if (!remote.Write(area))
        return {};
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(remote.get()));
    if (!remote.Read(area))
        return {};
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

LRESULT SendWithRect(HANDLE process, HWND window, UINT message, WPARAM wParam, const RECT& rect) {
    RemoteBuffer<RECT> remote(process);
    if (!remote.Write(rect))
        return 0;
    return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(remote.get()));
}

RemoteProcess::RemoteProcess(DWORD processId)
    : m_process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                            processId)) {}

RemoteProcess::~RemoteProcess() {
    if (m_process)
        CloseHandle(m_process);
}

TabItem ReadTab(HANDLE process, HWND tabs, int index) {
    struct Remote {
        TCITEMW item;
        wchar_t text[128];
    };
    TabItem result;
    RemoteBuffer<Remote> remote(process);
    Remote local = {};
    local.item.mask = TCIF_TEXT | TCIF_IMAGE;
    local.item.pszText = remote.get() ? remote.get()->text : nullptr;
    local.item.cchTextMax = 128;
    if (remote.Write(local) &&
        SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&remote.get()->item)) &&
        remote.Read(local)) {
        result.text = local.text;
        result.image = local.item.iImage;
    }
    return result;
}

void ShowTab(HWND tabs, int index) {
    // Unlike TCM_SETCURSEL, moving the focus to a tab notifies the parent.
    SendMessageW(tabs, TCM_SETCURFOCUS, index, 0);
}

int FindTab(HANDLE process, HWND tabs, const std::wstring& text) {
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (ReadTab(process, tabs, i).text == text)
            return i;
    return -1;
}

std::vector<HTREEITEM> TreeItems(HWND tree) {
    std::vector<HTREEITEM> items;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    while (item) {
        items.push_back(item);
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return items;
}

std::wstring TreeItemText(HANDLE process, HWND tree, HTREEITEM item) {
    return TreeReader(tree, process).Text(item);
}

HTREEITEM SelectedTreeItem(HWND tree) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

void SelectTreeItem(HWND tree, HTREEITEM item) {
    TreeReader(tree).Select(item);
}

HWND FindWindowHolding(HWND parent, int controlId) {
    Search search{controlId, 0, nullptr, nullptr};
    EnumChildWindows(parent, FindHolder, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindPageTitled(HWND parent, int titleId, const std::wstring& title) {
    Search search{titleId, titleId, &title, nullptr};
    EnumChildWindows(parent, FindHolder, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace orvane::test
