#include "framework/FileBytes.h"

#include "framework/Handle.h"

namespace orvane {

ReadResult ReadWholeFile(const std::wstring& path, std::vector<char>& bytes, std::size_t limit) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? ReadResult::Missing
                                                                           : ReadResult::Failed;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || static_cast<unsigned long long>(size.QuadPart) > limit)
        return ReadResult::Failed;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (bytes.empty() ||
        (ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
         read == bytes.size()))
        return ReadResult::Read;
    return ReadResult::Failed;
}

} // namespace orvane
