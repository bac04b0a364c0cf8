#include "framework/ProfileText.h"

#include <climits>

namespace orvane {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring Trim(const std::wstring& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

wchar_t FoldCase(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

std::wstring OneLine(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n')
            c = L' ';
    return text;
}

} // namespace

ProfileText::ProfileText(const std::wstring& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        m_lines.push_back(Parse(text.substr(start, end - start)));
        // CR LF, a lone CR and a lone LF all end a line.
        if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() &&
            text[end + 1] == L'\n')
            ++end;
        start = end + 1;
    }
}

ProfileText::Line ProfileText::Parse(const std::wstring& raw) {
    Line line;
    line.raw = raw;
    const std::wstring text = Trim(raw);
    if (text.empty() || text[0] == L';')
        return line;
    if (text[0] == L'[') {
        const std::size_t close = text.find(L']');
        line.isSection = true;
        line.section =
            Trim(text.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
        return line;
    }
    const std::size_t equals = text.find(L'=');
    line.isKey = true;
    line.key = Trim(text.substr(0, equals));
    if (equals != std::wstring::npos)
        line.value = Trim(text.substr(equals + 1));
    return line;
}

std::size_t ProfileText::FindSection(const std::wstring& section) const {
    const std::wstring name = Trim(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].isSection && SameName(m_lines[i].section, name))
            return i;
    return std::wstring::npos;
}

const std::wstring* ProfileText::Find(const std::wstring& section, const std::wstring& key) const {
    const std::size_t header = FindSection(section);
    if (header == std::wstring::npos)
        return nullptr;
    const std::wstring name = Trim(key);
    for (std::size_t i = header + 1; i < m_lines.size() && !m_lines[i].isSection; ++i)
        if (m_lines[i].isKey && SameName(m_lines[i].key, name))
            return &m_lines[i].value;
    return nullptr;
}

void ProfileText::Set(const std::wstring& section, const std::wstring& key,
                      const std::wstring& value) {
    const std::wstring sectionName = Trim(OneLine(section));
    const std::wstring keyName = Trim(OneLine(key));
    const Line written = Parse(keyName + L"=" + OneLine(value));

    std::size_t header = FindSection(sectionName);
    if (header == std::wstring::npos) {
        m_lines.push_back(Parse(L"[" + sectionName + L"]"));
        m_lines.push_back(written);
        return;
    }
    std::size_t lastKey = header;
    for (std::size_t i = header + 1; i < m_lines.size() && !m_lines[i].isSection; ++i) {
        if (!m_lines[i].isKey)
            continue;
        if (SameName(m_lines[i].key, keyName)) {
            m_lines[i] = written;
            return;
        }
        lastKey = i;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(lastKey + 1), written);
}

std::wstring ProfileText::Text() const {
    std::wstring text;
    for (const Line& line : m_lines) {
        text += line.raw;
        text += L"\r\n";
    }
    return text;
}

int ProfileNumber(const std::wstring& value, int fallback) {
    if (value.empty())
        return fallback;
    if (value[0] == L'-')
        return 0;
    long long number = 0;
    for (std::size_t i = value[0] == L'+' ? 1 : 0; i < value.size(); ++i) {
        const wchar_t c = value[i];
        if (c < L'0' || c > L'9')
            break;
        number = number * 10 + (c - L'0');
        if (number > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(number);
}

std::wstring ProfileTextStore::ReadString(const std::wstring& section, const std::wstring& key,
                                          const std::wstring& fallback, std::size_t capacity) {
    const std::wstring* value = m_text.Find(section, key);
    return (value ? *value : fallback).substr(0, capacity ? capacity - 1 : 0);
}

int ProfileTextStore::ReadInt(const std::wstring& section, const std::wstring& key, int fallback) {
    const std::wstring* value = m_text.Find(section, key);
    return value ? ProfileNumber(*value, fallback) : fallback;
}

bool ProfileTextStore::WriteString(const std::wstring& section, const std::wstring& key,
                                   const std::wstring& value) {
    m_text.Set(section, key, value);
    return true;
}

} // namespace orvane
