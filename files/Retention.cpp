#include "Retention.h"
#include "Utf8Path.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

bool NameFitsPattern(const std::string& name, const std::string& pattern) {
    // iterative glob with one backtrack point, enough for a single kind of wildcard run
    size_t n = 0;
    size_t p = 0;
    size_t starP = std::string::npos;
    size_t starN = 0;
    while (n < name.size()) {
        const bool digit = std::isdigit(static_cast<unsigned char>(name[n])) != 0;
        if (p < pattern.size() && (pattern[p] == '#' ? digit : pattern[p] != '*' && pattern[p] == name[n])) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

namespace {

bool SameFile(const fs::path& a, const std::string& b) {
    if (b.empty()) {
        return false;
    }
    std::error_code ec;
    const bool same = fs::equivalent(a, Utf8Path(b), ec);
    return ec ? a == Utf8Path(b) : same;
}

}  // namespace

namespace {

struct SAgedFile {
    fs::file_time_type m_Time;
    std::string m_strName;
    fs::path m_Path;
};

std::vector<SAgedFile> AgedFilesNewestFirst(const std::string& folder, const std::string& pattern) {
    std::vector<SAgedFile> files;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(Utf8Path(folder), ec)) {
        std::error_code entryError;
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file(entryError) || !NameFitsPattern(name, pattern)) {
            continue;
        }
        const fs::file_time_type time = entry.last_write_time(entryError);
        if (!entryError) {
            files.push_back({time, name, entry.path()});
        }
    }
    // newest first; within one second of file-system time, the later name is the newer
    std::sort(files.begin(), files.end(), [](const SAgedFile& a, const SAgedFile& b) {
        return std::tie(a.m_Time, a.m_strName) > std::tie(b.m_Time, b.m_strName);
    });
    return files;
}

}  // namespace

std::vector<std::string> FilesNewestFirst(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> paths;
    for (const SAgedFile& file : AgedFilesNewestFirst(folder, pattern)) {
        paths.push_back(file.m_Path.string());
    }
    return paths;
}

int PruneToNewest(const std::string& folder, const std::string& pattern, int keep,
                  const std::string& keepPath) {
    const std::vector<SAgedFile> files = AgedFilesNewestFirst(folder, pattern);
    if (static_cast<int>(files.size()) <= keep) {
        return 0;
    }
    int kept = 0;
    int removed = 0;
    std::error_code ec;
    const auto justWritten = std::find_if(
        files.begin(), files.end(), [&keepPath](const SAgedFile& f) { return SameFile(f.m_Path, keepPath); });
    if (justWritten != files.end()) {
        ++kept;
    }
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (it == justWritten) {
            continue;
        }
        if (kept < keep) {
            ++kept;
        } else if (fs::remove(it->m_Path, ec)) {
            ++removed;
        }
    }
    return removed;
}
