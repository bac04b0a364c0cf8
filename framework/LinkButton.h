#pragma once

#include "framework/Handle.h"

#include <windows.h>

namespace orvane {

// An owner-drawn button (BS_OWNERDRAW) that looks like a link: a small icon, then its
// text in the link colour on the dialog's background, with the hand cursor over it.
// The dialog passes WM_DRAWITEM and WM_SETCURSOR on.
class CLinkButton {
public:
    void Attach(HWND button, UINT iconId, int iconSize, COLORREF colour);
    // WM_DRAWITEM: true when the item was this button and it was drawn.
    bool Draw(const DRAWITEMSTRUCT& item) const;
    // WM_SETCURSOR from the dialog: true when the cursor is over this button (the
    // dialog then answers TRUE).
    bool SetCursor(HWND over) const;

private:
    HWND m_button = nullptr;
    UniqueIcon m_icon;
    int m_iconSize = 0;
    COLORREF m_colour = 0;
};

// An icon resource of the program at the given size.
UniqueIcon LoadIconSized(UINT id, int size);
// Puts an icon on a push button, beside its text.
void SetButtonIcon(HWND button, HICON icon);

} // namespace orvane
