#pragma once

#include <cstddef>
#include <string>

namespace orvane {

// One row of the Logon Screen page's picture list. The stored name is what
// "strLogonScreenImage" keeps for the row; a built-in picture is the file
// "logon\<name>.jpg" beside the program.
struct LogonPictureRow {
    unsigned textId; // interface text of the row; 0 for a picture, which shows its caption
    const wchar_t* caption;
    const wchar_t* name;
};

constexpr std::size_t kLogonRowCount = 20;
constexpr std::size_t kLogonDefaultRow = 0;
constexpr std::size_t kLogonCustomRow = kLogonRowCount - 1;
extern const LogonPictureRow kLogonRows[kLogonRowCount];

// The built-in picture of a stored name: programFolder\logon\<name>.jpg.
std::wstring BuiltInLogonPicture(const std::wstring& programFolder, const std::wstring& name);

// The row the page shows. The logon screen shows our picture when the custom image
// exists and "OEMBackground" is there (or its key cannot be read, so it may be); then
// the stored name picks the row, and anything that matches no picture row means a
// picture file of the user's ("Custom"). Otherwise the Windows default is shown.
std::size_t LogonRowToShow(const std::wstring& storedName, bool customImageExists,
                           bool backgroundValueMayBeSet);

} // namespace orvane
