#pragma once

#include "background/DesktopHost.h"

#include <array>
#include <functional>
#include <memory>

namespace orvane {

class COptions;

enum class BackgroundKind { Video, Web, Screensaver };
constexpr std::size_t kBackgroundKinds = 3;

// The three living backgrounds and the switches that keep at most one of them running.
// Each switch writes its enable key; a background that cannot start reports the error,
// and one that starts turns the others off.
class CBackgrounds {
public:
    // refreshPages re-reads the enable keys into the pages; showError says text 148.
    CBackgrounds(COptions& options, std::function<void()> refreshPages,
                 std::function<void()> showError);

    // The object of a kind, owned from here on (start-up installs each once).
    void Install(BackgroundKind kind, std::unique_ptr<CDesktopBackground> background);
    CDesktopBackground* Get(BackgroundKind kind) const;

    // On: write the key, start; on failure the error, the key back to 0 and a page
    // refresh; on success every other background whose key is set is switched off (key
    // 0, stopped, pages refreshed), in the order video, web, screen saver. Off: key 0 and
    // stop, without a refresh.
    void Set(BackgroundKind kind, bool enable);

    // Start-up: each background whose key is set, in the order video, web, screen saver.
    void StartFromSettings();
    // Exit: stops every background whose key is set, keeping the key for the next run.
    void StopForExit();

    // Shut-down: the objects go while COM is still there for what they hold.
    void ReleaseAll();

    // The video engine changes (0 Windows Media Player, 1 Media Control Interface): a
    // running video background starts again with the new engine.
    void ChangeVideoEngine(int engine);

    static const wchar_t* EnableKey(BackgroundKind kind);

private:
    void StopOne(BackgroundKind kind);

    COptions& m_options;
    std::function<void()> m_refreshPages;
    std::function<void()> m_showError;
    std::array<std::unique_ptr<CDesktopBackground>, kBackgroundKinds> m_backgrounds;
};

} // namespace orvane
