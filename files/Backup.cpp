#include "Backup.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "EepromLayout.h"
#include "FileIo.h"
#include "Format.h"
#include "ImageMerge.h"
#include "Retention.h"
#include "TextMark.h"
#include "TransferLog.h"
#include "Utf8Path.h"

namespace fs = std::filesystem;

namespace {

// m_nKept 0: the folder keeps every backup; only PruneBackupsOlderThan removes any
const SDatedKind kBackups = {KV310_TEXT("Messages", "backups"), "KV310/backups", ".bin", 0};

fs::file_time_type FileTime(std::time_t when) {
    const auto sys = std::chrono::system_clock::from_time_t(when);
    return fs::file_time_type::clock::now() + (sys - std::chrono::system_clock::now());
}

// The backup that holds exactly image, empty when none does.
std::string SameBackup(const CImageBytes& image) {
    std::error_code ec;
    for (const std::string& path : DatedFiles(kBackups)) {
        if (fs::file_size(Utf8Path(path), ec) != static_cast<uintmax_t>(kImageSize) || ec) {
            continue;
        }
        std::vector<uint8_t> bytes;
        if (ReadFileBytes(path, bytes, kImageSize + 1) &&
            std::equal(bytes.begin(), bytes.end(), image.begin(), image.end())) {
            return path;
        }
    }
    return std::string();
}

bool InBackupFolder(const std::string& path) {
    const std::string folder = BackupFolder();
    std::error_code ec;
    return !folder.empty() && fs::equivalent(Utf8Path(path).parent_path(), Utf8Path(folder), ec);
}

}  // namespace

std::string BackupFolder() {
    return DatedFolder(kBackups);
}

bool SaveBackup(const CImageBytes& image, const std::string& portName, std::string& path, std::string* error,
                std::time_t when) {
    const std::string same = SameBackup(image);
    if (!same.empty()) {
        path = same;
        MarkBackupUsed(path, when);
        return true;
    }
    if (!SaveDatedFile(kBackups, std::vector<uint8_t>(image.begin(), image.end()), portName, path, error,
                       when)) {
        return false;
    }
    MarkBackupUsed(path, when);  // its time is the read's, as its name says
    return true;
}

void MarkBackupUsed(const std::string& path, std::time_t when) {
    if (InBackupFolder(path)) {
        std::error_code ec;
        fs::last_write_time(Utf8Path(path), FileTime(when), ec);
    }
}

std::vector<std::string> BackupsNewestFirst() {
    return DatedFiles(kBackups);
}

std::vector<std::string> PruneBackupsOlderThan(int days, const std::vector<std::string>& inUse,
                                               std::vector<std::string>* failed, std::time_t now) {
    const fs::file_time_type limit = FileTime(now - static_cast<std::time_t>(days) * 24 * 3600);
    std::vector<std::string> removed;
    std::vector<std::string> backups = BackupsNewestFirst();
    std::reverse(backups.begin(), backups.end());
    for (const std::string& path : backups) {
        std::error_code ec;
        const fs::file_time_type time = fs::last_write_time(Utf8Path(path), ec);
        const bool used = std::any_of(inUse.begin(), inUse.end(), [&path](const std::string& other) {
            std::error_code same;
            return fs::equivalent(Utf8Path(path), Utf8Path(other), same);
        });
        if (ec || time >= limit || used) {
            continue;
        }
        if (fs::remove(Utf8Path(path), ec)) {
            removed.push_back(path);
        } else if (failed != nullptr) {
            failed->push_back(path);
        }
    }
    return removed;
}

std::string BackupImageProblem(const CImageBytes& image) {
    if (IsBlankImage(image)) {
        return std::string();
    }
    const uint16_t modelAt = kModelRow.m_nAddr;
    CEepromImage decoder;
    decoder.m_Work = image;
    CDataRadioDoc doc;
    doc.m_nModel = -1;  // an image without a model keeps this, or takes the default row
    decoder.DecodeImage(doc);
    // a record of the image's model, encoded again, must give back every bit it decides
    CEepromImage encoder;
    encoder.EncodeImage(doc);
    int first = -1;
    for (int at = 0; at < kImageSize && first < 0; ++at) {
        if (((image[at] ^ encoder.m_Work[at]) & encoder.m_Decided[at]) != 0) {
            first = at;
        }
    }
    const bool modelKept = ((image[modelAt] ^ encoder.m_Work[modelAt]) & encoder.m_Decided[modelAt]) == 0;
    if (doc.m_nModel < kFirstOfferedModel || !modelKept) {
        return StrPrintf("byte 0x%03X holds %02X, which names no model this tool programs", modelAt,
                         image[modelAt]);
    }
    if (first >= 0) {
        return StrPrintf(
            "it does not decode as a %s configuration: byte 0x%03X holds %02X, where the "
            "configuration it decodes into holds %02X",
            ModelLogName(doc).c_str(), first, image[first], encoder.m_Work[first]);
    }
    return std::string();
}
