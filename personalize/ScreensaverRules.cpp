#include "personalize/ScreensaverRules.h"

#include "core/HelpLinks.h"

#include <algorithm>
#include <cwctype>

namespace orvane {
namespace {

wchar_t FoldCase(wchar_t c) {
    if (c >= L'A' && c <= L'Z')
        return static_cast<wchar_t>(c - L'A' + L'a');
    return c < 0x80 ? c : static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
}

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

std::wstring QuotedIfSpaced(const std::wstring& path) {
    if (path.find(L' ') == std::wstring::npos)
        return path;
    return L"\"" + path + L"\"";
}

} // namespace

std::wstring ComparisonForm(const std::wstring& path) {
    static const std::wstring from = L"SysWOW64", to = L"System32";
    std::wstring form = path;
    for (std::size_t at = form.find(from); at != std::wstring::npos;
         at = form.find(from, at + to.size()))
        form.replace(at, from.size(), to);
    return form;
}

bool SameScreensaver(const std::wstring& a, const std::wstring& b) {
    return EqualIgnoringCase(ComparisonForm(a), ComparisonForm(b));
}

std::wstring FallbackScreensaverName(const std::wstring& fileName, const std::wstring& blankName) {
    if (fileName == L"scrnsave.scr")
        return blankName;
    return fileName.substr(0, fileName.rfind(L'.'));
}

std::vector<ScreensaverEntry>
BuildScreensaverEntries(const std::vector<ScreensaverFolder>& folders,
                        const std::function<std::wstring(const std::wstring& path)>& nameOf,
                        const std::wstring& blankName) {
    std::vector<ScreensaverEntry> entries;
    for (const ScreensaverFolder& folder : folders) {
        for (const std::wstring& fileName : folder.fileNames) {
            const std::wstring path = folder.folder + L"\\" + fileName;
            const std::wstring form = ComparisonForm(path);
            if (std::any_of(entries.begin(), entries.end(),
                            [&](const ScreensaverEntry& entry) { return entry.path == form; }))
                continue;
            std::wstring name = nameOf(path);
            if (name.empty())
                name = FallbackScreensaverName(fileName, blankName);
            entries.push_back({path, name});
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ScreensaverEntry& a, const ScreensaverEntry& b) {
                         return a.name < b.name;
                     });
    return entries;
}

int IndexOfScreensaver(const std::vector<ScreensaverEntry>& entries, const std::wstring& path) {
    if (path.empty())
        return -1;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (SameScreensaver(entries[i].path, path))
            return static_cast<int>(i);
    return -1;
}

bool IsBlankScreensaver(const std::wstring& path, const std::wstring& systemRoot) {
    return !path.empty() && SameScreensaver(path, systemRoot + L"\\System32\\scrnsave.scr");
}

int NextScreensaverIndex(int count, int current, bool shuffle, const std::function<int()>& draw) {
    if (count < 2)
        return count == 1 && current == 0 ? 0 : -1;
    if (shuffle) {
        int index;
        do
            index = draw() % count;
        while (index == current);
        return index;
    }
    // After the last entry, and from "not listed" (-1), the first one comes.
    return current < 0 || current + 1 >= count ? 0 : current + 1;
}

bool ScreensaverRunWatch::RunEnded(bool running) {
    if (running) {
        m_wasRunning = true;
        return false;
    }
    const bool ended = m_wasRunning;
    m_wasRunning = false;
    return ended;
}

int ClampWaitMinutes(const std::wstring& text) {
    long long value = 0;
    std::size_t i = 0;
    while (i < text.size() && text[i] == L' ')
        ++i;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > kMaxWaitMinutes)
            return kMaxWaitMinutes;
    }
    return value < kMinWaitMinutes ? kMinWaitMinutes : static_cast<int>(value);
}

std::wstring PreviewCommandLine(const std::wstring& path, long long window) {
    return QuotedIfSpaced(path) + L" /p " + std::to_wstring(window);
}

std::wstring SettingsCommandLine(const std::wstring& path) {
    return QuotedIfSpaced(path) + L"  /c";
}

std::wstring ScreensaversAddress(const std::wstring& language) {
    return std::wstring(kProductSite) +
           (language == L"Russian" ? L"/screensavers/?lng=ru" : L"/screensavers/");
}

} // namespace orvane
