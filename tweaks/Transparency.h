#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

namespace orvane {

class COptions;

// The four ways the program changes how the shell looks, in the order start-up applies
// them and exit undoes them. The first three make windows of other programs layered with
// a constant alpha; the glass effect gives the taskbar a blurred background.
enum class ShellEffect { Taskbar, StartMenu, Windows, Glass };
constexpr std::size_t kShellEffectCount = 4;

// What the effects depend on in the running system.
struct TransparencySystem {
    LANGID uiLanguage;         // picks the start menu's title
    bool windows10OrLater;     // the start menu is a CoreWindow; before, a "DV2ControlHost"
    bool xamlTaskbar;          // Windows 11: the taskbar ignores the accent policy
    std::wstring glassLibrary; // the module SetWindowCompositionAttribute is looked up in

    static TransparencySystem Current();
};

// The transparency and glass effects of the whole process. Each effect is on while its
// one-second refresh timer runs, which applies it again to the windows it finds then (a
// taskbar after an Explorer restart, a window opened since). Every window this object
// makes layered carries a mark, so that it is put back at exit, after a run that ended
// without putting it back, and never mistaken for a window that is layered by its own
// program, which the effects leave alone.
class CTransparency {
public:
    explicit CTransparency(COptions& options,
                           TransparencySystem system = TransparencySystem::Current());
    // Stops the timers; the windows stay as they are (exit undoes them).
    ~CTransparency();
    CTransparency(const CTransparency&) = delete;
    CTransparency& operator=(const CTransparency&) = delete;

    // Start-up: each effect whose flag is set is applied with its stored percentage and
    // kept up by its timer; windows still marked for an effect that is off are put back.
    void ApplyAtStartUp();
    // Exit: each effect whose flag is set, or that runs, is undone in start-up order and
    // its timer killed; then no window keeps a layered style of ours, hidden ones too.
    void UndoAtExit();

    // A page's switch: the effect with its timer, and its flag stored.
    void Switch(ShellEffect effect, bool on);
    // A page's slider: the percentage is used within its range, at once while the effect
    // runs; the position is stored as it is.
    void ChangePercent(ShellEffect effect, int position);
    // A page's start: the percentages from the stored values, applied again at once to
    // the effects that run.
    void UseStoredPercents();

    bool StoredOn(ShellEffect effect) const;
    int StoredPercent(ShellEffect effect) const;
    bool Running(ShellEffect effect) const { return Timer(effect) != 0; }
    int Percent(ShellEffect effect) const;
    // Whether the effect can show on this system: the glass effect needs the accent
    // policy function and a taskbar that takes it.
    bool Works(ShellEffect effect) const;

    // The shell windows as they are found now; null when there is none.
    HWND Taskbar() const;
    HWND StartMenu() const;

    // The window a user would switch to: visible, the last active popup of its root
    // owner and with a visible title bar.
    static bool Qualifies(HWND window);

private:
    // An effect on or off once, on the windows found now; the timers call it with on.
    void Apply(ShellEffect effect, bool on);
    void ApplyToWindows(bool on);
    void SetTaskbarGlass(HWND taskbar, bool on);
    // The percentage within its range, applied at once while the effect runs.
    void UsePercent(ShellEffect effect, int value);
    void StartTimer(ShellEffect effect);
    void StopTimer(ShellEffect effect);
    // Puts back every window still marked for an effect that does not run.
    void ClearStaleMarks();

    UINT_PTR& Timer(ShellEffect effect) { return m_timers[static_cast<std::size_t>(effect)]; }
    UINT_PTR Timer(ShellEffect effect) const { return m_timers[static_cast<std::size_t>(effect)]; }
    int& PercentOf(ShellEffect effect) { return m_percents[static_cast<std::size_t>(effect)]; }

    static void CALLBACK TransparencyTick(HWND, UINT, UINT_PTR id, DWORD);
    static void CALLBACK GlassTick(HWND, UINT, UINT_PTR id, DWORD);

    COptions& m_options;
    TransparencySystem m_system;
    std::array<int, kShellEffectCount> m_percents = {70, 80, 80, 100};
    std::array<UINT_PTR, kShellEffectCount> m_timers = {};
};

} // namespace orvane
