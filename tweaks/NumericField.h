#pragma once

#include "tweaks/NumericText.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace orvane {

// The controls of a numeric field on a tweak page and its rules.
struct NumericFieldInfo {
    WORD edit;
    WORD upDown; // the edit's buddy, with the same range
    WORD slider; // 0: the field has none
    NumericRange range;
    std::optional<int> defaultValue;
};

// Whether a slider's WM_HSCROLL code ends a move: a click, a key, the thumb let go; not
// each step of a drag, nor the closing note that follows each of those.
bool IsFinishedSliderMove(WORD code);

// An edit box with an up-down control and, mostly, a slider. The page routes its edit's
// EN_CHANGE and its slider's WM_HSCROLL here and brackets Apply with its restore point
// and follow-up; the field keeps the three controls in step and stores through the
// function it was given.
class CNumericField {
public:
    using Store = std::function<void(int value)>;

    CNumericField(const NumericFieldInfo& info, Store store);

    // Takes the page's controls: sets both ranges and moves the slider to the default
    // (the lowest value without one).
    void Attach(HWND page);

    // These set the edit text without applying it.
    void ShowNumber(int value); // as "%i", with the slider moved there
    void ShowText(const std::wstring& text);
    // The up-down position, which rewrites the edit, and the slider.
    void SetPosition(int value);

    // Whether a command is a change of the edit text that is to be applied: the user's
    // typing or the up-down control's rewriting, not the field's own writing.
    bool IsChange(WORD id, WORD notifyCode) const;
    // Moves the up-down control to the slider when the slider is the field's and the move
    // is a finished one (a click, a key, the thumb let go; not every step of a drag);
    // that rewrites the edit, which applies the value.
    bool OnSliderMoved(HWND slider, WORD code);

    // The edit's number clamped to the range (the bound written back into the edit
    // when it lay outside), the slider moved there, stored. Returns the value.
    int Apply();

    bool IsDefault(int value) const { return m_info.defaultValue && *m_info.defaultValue == value; }

private:
    void SetEditText(const std::wstring& text);
    void MoveSlider(int value);

    NumericFieldInfo m_info;
    Store m_store;
    HWND m_page = nullptr;
    bool m_writing = false;
};

} // namespace orvane
