#pragma once

#include <windows.h>

namespace orvane {

// The program is 32-bit but changes settings that 64-bit Explorer and the logon screen
// read. The registry operations below therefore address the 64-bit registry view
// whenever the process runs under WOW64 (asked afresh on every call); elsewhere they use
// the native view. A value name that is null or empty means the key's default value.
// None of them shows anything: failure is reported by the result.

// Whether this process is a 32-bit one on 64-bit Windows.
bool IsWow64();

// Whether the processor runs the effects' drawing code, which is built for SSE2: every
// x86-64 processor has it, some older 32-bit ones that run Windows 7 do not. A test sets
// the environment variable ORVANE_PROCESSOR_WITHOUT_SSE2 to play such a processor.
bool ProcessorHasSse2();

// Creates the key (with any missing parents); true when it exists afterwards.
bool CreateRegKey(HKEY root, const wchar_t* subkey);
// Creates or opens the key and writes the value; true only when both succeeded.
bool WriteRegValue(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD type,
                   const void* data, DWORD size);
bool DeleteRegValue(HKEY root, const wchar_t* subkey, const wchar_t* name);
// Deletes a key that has no subkeys.
bool DeleteRegKey(HKEY root, const wchar_t* subkey);
// Deletes a key with everything below it.
bool DeleteRegKeyTree(HKEY root, const wchar_t* subkey);
bool RegKeyExists(HKEY root, const wchar_t* subkey);

// Whether the value is stored with this type and holds the expected data:
// - REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ: expected is a wchar_t text (null for the empty
//   text), compared case-sensitively with the stored text up to its first null;
// - REG_DWORD: expected points to a DWORD; the stored value must be exactly 4 bytes;
// - REG_BINARY: equal only when the stored value is empty (expected is not used);
// - any other type: never equal.
bool RegValueEquals(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD type,
                    const void* expected);

// Reads a value of the given type. On a value of that type, *size becomes the stored
// size; the data is copied and the result is true only when the buffer (*size bytes on
// entry) could hold it. A value of another type leaves *size and the buffer alone.
bool ReadRegValue(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD type, void* buffer,
                  DWORD* size);

// Let a 32-bit process see the real System32 (and back) around a file operation. Both
// do nothing and answer false outside WOW64.
bool DisableFsRedirection(PVOID* previous);
bool RevertFsRedirection(PVOID previous);

// File-system redirection off while this object lives: a 32-bit process on 64-bit
// Windows sees the real System32 (screen savers, the logon screen's folder); elsewhere
// it does nothing.
class FsRedirectionOff {
public:
    FsRedirectionOff();
    ~FsRedirectionOff();
    FsRedirectionOff(const FsRedirectionOff&) = delete;
    FsRedirectionOff& operator=(const FsRedirectionOff&) = delete;

private:
    PVOID m_previous = nullptr;
    bool m_off;
};

// ExitWindowsEx by default; tests pass their own so that nothing really ends.
using ExitWindowsFunction = BOOL(WINAPI*)(UINT flags, DWORD reason);

// End the user's session or restart Windows, with the shutdown privilege enabled first.
// False when the system refused.
bool SignOut(ExitWindowsFunction exitWindows = ExitWindowsEx);
bool RestartWindows(ExitWindowsFunction exitWindows = ExitWindowsEx);

} // namespace orvane
