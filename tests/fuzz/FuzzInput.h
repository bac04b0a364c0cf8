#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane::fuzz {

// The fuzzer's bytes as the UTF-16LE text a Windows file holds: two bytes a character.
inline std::wstring WideText(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    return text;
}

// A check the fuzzer stops on: it reports the input that broke it.
inline void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace orvane::fuzz
