#include "PlanMask.h"

#include <algorithm>

#include "EepromLayout.h"
#include "Format.h"
#include "ModelBand.h"
#include "TextMark.h"
#include "Tones.h"

namespace {

void Mark(uint8_t* mask, SBits field) {
    mask[field.m_nAddr] |= static_cast<uint8_t>(((1u << field.m_nWidth) - 1u) << field.m_nShift);
}

void Mark(uint8_t* mask, SFlag flag) {
    mask[flag.m_nAddr] |= Bit(flag.m_nBit);
}

void MarkBytes(uint8_t* mask, uint16_t addr, int count = 1) {
    std::fill_n(mask + addr, count, uint8_t{0xFF});
}

// Bytes 0-31: flags, timers, scan, power save, the programmed channels, modem and GPS. Service bytes 0-11,
// the constants of bytes 12, 13, 24 and 25, bit 3 of byte 4 and the chip flag stay the radio's.
void MarkSystemBytes(const CDataRadioDoc& doc, uint8_t* mask) {
    for (const SFlag flag :
         {kBusyPortSquelch, kHangOnFlag, kTxTimeOutFlag, kTxDelayFlag, kBusyLockoutFlag, kTxMatchedSatFlag,
          kGpsFlagInFlags, kAnyScanFlag, kUhfFlag, kGpsFlag, kPowerSaveFlag, kTxToneForDataFlag,
          kHangOnBeepFlag, kGmskFlag, kTxForcingFlag, kDumbModeFlag, kModemFlag}) {
        Mark(mask, flag);
    }
    for (const SBits field :
         {kTxTimeOut, kScanDelay, kScanSpeed, kPowerSaveOnTime, kFirstChannel, kLastChannel, kTxOnTime,
          kTxOffDelay, kRxOnDelay, kGpsDelay, kGpsTxTime, kGpsCycle}) {
        Mark(mask, field);
    }
    MarkBytes(mask, kScanLow);
    MarkBytes(mask, kScanHigh);
    MarkBytes(mask, kProgrammedLow);
    MarkBytes(mask, kProgrammedHigh);
    // A field the encoder writes only while its switch is on is the radio's while it is off: the radio
    // ignores it then, and a radio read and written back keeps it.
    if (doc.m_bPowerSave != 0) {
        Mark(mask, kPowerSaveDelay);
        Mark(mask, kPowerSaveOffTime);
    }
    if (doc.m_bHangOn != 0) {
        Mark(mask, kHangOnCode);
    }
    if (doc.m_bModem != 0) {
        Mark(mask, kBaudCode);
    }
}

// Bytes 176-191: modem timing, the model's bits, service bytes 12 and 13, the model byte.
void MarkModelBytes(const CDataRadioDoc& doc, uint8_t* mask) {
    const int row = doc.m_nModel;
    for (const SFlag flag : {kBell202Flag, kKv310UhfFlag, kInitDataForHtFlag, kBaseBlockFlag, kSquelchOffFlag,
                             kKv310Flag, kExternalModulationFlag}) {
        Mark(mask, flag);
    }
    if (doc.m_bModemGmsk == 0) {
        Mark(mask, kAfskFlag);  // with GMSK the radio never looks at it (and a read cannot tell it)
    }
    for (const SBits field : {kPreambleSize, kBaseBlockSize, kStartBitErrors, kWaitBusyTime, kTxDelayTime1,
                              kFlowControl, kTxDelayTime2, kModelRow, kSubBand}) {
        Mark(mask, field);
    }
    if (row == 0 || row == kModelKv310Vhf) {
        mask[kService12] = static_cast<uint8_t>(~Bit(5));  // bit 5 is a constant
    }
    MarkBytes(mask, kVhfByte);
    MarkBytes(mask, kService13);
}

// A programmed channel decides its named slot bits and its signalling codes; an unprogrammed one only that
// bytes 0 and 1 are 0 (which is what makes it unprogrammed). The checksum follows from the merged bytes.
void MarkChannel(const CChannelData& channel, int row, int i, uint8_t* mask) {
    uint8_t* slot = mask + SlotAddr(i);
    if (channel.m_dRxFreq == 0.0) {
        MarkBytes(slot, 0, 2);
        return;
    }
    for (const SBits field : {kSlotStepBits, kSlotRxNHigh, kSlotRxNLow, kSlotRxA, kSlotVcoBand, kSlotTxNHigh,
                              kSlotTxNLow, kSlotTxA}) {
        Mark(slot, field);
    }
    for (const SFlag flag : {kSlotNarrowFlag, kSlotRxDcsFlag, kSlotRxCtcssFlag}) {
        Mark(slot, flag);
    }
    if (row != 0 && row != 1) {
        Mark(slot, kSlotHighPowerFlag);
    }
    MarkBytes(slot, kSlotRxCode);
    MarkBytes(slot, kSlotTxCode);
    if (channel.m_nRxOption != kSigTwoTone) {
        return;
    }
    uint8_t* record = mask + CoeffAddr(i);
    MarkBytes(record, kCoeffXA,
              kCoeffXA.m_nCount + kCoeffDA.m_nCount + kCoeffXB.m_nCount + kCoeffDB.m_nCount);
    record[kCoeffKA] = 0x3F;  // the multipliers are six bits
    record[kCoeffKB] = 0x3F;
    MarkBytes(mask, static_cast<uint16_t>(kToneATolBase + 2 * i), 2);
    MarkBytes(mask, static_cast<uint16_t>(kToneBTolBase + 2 * i), 2);
}

}  // namespace

uint8_t ChannelSlotChecksum(const uint8_t* slot) {
    if (slot[0] == 0 && slot[1] == 0 && slot[2] == 0) {
        return 0;
    }
    unsigned sum = 0;
    for (int k = 0; k < kSlotChecksum; ++k) {
        sum += slot[k];
    }
    return static_cast<uint8_t>(0xFF - (sum % 256));
}

CImageBytes PlanMask(const CDataRadioDoc& doc, const CEepromImage* edits) {
    CImageBytes mask{};
    MarkSystemBytes(doc, mask.data());
    MarkModelBytes(doc, mask.data());
    for (int i = 0; i < kChannels; ++i) {
        MarkChannel(doc.m_Channel[i], doc.m_nModel, i, mask.data());
    }
    for (int addr = 0; edits != nullptr && addr < kImageSize; ++addr) {
        if (edits->HasChangeByte(addr)) {
            mask[addr] = 0xFF;
        }
    }
    return mask;
}

bool IsBlankImage(const CImageBytes& image) {
    return std::all_of(image.begin(), image.end(), [](uint8_t b) { return b == 0x00; }) ||
           std::all_of(image.begin(), image.end(), [](uint8_t b) { return b == 0xFF; });
}

CImageBytes MergeOverRadio(const CImageBytes& plan, const CImageBytes& mask, const CImageBytes& radio) {
    if (IsBlankImage(radio)) {
        return plan;
    }
    CImageBytes merged{};
    for (int addr = 0; addr < kImageSize; ++addr) {
        merged[addr] = static_cast<uint8_t>((plan[addr] & mask[addr]) | (radio[addr] & ~mask[addr]));
    }
    for (int i = 0; i < kChannels; ++i) {
        const int at = SlotAddr(i);
        uint8_t* slot = merged.data() + at;
        // a checksum typed in the map is written as typed
        if (mask[at + kSlotChecksum] == 0 && !std::equal(slot, slot + kSlotChecksum, radio.begin() + at)) {
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
