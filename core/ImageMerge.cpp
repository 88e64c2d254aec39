#include "ImageMerge.h"

#include <algorithm>

#include "EepromLayout.h"
#include "Format.h"
#include "TextMark.h"

bool IsBlankImage(const CImageBytes& image) {
    for (const uint8_t fill : {uint8_t{0x00}, uint8_t{0xFF}}) {
        if (std::count_if(image.begin(), image.end(), [fill](uint8_t b) { return b != fill; }) <=
            kBlankImageStrays) {
            return true;
        }
    }
    return false;
}

CImageBytes MergeOverRadio(const CImageBytes& plan, const CImageBytes& decided, const CImageBytes& radio) {
    if (IsBlankImage(radio)) {
        return plan;
    }
    CImageBytes merged{};
    for (int addr = 0; addr < kImageSize; ++addr) {
        merged[addr] = static_cast<uint8_t>((plan[addr] & decided[addr]) | (radio[addr] & ~decided[addr]));
    }
    for (int i = 0; i < kChannels; ++i) {
        const int at = SlotAddr(i);
        uint8_t* slot = merged.data() + at;
        if (decided[at + kSlotChecksum] == 0 && !std::equal(slot, slot + kSlotChecksum, radio.begin() + at)) {
            slot[kSlotChecksum] = ChannelSlotChecksum(slot);
        }
    }
    return merged;
}

std::vector<std::string> PerRadioByteChanges(const CImageBytes& sent, const CImageBytes& radio) {
    std::vector<std::string> lines;
    for (const uint16_t addr : {uint16_t{kService12}, uint16_t{kService13}}) {
        if (sent[addr] != radio[addr]) {
            lines.push_back(
                TextPrintf(KV310_MESSAGES,
                           KV310_TEXT("Messages", "byte 0x%03X: the radio holds %02X, the plan writes %02X"),
                           addr, radio[addr], sent[addr]));
        }
    }
    return lines;
}
