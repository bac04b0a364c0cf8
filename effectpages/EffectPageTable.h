#pragma once

#include "effects/EffectCatalog.h"

#include <cstddef>
#include <optional>
#include <string>

namespace orvane {

// The seventeen entries of the Effects tree, in the order the exclusivity rule visits
// them (the effects' own order, with the custom objects after the cursor).
enum class EffectPage {
    Balloons,
    Confetti,
    Cursor,
    CustomObjects,
    Dandelions,
    FallingPetals,
    Fireflies,
    Hearts,
    Garland,
    LeafFall,
    LeavesInTheWind,
    Lightning,
    Rain,
    RainFlowers,
    Smoke,
    SpaceFlight,
    Sweets,
};
constexpr std::size_t kEffectPageCount = 17;

struct EffectTreeEntry {
    EffectPage page;
    unsigned nameTextId; // the tree item's text and the page's title
};
// In the tree's order, which is not sorted: translated names keep the English order.
extern const EffectTreeEntry kEffectTree[kEffectPageCount];
unsigned NameTextOf(EffectPage page);

// The effect object a page switches; none for the custom objects, whose page keeps a list
// of objects of its own.
std::optional<EffectId> EffectOfPage(EffectPage page);

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
    EffectPage page;
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
const EffectPageLayout* LayoutOf(EffectPage page);
extern const EffectPageLayout kEffectPageLayouts[15];

} // namespace orvane
