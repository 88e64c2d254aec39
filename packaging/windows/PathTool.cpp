// kv310-path.exe, the installer's helper: puts the program's folder on the PATH and takes it off again,
// reading and writing the registry's value whole (the installer's own strings hold 1,024 characters, and a
// longer PATH would be cut or lost). Every other entry stays as it was, and so does the value's type.
//
//   kv310-path add|remove user|machine FOLDER
//
// Exit 0 when the PATH holds (or no longer holds) FOLDER, 1 when it was left untouched because it could not
// be read or the result would be longer than Windows allows, 2 for a usage error.

#include <windows.h>

#include <cstdio>
#include <string>

#include "PathList.h"

namespace {

const wchar_t kMachineKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
const wchar_t kUserKey[] = L"Environment";

int Refuse(const char* why) {
    std::fprintf(stderr, "kv310-path: PATH left as it was: %s\n", why);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4 || (std::wstring(argv[1]) != L"add" && std::wstring(argv[1]) != L"remove") ||
        (std::wstring(argv[2]) != L"user" && std::wstring(argv[2]) != L"machine") || argv[3][0] == L'\0') {
        std::fprintf(stderr, "usage: kv310-path add|remove user|machine FOLDER\n");
        return 2;
    }
    const bool add = std::wstring(argv[1]) == L"add";
    const bool machine = std::wstring(argv[2]) == L"machine";
    HKEY key = nullptr;
    if (::RegCreateKeyExW(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, machine ? kMachineKey : kUserKey,
                          0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
        return Refuse("the environment's registry key cannot be opened");
    }
    DWORD type = REG_EXPAND_SZ;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExW(key, L"Path", nullptr, &type, nullptr, &size);
    std::wstring path;
    if (status == ERROR_SUCCESS) {
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            ::RegCloseKey(key);
            return Refuse("the PATH value is not text");
        }
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        status =
            ::RegQueryValueExW(key, L"Path", nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status != ERROR_SUCCESS) {
            ::RegCloseKey(key);
            return Refuse("the PATH value cannot be read");
        }
        path.assign(buffer.c_str());  // up to its terminating NUL
    } else if (status == ERROR_FILE_NOT_FOUND) {
        type = REG_EXPAND_SZ;
    } else {
        ::RegCloseKey(key);
        return Refuse("the PATH value cannot be read");
    }

    const std::wstring changed = add ? PathWithFolder(path, argv[3]) : PathWithoutFolder(path, argv[3]);
    if (changed == path) {
        ::RegCloseKey(key);
        return 0;
    }
    if (changed.size() > kMaxPathValue) {
        ::RegCloseKey(key);
        return Refuse("it would be longer than the 32,767 characters Windows allows");
    }
    status = ::RegSetValueExW(key, L"Path", 0, type, reinterpret_cast<const BYTE*>(changed.c_str()),
                              static_cast<DWORD>((changed.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return Refuse("the PATH value cannot be written");
    }
    // programs started from now on (a new command prompt) see the new PATH
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Environment"),
                          SMTO_ABORTIFHUNG, 2000, &result);
    return 0;
}
