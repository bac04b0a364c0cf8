#pragma once

#include "framework/Handle.h"

#include <windows.h>

namespace orvane {

// Puts an icon resource, loaded at size x size at 100 % and scaled to the button's DPI,
// on a push button beside its text (or alone on a BS_ICON button). The button does not
// own the icon: keep it while the button lives.
UniqueIcon SetButtonIcon(HWND button, UINT iconId, int size);

// The size at 100 % of the icons on the pages' buttons.
constexpr int kButtonIconSize = 14;

// Paints an owner-drawn link button: the icon (kButtonIconSize at 100 %), then its text in
// the link colour, on the parent's background; underlined while it has the focus.
void DrawLinkButton(const DRAWITEMSTRUCT& item, HICON icon, COLORREF colour);

// The link colour of the pages' web-site buttons.
constexpr COLORREF kLinkColour = RGB(0, 124, 255);

} // namespace orvane
