#include "background/SlideshowTables.h"

namespace orvane {

const WallpaperPosition kPositions[kPositionCount] = {
    {5, L"10", L"0", 24},  // Fill
    {4, L"6", L"0", 25},   // Fit
    {3, L"2", L"0", 26},   // Stretch
    {0, L"0", L"1", 27},   // Tile
    {1, L"0", L"0", 28},   // Center
    {2, L"22", L"0", 200}, // Span
};

int PositionCodeOfRow(int row) {
    if (row < 0 || row >= static_cast<int>(kPositionCount))
        return kFillCode;
    return kPositions[row].code;
}

const WallpaperPosition& PositionOfCode(int code) {
    for (const WallpaperPosition& position : kPositions)
        if (position.code == code)
            return position;
    return kPositions[0];
}

int PositionRowOf(const std::wstring& style, const std::wstring& tile) {
    // In this order; Fill is what is left.
    for (std::size_t row = 1; row < kPositionCount; ++row)
        if (style == kPositions[row].wallpaperStyle && tile == kPositions[row].tileWallpaper)
            return static_cast<int>(row);
    return 0;
}

const ChangeInterval kIntervals[kIntervalCount] = {
    {0, 0, 30},    {0, 0, 31},     {10, 10, 33},   {30, 30, 33},   {60, 1, 34},     {180, 3, 35},
    {300, 5, 35},  {600, 10, 35},  {900, 15, 35},  {1200, 20, 35}, {1800, 30, 35},  {3600, 1, 36},
    {7200, 2, 37}, {10800, 3, 37}, {14400, 4, 37}, {21600, 6, 37}, {43200, 12, 37}, {86400, 1, 38},
};

unsigned IntervalSeconds(int row) {
    if (row < 0 || row >= kIntervalCount)
        return 0;
    return kIntervals[row].seconds;
}

std::wstring IntervalText(int row, const std::function<const std::wstring&(unsigned)>& text) {
    constexpr unsigned kEvery = 32;
    if (row < 0 || row >= kIntervalCount)
        return std::wstring();
    const ChangeInterval& interval = kIntervals[row];
    if (interval.amount == 0)
        return text(interval.textId);
    return text(kEvery) + L" " + std::to_wstring(interval.amount) + L" " + text(interval.textId);
}

bool IsSlideshowPictureName(const std::wstring& name) {
    static const wchar_t* const kExtensions[] = {L"bmp", L"jpeg", L"jpg", L"gif", L"tif", L"png"};
    const std::size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos)
        return false;
    std::wstring extension = name.substr(dot + 1);
    for (wchar_t& c : extension)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    for (const wchar_t* known : kExtensions)
        if (extension == known)
            return true;
    return false;
}

} // namespace orvane
