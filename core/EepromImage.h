#pragma once
// The radio's 416-byte EEPROM area (addresses 0x000-0x19F) and its conversion to and from the settings
// record. The four buffers are shared by the EEPROM map window and the block transfer.

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "DataRadioDoc.h"

constexpr int kImageSize = 416;
constexpr int kImageBlockSize = 16;
constexpr int kImageBlocks = kImageSize / kImageBlockSize;  // 26

using CImageBytes = std::array<uint8_t, kImageSize>;

// A record value the encoder had to cut to its field's width: the field (address, lowest bit, width) and the
// value the arithmetic gave for it. The divider's planned split into N and A is no such cut.
struct SMaskedValue {
    uint16_t m_nAddr;
    uint8_t m_nShift;
    uint8_t m_nWidth;
    int64_t m_nValue;
};

class CEepromImage {
public:
    CImageBytes m_Work{};      // what EncodeImage builds, what a write sends, what DecodeImage reads
    CImageBytes m_Read{};      // filled block by block by a read; copied into m_Work when the read completes
    CImageBytes m_Snapshot{};  // m_Work as it was before the last encoding, for marking changed bytes
    CImageBytes m_Change{};    // bytes typed in the map window, pending for the next write
    std::bitset<kImageSize> m_ChangeMarks;  // which change bytes are pending (a typed 0x00 is one too)
    // The bits the plan decides in m_Work, set to 1: what EncodeImage wrote from the record (zeros included)
    // and the bytes ApplyChangeBytes laid over. A write over a radio sends these and keeps the radio's own
    // bits elsewhere: the service bytes no settings file carries, the chip flag, the layout's constants, the
    // bits no field writes, and a programmed slot's checksum (computed again from what goes out).
    CImageBytes m_Decided{};

    // Rebuilds m_Work and m_Decided from the record (snapshot first, then clears m_Work and m_Read). Sets the
    // record's m_nModemMode to 2 when it is not 1. Every value is masked to its field, so an out-of-range
    // member never reaches a neighbouring field; any non-zero flag counts as on. The layout is in
    // EepromLayout.h. When masked is given, every value that did not fit its field is listed there.
    void EncodeImage(CDataRadioDoc& doc, std::vector<SMaskedValue>* masked = nullptr);

    // Overwrites the record's model, sub-band, channel and option members from m_Work. Leaves the last
    // CTCSS tone and DCS code it looked up in m_dLastCtcss and m_nLastDcs.
    void DecodeImage(CDataRadioDoc& doc) const;

    // Keeps value as the pending edit of address (0x00 included).
    void SetChangeByte(int address, uint8_t value);
    // Forgets every pending edit.
    void ClearChangeBytes();
    bool HasChangeByte(int address) const { return m_ChangeMarks.test(address) || m_Change[address] != 0; }
    // Lays every pending change byte over the working image (done by a write after encoding) and marks it
    // decided. A non-zero change byte set without its mark counts as pending too.
    void ApplyChangeBytes();
};

// What image says, decoded into a fresh record (the radio read before a write, a backup).
CDataRadioDoc DecodedImage(const CImageBytes& image);

// The checksum byte of a channel slot (9 bytes): 0xFF minus the sum of bytes 0-7, or 0 when bytes 0-2 are 0.
uint8_t ChannelSlotChecksum(const uint8_t* slot);
