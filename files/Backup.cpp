#include "Backup.h"

#include <vector>

#include "TextMark.h"

namespace {

const SDatedKind kBackups = {KV310_TEXT("Messages", "backups"), "KV310/backups", ".bin", kBackupsKept};

}  // namespace

std::string BackupFolder() {
    return DatedFolder(kBackups);
}

bool SaveBackup(const CImageBytes& image, const std::string& portName, std::string& path, std::string* error,
                std::time_t when) {
    return SaveDatedFile(kBackups, std::vector<uint8_t>(image.begin(), image.end()), portName, path, error,
                         when);
}
