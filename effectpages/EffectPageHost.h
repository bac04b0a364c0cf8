#pragma once

#include "effects/EffectCatalog.h"

namespace orvane {

class CCustomObjects;
class CEffectGroup;
class COptions;
class CTranslate;

// What the Effects tab and its control pages use of the program: the settings store, the
// interface texts, the effect objects and the help pages. Tests hand their own.
class IEffectPageHost {
public:
    virtual ~IEffectPageHost() = default;
    virtual COptions& Options() = 0;
    virtual const CTranslate& Texts() = 0;
    // The effect's object; null only before start-up has built them.
    virtual CEffectGroup* Effect(EffectId id) = 0;
    // The user's pictures on the desktop; null where there are none to manage.
    virtual CCustomObjects* CustomObjects() { return nullptr; }
    // Opens the product's help page of a page key in the user's browser.
    virtual void OpenHelp(const wchar_t* pageKey) = 0;
};

} // namespace orvane
