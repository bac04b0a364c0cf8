#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The command strings of the Media Control Interface as the video background sends
// them: lower case, single blanks.
namespace mci {

std::wstring Stop(const std::wstring& alias);
std::wstring Close(const std::wstring& alias);
// The window handle is written as a signed decimal.
std::wstring Open(const std::wstring& path, const std::wstring& alias, std::int32_t window);
std::wstring Mute(const std::wstring& alias);
std::wstring Play(const std::wstring& alias, bool repeat);
std::wstring SourceSize(const std::wstring& alias);
std::wstring Place(const std::wstring& alias, int x, int y, unsigned width, unsigned height);
std::wstring TestOpen(const std::wstring& path);
std::wstring TestClose();

// The reply to the source-size command: up to four integers split at blanks, in the
// order left, top, width, height; missing values are 0.
struct SourceRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
SourceRect ParseSourceRect(const std::wstring& reply);

} // namespace mci
} // namespace orvane
