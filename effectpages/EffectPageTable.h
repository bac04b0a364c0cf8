#pragma once

#include "effects/EffectCatalog.h"

#include <cstddef>
#include <optional>
#include <string>

namespace orvane {

// An entry of the Effects tree: one of the effects, or, without one, the custom objects,
// the user's own pictures, whose page keeps a list of objects of its own.
struct EffectTreeEntry {
    std::optional<EffectId> effect; // none: the custom objects
    unsigned nameTextId;            // the tree item's text and the page's title
};
constexpr std::size_t kEffectTreeSize = kEffectCount + 1; // the effects and the custom objects
// In the tree's order, which is not sorted: translated names keep the English order.
extern const EffectTreeEntry kEffectTree[kEffectTreeSize];
unsigned NameTextOf(EffectId effect);

// One item of a page's value list: its text, and the value the effect receives and the
// key stores.
struct ListChoice {
    unsigned textId;
    const wchar_t* value;
};

enum class ListKind {
    PetalColour, // Falling petals' colours
    CursorMode,  // the cursor effect's modes
};

struct ChoiceList {
    ListKind kind;
    int controlId;
    int labelId;
    unsigned labelTextId; // shown with a colon after it
    const wchar_t* key;
    const ListChoice* choices;
    std::size_t count;
};

// The choice whose value equals the stored one exactly (case matters); null when none does.
const ListChoice* FindChoice(const ChoiceList& list, const std::wstring& value);

// A control page of the common pattern: what it has besides the Enable box and the two
// placement buttons, which every page has (their keys are the effect's, KeysOf).
struct EffectPageLayout {
    EffectId effect;
    unsigned templateId;
    const wchar_t* densityKey;       // null: no density slider
    const wchar_t* densityRandomKey; // null: no "Select random at startup" for it
    const wchar_t* windKey;          // null: no wind group
    const wchar_t* windRandomKey;
    const ChoiceList* list;          // a colour or mode list, or null
    const wchar_t* multicolouredKey; // the fireflies' "Multicolored" box, or null
    int previewId;                   // picture drawn at (previewX, previewY) pixels
    int previewX;
    int previewY;
};

// The pages of the common pattern, fifteen of them; the garland and the custom objects
// have pages of their own.
const EffectPageLayout* LayoutOf(EffectId effect);
extern const EffectPageLayout kEffectPageLayouts[15];

} // namespace orvane
