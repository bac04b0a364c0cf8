#include "tweaks/Transparency.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/SystemVersion.h"
#include "framework/Procedure.h"
#include "tweaks/TransparencyRules.h"

#include <optional>

namespace orvane {
namespace {

struct EffectKeys {
    const wchar_t* flag;
    const wchar_t* value; // null: the effect has no percentage
};

constexpr EffectKeys kKeys[kShellEffectCount] = {
    {key::fTweaksTransparencyTaskbar, key::iTweaksTransparencyTaskbarValue},
    {key::fTweaksTransparencyStartMenu, key::iTweaksTransparencyStartMenuValue},
    {key::fTweaksTransparencyVisibleWindows, key::iTweaksTransparencyVisibleWindowsValue},
    {key::fTweaksGlassEffectTaskbar, nullptr},
};

const EffectKeys& KeysOf(ShellEffect effect) {
    return kKeys[static_cast<std::size_t>(effect)];
}

constexpr ShellEffect kInOrder[] = {ShellEffect::Taskbar, ShellEffect::StartMenu,
                                    ShellEffect::Windows, ShellEffect::Glass};

// The accent policy of the window-composition attributes: 16 bytes, little-endian.
struct AccentPolicy {
    DWORD state;
    DWORD flags;
    DWORD gradientColour; // ARGB
    DWORD animationId;
};
static_assert(sizeof(AccentPolicy) == 16, "the system reads 16 bytes");

struct CompositionAttributeData {
    DWORD attribute;
    void* data;
    ULONG size;
};
static_assert(sizeof(CompositionAttributeData) == (sizeof(void*) == 8 ? 24 : 12),
              "the system's layout of the attribute record");

constexpr DWORD kAccentPolicyAttribute = 19;
constexpr DWORD kAccentBlurBehind = 3;
using SetCompositionAttribute = BOOL(WINAPI*)(HWND, CompositionAttributeData*);
const char kSetCompositionAttribute[] = "SetWindowCompositionAttribute";

static_assert(sizeof(TITLEBARINFO) == 44, "the title bar record the system expects");

// The marks live on the windows themselves, so that they outlast this process. A global
// atom names them: a window destroyed without its mark removed then leaks nothing.
ATOM MarkAtom(const wchar_t* name) {
    return GlobalAddAtomW(name);
}
const wchar_t* LayeredMark() {
    static const ATOM atom = MarkAtom(L"Orvane.Layered");
    return MAKEINTATOM(atom);
}
const wchar_t* GlassMark() {
    static const ATOM atom = MarkAtom(L"Orvane.Glass");
    return MAKEINTATOM(atom);
}

// The effect that made a window layered, if it was one of ours.
std::optional<ShellEffect> LayeredBy(HWND window) {
    const auto mark = reinterpret_cast<UINT_PTR>(GetPropW(window, LayeredMark()));
    if (mark == 0 || mark > kShellEffectCount)
        return std::nullopt;
    return static_cast<ShellEffect>(mark - 1);
}

// On: layered with the percentage's constant alpha. Off: the layered style removed and
// the window drawn again as it was. A window layered by its own program is left alone
// both ways: taking its style or its alpha would break how it draws itself.
void SetWindowAlpha(HWND window, ShellEffect effect, bool on, int percent) {
    if (!window)
        return;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const bool layered = (style & WS_EX_LAYERED) != 0;
    const bool ours = LayeredBy(window).has_value();
    if (layered && !ours)
        return;
    if (on) {
        const auto alpha = static_cast<BYTE>(LayeredAlpha(percent));
        COLORREF key = 0;
        BYTE current = 0;
        DWORD flags = 0;
        // Each tick comes here again; a window that has its alpha is not drawn anew.
        if (layered && GetLayeredWindowAttributes(window, &key, &current, &flags) &&
            flags == LWA_ALPHA && current == alpha)
            return;
        if (!ours)
            SetPropW(window, LayeredMark(),
                     reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(effect) + 1));
        if (!layered)
            SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
        SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
        return;
    }
    if (!ours)
        return;
    RemovePropW(window, LayeredMark());
    if (layered) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    }
}

template <class Visit> BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
    (*reinterpret_cast<Visit*>(context))(window);
    return TRUE;
}

// The visits call the system only, so nothing unwinds through EnumWindows.
template <class Visit> void ForEachTopLevelWindow(Visit visit) {
    EnumWindows(VisitWindow<Visit>, reinterpret_cast<LPARAM>(&visit));
}

// The one object whose timers run; thread timers carry no context of their own.
CTransparency* g_refreshing = nullptr;

} // namespace

TransparencySystem TransparencySystem::Current() {
    const SystemVersion version = CurrentSystemVersion();
    return {GetUserDefaultUILanguage(), version.major >= 10, SystemName(version) == L"Windows11",
            L"user32.dll"};
}

CTransparency::CTransparency(COptions& options, TransparencySystem system)
    : m_options(options), m_system(std::move(system)) {}

CTransparency::~CTransparency() {
    for (ShellEffect effect : kInOrder)
        StopTimer(effect);
    if (g_refreshing == this)
        g_refreshing = nullptr;
}

bool CTransparency::StoredOn(ShellEffect effect) const {
    return m_options.GetBool(KeysOf(effect).flag);
}

int CTransparency::StoredPercent(ShellEffect effect) const {
    const wchar_t* key = KeysOf(effect).value;
    return key ? m_options.GetInt(key) : kOpacityRange.maximum;
}

int CTransparency::Percent(ShellEffect effect) const {
    return m_percents[static_cast<std::size_t>(effect)];
}

bool CTransparency::Works(ShellEffect effect) const {
    if (effect != ShellEffect::Glass)
        return true;
    if (m_system.xamlTaskbar)
        return false;
    HMODULE library = LoadLibraryW(m_system.glassLibrary.c_str());
    const bool found = GetProcedure<SetCompositionAttribute>(library, kSetCompositionAttribute);
    if (library)
        FreeLibrary(library);
    return found;
}

HWND CTransparency::Taskbar() const {
    return FindWindowW(L"Shell_TrayWnd", nullptr);
}

HWND CTransparency::StartMenu() const {
    if (m_system.windows10OrLater)
        return FindWindowW(L"Windows.UI.Core.CoreWindow", StartMenuTitle(m_system.uiLanguage));
    return FindWindowW(L"DV2ControlHost", nullptr);
}

bool CTransparency::Qualifies(HWND window) {
    if (!IsWindowVisible(window))
        return false;
    // From the root owner along the last active popups, past the hidden ones: the window
    // reached is the one a user would switch to.
    HWND walk = nullptr;
    HWND tried = GetAncestor(window, GA_ROOTOWNER);
    while (tried != walk) {
        walk = tried;
        tried = GetLastActivePopup(walk);
        if (IsWindowVisible(tried))
            break;
    }
    if (walk != window)
        return false;
    TITLEBARINFO titleBar = {};
    titleBar.cbSize = sizeof titleBar;
    return GetTitleBarInfo(window, &titleBar) &&
           (titleBar.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0;
}

void CTransparency::ApplyToWindows(bool on) {
    const int percent = Percent(ShellEffect::Windows);
    ForEachTopLevelWindow([on, percent](HWND window) {
        if (Qualifies(window))
            SetWindowAlpha(window, ShellEffect::Windows, on, percent);
    });
}

void CTransparency::SetTaskbarGlass(HWND taskbar, bool on) {
    if (!taskbar)
        return;
    if (!on) {
        // The taskbar restores its own composition; a hung shell does not hang us.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(taskbar, WM_DWMCOMPOSITIONCHANGED, 1, 0, SMTO_ABORTIFHUNG, 1000,
                            &ignored);
        RemovePropW(taskbar, GlassMark());
        return;
    }
    HMODULE library = LoadLibraryW(m_system.glassLibrary.c_str());
    if (auto set = GetProcedure<SetCompositionAttribute>(library, kSetCompositionAttribute)) {
        AccentPolicy accent = {kAccentBlurBehind, 0, 0, 0};
        CompositionAttributeData data = {kAccentPolicyAttribute, &accent, sizeof accent};
        set(taskbar, &data);
        SetPropW(taskbar, GlassMark(), reinterpret_cast<HANDLE>(1));
    }
    if (library)
        FreeLibrary(library);
}

void CTransparency::Apply(ShellEffect effect, bool on) {
    switch (effect) {
    case ShellEffect::Taskbar:
        SetWindowAlpha(Taskbar(), effect, on, Percent(effect));
        break;
    case ShellEffect::StartMenu:
        SetWindowAlpha(StartMenu(), effect, on, Percent(effect));
        break;
    case ShellEffect::Windows:
        ApplyToWindows(on);
        break;
    case ShellEffect::Glass:
        SetTaskbarGlass(Taskbar(), on);
        break;
    }
}

void CTransparency::StartTimer(ShellEffect effect) {
    g_refreshing = this;
    // An id that runs already restarts that timer.
    Timer(effect) = SetTimer(nullptr, Timer(effect), 1000,
                             effect == ShellEffect::Glass ? GlassTick : TransparencyTick);
}

void CTransparency::StopTimer(ShellEffect effect) {
    if (Timer(effect))
        KillTimer(nullptr, Timer(effect));
    Timer(effect) = 0;
}

void CALLBACK CTransparency::TransparencyTick(HWND, UINT, UINT_PTR id, DWORD) {
    // An exception must not unwind through the system's code that called us.
    try {
        if (!g_refreshing)
            return;
        for (ShellEffect effect :
             {ShellEffect::Taskbar, ShellEffect::StartMenu, ShellEffect::Windows})
            if (g_refreshing->Timer(effect) == id) {
                g_refreshing->Apply(effect, true);
                return;
            }
    } catch (...) {
    }
}

void CALLBACK CTransparency::GlassTick(HWND, UINT, UINT_PTR id, DWORD) {
    try {
        if (g_refreshing && g_refreshing->Timer(ShellEffect::Glass) == id)
            g_refreshing->Apply(ShellEffect::Glass, true);
    } catch (...) {
    }
}

void CTransparency::Switch(ShellEffect effect, bool on) {
    Apply(effect, on);
    if (on)
        StartTimer(effect);
    else
        StopTimer(effect);
    m_options.SetBool(KeysOf(effect).flag, on);
}

void CTransparency::UsePercent(ShellEffect effect, int value) {
    PercentOf(effect) = kOpacityRange.Clamp(value);
    if (Running(effect))
        Apply(effect, true);
}

void CTransparency::ChangePercent(ShellEffect effect, int position) {
    if (const wchar_t* key = KeysOf(effect).value) {
        UsePercent(effect, position);
        m_options.SetInt(key, position);
    }
}

void CTransparency::UseStoredPercents() {
    for (ShellEffect effect : kInOrder)
        if (KeysOf(effect).value)
            UsePercent(effect, StoredPercent(effect));
}

void CTransparency::ApplyAtStartUp() {
    for (ShellEffect effect : kInOrder) {
        if (KeysOf(effect).value)
            PercentOf(effect) = kOpacityRange.Clamp(StoredPercent(effect));
        if (StoredOn(effect)) {
            Apply(effect, true);
            StartTimer(effect);
        }
    }
    ClearStaleMarks();
}

void CTransparency::UndoAtExit() {
    for (ShellEffect effect : kInOrder) {
        if (!StoredOn(effect) && !Running(effect))
            continue;
        Apply(effect, false);
        StopTimer(effect);
    }
    ClearStaleMarks();
}

void CTransparency::ClearStaleMarks() {
    auto clear = [this](HWND window) {
        const std::optional<ShellEffect> by = LayeredBy(window);
        if (by && !Running(*by))
            SetWindowAlpha(window, *by, false, 0);
    };
    ForEachTopLevelWindow(clear);
    // Since Windows 8 the window list leaves out the start menu's kind of window.
    if (HWND startMenu = StartMenu())
        clear(startMenu);
    HWND taskbar = Taskbar();
    if (taskbar && GetPropW(taskbar, GlassMark()) && !Running(ShellEffect::Glass))
        SetTaskbarGlass(taskbar, false);
}

} // namespace orvane
