#pragma once

#include <cstddef>
#include <string>

namespace orvane {

// Replaces the file's contents as one step: the bytes go to a file beside it, are
// flushed to the disk, and that file then takes the old one's place. When anything
// fails (a full disk, a locked or read-only file) the old file stays as it was and
// the result is false.
bool ReplaceFileContents(const std::wstring& path, const void* data, std::size_t size);

// The name of the file the new contents are written to before they take the place of
// the file at path.
std::wstring ReplacementPath(const std::wstring& path);

} // namespace orvane
