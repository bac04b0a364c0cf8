#pragma once

#include <oleauto.h>

#include <new>
#include <string>
#include <utility>

namespace orvane {

// Owns one BSTR; throws std::bad_alloc when the system cannot make it.
class Bstr {
public:
    explicit Bstr(const std::wstring& text)
        : m_text(SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()))) {
        if (!m_text)
            throw std::bad_alloc();
    }
    Bstr(Bstr&& other) noexcept : m_text(std::exchange(other.m_text, nullptr)) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr& operator=(Bstr&&) = delete;
    ~Bstr() { SysFreeString(m_text); }

    BSTR get() const { return m_text; }

private:
    BSTR m_text;
};

} // namespace orvane
