#include "TransferLog.h"

#include <filesystem>

#include "FileIo.h"
#include "Format.h"
#include "UserFolders.h"
#include "Utf8Path.h"

const char* const kTransferLogHeader =
    "time\tprogram\tverb\tport\tadapter_serial\tfirmware\tmodel\tplan\tsha256\tresult\tseconds\tbackup\n";

namespace {

constexpr size_t kMaxLogBytes = 64u << 20;  // a log this large is read no further

std::string Field(const std::string& text) {
    std::string field = text;
    for (char& c : field) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return field;
}

std::string LocalTime(std::time_t when) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    return stamp;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "YYYY-MM-DD", optionally followed by " HH" and ":MM" and ":SS".
bool IsLogTime(const std::string& text) {
    static const char kPattern[] = "dddd-dd-dd dd:dd:dd";
    if (text.size() < 10 || text.size() > sizeof kPattern - 1 || text.size() == 11 || text.size() == 12 ||
        text.size() == 14 || text.size() == 17) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (kPattern[i] == 'd' ? !IsDigit(text[i]) : text[i] != kPattern[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string TransferLogPath() {
    const std::string state = UserStateFolder();
    if (state.empty()) {
        return state;
    }
    return Utf8Path(state + "/KV310/transfers.tsv").make_preferred().string();
}

std::string TransferLogLine(const STransferLogEntry& entry) {
    const std::string fields[kTransferLogColumns] = {
        entry.m_strTime,
        entry.m_strProgram,
        entry.m_strVerb,
        entry.m_strPort,
        entry.m_strAdapterSerial,
        entry.m_strFirmware,
        entry.m_strModel,
        entry.m_strPlan,
        entry.m_strSha256,
        entry.m_strResult,
        StrPrintf("%.1f", entry.m_dSeconds),
        entry.m_strBackup,
    };
    std::string line;
    for (int i = 0; i < kTransferLogColumns; ++i) {
        line += (i == 0 ? "" : "\t") + Field(fields[i]);
    }
    return line + "\n";
}

bool AppendTransferLog(STransferLogEntry entry, std::string* error, std::string path, std::time_t when) {
    if (path.empty()) {
        path = TransferLogPath();
    }
    if (path.empty()) {
        if (error != nullptr) {
            *error = "no folder for the transfer log: neither XDG_STATE_HOME nor HOME is set";
        }
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(Utf8Path(path).parent_path(), ec);
    if (entry.m_strTime.empty()) {
        entry.m_strTime = LocalTime(when);
    }
    return AppendLineAtomically(path, kTransferLogHeader, TransferLogLine(entry), error);
}

bool ReadTransferLog(std::vector<std::string>& lines, std::string* error, std::string path) {
    lines.clear();
    if (path.empty()) {
        path = TransferLogPath();
    }
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(Utf8Path(path), ec)) {
        return true;
    }
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kMaxLogBytes, error)) {
        return false;
    }
    const std::string text(bytes.begin(), bytes.end());
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(at, end - at);
        if (!line.empty() && line.rfind("time\t", 0) != 0) {
            lines.push_back(line);
        }
        at = end + 1;
    }
    return true;
}

bool TransferLogSince(const std::vector<std::string>& lines, const std::string& since,
                      std::vector<std::string>& selected) {
    if (!IsLogTime(since)) {
        return false;
    }
    selected.clear();
    for (const std::string& line : lines) {
        if (line.compare(0, since.size(), since) >= 0) {
            selected.push_back(line);
        }
    }
    return true;
}

std::vector<std::string> SplitTransferLogLine(const std::string& line) {
    std::vector<std::string> fields;
    size_t at = 0;
    for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', at)) {
        fields.push_back(line.substr(at, tab - at));
        at = tab + 1;
    }
    fields.push_back(line.substr(at));
    return fields;
}

std::string ModelLogName(const CDataRadioDoc& doc) {
    std::string name;
    for (const char c : doc.CurrentBand().m_strTitle) {
        if (c != ' ' || (!name.empty() && name.back() != ' ')) {
            name += c;
        }
    }
    while (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    return name;
}
