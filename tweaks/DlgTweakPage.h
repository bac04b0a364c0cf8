#pragma once

#include "framework/Dialog.h"
#include "framework/Handle.h"
#include "tweaks/TweakPageHost.h"

#include <vector>

namespace orvane {

// The action that makes a change visible, offered by the page's button 1026 once the
// user has changed something.
enum class FollowUp { None, RestartExplorer, SignOut, RestartWindows };

// The administrator notice (1143, 1144 and its button): pages that write machine-wide
// keys show it without administrator rights and cannot be changed then.
enum class Notice {
    None,
    Admin,
    // The notice takes the place of the follow-up note and button, in the dialog's
    // own colours.
    AdminInsteadOfFollowUp,
};

// What every tweak page has: its template, its (control id, text id) pairs, the notice
// and the follow-up.
struct TweakFrame {
    UINT templateId;
    std::vector<WORD> texts;
    Notice notice = Notice::None;
    FollowUp followUp = FollowUp::None;
    WORD noticeButton = 1011;
};

// The frame shared by the tweak pages: a bold green title, the texts, the notice, the
// restore point before each change and the follow-up button after it. On its own it is
// the empty page of a tweak that has none yet; the tweaks derive from it.
class CDlgTweakPage : public CDialog {
public:
    CDlgTweakPage(TweakFrame frame, ITweakPageHost& host);
    ~CDlgTweakPage() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // Shows the tweak's state as the system has it; called once, at initialisation.
    virtual void ReadState() {}
    // Without administrator rights the pages with the notice switch their input off.
    virtual void DisableInput() {}
    // The page's own controls; true when handled.
    virtual bool OnPageCommand(WORD /*id*/, WORD /*notifyCode*/) { return false; }
    // WM_HSCROLL from one of the page's sliders.
    virtual void OnSliderMoved(HWND /*slider*/, WORD /*code*/) {}

    // Every change of the system goes between these two.
    void BeforeChange() { m_host.EnsureRestorePoint(); }
    void AfterChange();

    // True once initialisation is over: texts set from then on are the user's.
    bool Initialised() const { return m_initialised; }
    ITweakPageHost& Host() { return m_host; }

private:
    void RunFollowUp();

    TweakFrame m_frame;
    ITweakPageHost& m_host;
    UniqueGdiObject m_titleFont;
    bool m_initialised = false;
};

} // namespace orvane
