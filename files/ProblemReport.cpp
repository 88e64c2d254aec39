#include "ProblemReport.h"

#include <ctime>
#include <filesystem>
#include <fstream>

#include "FailedTrace.h"
#include "FileIo.h"
#include "TransferLog.h"
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

std::vector<STarEntry> ProblemReportEntries(const SReportInputs& inputs) {
    std::vector<STarEntry> entries;
    entries.push_back(TextEntry("version.txt", "program: " + inputs.m_strProgram +
                                                   "\nbuilt with: " + BuildDescription() +
                                                   "\nsystem: " + OsDescription() + "\n"));
    entries.push_back(TextEntry("ports.txt", inputs.m_strPorts));
    for (const std::string& trace : FailedTraces()) {
        std::vector<uint8_t> bytes;
        if (ReadFileBytes(trace, bytes, kMaxTraceBytes)) {
            entries.push_back(
                {kFolder + std::string("traces/") + Utf8Path(trace).filename().string(), bytes});
        }
    }
    std::vector<std::string> lines;
    std::string log = kTransferLogHeader;
    if (ReadTransferLog(lines)) {
        const size_t first = lines.size() > kReportLogLines ? lines.size() - kReportLogLines : 0;
        for (size_t i = first; i < lines.size(); ++i) {
            log += lines[i] + "\n";
        }
    }
    entries.push_back(TextEntry("transfers.tsv", log));
    if (!inputs.m_strConfigYaml.empty()) {
        entries.push_back(TextEntry("config.yaml", inputs.m_strConfigYaml));
    }
    return entries;
}

bool WriteProblemReport(const std::string& path, const SReportInputs& inputs, std::string* error,
                        std::vector<std::string>* names) {
    const std::vector<STarEntry> entries = ProblemReportEntries(inputs);
    std::vector<uint8_t> tar;
    if (!TarArchive(entries, std::time(nullptr), tar, error) ||
        !WriteFileAtomically(path, GzipStored(tar), error)) {
        return false;
    }
    if (names != nullptr) {
        names->clear();
        for (const STarEntry& entry : entries) {
            names->push_back(entry.m_strName);
        }
    }
    return true;
}
