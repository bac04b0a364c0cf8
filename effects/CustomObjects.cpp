#include "effects/CustomObjects.h"

#include "core/SettingsFile.h"
#include "effects/DlgEffectCustomObjects.h"
#include "framework/Monitors.h"
#include "framework/ProfileFile.h"

#include <windows.h>

#include <shlwapi.h>

namespace orvane {

CCustomObjects::CCustomObjects() : m_monitors(SystemMonitors) {}

CCustomObjects::~CCustomObjects() = default;

CCustomObjects::Object CCustomObjects::MakeObject(CustomObjectEntry data) {
    return {std::move(data), std::make_unique<CDlgEffectCustomObjects>(*this)};
}

void CCustomObjects::LoadCustomObjects() {
    m_entries.clear();
    ProfileFile file = m_settingsFile->Read();
    for (CustomObjectEntry& entry : LoadCustomObjectEntries(
             file, [](const std::wstring& path) { return PathFileExistsW(path.c_str()) != FALSE; }))
        m_entries.push_back(MakeObject(std::move(entry)));
}

void CCustomObjects::SaveCustomObjects() {
    std::vector<CustomObjectEntry> entries;
    entries.reserve(m_entries.size());
    for (const Object& object : m_entries)
        entries.push_back(object.data);
    ProfileFileEdit file = m_settingsFile->Edit();
    SaveCustomObjectEntries(file, entries);
    file.Commit();
}

void CCustomObjects::StartWindow(std::size_t index) {
    CDlgEffectCustomObjects& window = *m_entries[index].window;
    if (window.Running() || !window.CreateOverlay(index, m_entries[index].data.path))
        return;
    ShowWindow(window.GetSafeHwnd(), SW_SHOW);
    UpdateWindow(window.GetSafeHwnd());
}

void CCustomObjects::StartCustomObjects() {
    StopCustomObjects(); // a reload must not orphan windows of the old list
    LoadCustomObjects();
    ResumeCustomObjects();
}

void CCustomObjects::ResumeCustomObjects() {
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].data.enabled)
            StartWindow(i);
}

void CCustomObjects::StopCustomObjects() {
    for (Object& object : m_entries)
        object.window->StopObject();
}

void CCustomObjects::FollowMonitors() {
    const MonitorList monitors = Monitors();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        CDlgEffectCustomObjects& window = *m_entries[i].window;
        RECT rect = {};
        // A window without a picture has no size and nothing to bring back.
        if (!window.Running() || !GetWindowRect(window.GetSafeHwnd(), &rect) || IsRectEmpty(&rect))
            continue;
        CustomObjectEntry now = m_entries[i].data;
        now.x = rect.left;
        now.y = rect.top;
        const ObjectCorner corner =
            ObjectStartCorner(now, monitors, rect.right - rect.left, rect.bottom - rect.top);
        if (corner.x == rect.left && corner.y == rect.top)
            continue;
        // Its stop stores where it was; the start places it from there.
        window.StopObject();
        StartWindow(i);
    }
}

bool CCustomObjects::AnyEnabled() const {
    for (const Object& object : m_entries)
        if (object.data.enabled)
            return true;
    return false;
}

void CCustomObjects::Add(const std::wstring& path) {
    CustomObjectEntry entry;
    entry.path = path;
    m_entries.push_back(MakeObject(std::move(entry)));
    SaveCustomObjects();
}

void CCustomObjects::SetCustomObjectEnabled(std::size_t index, bool enabled) {
    if (index >= m_entries.size())
        return;
    m_entries[index].data.enabled = enabled;
    if (enabled)
        StartWindow(index);
    else
        m_entries[index].window->StopObject();
    SaveCustomObjects();
}

void CCustomObjects::SetTop(std::size_t index, bool top) {
    if (index >= m_entries.size())
        return;
    m_entries[index].data.top = top;
    if (m_entries[index].data.enabled)
        m_entries[index].window->SetPlacement(top);
    SaveCustomObjects();
}

void CCustomObjects::SetPosition(std::size_t index, int x, int y) {
    if (index >= m_entries.size())
        return;
    m_entries[index].data.x = x;
    m_entries[index].data.y = y;
    ProfileFileEdit file = m_settingsFile->Edit();
    SaveCustomObjectPosition(file, index, x, y);
    file.Commit();
}

void CCustomObjects::Remove(std::size_t index) {
    if (index >= m_entries.size())
        return;
    // Its window is stopped first: it stores its position under its old index.
    m_entries[index].window->StopObject();
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    for (std::size_t i = index; i < m_entries.size(); ++i)
        m_entries[i].window->SetIndex(i);
    SaveCustomObjects();
}

} // namespace orvane
