#pragma once

#include <windows.h>

#include <string>

namespace orvane {

// The logon screen of Windows Vista and 7 shows "backgroundDefault.jpg" from the OEM
// backgrounds folder when "OEMBackground" is 1 and the file is below 256000 bytes.
constexpr unsigned long long kLogonImageLimit = 256000;
extern const wchar_t kLogonBackgroundKey[]; // under HKEY_LOCAL_MACHINE
extern const wchar_t kOemBackgroundValue[];

struct LogonPaths {
    std::wstring defaultImage;      // the Windows picture, for the preview of "Default"
    std::wstring backgroundsFolder; // created when a picture is applied
    std::wstring customImage;       // the file the logon screen shows
};
LogonPaths LogonPathsFor(const std::wstring& windowsFolder);

// How a picture becomes the logon image's JPEG. The program uses GDI+'s JPEG encoder;
// tests derive from this to measure the shrinking without depending on an encoder.
class CJpegEncoder {
public:
    virtual ~CJpegEncoder() = default;
    // Writes the bitmap to path as JPEG at the encoder's default quality.
    virtual bool Save(HBITMAP bitmap, const std::wstring& path);
    // Encodes the JPEG at path again with this quality (0 to 100), in place.
    virtual bool Reencode(const std::wstring& path, long quality);
};

// GDI+'s JPEG encoder, found by its MIME type; false when there is none.
bool FindJpegEncoder(CLSID& encoder);

// Loads the JPEG (or any picture GDI+ reads) at path and writes it back as JPEG with
// the quality parameter, through path + "_" so that the loaded file is not overwritten
// while it is open.
bool ReencodeJpeg(const std::wstring& path, long quality);

// A picture file decoded into a bitmap of its own (the file is not kept open).
struct LoadedPicture {
    HBITMAP bitmap = nullptr; // owned by the caller
    SIZE size = {0, 0};
};
LoadedPicture LoadPicture(const std::wstring& path);
// A picture below System32 as the 64-bit system sees it (a 32-bit process on 64-bit
// Windows would otherwise read SysWOW64): the file is read with the redirection off,
// then decoded with it on, since decoding may load codec DLLs.
LoadedPicture LoadSystemPicture(const std::wstring& path);

// A bitmap compatible with dc of the target size, with the source drawn to cover it
// (centred, cropped equally) in HALFTONE mode. Null on failure; owned by the caller.
HBITMAP CoverBitmap(HDC dc, HBITMAP source, SIZE sourceSize, SIZE target);

// The file size, or -1 when the file cannot be opened or measured.
long long FileSizeOf(const std::wstring& path);

// Lowers the JPEG quality 95, 90, ... 0, each re-encoding the file as it is now, until
// the file is below the limit.
enum class ShrinkResult { BelowLimit, TooLarge, Unmeasurable };
ShrinkResult ShrinkBelowLimit(const std::wstring& path, CJpegEncoder& encoder);

// With apply: the picture, scaled to cover the screen, becomes the logon image and
// "OEMBackground" is set; a picture that does not load or cannot be written changes
// nothing and gives false. Without: the logon image and the value are removed. A picture
// that even at quality 0 stays above the limit is made again at half the size, until it
// fits: the logon screen stretches it to the screen, where a larger file would be
// refused.
bool ApplyLogonImage(const LogonPaths& paths, const std::wstring& picture, bool apply, SIZE screen,
                     CJpegEncoder& encoder);

// Whether the logon screen may be showing our image: "OEMBackground" is there, or its
// key cannot be read at all (64-bit registry view).
bool OemBackgroundMayBeSet();

} // namespace orvane
