#pragma once
// Bytes of the programming link, shared by the host side (block transfer, service commands) and the
// simulated radio.
//
// Short frame (3 bytes, host to radio): command, parameter, (command + parameter) mod 256.
//
// Data block (22 bytes, both directions; the host adds the 2-byte trailer when it sends):
//   0      0xFF   block header
//   1      0x99
//   2      0x14
//   3      address high byte (0x00 for blocks 0-15, 0x01 for blocks 16-25)
//   4      address low byte ((16 * k) mod 256)
//   5..20  the 16 image bytes of block k
//   21     checksum: 0xFF - (sum of the 16 bytes mod 256)
//   22..23 host to radio only: 0xFF 0x66
//
// A block acknowledge from the host (read direction) is 0xA1 or 0x58 followed by the checksum the host
// computed.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "EepromImage.h"

constexpr uint8_t kCmdEnter = 0x87;
constexpr uint8_t kCmdLeave = 0x89;
constexpr uint8_t kCmdWriteRequest = 0x76;    // 'v'
constexpr uint8_t kParamWriteRequest = 0x57;  // 'W'
constexpr uint8_t kCmdReadRequest = 0x71;     // 'q'
constexpr uint8_t kParamReadRequest = 0x52;   // 'R'

constexpr uint8_t kReplyReady = 0xAA;    // request accepted; the firmware version follows
constexpr uint8_t kReplyRefused = 0x55;  // request refused (also: invalid service command)
constexpr uint8_t kReplyNotAllowed = 0x65;
constexpr uint8_t kBlockAccepted = 0xA1;
constexpr uint8_t kBlockResend = 0x58;  // 'X'

constexpr uint8_t kBlockHeader[3] = {0xFF, 0x99, 0x14};
constexpr uint8_t kBlockTrailer[2] = {0xFF, 0x66};
constexpr int kBlockFrameSize = 22;
constexpr int kBlockDataOffset = 5;
constexpr int kBlockChecksumOffset = 21;

using CShortFrame = std::array<uint8_t, 3>;
using CBlockFrame = std::array<uint8_t, kBlockFrameSize>;

constexpr CShortFrame ShortFrame(uint8_t command, uint8_t parameter) {
    return {command, parameter, static_cast<uint8_t>(command + parameter)};
}

// The bitwise complement of the low byte of the sum of the bytes.
uint8_t BlockChecksum(const uint8_t* data, int length = kImageBlockSize);

// Header, address and the 16 bytes of block k of the image, with the checksum.
CBlockFrame BlockFrame(const CImageBytes& image, int block);

// The firmware version byte as every window and line of the program shows it: "%d.%d" ("1.2").
std::string VersionText(uint8_t version);
