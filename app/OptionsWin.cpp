#include "app/Options.h"

#include "framework/ProfileFile.h"

#include <windows.h>

namespace orvane {

void COptions::Load() {
    // A file edited by hand may have been saved in another encoding; read it as the
    // profile functions would write it.
    if (GetFileAttributesW(m_path.c_str()) != INVALID_FILE_ATTRIBUTES)
        EnsureUnicodeProfile(m_path);
    ProfileFile file(m_path);
    Load(file);
}

void COptions::LoadReadOnly() {
    ProfileFile file(m_path);
    Load(file);
}

bool COptions::Save() {
    ProfileFileEdit file(m_path);
    Save(file);
    return file.Commit();
}

} // namespace orvane
