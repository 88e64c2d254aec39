#include "PortFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "FileIo.h"
#include "UserFolders.h"
#include "Utf8Path.h"

namespace {

bool Fail(std::string* error, const std::string& text) {
    if (error != nullptr) {
        *error = text;
    }
    return false;
}

// mkdir -p for the config folder (a fresh account may have no ~/.config yet).
bool MakeFolders(const std::string& folder, std::string* error) {
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos != folder.size() && folder[pos] != '/' && folder[pos] != '\\') {
            continue;
        }
        const std::string part = folder.substr(0, pos);
#ifdef _WIN32
        const int made = part.size() == 2 && part[1] == ':' ? 0 : ::mkdir(part.c_str());  // C: is no folder
#else
        const int made = ::mkdir(part.c_str(), 0700);
#endif
        if (made != 0 && errno != EEXIST) {
            return Fail(error, std::string(std::strerror(errno)) + ": " + part);
        }
    }
    return true;
}

}  // namespace

std::string PortFilePath() {
    const std::string folder = UserConfigFolder();
    return (folder.empty() ? std::string(".") : folder) + "/" + kPortFileStem + ".ini";
}

bool LoadPortSetting(int32_t& comPort, std::string* error) {
    comPort = 0;
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!ReadFileBytes(PortFilePath(), bytes, kPortFileSize, &reason)) {
        return Fail(error, reason);
    }
    if (bytes.size() < kPortFileSize) {
        return Fail(error, "the file is shorter than 4 bytes");
    }
    const uint32_t value = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    comPort = static_cast<int32_t>(value);
    return true;
}

bool SavePortSetting(int32_t comPort, std::string* error) {
    const std::string folder = UserConfigFolder();
    if (folder.empty()) {
        return Fail(error, "neither XDG_CONFIG_HOME nor HOME is set");
    }
    if (!MakeFolders(folder, error)) {
        return false;
    }
    const uint32_t value = static_cast<uint32_t>(comPort);
    const std::vector<uint8_t> bytes = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                                        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    return WriteFileAtomically(PortFilePath(), bytes, error);
}

std::string AdapterFilePath() {
    const std::string folder = UserConfigFolder();
    return (folder.empty() ? std::string(".") : folder) + "/" + kPortFileStem + ".adapter";
}

std::string LoadAdapterSerial() {
    constexpr size_t kMaxSerial = 128;
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(AdapterFilePath(), bytes, kMaxSerial)) {
        return std::string();
    }
    std::string serial(bytes.begin(), bytes.end());
    serial = serial.substr(0, serial.find_first_of("\r\n"));
    return serial;
}

bool SaveAdapterSerial(const std::string& serial, std::string* error) {
    if (serial.empty()) {
        std::error_code ec;
        std::filesystem::remove(Utf8Path(AdapterFilePath()), ec);
        return !ec || Fail(error, ec.message());
    }
    const std::string folder = UserConfigFolder();
    if (folder.empty()) {
        return Fail(error, "neither XDG_CONFIG_HOME nor HOME is set");
    }
    if (!MakeFolders(folder, error)) {
        return false;
    }
    const std::string line = serial + "\n";
    return WriteFileAtomically(AdapterFilePath(), std::vector<uint8_t>(line.begin(), line.end()), error);
}
