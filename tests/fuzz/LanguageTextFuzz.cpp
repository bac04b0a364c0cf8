// Language files: a profile file whose texts keep line breaks as \r and \n.
#include "FuzzInput.h"

#include "core/TextEscapes.h"
#include "framework/ProfileText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::fuzz;
    const std::wstring input = WideText(data, size);

    const std::wstring expanded = ExpandLineBreaks(input);
    Require(expanded.size() <= input.size());
    // Text without a backslash has nothing to expand.
    if (input.find(L'\\') == std::wstring::npos)
        Require(expanded == input);

    const ProfileText file(input);
    if (const std::wstring* name = file.Find(L"Language", L"lang_en"))
        Require(name->find_first_of(L"\r\n") == std::wstring::npos);
    for (int id = 0; id <= 249; ++id)
        if (const std::wstring* text = file.Find(L"Text", std::to_wstring(id)))
            ExpandLineBreaks(*text);
    return 0;
}
