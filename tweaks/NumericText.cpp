#include "tweaks/NumericText.h"

#include <limits>

namespace orvane {

int LeadingNumber(const std::wstring& text) {
    constexpr int kLargest = std::numeric_limits<int>::max();
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            break;
        const int digit = c - L'0';
        if (value > (kLargest - digit) / 10)
            return kLargest;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace orvane
