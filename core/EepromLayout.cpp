#include "EepromLayout.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include "Format.h"

namespace {

constexpr int kChannelSlots = 16;

using D = CDataRadioDoc;

constexpr SBits Bits(SFlag flag) {
    return {flag.m_nAddr, flag.m_nBit, 1, flag.m_pszName};
}
constexpr SImageField Own(SBits bits) {
    return {bits};
}
constexpr SImageField Own(SFlag flag) {
    return {Bits(flag)};
}
constexpr SImageField Own(SByte bytes) {
    return {{bytes.m_nAddr, 0, 8, bytes.m_pszName}, bytes.m_nCount};
}
constexpr SImageField Number(SBits bits, int32_t D::*member, SScale scale = {}, int32_t D::*onlyIf = nullptr,
                             EFieldRule rule = EFieldRule::Number) {
    return {bits, 1, rule, member, scale, onlyIf};
}
constexpr SImageField Flag(SFlag flag, int32_t D::*member, EFieldRule rule = EFieldRule::Flag) {
    return {Bits(flag), 1, rule, member};
}

// clang-format off
constexpr SImageField kImageFields[] = {
    Own(kBusyPortSquelch),
    Flag(kHangOnFlag, &D::m_bHangOn),
    Flag(kTxTimeOutFlag, &D::m_bTxTimeOut),
    Flag(kTxDelayFlag, &D::m_bTxDelay),
    Flag(kBusyLockoutFlag, &D::m_bBusyLockout),
    Flag(kTxMatchedSatFlag, &D::m_bTxMatchedSat),
    Flag(kGpsFlagInFlags, &D::m_bGps, EFieldRule::Copy),
    Own(kAnyScanFlag),
    {kTxTimeOut, 1, EFieldRule::Number, &D::m_nTxTimeOut, {.m_nDiv = 10}, nullptr, "", " s"},
    Own(kScanLow),
    Own(kScanHigh),
    Number(kScanDelay, &D::m_nScanDelay, {.m_nOffset = -1}),
    Own(kAlwaysSet4),
    Own(kUhfFlag),
    Flag(kGpsFlag, &D::m_bGps),
    Own(kPllIcFlag),
    Number(kScanSpeed, &D::m_nScanSpeed, {.m_nOffset = 10, .m_nDiv = 10}),
    Flag(kPowerSaveFlag, &D::m_bPowerSave),
    Number(kPowerSaveDelay, &D::m_nPowerSaveDelay, {}, &D::m_bPowerSave),
    Number(kPowerSaveOffTime, &D::m_nPowerSaveOffTime, {.m_nOffset = 30, .m_nDiv = 20}, &D::m_bPowerSave),
    Number(kPowerSaveOnTime, &D::m_nPowerSaveOnTime, {.m_nOffset = 20, .m_nDiv = 10}, &D::m_nPowerSaveOnTime),
    Own(kProgrammedLow),
    Own(kProgrammedHigh),
    Own(kFirstChannel),
    Own(kLastChannel),
    Flag(kTxToneForDataFlag, &D::m_bTxToneForData),
    Own(kService2),
    Own(kConst12),
    Own(kService3),
    Own(kService4),
    Own(kService5),
    Own(kFirmwareByte),
    {kHangOnCode, 1, EFieldRule::Number, &D::m_nHangOnTime, {.m_nPer = 2, .m_nOffset = 90, .m_nDiv = 5},
     &D::m_bHangOn, KV310_TEXT("Messages", "hang-on time code ")},
    Flag(kHangOnBeepFlag, &D::m_bHangOnBeep),
    Own(kService1),
    Flag(kGmskFlag, &D::m_bModemGmsk),
    Flag(kTxForcingFlag, &D::m_bTxForcing),
    Own(kDumbModeFlag),
    Flag(kModemFlag, &D::m_bModem),
    Own(kBaudCode),
    Number(kTxOnTime, &D::m_nTxOnTime, {.m_nDiv = 2}),
    Number(kTxOffDelay, &D::m_nTxOffDelay, {.m_nDiv = 2}),
    Number(kRxOnDelay, &D::m_nRxOnDelay, {.m_nDiv = 2}),
    Number(kGpsDelay, &D::m_nGpsDelay, {.m_nOffset = 50, .m_nDiv = 10}),
    Own(kService6),
    Own(kService7),
    Own(kService8),
    Number(kGpsTxTime, &D::m_nGpsTxTime),
    Number(kGpsCycle, &D::m_nGpsCycle, {.m_nOffset = -1}),
    Number(kPreambleSize, &D::m_nPreambleSize),
    Number(kBaseBlockSize, &D::m_nBaseBlockSize, {.m_nOffset = -1}, nullptr, EFieldRule::NumberOrNone),
    Flag(kBell202Flag, &D::m_bAfskBell202),
    Own(kAfskFlag),
    Number(kStartBitErrors, &D::m_nStartBitErrors),
    Number(kWaitBusyTime, &D::m_nWaitBusyTime),
    Number(kTxDelayTime1, &D::m_nTxDelayTime1),
    Own(kKv310UhfFlag),
    Flag(kInitDataForHtFlag, &D::m_bInitDataForHt, EFieldRule::FlagBit),
    Number(kFlowControl, &D::m_nFlowControl),
    Number(kTxDelayTime2, &D::m_nTxDelayTime2),
    Own(kConst180),
    Flag(kBaseBlockFlag, &D::m_bBaseBlock),
    Flag(kSquelchOffFlag, &D::m_bSquelch, EFieldRule::FlagOff),
    Own(kKv310Flag),
    Own(kService12),
    Own(kVhfByte),
    Own(kService13),
    Flag(kExternalModulationFlag, &D::m_bExternalModulation),
    {kModelRow, 1, EFieldRule::Own, nullptr, {.m_nOffset = -1}},
    Own(kSubBand),
};
// clang-format on

// One field as the map describes it: bits high..low of count bytes from addr.
struct SField {
    uint16_t m_nAddr;
    uint8_t m_nCount;
    uint8_t m_nHigh;
    uint8_t m_nLow;
    const char* m_pszName;                  // marked: looked up when the map asks
    const SImageField* m_pImage = nullptr;  // a system field: named with its formula (ImageFieldName)
};

SField Field(SBits bits) {
    return {bits.m_nAddr, 1, static_cast<uint8_t>(bits.m_nShift + bits.m_nWidth - 1), bits.m_nShift,
            bits.m_pszName};
}
SField Field(SFlag flag) {
    return {flag.m_nAddr, 1, flag.m_nBit, flag.m_nBit, flag.m_pszName};
}
SField Field(SByte bytes) {
    return {bytes.m_nAddr, bytes.m_nCount, 7, 0, bytes.m_pszName};
}
SField Field(const SImageField& field) {
    SField described = Field(field.m_Bits);
    described.m_nCount = field.m_nCount;
    described.m_pImage = &field;
    return described;
}

// The fields of the system area (absolute addresses), of a channel slot and of a coefficient record
// (offsets).
const std::vector<SField> kSystemFields = [] {
    std::vector<SField> fields;
    for (const SImageField& field : kImageFields) {
        fields.push_back(Field(field));
    }
    return fields;
}();
const std::vector<SField> kSlotFields = {
    Field(kSlotStepBits),    Field(kSlotNarrowFlag), Field(kSlotHighPowerFlag), Field(kSlotRxNHigh),
    Field(kSlotRxNLow),      Field(kSlotRxA),        Field(kSlotRxCode),        Field(kSlotRxDcsFlag),
    Field(kSlotRxCtcssFlag), Field(kSlotVcoBand),    Field(kSlotTxNHigh),       Field(kSlotTxNLow),
    Field(kSlotTxA),         Field(kSlotTxCode),     Field(kSlotChecksum),
};
const std::vector<SField> kCoeffFields = {
    Field(kCoeffXA), Field(kCoeffDA), Field(kCoeffXB), Field(kCoeffDB), Field(kCoeffKA), Field(kCoeffKB),
};

std::string FieldText(const SField& field, int offset) {
    const std::string name = field.m_pImage != nullptr ? ImageFieldName(*field.m_pImage)
                                                       : LookUpText(KV310_MESSAGES, field.m_pszName);
    const char* text = name.c_str();
    if (field.m_nCount == 2) {
        return offset - field.m_nAddr == 0
                   ? TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s (low byte)"), text)
                   : TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s (high byte)"), text);
    }
    if (field.m_nCount > 2) {
        return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s (byte %d of %d)"), text,
                          offset - field.m_nAddr + 1, field.m_nCount);
    }
    if (field.m_nHigh == 7 && field.m_nLow == 0) {
        return name;
    }
    if (field.m_nHigh == field.m_nLow) {
        return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s (bit %d)"), text, field.m_nHigh);
    }
    return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s (bits %d-%d)"), text, field.m_nHigh,
                      field.m_nLow);
}

// The fields of fields that cover offset, joined; empty when none does.
std::string FieldsAt(const std::vector<SField>& fields, int offset) {
    std::string text;
    for (const SField& field : fields) {
        if (offset >= field.m_nAddr && offset < field.m_nAddr + field.m_nCount) {
            text += (text.empty() ? "" : ", ") + FieldText(field, offset);
        }
    }
    return text;
}

std::string Capitalised(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text;
}

std::string ToleranceText(const char* tone, int address, int base) {
    const int offset = address - base;
    return offset % 2 == 0 ? TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Channel %d: %s, lower"),
                                        offset / 2 + 1, LookUpText(KV310_MESSAGES, tone).c_str())
                           : TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Channel %d: %s, upper"),
                                        offset / 2 + 1, LookUpText(KV310_MESSAGES, tone).c_str());
}

}  // namespace

std::string DescribeImageByte(int address) {
    if (address >= kSlotBase && address < SlotAddr(kChannelSlots)) {
        const int channel = (address - kSlotBase) / kSlotSize;
        return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Channel %d: %s"), channel + 1,
                          FieldsAt(kSlotFields, address - SlotAddr(channel)).c_str());
    }
    if (address >= kToneATolBase && address < kToneBTolBase) {
        return ToleranceText(kToneATolBase.m_pszName, address, kToneATolBase);
    }
    if (address >= kToneBTolBase && address < kCoeffBase) {
        return ToleranceText(kToneBTolBase.m_pszName, address, kToneBTolBase);
    }
    if (address >= kCoeffBase && address < CoeffAddr(kChannelSlots)) {
        const int channel = (address - kCoeffBase) / kCoeffSize;
        return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Channel %d two-tone: %s"), channel + 1,
                          FieldsAt(kCoeffFields, address - CoeffAddr(channel)).c_str());
    }
    const std::string fields = FieldsAt(kSystemFields, address);
    if (fields.empty()) {
        return LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "Unused (always 0)"));
    }
    return address == kBusyPortSquelch.m_nAddr
               ? TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Flags: %s"), fields.c_str())
               : Capitalised(fields);
}

std::span<const SImageField> ImageFields() {
    return kImageFields;
}

const SImageField& ImageField(SBits bits) {
    for (const SImageField& field : kImageFields) {
        if (field.m_Bits.m_nAddr == bits.m_nAddr && field.m_Bits.m_nShift == bits.m_nShift) {
            return field;
        }
    }
    return kImageFields[0];  // every field of the layout is in the table
}

int64_t ScaledToField(const SScale& scale, int64_t value) {
    return (value / scale.m_nPer - scale.m_nOffset) / scale.m_nDiv;
}

int32_t ScaledFromField(const SScale& scale, int32_t field) {
    return (field * scale.m_nDiv + scale.m_nOffset) * scale.m_nPer;
}

std::string ImageFieldName(const SImageField& field) {
    const SScale& scale = field.m_Scale;
    std::string text = LookUpText(KV310_MESSAGES, field.m_Bits.m_pszName);
    if (scale.m_nPer != 1) {
        text += StrPrintf(" / %d", scale.m_nPer);
    }
    if (scale.m_nOffset != 0) {
        text += StrPrintf(scale.m_nOffset > 0 ? " - %d" : " + %d", std::abs(scale.m_nOffset));
    }
    if (scale.m_nDiv != 1) {
        text = (scale.m_nOffset != 0 ? "(" + text + ")" : text) + StrPrintf(" / %d", scale.m_nDiv);
    }
    return (*field.m_pszWhat != '\0' ? LookUpText(KV310_MESSAGES, field.m_pszWhat) : std::string()) + text +
           field.m_pszUnit;
}
