#include "FailedTrace.h"

#include <algorithm>
#include <filesystem>

#include "Backup.h"
#include "FileIo.h"
#include "Format.h"
#include "UserFolders.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTraceExtension = ".txt";

// 2026-12-07_15-40-02_...: what the program names its own files; anything else in the folder is left alone.
bool IsOwnName(const std::string& name) {
    static const char kPattern[] = "dddd-dd-dd_dd-dd-dd_";
    if (name.size() < sizeof kPattern) {
        return false;
    }
    for (size_t i = 0; i + 1 < sizeof kPattern; ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if (kPattern[i] == 'd' ? !digit : name[i] != kPattern[i]) {
            return false;
        }
    }
    return true;
}

struct SAged {
    fs::path m_Path;
    fs::file_time_type m_Time;
};

std::vector<SAged> OwnFilesNewestFirst(const std::string& folder, const std::string& extension) {
    std::vector<SAged> files;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file(ec) && entry.path().extension() == extension &&
            IsOwnName(entry.path().filename().string())) {
            files.push_back({entry.path(), entry.last_write_time(ec)});
        }
    }
    // the name holds the time too: it orders files written within the clock's resolution
    std::sort(files.begin(), files.end(), [](const SAged& a, const SAged& b) {
        return a.m_Time != b.m_Time ? a.m_Time > b.m_Time : a.m_Path > b.m_Path;
    });
    return files;
}

}  // namespace

std::string FailedTraceFolder() {
    const std::string data = UserDataFolder();
    return data.empty() ? data : data + "/KV310/traces";
}

void PruneNewest(const std::string& folder, const std::string& extension, int keep,
                 const std::string& spare) {
    const std::vector<SAged> files = OwnFilesNewestFirst(folder, extension);
    std::error_code ec;
    auto isSpare = [&](const SAged& file) {
        return !spare.empty() && fs::equivalent(file.m_Path, spare, ec);
    };
    // the spare is one of those kept, wherever its clock puts it
    int kept = std::any_of(files.begin(), files.end(), isSpare) ? 1 : 0;
    for (const SAged& file : files) {
        if (isSpare(file)) {
            continue;
        }
        if (kept < keep) {
            ++kept;
            continue;
        }
        fs::remove(file.m_Path, ec);
    }
}

bool KeepFailedTrace(const std::string& trace, const std::string& portName, std::string& path,
                     std::string* error, std::time_t when) {
    const std::string folder = FailedTraceFolder();
    std::error_code ec;
    if (!folder.empty()) {
        fs::create_directories(folder, ec);
    }
    if (folder.empty() || ec) {
        if (error != nullptr) {
            *error = folder.empty() ? "neither XDG_DATA_HOME nor HOME is set" : ec.message();
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
    path = stem + kTraceExtension;
    for (int n = 2; fs::exists(path, ec); ++n) {
        path = StrPrintf("%s-%d%s", stem.c_str(), n, kTraceExtension);
    }
    path = fs::path(path).make_preferred().string();
    if (!WriteFileAtomically(path, std::vector<uint8_t>(trace.begin(), trace.end()), error)) {
        return false;
    }
    PruneNewest(folder, kTraceExtension, kFailedTracesKept, path);
    return true;
}

std::vector<std::string> FailedTraces() {
    std::vector<std::string> paths;
    const std::string folder = FailedTraceFolder();
    if (!folder.empty()) {
        for (const SAged& file : OwnFilesNewestFirst(folder, kTraceExtension)) {
            paths.push_back(file.m_Path.string());
        }
    }
    return paths;
}
