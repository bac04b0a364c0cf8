#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

enum class ReadResult { Read, Missing, Failed };

// The whole file in memory. A file larger than limit bytes counts as failed.
ReadResult ReadWholeFile(const std::wstring& path, std::vector<char>& bytes,
                         std::size_t limit = 64 * 1024 * 1024);

} // namespace orvane
