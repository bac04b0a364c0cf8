#pragma once

#include "effects/CustomObjectList.h"
#include "framework/MonitorLayout.h"

#include <memory>
#include <string>
#include <vector>

namespace orvane {

class CDlgEffectCustomObjects;
class CSettingsFile;

// Every custom object of the user, with its window object, kept in the section
// "CEffectsCustomObjects" of the settings file. Each change of the list is saved at once;
// an object's window runs while the object is enabled and the effects are not paused.
class CCustomObjects {
public:
    CCustomObjects();
    ~CCustomObjects();
    CCustomObjects(const CCustomObjects&) = delete;
    CCustomObjects& operator=(const CCustomObjects&) = delete;

    // The settings file the list lives in; set before the first load.
    void SetSettingsFile(const CSettingsFile& file) { m_settingsFile = &file; }
    // Where the monitors come from (by default the system's): an object whose monitor is
    // gone starts on the nearest one left.
    void SetMonitorSource(MonitorSource monitors) { m_monitors = std::move(monitors); }
    MonitorList Monitors() const { return m_monitors(); }

    // Reads the list anew; running windows must have been stopped.
    void LoadCustomObjects();
    // Writes the whole list in one piece.
    void SaveCustomObjects();
    // Loads the list and starts the window of every enabled object.
    void StartCustomObjects();
    // Destroys every running window, storing its position; the flags stay.
    void StopCustomObjects();
    // Starts the window of every enabled object not running, keeping the list in memory
    // (the busy-state monitor's resume; an object enabled meanwhile keeps its window).
    void ResumeCustomObjects();

    // Brings each running object whose monitor went onto the nearest monitor left.
    void FollowMonitors();

    std::size_t Count() const { return m_entries.size(); }
    const CustomObjectEntry& Entry(std::size_t index) const { return m_entries[index].data; }
    CDlgEffectCustomObjects& Window(std::size_t index) { return *m_entries[index].window; }
    bool AnyEnabled() const;

    // Appends a disabled object "On desktop", not yet placed, and saves the list.
    void Add(const std::wstring& path);
    void SetCustomObjectEnabled(std::size_t index, bool enabled);
    void SetTop(std::size_t index, bool top);
    // Stores the position and writes its two keys at once.
    void SetPosition(std::size_t index, int x, int y);
    // Stops and deletes the object; later objects move down one index, running windows
    // with them.
    void Remove(std::size_t index);

private:
    struct Object {
        CustomObjectEntry data;
        std::unique_ptr<CDlgEffectCustomObjects> window;
    };
    Object MakeObject(CustomObjectEntry data);
    void StartWindow(std::size_t index);

    const CSettingsFile* m_settingsFile = nullptr;
    MonitorSource m_monitors;
    std::vector<Object> m_entries;
};

} // namespace orvane
