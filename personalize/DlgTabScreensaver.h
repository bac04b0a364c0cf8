#pragma once

#include "core/ChangeNotice.h"
#include "framework/Handle.h"
#include "personalize/ScreensaverListPage.h"

#include <string>

namespace orvane {

class CScreensaverCatalogue;
class IScreensaverPageHost;

// The Screen Saver page: the system's screen saver with a live preview over the current
// wallpaper, its settings and waiting time, locking on resume, and the automatic change
// after each run.
class CDlgTabScreensaver : public CScreensaverListPage {
public:
    explicit CDlgTabScreensaver(IScreensaverPageHost& host);

    // The texts, then the list again.
    void ApplyTexts() override;

    // Whether a screen saver (not "None") is selected.
    bool ScreensaverChosen() const;
    // For the main window and the busy-state monitor: the preview stops while nobody can
    // see it and starts again on a page that shows.
    void PausePreview();
    void ResumePreview();

    static constexpr UINT_PTR kLaunchTimer = 1; // the delay before "Preview" runs it
    static constexpr UINT_PTR kReturnTimer = 2; // watches for the end of that run

protected:
    void InitPage() override;
    void OnDestroy() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    INT_PTR OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LabelStyle StyleOfLabel(HWND control, UINT message) const override;
    void Choose(int row) override;

private:
    // Fills the list from a fresh catalogue and selects the system's screen saver; also
    // on the program's change notice.
    void RefreshList();
    void StartAreaPreview();
    // The preview area's picture: the wallpaper covering it, or black for the blank
    // screen saver; the preview draws over it.
    void ShowPreviewBackground(bool blank);
    void EnableChosenControls(bool enable);
    void WaitTyped();
    void SetAutoChange(bool on);
    void RunSettings();
    void RunNow();
    bool Checked(int controlId) const;

    IScreensaverPageHost& m_host;
    CScreensaverCatalogue& m_catalogue;
    CChangeNotice::Subscription m_changes;
    bool m_initialised = false;
    bool m_settingWait = false;
    int m_returnTicks = 0;
    bool m_launchSeenRunning = false;
    UniqueGdiObject m_areaPicture;
    std::wstring m_previewPath; // what the area's preview was started with
};

} // namespace orvane
