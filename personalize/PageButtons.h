#pragma once

#include "framework/Handle.h"

#include <windows.h>

#include <string>

namespace orvane {

// Puts the icon resource beside the button's text, loaded at size x size; holder keeps
// the icon for as long as the button shows it.
void SetButtonIcon(HWND button, int iconId, int size, UniqueIcon& holder);

// Opens a web address in the user's browser.
void OpenInBrowser(const std::wstring& address);

} // namespace orvane
