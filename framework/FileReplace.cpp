#include "framework/FileReplace.h"

#include "framework/Handle.h"

#include <windows.h>

namespace orvane {

std::wstring ReplacementPath(const std::wstring& path) {
    return path + L".new";
}

namespace {

bool WriteAndFlush(const std::wstring& path, const void* data, std::size_t size) {
    if (size > MAXDWORD)
        return false;
    // A replacement file left behind by a crash may have been made read-only since.
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    const DWORD count = static_cast<DWORD>(size);
    return (count == 0 ||
            (WriteFile(file.get(), data, count, &written, nullptr) && written == count)) &&
           FlushFileBuffers(file.get());
}

} // namespace

bool ReplaceFileContents(const std::wstring& path, const void* data, std::size_t size) {
    // Windows refuses to replace a read-only file, and so do we everywhere: the user
    // made it so to keep it as it is.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    const std::wstring replacement = ReplacementPath(path);
    if (WriteAndFlush(replacement, data, size) &&
        MoveFileExW(replacement.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD error = GetLastError();
    DeleteFileW(replacement.c_str());
    SetLastError(error);
    return false;
}

} // namespace orvane
