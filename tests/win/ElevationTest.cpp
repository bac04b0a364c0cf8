#include "app/Elevation.h"
#include "framework/Paths.h"
#include "DialogWatcher.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::DialogWatcher;
using test::PressButton;
using test::SeenDialog;

TEST(AdminCheck, WinesUserIsAnAdministrator) {
    // The Wine prefix runs its user with the Administrators group enabled, so this
    // proves the group's SID is the right one.
    EXPECT_TRUE(IsUserAdmin());
}

TEST(AdminCheck, AFailingMembershipCheckAnswersNo) {
    UniqueHandleKernel primary;
    ASSERT_TRUE(
        OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, primary.receive()));
    // The membership check takes only impersonation tokens: with the process's primary
    // token Windows cannot answer at all.
    EXPECT_FALSE(IsTokenAdmin(primary.get()));

    UniqueHandleKernel impersonation;
    ASSERT_TRUE(DuplicateToken(primary.get(), SecurityIdentification, impersonation.receive()));
    EXPECT_EQ(IsUserAdmin(), IsTokenAdmin(impersonation.get()));
}

const wchar_t kMutexName[] = L"OrvaneTestsInstanceMutex";

bool MutexExists() {
    UniqueHandleKernel mutex(OpenMutexW(SYNCHRONIZE, FALSE, kMutexName));
    return bool(mutex);
}

// The elevated restart's way out of the process, recorded instead of taken.
class FakeElevationSystem : public CElevationSystem {
public:
    bool admin = false;
    BOOL startSucceeds = FALSE;
    std::function<void()> onStart = [] {};

    int starts = 0;
    SHELLEXECUTEINFOW started = {};
    std::wstring verb;
    std::wstring file;
    std::vector<UINT> exitCodes;

    bool IsUserAdmin() override { return admin; }
    BOOL StartProcess(SHELLEXECUTEINFOW* info) override {
        ++starts;
        started = *info;
        verb = info->lpVerb ? info->lpVerb : L"";
        file = info->lpFile ? info->lpFile : L"";
        onStart();
        return startSucceeds;
    }
    void EndProcess(UINT exitCode) override {
        exitCodes.push_back(exitCode);
        onEnd();
    }
    std::function<void()> onEnd = [] {};
};

class ElevationTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
        m_texts.SetFolder(m_folder.Path()); // no language files: the built-in English
        m_texts.LoadLanguage(L"English");
        m_mutex.reset(CreateMutexW(nullptr, FALSE, kMutexName));
        ASSERT_TRUE(m_mutex);
    }

    bool RestorePointCreated() const { return m_options.GetBool(L"fSystemRestorePointCreated"); }

    test::TempFolder m_folder;
    COptions m_options;
    const CSettingsFile m_settingsFile{m_folder / L"settings.ini"};
    CTranslate m_texts;
    UniqueHandleKernel m_mutex;
    FakeElevationSystem m_system;
    // What happened before the process ended: "leaving" and "end", in order.
    std::vector<std::string> m_steps;
    CElevation m_elevation{m_options, m_settingsFile, m_texts, m_mutex, kMutexName, m_system,
                           [this] { m_steps.push_back("leaving"); }};
};

TEST_F(ElevationTest, RestartSavesFreesTheMutexStartsElevatedAndEnds) {
    m_options.SetBool(L"fEffectsLeafFall", true);
    m_system.startSucceeds = TRUE;
    bool mutexFree = false;
    int savedFlag = -1;
    m_system.onStart = [&] {
        mutexFree = !MutexExists();
        savedFlag =
            GetPrivateProfileIntW(L"Settings", L"fEffectsLeafFall", -1, m_settingsFile.Path().c_str());
    };

    m_system.onEnd = [&] { m_steps.push_back("end"); };
    m_elevation.RestartAsAdmin();

    EXPECT_EQ((std::vector<std::string>{"leaving", "end"}), m_steps)
        << "what the new copy cannot undo is undone before this one ends";
    EXPECT_TRUE(mutexFree) << "the new instance would take itself for a second copy";
    EXPECT_EQ(1, savedFlag) << "settings are saved before the restart";
    ASSERT_EQ(1, m_system.starts);
    EXPECT_EQ(sizeof(SHELLEXECUTEINFOW), m_system.started.cbSize);
    EXPECT_EQ(0u, m_system.started.fMask);
    EXPECT_EQ(nullptr, m_system.started.hwnd);
    EXPECT_EQ(L"runas", m_system.verb);
    EXPECT_EQ(ProgramPath(), m_system.file);
    EXPECT_EQ(nullptr, m_system.started.lpParameters) << "no -auto: the window is shown";
    EXPECT_EQ(nullptr, m_system.started.lpDirectory);
    EXPECT_EQ(SW_SHOWNORMAL, m_system.started.nShow);
    EXPECT_EQ(std::vector<UINT>{1}, m_system.exitCodes);
}

TEST_F(ElevationTest, ADeclinedRestartKeepsThisCopyRunningWithItsMutex) {
    bool mutexFree = false;
    m_system.onStart = [&] { mutexFree = !MutexExists(); };
    EXPECT_FALSE(m_elevation.RestartAsAdmin());
    EXPECT_TRUE(mutexFree);
    EXPECT_TRUE(m_system.exitCodes.empty());
    EXPECT_TRUE(m_steps.empty()) << "this copy goes on with its night light";
    EXPECT_TRUE(m_mutex);
    EXPECT_TRUE(MutexExists()) << "a further start would run a second copy";
}

TEST_F(ElevationTest, NothingHappensWhenRestorePointsAreOffOrOneWasMade) {
    m_system.admin = true;
    DialogWatcher watcher([](const SeenDialog& dialog) { PressButton(dialog.window, IDOK); });
    m_options.SetBool(L"fCreateSystemRestorePoint", false);
    m_elevation.EnsureRestorePoint(nullptr);
    m_options.SetBool(L"fCreateSystemRestorePoint", true);
    m_options.SetBool(L"fSystemRestorePointCreated", true);
    m_elevation.EnsureRestorePoint(nullptr);
    m_system.admin = false;
    m_elevation.EnsureRestorePoint(nullptr);

    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(0, m_system.starts);
}

TEST_F(ElevationTest, WithoutRightsNoLetsTheTweakGoOnAndTheNextOneAsksAgain) {
    DialogWatcher watcher(
        [](const SeenDialog& dialog) { PressButton(dialog.window, dialog.yesNo ? IDNO : IDOK); });
    m_elevation.EnsureRestorePoint(nullptr);
    m_elevation.EnsureRestorePoint(nullptr);

    const std::wstring question =
        L"Create a system restore point? In this case, the program will be restarted.";
    EXPECT_EQ((std::vector<std::wstring>{question, question}), watcher.Messages());
    for (const SeenDialog& dialog : watcher.Seen())
        EXPECT_TRUE(dialog.yesNo);
    EXPECT_EQ(0, m_system.starts);
    EXPECT_FALSE(RestorePointCreated());
}

TEST_F(ElevationTest, WithoutRightsYesRestartsElevatedOrGoesOnWhenDeclined) {
    DialogWatcher watcher(
        [](const SeenDialog& dialog) { PressButton(dialog.window, dialog.yesNo ? IDYES : IDOK); });
    m_elevation.EnsureRestorePoint(nullptr); // the user declines the elevation prompt
    EXPECT_EQ(1, m_system.starts);
    EXPECT_TRUE(m_system.exitCodes.empty());
    EXPECT_TRUE(MutexExists());
    EXPECT_FALSE(RestorePointCreated());

    m_system.startSucceeds = TRUE;
    m_elevation.EnsureRestorePoint(nullptr);
    EXPECT_EQ(2, m_system.starts);
    EXPECT_EQ(std::vector<UINT>{1}, m_system.exitCodes);
    EXPECT_EQ(2u, watcher.Messages().size());
}

TEST_F(ElevationTest, WithRightsTheFailedRestorePointIsReportedAndNeverAskedForAgain) {
    m_system.admin = true;
    // The progress dialog closes itself; only the message boxes ("Orvane") are answered.
    DialogWatcher watcher([](const SeenDialog& dialog) {
        if (dialog.caption == L"Orvane")
            PressButton(dialog.window, IDOK);
    });
    m_elevation.EnsureRestorePoint(nullptr);

    const auto seen = watcher.Seen();
    ASSERT_EQ(2u, seen.size());
    // The message may show before the progress dialog is visible.
    EXPECT_EQ(1, std::count_if(seen.begin(), seen.end(), [&](const SeenDialog& dialog) {
                  return dialog.caption == m_texts.Text(182);
              }));
    const auto messages = watcher.Messages();
    ASSERT_EQ(1u, messages.size());
    // Wine's System Restore makes no restore points, so the system's refusal shows.
    EXPECT_EQ(0u, messages[0].rfind(L"Failure to create the restore point; error=", 0))
        << test::Narrow(messages[0]);
    EXPECT_TRUE(RestorePointCreated());

    m_system.admin = false;
    m_elevation.EnsureRestorePoint(nullptr);
    EXPECT_EQ(2u, watcher.Seen().size()) << "asked again";
    EXPECT_EQ(0, m_system.starts);
}

} // namespace
} // namespace orvane
