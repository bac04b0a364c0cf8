#include "FixtureSavers.h"

#include "MessagePump.h"

#include <shlwapi.h>
#include <tlhelp32.h>

#include <cwchar>

namespace orvane::test {
namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const wchar_t* const kGuarded[] = {L"SCRNSAVE.EXE", L"ScreenSaveActive", L"ScreenSaveTimeOut",
                                   L"Wallpaper"};

struct ChildSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindChildOfProcess(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ChildSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

std::wstring SystemRootFolder() {
    wchar_t root[MAX_PATH] = L"";
    ExpandEnvironmentStringsW(L"%SystemRoot%", root, MAX_PATH);
    return root;
}

SaverLog::SaverLog() : m_path(m_folder / L"savers.log") {
    SetEnvironmentVariableW(L"ORVANE_SCREENSAVER_LOG", m_path.c_str());
}

SaverLog::~SaverLog() {
    SetEnvironmentVariableW(L"ORVANE_SCREENSAVER_LOG", nullptr);
}

std::vector<SaverLog::Start> SaverLog::Starts() const {
    const std::string bytes = ReadBytes(m_path);
    const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                         nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], size);
    std::vector<Start> starts;
    for (std::size_t begin = 0, end; (end = text.find(L'\n', begin)) != std::wstring::npos;
         begin = end + 1) {
        const std::wstring line = text.substr(begin, end - begin);
        const std::size_t blank = line.find(L' ');
        if (blank == std::wstring::npos)
            continue;
        starts.push_back({static_cast<DWORD>(std::wcstoul(line.c_str(), nullptr, 10)),
                          line.substr(blank + 1)});
    }
    return starts;
}

bool SaverLog::WaitForStart(DWORD process, std::wstring& commandLine, DWORD timeoutMs) const {
    return PumpUntil(
        [&] {
            for (const Start& start : Starts())
                if (start.process == process) {
                    commandLine = start.commandLine;
                    return true;
                }
            return false;
        },
        timeoutMs);
}

bool ProcessAlive(DWORD process) {
    HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
    if (!handle)
        return false;
    const bool alive = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    CloseHandle(handle);
    return alive;
}

bool WaitForProcessEnd(DWORD process, DWORD timeoutMs) {
    return PumpUntil([process] { return !ProcessAlive(process); }, timeoutMs);
}

std::vector<DWORD> ProcessesNamed(const std::wstring& fileName) {
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        if (lstrcmpiW(PathFindFileNameW(entry.szExeFile), fileName.c_str()) == 0 &&
            ProcessAlive(entry.th32ProcessID))
            found.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

HWND WaitForChildOfProcess(HWND parent, DWORD process, DWORD timeoutMs) {
    ChildSearch search = {process, nullptr};
    PumpUntil(
        [&] {
            EnumChildWindows(parent, FindChildOfProcess, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

DesktopValuesGuard::DesktopValuesGuard() {
    for (const wchar_t* name : kGuarded) {
        Saved saved{name, false, 0, std::vector<BYTE>(1024)};
        DWORD size = static_cast<DWORD>(saved.data.size());
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_QUERY_VALUE, &key) ==
            ERROR_SUCCESS) {
            saved.present = RegQueryValueExW(key, name, nullptr, &saved.type, saved.data.data(),
                                             &size) == ERROR_SUCCESS;
            RegCloseKey(key);
        }
        saved.data.resize(saved.present ? size : 0);
        m_saved.push_back(std::move(saved));
    }
}

DesktopValuesGuard::~DesktopValuesGuard() {
    for (const Saved& saved : m_saved) {
        if (saved.present)
            SHSetValueW(HKEY_CURRENT_USER, kDesktopKey, saved.name.c_str(), saved.type,
                        saved.data.data(), static_cast<DWORD>(saved.data.size()));
        else
            SHDeleteValueW(HKEY_CURRENT_USER, kDesktopKey, saved.name.c_str());
    }
}

std::wstring DesktopText(const wchar_t* name, bool* present) {
    wchar_t text[1024] = L"";
    DWORD size = sizeof text - sizeof(wchar_t);
    const bool found =
        SHGetValueW(HKEY_CURRENT_USER, kDesktopKey, name, nullptr, text, &size) == ERROR_SUCCESS;
    if (present)
        *present = found;
    return found ? text : L"";
}

void SetDesktopText(const wchar_t* name, const std::wstring& text) {
    SHSetValueW(HKEY_CURRENT_USER, kDesktopKey, name, REG_SZ, text.c_str(),
                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool WriteBmp(const std::wstring& path, int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    std::string row(static_cast<std::size_t>(stride), '\0');
    for (int x = 0; x < width; ++x) {
        row[static_cast<std::size_t>(x * 3)] = static_cast<char>(0xC0);     // blue
        row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>(0x80); // green
        row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>(0x40); // red
    }
    for (int y = 0; y < height; ++y)
        bytes += row;
    return WriteBytes(path, bytes);
}

} // namespace orvane::test
