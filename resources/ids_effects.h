// Dialog templates of the effect windows.
#pragma once

// Click-through overlay of every effect but the custom objects.
#define IDD_EFFECT_OVERLAY 359
// Overlay that takes mouse clicks: the custom objects.
#define IDD_EFFECT_OVERLAY_CLICKABLE 551
