#include "app/CommandLine.h"

namespace orvane {

std::wstring ArgumentsOf(const std::wstring& commandLine) {
    std::size_t i = 0;
    if (i < commandLine.size() && commandLine[i] == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        i = close == std::wstring::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t')
            ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t'))
        ++i;
    return commandLine.substr(i);
}

bool IsAutoStart(const std::wstring& arguments) { return arguments == L"-auto"; }

} // namespace orvane
