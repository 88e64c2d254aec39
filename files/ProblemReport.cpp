#include "ProblemReport.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "FailedTrace.h"
#include "FileIo.h"
#include "Format.h"
#include "TransferLog.h"
#include "UserFolders.h"
#include "Utf8Path.h"

#ifndef _WIN32
#include <sys/utsname.h>
#endif

namespace {

constexpr const char* kFolder = "kv310-report/";
constexpr size_t kMaxTraceBytes = 4u << 20;

STarEntry TextEntry(const std::string& name, const std::string& text) {
    return {kFolder + name, std::vector<uint8_t>(text.begin(), text.end())};
}

std::string BuildDescription() {
#if defined(__clang__)
    return "clang " __clang_version__;
#elif defined(__GNUC__)
    return "GCC " __VERSION__;
#else
    return "unknown compiler";
#endif
}

// text with the home folder (and with it the user's name) written as "~".
std::string HomeAsTilde(std::string text) {
    const char* home = std::getenv("HOME");
    const std::string homeText = home != nullptr ? home : "";
    for (size_t at = homeText.size() > 1 ? text.find(homeText) : std::string::npos; at != std::string::npos;
         at = text.find(homeText, at + 1)) {
        text.replace(at, homeText.size(), "~");
    }
    return text;
}

// A log line for the report: the backup column as ReportBackupPath names it, the plan's names left out (its
// digest tells which plan it was), no home folder in a port's path.
std::string WithoutHome(const std::string& line) {
    std::vector<std::string> fields = SplitTransferLogLine(line);
    constexpr size_t kPlan = 7;
    constexpr size_t kBackup = 11;
    constexpr size_t kPlanResolved = 12;
    if (fields.size() != static_cast<size_t>(kTransferLogColumns) && fields.size() != kBackup + 1) {
        return HomeAsTilde(line);  // a damaged line: at least the home folder stays out
    }
    fields[kBackup] = ReportBackupPath(fields[kBackup]);
    for (const size_t plan : {kPlan, kPlanResolved}) {
        if (plan < fields.size() && !fields[plan].empty()) {
            fields[plan] = "(plan" + Utf8Path(fields[plan]).extension().string() + ")";
        }
    }
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        out += (i == 0 ? "" : "\t") + HomeAsTilde(fields[i]);
    }
    return out;
}

}  // namespace

std::string OsDescription() {
#ifdef _WIN32
    return "Windows";
#else
    std::string text = "unknown system";
    struct utsname name {};
    if (::uname(&name) == 0) {
        text = std::string(name.sysname) + " " + name.release + " " + name.machine;
    }
    std::ifstream release("/etc/os-release");
    for (std::string line; std::getline(release, line);) {
        if (line.rfind("PRETTY_NAME=", 0) == 0) {
            std::string pretty = line.substr(12);
            if (pretty.size() >= 2 && pretty.front() == '"' && pretty.back() == '"') {
                pretty = pretty.substr(1, pretty.size() - 2);
            }
            text += ", " + pretty;
        }
    }
    return text;
#endif
}

std::vector<STarEntry> ProblemReportEntries(const SReportInputs& inputs, std::vector<std::string>* warnings) {
    std::vector<STarEntry> entries;
    entries.push_back(TextEntry("version.txt", "program: " + inputs.m_strProgram +
                                                   "\nbuilt with: " + BuildDescription() +
                                                   "\nsystem: " + OsDescription() + "\n"));
    entries.push_back(TextEntry("ports.txt", inputs.m_strPorts));
    for (const std::string& trace : FailedTraces()) {
        std::vector<uint8_t> bytes;
        if (ReadFileBytes(trace, bytes, kMaxTraceBytes)) {
            if (!inputs.m_bWholeTraces) {
                const std::string reduced = ReducedTrace(std::string(bytes.begin(), bytes.end()));
                bytes.assign(reduced.begin(), reduced.end());
            }
            entries.push_back(
                {kFolder + std::string("traces/") + Utf8Path(trace).filename().string(), bytes});
        }
    }
    std::vector<std::string> lines;
    std::string error;
    if (ReadTransferLog(lines, &error)) {
        std::string log = kTransferLogHeader;
        const size_t first = lines.size() > kReportLogLines ? lines.size() - kReportLogLines : 0;
        for (size_t i = first; i < lines.size(); ++i) {
            log += WithoutHome(lines[i]) + "\n";
        }
        entries.push_back(TextEntry("transfers.tsv", log));
    } else if (warnings != nullptr) {
        warnings->push_back("the transfer log could not be read (" + error + "); the report goes without it");
    }
    if (!inputs.m_strConfigYaml.empty()) {
        entries.push_back(TextEntry("config.yaml", inputs.m_strConfigYaml));
    }
    return entries;
}

bool BuildProblemReport(const SReportInputs& inputs, SProblemReport& report, std::string* error) {
    report = SProblemReport();
    const std::vector<STarEntry> entries = ProblemReportEntries(inputs, &report.m_Warnings);
    std::vector<uint8_t> tar;
    if (!TarArchive(entries, std::time(nullptr), tar, error)) {
        return false;
    }
    report.m_Archive = Gzip(tar);
    for (const STarEntry& entry : entries) {
        report.m_Names.push_back(entry.m_strName);
    }
    return true;
}

bool WriteProblemReport(const std::string& path, const SReportInputs& inputs, std::string* error,
                        std::vector<std::string>* names) {
    SProblemReport report;
    if (!BuildProblemReport(inputs, report, error) || !WriteFileAtomically(path, report.m_Archive, error)) {
        return false;
    }
    if (names != nullptr) {
        *names = report.m_Names;
    }
    return true;
}

std::string ReportBackupPath(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    const std::filesystem::path backup = Utf8Path(path).lexically_normal();
    const std::string data = UserDataFolder();
    if (!data.empty()) {
        const std::string relative =
            backup.lexically_relative(Utf8Path(data).lexically_normal()).generic_string();
        if (!relative.empty() && relative.rfind("..", 0) != 0) {
            return relative;
        }
    }
    return backup.filename().string();
}

std::string ReducedTrace(const std::string& trace) {
    constexpr size_t kKeptBytes = 3;       // a frame, an answer, an acknowledge with its checksum
    constexpr size_t kBlockHeadBytes = 5;  // FF 99 14 and the block's address
    std::string out;
    size_t at = 0;
    while (at < trace.size()) {
        size_t end = trace.find('\n', at);
        end = end == std::string::npos ? trace.size() : end;
        const std::string line = trace.substr(at, end - at);
        at = end + 1;
        // "12.345 > 87 00 87": the time and the direction, then the bytes
        std::vector<std::string> words;
        for (size_t w = 0; w < line.size();) {
            const size_t space = line.find(' ', w);
            const size_t stop = space == std::string::npos ? line.size() : space;
            if (stop > w) {
                words.push_back(line.substr(w, stop - w));
            }
            w = stop + 1;
        }
        if (words.size() < 2 || (words[1] != ">" && words[1] != "<")) {
            out += "(a line left out)\n";
            continue;
        }
        const size_t count = words.size() - 2;
        const bool block =
            count >= kBlockHeadBytes && words[2] == "FF" && words[3] == "99" && words[4] == "14";
        const size_t kept = count <= kKeptBytes ? count : block ? kBlockHeadBytes : 0;
        std::string reduced = words[0] + " " + words[1];
        for (size_t i = 0; i < kept; ++i) {
            reduced += " " + words[2 + i];
        }
        if (kept < count) {
            reduced += StrPrintf(" (%zu %sbytes left out)", count - kept, kept > 0 ? "more " : "");
        }
        out += reduced + "\n";
    }
    return out;
}
