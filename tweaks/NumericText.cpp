#include "tweaks/NumericText.h"

#include <algorithm>
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

std::wstring PixelsAsTwipsText(int pixels) {
    return std::to_wstring(static_cast<long long>(pixels) * -15);
}

int PixelsOfTwipsText(const std::wstring& text) {
    std::size_t at = text.find_first_not_of(L" \t\r\n\v\f");
    if (at == std::wstring::npos)
        return 0;
    if (text[at] == L'-' || text[at] == L'+')
        ++at;
    // The twips of the largest int of pixels at most; more digits change nothing.
    constexpr long long kLargest = std::numeric_limits<int>::max() * 15LL;
    long long twips = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at)
        twips = std::min(kLargest, twips * 10 + (text[at] - L'0'));
    return static_cast<int>(twips / 15);
}

} // namespace orvane
