#include "EepromImage.h"

#include "EepromLayout.h"
#include "Tones.h"

// The map of the image is drawn at the top of EepromLayout.h; the functions below read like it.

namespace {

// Arithmetic on record members is done in 64 bits: a corrupt settings file may hold any 32-bit value.
// Every field is masked to its width, so that a value out of range (a settings file is loaded unchecked)
// can never spill into the neighbouring field of the radio's EEPROM.
// A record value whose field is too narrow for it is listed in masked when the caller asks for that.
void Put(uint8_t* base, SBits field, int64_t value, std::vector<SMaskedValue>* masked = nullptr) {
    const uint32_t mask = (1u << field.m_nWidth) - 1u;
    if (masked != nullptr && (value < 0 || value > static_cast<int64_t>(mask))) {
        masked->push_back({field.m_nAddr, field.m_nShift, field.m_nWidth, value});
    }
    base[field.m_nAddr] |= static_cast<uint8_t>((static_cast<uint32_t>(value) & mask) << field.m_nShift);
}

// Flags are tested, not masked: any non-zero value is on (the decoder itself leaves 4 in
// m_bInitDataForHt and 1 to 128 in m_bScan).
void PutFlag(uint8_t* base, SFlag flag, int64_t on) {
    if (on != 0) {
        base[flag.m_nAddr] |= Bit(flag.m_nBit);
    }
}

int32_t Get(const uint8_t* base, SBits field) {
    return (base[field.m_nAddr] >> field.m_nShift) & ((1 << field.m_nWidth) - 1);
}

int32_t Has(const uint8_t* base, SFlag flag) {
    return (base[flag.m_nAddr] & Bit(flag.m_nBit)) != 0 ? 1 : 0;
}

void PutLe16(uint8_t* base, uint16_t addr, uint16_t value) {
    base[addr] = static_cast<uint8_t>(value & 0xFF);
    base[addr + 1] = static_cast<uint8_t>(value >> 8);
}

uint16_t GetLe16(const uint8_t* base, uint16_t addr) {
    return static_cast<uint16_t>(base[addr] | (base[addr + 1] << 8));
}

// Bit i of the pair of bytes low/high that holds one bit per channel.
uint16_t ChannelByte(uint16_t low, uint16_t high, int channel) {
    return channel < 8 ? low : high;
}
uint8_t ChannelBit(int channel) {
    return Bit(channel % 8);
}

// ---- encoding -----------------------------------------------------------------------------------------

void EncodeCarriedBytes(const CDataRadioDoc& doc, uint8_t* image, std::vector<SMaskedValue>* masked) {
    const int row = doc.m_nModel;
    Put(image, kService2, doc.m_ServiceBytes[2], masked);
    image[kConst12] = 0x23;
    image[kService3] = 0x1D;
    image[kService4] = doc.m_ServiceBytes[4];
    image[kService5] = doc.m_ServiceBytes[5];
    image[kFirmwareByte] = doc.m_ServiceBytes[0];
    Put(image, kService1, doc.m_ServiceBytes[1], masked);
    image[kService6] = 0x11;
    image[kService7] = 0x0F;
    for (int k = 0; k < 4; ++k) {
        image[kService8 + k] = doc.m_ServiceBytes[8 + k];
    }
    image[kConst180] = 0x40;
    // bit 5 of byte 182 is always set; only the KV310 VHF (and row 0) carry the rest of service byte 12
    image[kService12] = (row == 0 || row == kModelKv310Vhf) ? (doc.m_ServiceBytes[12] | Bit(5)) : Bit(5);
    image[kVhfByte] = (row == 0 || row == kModelKv310Vhf || row == kModelKv330Vhf) ? 0xFF : 0x00;
    image[kService13] = doc.m_ServiceBytes[13];
}

void PutDivider(uint8_t* slot, SBits nHigh, SBits nLow, SBits a, uint32_t count) {
    const uint32_t n = count >> 6;
    Put(slot, nHigh, n >> 8);
    Put(slot, nLow, n);
    Put(slot, a, count);
}

void EncodeSignalling(const CChannelData& channel, int row, uint8_t* slot) {
    switch (channel.m_nRxOption) {
        case kSigCtcss:
            slot[kSlotRxCode] = static_cast<uint8_t>(CtcssToCode(channel.m_dRxCtcss));
            PutFlag(slot, kSlotRxCtcssFlag, 1);
            break;
        case kSigDcs:
            slot[kSlotRxCode] = static_cast<uint8_t>(DcsToCode(channel.m_nRxDcs));
            PutFlag(slot, kSlotRxDcsFlag, 1);
            break;
        case kSigTwoTone:
            if (RowHasTwoTone(row) && channel.m_nTwoToneGroup >= 0 && channel.m_nTwoToneGroup <= 2) {
                slot[kSlotRxCode] = static_cast<uint8_t>(kCodeTwoToneA + channel.m_nTwoToneGroup);
            }
            break;
        default:
            break;
    }
    if (channel.m_nTxOption == kSigCtcss) {
        slot[kSlotTxCode] = static_cast<uint8_t>(CtcssToCode(channel.m_dTxCtcss));
    } else if (channel.m_nTxOption == kSigDcs) {
        slot[kSlotTxCode] = static_cast<uint8_t>(DcsToCode(channel.m_nTxDcs));
    }
}

void EncodeSlot(const CChannelData& channel, int row, uint8_t* slot) {
    // The step bits always name the channel's step, also one the row's synthesizer does not take (only a
    // settings file can hold one): the divider then matches the bits and the decoder gets the same
    // frequencies back.
    const int32_t stepHz = StepHz(channel.m_nStep);
    Put(slot, kSlotStepBits, StepBits(channel.m_nStep));
    PutFlag(slot, kSlotNarrowFlag, channel.m_bWide == 0);
    if (row != 0 && row != 1) {
        PutFlag(slot, kSlotHighPowerFlag, channel.m_bHighPower);
    }
    EncodeSignalling(channel, row, slot);
    PutDivider(slot, kSlotRxNHigh, kSlotRxNLow, kSlotRxA,
               DividerCount(SynthesizerHz(row, channel.m_dRxFreq, true), stepHz));
    PutDivider(slot, kSlotTxNHigh, kSlotTxNLow, kSlotTxA,
               DividerCount(SynthesizerHz(row, channel.m_dTxFreq, false), stepHz));
    Put(slot, kSlotVcoBand, VcoBand(row, channel.m_dTxFreq));
}

uint8_t SlotChecksum(const uint8_t* slot) {
    if (slot[0] == 0 && slot[1] == 0 && slot[2] == 0) {
        return 0;
    }
    unsigned sum = 0;
    for (int k = 0; k < kSlotChecksum; ++k) {
        sum += slot[k];
    }
    return static_cast<uint8_t>(0xFF - (sum % 256));
}

void EncodeChannelBits(const CDataRadioDoc& doc, uint8_t* image) {
    int first = -1;
    int last = 0;
    bool anyScan = false;
    for (int i = 0; i < kChannels; ++i) {
        const CChannelData& channel = doc.m_Channel[i];
        if (channel.m_bScan != 0) {
            image[ChannelByte(kScanLow, kScanHigh, i)] |= ChannelBit(i);
            anyScan = true;
        }
        if (channel.m_dRxFreq != 0.0) {
            image[ChannelByte(kProgrammedLow, kProgrammedHigh, i)] |= ChannelBit(i);
            if (first < 0) {
                first = i;
            }
            if (i > 0) {
                last = i;  // the radio's search runs from 15 down to 1, so channel 0 alone leaves 0
            }
        }
    }
    PutFlag(image, kAnyScanFlag, anyScan);
    Put(image, kFirstChannel, first < 0 ? 0 : first);
    Put(image, kLastChannel, last);
}

int BaudCode(const CDataRadioDoc& doc) {
    if (doc.m_bModemGmsk != 0) {
        return doc.m_nSBandBaud == 1 ? 4 : 0;
    }
    if (doc.m_bModemFfsk != 0) {
        return 4 * (doc.m_nSBandBaud & 3) + (doc.m_nNBandBaud & 3);
    }
    return 0;
}

// Bytes 0-10, 17 and the flags of 11 and 18: timers, scan, power save, programmed channels.
void EncodeSystemBytes(const CDataRadioDoc& doc, uint8_t* image, std::vector<SMaskedValue>* masked) {
    const int row = doc.m_nModel;
    PutFlag(image, kBusyPortSquelch, doc.m_nSquelchType == 1);
    PutFlag(image, kHangOnFlag, doc.m_bHangOn);
    PutFlag(image, kTxTimeOutFlag, doc.m_bTxTimeOut);
    PutFlag(image, kTxDelayFlag, doc.m_bTxDelay);
    PutFlag(image, kBusyLockoutFlag, doc.m_bBusyLockout);
    PutFlag(image, kTxMatchedSatFlag, doc.m_bTxMatchedSat);
    PutFlag(image, kGpsFlagInFlags, doc.m_bGps);
    Put(image, kTxTimeOut, doc.m_nTxTimeOut / 10, masked);
    EncodeChannelBits(doc, image);

    Put(image, kScanDelay, int64_t{doc.m_nScanDelay} + 1, masked);
    PutFlag(image, kAlwaysSet4, 1);
    PutFlag(image, kUhfFlag, !IsVhfRow(row));
    PutFlag(image, kGpsFlag, doc.m_bGps);
    PutFlag(image, kPllIcFlag, doc.m_nPllIc == 1);
    Put(image, kScanSpeed, (int64_t{doc.m_nScanSpeed} - 10) / 10, masked);
    if (doc.m_bPowerSave != 0) {
        PutFlag(image, kPowerSaveFlag, 1);
        Put(image, kPowerSaveDelay, doc.m_nPowerSaveDelay, masked);
        Put(image, kPowerSaveOffTime, (int64_t{doc.m_nPowerSaveOffTime} - 30) / 20, masked);
    }
    if (doc.m_nPowerSaveOnTime != 0) {
        Put(image, kPowerSaveOnTime, (int64_t{doc.m_nPowerSaveOnTime} - 20) / 10, masked);
    }

    PutFlag(image, kTxToneForDataFlag, doc.m_bTxToneForData);
    if (doc.m_bHangOn != 0) {
        Put(image, kHangOnCode, (doc.m_nHangOnTime / 2 - 90) / 5, masked);
    }
    PutFlag(image, kHangOnBeepFlag, doc.m_bHangOnBeep);
}

// Bytes 19-23, 30 and 31: modem type and baud rate, modem timing, GPS.
void EncodeModemAndGpsBytes(const CDataRadioDoc& doc, uint8_t* image, std::vector<SMaskedValue>* masked) {
    PutFlag(image, kGmskFlag, doc.m_bModemGmsk);
    PutFlag(image, kTxForcingFlag, doc.m_bTxForcing);
    PutFlag(image, kDumbModeFlag, doc.m_nModemMode == 1);
    PutFlag(image, kModemFlag, doc.m_bModem);
    if (doc.m_bModem != 0) {
        Put(image, kBaudCode, BaudCode(doc), masked);
    }
    Put(image, kTxOnTime, doc.m_nTxOnTime / 2, masked);
    Put(image, kTxOffDelay, doc.m_nTxOffDelay / 2, masked);
    Put(image, kRxOnDelay, doc.m_nRxOnDelay / 2, masked);
    Put(image, kGpsDelay, (int64_t{doc.m_nGpsDelay} - 50) / 10, masked);
    Put(image, kGpsTxTime, doc.m_nGpsTxTime, masked);
    Put(image, kGpsCycle, int64_t{doc.m_nGpsCycle} + 1, masked);
}

// Bytes 176-191: modem block and timing options, the model's bits and the model byte.
void EncodeModelBytes(const CDataRadioDoc& doc, uint8_t* image, std::vector<SMaskedValue>* masked) {
    const int row = doc.m_nModel;
    Put(image, kPreambleSize, doc.m_nPreambleSize, masked);
    Put(image, kBaseBlockSize, doc.m_nBaseBlockSize == 0 ? 0 : int64_t{doc.m_nBaseBlockSize} + 1, masked);
    PutFlag(image, kBell202Flag, doc.m_bAfskBell202);
    PutFlag(image, kAfskFlag, doc.m_bModemAfsk);
    Put(image, kStartBitErrors, doc.m_nStartBitErrors, masked);
    Put(image, kWaitBusyTime, doc.m_nWaitBusyTime, masked);
    Put(image, kTxDelayTime1, doc.m_nTxDelayTime1, masked);
    PutFlag(image, kKv310UhfFlag, row == 1 || row == kModelKv310Uhf);
    PutFlag(image, kInitDataForHtFlag, doc.m_bInitDataForHt);
    Put(image, kFlowControl, doc.m_nFlowControl, masked);
    Put(image, kTxDelayTime2, doc.m_nTxDelayTime2, masked);
    PutFlag(image, kBaseBlockFlag, doc.m_bBaseBlock);
    image[kSquelchOffFlag.m_nAddr] |= kAlwaysSet181;
    PutFlag(image, kSquelchOffFlag, doc.m_bSquelch == 0);
    PutFlag(image, kKv310Flag, row >= 0 && row <= kModelKv310Uhf);
    PutFlag(image, kExternalModulationFlag, doc.m_bExternalModulation);
    Put(image, kModelRow, int64_t{row} + 1, masked);
    Put(image, kSubBand, doc.m_nSubBand, masked);
}

void EncodeTwoTone(const CChannelData& channel, int i, uint8_t* image) {
    const int offset = TwoToneOffset(channel.m_nTwoToneGroup);
    const STwoToneCoeff a = TwoToneCoefficients(channel.m_dToneAFreq, channel.m_dToneADuration, offset);
    const STwoToneCoeff b = TwoToneCoefficients(channel.m_dToneBFreq, channel.m_dToneBDuration, offset);
    uint8_t* record = image + CoeffAddr(i);
    PutLe16(record, kCoeffXA, a.m_nX);
    PutLe16(record, kCoeffDA, a.m_nD);
    PutLe16(record, kCoeffXB, b.m_nX);
    PutLe16(record, kCoeffDB, b.m_nD);
    record[kCoeffKA] = a.m_nK;
    record[kCoeffKB] = b.m_nK;
    image[kToneATolBase + 2 * i] = a.m_nTolLower;
    image[kToneATolBase + 2 * i + 1] = a.m_nTolUpper;
    image[kToneBTolBase + 2 * i] = b.m_nTolLower;
    image[kToneBTolBase + 2 * i + 1] = b.m_nTolUpper;
}

// ---- decoding -----------------------------------------------------------------------------------------

void DecodeModel(const uint8_t* image, CDataRadioDoc& doc) {
    const int nibble = Get(image, kModelRow);
    int row = nibble == 0 ? kModelKv310Uhf : nibble - 1;
    // Rows past 5 have no synthesizer offset and no editor, and a row past the catalogue would be read
    // out of bounds by every page: such an image keeps the record's row.
    if (row > kLastOfferedModel) {
        row = doc.m_nModel >= 0 && doc.m_nModel <= kLastOfferedModel ? doc.m_nModel : kModelKv310Uhf;
    }
    doc.m_nModel = row;
    // the catalogue has room for three sub-bands; a larger number would index past it
    const int subBand = Get(image, kSubBand);
    doc.m_nSubBand = static_cast<uint8_t>(subBand < 3 ? subBand : 0);
}

uint32_t ReadCount(const uint8_t* slot, SBits nHigh, SBits nLow, SBits a) {
    // the swallow byte is added whole, as the radio's own reader does
    return (static_cast<uint32_t>(Get(slot, nHigh)) * 256 + Get(slot, nLow)) * 64 + slot[a.m_nAddr];
}

void DecodeSlot(const uint8_t* slot, int row, CChannelData& channel) {
    if (slot[0] == 0 && slot[1] == 0) {
        channel.m_bWide = 0;
        channel.m_bHighPower = 0;
        channel.m_dRxFreq = 0.0;
        channel.m_dTxFreq = 0.0;
        return;
    }
    channel.m_bWide = Has(slot, kSlotNarrowFlag) ? 0 : 1;
    channel.m_bHighPower = Has(slot, kSlotHighPowerFlag);
    // Step bits that name a step this row does not take (a radio set up by other means) still tell how
    // the synthesizer was programmed: decoding with that step keeps the frequencies right, where any
    // other step would turn them into nonsense.
    channel.m_nStep = StepFromBits(static_cast<uint8_t>(Get(slot, kSlotStepBits)));
    channel.m_dRxFreq =
        TunedMhz(row, ReadCount(slot, kSlotRxNHigh, kSlotRxNLow, kSlotRxA), channel.m_nStep, true);
    channel.m_dTxFreq =
        TunedMhz(row, ReadCount(slot, kSlotTxNHigh, kSlotTxNLow, kSlotTxA), channel.m_nStep, false);
}

void DecodeModem(const uint8_t* image, CDataRadioDoc& doc) {
    doc.m_bModemGmsk = Has(image, kGmskFlag);
    doc.m_bModemAfsk = doc.m_bModemGmsk == 0 ? Has(image, kAfskFlag) : 0;
    doc.m_bModemFfsk = doc.m_bModemGmsk == 0 && doc.m_bModemAfsk == 0 ? 1 : 0;
    doc.m_bModem = Has(image, kModemFlag);
    doc.m_nModemMode = Has(image, kDumbModeFlag) ? 1 : 2;
    doc.m_bTxForcing = Has(image, kTxForcingFlag);
    doc.m_bTxToneForData = Has(image, kTxToneForDataFlag);
    if (doc.m_bModem == 0) {
        return;
    }
    const int code = Get(image, kBaudCode);
    if (doc.m_bModemAfsk != 0) {
        doc.m_nSBandBaud = 0;
        doc.m_nNBandBaud = 0;
    } else if (doc.m_bModemGmsk != 0) {
        if (code == 0 || code == 4) {
            doc.m_nSBandBaud = code / 4;
            doc.m_nNBandBaud = 0;
        }
    } else if (code == 0 || code == 1 || code == 4 || code == 5 || code == 8 || code == 9) {
        doc.m_nSBandBaud = code / 4;
        doc.m_nNBandBaud = code % 4;
    }
}

void DecodeSystemBytes(const uint8_t* image, CDataRadioDoc& doc) {
    doc.m_nTxOnTime = image[kTxOnTime.m_nAddr] * 2;
    doc.m_nTxOffDelay = image[kTxOffDelay.m_nAddr] * 2;
    doc.m_nRxOnDelay = image[kRxOnDelay.m_nAddr] * 2;

    doc.m_bPowerSave = Has(image, kPowerSaveFlag);
    doc.m_nPowerSaveDelay = Get(image, kPowerSaveDelay);
    doc.m_nPowerSaveOffTime = Get(image, kPowerSaveOffTime) * 20 + 30;
    doc.m_nPowerSaveOnTime = image[kPowerSaveOnTime.m_nAddr] * 10 + 20;

    doc.m_nSquelchType = Has(image, kBusyPortSquelch);
    doc.m_bHangOn = Has(image, kHangOnFlag);
    doc.m_bHangOnBeep = Has(image, kHangOnBeepFlag);
    doc.m_bTxTimeOut = Has(image, kTxTimeOutFlag);
    doc.m_bTxDelay = Has(image, kTxDelayFlag);
    doc.m_bBusyLockout = Has(image, kBusyLockoutFlag);
    doc.m_bTxMatchedSat = Has(image, kTxMatchedSatFlag);
    doc.m_nTxTimeOut = image[kTxTimeOut.m_nAddr] * 10;
    for (int i = 0; i < kChannels; ++i) {
        doc.m_Channel[i].m_bScan = image[ChannelByte(kScanLow, kScanHigh, i)] & ChannelBit(i);
    }
    doc.m_bExternalModulation = Has(image, kExternalModulationFlag);

    doc.m_nScanDelay = Get(image, kScanDelay) - 1;
    doc.m_nScanSpeed = image[kScanSpeed.m_nAddr] * 10 + 10;
    doc.m_nHangOnTime = image[kHangOnCode.m_nAddr] * 10 + 180;

    // the GPS flag of byte 4 is the one the radio acts on (byte 0 carries a copy)
    doc.m_bGps = Has(image, kGpsFlag);
    doc.m_nGpsCycle = image[kGpsCycle.m_nAddr] - 1;
    doc.m_nGpsTxTime = image[kGpsTxTime.m_nAddr];
    doc.m_nGpsDelay = image[kGpsDelay.m_nAddr] * 10 + 50;
}

void DecodeModemTiming(const uint8_t* image, CDataRadioDoc& doc) {
    const int blockNibble = Get(image, kBaseBlockSize);
    doc.m_nBaseBlockSize = blockNibble == 0 ? 0 : blockNibble - 1;
    doc.m_nPreambleSize = Get(image, kPreambleSize);
    doc.m_nWaitBusyTime = Get(image, kWaitBusyTime);
    doc.m_nStartBitErrors = Get(image, kStartBitErrors);
    doc.m_bAfskBell202 = Has(image, kBell202Flag);
    doc.m_nFlowControl = Get(image, kFlowControl);
    doc.m_bInitDataForHt = image[kInitDataForHtFlag.m_nAddr] & Bit(kInitDataForHtFlag.m_nBit);  // 4 when set
    doc.m_nTxDelayTime1 = Get(image, kTxDelayTime1);
    doc.m_nTxDelayTime2 = Get(image, kTxDelayTime2);
    doc.m_bSquelch = Has(image, kSquelchOffFlag) ? 0 : 1;
    doc.m_bBaseBlock = Has(image, kBaseBlockFlag);
}

void DecodeCarriedBytes(const uint8_t* image, CDataRadioDoc& doc) {
    doc.m_ServiceBytes[0] = image[kFirmwareByte];
    doc.m_ServiceBytes[1] = static_cast<uint8_t>(Get(image, kService1));
    doc.m_ServiceBytes[2] = static_cast<uint8_t>(Get(image, kService2));
    doc.m_ServiceBytes[3] = image[kService3];
    doc.m_ServiceBytes[4] = image[kService4];
    doc.m_ServiceBytes[5] = image[kService5];
    doc.m_ServiceBytes[6] = image[kService6];
    doc.m_ServiceBytes[7] = image[kService7];
    for (int k = 0; k < 4; ++k) {
        doc.m_ServiceBytes[8 + k] = image[kService8 + k];
    }
    doc.m_ServiceBytes[12] = image[kService12];
    doc.m_ServiceBytes[13] = image[kService13];
}

// One signalling code of byte 3 or 7 into option, tone and code; false for a code outside every range
// (the members then stay as they were). The looked-up code index stays local: the record member the
// two-tone access check reads is no place for it.
bool DecodeCode(int code, int32_t& option, double& ctcss, int32_t& dcs, CDataRadioDoc& doc) {
    if (code == kCodeNone) {
        option = kSigNone;
        return true;
    }
    if (CodeToCtcss(code, ctcss)) {
        option = kSigCtcss;
        doc.m_dLastCtcss = ctcss;
        return true;
    }
    if (CodeToDcs(code, dcs)) {
        option = kSigDcs;
        doc.m_nLastDcs = dcs;
        return true;
    }
    return false;
}

void DecodeTwoTone(const uint8_t* image, int i, int group, CChannelData& channel) {
    const int offset = TwoToneOffset(group);
    const uint8_t* record = image + CoeffAddr(i);
    channel.m_nRxOption = kSigTwoTone;
    channel.m_nTwoToneGroup = group;
    channel.m_dToneAFreq = TwoToneFrequency(GetLe16(record, kCoeffXA), record[kCoeffKA]);
    channel.m_dToneADuration = TwoToneDuration(GetLe16(record, kCoeffDA), offset);
    channel.m_dToneBFreq = TwoToneFrequency(GetLe16(record, kCoeffXB), record[kCoeffKB]);
    channel.m_dToneBDuration = TwoToneDuration(GetLe16(record, kCoeffDB), offset);
}

void DecodeSignalling(const uint8_t* image, int row, int i, CDataRadioDoc& doc) {
    const uint8_t* slot = image + SlotAddr(i);
    CChannelData& channel = doc.m_Channel[i];
    if (slot[4] == 0) {
        channel.m_nRxOption = kSigNone;
        channel.m_nTxOption = kSigNone;
        return;
    }
    const int rxCode = slot[kSlotRxCode];
    if (!DecodeCode(rxCode, channel.m_nRxOption, channel.m_dRxCtcss, channel.m_nRxDcs, doc) &&
        RowHasTwoTone(row) && rxCode >= kCodeTwoToneA && rxCode <= kCodeTwoToneA + 2) {
        DecodeTwoTone(image, i, rxCode - kCodeTwoToneA, channel);
    }
    DecodeCode(slot[kSlotTxCode], channel.m_nTxOption, channel.m_dTxCtcss, channel.m_nTxDcs, doc);
}

}  // namespace

void CEepromImage::EncodeImage(CDataRadioDoc& doc, std::vector<SMaskedValue>* masked) {
    m_Snapshot = m_Work;
    m_Work.fill(0);
    m_Read.fill(0);
    if (doc.m_nModemMode != 1) {
        doc.m_nModemMode = 2;
    }
    const int row = doc.m_nModel;
    uint8_t* image = m_Work.data();
    EncodeCarriedBytes(doc, image, masked);
    for (int i = 0; i < kChannels; ++i) {
        if (doc.m_Channel[i].m_dRxFreq != 0.0) {
            EncodeSlot(doc.m_Channel[i], row, image + SlotAddr(i));
        }
    }
    EncodeSystemBytes(doc, image, masked);
    EncodeModemAndGpsBytes(doc, image, masked);
    EncodeModelBytes(doc, image, masked);
    for (int i = 0; i < kChannels; ++i) {
        uint8_t* slot = image + SlotAddr(i);
        slot[kSlotChecksum] = SlotChecksum(slot);
    }
    for (int i = 0; i < kChannels; ++i) {
        if (doc.m_Channel[i].m_nRxOption == kSigTwoTone) {
            EncodeTwoTone(doc.m_Channel[i], i, image);
        }
    }
}

void CEepromImage::DecodeImage(CDataRadioDoc& doc) const {
    const uint8_t* image = m_Work.data();
    DecodeModel(image, doc);
    const int row = doc.m_nModel;
    for (int i = 0; i < kChannels; ++i) {
        DecodeSlot(image + SlotAddr(i), row, doc.m_Channel[i]);
    }
    DecodeModem(image, doc);
    DecodeSystemBytes(image, doc);
    for (int i = 0; i < kChannels; ++i) {
        DecodeSignalling(image, row, i, doc);
    }
    DecodeModemTiming(image, doc);
    DecodeCarriedBytes(image, doc);
    doc.m_nPllIc = static_cast<uint8_t>(Has(image, kPllIcFlag));  // the synthesizer chip the radio carries
}

void CEepromImage::SetChangeByte(int address, uint8_t value) {
    m_Change[address] = value;
    m_ChangeMarks.set(address);
}

void CEepromImage::ClearChangeBytes() {
    m_Change.fill(0);
    m_ChangeMarks.reset();
}

void CEepromImage::ApplyChangeBytes() {
    for (int addr = 0; addr < kImageSize; ++addr) {
        if (HasChangeByte(addr)) {
            m_Work[addr] = m_Change[addr];
        }
    }
}
