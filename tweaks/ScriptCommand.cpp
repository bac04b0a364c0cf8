#include "tweaks/ScriptCommand.h"

#include <cwctype>

namespace orvane {

std::wstring WithoutLeadingSpace(const std::wstring& script) {
    std::size_t start = 0;
    while (start < script.size() && std::iswspace(script[start]))
        ++start;
    return script.substr(start);
}

std::wstring PowerShellCommandLine(const std::wstring& script, const std::wstring& outputPath) {
    return L" -command \"function _{" + script + L"}_|out-file -encoding default '" + outputPath +
           L"'\"";
}

std::vector<std::wstring> TextLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        const std::size_t next = end == std::wstring::npos ? text.size() : end + 1;
        if (end == std::wstring::npos)
            end = text.size();
        if (end > start && text[end - 1] == L'\r')
            --end;
        lines.push_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}

} // namespace orvane
