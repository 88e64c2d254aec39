#pragma once
// The record of every radio programmed: one line per read, write, verify or fleet transfer, appended to
//
//   $XDG_STATE_HOME/KV310/transfers.tsv   (else ~/.local/state/KV310; on Windows %LOCALAPPDATA%\KV310)
//
// Tab-separated text with a header line, so a spreadsheet opens it:
//
//   time  program  verb  port  adapter_serial  firmware  model  plan  sha256  result  seconds  backup
//   plan_resolved  plan_sha256
//
// time is local "YYYY-MM-DD HH:MM:SS" (so a date compares as text); plan is the plan's path as the user gave
// it, plan_resolved the file it named (links followed) and plan_sha256 the digest of that file's bytes, so one
// plan written to many radios is found by its digest; sha256 is of the 416 bytes written (empty for a read);
// result is "ok" or the failure's first line (a refused run: why). The last two columns came later: older
// lines have twelve fields. Each line goes out in one write, so two programs
// logging at once never interleave. A record always starts on a line of its own.
//
// At kTransferLogRotateBytes the log moves to transfers.1.tsv (the older ones to transfers.2.tsv and
// transfers.3.tsv, the oldest goes) and a new one begins; reading takes the older files first.

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "DataRadioDoc.h"

struct STransferLogEntry {
    std::string m_strTime;  // filled in by AppendTransferLog when empty
    std::string m_strProgram;
    std::string m_strVerb;
    std::string m_strPort;
    std::string m_strAdapterSerial;
    std::string m_strFirmware;
    std::string m_strModel;
    std::string m_strPlan;  // the plan file's path as the user gave it
    std::string m_strSha256;
    std::string m_strResult;
    double m_dSeconds = 0.0;
    std::string m_strBackup;
    std::string m_strPlanResolved;
    std::string m_strPlanSha256;
};

extern const char* const kTransferLogHeader;  // the first line, with its '\n'
constexpr int kTransferLogColumns = 14;
constexpr int kTransferLogPlanSha256Column = 13;
constexpr uintmax_t kTransferLogRotateBytes = 10u << 20;  // 10 MiB
constexpr int kTransferLogOldKept = 3;
constexpr size_t kTransferLogReadBytes = 64u << 20;  // what is read of the log, from its newest record back

// The log's path; empty when the environment names no folder for it.
std::string TransferLogPath();

// The entry as one line with its '\n'; tabs and line breaks inside a field become spaces.
std::string TransferLogLine(const STransferLogEntry& entry);

// Appends the entry (the time of when when it has none), creating the folder and the file with its header.
bool AppendTransferLog(STransferLogEntry entry, std::string* error = nullptr,
                       std::string path = std::string(), std::time_t when = std::time(nullptr));

// The log's files that exist, oldest first: transfers.3.tsv ... transfers.tsv (path: the current one).
std::vector<std::string> TransferLogFiles(std::string path = std::string());

// The log's lines after their headers, oldest first, from the older files on; at most the newest maxBytes
// of them. False (with the reason) when a file cannot be read. A missing log is an empty one.
bool ReadTransferLog(std::vector<std::string>& lines, std::string* error = nullptr,
                     std::string path = std::string(), size_t maxBytes = kTransferLogReadBytes);

// The lines logged on or after since ("2026-12-07" or "2026-12-07 15:00"); true when since is such a date.
bool TransferLogSince(const std::vector<std::string>& lines, const std::string& since,
                      std::vector<std::string>& selected);

// The lines of the radios that got the plan whose file's SHA-256 is planSha256.
std::vector<std::string> TransferLogOfPlan(const std::vector<std::string>& lines, const std::string& planSha256);

// A line's fields.
std::vector<std::string> SplitTransferLogLine(const std::string& line);

// The record's model as the log names it: "KV310 UHF".
std::string ModelLogName(const CDataRadioDoc& doc);
