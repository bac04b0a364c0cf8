#include "app/Elevation.h"

#include "app/DlgSRPCreation.h"
#include "core/SettingsKeys.h"
#include "framework/MessageBox.h"
#include "framework/Paths.h"

#include <string>

namespace orvane {
namespace {

constexpr unsigned int kTextCreatingRestorePoint = 182;
constexpr unsigned int kTextAskRestorePoint = 183;
const wchar_t kRestorePointDescription[] = L"Orvane";

} // namespace

bool IsTokenAdmin(HANDLE token) {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators))
        return false;
    BOOL member = FALSE;
    const BOOL checked = CheckTokenMembership(token, administrators, &member);
    FreeSid(administrators);
    return checked && member;
}

bool IsUserAdmin() {
    return IsTokenAdmin(nullptr);
}

CElevation::CElevation(COptions& options, const CSettingsFile& settingsFile,
                       const CTranslate& texts, UniqueHandleKernel& instanceMutex,
                       const wchar_t* instanceMutexName, CElevationSystem& system,
                       std::function<void()> leaving)
    : m_options(options), m_settingsFile(settingsFile), m_texts(texts),
      m_instanceMutex(instanceMutex), m_instanceMutexName(instanceMutexName), m_system(system),
      m_leaving(std::move(leaving)) {}

bool CElevation::RestartAsAdmin() {
    m_settingsFile.Save(m_options);
    // The new instance must not find the mutex, or it would take itself for a second copy.
    if (m_instanceMutex) {
        ReleaseMutex(m_instanceMutex.get());
        m_instanceMutex.reset();
    }
    const std::wstring path = ProgramPath();
    if (!path.empty()) {
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof info;
        info.lpVerb = L"runas";
        info.lpFile = path.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (m_system.StartProcess(&info)) {
            // At once: no further save, no shut-down steps; the windows end with the process.
            // The new copy starts with the night light off and could not tell that the
            // displays are still warm.
            if (m_leaving)
                m_leaving();
            m_system.EndProcess(1);
            return true; // only where EndProcess is a test's and returns
        }
    }
    // This copy goes on, so it keeps the single-instance guarantee.
    m_instanceMutex.reset(CreateMutexW(nullptr, FALSE, m_instanceMutexName));
    return false;
}

void CElevation::EnsureRestorePoint(HWND owner) {
    if (!m_options.GetBool(key::fCreateSystemRestorePoint) ||
        m_options.GetBool(key::fSystemRestorePointCreated))
        return;
    if (m_system.IsUserAdmin()) {
        CDlgSRPCreation dialog(m_texts.Text(kTextCreatingRestorePoint), kRestorePointDescription);
        dialog.DoModal(owner);
        // Made or not, the question is never asked again.
        m_options.SetBool(key::fSystemRestorePointCreated, true);
        return;
    }
    // On No the tweak goes ahead without a restore point, and the next one asks again.
    if (ShowMessageBox(owner, m_texts.Text(kTextAskRestorePoint), MB_YESNO | MB_ICONQUESTION) ==
        IDYES)
        RestartAsAdmin();
}

} // namespace orvane
