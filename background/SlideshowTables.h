#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace orvane {

// How the wallpaper is positioned: the row of the page's position list, the code the
// slideshow keeps, and the two values of "Control Panel\Desktop" that express it.
struct WallpaperPosition {
    int code;
    const wchar_t* wallpaperStyle;
    const wchar_t* tileWallpaper;
    unsigned textId;
};

constexpr std::size_t kPositionCount = 6; // Fill, Fit, Stretch, Tile, Center, Span
constexpr std::size_t kSpanRow = 5;       // offered on Windows 10 and later only
constexpr int kFillCode = 5;

// The positions in page order.
extern const WallpaperPosition kPositions[kPositionCount];

// The code of a page row; rows outside the list mean Fill.
int PositionCodeOfRow(int row);
// The position of a code; a code outside 0-5 is written as Fill.
const WallpaperPosition& PositionOfCode(int code);
// The page row that two stored registry values express; anything unknown is Fill.
int PositionRowOf(const std::wstring& wallpaperStyle, const std::wstring& tileWallpaper);

// The change intervals in the order of the page's list; the row is the stored
// "iWallaperAutoChange".
struct ChangeInterval {
    unsigned seconds; // 0: no timer
    unsigned amount;  // the number in "every 10 seconds"; 0 for the rows of one text
    unsigned textId;  // the unit, or the whole text of rows 0 and 1
};

constexpr int kIntervalCount = 18;
constexpr int kIntervalOff = 0;
constexpr int kIntervalAtStartup = 1;
extern const ChangeInterval kIntervals[kIntervalCount];

// The timer's period for a stored row, 0 for no timer. Rows 0 and 1 run no timer, and
// a stored row that the list does not have (only a hand-edited file holds one) counts
// as off: it changes nothing and the page shows no row.
unsigned IntervalSeconds(int row);
// The page text of a row: "every 10 seconds" and the like from the text table.
std::wstring IntervalText(int row, const std::function<const std::wstring&(unsigned)>& text);

// Whether a file name's extension (after its last ".") is one the slideshow takes from
// folders: bmp, jpeg, jpg, gif, tif, png, in any letter case.
bool IsSlideshowPictureName(const std::wstring& name);

} // namespace orvane
