#include "DesktopShellFixture.h"

#include <string>

namespace orvane::test {
namespace {

HWND FindTopLevel(const wchar_t* className, HWND after = nullptr) {
    return FindWindowExW(nullptr, after, className, nullptr);
}

} // namespace

const wchar_t* LayoutArgument(ShellLayout layout) {
    switch (layout) {
    case ShellLayout::Classic:
        return L"classic";
    case ShellLayout::Windows7:
        return L"win7";
    case ShellLayout::Progman24H2:
        return L"24h2";
    case ShellLayout::NoHost:
        return L"nohost";
    }
    return L"classic";
}

DesktopShellFixture::DesktopShellFixture(ShellLayout layout) : m_layout(layout) {
    Launch();
}

DesktopShellFixture::~DesktopShellFixture() {
    End();
}

bool DesktopShellFixture::Launch() {
    return m_process.Start(L"orvane_desktop_shell.exe", LayoutArgument(m_layout),
                           [this] { return Ready(); });
}

void DesktopShellFixture::End() {
    m_process.End([this] { return !Ready(); });
}

bool DesktopShellFixture::Restart() {
    End();
    return Launch();
}

HWND DesktopShellFixture::Progman() const {
    return FindWindowW(L"Progman", L"Program Manager");
}

HWND DesktopShellFixture::IconsView() const {
    if (HWND inProgman = FindWindowExW(Progman(), nullptr, L"SHELLDLL_DefView", nullptr))
        return inProgman;
    HWND worker = IconsWorker();
    return worker ? FindWindowExW(worker, nullptr, L"SHELLDLL_DefView", nullptr) : nullptr;
}

HWND DesktopShellFixture::IconsWorker() const {
    for (HWND worker = FindTopLevel(L"WorkerW"); worker; worker = FindTopLevel(L"WorkerW", worker))
        if (FindWindowExW(worker, nullptr, L"SHELLDLL_DefView", nullptr))
            return worker;
    return nullptr;
}

HWND DesktopShellFixture::WallpaperWorker() const {
    if (HWND icons = IconsWorker())
        return FindTopLevel(L"WorkerW", icons);
    return FindWindowExW(Progman(), nullptr, L"WorkerW", nullptr);
}

DesktopShellFixture::ShowCounts DesktopShellFixture::Counts(HWND shellWindow) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(Progman(), kShellShowCounts, reinterpret_cast<WPARAM>(shellWindow), 0,
                        SMTO_NORMAL, 5000, &result);
    return {LOWORD(result), HIWORD(result)};
}

void DesktopShellFixture::DropHost() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(Progman(), kShellDropHost, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

void DesktopShellFixture::MoveIconsHome() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(Progman(), kShellIconsHome, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

} // namespace orvane::test
