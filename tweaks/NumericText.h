#pragma once

#include <string>

namespace orvane {

// The number a numeric field's text stands for: its leading decimal digits, 0 when it
// starts with none. Digits beyond what an int holds give the largest int, which any
// range then clamps.
int LeadingNumber(const std::wstring& text);

// Window metrics are kept in the registry as text in twips, negative: 22 pixels are
// "-330". Reading takes the text's number as a signed integer does (leading blanks, a
// sign, the digits), divides it by 15 with truncation and makes it positive, so "-300"
// and "300" are 20 pixels and "-14" is none.
std::wstring PixelsAsTwipsText(int pixels);
int PixelsOfTwipsText(const std::wstring& text);

// A numeric field's range, both bounds included.
struct NumericRange {
    int minimum;
    int maximum;

    int Clamp(int value) const {
        return value < minimum ? minimum : value > maximum ? maximum : value;
    }
    bool Contains(int value) const { return value >= minimum && value <= maximum; }
};

} // namespace orvane
