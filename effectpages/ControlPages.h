#pragma once

#include "effectpages/EffectControlPage.h"
#include "effectpages/EffectPageTable.h"

#include <memory>

namespace orvane {

// The control page object of a tree entry, not yet created as a window. An effect with a
// page of its own design gets it here.
std::unique_ptr<CEffectControlPage> CreateControlPage(const EffectTreeEntry& entry,
                                                      IEffectPageOwner& owner);

} // namespace orvane
