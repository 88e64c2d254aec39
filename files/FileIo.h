#pragma once
// Whole-file reads and crash-safe writes. A write goes to a temporary file in the target's folder, is flushed
// to disk and then renamed over the target, so an existing file is either replaced whole or left untouched.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads at most maxBytes from the start of the file. On failure returns false and, when error is given,
// puts the system's reason there.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes,
                   std::string* error = nullptr);

// Replaces (or creates) path with exactly these bytes. A replaced file keeps its permission bits; a new one
// gets 0666 less the umask.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string* error = nullptr);
