#include "FailedTrace.h"

#include <algorithm>
#include <filesystem>

#include "Backup.h"
#include "FileIo.h"
#include "Format.h"
#include "Retention.h"
#include "UserFolders.h"
#include "Utf8Path.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTraceExtension = ".txt";

// 2026-12-07_15-40-02_COM17.txt: what the program names its own traces; anything else is left alone.
constexpr const char* kTracePattern = "####-##-##_##-##-##_*.txt";

struct SAged {
    fs::path m_Path;
    fs::file_time_type m_Time;
};

std::vector<SAged> OwnFilesNewestFirst(const std::string& folder) {
    std::vector<SAged> files;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(Utf8Path(folder), ec)) {
        if (entry.is_regular_file(ec) && NameFitsPattern(entry.path().filename().string(), kTracePattern)) {
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

bool KeepFailedTrace(const std::string& trace, const std::string& portName, std::string& path,
                     std::string* error, std::time_t when) {
    const std::string folder = FailedTraceFolder();
    std::error_code ec;
    if (!folder.empty()) {
        fs::create_directories(Utf8Path(folder), ec);
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
    for (int n = 2; fs::exists(Utf8Path(path), ec); ++n) {
        path = StrPrintf("%s-%d%s", stem.c_str(), n, kTraceExtension);
    }
    path = Utf8Path(path).make_preferred().string();
    if (!WriteFileAtomically(path, std::vector<uint8_t>(trace.begin(), trace.end()), error)) {
        return false;
    }
    PruneToNewest(folder, kTracePattern, kFailedTracesKept, path);
    return true;
}

std::vector<std::string> FailedTraces() {
    std::vector<std::string> paths;
    const std::string folder = FailedTraceFolder();
    if (!folder.empty()) {
        for (const SAged& file : OwnFilesNewestFirst(folder)) {
            paths.push_back(file.m_Path.string());
        }
    }
    return paths;
}
