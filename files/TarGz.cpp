#include "TarGz.h"

#include <algorithm>
#include <cstring>

#include "Format.h"

namespace {

constexpr size_t kTarBlock = 512;
// ustar header fields: offset and width
constexpr size_t kNameAt = 0, kNameWidth = 100;
constexpr size_t kModeAt = 100, kUidAt = 108, kGidAt = 116;
constexpr size_t kSizeAt = 124, kMtimeAt = 136, kChecksumAt = 148, kChecksumWidth = 8;
constexpr size_t kTypeAt = 156, kMagicAt = 257;
constexpr size_t kMaxStoredBlock = 65535;  // a stored deflate block holds at most this many bytes

void PutOctal(uint8_t* header, size_t at, size_t width, uint64_t value) {
    // width - 1 octal digits and a NUL
    const std::string digits =
        StrPrintf("%0*llo", static_cast<int>(width - 1), static_cast<unsigned long long>(value));
    std::memcpy(header + at, digits.data(), width - 1);
}

void PutLe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

bool TarArchive(const std::vector<STarEntry>& entries, std::time_t when, std::vector<uint8_t>& tar,
                std::string* error) {
    tar.clear();
    for (const STarEntry& entry : entries) {
        if (entry.m_strName.empty() || entry.m_strName.size() >= kNameWidth || entry.m_strName[0] == '/' ||
            entry.m_strName.find("..") != std::string::npos) {
            if (error != nullptr) {
                *error = "'" + entry.m_strName + "' cannot be a name in the archive";
            }
            return false;
        }
        uint8_t header[kTarBlock] = {};
        std::memcpy(header + kNameAt, entry.m_strName.data(), entry.m_strName.size());
        PutOctal(header, kModeAt, 8, 0644);
        PutOctal(header, kUidAt, 8, 0);
        PutOctal(header, kGidAt, 8, 0);
        PutOctal(header, kSizeAt, 12, entry.m_Bytes.size());
        PutOctal(header, kMtimeAt, 12, static_cast<uint64_t>(when));
        header[kTypeAt] = '0';
        std::memcpy(header + kMagicAt,
                    "ustar\0"
                    "00",
                    8);
        // the checksum is taken with its own field as spaces, and written as six digits, NUL, space
        std::memset(header + kChecksumAt, ' ', kChecksumWidth);
        unsigned sum = 0;
        for (const uint8_t b : header) {
            sum += b;
        }
        PutOctal(header, kChecksumAt, 7, sum);
        header[kChecksumAt + 6] = '\0';
        header[kChecksumAt + 7] = ' ';
        tar.insert(tar.end(), header, header + kTarBlock);
        tar.insert(tar.end(), entry.m_Bytes.begin(), entry.m_Bytes.end());
        tar.resize((tar.size() + kTarBlock - 1) / kTarBlock * kTarBlock, 0);
    }
    tar.resize(tar.size() + 2 * kTarBlock, 0);  // the end of the archive
    return true;
}

std::vector<uint8_t> GzipStored(const std::vector<uint8_t>& bytes) {
    // magic, deflate, no flags, no time, no extra flags, OS unknown
    std::vector<uint8_t> out = {0x1F, 0x8B, 0x08, 0x00, 0, 0, 0, 0, 0x00, 0xFF};
    size_t at = 0;
    do {
        const size_t length = std::min(kMaxStoredBlock, bytes.size() - at);
        const bool last = at + length == bytes.size();
        out.push_back(last ? 0x01 : 0x00);  // BFINAL, BTYPE 00 (stored)
        out.push_back(static_cast<uint8_t>(length));
        out.push_back(static_cast<uint8_t>(length >> 8));
        out.push_back(static_cast<uint8_t>(~length));
        out.push_back(static_cast<uint8_t>(~length >> 8));
        out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                   bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < bytes.size());
    PutLe32(out, Crc32(bytes.data(), bytes.size()));
    PutLe32(out, static_cast<uint32_t>(bytes.size()));
    return out;
}
