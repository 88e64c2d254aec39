#include "RunFiles.h"

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "CliSupport.h"
#include "Utf8Path.h"

namespace fs = std::filesystem;

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::exists(Utf8Path(a), ec) && fs::exists(Utf8Path(b), ec)) {
        const bool same = fs::equivalent(Utf8Path(a), Utf8Path(b),
                                         ec);  // device and inode, so links and other spellings meet
        if (!ec) {
            return same;
        }
    }
    return fs::weakly_canonical(fs::absolute(Utf8Path(a), ec), ec) ==
           fs::weakly_canonical(fs::absolute(Utf8Path(b), ec), ec);
}

bool Writable(const fs::path& path) {
#ifdef _WIN32
    (void)path;
    return true;
#else
    return ::access(path.c_str(), W_OK) == 0;
#endif
}

// Why this output cannot be written, or empty when it can.
std::string OutputFault(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(Utf8Path(path), ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        // a name longer than the file system takes fails here, not after the radio was read
        return "it cannot be used: " + ec.message();
    }
    if (fs::is_directory(status)) {
        return "it is a folder: give a file name";
    }
    if (fs::is_fifo(status) || fs::is_socket(status)) {
        return "it is a pipe or a socket: give a file, or - for stdout";
    }
    if (fs::is_regular_file(status)) {
        return Writable(Utf8Path(path)) ? std::string() : "it is write-protected";
    }
    if (fs::exists(status)) {
        return std::string();  // a device: a terminal, /dev/null
    }
    fs::path folder = fs::absolute(Utf8Path(path), ec).parent_path();
    if (!fs::is_directory(folder, ec)) {
        return "its folder " + folder.string() +
               (ec && ec != std::errc::no_such_file_or_directory ? " cannot be used: " + ec.message()
                                                                 : std::string(" does not exist"));
    }
    return Writable(folder) ? std::string() : "its folder " + folder.string() + " is write-protected";
}

}  // namespace

bool CheckRunFiles(const std::vector<SRunFile>& files) {
    for (size_t i = 0; i < files.size(); ++i) {
        const SRunFile& file = files[i];
        if (file.m_strPath == "-") {
            continue;
        }
        if (file.m_bOutput) {
            const std::string fault = OutputFault(file.m_strPath);
            if (!fault.empty()) {
                PrintError("cannot write " + file.m_strWhat + " " + CleanText(file.m_strPath) + ": " + fault +
                           " (nothing was done)");
                return false;
            }
        }
        for (size_t j = 0; j < i; ++j) {
            const SRunFile& other = files[j];
            if (other.m_strPath != "-" && (file.m_bOutput || other.m_bOutput) &&
                SameFile(file.m_strPath, other.m_strPath)) {
                PrintError(other.m_strWhat + " and " + file.m_strWhat + " are the same file (" +
                           CleanText(file.m_strPath) +
                           "): one would overwrite the other; give each its own name (nothing was done)");
                return false;
            }
        }
    }
    return true;
}
