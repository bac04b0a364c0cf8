#include "core/TextEscapes.h"

namespace orvane {
namespace {

void ReplaceAll(std::wstring& text, const wchar_t* sequence, wchar_t replacement) {
    for (std::size_t at = text.find(sequence); at != std::wstring::npos;
         at = text.find(sequence, at + 1))
        text.replace(at, 2, 1, replacement);
}

} // namespace

std::wstring ExpandLineBreaks(std::wstring text) {
    ReplaceAll(text, L"\\r", L'\r');
    ReplaceAll(text, L"\\n", L'\n');
    return text;
}

} // namespace orvane
