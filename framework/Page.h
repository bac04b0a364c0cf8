#pragma once

#include "framework/Dialog.h"

namespace orvane {

// A page of the main window's tab control: a child dialog created from its own
// template, relabelled after a change of language.
class CPage : public CDialog {
public:
    using CDialog::CDialog;
    // Applies the current interface texts to the page's controls.
    virtual void ApplyTexts() {}
};

} // namespace orvane
