#pragma once
// Whole-file reads and crash-safe writes. A write goes to a temporary file in the target's folder, is flushed
// to disk and then renamed over the target, so an existing file is either replaced whole or left untouched.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads at most maxBytes from the start of a regular file. Pipes, devices and folders are refused without
// waiting on them (a pipe with no writer would block for ever). On failure returns false and, when error is
// given, puts the reason there.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes,
                   std::string* error = nullptr);

// Replaces (or creates) path with exactly these bytes. A replaced file keeps its permission bits (and, where
// we may give it away, its owner and group); a new one
// gets 0666 less the umask. A write-protected file (no write permission for us, or no write bit at all, which
// even root respects here) is refused and left as it is.
// True when path names a pipe, a socket or a device (links followed): nothing to load a file from.
bool IsSpecialFile(const std::string& path);

// The sentence for a path that is no regular file.
extern const char* const kTextNotRegularFile;

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string* error = nullptr);

// Adds one line at the end of a text file in a single write, so that lines of two programs appending at the
// same time never interleave. A file that does not exist yet is first created holding header, in one step
// (nobody ever sees it without its header).
bool AppendLineAtomically(const std::string& path, const std::string& header, const std::string& line,
                          std::string* error = nullptr);
