// What users type into numeric fields and what stored values hold.
#include "FuzzInput.h"

#include "framework/ProfileText.h"
#include "tweaks/NumericText.h"

#include <climits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::fuzz;
    const std::wstring input = WideText(data, size);

    const int typed = LeadingNumber(input);
    Require(typed >= 0);
    const bool startsWithDigit = !input.empty() && input[0] >= L'0' && input[0] <= L'9';
    Require(startsWithDigit || typed == 0);
    if (!input.empty() && input[0] != L'-' && input[0] != L'+')
        Require(ProfileNumber(input, -1) == typed);

    if (size >= 8) {
        int bounds[2];
        __builtin_memcpy(bounds, data, sizeof bounds);
        const NumericRange range{bounds[0] < bounds[1] ? bounds[0] : bounds[1],
                                 bounds[0] < bounds[1] ? bounds[1] : bounds[0]};
        Require(range.Contains(range.Clamp(typed)));
    }
    return 0;
}
