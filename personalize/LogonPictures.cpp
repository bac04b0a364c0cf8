#include "personalize/LogonPictures.h"

namespace orvane {

const LogonPictureRow kLogonRows[kLogonRowCount] = {
    {77, nullptr, L""},
    {0, L"Branches", L"branches"},
    {0, L"Clouds", L"clouds"},
    {0, L"Crescent", L"crescent"},
    {0, L"Daisies", L"daisies"},
    {0, L"Earth", L"earth"},
    {0, L"Field", L"field"},
    {0, L"Floral", L"floral"},
    {0, L"Grass", L"grass"},
    {0, L"Leaf", L"leaf"},
    {0, L"Orange", L"orange"},
    {0, L"Pink", L"pink"},
    {0, L"Raindrops", L"raindrops"},
    {0, L"Sea", L"sea"},
    {0, L"Smoke", L"smoke"},
    {0, L"Street", L"street"},
    {0, L"Sunrise", L"sunrise"},
    {0, L"Triangles", L"triangles"},
    {0, L"Water", L"water"},
    {79, nullptr, L"custom"},
};

std::wstring BuiltInLogonPicture(const std::wstring& programFolder, const std::wstring& name) {
    return programFolder + L"\\logon\\" + name + L".jpg";
}

std::size_t LogonRowToShow(const std::wstring& storedName, bool customImageExists,
                           bool backgroundValueMayBeSet) {
    if (!customImageExists || !backgroundValueMayBeSet)
        return kLogonDefaultRow;
    for (std::size_t row = 0; row < kLogonRowCount; ++row)
        if (storedName == kLogonRows[row].name)
            return row == kLogonDefaultRow ? kLogonCustomRow : row;
    return kLogonCustomRow;
}

} // namespace orvane
