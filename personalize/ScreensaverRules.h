#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvane {

// One installed screen saver: its full path and the name the lists show.
struct ScreensaverEntry {
    std::wstring path;
    std::wstring name;
};

// The .scr files found in one folder, by file name, in the order the search gave them.
struct ScreensaverFolder {
    std::wstring folder;
    std::vector<std::wstring> fileNames;
};

// The form in which two screen-saver paths are compared: every "SysWOW64" (exactly that
// text, letter case included) becomes "System32", because a 32-bit screen saver in
// SysWOW64 is the twin of the one in System32.
std::wstring ComparisonForm(const std::wstring& path);

// Whether two paths name the same screen saver: their comparison forms are equal without
// regard to case.
bool SameScreensaver(const std::wstring& a, const std::wstring& b);

// The name of a screen saver without a name of its own: its file name before the last
// ".", except that "scrnsave.scr" (exactly) is the blank screen saver.
std::wstring FallbackScreensaverName(const std::wstring& fileName, const std::wstring& blankName);

// The catalogue from the folders' listings, searched in the given order: path =
// folder + "\" + file name; a file whose path in comparison form is already listed
// (ordinal) is skipped, so the System32 twin of a SysWOW64 file wins when System32 comes
// first. nameOf gives a file's own name (empty when it has none). Sorted by name,
// ascending and ordinal; equal names keep the search order.
std::vector<ScreensaverEntry>
BuildScreensaverEntries(const std::vector<ScreensaverFolder>& folders,
                        const std::function<std::wstring(const std::wstring& path)>& nameOf,
                        const std::wstring& blankName);

// The index of the first entry that is the same screen saver as path; -1 when none is
// (and for an empty path).
int IndexOfScreensaver(const std::vector<ScreensaverEntry>& entries, const std::wstring& path);

// Whether path is the system's blank screen saver (scrnsave.scr in System32 under the
// Windows folder systemRoot).
bool IsBlankScreensaver(const std::wstring& path, const std::wstring& systemRoot);

// The screen saver that follows current after a run has ended: the next one in catalogue
// order, wrapping to the first (current -1 gives the first); shuffled, a random one
// other than current (draw() gives values 0..32767). -1 when nothing is to change: an
// empty catalogue, or a single entry that is not the current one.
int NextScreensaverIndex(int count, int current, bool shuffle, const std::function<int()>& draw);

// Tells the end of each screen-saver run from the "running" answers of a poll.
class ScreensaverRunWatch {
public:
    // True exactly once per run: at the first poll that finds it no longer running.
    bool RunEnded(bool running);
    bool WasRunning() const { return m_wasRunning; }

private:
    bool m_wasRunning = false;
};

// The waiting time typed into the page, in minutes: the leading number of the text (0
// for a text that does not start with one), held within 1 to 9999.
int ClampWaitMinutes(const std::wstring& text);
constexpr int kMinWaitMinutes = 1;
constexpr int kMaxWaitMinutes = 9999;

// Command lines of the screen-saver conventions: "<path> /p <window>" runs the preview
// inside a window (given as a signed decimal), "<path>  /c" its settings. A path with a
// blank is quoted so that the system does not take its first word for the program.
std::wstring PreviewCommandLine(const std::wstring& path, long long window);
std::wstring SettingsCommandLine(const std::wstring& path);

// The product web site's screen-saver gallery, in Russian for the Russian interface.
std::wstring ScreensaversAddress(const std::wstring& language);

} // namespace orvane
