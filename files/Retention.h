#pragma once
// Folders the tool fills by itself (backups of radios, serial traces) keep only their newest files. The rule
// is the same everywhere: count only the files whose names the tool makes, order them by modification time (a
// name says when a clock thought it was, not when the file was made), and never remove the file just written.

#include <string>
#include <vector>

// True when name fits pattern: '#' stands for one digit, '*' for any run of characters (also none), every
// other character for itself. "####-##-##_##-##-##_*.bin" fits "2024-05-17_14-03-22_COM17.bin".
bool NameFitsPattern(const std::string& name, const std::string& pattern);

// The regular files of folder whose names fit pattern, newest first by modification time (within the clock's
// resolution the later name is the newer).
std::vector<std::string> FilesNewestFirst(const std::string& folder, const std::string& pattern);

// Removes the oldest regular files of folder whose names fit pattern until at most keep of them are left;
// keepPath (the file just written) is never removed but counts towards keep. Other files are left alone.
// Returns how many files were removed.
int PruneToNewest(const std::string& folder, const std::string& pattern, int keep,
                  const std::string& keepPath = std::string());
