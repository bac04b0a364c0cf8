// Window metrics as the registry keeps them: negative twips in text, which other
// programs and the user may have written in any form.
#include "FuzzInput.h"

#include "tweaks/NumericText.h"

#include <climits>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::fuzz;
    const std::wstring text = WideText(data, size);

    const int pixels = PixelsOfTwipsText(text);
    Require(pixels >= 0);
    // Reading what was written gives the same pixels back.
    Require(PixelsOfTwipsText(PixelsAsTwipsText(pixels)) == pixels);

    // Short texts of blanks, signs and digits read as a signed integer reads them,
    // divided by 15 and made positive.
    if (text.size() <= 10 &&
        text.find_first_not_of(L" \t\r\n\v\f+-0123456789") == std::wstring::npos) {
        const std::string narrow(text.begin(), text.end());
        Require(pixels ==
                static_cast<int>(std::llabs(std::strtoll(narrow.c_str(), nullptr, 10)) / 15));
    }

    // Any number of pixels a field may hold comes back from its text.
    if (size >= 4) {
        int any;
        __builtin_memcpy(&any, data, sizeof any);
        const int field = any == INT_MIN ? INT_MAX : any < 0 ? -any : any;
        Require(PixelsOfTwipsText(PixelsAsTwipsText(field)) == field);
    }
    return 0;
}
