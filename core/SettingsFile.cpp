#include "core/SettingsFile.h"

#include "core/Options.h"

#include <windows.h>

namespace orvane {

void CSettingsFile::Load(COptions& options) const {
    // A file edited by hand may have been saved in another encoding; read it as the
    // profile functions would write it.
    if (GetFileAttributesW(m_path.c_str()) != INVALID_FILE_ATTRIBUTES)
        EnsureUnicodeProfile(m_path);
    LoadReadOnly(options);
}

void CSettingsFile::LoadReadOnly(COptions& options) const {
    ProfileFile file = Read();
    options.Load(file);
}

bool CSettingsFile::Save(const COptions& options) const {
    ProfileFileEdit file = Edit();
    options.Save(file);
    return file.Commit();
}

} // namespace orvane
