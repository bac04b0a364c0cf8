#include "personalize/LogonImage.h"

#include "core/SystemAccess.h"
#include "framework/ComPtr.h"
#include "framework/FileBytes.h"
#include "framework/FitGeometry.h"
#include "framework/Gdiplus.h"
#include "framework/Handle.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <memory>
#include <vector>

namespace orvane {

const wchar_t kLogonBackgroundKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Authentication\\LogonUI\\Background";
const wchar_t kOemBackgroundValue[] = L"OEMBackground";

namespace {

// {1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}
const GUID kEncoderQuality = {
    0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

SIZE Half(SIZE size) {
    return {size.cx > 1 ? size.cx / 2 : 1, size.cy > 1 ? size.cy / 2 : 1};
}

} // namespace

LogonPaths LogonPathsFor(const std::wstring& windowsFolder) {
    LogonPaths paths;
    paths.defaultImage = windowsFolder + L"\\System32\\oobe\\background.bmp";
    paths.backgroundsFolder = windowsFolder + L"\\System32\\oobe\\info\\backgrounds";
    paths.customImage = paths.backgroundsFolder + L"\\backgroundDefault.jpg";
    return paths;
}

bool FindJpegEncoder(CLSID& encoder) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (codecs[i].MimeType && wcscmp(codecs[i].MimeType, L"image/jpeg") == 0) {
            encoder = codecs[i].Clsid;
            return true;
        }
    return false;
}

bool ReencodeJpeg(const std::wstring& path, long quality) {
    GdiplusSession gdiplus;
    CLSID jpeg;
    if (!gdiplus.Ok() || !FindJpegEncoder(jpeg))
        return false;
    const std::wstring temporary = path + L"_";
    {
        Gdiplus::Image image(path.c_str());
        if (image.GetLastStatus() != Gdiplus::Ok)
            return false;
        Gdiplus::EncoderParameters parameters;
        parameters.Count = 1;
        parameters.Parameter[0].Guid = kEncoderQuality;
        parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
        parameters.Parameter[0].NumberOfValues = 1;
        ULONG value = static_cast<ULONG>(quality);
        parameters.Parameter[0].Value = &value;
        if (image.Save(temporary.c_str(), &jpeg, &parameters) != Gdiplus::Ok) {
            DeleteFileW(temporary.c_str());
            return false;
        }
    } // the image lets go of the file here
    const bool copied = CopyFileW(temporary.c_str(), path.c_str(), FALSE) != FALSE;
    DeleteFileW(temporary.c_str());
    return copied;
}

bool CJpegEncoder::Save(HBITMAP bitmap, const std::wstring& path) {
    GdiplusSession gdiplus;
    CLSID jpeg;
    if (!gdiplus.Ok() || !FindJpegEncoder(jpeg))
        return false;
    Gdiplus::Bitmap image(bitmap, nullptr);
    return image.GetLastStatus() == Gdiplus::Ok &&
           image.Save(path.c_str(), &jpeg, nullptr) == Gdiplus::Ok;
}

bool CJpegEncoder::Reencode(const std::wstring& path, long quality) {
    return ReencodeJpeg(path, quality);
}

namespace {

LoadedPicture Decode(Gdiplus::Bitmap& image) {
    LoadedPicture picture;
    if (image.GetLastStatus() != Gdiplus::Ok || image.GetWidth() == 0 || image.GetHeight() == 0)
        return picture;
    // Transparent parts of a picture show black, as on the logon screen itself.
    if (image.GetHBITMAP(Gdiplus::Color(255, 0, 0, 0), &picture.bitmap) != Gdiplus::Ok) {
        picture.bitmap = nullptr;
        return picture;
    }
    picture.size = {static_cast<LONG>(image.GetWidth()), static_cast<LONG>(image.GetHeight())};
    return picture;
}

} // namespace

LoadedPicture LoadPicture(const std::wstring& path) {
    GdiplusSession gdiplus;
    if (!gdiplus.Ok() || path.empty())
        return {};
    Gdiplus::Bitmap image(path.c_str());
    return Decode(image);
}

LoadedPicture LoadSystemPicture(const std::wstring& path) {
    std::vector<char> bytes;
    {
        FsRedirectionOff redirection;
        if (ReadWholeFile(path, bytes) != ReadResult::Read || bytes.empty())
            return {};
    }
    GdiplusSession gdiplus;
    ComPtr<IStream> stream(SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()),
                                             static_cast<UINT>(bytes.size())));
    if (!gdiplus.Ok() || !stream)
        return {};
    Gdiplus::Bitmap image(stream.get());
    return Decode(image);
}

HBITMAP CoverBitmap(HDC dc, HBITMAP source, SIZE sourceSize, SIZE target) {
    const FitRect fit = CoverRect(target.cx, target.cy, sourceSize.cx, sourceSize.cy);
    if (!source || fit.width <= 0 || fit.height <= 0)
        return nullptr;
    UniqueGdiObject result(CreateCompatibleBitmap(dc, target.cx, target.cy));
    UniqueDC from(CreateCompatibleDC(dc));
    UniqueDC to(CreateCompatibleDC(dc));
    if (!result || !from || !to)
        return nullptr;
    {
        SelectGuard selectSource(from.get(), source);
        SelectGuard selectTarget(to.get(), result.get());
        SetStretchBltMode(to.get(), HALFTONE);
        SetBrushOrgEx(to.get(), 0, 0, nullptr); // HALFTONE needs the brush origin set after it
        if (!StretchBlt(to.get(), fit.x, fit.y, fit.width, fit.height, from.get(), 0, 0,
                        sourceSize.cx, sourceSize.cy, SRCCOPY))
            return nullptr;
    }
    return static_cast<HBITMAP>(result.release());
}

long long FileSizeOf(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size))
        return -1;
    return size.QuadPart;
}

ShrinkResult ShrinkBelowLimit(const std::wstring& path, CJpegEncoder& encoder) {
    for (long quality = 100;; quality -= 5) {
        const long long size = FileSizeOf(path);
        if (size < 0)
            return ShrinkResult::Unmeasurable;
        if (static_cast<unsigned long long>(size) < kLogonImageLimit)
            return ShrinkResult::BelowLimit;
        if (quality == 0)
            return ShrinkResult::TooLarge;
        encoder.Reencode(path, quality - 5);
    }
}

bool ApplyLogonImage(const LogonPaths& paths, const std::wstring& picture, bool apply, SIZE screen,
                     CJpegEncoder& encoder) {
    // The picture is read as the user chose it, in the program's own view of the file
    // system; decoding may also load codec DLLs, which fails while redirection is off.
    const LoadedPicture loaded = apply ? LoadPicture(picture) : LoadedPicture();
    UniqueGdiObject source(loaded.bitmap);
    FsRedirectionOff redirection;
    SHCreateDirectoryExW(nullptr, paths.backgroundsFolder.c_str(), nullptr);
    if (!apply) {
        DeleteFileW(paths.customImage.c_str());
        DeleteRegValue(HKEY_LOCAL_MACHINE, kLogonBackgroundKey, kOemBackgroundValue);
        return true;
    }
    if (!source)
        return false;
    WindowDC screenDc(nullptr);
    for (SIZE size = screen;; size = Half(size)) {
        UniqueGdiObject cover(CoverBitmap(screenDc.get(), loaded.bitmap, loaded.size, size));
        if (!cover || !encoder.Save(static_cast<HBITMAP>(cover.get()), paths.customImage))
            return false;
        if (ShrinkBelowLimit(paths.customImage, encoder) != ShrinkResult::TooLarge ||
            (size.cx == 1 && size.cy == 1))
            break;
    }
    const DWORD one = 1;
    return WriteRegValue(HKEY_LOCAL_MACHINE, kLogonBackgroundKey, kOemBackgroundValue, REG_DWORD,
                         &one, sizeof one);
}

bool OemBackgroundMayBeSet() {
    UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLogonBackgroundKey, 0,
                      KEY_QUERY_VALUE | (IsWow64() ? KEY_WOW64_64KEY : 0),
                      key.receive()) != ERROR_SUCCESS)
        return true;
    return RegQueryValueExW(key.get(), kOemBackgroundValue, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

} // namespace orvane
