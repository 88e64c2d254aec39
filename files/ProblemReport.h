#pragma once
// A problem report: one .tar.gz a user can send, holding exactly
//
//   kv310-report/version.txt     the program, its version and build, the operating system
//   kv310-report/ports.txt       the port listing (as kv310ctl ports prints it)
//   kv310-report/traces/*.txt    the serial traces of the last failed transfers, reduced to their frames'
//                                kinds and block numbers (ReducedTrace) unless the configuration goes in
//   kv310-report/transfers.tsv   the transfer log's header and its last 200 lines, backups named by their
//                                place in the data folder (KV310/backups/...), plans only by their digest,
//                                no home folder in a port's path
//   kv310-report/config.yaml     the open configuration, only when the user agreed
//
// and nothing else from the machine. A log that cannot be read stays out, with a warning.

#include <string>
#include <vector>

#include "TarGz.h"

constexpr int kReportLogLines = 200;

struct SReportInputs {
    std::string m_strProgram;     // "kv310ctl 1.0.0 (git 3f2a9c1b7e40)"
    std::string m_strPorts;       // the port listing
    std::string m_strConfigYaml;  // empty: no configuration goes in
    bool m_bWholeTraces = false;  // the traces as they are (they hold whole images): with the configuration
};

// A trace with the configuration left out: each line keeps its time, its direction and up to 3 bytes (the
// frames, answers and acknowledges), a block's header and address (which block it was); longer runs of bytes
// are counted, not shown: "12.000 > FF 99 14 00 10 (17 more bytes left out)".
std::string ReducedTrace(const std::string& trace);

// "Linux 6.1.0-18-amd64 x86_64, Debian GNU/Linux 12 (bookworm)"
std::string OsDescription();

// The archive's entries, from the inputs, the kept traces and the transfer log; what could not go in is said
// in warnings.
std::vector<STarEntry> ProblemReportEntries(const SReportInputs& inputs,
                                            std::vector<std::string>* warnings = nullptr);

// A report made, not yet written.
struct SProblemReport {
    std::vector<uint8_t> m_Archive;       // the .tar.gz
    std::vector<std::string> m_Names;     // its entries' names
    std::vector<std::string> m_Warnings;  // what could not go in ("the transfer log ... could not be read")
};

// Makes the report; false (with the reason) when it cannot be packed.
bool BuildProblemReport(const SReportInputs& inputs, SProblemReport& report, std::string* error = nullptr);

// A backup's path as the report names it: below the data folder relative to it ("KV310/backups/x.bin"),
// anywhere else by its file name only.
std::string ReportBackupPath(const std::string& path);

// Writes the report to path (replaced whole or not at all). True with the entries' names in names.
bool WriteProblemReport(const std::string& path, const SReportInputs& inputs, std::string* error = nullptr,
                        std::vector<std::string>* names = nullptr);
