#pragma once
// A small writer of .tar.gz archives for problem reports: POSIX ustar entries (regular files only), wrapped
// in a gzip stream compressed with deflate's fixed codes (logs and traces shrink to a fraction). Any tar and
// gzip read it.

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

struct STarEntry {
    std::string m_strName;  // a relative path inside the archive, '/' between folders, at most 100 bytes
    std::vector<uint8_t> m_Bytes;
};

// The tar archive of the entries, each stamped with when; false (with the reason) for a name tar cannot hold.
bool TarArchive(const std::vector<STarEntry>& entries, std::time_t when, std::vector<uint8_t>& tar,
                std::string* error = nullptr);

// bytes as a compressed gzip stream.
std::vector<uint8_t> Gzip(const std::vector<uint8_t>& bytes);

// The CRC-32 gzip and zip use.
uint32_t Crc32(const uint8_t* data, size_t size);
