#pragma once
// The serial trace of every failed transfer is kept, without being asked for, beside the backups:
//
//   $XDG_DATA_HOME/KV310/traces/2026-12-07_15-40-02_COM17.txt   (else ~/.local/share/KV310/traces)
//
// in the trace format of CTracingPort. Only the newest kFailedTracesKept stay (by age); the failure message
// names the file, and a problem report takes them along.

#include <ctime>
#include <string>
#include <vector>

constexpr int kFailedTracesKept = 20;

// The folder; empty when the environment names no data folder.
std::string FailedTraceFolder();

// Saves the trace of a failed transfer on portName and prunes the older ones. True with the new file's path.
bool KeepFailedTrace(const std::string& trace, const std::string& portName, std::string& path,
                     std::string* error = nullptr, std::time_t when = std::time(nullptr));

// The kept traces, newest first.
std::vector<std::string> FailedTraces();
