#include "ModemRules.h"
#include "TextMark.h"

#include <algorithm>

namespace {

constexpr const char* kMsgGmskTone = KV310_TEXT("Messages", "Tone isn't used in GMSK modem");
constexpr const char* kMsgFfskTwoTone = KV310_TEXT("Messages", "Two Tone isn't used in FFSK modem");

struct SBaudRow {
    EModemType m_Type;
    std::vector<int> m_SRates;  // in the order the radio's program adds them
    std::vector<int> m_NRates;
    int32_t m_nSChoice;
    int32_t m_nNChoice;
    bool m_bSetsRecord;
};

const SBaudRow kBaudRows[] = {
    {EModemType::Gmsk, {9600, 4800}, {4800}, 1, 0, true},
    {EModemType::Ffsk, {4800, 2400, 1200}, {2400, 1200}, 2, 1, true},
    {EModemType::Afsk, {1200}, {1200}, 0, 0, false},
};

std::vector<std::string> SortedTexts(const std::vector<int>& rates) {
    std::vector<std::string> texts;
    for (int rate : rates) {
        texts.push_back(std::to_string(rate));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

bool Within(int32_t index, size_t count) {
    return index >= 0 && static_cast<size_t>(index) < count;
}

}  // namespace

EModemType ModemTypeOf(const CDataRadioDoc& doc) {
    if (doc.m_bModemGmsk != 0) {
        return EModemType::Gmsk;
    }
    if (doc.m_bModemFfsk != 0) {
        return EModemType::Ffsk;
    }
    return doc.m_bModemAfsk != 0 ? EModemType::Afsk : EModemType::None;
}

void NormalizeModemType(CDataRadioDoc& doc) {
    const EModemType type = ModemTypeOf(doc);
    doc.m_bModemGmsk = type == EModemType::Gmsk ? 1 : 0;
    doc.m_bModemFfsk = type == EModemType::Ffsk ? 1 : 0;
    doc.m_bModemAfsk = type == EModemType::Afsk ? 1 : 0;
    if (type == EModemType::None) {
        doc.m_bModem = 0;
    }
}

void ApplyModemRules(CDataRadioDoc& doc) {
    NormalizeModemType(doc);
    const EModemType type = ModemTypeOf(doc);
    if (type == EModemType::None) {
        return;
    }
    const SBaudLists lists = BaudLists(type);
    if (!Within(doc.m_nSBandBaud, lists.m_SBand.size())) {
        doc.m_nSBandBaud = lists.m_nSChoice;
    }
    if (!Within(doc.m_nNBandBaud, lists.m_NBand.size())) {
        doc.m_nNBandBaud = lists.m_nNChoice;
    }
}

SBaudLists BaudLists(EModemType type) {
    SBaudLists lists;
    for (const SBaudRow& row : kBaudRows) {
        if (row.m_Type == type) {
            lists.m_SBand = SortedTexts(row.m_SRates);
            lists.m_NBand = SortedTexts(row.m_NRates);
            lists.m_nSChoice = row.m_nSChoice;
            lists.m_nNChoice = row.m_nNChoice;
            lists.m_bSetsRecord = row.m_bSetsRecord;
        }
    }
    return lists;
}

std::string ModemSignallingNotice(const CDataRadioDoc& doc) {
    const EModemType type = ModemTypeOf(doc);
    for (const CChannelData& channel : doc.m_Channel) {
        if (type == EModemType::Gmsk &&
            (channel.m_nRxOption != kSigNone || channel.m_nTxOption != kSigNone)) {
            return kMsgGmskTone;
        }
        if (type == EModemType::Ffsk && channel.m_nRxOption == kSigTwoTone) {
            return kMsgFfskTwoTone;
        }
    }
    return {};
}

int ScanMemberCount(const CDataRadioDoc& doc) {
    return static_cast<int>(std::count_if(doc.m_Channel.begin(), doc.m_Channel.end(),
                                          [](const CChannelData& channel) { return channel.m_bScan != 0; }));
}

void ClearScanMarks(CDataRadioDoc& doc) {
    for (CChannelData& channel : doc.m_Channel) {
        channel.m_bScan = 0;
    }
}

std::string ScanWarningStateText(int scanMembers) {
    return (scanMembers == 1 ? std::string("1 channel is a scan member")
                             : std::to_string(scanMembers) + " channels are scan members") +
           " while the modem is being enabled.";
}

std::string ScanWarningYesText() {
    return "the scan mark of every channel is cleared and the modem stays enabled.";
}

std::string TxDelay2Refusal(int32_t model, int32_t index) {
    if (index >= kTxDelay2Lowest) {
        return {};
    }
    if (model == 0) {
        return "KV140 dosen't have under 400 value";
    }
    if (model == kModelKv310Vhf) {
        return "KV150 dosen't have under 400 value";
    }
    return {};
}

void ApplyModemDefaults(CDataRadioDoc& doc) {
    doc.m_nBaseBlockSize = 0;  // NONE
    doc.m_nPreambleSize = 2;   // 32 bit
    doc.m_nWaitBusyTime = 9;   // 1000 ms
    doc.m_nByteOption = 2;
    doc.m_nFlowControl = kFlowXonXoff;
    doc.m_nTxDelayTime1 = 3;  // 20 ms
    if (doc.m_nModel >= 0 && doc.m_nModel <= kModelKv330Uhf) {
        doc.m_nTxDelayTime2 = 1;  // 250 ms
    }
    doc.m_nStartBitErrors = 0;
    doc.m_bBaseBlock = 0;
}

std::vector<std::string> FlowControlTexts() {
    return {KV310_TEXT("Messages", "NONE"), "Xon/Xoff", "RTS/CTS"};
}

std::vector<std::string> BaseBlockSizeTexts() {
    return {KV310_TEXT("Messages", "NONE"), "32", "64", "128", "256", "512"};
}
