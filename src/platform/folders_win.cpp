#include <windows.h>

#include <shlobj.h>

#include <string>

#include "platform/folders.h"
#include "platform/win_error.h"

namespace pelin::platform {
namespace {

// The environment variable `name`, or "" when it is not set.
std::wstring environment(const wchar_t* name) {
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);  // too small: `length` is the room needed
    }
}

}  // namespace

std::filesystem::path homeFolder() {
    const std::wstring profile = environment(L"USERPROFILE");
    if (!profile.empty()) return profile;
    const std::wstring drive = environment(L"SystemDrive");
    return (drive.empty() ? L"C:" : drive) + L"\\";
}

std::filesystem::path userConfigFolder() {
    // The environment first: Windows sets it for every user, and a portable set-up
    // (or a test) may point it elsewhere.
    const std::filesystem::path roaming = environment(L"APPDATA");
    if (roaming.is_absolute()) return roaming;
    wchar_t* known = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &known))) folder = known;
    ::CoTaskMemFree(known);
    return folder.empty() ? homeFolder() / L"AppData" / L"Roaming" : folder;
}

// Characters a user adds live with the rest of the program's own files there.
std::filesystem::path userDataFolder() { return userConfigFolder(); }

std::vector<std::filesystem::path> systemProgramFolders() {
    std::vector<std::filesystem::path> folders;
    for (const wchar_t* name : {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432", L"SystemRoot"}) {
        const std::filesystem::path folder = environment(name);
        if (folder.is_absolute()) folders.push_back(folder);
    }
    return folders;
}

Result<> makeFolder(const std::filesystem::path& path) {
    if (::CreateDirectoryW(path.c_str(), nullptr)) return {};
    const DWORD error = ::GetLastError();
    const DWORD there = ::GetFileAttributesW(path.c_str());
    if (error == ERROR_ALREADY_EXISTS && there != INVALID_FILE_ATTRIBUTES && (there & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return windowsError(path, error == ERROR_ALREADY_EXISTS ? ERROR_DIRECTORY : error);
}

}  // namespace pelin::platform
