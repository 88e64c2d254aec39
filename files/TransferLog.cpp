#include "TransferLog.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "DatedFiles.h"
#include "FileIo.h"
#include "Format.h"
#include "TextMark.h"
#include "UserFolders.h"
#include "Utf8Path.h"

const char* const kTransferLogHeader =
    "time\tprogram\tverb\tport\tadapter_serial\tfirmware\tmodel\tplan\tsha256\tresult\tseconds\tbackup\t"
    "plan_resolved\tplan_sha256\n";

namespace {

std::string Field(const std::string& text) {
    std::string field = text;
    for (char& c : field) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return field;
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
    // a date the calendar has: 2026-13-45 and 2026-02-30 are typing errors, not dates
    const auto number = [&text](size_t at, size_t width) { return std::stoi(text.substr(at, width)); };
    const int year = number(0, 4);
    const int month = number(5, 2);
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return false;
    }
    const int day = number(8, 2);
    if (day < 1 || day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) {
        return false;
    }
    const int limits[3] = {23, 59, 59};  // hour, minute, second
    for (size_t field = 0; field < 3 && 11 + field * 3 < text.size(); ++field) {
        if (number(11 + field * 3, 2) > limits[field]) {
            return false;
        }
    }
    return true;
}

// transfers.tsv -> transfers.2.tsv: the name of the n-th older file.
std::string OldLogPath(const std::string& path, int n) {
    const std::filesystem::path current = Utf8Path(path);
    std::filesystem::path old = current;
    old.replace_filename(current.stem().string() + "." + std::to_string(n) + current.extension().string());
    return old.string();
}

// A full log becomes transfers.1.tsv, the older ones move up one and the oldest goes.
void RotateWhenFull(const std::string& path) {
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(Utf8Path(path), ec);
    if (ec || size < kTransferLogRotateBytes) {
        return;
    }
    std::filesystem::remove(Utf8Path(OldLogPath(path, kTransferLogOldKept)), ec);
    for (int n = kTransferLogOldKept - 1; n >= 1; --n) {
        std::filesystem::rename(Utf8Path(OldLogPath(path, n)), Utf8Path(OldLogPath(path, n + 1)), ec);
    }
    std::filesystem::rename(Utf8Path(path), Utf8Path(OldLogPath(path, 1)), ec);
}

// True when the file ends with a line break (or is empty or missing): a record may follow directly.
bool EndsWithLineBreak(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    if (size <= 0) {
        return true;
    }
    char last = '\n';
    in.seekg(size - 1);
    in.get(last);
    return last == '\n';
}

// The last maxBytes of the file, from the first whole line on when it is longer.
bool ReadTail(const std::string& path, size_t maxBytes, std::string& text, std::string* error) {
    std::error_code ec;
    std::ifstream in;
    if (std::filesystem::is_regular_file(Utf8Path(path), ec)) {
        in.open(Utf8Path(path), std::ios::binary | std::ios::ate);
    }
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0) {
        if (error != nullptr) {
            *error = ec ? ec.message() : "not a file that can be read";
        }
        return false;
    }
    const std::streamoff start =
        size > static_cast<std::streamoff>(maxBytes) ? size - static_cast<std::streamoff>(maxBytes) : 0;
    text.assign(static_cast<size_t>(size - start), '\0');
    in.seekg(start);
    if (!text.empty() && !in.read(text.data(), static_cast<std::streamsize>(text.size()))) {
        if (error != nullptr) {
            *error = "read error";
        }
        return false;
    }
    if (start > 0) {
        const size_t cut = text.find('\n');
        text.erase(0, cut == std::string::npos ? text.size() : cut + 1);
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
        entry.m_strPlanResolved,
        entry.m_strPlanSha256,
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
            *error = MissingFolderText(KV310_TEXT("Messages", "the transfer log"), "XDG_STATE_HOME");
        }
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(Utf8Path(path).parent_path(), ec);
    if (entry.m_strTime.empty()) {
        entry.m_strTime = LogTimeStamp(when);
    }
    RotateWhenFull(path);
    // a log cut off mid-line (a full disk, an editor) would glue this record to its last one
    const std::string line = (EndsWithLineBreak(path) ? "" : "\n") + TransferLogLine(entry);
    return AppendLineAtomically(path, kTransferLogHeader, line, error);
}

std::vector<std::string> TransferLogFiles(std::string path) {
    if (path.empty()) {
        path = TransferLogPath();
    }
    std::vector<std::string> files;
    std::error_code ec;
    for (int n = kTransferLogOldKept; n >= 1 && !path.empty(); --n) {
        if (std::filesystem::exists(Utf8Path(OldLogPath(path, n)), ec)) {
            files.push_back(OldLogPath(path, n));
        }
    }
    if (!path.empty() && std::filesystem::exists(Utf8Path(path), ec)) {
        files.push_back(path);
    }
    return files;
}

bool ReadTransferLog(std::vector<std::string>& lines, std::string* error, std::string path, size_t maxBytes) {
    lines.clear();
    const std::vector<std::string> files = TransferLogFiles(path);
    // the newest files first, so that the budget goes to the newest records
    std::vector<std::string> texts(files.size());
    size_t left = maxBytes;
    for (size_t i = files.size(); i-- > 0 && left > 0;) {
        if (!ReadTail(files[i], left, texts[i], error)) {
            if (error != nullptr) {
                *error = files[i] + ": " + *error;
            }
            return false;
        }
        left -= std::min(left, texts[i].size());
    }
    for (const std::string& text : texts) {
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

std::vector<std::string> TransferLogOfPlan(const std::vector<std::string>& lines, const std::string& planSha256) {
    std::vector<std::string> selected;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = SplitTransferLogLine(line);
        if (!planSha256.empty() && fields.size() > kTransferLogPlanSha256Column &&
            fields[kTransferLogPlanSha256Column] == planSha256) {
            selected.push_back(line);
        }
    }
    return selected;
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
