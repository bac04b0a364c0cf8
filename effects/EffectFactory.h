#pragma once

#include "effects/EffectOverlay.h"

#include <memory>

namespace orvane {

std::unique_ptr<CDlgEffectOverlay> CreateEffect(EffectId id, COptions& options);

} // namespace orvane
