#include "framework/FileDialog.h"

#include <commdlg.h>

#include <vector>

namespace orvane {

const wchar_t kWallpaperPictureFilter[] =
    L"*.jpg, *.jpeg, *.bmp, *.dib, *.png, *.jfif, *.jpe, *.gif, *.tif, *.tiff, *.wdp\0"
    L"*.jpg;*.jpeg;*.bmp;*.dib;*.png;*.jfif;*.jpe;*.gif;*.tif;*.tiff;*.wdp\0";

bool AskForFile(HWND owner, const std::wstring& title, const wchar_t* filter, std::wstring& path) {
    std::vector<wchar_t> file(MAX_PATH, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_NODEREFERENCELINKS | OFN_LONGNAMES;
    if (!GetOpenFileNameW(&dialog))
        return false;
    path = file.data();
    return true;
}

} // namespace orvane
