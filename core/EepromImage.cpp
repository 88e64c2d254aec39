#include "EepromImage.h"

#include "EepromLayout.h"
#include "Tones.h"

// The map of the image is drawn at the top of EepromLayout.h; the functions below read like it.

namespace {

// Arithmetic on record members is done in 64 bits: a corrupt settings file may hold any 32-bit value.
// Every field is masked to its width, so that a value out of range (a settings file is loaded unchecked)
// can never spill into the neighbouring field of the radio's EEPROM.
// A record value whose field is too narrow for it is listed in masked when the caller asks for that.
//
// The image is built together with the record of the bits the plan decides in it (m_Decided): every write
// from the record marks the bits it wrote, zeros included, in the same statement. A write over a radio sends
// those bits and keeps the radio's everywhere else, so what is written "Own" below (the layout's constants,
// the service bytes no settings file carries, the chip flag) goes out only to a radio that has nothing of
// its own.
struct SImageWriter {
    uint8_t* m_pImage;
    uint8_t* m_pDecided;

    // The same image from base on (a channel slot, a two-tone record).
    SImageWriter At(uint16_t base) const { return {m_pImage + base, m_pDecided + base}; }

    // Sets the bits of bits at addr to value's and marks them the plan's.
    void PutBits(uint16_t addr, uint8_t bits, uint8_t value) const {
        m_pImage[addr] = static_cast<uint8_t>((m_pImage[addr] & ~bits) | (value & bits));
        m_pDecided[addr] |= bits;
    }
    void Put(SBits field, int64_t value, std::vector<SMaskedValue>* masked = nullptr) const {
        const uint32_t mask = (1u << field.m_nWidth) - 1u;
        if (masked != nullptr && (value < 0 || value > static_cast<int64_t>(mask))) {
            masked->push_back({field.m_nAddr, field.m_nShift, field.m_nWidth, value});
        }
        PutBits(field.m_nAddr, static_cast<uint8_t>(mask << field.m_nShift),
                static_cast<uint8_t>((static_cast<uint32_t>(value) & mask) << field.m_nShift));
    }
    // Flags are tested, not masked: any non-zero value is on (the decoder itself leaves 4 in
    // m_bInitDataForHt and 1 to 128 in m_bScan).
    void PutFlag(SFlag flag, int64_t on) const {
        PutBits(flag.m_nAddr, Bit(flag.m_nBit), on != 0 ? 0xFF : 0x00);
    }
    void PutBit(SBits bit, bool on) const { PutBits(bit.m_nAddr, Bit(bit.m_nShift), on ? 0xFF : 0x00); }
    void PutByte(uint16_t addr, uint8_t value) const { PutBits(addr, 0xFF, value); }
    void PutLe16(uint16_t addr, uint16_t value) const {
        PutByte(addr, static_cast<uint8_t>(value & 0xFF));
        PutByte(static_cast<uint16_t>(addr + 1), static_cast<uint8_t>(value >> 8));
    }

    // The radio's own bits: written into the image, left unmarked.
    void OwnBits(uint16_t addr, uint8_t bits, uint8_t value) const {
        m_pImage[addr] = static_cast<uint8_t>((m_pImage[addr] & ~bits) | (value & bits));
    }
    void OwnByte(uint16_t addr, uint8_t value) const { OwnBits(addr, 0xFF, value); }
    void Own(SBits field, int64_t value, std::vector<SMaskedValue>* masked) const {
        const uint32_t mask = (1u << field.m_nWidth) - 1u;
        if (masked != nullptr && (value < 0 || value > static_cast<int64_t>(mask))) {
            masked->push_back({field.m_nAddr, field.m_nShift, field.m_nWidth, value});
        }
        OwnBits(field.m_nAddr, static_cast<uint8_t>(mask << field.m_nShift),
                static_cast<uint8_t>((static_cast<uint32_t>(value) & mask) << field.m_nShift));
    }
    void OwnFlag(SFlag flag, bool on) const { OwnBits(flag.m_nAddr, Bit(flag.m_nBit), on ? 0xFF : 0x00); }
};

int32_t Get(const uint8_t* base, SBits field) {
    return (base[field.m_nAddr] >> field.m_nShift) & ((1 << field.m_nWidth) - 1);
}

int32_t Has(const uint8_t* base, SFlag flag) {
    return (base[flag.m_nAddr] & Bit(flag.m_nBit)) != 0 ? 1 : 0;
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

// Bytes 11-29 and 180-184. Service bytes 0-11 and the constants are the radio's own; service bytes 12 (but
// for its constant bit 5) and 13 and the VHF byte are the plan's.
void EncodeCarriedBytes(const CDataRadioDoc& doc, const SImageWriter& w, std::vector<SMaskedValue>* masked) {
    const int row = doc.m_nModel;
    w.Own(kService2, doc.m_ServiceBytes[2], masked);
    w.OwnByte(kConst12, 0x23);
    w.OwnByte(kService3, 0x1D);
    w.OwnByte(kService4, doc.m_ServiceBytes[4]);
    w.OwnByte(kService5, doc.m_ServiceBytes[5]);
    w.OwnByte(kFirmwareByte, doc.m_ServiceBytes[0]);
    w.Own(kService1, doc.m_ServiceBytes[1], masked);
    w.OwnByte(kService6, 0x11);
    w.OwnByte(kService7, 0x0F);
    for (int k = 0; k < 4; ++k) {
        w.OwnByte(static_cast<uint16_t>(kService8 + k), doc.m_ServiceBytes[8 + k]);
    }
    w.OwnByte(kConst180, 0x40);
    // bit 5 of byte 182 is always set; only the KV310 VHF (and row 0) carry the rest of service byte 12
    const bool carries12 = row == 0 || row == kModelKv310Vhf;
    w.PutBits(kService12, static_cast<uint8_t>(~Bit(5)), carries12 ? doc.m_ServiceBytes[12] : 0);
    w.OwnBits(kService12, Bit(5), Bit(5));
    w.PutByte(kVhfByte, (row == 0 || row == kModelKv310Vhf || row == kModelKv330Vhf) ? 0xFF : 0x00);
    w.PutByte(kService13, doc.m_ServiceBytes[13]);
}

// The swallow count A is six bits, but the radio adds its whole byte: bits 6-7 are written as 0.
void PutDivider(const SImageWriter& slot, SBits nHigh, SBits nLow, SBits a, uint32_t count) {
    const uint32_t n = count >> 6;
    slot.Put(nHigh, n >> 8);
    slot.Put(nLow, n);
    slot.PutByte(a.m_nAddr, static_cast<uint8_t>(count & ((1u << a.m_nWidth) - 1u)));
}

void EncodeSignalling(const CChannelData& channel, int row, const SImageWriter& slot) {
    int rxCode = kCodeNone;
    switch (channel.m_nRxOption) {
        case kSigCtcss:
            rxCode = CtcssToCode(channel.m_dRxCtcss);
            break;
        case kSigDcs:
            rxCode = DcsToCode(channel.m_nRxDcs);
            break;
        case kSigTwoTone:
            if (RowHasTwoTone(row) && channel.m_nTwoToneGroup >= 0 && channel.m_nTwoToneGroup <= 2) {
                rxCode = kCodeTwoToneA + channel.m_nTwoToneGroup;
            }
            break;
        default:
            break;
    }
    slot.PutByte(kSlotRxCode, static_cast<uint8_t>(rxCode));
    slot.PutFlag(kSlotRxCtcssFlag, channel.m_nRxOption == kSigCtcss);
    slot.PutFlag(kSlotRxDcsFlag, channel.m_nRxOption == kSigDcs);
    int txCode = kCodeNone;
    if (channel.m_nTxOption == kSigCtcss) {
        txCode = CtcssToCode(channel.m_dTxCtcss);
    } else if (channel.m_nTxOption == kSigDcs) {
        txCode = DcsToCode(channel.m_nTxDcs);
    }
    slot.PutByte(kSlotTxCode, static_cast<uint8_t>(txCode));
}

void EncodeSlot(const CChannelData& channel, int row, const SImageWriter& slot) {
    // The step bits always name the channel's step, also one the row's synthesizer does not take (only a
    // settings file can hold one): the divider then matches the bits and the decoder gets the same
    // frequencies back.
    const int32_t stepHz = StepHz(channel.m_nStep);
    slot.Put(kSlotStepBits, StepBits(channel.m_nStep));
    slot.PutFlag(kSlotNarrowFlag, channel.m_bWide == 0);
    if (row != 0 && row != 1) {
        slot.PutFlag(kSlotHighPowerFlag, channel.m_bHighPower);
    }
    EncodeSignalling(channel, row, slot);
    PutDivider(slot, kSlotRxNHigh, kSlotRxNLow, kSlotRxA,
               DividerCount(SynthesizerHz(row, channel.m_dRxFreq, true), stepHz));
    PutDivider(slot, kSlotTxNHigh, kSlotTxNLow, kSlotTxA,
               DividerCount(SynthesizerHz(row, channel.m_dTxFreq, false), stepHz));
    slot.Put(kSlotVcoBand, VcoBand(row, channel.m_dTxFreq));
}

// An unprogrammed channel is nine zero bytes: a radio that finds bytes 0-2 zero skips the slot, and no old
// signalling or checksum may stay behind in it.
void EncodeEmptySlot(const SImageWriter& slot) {
    for (uint16_t k = 0; k < kSlotSize; ++k) {
        slot.PutByte(k, 0);
    }
}

void EncodeChannelBits(const CDataRadioDoc& doc, const SImageWriter& w) {
    int first = -1;
    int last = 0;
    uint16_t scan = 0;
    uint16_t programmed = 0;
    for (int i = 0; i < kChannels; ++i) {
        const CChannelData& channel = doc.m_Channel[i];
        if (channel.m_bScan != 0) {
            scan |= static_cast<uint16_t>(1u << i);
        }
        if (channel.m_dRxFreq != 0.0) {
            programmed |= static_cast<uint16_t>(1u << i);
            if (first < 0) {
                first = i;
            }
            if (i > 0) {
                last = i;  // the radio's search runs from 15 down to 1, so channel 0 alone leaves 0
            }
        }
    }
    // one bit per channel: channels 1-8 in the low byte, 9-16 in the high one
    w.PutByte(kScanLow, static_cast<uint8_t>(scan & 0xFF));
    w.PutByte(kScanHigh, static_cast<uint8_t>(scan >> 8));
    w.PutByte(kProgrammedLow, static_cast<uint8_t>(programmed & 0xFF));
    w.PutByte(kProgrammedHigh, static_cast<uint8_t>(programmed >> 8));
    w.PutFlag(kAnyScanFlag, scan != 0);
    w.Put(kFirstChannel, first < 0 ? 0 : first);
    w.Put(kLastChannel, last);
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

// Every field of the table that holds a member of the record, through its scale or as a flag. A field
// whose switch is off is written as 0: it is still the plan's.
void EncodeTableFields(const CDataRadioDoc& doc, const SImageWriter& w, std::vector<SMaskedValue>* masked) {
    for (const SImageField& field : ImageFields()) {
        if (field.m_pMember == nullptr || field.m_eRule == EFieldRule::Own) {
            continue;
        }
        if (field.m_pOnlyIf != nullptr && doc.*field.m_pOnlyIf == 0) {
            w.Put(field.m_Bits, 0);
            continue;
        }
        const int64_t value = doc.*field.m_pMember;
        switch (field.m_eRule) {
            case EFieldRule::Number:
                w.Put(field.m_Bits, ScaledToField(field.m_Scale, value), masked);
                break;
            case EFieldRule::NumberOrNone:
                w.Put(field.m_Bits, value == 0 ? 0 : ScaledToField(field.m_Scale, value), masked);
                break;
            case EFieldRule::Flag:
            case EFieldRule::FlagBit:
            case EFieldRule::Copy:
                w.PutBit(field.m_Bits, value != 0);
                break;
            case EFieldRule::FlagOff:
                w.PutBit(field.m_Bits, value == 0);
                break;
            case EFieldRule::Own:
                break;
        }
    }
}

// The system fields with rules of their own: squelch type, scan and programmed channels, model bits, and the
// synthesizer chip flag (the radio's: it tells which chip the radio carries).
void EncodeSystemBytes(const CDataRadioDoc& doc, const SImageWriter& w) {
    const int row = doc.m_nModel;
    w.PutFlag(kBusyPortSquelch, doc.m_nSquelchType == 1);
    EncodeChannelBits(doc, w);
    w.OwnFlag(kAlwaysSet4, true);
    w.PutFlag(kUhfFlag, !IsVhfRow(row));
    w.OwnFlag(kPllIcFlag, doc.m_nPllIc == 1);
}

// The modem fields with rules of their own: dumb mode, baud code (0 while the modem is off) and AFSK.
void EncodeModemBytes(const CDataRadioDoc& doc, const SImageWriter& w, std::vector<SMaskedValue>* masked) {
    w.PutFlag(kDumbModeFlag, doc.m_nModemMode == 1);
    w.Put(kBaudCode, doc.m_bModem != 0 ? BaudCode(doc) : 0, masked);
    w.PutFlag(kAfskFlag, doc.m_bModemAfsk);
}

// The model's bits and the model byte.
void EncodeModelBytes(const CDataRadioDoc& doc, const SImageWriter& w, std::vector<SMaskedValue>* masked) {
    const int row = doc.m_nModel;
    w.PutFlag(kKv310UhfFlag, row == 1 || row == kModelKv310Uhf);
    w.OwnBits(kSquelchOffFlag.m_nAddr, kAlwaysSet181, kAlwaysSet181);
    w.PutFlag(kKv310Flag, row >= 0 && row <= kModelKv310Uhf);
    w.Put(kModelRow, ScaledToField(ImageField(kModelRow).m_Scale, row), masked);
    w.Put(kSubBand, doc.m_nSubBand, masked);
}

void EncodeTwoTone(const CChannelData& channel, int i, const SImageWriter& w) {
    const int offset = TwoToneOffset(channel.m_nTwoToneGroup);
    const STwoToneCoeff a = TwoToneCoefficients(channel.m_dToneAFreq, channel.m_dToneADuration, offset);
    const STwoToneCoeff b = TwoToneCoefficients(channel.m_dToneBFreq, channel.m_dToneBDuration, offset);
    const SImageWriter record = w.At(CoeffAddr(i));
    record.PutLe16(kCoeffXA, a.m_nX);
    record.PutLe16(kCoeffDA, a.m_nD);
    record.PutLe16(kCoeffXB, b.m_nX);
    record.PutLe16(kCoeffDB, b.m_nD);
    record.PutByte(kCoeffKA, a.m_nK);
    record.PutByte(kCoeffKB, b.m_nK);
    w.PutByte(static_cast<uint16_t>(kToneATolBase + 2 * i), a.m_nTolLower);
    w.PutByte(static_cast<uint16_t>(kToneATolBase + 2 * i + 1), a.m_nTolUpper);
    w.PutByte(static_cast<uint16_t>(kToneBTolBase + 2 * i), b.m_nTolLower);
    w.PutByte(static_cast<uint16_t>(kToneBTolBase + 2 * i + 1), b.m_nTolUpper);
}

// ---- decoding -----------------------------------------------------------------------------------------

void DecodeModel(const uint8_t* image, CDataRadioDoc& doc) {
    const int nibble = Get(image, kModelRow);
    int row = nibble == 0 ? kModelKv310Uhf : ScaledFromField(ImageField(kModelRow).m_Scale, nibble);
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

// Every field of the table that holds a member of the record.
void DecodeTableFields(const uint8_t* image, CDataRadioDoc& doc) {
    for (const SImageField& field : ImageFields()) {
        if (field.m_pMember == nullptr) {
            continue;
        }
        const int32_t bits = Get(image, field.m_Bits);
        int32_t& member = doc.*field.m_pMember;
        switch (field.m_eRule) {
            case EFieldRule::Number:
                member = ScaledFromField(field.m_Scale, bits);
                break;
            case EFieldRule::NumberOrNone:
                member = bits == 0 ? 0 : ScaledFromField(field.m_Scale, bits);
                break;
            case EFieldRule::Flag:
                member = bits;
                break;
            case EFieldRule::FlagBit:
                member = bits << field.m_Bits.m_nShift;  // 4 for bit 2
                break;
            case EFieldRule::FlagOff:
                member = bits != 0 ? 0 : 1;
                break;
            case EFieldRule::Copy:
            case EFieldRule::Own:
                break;
        }
    }
}

// After the table's fields: the modem type, the dumb mode and the baud code.
void DecodeModem(const uint8_t* image, CDataRadioDoc& doc) {
    doc.m_bModemAfsk = doc.m_bModemGmsk == 0 ? Has(image, kAfskFlag) : 0;
    doc.m_bModemFfsk = doc.m_bModemGmsk == 0 && doc.m_bModemAfsk == 0 ? 1 : 0;
    doc.m_nModemMode = Has(image, kDumbModeFlag) ? 1 : 2;
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

// The system fields with rules of their own: squelch type and scan channels.
void DecodeSystemBytes(const uint8_t* image, CDataRadioDoc& doc) {
    doc.m_nSquelchType = Has(image, kBusyPortSquelch);
    for (int i = 0; i < kChannels; ++i) {
        doc.m_Channel[i].m_bScan = image[ChannelByte(kScanLow, kScanHigh, i)] & ChannelBit(i);
    }
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
    m_Decided.fill(0);
    if (doc.m_nModemMode != 1) {
        doc.m_nModemMode = 2;
    }
    const int row = doc.m_nModel;
    const SImageWriter w{m_Work.data(), m_Decided.data()};
    EncodeCarriedBytes(doc, w, masked);
    for (int i = 0; i < kChannels; ++i) {
        if (doc.m_Channel[i].m_dRxFreq != 0.0) {
            EncodeSlot(doc.m_Channel[i], row, w.At(SlotAddr(i)));
        } else {
            EncodeEmptySlot(w.At(SlotAddr(i)));
        }
    }
    EncodeTableFields(doc, w, masked);
    EncodeSystemBytes(doc, w);
    EncodeModemBytes(doc, w, masked);
    EncodeModelBytes(doc, w, masked);
    // A programmed slot's checksum follows from its bytes, so it is left unmarked: a write over a radio
    // computes it again from the bytes that go out (MergeOverRadio).
    for (int i = 0; i < kChannels; ++i) {
        uint8_t* slot = m_Work.data() + SlotAddr(i);
        slot[kSlotChecksum] = ChannelSlotChecksum(slot);
    }
    for (int i = 0; i < kChannels; ++i) {
        if (doc.m_Channel[i].m_nRxOption == kSigTwoTone) {
            EncodeTwoTone(doc.m_Channel[i], i, w);
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
    DecodeTableFields(image, doc);
    DecodeModem(image, doc);
    DecodeSystemBytes(image, doc);
    for (int i = 0; i < kChannels; ++i) {
        DecodeSignalling(image, row, i, doc);
    }
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
            m_Decided[addr] = 0xFF;  // a typed byte is decided whole
        }
    }
}

CDataRadioDoc DecodedImage(const CImageBytes& bytes) {
    CEepromImage image;
    image.m_Work = bytes;
    CDataRadioDoc doc;
    image.DecodeImage(doc);
    return doc;
}

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
