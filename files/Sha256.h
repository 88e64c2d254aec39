#pragma once
// SHA-256 (FIPS 180-4), for the transfer log's fingerprint of the bytes written to a radio.

#include <cstdint>
#include <string>
#include <vector>

// The digest of bytes as 64 lower-case hexadecimal digits.
std::string Sha256Hex(const uint8_t* data, size_t size);
inline std::string Sha256Hex(const std::vector<uint8_t>& bytes) {
    return Sha256Hex(bytes.data(), bytes.size());
}
