#include "DesktopShellFixture.h"
#include "DialogControls.h"
#include "FixtureSavers.h"
#include "MessagePump.h"
#include "TempFolder.h"
#include "core/ChangeNotice.h"
#include "core/Options.h"
#include "core/SystemAccess.h"
#include "core/Translate.h"
#include "personalize/DlgTabScreensaver.h"
#include "personalize/ScreensaverCatalogue.h"
#include "personalize/ScreensaverPageHost.h"
#include "resources/ids_screensaver.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::DesktopText;
using test::PumpMessages;
using test::PumpUntil;
using test::SaverLog;

const ScreensaverEntry* Named(const std::vector<ScreensaverEntry>& entries,
                              const std::wstring& name) {
    const auto found =
        std::find_if(entries.begin(), entries.end(),
                     [&](const ScreensaverEntry& entry) { return entry.name == name; });
    return found == entries.end() ? nullptr : &*found;
}

int CountNamed(const std::vector<ScreensaverEntry>& entries, const std::wstring& name) {
    return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                          [&](const auto& entry) { return entry.name == name; }));
}

DWORD PreviewId(const CScreensaverCatalogue& catalogue) {
    return catalogue.PreviewProcess() ? GetProcessId(catalogue.PreviewProcess()) : 0;
}

class Screensavers : public ::testing::Test {
protected:
    void SetUp() override { texts.LoadLanguage(L"English"); }

    // A copy of one of the real System32's screen savers: a 32-bit test sees SysWOW64
    // there unless redirection is off.
    static bool CopyFromSystem32(const std::wstring& from, const std::wstring& to) {
        FsRedirectionOff off;
        return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
    }

    test::DesktopValuesGuard desktop;
    COptions options;
    CTranslate texts;
    const std::wstring root = test::SystemRootFolder();
    const std::wstring system32 = root + L"\\System32";
};

TEST_F(Screensavers, TheWindowsFoldersAreListedByTheNamesTheFilesGiveThemselves) {
    CScreensaverCatalogue catalogue(options, texts);
    const auto& entries = catalogue.Build();
    const ScreensaverEntry* aurora = Named(entries, L"Aurora Ribbons");
    ASSERT_NE(nullptr, aurora) << "string 1 of the file in the Windows folder";
    EXPECT_EQ(root + L"\\OrvaneAurora.scr", aurora->path);
    const ScreensaverEntry* ribbons = Named(entries, L"Ribbons");
    ASSERT_NE(nullptr, ribbons) << "a file without string 1 goes by its file name";
    EXPECT_EQ(system32 + L"\\Ribbons.scr", ribbons->path);
    const ScreensaverEntry* blank = Named(entries, L"Blank");
    ASSERT_NE(nullptr, blank);
    EXPECT_EQ(system32 + L"\\scrnsave.scr", blank->path);
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(),
                               [](const auto& a, const auto& b) { return a.name < b.name; }));

    const ScreensaverEntry* twin = Named(entries, L"Twin Lights");
    ASSERT_NE(nullptr, twin);
    EXPECT_EQ(system32 + L"\\OrvaneTwin.scr", twin->path);
    EXPECT_EQ(1, CountNamed(entries, L"Twin Lights"));
    if (!IsWow64()) {
        // Only a 32-bit process on 64-bit Windows searches SysWOW64.
        EXPECT_EQ(nullptr, Named(entries, L"Night Sky"));
        EXPECT_EQ(nullptr, Named(entries, L"OrvaneWowPlain"));
    }
}

TEST_F(Screensavers, UnderWow64System32IsSearchedItselfAndSysWow64Apart) {
    if (!IsWow64())
        GTEST_SKIP() << "System32 is redirected to SysWOW64 only for a 32-bit process on 64-bit "
                        "Windows";
    CScreensaverCatalogue catalogue(options, texts);
    const auto& entries = catalogue.Build();
    // In both folders: listed once, with the System32 path.
    EXPECT_EQ(1, CountNamed(entries, L"Twin Lights"));
    ASSERT_NE(nullptr, Named(entries, L"Twin Lights"));
    EXPECT_EQ(system32 + L"\\OrvaneTwin.scr", Named(entries, L"Twin Lights")->path);
    // Only in SysWOW64: listed with that path, named or not.
    ASSERT_NE(nullptr, Named(entries, L"Night Sky"));
    EXPECT_EQ(root + L"\\SysWOW64\\OrvaneNight.scr", Named(entries, L"Night Sky")->path);
    ASSERT_NE(nullptr, Named(entries, L"OrvaneWowPlain"));
    EXPECT_EQ(root + L"\\SysWOW64\\OrvaneWowPlain.scr", Named(entries, L"OrvaneWowPlain")->path);
    // The real System32's own files are there too.
    EXPECT_NE(nullptr, Named(entries, L"Ribbons"));
}

TEST_F(Screensavers, TheSystemsChoiceIsWrittenReadInItsLongFormAndNoneTurnsItOff) {
    CScreensaverCatalogue catalogue(options, texts);
    const auto& entries = catalogue.Build();
    const std::wstring ribbons = system32 + L"\\Ribbons.scr";
    catalogue.SetCurrent(ribbons);
    EXPECT_EQ(ribbons, DesktopText(L"SCRNSAVE.EXE"));
    EXPECT_EQ(L"1", DesktopText(L"ScreenSaveActive"));
    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    EXPECT_TRUE(active);
    ASSERT_GE(catalogue.CurrentIndex(), 0);
    EXPECT_EQ(L"Ribbons", entries[static_cast<std::size_t>(catalogue.CurrentIndex())].name);

    // A short 8.3 form in the registry is read back long.
    test::TempFolder folder;
    const std::wstring longPath = folder / L"A Screen Saver With A Long Name.scr";
    ASSERT_TRUE(CopyFromSystem32(ribbons, longPath));
    wchar_t shortPath[MAX_PATH] = L"";
    ASSERT_NE(0u, GetShortPathNameW(longPath.c_str(), shortPath, MAX_PATH));
    ASSERT_NE(longPath, shortPath) << "the file system gives short names";
    test::SetDesktopText(L"SCRNSAVE.EXE", shortPath);
    wchar_t expected[MAX_PATH] = L"";
    GetLongPathNameW(shortPath, expected, MAX_PATH);
    EXPECT_EQ(expected, catalogue.ReadCurrent());
    EXPECT_NE(std::wstring(shortPath), catalogue.CurrentPath());

    catalogue.SetCurrent({});
    bool present = true;
    DesktopText(L"SCRNSAVE.EXE", &present);
    EXPECT_FALSE(present) << "the value is deleted";
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    EXPECT_FALSE(active);
    EXPECT_EQ(-1, catalogue.CurrentIndex());
    EXPECT_EQ(L"", catalogue.ReadCurrent());
}

TEST_F(Screensavers, TheWaitingTimeGoesToTheSystemAndTheRegistryInSeconds) {
    CScreensaverCatalogue::SetTimeout(15);
    EXPECT_EQ(L"900", DesktopText(L"ScreenSaveTimeOut"));
    UINT seconds = 0;
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
    EXPECT_EQ(900u, seconds);
    CScreensaverCatalogue::SetTimeout(9999);
    EXPECT_EQ(L"599940", DesktopText(L"ScreenSaveTimeOut"));
}

// Three screen savers A, B and C in a Windows folder of the test's own, and a seam that
// says whether one runs.
class AutoChange : public Screensavers {
protected:
    void SetUp() override {
        Screensavers::SetUp();
        for (const wchar_t* name : {L"C.scr", L"A.scr", L"B.scr"})
            ASSERT_TRUE(CopyFromSystem32(system32 + L"\\Ribbons.scr", folder / name));
        CreateDirectoryW((folder / L"System32").c_str(), nullptr);
        catalogue.SetSystemRoot(folder.Path());
        catalogue.SetRunningQuery([this] { return running; });
        ASSERT_EQ(3u, catalogue.Build().size());
        catalogue.SetCurrent(folder / L"A.scr");
    }
    // One screen-saver run seen by the poll: it starts, runs a while and ends.
    void Run() {
        running = true;
        catalogue.ChangeTick();
        catalogue.ChangeTick();
        running = false;
        catalogue.ChangeTick();
    }
    std::wstring CurrentName() const {
        const int index = catalogue.CurrentIndex();
        return index < 0 ? L"" : catalogue.Entries()[static_cast<std::size_t>(index)].name;
    }

    test::TempFolder folder;
    bool running = false;
    int changes = 0;
    CScreensaverCatalogue catalogue{options, texts, [this] { ++changes; }};
};

TEST_F(AutoChange, InOrderEveryEndOfARunMovesToTheNextAndWraps) {
    // Never ran, or still running: nothing changes.
    for (int i = 0; i < 3; ++i)
        catalogue.ChangeTick();
    running = true;
    catalogue.ChangeTick();
    catalogue.ChangeTick();
    EXPECT_EQ(L"A", CurrentName());
    EXPECT_EQ(0, changes);
    running = false;

    catalogue.ChangeTick();
    EXPECT_EQ(L"B", CurrentName());
    EXPECT_EQ(folder / L"B.scr", DesktopText(L"SCRNSAVE.EXE"));
    EXPECT_EQ(1, changes) << "the pages are refreshed once";
    catalogue.ChangeTick();
    EXPECT_EQ(1, changes) << "once per run";
    Run();
    EXPECT_EQ(L"C", CurrentName());
    Run();
    EXPECT_EQ(L"A", CurrentName());
    EXPECT_EQ(folder / L"A.scr", DesktopText(L"SCRNSAVE.EXE"));
    EXPECT_EQ(3, changes);
}

TEST_F(AutoChange, ShuffledNeverChoosesTheSameTwiceInARow) {
    options.SetBool(L"fScreenSaverAutoChangeShuffle", true);
    std::wstring previous = CurrentName();
    std::vector<std::wstring> seen;
    for (int run = 0; run < 40; ++run) {
        Run();
        const std::wstring now = CurrentName();
        ASSERT_NE(previous, now) << "run " << run;
        ASSERT_EQ(folder / (now + L".scr"), DesktopText(L"SCRNSAVE.EXE"));
        seen.push_back(now);
        previous = now;
    }
    for (const wchar_t* name : {L"A", L"B", L"C"})
        EXPECT_NE(seen.end(), std::find(seen.begin(), seen.end(), name)) << name;
}

TEST_F(AutoChange, TheThreadTimerPollsEverySecondUntilStopped) {
    catalogue.StartChangeTimer();
    EXPECT_TRUE(catalogue.ChangeTimerRunning());
    running = true;
    PumpMessages(1300);
    running = false;
    ASSERT_TRUE(PumpUntil([&] { return changes == 1; }, 3000));
    EXPECT_EQ(L"B", CurrentName());
    catalogue.StopChangeTimer();
    EXPECT_FALSE(catalogue.ChangeTimerRunning());
    running = true;
    PumpMessages(1300);
    running = false;
    PumpMessages(1300);
    EXPECT_EQ(1, changes) << "no poll after the stop";
}

class Preview : public Screensavers {
protected:
    void SetUp() override {
        Screensavers::SetUp();
        window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, window);
    }
    void TearDown() override { DestroyWindow(window); }

    // The preview process runs, was asked for "path /p window", and draws in a child of
    // the window.
    void ExpectPreview(const CScreensaverCatalogue& catalogue, const std::wstring& commandPath,
                       HWND into) {
        const DWORD id = PreviewId(catalogue);
        ASSERT_NE(0u, id);
        std::wstring commandLine;
        ASSERT_TRUE(log.WaitForStart(id, commandLine));
        EXPECT_EQ(commandPath + L" /p " +
                      std::to_wstring(static_cast<int>(reinterpret_cast<INT_PTR>(into))),
                  commandLine);
        EXPECT_NE(nullptr, test::WaitForChildOfProcess(into, id)) << "its window is in ours";
    }

    SaverLog log;
    HWND window = nullptr;
};

TEST_F(Preview, OneProcessAtATimeEndedBeforeTheNextAndByTheStop) {
    CScreensaverCatalogue catalogue(options);
    const std::wstring ribbons = system32 + L"\\Ribbons.scr", twin = system32 + L"\\OrvaneTwin.scr";
    catalogue.StartPreview(window, ribbons);
    ExpectPreview(catalogue, ribbons, window);
    const DWORD first = PreviewId(catalogue);
    EXPECT_EQ(std::vector<DWORD>{first}, test::ProcessesNamed(L"Ribbons.scr"));

    catalogue.StartPreview(window, twin);
    EXPECT_FALSE(test::ProcessAlive(first)) << "ended before the next one starts";
    ExpectPreview(catalogue, twin, window);
    const DWORD second = PreviewId(catalogue);

    // Without a path, the system's choice.
    catalogue.SetCurrent(ribbons);
    catalogue.StartPreview(window);
    EXPECT_FALSE(test::ProcessAlive(second));
    ExpectPreview(catalogue, ribbons, window);
    const DWORD third = PreviewId(catalogue);

    catalogue.StopPreview();
    EXPECT_EQ(nullptr, catalogue.PreviewProcess());
    EXPECT_FALSE(test::ProcessAlive(third));
    EXPECT_TRUE(test::ProcessesNamed(L"Ribbons.scr").empty());
    EXPECT_TRUE(test::ProcessesNamed(L"OrvaneTwin.scr").empty());
}

TEST_F(Preview, AScreenSaverInAFolderWithBlanksStartsQuoted) {
    test::TempFolder folder;
    const std::wstring spaced = folder / L"Program Files";
    ASSERT_TRUE(CreateDirectoryW(spaced.c_str(), nullptr));
    const std::wstring path = spaced + L"\\Sea Waves.scr";
    ASSERT_TRUE(CopyFromSystem32(system32 + L"\\Ribbons.scr", path));
    // Unquoted, the system would run this program for the first word of the path.
    ASSERT_TRUE(CopyFromSystem32(system32 + L"\\Ribbons.scr", folder / L"Program.exe"));
    CScreensaverCatalogue catalogue(options);
    catalogue.StartPreview(window, path);
    ExpectPreview(catalogue, L"\"" + path + L"\"", window);
    wchar_t image[MAX_PATH] = L"";
    DWORD length = MAX_PATH;
    ASSERT_TRUE(QueryFullProcessImageNameW(catalogue.PreviewProcess(), 0, image, &length));
    EXPECT_STREQ(L"Sea Waves.scr", PathFindFileNameW(image));
    EXPECT_TRUE(test::ProcessesNamed(L"Program.exe").empty());
    catalogue.StopPreview();
}

TEST_F(Preview, WithoutAProgramNothingStarts) {
    CScreensaverCatalogue catalogue(options);
    catalogue.SetCurrent({});
    catalogue.StartPreview(window);
    EXPECT_EQ(nullptr, catalogue.PreviewProcess());
    EXPECT_TRUE(log.Starts().empty());
}

// The page's program: the test's settings, catalogue and page notice.
class TestScreensaverHost : public IScreensaverPageHost {
public:
    TestScreensaverHost(COptions& options, const CTranslate& texts,
                        CScreensaverCatalogue& catalogue)
        : options(options), texts(texts), catalogue(catalogue) {}
    COptions& Options() override { return options; }
    const CTranslate& Texts() override { return texts; }
    CScreensaverCatalogue& Screensavers() override { return catalogue; }
    CChangeNotice& PageChanges() override { return changes; }

    COptions& options;
    const CTranslate& texts;
    CScreensaverCatalogue& catalogue;
    CChangeNotice changes;
};

// The Screen Saver page on a visible stand-in for the main window's tab.
class ScreensaverPage : public Preview {
protected:
    void SetUp() override {
        Preview::SetUp();
        catalogue.SetCurrent(system32 + L"\\Ribbons.scr");
        options.SetInt(L"iScreenSaverAutoChange", 0);
        options.SetBool(L"fScreenSaverAutoChangeShuffle", false);
        hwnd = dialog.Create(window);
        ASSERT_NE(nullptr, hwnd);
        dialog.ApplyTexts();
    }
    void TearDown() override {
        dialog.DestroyWindow();
        catalogue.StopChangeTimer();
        Preview::TearDown();
    }
    int RowOf(const std::wstring& name) const {
        return static_cast<int>(SendDlgItemMessageW(hwnd, IDC_SAVER_LIST, CB_FINDSTRINGEXACT,
                                                    static_cast<WPARAM>(-1),
                                                    reinterpret_cast<LPARAM>(name.c_str())));
    }
    std::wstring SelectedName() const {
        const LRESULT row = SendDlgItemMessageW(hwnd, IDC_SAVER_LIST, CB_GETCURSEL, 0, 0);
        wchar_t text[256] = L"";
        SendDlgItemMessageW(hwnd, IDC_SAVER_LIST, CB_GETLBTEXT, row,
                            reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Select(const std::wstring& name) {
        const int row = RowOf(name);
        ASSERT_GE(row, 0) << "no row " << testing::PrintToString(name);
        SendDlgItemMessageW(hwnd, IDC_SAVER_LIST, CB_SETCURSEL, row, 0);
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_SAVER_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_SAVER_LIST)));
    }
    void Click(int id) { test::Click(hwnd, id); }
    bool Enabled(int id) const { return test::Enabled(hwnd, id); }
    HWND Area() const { return GetDlgItem(hwnd, IDC_SAVER_AREA); }

    CScreensaverCatalogue catalogue{options, texts};
    TestScreensaverHost host{options, texts, catalogue};
    CDlgTabScreensaver dialog{host};
    HWND hwnd = nullptr;
};

TEST_F(ScreensaverPage, ShowsTheListWithNoneFirstAndSelectsTheSystemsChoice) {
    EXPECT_EQ(L"Ribbons", SelectedName());
    wchar_t first[64] = L"";
    SendDlgItemMessageW(hwnd, IDC_SAVER_LIST, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(L"None", first);
    EXPECT_EQ(static_cast<LRESULT>(catalogue.Entries().size() + 1),
              SendDlgItemMessageW(hwnd, IDC_SAVER_LIST, CB_GETCOUNT, 0, 0));
    for (int id : {IDC_SAVER_SETTINGS, IDC_SAVER_PREVIEW, IDC_SAVER_WAIT, IDC_SAVER_WAIT_SPIN,
                   IDC_SAVER_SECURE, IDC_SAVER_AUTO})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(IDC_SAVER_SHUFFLE)) << "only with auto change";

    // Switched off in the system: "None", whatever the path says.
    test::SetDesktopText(L"ScreenSaveActive", L"0");
    host.changes.Raise();
    EXPECT_EQ(L"None", SelectedName());
    EXPECT_FALSE(Enabled(IDC_SAVER_SETTINGS));
}

TEST_F(ScreensaverPage, ChoosingRunsExactlyOnePreviewInTheAreaAnotherEndsItAndHidingStopsIt) {
    ShowWindow(hwnd, SW_SHOW);
    ExpectPreview(catalogue, system32 + L"\\Ribbons.scr", Area());
    const DWORD shown = PreviewId(catalogue);

    Select(L"Twin Lights");
    EXPECT_EQ(system32 + L"\\OrvaneTwin.scr", DesktopText(L"SCRNSAVE.EXE"));
    EXPECT_FALSE(test::ProcessAlive(shown));
    ExpectPreview(catalogue, system32 + L"\\OrvaneTwin.scr", Area());
    const DWORD twin = PreviewId(catalogue);
    EXPECT_EQ(std::vector<DWORD>{twin}, test::ProcessesNamed(L"OrvaneTwin.scr"));
    EXPECT_TRUE(test::ProcessesNamed(L"Ribbons.scr").empty());

    ShowWindow(hwnd, SW_HIDE);
    EXPECT_EQ(nullptr, catalogue.PreviewProcess());
    EXPECT_TRUE(test::WaitForProcessEnd(twin));

    // Minimised and opened again: the main window pauses and resumes the page.
    ShowWindow(hwnd, SW_SHOW);
    const DWORD again = PreviewId(catalogue);
    EXPECT_NE(0u, again);
    dialog.PausePreview();
    EXPECT_TRUE(test::WaitForProcessEnd(again));
    dialog.ResumePreview();
    ExpectPreview(catalogue, system32 + L"\\OrvaneTwin.scr", Area());
}

TEST_F(ScreensaverPage, ARefreshAfterAnotherChoiceMovesTheShownPreviewToIt) {
    ShowWindow(hwnd, SW_SHOW);
    ExpectPreview(catalogue, system32 + L"\\Ribbons.scr", Area());
    const DWORD ribbons = PreviewId(catalogue);
    // What the automatic change does at the end of a run, then the pages' refresh.
    catalogue.SetCurrent(system32 + L"\\OrvaneTwin.scr");
    host.changes.Raise();
    EXPECT_EQ(L"Twin Lights", SelectedName());
    EXPECT_TRUE(test::WaitForProcessEnd(ribbons));
    ExpectPreview(catalogue, system32 + L"\\OrvaneTwin.scr", Area());
    const DWORD twin = PreviewId(catalogue);
    // A refresh without a change keeps the running preview.
    host.changes.Raise();
    EXPECT_EQ(twin, PreviewId(catalogue));
    catalogue.SetCurrent({});
    host.changes.Raise();
    EXPECT_EQ(nullptr, catalogue.PreviewProcess());
    EXPECT_TRUE(test::WaitForProcessEnd(twin));
}

TEST_F(ScreensaverPage, PreviewEndsTheAreaPreviewKeepsThePageAnsweringAndBringsItBack) {
    ShowWindow(hwnd, SW_SHOW);
    const DWORD before = PreviewId(catalogue);
    ASSERT_NE(0u, before);
    Click(IDC_SAVER_PREVIEW);
    EXPECT_EQ(nullptr, catalogue.PreviewProcess()) << "ended before the run";
    EXPECT_TRUE(test::WaitForProcessEnd(before));
    // The page answers while the run is due and while it is watched for its end.
    DWORD_PTR answer = 0;
    EXPECT_NE(0, SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 200, &answer));
    // No screen saver runs here (the system never reports one), so the preview returns
    // once the watch gives up.
    ASSERT_TRUE(PumpUntil([&] { return catalogue.PreviewProcess() != nullptr; }, 12000));
    ExpectPreview(catalogue, system32 + L"\\Ribbons.scr", Area());
}

TEST_F(ScreensaverPage, NoneDeletesTheChoiceTurnsTheScreenSaverOffAndDisablesTheControls) {
    ShowWindow(hwnd, SW_SHOW);
    const DWORD running = PreviewId(catalogue);
    Select(L"None");
    bool present = true;
    DesktopText(L"SCRNSAVE.EXE", &present);
    EXPECT_FALSE(present);
    BOOL active = TRUE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    EXPECT_FALSE(active);
    EXPECT_EQ(nullptr, catalogue.PreviewProcess());
    EXPECT_TRUE(test::WaitForProcessEnd(running));
    for (int id : {IDC_SAVER_SETTINGS, IDC_SAVER_PREVIEW, IDC_SAVER_WAIT, IDC_SAVER_WAIT_SPIN,
                   IDC_SAVER_SECURE, IDC_SAVER_AUTO, IDC_SAVER_SHUFFLE})
        EXPECT_FALSE(Enabled(id)) << id;
    // Showing the page again starts nothing.
    ShowWindow(hwnd, SW_HIDE);
    ShowWindow(hwnd, SW_SHOW);
    EXPECT_EQ(nullptr, catalogue.PreviewProcess());
}

TEST_F(ScreensaverPage, TheTypedWaitIsHeldWithinOneToNineThousandNineHundredNinetyNineMinutes) {
    HWND edit = GetDlgItem(hwnd, IDC_SAVER_WAIT);
    SetWindowTextW(edit, L"0");
    EXPECT_EQ(L"60", DesktopText(L"ScreenSaveTimeOut"));
    wchar_t text[16] = L"";
    GetWindowTextW(edit, text, 16);
    EXPECT_STREQ(L"1", text);
    SetWindowTextW(edit, L"12000");
    EXPECT_EQ(L"599940", DesktopText(L"ScreenSaveTimeOut"));
    GetWindowTextW(edit, text, 16);
    EXPECT_STREQ(L"9999", text);
    SetWindowTextW(edit, L"20");
    EXPECT_EQ(L"1200", DesktopText(L"ScreenSaveTimeOut"));
    // The arrows go one minute at a time and not beyond the range.
    EXPECT_EQ(20, SendDlgItemMessageW(hwnd, IDC_SAVER_WAIT_SPIN, UDM_GETPOS32, 0, 0));
    NMUPDOWN change = {};
    change.hdr = {GetDlgItem(hwnd, IDC_SAVER_WAIT_SPIN), IDC_SAVER_WAIT_SPIN,
                  static_cast<UINT>(UDN_DELTAPOS)};
    change.iPos = 20;
    change.iDelta = 1;
    SendMessageW(hwnd, WM_NOTIFY, IDC_SAVER_WAIT_SPIN, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(L"1260", DesktopText(L"ScreenSaveTimeOut"));
    change.iPos = 9999;
    SendMessageW(hwnd, WM_NOTIFY, IDC_SAVER_WAIT_SPIN, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(L"599940", DesktopText(L"ScreenSaveTimeOut"));
}

TEST_F(ScreensaverPage, AutoChangeRunsTheTimerAndOffersShuffle) {
    Click(IDC_SAVER_AUTO);
    EXPECT_EQ(1, options.GetInt(L"iScreenSaverAutoChange"));
    EXPECT_TRUE(catalogue.ChangeTimerRunning());
    EXPECT_TRUE(Enabled(IDC_SAVER_SHUFFLE));
    // The label clicks its box.
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_SAVER_SHUFFLE_LABEL, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_SAVER_SHUFFLE_LABEL)));
    EXPECT_TRUE(options.GetBool(L"fScreenSaverAutoChangeShuffle"));
    Click(IDC_SAVER_AUTO);
    EXPECT_EQ(0, options.GetInt(L"iScreenSaverAutoChange"));
    EXPECT_FALSE(catalogue.ChangeTimerRunning());
    EXPECT_FALSE(Enabled(IDC_SAVER_SHUFFLE));
}

// The system's "On resume, display logon screen", kept here: Wine ignores the call.
struct SecureCall {
    UINT action, uiParam, winIni;
};
std::vector<SecureCall> g_secureCalls;
BOOL g_secure = FALSE;

BOOL WINAPI RecordSecure(UINT action, UINT uiParam, PVOID pvParam, UINT winIni) {
    g_secureCalls.push_back({action, uiParam, winIni});
    if (action == SPI_GETSCREENSAVESECURE)
        *static_cast<BOOL*>(pvParam) = g_secure;
    else if (action == SPI_SETSCREENSAVESECURE)
        g_secure = uiParam;
    return TRUE;
}

TEST_F(ScreensaverPage, TheLogonScreenOnResumeIsShownFromAndWrittenToTheUsersProfile) {
    g_secureCalls.clear();
    g_secure = TRUE;
    catalogue.SetSystemParametersCall(RecordSecure); // the test's own catalogue: no restore
    dialog.DestroyWindow();
    hwnd = dialog.Create(window);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(BST_CHECKED, SendDlgItemMessageW(hwnd, IDC_SAVER_SECURE, BM_GETCHECK, 0, 0));

    for (BOOL expected : {FALSE, TRUE}) {
        g_secureCalls.clear();
        Click(IDC_SAVER_SECURE);
        ASSERT_EQ(1u, g_secureCalls.size());
        EXPECT_EQ(static_cast<UINT>(SPI_SETSCREENSAVESECURE), g_secureCalls[0].action);
        EXPECT_EQ(static_cast<UINT>(expected), g_secureCalls[0].uiParam);
        // Without the profile flag the choice would be gone at the next sign-in.
        EXPECT_EQ(static_cast<UINT>(SPIF_UPDATEINIFILE | SPIF_SENDCHANGE), g_secureCalls[0].winIni);
    }
}

TEST_F(ScreensaverPage, SettingsStartTheScreenSaverWithSlashCAndTheUiThreadDoesNotWait) {
    Click(IDC_SAVER_SETTINGS);
    // The settings box of the screen saver comes up while the page goes on.
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil(
        [&] {
            box = FindWindowW(nullptr, L"Orvane test screen saver");
            return box != nullptr;
        },
        10000));
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    std::wstring commandLine;
    ASSERT_TRUE(log.WaitForStart(process, commandLine));
    EXPECT_EQ(system32 + L"\\Ribbons.scr  /c", commandLine);
    PostMessageW(box, WM_CLOSE, 0, 0);
    EXPECT_TRUE(test::WaitForProcessEnd(process));
}

} // namespace
} // namespace orvane
