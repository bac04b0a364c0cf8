#include "OrvaneProcess.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

namespace orvane::test {
namespace {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvane";
const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring Environment(const wchar_t* name) {
    wchar_t buffer[MAX_PATH * 2] = L"";
    GetEnvironmentVariableW(name, buffer, MAX_PATH * 2);
    return buffer;
}

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every file below a folder, as paths relative to it.
void ListFiles(const std::wstring& root, const std::wstring& relative,
               std::vector<std::wstring>& files) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((root + relative + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(root, relative + L"\\" + name, files);
        else
            files.push_back(relative + L"\\" + name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

std::wstring RegistryText(const wchar_t* subKey, const wchar_t* name) {
    wchar_t data[1024] = L"";
    DWORD size = sizeof data - sizeof(wchar_t);
    if (SHGetValueW(HKEY_CURRENT_USER, subKey, name, nullptr, data, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

DWORD RunAndWait(const std::wstring& commandLine) {
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION info = {};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return GetLastError() | 0x80000000u;
    WaitForSingleObject(info.hProcess, 120000);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code;
}

std::wstring ShortcutTarget(const std::wstring& link) {
    std::wstring target;
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = L"";
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
        file->Release();
    }
    shellLink->Release();
    return target;
}

// The settings file in the user's real application data, where an installed Orvane keeps
// it; put back as it was after the test.
class UserSettings {
public:
    UserSettings()
        : m_folder(KnownFolder(CSIDL_APPDATA) + L"\\Teskan\\Orvane"),
          m_path(m_folder + L"\\settings.ini") {
        m_had = Exists(m_path);
        if (m_had)
            m_saved = ReadBytes(m_path);
        CreateDirectoryW((KnownFolder(CSIDL_APPDATA) + L"\\Teskan").c_str(), nullptr);
        CreateDirectoryW(m_folder.c_str(), nullptr);
    }
    ~UserSettings() {
        if (m_had)
            WriteBytes(m_path, m_saved);
        else
            DeleteFileW(m_path.c_str());
    }
    UserSettings(const UserSettings&) = delete;
    UserSettings& operator=(const UserSettings&) = delete;
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_folder;
    std::wstring m_path;
    bool m_had = false;
    std::string m_saved;
};

TEST(Installer, InstallsForTheUserStartsAndUninstallsKeepingTheSettings) {
    const std::wstring installer = Environment(L"ORVANE_INSTALLER");
    ASSERT_TRUE(Exists(installer)) << "installer missing: " << Narrow(installer);
    CoInitialize(nullptr);
    TempFolder folder;
    const std::wstring target = folder / L"Programs\\Orvane";
    const std::wstring shortcut = KnownFolder(CSIDL_PROGRAMS) + L"\\Orvane.lnk";
    UserSettings settings;
    const std::string mySettings = "; the user's own settings\r\n[Settings]\r\niGarland=3\r\n";
    ASSERT_TRUE(WriteBytes(settings.Path(), mySettings));

    ASSERT_EQ(0u, RunAndWait(L"\"" + installer + L"\" /S /D=" + target));

    std::vector<std::wstring> files;
    ListFiles(DistFolder(), L"", files);
    ASSERT_FALSE(files.empty());
    for (const std::wstring& file : files) {
        SCOPED_TRACE(Narrow(file));
        EXPECT_EQ(ReadBytes(DistFolder() + file), ReadBytes(target + file));
    }
    EXPECT_TRUE(Exists(target + L"\\Uninstall.exe"));
    EXPECT_EQ(Narrow(target + L"\\Orvane.exe"), Narrow(ShortcutTarget(shortcut)));
    EXPECT_EQ(L"Orvane", RegistryText(kUninstallKey, L"DisplayName"));
    EXPECT_EQ(Narrow(target), Narrow(RegistryText(kUninstallKey, L"InstallLocation")));
    EXPECT_EQ(Narrow(L"\"" + target + L"\\Uninstall.exe\""),
              Narrow(RegistryText(kUninstallKey, L"UninstallString")));
    const std::wstring version = RegistryText(kUninstallKey, L"DisplayVersion");
    EXPECT_NE(std::wstring::npos, installer.find(L"Orvane-" + version + L"-"))
        << "the installer's name carries the version";
    EXPECT_EQ(Narrow(L"\"" + target + L"\\Orvane.exe\" -auto"),
              Narrow(RegistryText(kRunKey, L"Orvane")));

    {
        OrvaneProcess installed;
        installed.UseProgram(target + L"\\Orvane.exe");
        ASSERT_TRUE(installed.RunOnce());
        EXPECT_TRUE(Exists(installed.SettingsPath())) << "the installed program ran and saved";
    }

    ASSERT_EQ(0u, RunAndWait(L"\"" + target + L"\\Uninstall.exe\" /S"));
    // The uninstaller runs on from a copy of itself, so wait for its work.
    EXPECT_TRUE(WaitFor(
        [&] {
            return !Exists(target) && !Exists(shortcut) &&
                   RegistryText(kRunKey, L"Orvane") == L"<missing>";
        },
        60000));
    EXPECT_FALSE(Exists(target)) << "program folder left behind";
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_EQ(L"<missing>", RegistryText(kUninstallKey, L"DisplayName"));
    EXPECT_EQ(L"<missing>", RegistryText(kRunKey, L"Orvane"));
    EXPECT_EQ(mySettings, ReadBytes(settings.Path())) << "the user's settings stay";
    CoUninitialize();
}

} // namespace
} // namespace orvane::test
