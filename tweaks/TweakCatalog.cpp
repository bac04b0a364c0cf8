#include "tweaks/TweakCatalog.h"

#include "resources/ids_tweaks.h"
#include "tweaks/DlgTweakAllTasksShortcut.h"
#include "tweaks/DlgTweakNumber.h"
#include "tweaks/DlgTweakOwnerName.h"
#include "tweaks/DlgTweakSwitch.h"
#include "tweaks/DlgTweakTransparency.h"

namespace orvane {
namespace {

// Shorter names for the table.
constexpr WORD kTitle = IDC_TWEAK_TITLE, kEnable = IDC_TWEAK_ENABLE,
               kDescription = IDC_TWEAK_DESCRIPTION, kNotice = IDC_TWEAK_NOTICE,
               kNoticeButton = IDC_TWEAK_NOTICE_BUTTON, kFollowUp = IDC_TWEAK_FOLLOW_UP,
               kNote = IDC_TWEAK_FOLLOW_UP_NOTE;
constexpr WORD kTextEnable = 42, kTextRemove = 21, kTextAdminNotice = 178,
               kTextRestartAsAdmin = 179, kTextRestartExplorer = 54, kTextRestartExplorerNote = 55,
               kTextSignOut = 109, kTextSignOutNote = 108;
constexpr RegistryApi kWow64 = RegistryApi::Wow64View, kShell = RegistryApi::Shell;

const wchar_t kHandlers[] = L"AllFilesystemObjects\\shellex\\ContextMenuHandlers\\";
const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kDesktop[] = L"Control panel\\Desktop";
const wchar_t kWindowMetrics[] = L"Control Panel\\Desktop\\WindowMetrics";
const wchar_t kTaskband[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Taskband";
const wchar_t kTakeOwnFile[] =
    L"cmd.exe /c takeown /f \"%1\" && icacls \"%1\" /grant administrators:F";
const wchar_t kTakeOwnFolder[] =
    L"cmd.exe /c takeown /f \"%1\" /r /d y && icacls \"%1\" /grant administrators:F /t";

TweakSwitchFactory RegistrySwitch(RegistrySwitchInfo info) {
    return
        [info](const CTranslate& texts) { return std::make_unique<CRegistrySwitch>(info, texts); };
}

// A flag of the current user that is on as REG_DWORD 1 and off when missing.
TweakSwitchFactory UserFlag(const wchar_t* key, const wchar_t* name) {
    return RegistrySwitch(
        {HKEY_CURRENT_USER, {{{key}, name, REG_DWORD, {}, 1, kShell}}, Clearing::Values, {}});
}

// The same for a machine-wide policy.
TweakSwitchFactory MachineFlag(const wchar_t* key, const wchar_t* name) {
    return RegistrySwitch(
        {HKEY_LOCAL_MACHINE, {{{key}, name, REG_DWORD, {}, 1, kWow64}}, Clearing::Values, {}});
}

// A context-menu handler of files and folders, under a key named by a word of the
// interface language.
TweakSwitchFactory MenuHandler(WORD keyText, const wchar_t* classId) {
    return RegistrySwitch({HKEY_CLASSES_ROOT,
                           {{{kHandlers, keyText}, nullptr, REG_SZ, {classId}, 0, kWow64}},
                           Clearing::Keys,
                           {{kHandlers, keyText}}});
}

// A folder of This PC, shown while its key exists.
TweakSwitchFactory ComputerFolder(const wchar_t* key) {
    return RegistrySwitch({HKEY_LOCAL_MACHINE, {}, Clearing::Keys, {{key}}});
}

TweakFrame Frame(UINT templateId, std::vector<WORD> texts, FollowUp followUp = FollowUp::None) {
    return {templateId, std::move(texts), Notice::None, followUp};
}

// The pages that need administrator rights, with the notice's texts.
TweakFrame AdminFrame(UINT templateId, std::vector<WORD> texts,
                      FollowUp followUp = FollowUp::None) {
    texts.insert(texts.end(), {kNotice, kTextAdminNotice, kNoticeButton, kTextRestartAsAdmin});
    return {templateId, std::move(texts), Notice::Admin, followUp};
}

const SwitchPageInfo kCopyTo = {
    AdminFrame(IDD_TWEAK_COPY_TO, {kTitle, 81, kEnable, kTextEnable, kDescription, 82}),
    SwitchControl::CheckBox, MenuHandler(83, L"{C2FBB630-2971-11D1-A18C-00C04FD75D13}")};

const SwitchPageInfo kMoveTo = {
    AdminFrame(IDD_TWEAK_MOVE_TO, {kTitle, 84, kEnable, kTextEnable, kDescription, 85}),
    SwitchControl::CheckBox, MenuHandler(86, L"{C2FBB631-2971-11D1-A18C-00C04FD75D13}")};

const SwitchPageInfo kEncrypt = {
    Frame(IDD_TWEAK_ENCRYPT, {kTitle, 87, kEnable, kTextEnable, kDescription, 88}),
    SwitchControl::CheckBox, UserFlag(kAdvanced, L"EncryptionContextMenu")};

const SwitchPageInfo kNotepad = {
    AdminFrame(IDD_TWEAK_NOTEPAD, {kTitle, 100, kEnable, kTextEnable, kDescription, 152}),
    SwitchControl::CheckBox,
    RegistrySwitch(
        {HKEY_CLASSES_ROOT,
         {{{L"*\\shell\\", 101, L"\\command"}, nullptr, REG_SZ, {L"notepad.exe %1"}, 0, kWow64}},
         Clearing::KeyTree,
         {{L"*\\shell\\", 101}}})};

const SwitchPageInfo kCompatibility = {
    AdminFrame(IDD_TWEAK_COMPATIBILITY, {kTitle, 102, kEnable, kTextRemove, kDescription, 153}),
    SwitchControl::CheckBox,
    [](const CTranslate&) { return std::make_unique<CCompatibilitySwitch>(); }};

const SwitchPageInfo kOwnership = {
    AdminFrame(IDD_TWEAK_OWNERSHIP, {kTitle, 149, kEnable, kTextEnable, kDescription, 151}),
    SwitchControl::CheckBox,
    RegistrySwitch(
        {HKEY_CLASSES_ROOT,
         {{{L"*\\shell\\runas"}, nullptr, REG_SZ, {L"", 150}, 0, kWow64},
          {{L"*\\shell\\runas"}, L"NoWorkingDirectory", REG_SZ, {}, 0, kWow64},
          {{L"*\\shell\\runas\\command"}, nullptr, REG_SZ, {kTakeOwnFile}, 0, kWow64},
          {{L"*\\shell\\runas\\command"}, L"IsolatedCommand", REG_SZ, {kTakeOwnFile}, 0, kWow64},
          {{L"Directory\\shell\\runas"}, nullptr, REG_SZ, {L"", 150}, 0, kWow64},
          {{L"Directory\\shell\\runas"}, L"NoWorkingDirectory", REG_SZ, {}, 0, kWow64},
          {{L"Directory\\shell\\runas\\command"}, nullptr, REG_SZ, {kTakeOwnFolder}, 0, kWow64},
          {{L"Directory\\shell\\runas\\command"},
           L"IsolatedCommand",
           REG_SZ,
           {kTakeOwnFolder},
           0,
           kWow64}},
         Clearing::Keys,
         {{L"*\\shell\\runas\\command"},
          {L"*\\shell\\runas"},
          {L"Directory\\shell\\runas\\command"},
          {L"Directory\\shell\\runas"}}})};

const SwitchPageInfo kRecycleBin = {
    AdminFrame(IDD_TWEAK_RECYCLE_BIN, {kTitle, 98, kEnable, kTextEnable, kDescription, 154}),
    SwitchControl::CheckBox,
    ComputerFolder(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace"
                   L"\\{645FF040-5081-101B-9F08-00AA002F954E}")};

const SwitchPageInfo kControlPanel = {
    AdminFrame(IDD_TWEAK_CONTROL_PANEL, {kTitle, 99, kEnable, kTextEnable, kDescription, 155}),
    SwitchControl::CheckBox,
    ComputerFolder(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace"
                   L"\\{26EE0668-A00A-44D7-9371-BEB064C98683}")};

const SwitchPageInfo kLastActiveClick = {
    Frame(IDD_TWEAK_LAST_ACTIVE_CLICK,
          {kTitle, 106, kFollowUp, kTextSignOut, kNote, kTextSignOutNote, kEnable, kTextEnable,
           kDescription, 107},
          FollowUp::SignOut),
    SwitchControl::CheckBox, UserFlag(kAdvanced, L"LastActiveClick")};

const SwitchPageInfo kLegacyBalloons = {
    [] {
        TweakFrame frame = AdminFrame(
            IDD_TWEAK_LEGACY_BALLOONS,
            {kTitle, 58, kFollowUp, 60, kNote, 61, kEnable, kTextEnable, kDescription, 62},
            FollowUp::RestartWindows);
        frame.notice = Notice::AdminInsteadOfFollowUp;
        return frame;
    }(),
    SwitchControl::CheckBox,
    UserFlag(L"SOFTWARE\\Policies\\Microsoft\\Windows\\Explorer",
             L"EnableLegacyBalloonNotifications")};

const SwitchPageInfo kShortcutText = {
    Frame(IDD_TWEAK_SHORTCUT_TEXT,
          {kTitle, 123, kDescription, 124, kEnable, kTextRemove, kFollowUp, kTextSignOut, kNote,
           kTextSignOutNote},
          FollowUp::SignOut),
    SwitchControl::CheckBox,
    RegistrySwitch({HKEY_CURRENT_USER,
                    {{{L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer"},
                      L"link",
                      REG_BINARY,
                      {},
                      4,
                      kShell}},
                    Clearing::Values,
                    {}})};

const SwitchPageInfo kShortcutArrow = {
    AdminFrame(IDD_TWEAK_SHORTCUT_ARROW,
               {kTitle, 142, kDescription, 143, kEnable, kTextRemove, kFollowUp, kTextSignOut,
                kNote, kTextSignOutNote},
               FollowUp::SignOut),
    SwitchControl::CheckBox,
    RegistrySwitch({HKEY_LOCAL_MACHINE,
                    {{{L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons"},
                      L"29",
                      REG_SZ,
                      {L"%windir%\\System32\\shell32.dll,-50"},
                      0,
                      kWow64}},
                    Clearing::Values,
                    {}})};

const SwitchPageInfo kLoginBlur = {
    AdminFrame(IDD_TWEAK_LOGIN_BLUR, {kTitle, 173, IDC_TWEAK_DISABLE, 174}),
    SwitchControl::DisableBox,
    MachineFlag(L"SOFTWARE\\Policies\\Microsoft\\Windows\\System",
                L"DisableAcrylicBackgroundOnLogon")};

const SwitchPageInfo kVerboseMessages = {
    AdminFrame(IDD_TWEAK_VERBOSE_MESSAGES, {kTitle, 209, kEnable, kTextEnable, kDescription, 210}),
    SwitchControl::CheckBox,
    MachineFlag(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                L"VerboseStatus")};

const SwitchPageInfo kClockSeconds = {
    Frame(IDD_TWEAK_CLOCK_SECONDS,
          {kTitle, 52, kDescription, 53, IDC_TWEAK_SHOW, 56, IDC_TWEAK_HIDE, 57, kFollowUp,
           kTextRestartExplorer, kNote, kTextRestartExplorerNote},
          FollowUp::RestartExplorer),
    SwitchControl::ShowHide, UserFlag(kAdvanced, L"ShowSecondsInSystemClock")};

const SwitchPageInfo kIncreasedTransparency = {
    AdminFrame(IDD_TWEAK_INCREASED_TRANSPARENCY,
               {kTitle, 194, kEnable, kTextEnable, kDescription, 195, kNote, kTextSignOutNote,
                kFollowUp, kTextSignOut},
               FollowUp::SignOut),
    SwitchControl::CheckBox,
    RegistrySwitch(
        {HKEY_LOCAL_MACHINE,
         {{{L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced"},
           L"UseOLEDTaskbarTransparency",
           REG_DWORD,
           {},
           1,
           kWow64},
          {{L"SOFTWARE\\Microsoft\\Windows\\Dwm"}, L"ForceEffectMode", REG_DWORD, {}, 1, kWow64}},
         Clearing::Values,
         {}})};

// (control, text) pairs.
// clang-format off
const TransparencyPageInfo kTransparency = {
    Frame(IDD_TWEAK_TRANSPARENCY,
          {kTitle, 215, IDC_TWEAK_TASKBAR_GROUP, 105, IDC_TWEAK_START_GROUP, 216,
           IDC_TWEAK_WINDOWS_GROUP, 217, IDC_TWEAK_TASKBAR_BOX, kTextEnable, IDC_TWEAK_START_BOX,
           kTextEnable, IDC_TWEAK_WINDOWS_BOX, kTextEnable, IDC_TWEAK_TASKBAR_LABEL, 218,
           IDC_TWEAK_START_LABEL, 218, IDC_TWEAK_WINDOWS_LABEL, 218}),
    {{ShellEffect::Taskbar, IDC_TWEAK_TASKBAR_BOX, IDC_TWEAK_TASKBAR_SLIDER,
      IDC_TWEAK_TASKBAR_VALUE},
     {ShellEffect::StartMenu, IDC_TWEAK_START_BOX, IDC_TWEAK_START_SLIDER, IDC_TWEAK_START_VALUE},
     {ShellEffect::Windows, IDC_TWEAK_WINDOWS_BOX, IDC_TWEAK_WINDOWS_SLIDER,
      IDC_TWEAK_WINDOWS_VALUE}}};
// clang-format on

// The text table has no words for this, so the note is in English.
const TransparencyPageInfo kGlass = {
    Frame(IDD_TWEAK_GLASS, {kTitle, 219, kEnable, kTextEnable, kDescription, 220}),
    {{ShellEffect::Glass, kEnable, 0, 0}},
    IDC_TWEAK_UNSUPPORTED,
    L"The glass effect cannot show on this system: its taskbar does not take the accent "
    L"policy the effect sets (the taskbar of Windows 11 draws its own background)."};

const NumberPageInfo kFlashCount = {
    Frame(IDD_TWEAK_FLASH_COUNT,
          {kTitle, 127, kDescription, 128, kFollowUp, kTextRestartExplorer, kNote,
           kTextRestartExplorerNote},
          FollowUp::RestartExplorer),
    {{{IDC_TWEAK_FLASH_COUNT, IDC_TWEAK_UPDOWN, 0, {0, 7}, std::nullopt},
      0,
      kDesktop,
      {L"ForegroundFlashCount"},
      NumberStorage::Dword,
      false}}};

const NumberPageInfo kWallpaperQuality = {
    Frame(IDD_TWEAK_WALLPAPER_QUALITY,
          {kTitle, 140, IDC_TWEAK_DEFAULT, 77, kDescription, 141, kFollowUp, kTextSignOut, kNote,
           kTextSignOutNote},
          FollowUp::SignOut),
    {{{IDC_TWEAK_QUALITY, IDC_TWEAK_UPDOWN, IDC_TWEAK_QUALITY_SLIDER, {1, 100}, 85},
      IDC_TWEAK_DEFAULT,
      kDesktop,
      {L"JPEGImportQuality"},
      NumberStorage::Dword,
      true}}};

// A window metric in pixels, kept in twips; its default is written like any other size.
NumberFieldInfo WindowMetric(WORD edit, WORD upDown, WORD slider, WORD defaultButton,
                             const wchar_t* name, int byDefault) {
    return {{edit, upDown, slider, {8, 100}, byDefault},
            defaultButton,
            kWindowMetrics,
            {name},
            NumberStorage::Twips,
            false};
}

const NumberPageInfo kCaptionHeight = {
    Frame(IDD_TWEAK_CAPTION_HEIGHT,
          {kTitle, 240, IDC_TWEAK_CAPTION_DEFAULT, 77, kDescription, 241, kFollowUp, kTextSignOut,
           kNote, kTextSignOutNote},
          FollowUp::SignOut),
    {WindowMetric(IDC_TWEAK_CAPTION, IDC_TWEAK_UPDOWN, IDC_TWEAK_CAPTION_SLIDER,
                  IDC_TWEAK_CAPTION_DEFAULT, L"CaptionHeight", 22)}};

const NumberPageInfo kScrollbar = {
    Frame(IDD_TWEAK_SCROLLBAR,
          {kTitle, 236, IDC_TWEAK_SCROLL_WIDTH_GROUP, 237, IDC_TWEAK_SCROLL_HEIGHT_GROUP, 238,
           IDC_TWEAK_SCROLL_WIDTH_DEFAULT, 77, IDC_TWEAK_SCROLL_HEIGHT_DEFAULT, 77, kDescription,
           239, kFollowUp, kTextSignOut, kNote, kTextSignOutNote},
          FollowUp::SignOut),
    {WindowMetric(IDC_TWEAK_SCROLL_WIDTH, IDC_TWEAK_UPDOWN, IDC_TWEAK_SCROLL_WIDTH_SLIDER,
                  IDC_TWEAK_SCROLL_WIDTH_DEFAULT, L"ScrollWidth", 17),
     WindowMetric(IDC_TWEAK_SCROLL_HEIGHT, IDC_TWEAK_UPDOWN_B, IDC_TWEAK_SCROLL_HEIGHT_SLIDER,
                  IDC_TWEAK_SCROLL_HEIGHT_DEFAULT, L"ScrollHeight", 17)}};

const NumberPageInfo kButtonWidth = {
    Frame(IDD_TWEAK_BUTTON_WIDTH,
          {kTitle, 125, kDescription, 126, kFollowUp, kTextSignOut, kNote, kTextSignOutNote},
          FollowUp::SignOut),
    {{{IDC_TWEAK_BUTTON_WIDTH, IDC_TWEAK_UPDOWN_B, IDC_TWEAK_BUTTON_WIDTH_SLIDER, {38, 500}, 38},
      0,
      kWindowMetrics,
      {L"MinWidth"},
      NumberStorage::Text,
      true}}};

// A size of the taskbar's thumbnail previews, its default stored by deleting the value.
NumberFieldInfo Thumbnail(WORD edit, WORD upDown, WORD slider, NumericRange range, int byDefault,
                          std::vector<const wchar_t*> names) {
    return {{edit, upDown, slider, range, byDefault},
            0,
            kTaskband,
            std::move(names),
            NumberStorage::Dword,
            true};
}

// clang-format off
const NumberPageInfo kThumbnails = {
    Frame(IDD_TWEAK_THUMBNAILS,
          {kTitle, 129, IDC_TWEAK_SIZE_GROUP, 130, IDC_TWEAK_SPACING_GROUP, 131,
           IDC_TWEAK_MARGINS_GROUP, 132, IDC_TWEAK_SPACING_X_LABEL, 133, IDC_TWEAK_SPACING_Y_LABEL,
           134, IDC_TWEAK_MARGIN_TOP_LABEL, 135, IDC_TWEAK_MARGIN_BOTTOM_LABEL, 136,
           IDC_TWEAK_MARGIN_LEFT_LABEL, 137, IDC_TWEAK_MARGIN_RIGHT_LABEL, 138,
           IDC_TWEAK_THUMB_COUNT_LABEL, 139, IDC_TWEAK_DEFAULT, 77, kFollowUp,
           kTextRestartExplorer, kNote, kTextRestartExplorerNote},
          FollowUp::RestartExplorer),
    {Thumbnail(IDC_TWEAK_THUMB_SIZE, IDC_TWEAK_UPDOWN, IDC_TWEAK_THUMB_SIZE_SLIDER, {100, 500},
               200, {L"MinThumbSizePx", L"MaxThumbSizePx"}),
     Thumbnail(IDC_TWEAK_SPACING_X, IDC_TWEAK_UPDOWN_B, IDC_TWEAK_SPACING_X_SLIDER, {1, 300}, 20,
               {L"ThumbSpacingXPx"}),
     Thumbnail(IDC_TWEAK_SPACING_Y, IDC_TWEAK_SPACING_Y_UPDOWN, IDC_TWEAK_SPACING_Y_SLIDER,
               {1, 300}, 20, {L"ThumbSpacingYPx"}),
     Thumbnail(IDC_TWEAK_MARGIN_TOP, IDC_TWEAK_MARGIN_TOP_UPDOWN, IDC_TWEAK_MARGIN_TOP_SLIDER,
               {1, 150}, 15, {L"TopMarginPx"}),
     Thumbnail(IDC_TWEAK_MARGIN_BOTTOM, IDC_TWEAK_MARGIN_BOTTOM_UPDOWN,
               IDC_TWEAK_MARGIN_BOTTOM_SLIDER, {1, 150}, 15, {L"BottomMarginPx"}),
     Thumbnail(IDC_TWEAK_MARGIN_LEFT, IDC_TWEAK_MARGIN_LEFT_UPDOWN, IDC_TWEAK_MARGIN_LEFT_SLIDER,
               {1, 150}, 15, {L"LeftMarginPx"}),
     Thumbnail(IDC_TWEAK_MARGIN_RIGHT, IDC_TWEAK_MARGIN_RIGHT_UPDOWN,
               IDC_TWEAK_MARGIN_RIGHT_SLIDER, {1, 150}, 15, {L"RightMarginPx"}),
     Thumbnail(IDC_TWEAK_THUMB_COUNT, IDC_TWEAK_THUMB_COUNT_UPDOWN, IDC_TWEAK_THUMB_COUNT_SLIDER,
               {0, 50}, 10, {L"NumThumbnails"})},
    IDC_TWEAK_DEFAULT};
// clang-format on

TweakPageFactory Switch(const SwitchPageInfo& info) {
    return [&info](ITweakPageHost& host) { return std::make_unique<CDlgTweakSwitch>(info, host); };
}

TweakPageFactory Number(const NumberPageInfo& info) {
    return [&info](ITweakPageHost& host) { return std::make_unique<CDlgTweakNumber>(info, host); };
}

TweakPageFactory Transparency(const TransparencyPageInfo& info) {
    return [&info](ITweakPageHost& host) {
        return std::make_unique<CDlgTweakTransparency>(info, host);
    };
}

template <class Page> TweakPageFactory Own() {
    return [](ITweakPageHost& host) { return std::make_unique<Page>(host); };
}

constexpr WORD kExplorer = 80, kTaskbar = 105, kWindow = 235, kOther = 59;

} // namespace

unsigned SystemOfName(const std::wstring& systemName) {
    if (systemName == L"Windows7")
        return kWindows7;
    if (systemName == L"Windows8")
        return kWindows8;
    if (systemName == L"Windows10")
        return kWindows10;
    if (systemName == L"Windows11")
        return kWindows11;
    return 0;
}

const std::vector<TweakTreeRow>& TweakTreeRows() {
    static const std::vector<TweakTreeRow> rows = {
        {kExplorer, 81, kAllSystems, Switch(kCopyTo)},
        {kExplorer, 84, kAllSystems, Switch(kMoveTo)},
        {kExplorer, 87, kAllSystems, Switch(kEncrypt)},
        {kExplorer, 100, kAllSystems, Switch(kNotepad)},
        {kExplorer, 102, kAllSystems, Switch(kCompatibility)},
        {kExplorer, 149, kAllSystems, Switch(kOwnership)},
        {kExplorer, 98, kAllSystems, Switch(kRecycleBin)},
        {kExplorer, 99, kAllSystems, Switch(kControlPanel)},
        {kTaskbar, 106, kAllSystems, Switch(kLastActiveClick)},
        {kTaskbar, 125, kWindows7 | kWindows8 | kWindows10, Number(kButtonWidth)},
        {kTaskbar, 127, kAllSystems, Number(kFlashCount)},
        {kTaskbar, 219, kWindows10, Transparency(kGlass)},
        {kTaskbar, 129, kAllSystems, Number(kThumbnails)},
        {kTaskbar, 194, kWindows10, Switch(kIncreasedTransparency)},
        {kWindow, 240, kWindows10 | kWindows11, Number(kCaptionHeight)},
        {kWindow, 236, kWindows10 | kWindows11, Number(kScrollbar)},
        {kOther, 140, kWindows10 | kWindows11, Number(kWallpaperQuality)},
        {kOther, 58, kWindows10 | kWindows11, Switch(kLegacyBalloons)},
        {kOther, 110, kAllSystems, Own<CDlgTweakOwnerName>()},
        {kOther, 123, kAllSystems, Switch(kShortcutText)},
        {kOther, 142, kWindows7 | kWindows8 | kWindows10, Switch(kShortcutArrow)},
        {kOther, 144, kAllSystems, Own<CDlgTweakAllTasksShortcut>()},
        {kOther, 52, kWindows10, Switch(kClockSeconds)},
        {kOther, 173, kWindows10 | kWindows11, Switch(kLoginBlur)},
        {kOther, 215, kWindows7 | kWindows10 | kWindows11, Transparency(kTransparency)},
        {kOther, 209, kAllSystems, Switch(kVerboseMessages)},
    };
    return rows;
}

} // namespace orvane
