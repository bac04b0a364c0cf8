#pragma once

#include <unknwn.h>

#include <utility>

namespace orvane {

// Owns one reference to a COM interface; moved, never copied.
template <class T> class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    explicit ComPtr(T* pointer) : m_pointer(pointer) {}
    ComPtr(ComPtr&& other) noexcept : m_pointer(other.release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    T* get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    T* release() { return std::exchange(m_pointer, nullptr); }
    void reset(T* pointer = nullptr) {
        if (m_pointer)
            m_pointer->Release();
        m_pointer = pointer;
    }
    // For APIs that hand out a reference through a pointer.
    T** receive() {
        reset();
        return &m_pointer;
    }
    void** receiveVoid() { return reinterpret_cast<void**>(receive()); }

    // Another interface of the same object; empty when it has none.
    template <class U> ComPtr<U> Query(REFIID iid) const {
        ComPtr<U> other;
        if (m_pointer)
            m_pointer->QueryInterface(iid, other.receiveVoid());
        return other;
    }

    // A second owner of the same reference count, for handing the object on.
    ComPtr Share() const {
        if (m_pointer)
            m_pointer->AddRef();
        return ComPtr(m_pointer);
    }

private:
    T* m_pointer = nullptr;
};

} // namespace orvane
