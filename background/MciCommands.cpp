#include "background/MciCommands.h"

#include <cwchar>

namespace orvane::mci {

std::wstring Stop(const std::wstring& alias) {
    return L"stop " + alias;
}

std::wstring Close(const std::wstring& alias) {
    return L"close " + alias;
}

std::wstring Open(const std::wstring& path, const std::wstring& alias, std::int32_t window) {
    return L"open \"" + path + L"\" type mpegvideo alias " + alias + L" style child parent " +
           std::to_wstring(window);
}

std::wstring Mute(const std::wstring& alias) {
    return L"setaudio " + alias + L" off";
}

std::wstring Play(const std::wstring& alias, bool repeat) {
    return L"play " + alias + (repeat ? L" repeat" : L"");
}

std::wstring SourceSize(const std::wstring& alias) {
    return L"where " + alias + L" source";
}

std::wstring Place(const std::wstring& alias, int x, int y, unsigned width, unsigned height) {
    return L"put " + alias + L" window at " + std::to_wstring(x) + L" " + std::to_wstring(y) +
           L" " + std::to_wstring(width) + L" " + std::to_wstring(height);
}

std::wstring TestOpen(const std::wstring& path) {
    return L"open \"" + path + L"\" type mpegvideo alias video_test";
}

std::wstring TestClose() {
    return L"close video_test";
}

SourceRect ParseSourceRect(const std::wstring& reply) {
    int values[4] = {0, 0, 0, 0};
    std::size_t position = 0;
    for (int& value : values) {
        position = reply.find_first_not_of(L' ', position);
        if (position == std::wstring::npos)
            break;
        const std::size_t end = reply.find(L' ', position);
        value = static_cast<int>(std::wcstol(reply.c_str() + position, nullptr, 10));
        position = end;
        if (position == std::wstring::npos)
            break;
    }
    return {values[0], values[1], values[2], values[3]};
}

} // namespace orvane::mci
