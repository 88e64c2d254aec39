#include "UserFolders.h"
#include "Utf8Path.h"

#include <cstdlib>
#include <filesystem>

namespace {

// A folder from the environment counts only when it is absolute: a relative one would move with the
// current folder.
std::string AbsoluteFolder(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || value[0] == '\0') {
        return std::string();
    }
    return Utf8Path(value).is_absolute() ? std::string(value) : std::string();
}

std::string UserFolder(const char* xdgVariable, [[maybe_unused]] const char* windowsVariable,
                       [[maybe_unused]] const char* windowsRelative, const char* homeRelative) {
    std::string folder = AbsoluteFolder(xdgVariable);
    if (!folder.empty()) {
        return folder;
    }
#ifdef _WIN32
    folder = AbsoluteFolder(windowsVariable);
    if (!folder.empty()) {
        return folder + windowsRelative;
    }
#endif
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/" + homeRelative;
    }
    return std::string();
}

}  // namespace

std::string UserConfigFolder() {
    return UserFolder("XDG_CONFIG_HOME", "APPDATA", "/KV310", ".config");
}

std::string UserDataFolder() {
    return UserFolder("XDG_DATA_HOME", "LOCALAPPDATA", "", ".local/share");
}

std::string UserStateFolder() {
    return UserFolder("XDG_STATE_HOME", "LOCALAPPDATA", "", ".local/state");
}
