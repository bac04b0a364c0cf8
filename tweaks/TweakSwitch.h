#pragma once

#include "core/Translate.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane {

// The on/off state of a tweak as the system keeps it.
class CTweakSwitch {
public:
    virtual ~CTweakSwitch() = default;
    // Reads the state from the system; the page shows it as ticked when true.
    virtual bool Read() = 0;
    // Writes the state; failures are ignored (the page keeps the user's choice).
    virtual void Set(bool on) = 0;
};

// A text made of a fixed head, an interface text (none when 0) and a fixed tail: some
// keys are named by a word of the interface language, so they differ between languages.
struct TextParts {
    const wchar_t* head = L"";
    WORD textId = 0;
    const wchar_t* tail = L"";

    std::wstring Compose(const CTranslate& texts) const;
};

// The registry functions a value is read and written with.
enum class RegistryApi {
    Wow64View, // the helpers that address the 64-bit registry under WOW64
    Shell,     // SHGetValueW, SHSetValueW, SHDeleteValueW
};

// A value a tweak writes: REG_SZ data is the text with its terminating null (no data at
// all for the empty text); REG_DWORD data is the number; REG_BINARY data is that many
// zero bytes.
struct TweakValue {
    TextParts key;
    const wchar_t* name; // null: the key's default value
    DWORD type;
    TextParts text;
    DWORD number;
    RegistryApi api;
};

// What clearing the tweak removes.
enum class Clearing {
    Values,  // each value
    Keys,    // each of the keys, in order; a key with subkeys stays
    KeyTree, // the first key with everything below it
};

// A tweak that is on while all its values hold their data (or, without values, while
// its first key exists), that ticking writes (or creates) and clearing removes.
struct RegistrySwitchInfo {
    HKEY root;
    std::vector<TweakValue> values;
    Clearing clearing;
    std::vector<TextParts> keys;
};

class CRegistrySwitch : public CTweakSwitch {
public:
    // Key names and texts are taken in the current language, once.
    CRegistrySwitch(const RegistrySwitchInfo& info, const CTranslate& texts);
    bool Read() override;
    void Set(bool on) override;

private:
    struct Value {
        std::wstring key;
        const wchar_t* name;
        DWORD type;
        std::vector<BYTE> data;
        RegistryApi api;
    };
    bool Holds(const Value& value) const;

    HKEY m_root;
    std::vector<Value> m_values;
    Clearing m_clearing;
    std::vector<std::wstring> m_keys;
};

// "Troubleshoot Compatibility" is removed from the context menus of programs and
// shortcuts by a "-" in front of their handlers' class ids, and brought back by taking
// it away. The page works on the values as it read and then wrote them.
class CCompatibilitySwitch : public CTweakSwitch {
public:
    bool Read() override;
    void Set(bool on) override;

private:
    struct Handler {
        const wchar_t* key;
        std::wstring value;
        bool read = false;
    };
    static void Write(Handler& handler, std::wstring value);

    Handler m_programs{L"exefile\\shellex\\ContextMenuHandlers\\Compatibility", {}};
    Handler m_shortcuts{L"lnkfile\\shellex\\ContextMenuHandlers\\Compatibility", {}};
};

// Reads a REG_SZ value of at most 2048 bytes, the text ending at its first null.
bool ReadRegText(HKEY root, const wchar_t* subkey, const wchar_t* name, std::wstring& text);
// Writes a REG_SZ value: the text and its terminating null.
bool WriteRegText(HKEY root, const wchar_t* subkey, const wchar_t* name, const std::wstring& text);

} // namespace orvane
