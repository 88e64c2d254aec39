#include "DatedFiles.h"

#include <cctype>
#include <filesystem>

#include "FileIo.h"
#include "Format.h"
#include "Retention.h"
#include "TextMark.h"
#include "UserFolders.h"
#include "Utf8Path.h"

namespace fs = std::filesystem;

std::string LocalTimeText(std::time_t when, const char* format) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char text[64];
    return std::strftime(text, sizeof text, format, &local) > 0 ? text : "";
}

std::string FileNameStamp(std::time_t when) {
    return LocalTimeText(when, "%Y-%m-%d_%H-%M-%S");
}

std::string LogTimeStamp(std::time_t when) {
    return LocalTimeText(when, "%Y-%m-%d %H:%M:%S");
}

std::string UniquePath(const std::string& stem, const std::string& extension) {
    std::error_code ec;
    std::string path = stem + extension;
    for (int n = 2; fs::exists(Utf8Path(path), ec); ++n) {
        path = StrPrintf("%s-%d%s", stem.c_str(), n, extension.c_str());
    }
    return path;
}

std::string DatedNamePattern(const std::string& extension) {
    return "####-##-##_##-##-##_*" + extension;
}

std::string MissingFolderText(const std::string& what, const char* xdgVariable) {
    // a relative XDG folder does not count (it would move with the current folder)
    return TextPrintf(KV310_MESSAGES,
                      KV310_TEXT("Messages", "no folder for %s: set HOME, or %s to an absolute path"),
                      LookUpText(KV310_MESSAGES, what.c_str()).c_str(), xdgVariable);
}

std::string DatedFolder(const SDatedKind& kind) {
    const std::string data = UserDataFolder();
    return data.empty() ? data : data + "/" + kind.m_pszSubfolder;
}

bool SaveDatedFile(const SDatedKind& kind, const std::vector<uint8_t>& bytes, const std::string& portName,
                   std::string& path, std::string* error, std::time_t when) {
    const std::string folder = DatedFolder(kind);
    if (folder.empty()) {
        if (error != nullptr) {
            *error = MissingFolderText(kind.m_pszWhat, "XDG_DATA_HOME");
        }
        return false;
    }
    std::error_code ec;
    fs::create_directories(Utf8Path(folder), ec);
    if (ec) {
        if (error != nullptr) {
            *error = TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "cannot create %s: %s"),
                                folder.c_str(), ec.message().c_str());
        }
        return false;
    }
    path = UniquePath(folder + "/" + FileNameStamp(when) + "_" + PortFileNamePart(portName),
                      kind.m_pszExtension);
    path = Utf8Path(path).make_preferred().string();  // C:\...\KV310\backups\... on Windows
    if (!WriteFileAtomically(path, bytes, error)) {
        return false;
    }
    if (kind.m_nKept > 0) {
        PruneToNewest(folder, DatedNamePattern(kind.m_pszExtension), kind.m_nKept, path);
    }
    return true;
}

std::vector<std::string> DatedFiles(const SDatedKind& kind) {
    const std::string folder = DatedFolder(kind);
    return folder.empty() ? std::vector<std::string>()
                          : FilesNewestFirst(folder, DatedNamePattern(kind.m_pszExtension));
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
