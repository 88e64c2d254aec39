#include "EepromLayout.h"

#include <cctype>
#include <initializer_list>

#include "Format.h"

namespace {

constexpr int kChannelSlots = 16;

// One field as the map describes it: bits high..low of count bytes from addr.
struct SField {
    uint16_t m_nAddr;
    uint8_t m_nCount;
    uint8_t m_nHigh;
    uint8_t m_nLow;
    const char* m_pszName;
};

constexpr SField Field(SBits bits) {
    return {bits.m_nAddr, 1, static_cast<uint8_t>(bits.m_nShift + bits.m_nWidth - 1), bits.m_nShift,
            bits.m_pszName};
}
constexpr SField Field(SFlag flag) {
    return {flag.m_nAddr, 1, flag.m_nBit, flag.m_nBit, flag.m_pszName};
}
constexpr SField Field(SByte bytes) {
    return {bytes.m_nAddr, bytes.m_nCount, 7, 0, bytes.m_pszName};
}

// The fields of the system area (absolute addresses), of a channel slot and of a coefficient record
// (offsets).
const std::initializer_list<SField> kSystemFields = {
    Field(kBusyPortSquelch), Field(kHangOnFlag),
    Field(kTxTimeOutFlag),   Field(kTxDelayFlag),
    Field(kBusyLockoutFlag), Field(kTxMatchedSatFlag),
    Field(kGpsFlagInFlags),  Field(kAnyScanFlag),
    Field(kTxTimeOut),       Field(kScanLow),
    Field(kScanHigh),        Field(kScanDelay),
    Field(kAlwaysSet4),      Field(kUhfFlag),
    Field(kGpsFlag),         Field(kPllIcFlag),
    Field(kScanSpeed),       Field(kPowerSaveFlag),
    Field(kPowerSaveDelay),  Field(kPowerSaveOffTime),
    Field(kPowerSaveOnTime), Field(kProgrammedLow),
    Field(kProgrammedHigh),  Field(kFirstChannel),
    Field(kLastChannel),     Field(kTxToneForDataFlag),
    Field(kService2),        Field(kConst12),
    Field(kService3),        Field(kService4),
    Field(kService5),        Field(kFirmwareByte),
    Field(kHangOnCode),      Field(kHangOnBeepFlag),
    Field(kService1),        Field(kGmskFlag),
    Field(kTxForcingFlag),   Field(kDumbModeFlag),
    Field(kModemFlag),       Field(kBaudCode),
    Field(kTxOnTime),        Field(kTxOffDelay),
    Field(kRxOnDelay),       Field(kGpsDelay),
    Field(kService6),        Field(kService7),
    Field(kService8),        Field(kGpsTxTime),
    Field(kGpsCycle),        Field(kPreambleSize),
    Field(kBaseBlockSize),   Field(kBell202Flag),
    Field(kAfskFlag),        Field(kStartBitErrors),
    Field(kWaitBusyTime),    Field(kTxDelayTime1),
    Field(kKv310UhfFlag),    Field(kInitDataForHtFlag),
    Field(kFlowControl),     Field(kTxDelayTime2),
    Field(kConst180),        Field(kBaseBlockFlag),
    Field(kSquelchOffFlag),  Field(kKv310Flag),
    Field(kService12),       Field(kVhfByte),
    Field(kService13),       Field(kExternalModulationFlag),
    Field(kModelRow),        Field(kSubBand),
};
const std::initializer_list<SField> kSlotFields = {
    Field(kSlotStepBits),    Field(kSlotNarrowFlag), Field(kSlotHighPowerFlag), Field(kSlotRxNHigh),
    Field(kSlotRxNLow),      Field(kSlotRxA),        Field(kSlotRxCode),        Field(kSlotRxDcsFlag),
    Field(kSlotRxCtcssFlag), Field(kSlotVcoBand),    Field(kSlotTxNHigh),       Field(kSlotTxNLow),
    Field(kSlotTxA),         Field(kSlotTxCode),     Field(kSlotChecksum),
};
const std::initializer_list<SField> kCoeffFields = {
    Field(kCoeffXA), Field(kCoeffDA), Field(kCoeffXB), Field(kCoeffDB), Field(kCoeffKA), Field(kCoeffKB),
};

std::string FieldText(const SField& field, int offset) {
    std::string text = field.m_pszName;
    if (field.m_nCount == 2) {
        return text + (offset - field.m_nAddr == 0 ? " (low byte)" : " (high byte)");
    }
    if (field.m_nCount > 2) {
        return text + StrPrintf(" (byte %d of %d)", offset - field.m_nAddr + 1, field.m_nCount);
    }
    if (field.m_nHigh == 7 && field.m_nLow == 0) {
        return text;
    }
    if (field.m_nHigh == field.m_nLow) {
        return text + StrPrintf(" (bit %d)", field.m_nHigh);
    }
    return text + StrPrintf(" (bits %d-%d)", field.m_nHigh, field.m_nLow);
}

// The fields of fields that cover offset, joined; empty when none does.
std::string FieldsAt(std::initializer_list<SField> fields, int offset) {
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
    return StrPrintf("Channel %d: %s, %s", offset / 2 + 1, tone, offset % 2 == 0 ? "lower" : "upper");
}

}  // namespace

std::string DescribeImageByte(int address) {
    if (address >= kSlotBase && address < SlotAddr(kChannelSlots)) {
        const int channel = (address - kSlotBase) / kSlotSize;
        return StrPrintf("Channel %d: ", channel + 1) + FieldsAt(kSlotFields, address - SlotAddr(channel));
    }
    if (address >= kToneATolBase && address < kToneBTolBase) {
        return ToleranceText(kToneATolBase.m_pszName, address, kToneATolBase);
    }
    if (address >= kToneBTolBase && address < kCoeffBase) {
        return ToleranceText(kToneBTolBase.m_pszName, address, kToneBTolBase);
    }
    if (address >= kCoeffBase && address < CoeffAddr(kChannelSlots)) {
        const int channel = (address - kCoeffBase) / kCoeffSize;
        return StrPrintf("Channel %d two-tone: ", channel + 1) +
               FieldsAt(kCoeffFields, address - CoeffAddr(channel));
    }
    const std::string fields = FieldsAt(kSystemFields, address);
    if (fields.empty()) {
        return "Unused (always 0)";
    }
    return address == kBusyPortSquelch.m_nAddr ? "Flags: " + fields : Capitalised(fields);
}
