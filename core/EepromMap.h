#pragma once
// The rules of the EEPROM map window that need no window: the access code, the byte value an engineer
// types, the address text of a cell, the step of every channel slot, and what an accepted byte edit changes.

#include <cstdint>
#include <string>
#include <vector>

#include "AccessCode.h"
#include "DataRadioDoc.h"
#include "EepromImage.h"

constexpr int kMapRows = kImageBlocks + 1;        // 27: the label row and one row per 16 bytes
constexpr int kMapColumns = kImageBlockSize + 1;  // 17: the label column and one column per byte

// The decimal number of the text's leading digits (at most its first 9 characters count); none give 0.
int32_t AccessCodeFromText(const std::string& text);

enum class EHexInput { Empty, Bad, Ok };
// One or two hexadecimal digits (either case) give value; anything else leaves it alone.
EHexInput ParseHexByte(const std::string& text, uint8_t& value);

// The address of the map cell at grid row and column (1-based, the labels are row and column 0).
constexpr int MapAddress(int row, int column) {
    return kImageBlockSize * (row - 1) + (column - 1);
}
// "0x%x%x" of row - 1 and column - 1: "0xb8" for address 184, "0x19f" for 415.
std::string MapAddressText(int row, int column);

// The step of channel slots 1-16 from bits 7-6 of slot byte 0: "2.50", "5.00", "6.25" or "7.50".
std::vector<std::string> SlotStepTexts(const CImageBytes& image);

// An accepted edit: the working image and the pending change byte take value; service byte 13 follows an
// edit of address 184 and service byte 12 is taken from working-image byte 182, so the record carries them
// into every later encoding.
void AcceptMapEdit(CEepromImage& image, CDataRadioDoc& doc, int address, uint8_t value);
