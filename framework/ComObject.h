#pragma once

#include <unknwn.h>

namespace orvane {

// A COM object of one interface, counted. It starts with the creator's reference and
// deletes itself at the last Release; QueryInterface hands out Interface for IUnknown,
// for the interface's own id and for any other id the derived class answers to.
template <class Interface> class ComObject : public Interface {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || AnswersTo(iid)) {
            *object = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return left;
    }

protected:
    explicit ComObject(REFIID iid) : m_iid(iid) {}
    virtual ~ComObject() = default;

    // Whether QueryInterface hands out Interface for an id other than IUnknown's.
    virtual bool AnswersTo(REFIID iid) const { return iid == m_iid; }

private:
    IID m_iid;
    LONG m_references = 1;
};

} // namespace orvane
