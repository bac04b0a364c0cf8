// A long run of Orvane under load: every effect on at its heaviest density, the video
// background playing, the night light in a transition, while the main window's tabs,
// effect and tweak pages and the language change over and over. Every few seconds it
// samples the process's GDI and USER objects, handles and private bytes, writes them to
// a CSV file and fails when they grow.
//
//   orvane_soak MINUTES CSV_PATH
//
// The runnable folder comes from %ORVANE_DIST%, as for the end-to-end tests.
#include "DesktopShellFixture.h"
#include "MjpegAvi.h"
#include "OrvaneProcess.h"
#include "ProcessCounters.h"
#include "RemoteControls.h"
#include "SoakVerdict.h"

#include "resources/ids_app.h"
#include "resources/ids_effectpages.h"
#include "resources/ids_tweaks.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace orvane::test {
namespace {

constexpr DWORD kSampleEveryMs = 5000;
// Short runs sample more often, down to every second, to take this many samples.
constexpr DWORD kFewestSamples = 30;
constexpr DWORD kActionEveryMs = 1500;
// Language changes come every this many actions.
constexpr unsigned kLanguageEvery = 20;

// The effects that have a density, at its highest, and those that have none.
const wchar_t* const kDensityEffects[][2] = {
    {L"fEffectsBalloons", L"iEffectsBalloonsDensity"},
    {L"fEffectConfetti", L"iEffectConfettiDensity"},
    {L"fEffectDandelions", L"iEffectDandelionsDensity"},
    {L"fEffectFallingPetals", L"iEffectFallingPetalsDensity"},
    {L"fEffectFireflies", L"iEffectFirefliesDensity"},
    {L"fEffectHearts", L"iEffectHeartsDensity"},
    {L"fEffectsLeafFall", L"iEffectsLeafFallDensity"},
    {L"fEffectLeavesInTheWind", L"iEffectLeavesInTheWindDensity"},
    {L"fEffectRain", L"iEffectRainDensity"},
    {L"fEffectRainFlowers", L"iEffectRainFlowersDensity"},
    {L"fEffectSmoke", L"iEffectSmokeDensity"},
    {L"fEffectSpaceFlight", L"iEffectSpaceFlightDensity"},
    {L"fEffectSweets", L"iEffectSweetsDensity"},
};
const wchar_t* const kPlainEffects[] = {L"fEffectCursor", L"fEffectLightning", L"fGarland"};
constexpr int kHighestDensity = 9; // the density sliders run from 1 to 9

std::wstring Line(const std::wstring& key, long long value) {
    return key + L"=" + std::to_wstring(value) + L"\r\n";
}

// The night window starts an hour from now with the longest transition: the light
// warms a little every minute of the run.
std::wstring NightLightSettings() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const int start = (now.wHour * 60 + now.wMinute + 60) % (24 * 60);
    const int end = (start + 120) % (24 * 60);
    return Line(L"fNightShiftSchedule", 1) + Line(L"iNightShiftColourTemperature", 3400) +
           Line(L"iNightShiftTimeFromHour", start / 60) +
           Line(L"iNightShiftTimeFromMinute", start % 60) +
           Line(L"iNightShiftTimeToHour", end / 60) + Line(L"iNightShiftTimeToMinute", end % 60) +
           Line(L"iNightShiftTransitionPhase", 99);
}

std::wstring SoakSettings(const std::wstring& video) {
    std::wstring ini = L"[Settings]\r\n" + Line(L"fAutoRun", 0) +
                       Line(L"fAllowMultipleEffects", 1) + Line(L"fDisableAtHighLoad", 0);
    for (const auto& effect : kDensityEffects)
        ini += Line(effect[0], 1) + Line(effect[1], kHighestDensity);
    for (const wchar_t* effect : kPlainEffects)
        ini += Line(effect, 1);
    ini += Line(L"iGarland", 5) + Line(L"iFlash", 4);
    ini += Line(L"fWallaperVideoEnable", 1) + Line(L"iWallaperVideoEngine", 1) +
           L"strWallaperVideoPath=" + video + L"\r\n";
    return ini + NightLightSettings();
}

soak::Sample TakeSample(const OrvaneProcess& orvane, double seconds) {
    soak::Sample sample;
    sample.seconds = seconds;
    HANDLE process = orvane.Process();
    sample.gdiObjects = GdiObjectCount(process);
    sample.userObjects = UserObjectCount(process);
    sample.handles = HandleCount(process);
    sample.privateBytes = PrivateBytes(process);
    return sample;
}

// Drives the main window as a user clicking around would: the next tab each time, and
// on the tabs with a tree the next entry of it; now and then another language.
class Driver {
public:
    Driver(OrvaneProcess& orvane, HWND main)
        : m_orvane(orvane), m_main(main), m_tabs(GetDlgItem(main, IDC_MAIN_TABS)) {}

    void Step() {
        ++m_steps;
        if (m_steps % kLanguageEvery == 0) {
            ChangeLanguage();
            return;
        }
        const int count = static_cast<int>(SendMessageW(m_tabs, TCM_GETITEMCOUNT, 0, 0));
        if (count <= 0)
            return;
        // Two steps on a tab with a tree: the tab, then one of its pages.
        if (m_tree) {
            SelectNextIn(m_tree);
            m_tree = nullptr;
            return;
        }
        m_tab = (m_tab + 1) % count;
        ShowTab(m_tabs, m_tab);
        for (int treeId : {IDC_EFFECTS_TREE, IDC_TWEAKS_TREE})
            if (HWND page = FindWindowHolding(m_tabs, treeId))
                if (IsWindowVisible(page))
                    m_tree = GetDlgItem(page, treeId);
    }

    unsigned LanguageChanges() const { return m_languageChanges; }
    unsigned long long Steps() const { return m_steps; }

private:
    void SelectNextIn(HWND tree) {
        const std::vector<HTREEITEM> items = TreeItems(tree);
        if (items.empty())
            return;
        SelectTreeItem(tree, items[m_nextItem[tree]++ % items.size()]);
    }

    // Opens the settings dialog, picks the next language of its list and closes it.
    void ChangeLanguage() {
        HWND settings = m_orvane.OpenSettings();
        if (!settings)
            return;
        HWND list = GetDlgItem(settings, IDC_SETTINGS_LANGUAGE);
        const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
        if (count > 0) {
            const WPARAM index = (SendMessageW(list, CB_GETCURSEL, 0, 0) + 1) % count;
            SendMessageW(list, CB_SETCURSEL, index, 0);
            SendMessageW(settings, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_LANGUAGE, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            ++m_languageChanges;
        }
        PostMessageW(settings, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindow(settings); }, 5000);
    }

    OrvaneProcess& m_orvane;
    HWND m_main;
    HWND m_tabs;
    int m_tab = -1;
    HWND m_tree = nullptr;
    std::map<HWND, std::size_t> m_nextItem; // of each tree
    unsigned long long m_steps = 0;
    unsigned m_languageChanges = 0;
};

// Message boxes the program shows during the run: each is written down and answered,
// so that the run goes on.
unsigned AnswerMessageBoxes(const OrvaneProcess& orvane) {
    unsigned answered = 0;
    for (HWND dialog : orvane.Dialogs())
        if (IsWindowVisible(dialog) && GetDlgItem(dialog, 0xFFFF)) {
            std::fprintf(stderr, "soak: message box \"%s\": %s\n",
                         Narrow(WindowText(dialog)).c_str(),
                         Narrow(MessageBoxText(dialog)).c_str());
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            ++answered;
        }
    return answered;
}

bool WriteCsv(const std::wstring& path, const std::vector<soak::Sample>& samples) {
    FILE* file = _wfopen(path.c_str(), L"w");
    if (!file)
        return false;
    std::fprintf(file, "seconds,gdi_objects,user_objects,handles,private_bytes\n");
    for (const soak::Sample& s : samples)
        std::fprintf(file, "%.1f,%lld,%lld,%lld,%lld\n", s.seconds, s.gdiObjects, s.userObjects,
                     s.handles, s.privateBytes);
    return std::fclose(file) == 0;
}

void PrintSummary(const std::vector<soak::Sample>& samples, double warmup,
                  const soak::Verdict& verdict) {
    const soak::Sample& first = samples.front();
    const soak::Sample& last = samples.back();
    std::printf("soak: %zu samples over %.0f s (warm-up %.0f s)\n", samples.size(), last.seconds,
                warmup);
    std::printf("soak: first sample  GDI %lld  USER %lld  handles %lld  private bytes %lld\n",
                first.gdiObjects, first.userObjects, first.handles, first.privateBytes);
    std::printf("soak: last sample   GDI %lld  USER %lld  handles %lld  private bytes %lld\n",
                last.gdiObjects, last.userObjects, last.handles, last.privateBytes);
    for (const soak::CounterTrend& trend : verdict.trends)
        std::printf("soak: %-13s median of the first fifth %lld, of the last fifth %lld%s\n",
                    trend.name, trend.first, trend.last, trend.grewTooMuch ? "  GREW" : "");
}

int Run(double minutes, const std::wstring& csvPath) {
    DesktopShellFixture shell{ShellLayout::Classic};
    if (!shell.Ready()) {
        std::fprintf(stderr, "soak: the desktop fixture did not start\n");
        return 2;
    }
    TempFolder media;
    const std::wstring video = media / L"soak.avi";
    std::vector<COLORREF> frames;
    for (int i = 0; i < 24; ++i)
        frames.push_back(RGB(40 + i * 8, 200 - i * 6, 90 + (i % 3) * 50));
    if (!WriteMjpegAvi(video, 320, 240, 8, frames)) {
        std::fprintf(stderr, "soak: could not write the video\n");
        return 2;
    }
    OrvaneProcess orvane;
    orvane.WriteSettings(SoakSettings(video));
    if (!orvane.Start()) {
        std::fprintf(stderr, "soak: Orvane.exe did not start (ORVANE_DIST?)\n");
        return 2;
    }
    const DWORD started = GetTickCount();
    HWND main = orvane.MainWindow(60000);
    if (!main) {
        std::fprintf(stderr, "soak: no main window\n");
        return 2;
    }
    PostMessageW(main, WM_COMMAND, ID_TRAY_OPEN, 0);

    const DWORD runMs = static_cast<DWORD>(minutes * 60000);
    // Start-up work (the media framework, the first frames of every effect, the pages'
    // pictures) settles within the first minutes; short runs keep half of their time for
    // it, which on a loaded machine is not too much.
    const double warmup = std::min(120.0, minutes * 60 / 2);
    const DWORD sampleEveryMs =
        std::max<DWORD>(1000, std::min(kSampleEveryMs, runMs / kFewestSamples));
    Driver driver(orvane, main);
    std::vector<soak::Sample> samples;
    unsigned boxes = 0;
    DWORD nextSample = 0, nextAction = 0;
    for (DWORD now = 0; now < runMs; now = GetTickCount() - started) {
        if (!orvane.Running()) {
            std::fprintf(stderr, "soak: Orvane ended during the run (exit code %lu)\n",
                         orvane.ExitCode());
            WriteCsv(csvPath, samples);
            return 1;
        }
        if (now >= nextSample) {
            samples.push_back(TakeSample(orvane, now / 1000.0));
            nextSample = now + sampleEveryMs;
            WriteCsv(csvPath, samples); // so that a stopped run leaves its figures
        }
        if (now >= nextAction) {
            boxes += AnswerMessageBoxes(orvane);
            driver.Step();
            nextAction = GetTickCount() - started + kActionEveryMs;
        }
        PumpMessages(100);
    }
    samples.push_back(TakeSample(orvane, (GetTickCount() - started) / 1000.0));
    orvane.Exit();
    const bool exited = orvane.WaitForExit(30000);

    if (!WriteCsv(csvPath, samples)) {
        std::fprintf(stderr, "soak: could not write %s\n", Narrow(csvPath).c_str());
        return 2;
    }
    const soak::Verdict verdict = soak::JudgeGrowth(samples, warmup);
    PrintSummary(samples, warmup, verdict);
    std::printf("soak: %llu actions, %u language changes, %u message boxes answered\n",
                driver.Steps(), driver.LanguageChanges(), boxes);
    bool passed = verdict.Passed() && exited;
    if (!verdict.problem.empty())
        std::fprintf(stderr, "soak: cannot judge: %s\n", verdict.problem.c_str());
    for (const soak::CounterTrend& trend : verdict.trends)
        if (trend.grewTooMuch)
            std::fprintf(stderr, "soak: FAILED: %s grew from %lld to %lld\n", trend.name,
                         trend.first, trend.last);
    if (!exited)
        std::fprintf(stderr, "soak: FAILED: Orvane did not exit within 30 s of Exit\n");
    if (std::any_of(samples.begin(), samples.end(), [](const soak::Sample& s) {
            return s.gdiObjects < 0 || s.handles < 0 || s.privateBytes <= 0;
        })) {
        std::fprintf(stderr, "soak: FAILED: some counters could not be read\n");
        passed = false;
    }
    std::printf("soak: %s\n", passed ? "passed" : "FAILED");
    return passed ? 0 : 1;
}

} // namespace
} // namespace orvane::test

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || std::wcstod(argv[1], nullptr) <= 0) {
        std::fprintf(stderr, "usage: orvane_soak MINUTES CSV_PATH\n");
        return 2;
    }
    return orvane::test::Run(std::wcstod(argv[1], nullptr), argv[2]);
}
