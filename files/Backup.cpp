#include "Backup.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "FileIo.h"
#include "Format.h"
#include "Retention.h"
#include "UserFolders.h"
#include "Utf8Path.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kBackupExtension = ".bin";

}  // namespace

std::string BackupFolder() {
    const std::string data = UserDataFolder();
    return data.empty() ? data : data + "/KV310/backups";
}

bool SaveBackup(const CImageBytes& image, const std::string& portName, std::string& path, std::string* error,
                std::time_t when) {
    const std::string folder = BackupFolder();
    if (folder.empty()) {
        if (error != nullptr) {
            // a relative XDG_DATA_HOME does not count (it would move with the current folder)
            *error = "no folder for backups: set HOME, or XDG_DATA_HOME to an absolute path";
        }
        return false;
    }
    std::error_code ec;
    fs::create_directories(Utf8Path(folder), ec);
    if (ec) {
        if (error != nullptr) {
            *error = "cannot create " + folder + ": " + ec.message();
        }
        return false;
    }
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    const std::string stem = folder + "/" + stamp + "_" + PortFileNamePart(portName);
    path = stem + kBackupExtension;
    for (int n = 2; fs::exists(Utf8Path(path), ec); ++n) {
        path = StrPrintf("%s-%d%s", stem.c_str(), n, kBackupExtension);
    }
    path = Utf8Path(path).make_preferred().string();  // C:\...\KV310\backups\... on Windows
    if (!WriteFileAtomically(path, std::vector<uint8_t>(image.begin(), image.end()), error)) {
        return false;
    }
    PruneToNewest(folder, kBackupNamePattern, kBackupsKept, path);
    return true;
}

std::string PortFileNamePart(const std::string& portName) {
    std::string part = portName;
    for (const char* prefix : {"/dev/", "\\\\.\\"}) {  // /dev/ttyUSB0 and \\.\COM3 are named by their device
        if (part.rfind(prefix, 0) == 0) {
            part = part.substr(std::string(prefix).size());
        }
    }
    for (char& c : part) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            c = '-';
        }
    }
    return part.empty() ? "port" : part;
}
