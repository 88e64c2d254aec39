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

namespace {

// Bits go out from the least significant end of each byte, as deflate packs them.
class CBitWriter {
public:
    explicit CBitWriter(std::vector<uint8_t>& out) : m_Out(out) {}
    void Put(uint32_t value, int count) {
        m_nBits |= static_cast<uint64_t>(value) << m_nCount;
        m_nCount += count;
        while (m_nCount >= 8) {
            m_Out.push_back(static_cast<uint8_t>(m_nBits));
            m_nBits >>= 8;
            m_nCount -= 8;
        }
    }
    // A Huffman code goes out from its most significant bit.
    void PutCode(uint32_t code, int length) {
        uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) {
            reversed |= ((code >> i) & 1u) << (length - 1 - i);
        }
        Put(reversed, length);
    }
    void Flush() {
        if (m_nCount > 0) {
            m_Out.push_back(static_cast<uint8_t>(m_nBits));
        }
        m_nBits = 0;
        m_nCount = 0;
    }

private:
    std::vector<uint8_t>& m_Out;
    uint64_t m_nBits = 0;
    int m_nCount = 0;
};

// The fixed Huffman code of a literal/length symbol (0-287).
void PutLiteralCode(CBitWriter& bits, int symbol) {
    if (symbol < 144) {
        bits.PutCode(0x30 + symbol, 8);
    } else if (symbol < 256) {
        bits.PutCode(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
        bits.PutCode(symbol - 256, 7);
    } else {
        bits.PutCode(0xC0 + symbol - 280, 8);
    }
}

constexpr int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistanceBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                   33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                   1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr size_t kWindow = 32768;
constexpr int kHashBits = 15;
constexpr int kMaxChain = 64;  // candidates tried per position: enough for logs and traces

void PutMatch(CBitWriter& bits, int length, int distance) {
    int code = 28;
    while (kLengthBase[code] > length) {
        --code;
    }
    PutLiteralCode(bits, 257 + code);
    bits.Put(static_cast<uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
    int distanceCode = 29;
    while (kDistanceBase[distanceCode] > distance) {
        --distanceCode;
    }
    bits.PutCode(static_cast<uint32_t>(distanceCode), 5);
    bits.Put(static_cast<uint32_t>(distance - kDistanceBase[distanceCode]), kDistanceExtra[distanceCode]);
}

uint32_t Hash3(const uint8_t* p) {
    return ((static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2]) * 2654435761u) >>
           (32 - kHashBits);
}

// One final block with the fixed codes; matches found through hash chains over the last 32 KiB.
void DeflateFixed(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& out) {
    CBitWriter bits(out);
    bits.Put(1, 1);  // BFINAL
    bits.Put(1, 2);  // BTYPE 01: fixed Huffman codes
    std::vector<int64_t> head(size_t{1} << kHashBits, -1);
    std::vector<int64_t> previous(kWindow, -1);  // by position modulo the window
    const size_t size = bytes.size();
    auto insert = [&](size_t at) {
        if (at + kMinMatch <= size) {
            const uint32_t hash = Hash3(&bytes[at]);
            previous[at % kWindow] = head[hash];
            head[hash] = static_cast<int64_t>(at);
        }
    };
    size_t at = 0;
    while (at < size) {
        int bestLength = 0;
        size_t bestDistance = 0;
        if (at + kMinMatch <= size) {
            const size_t limit = std::min<size_t>(kMaxMatch, size - at);
            int64_t candidate = head[Hash3(&bytes[at])];
            for (int chain = 0; candidate >= 0 && chain < kMaxChain; ++chain) {
                const size_t from = static_cast<size_t>(candidate);
                if (at - from > kWindow) {
                    break;
                }
                size_t length = 0;
                while (length < limit && bytes[from + length] == bytes[at + length]) {
                    ++length;
                }
                if (static_cast<int>(length) > bestLength) {
                    bestLength = static_cast<int>(length);
                    bestDistance = at - from;
                    if (length == limit) {
                        break;
                    }
                }
                candidate = previous[from % kWindow];
            }
        }
        if (bestLength >= kMinMatch) {
            PutMatch(bits, bestLength, static_cast<int>(bestDistance));
            for (int i = 0; i < bestLength; ++i) {
                insert(at + static_cast<size_t>(i));
            }
            at += static_cast<size_t>(bestLength);
        } else {
            PutLiteralCode(bits, bytes[at]);
            insert(at);
            ++at;
        }
    }
    PutLiteralCode(bits, 256);  // the end of the block
    bits.Flush();
}

}  // namespace

std::vector<uint8_t> Gzip(const std::vector<uint8_t>& bytes) {
    // magic, deflate, no flags, no time, no extra flags, OS unknown
    std::vector<uint8_t> out = {0x1F, 0x8B, 0x08, 0x00, 0, 0, 0, 0, 0x00, 0xFF};
    DeflateFixed(bytes, out);
    PutLe32(out, Crc32(bytes.data(), bytes.size()));
    PutLe32(out, static_cast<uint32_t>(bytes.size()));
    return out;
}
