// Settings file contents, as a user or a crash may leave them, through the in-memory
// profile store and the settings table.
#include "FuzzInput.h"

#include "core/Options.h"
#include "framework/ProfileText.h"

namespace orvane::fuzz {
namespace {

std::wstring OneTrimmedLine(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n')
            c = L' ';
    const std::size_t begin = text.find_first_not_of(L" \t");
    if (begin == std::wstring::npos)
        return std::wstring();
    return text.substr(begin, text.find_last_not_of(L" \t") - begin + 1);
}

} // namespace
} // namespace orvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::fuzz;
    const std::wstring input = WideText(data, size);

    // Writing the text out and reading it again changes nothing more.
    const ProfileText parsed(input);
    const std::wstring once = parsed.Text();
    Require(ProfileText(once).Text() == once);

    // Every setting loads from it and saves back; what was saved reads back the same.
    ProfileTextStore store(input);
    COptions options;
    options.Load(store);
    options.Save(store);
    for (const SettingEntry& entry : options.Entries()) {
        const std::wstring* stored = store.Text().Find(options.Section(), entry.key);
        Require(stored != nullptr);
        if (entry.type == SettingType::String)
            Require(*stored == OneTrimmedLine(entry.text));
    }

    // A value set into any file is what a later read finds, and leaves other sections be.
    ProfileText changed(input);
    const std::wstring* before = parsed.Find(L"WallpapersFolders", L"0");
    const std::wstring value = input.substr(0, input.size() / 3);
    changed.Set(L"Settings", L"strWallaperVideoPath", value);
    const ProfileText reread(changed.Text());
    const std::wstring* after = reread.Find(L"Settings", L"strWallaperVideoPath");
    Require(after && *after == OneTrimmedLine(value));
    const std::wstring* other = reread.Find(L"WallpapersFolders", L"0");
    Require((before == nullptr) == (other == nullptr) && (!before || *before == *other));
    return 0;
}
