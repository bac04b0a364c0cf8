#pragma once

#include <windows.h>

#include <utility>

namespace orvane {

// One move-only owner for every kind of Windows handle; the traits say what "no
// handle" is and how to close one.
template <class Traits> class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : m_handle(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Type get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::Invalid(); }

    Type release() {
        Type handle = m_handle;
        m_handle = Traits::Invalid();
        return handle;
    }
    void reset(Type handle = Traits::Invalid()) {
        if (m_handle != Traits::Invalid())
            Traits::Close(m_handle);
        m_handle = handle;
    }
    // For APIs that return a handle through a pointer.
    Type* receive() {
        reset();
        return &m_handle;
    }

private:
    Type m_handle = Traits::Invalid();
};

struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { CloseHandle(h); }
};

// CreateFile and friends report failure as INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { FindClose(h); }
};

struct RegKeyTraits {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { RegCloseKey(h); }
};

struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};

// A DC made with CreateCompatibleDC/CreateDC is deleted; one from GetDC is released
// (see WindowDC).
struct CreatedDCTraits {
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DeleteDC(h); }
};

struct IconTraits {
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyIcon(h); }
};

struct MenuTraits {
    using Type = HMENU;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyMenu(h); }
};

using UniqueHandleKernel = UniqueHandle<KernelHandleTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueKey = UniqueHandle<RegKeyTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueDC = UniqueHandle<CreatedDCTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;

// A window's (or the screen's) DC from GetDC, given back with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDC() {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects an object into a DC for one scope and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (m_previous && m_previous != HGDI_ERROR)
            SelectObject(m_dc, m_previous);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

} // namespace orvane
