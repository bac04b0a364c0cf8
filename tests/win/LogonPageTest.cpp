#include "core/Options.h"
#include "core/Translate.h"
#include "framework/Handle.h"
#include "personalize/DlgTabLogon.h"
#include "personalize/LogonPageHost.h"
#include "personalize/LogonPictures.h"
#include "resources/ids_personalize.h"
#include "DialogWatcher.h"
#include "TempFolder.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using test::DialogWatcher;
using test::PressButton;
using test::SeenDialog;
using test::TempFolder;

std::wstring DistFolder() {
    wchar_t buffer[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"ORVANE_DIST", buffer, MAX_PATH);
    return buffer;
}

// The 64-bit registry view, as the logon screen reads it.
UniqueKey BackgroundKey(REGSAM access) {
    UniqueKey key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, kLogonBackgroundKey, 0, nullptr, 0,
                    access | KEY_WOW64_64KEY, nullptr, key.receive(), nullptr);
    return key;
}

bool OemBackgroundExists() {
    return RegQueryValueExW(BackgroundKey(KEY_QUERY_VALUE).get(), kOemBackgroundValue, nullptr,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void SetOemBackground(bool present) {
    UniqueKey key = BackgroundKey(KEY_SET_VALUE);
    const DWORD one = 1;
    if (present)
        RegSetValueExW(key.get(), kOemBackgroundValue, 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&one), sizeof one);
    else
        RegDeleteValueW(key.get(), kOemBackgroundValue);
}

// The page on a Windows folder of the test's, with the program's real pictures.
class TestLogonHost : public ILogonPageHost {
public:
    explicit TestLogonHost(const std::wstring& windows) : windows(windows) {}
    COptions& Options() override { return options; }
    const CTranslate& Texts() override { return texts; }
    std::wstring ProgramFolder() override { return DistFolder(); }
    std::wstring WindowsFolder() override { return windows; }
    SIZE ScreenSize() override { return {1920, 1080}; }
    bool IsUserAdmin() override { return admin; }
    bool CanChangeLogonImage() override { return true; }
    bool ChoosePicture(HWND, const std::wstring& title, std::wstring& path) override {
        chooseTitle = title;
        path = chosen;
        return !chosen.empty();
    }
    bool RestartAsAdmin() override {
        ++restarts;
        return false;
    }
    void OpenAddress(const std::wstring& address) override { opened.push_back(address); }
    CJpegEncoder& Encoder() override { return encoder; }

    COptions options;
    CTranslate texts;
    CJpegEncoder encoder;
    std::wstring windows;
    bool admin = true;
    std::wstring chosen;
    std::wstring chooseTitle;
    int restarts = 0;
    std::vector<std::wstring> opened;
};

class LogonPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.Ok());
        host.texts.SetFolder(languages.Path()); // the built-in English texts
        host.texts.LoadLanguage(L"English");
        SetOemBackground(false);
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 720, 420, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(nullptr, parent);
        paths = LogonPathsFor(windows.Path());
    }
    void TearDown() override {
        page.reset();
        DestroyWindow(parent);
        SetOemBackground(false);
    }

    CDlgTabLogon& Open() {
        page = std::make_unique<CDlgTabLogon>(host);
        EXPECT_NE(nullptr, page->Create(parent));
        return *page;
    }
    HWND Item(int id) const { return GetDlgItem(page->GetSafeHwnd(), id); }
    bool Shown(int id) const { return (GetWindowLongPtrW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    std::wstring SelectedText() const {
        HWND list = Item(IDC_LOGON_PICTURES);
        const LRESULT row = SendMessageW(list, CB_GETCURSEL, 0, 0);
        wchar_t text[64] = L"";
        if (row >= 0 && SendMessageW(list, CB_GETLBTEXTLEN, row, 0) < 64)
            SendMessageW(list, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Pick(int row) {
        SendMessageW(Item(IDC_LOGON_PICTURES), CB_SETCURSEL, row, 0);
        SendMessageW(page->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_LOGON_PICTURES, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_LOGON_PICTURES)));
    }
    void Press(int id) {
        SendMessageW(page->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(id)));
    }
    void PutCustomImage() {
        ASSERT_EQ(ERROR_SUCCESS,
                  SHCreateDirectoryExW(nullptr, paths.backgroundsFolder.c_str(), nullptr));
        ASSERT_TRUE(test::WritePicture(paths.customImage, 64, 36, [](Gdiplus::Graphics& g) {
            g.Clear(Gdiplus::Color(255, 200, 80, 20));
        }));
    }
    static bool Exists(const std::wstring& path) {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    GdiplusSession gdiplus;
    TempFolder languages;
    TempFolder windows;
    TestLogonHost host{windows.Path()};
    LogonPaths paths;
    HWND parent = nullptr;
    std::unique_ptr<CDlgTabLogon> page;
};

TEST_F(LogonPage, ListsTheTwentyRowsWithTheirTexts) {
    Open();
    HWND list = Item(IDC_LOGON_PICTURES);
    ASSERT_EQ(20, SendMessageW(list, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"Default", SelectedText()) << "no image of ours: Windows' own";
    SendMessageW(list, CB_SETCURSEL, 13, 0);
    EXPECT_EQ(L"Sea", SelectedText());
    SendMessageW(list, CB_SETCURSEL, 19, 0);
    EXPECT_EQ(L"Custom", SelectedText());
    wchar_t note[256] = L"";
    GetWindowTextW(Item(IDC_LOGON_NOTE), note, 256);
    EXPECT_EQ(
        0, std::wstring(note).find(L"The chosen image is reduced to a size not exceeding 250 KB."));
    EXPECT_FALSE(Shown(IDC_LOGON_CHOOSE));
}

TEST_F(LogonPage, SelectsTheRowOfTheImageTheSystemShows) {
    PutCustomImage();
    SetOemBackground(true);
    struct Case {
        const wchar_t* stored;
        const wchar_t* row;
        bool choose;
    } cases[] = {{L"sea", L"Sea", false}, {L"", L"Custom", true}, {L"custom", L"Custom", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(test::Narrow(c.stored));
        host.options.SetString(L"strLogonScreenImage", c.stored);
        Open();
        EXPECT_EQ(c.row, SelectedText());
        EXPECT_EQ(c.choose, Shown(IDC_LOGON_CHOOSE));
        // The preview shows the image itself, at the frame's size.
        RECT frame;
        GetWindowRect(Item(IDC_LOGON_PREVIEW), &frame);
        auto shown = reinterpret_cast<HBITMAP>(
            SendMessageW(Item(IDC_LOGON_PREVIEW), STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(nullptr, shown);
        EXPECT_TRUE(
            test::Near(RGB(200, 80, 20), test::PixelOf(shown, frame.right / 2, frame.bottom / 2)));
    }
    // Once the value is gone the logon screen shows Windows' picture, whatever the name.
    SetOemBackground(false);
    host.options.SetString(L"strLogonScreenImage", L"sea");
    Open();
    EXPECT_EQ(L"Default", SelectedText());
}

TEST_F(LogonPage, WithoutAdministratorRightsOnlyTheNoticeActs) {
    host.admin = false;
    Open();
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_LOGON_PICTURES)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_LOGON_CHOOSE)));
    for (int id : {IDC_LOGON_ADMIN_FRAME, IDC_LOGON_ADMIN_NOTICE, IDC_LOGON_RESTART})
        EXPECT_TRUE(Shown(id)) << id;
    RECT note;
    GetWindowRect(Item(IDC_LOGON_NOTE), &note);
    MapWindowPoints(nullptr, page->GetSafeHwnd(), reinterpret_cast<POINT*>(&note), 2);
    EXPECT_EQ(11, note.left);
    EXPECT_EQ(290, note.top);
    Press(IDC_LOGON_RESTART);
    EXPECT_EQ(1, host.restarts);

    host.admin = true;
    Open();
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_LOGON_PICTURES)));
    for (int id : {IDC_LOGON_ADMIN_FRAME, IDC_LOGON_ADMIN_NOTICE, IDC_LOGON_RESTART})
        EXPECT_FALSE(Shown(id)) << id;
    RECT placed;
    GetWindowRect(Item(IDC_LOGON_NOTE), &placed);
    MapWindowPoints(nullptr, page->GetSafeHwnd(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_NE(290, placed.top) << "the note keeps its own place beside the preview";
    EXPECT_EQ(note.right - note.left, placed.right - placed.left) << "moving keeps the size";
}

TEST_F(LogonPage, ABuiltInPictureBecomesTheLogonImageAndDefaultRemovesIt) {
    ASSERT_TRUE(Exists(DistFolder() + L"\\logon\\sea.jpg"));
    Open();
    Pick(13);
    EXPECT_EQ(L"sea", host.options.GetString(L"strLogonScreenImage"));
    {
        Gdiplus::Bitmap written(paths.customImage.c_str()); // holds the file while it lives
        ASSERT_EQ(Gdiplus::Ok, written.GetLastStatus());
        EXPECT_EQ(1920u, written.GetWidth());
        EXPECT_EQ(1080u, written.GetHeight());
    }
    EXPECT_LT(FileSizeOf(paths.customImage), static_cast<long long>(kLogonImageLimit));
    EXPECT_TRUE(OemBackgroundExists());

    Pick(19); // "Custom" waits for a file
    EXPECT_TRUE(Shown(IDC_LOGON_CHOOSE));
    EXPECT_EQ(L"custom", host.options.GetString(L"strLogonScreenImage"));
    EXPECT_TRUE(Exists(paths.customImage));

    Pick(0);
    EXPECT_FALSE(Exists(paths.customImage));
    EXPECT_FALSE(OemBackgroundExists());
    EXPECT_FALSE(Shown(IDC_LOGON_CHOOSE));
    EXPECT_EQ(L"", host.options.GetString(L"strLogonScreenImage"));
}

TEST_F(LogonPage, ChooseAppliesThePictureFileOfTheUser) {
    const std::wstring own = windows / L"holiday.png";
    ASSERT_TRUE(test::WritePicture(
        own, 800, 600, [](Gdiplus::Graphics& g) { g.Clear(Gdiplus::Color(255, 20, 160, 90)); }));
    Open();
    Pick(19);
    host.chosen.clear();
    Press(IDC_LOGON_CHOOSE); // cancelled: nothing happens
    EXPECT_FALSE(Exists(paths.customImage));
    EXPECT_EQ(L"Choose", host.chooseTitle);

    host.chosen = own;
    Press(IDC_LOGON_CHOOSE);
    {
        Gdiplus::Bitmap written(paths.customImage.c_str());
        ASSERT_EQ(Gdiplus::Ok, written.GetLastStatus());
        EXPECT_EQ(1920u, written.GetWidth());
    }
    EXPECT_TRUE(OemBackgroundExists());

    // The page opened again finds the user's picture in place.
    Open();
    EXPECT_EQ(L"Custom", SelectedText());
    EXPECT_TRUE(Shown(IDC_LOGON_CHOOSE));
}

TEST_F(LogonPage, AChosenFileThatIsNoPictureIsReportedAndChangesNothing) {
    const std::wstring text = windows / L"holiday.jpg";
    ASSERT_TRUE(test::WriteBytes(text, "a letter, not a picture"));
    Open();
    Pick(19);
    host.chosen = text;
    DialogWatcher watcher([](const SeenDialog& dialog) { PressButton(dialog.window, IDOK); });
    Press(IDC_LOGON_CHOOSE);
    EXPECT_EQ(std::vector<std::wstring>{host.texts.Text(248)}, watcher.Messages());
    EXPECT_FALSE(Exists(paths.customImage));
    EXPECT_FALSE(OemBackgroundExists());
}

TEST_F(LogonPage, LinksOpenTheGalleryAndTheHelpPage) {
    Open();
    Press(IDC_LOGON_FIND);
    Press(IDC_LOGON_HELP);
    host.options.SetString(L"strLanguage", L"Russian");
    Press(IDC_LOGON_FIND);
    host.options.SetString(L"strLanguage", L"");
    ASSERT_EQ(3u, host.opened.size());
    EXPECT_EQ(L"https://orvane.teskan.com/?category=abstract", host.opened[0]);
    EXPECT_EQ(L"https://orvane.teskan.com/windows-app/?p=logon-screen", host.opened[1]);
    EXPECT_EQ(L"https://orvane.teskan.com/?category=abstract&lng=ru", host.opened[2]);
}

TEST_F(LogonPage, TheLabelsReadOnTheBackdropAndThePreviewFrameStaysBlack) {
    host.admin = false; // the notice shows
    Open();
    HWND window = page->GetSafeHwnd();
    HDC dc = GetDC(window);
    const auto colour = [&](UINT message, int id) {
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, RGB(1, 2, 3));
        return SendMessageW(window, message, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(Item(id)));
    };
    const auto clearBrush = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    EXPECT_EQ(clearBrush, colour(WM_CTLCOLORSTATIC, IDC_LOGON_NOTE));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    EXPECT_EQ(RGB(255, 255, 255), GetTextColor(dc));
    EXPECT_EQ(clearBrush, colour(WM_CTLCOLORSTATIC, IDC_LOGON_ADMIN_NOTICE));
    EXPECT_EQ(RGB(255, 92, 92), GetTextColor(dc));
    EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)),
              colour(WM_CTLCOLORSTATIC, IDC_LOGON_PREVIEW));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(dc));
    EXPECT_NE(clearBrush, colour(WM_CTLCOLORBTN, IDC_LOGON_RESTART)) << "buttons keep their own";
    ReleaseDC(window, dc);
}

TEST_F(LogonPage, ThePagePictureCoversThePageAtAnySize) {
    Open();
    HWND window = page->GetSafeHwnd();
    // At Windows' dialog units the template is the picture's size, and the preview frame
    // has the shape of a 1920 x 1080 screen, so it shows what the logon screen will.
    RECT client, frame;
    GetClientRect(window, &client);
    GetWindowRect(Item(IDC_LOGON_PREVIEW), &frame);
    RECT units = {0, 0, 4, 8};
    MapDialogRect(window, &units);
    if (units.right == 6 && units.bottom == 13) {
        EXPECT_LE(client.right, 700);
        EXPECT_LE(client.bottom, 398);
        EXPECT_EQ(480, frame.right - frame.left);
        EXPECT_EQ(270, frame.bottom - frame.top);
    }

    // With larger units the page outgrows its picture; what lies beyond is never erased,
    // so the page must paint it.
    SetWindowPos(window, nullptr, 0, 0, 800, 450, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UniqueDC dc(CreateCompatibleDC(nullptr));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 800, -450, 1, 32, BI_RGB};
    void* bits = nullptr;
    UniqueGdiObject canvas(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(canvas);
    {
        SelectGuard select(dc.get(), canvas.get());
        const RECT all = {0, 0, 800, 450};
        UniqueGdiObject magenta(CreateSolidBrush(RGB(255, 0, 255)));
        FillRect(dc.get(), &all, static_cast<HBRUSH>(magenta.get()));
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    }
    const COLORREF corner = test::PixelOf(static_cast<HBITMAP>(canvas.get()), 0, 397);
    for (POINT p : {POINT{750, 10}, POINT{10, 430}, POINT{790, 440}}) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        const COLORREF beyond = test::PixelOf(static_cast<HBITMAP>(canvas.get()), p.x, p.y);
        EXPECT_NE(RGB(255, 0, 255), beyond);
        EXPECT_TRUE(test::Near(corner, beyond, 4));
    }
}

} // namespace
} // namespace orvane
