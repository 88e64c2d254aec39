#include "ConfigCheck.h"

#include <climits>
#include <cmath>

#include "EepromImage.h"
#include "EepromLayout.h"
#include "Format.h"
#include "TextMark.h"
#include "Tones.h"

namespace {

constexpr double kOffGridMhz = 0.0000001;  // 0.1 Hz: closer than this is the same frequency

// A radio-wide option: where it lands in the image and the range its page offers. The values are read from
// the record as it is and, to say what the radio would get, from the record decoded from the encoded image.
struct SOptionRule {
    const char* m_szName;
    const char* m_szUnit;
    int64_t (*m_Get)(const CDataRadioDoc& doc);
    int64_t m_nMin;
    int64_t m_nMax;                               // INT64_MAX: no page offers it
    SBits m_Field;                                // the field it is encoded into
    int64_t (*m_OnlyWhen)(const CDataRadioDoc&);  // the page offers it only while this is on (or null)
};

constexpr int64_t kNoPage = INT64_MAX;

// clang-format off
const SOptionRule kOptionRules[] = {
    {KV310_TEXT("Messages", "Time out timer"), " s",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nTxTimeOut; }, 0, 990, kTxTimeOut,
     [](const CDataRadioDoc& d) -> int64_t { return d.m_bTxTimeOut; }},
    {KV310_TEXT("Messages", "Hang timer"), " ms",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nHangOnTime; }, 180, 2000, kHangOnCode,
     [](const CDataRadioDoc& d) -> int64_t { return d.m_bHangOn; }},
    {KV310_TEXT("Messages", "Power save delay time (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nPowerSaveDelay; },
     0, 4, kPowerSaveDelay, [](const CDataRadioDoc& d) -> int64_t { return d.m_bPowerSave; }},
    {KV310_TEXT("Messages", "Power save Rx off time"), " ms",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nPowerSaveOnTime; }, 20, 400,
     kPowerSaveOnTime, [](const CDataRadioDoc& d) -> int64_t { return d.m_bPowerSave; }},
    {KV310_TEXT("Messages", "Power save Rx on time"), " ms",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nPowerSaveOffTime; }, 30, 270,
     kPowerSaveOffTime, [](const CDataRadioDoc& d) -> int64_t { return d.m_bPowerSave; }},
    {KV310_TEXT("Messages", "Scan delay time (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nScanDelay; }, 0, 14,
     kScanDelay, nullptr},
    {KV310_TEXT("Messages", "Scan speed time"), " ms",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nScanSpeed; }, 50, 2000, kScanSpeed,
     nullptr},
    {KV310_TEXT("Messages", "GPS transmission cycle (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nGpsCycle; },
     0, 23, kGpsCycle, nullptr},
    {KV310_TEXT("Messages", "GPS data transmission time"), " s",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nGpsTxTime; }, 1, 10,
     kGpsTxTime, nullptr},
    {KV310_TEXT("Messages", "GPS data delay time"), " s",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nGpsDelay; }, 50, 300, kGpsDelay,
     nullptr},
    {KV310_TEXT("Messages", "Base block size (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nBaseBlockSize; }, 0, 5,
     kBaseBlockSize, nullptr},
    {KV310_TEXT("Messages", "Preamble data size (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nPreambleSize; },
     0, 15, kPreambleSize, nullptr},
    {KV310_TEXT("Messages", "Wait for busy time (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nWaitBusyTime; },
     0, 15, kWaitBusyTime, nullptr},
    {KV310_TEXT("Messages", "Flow control (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nFlowControl; }, 0, 2,
     kFlowControl, nullptr},
    {KV310_TEXT("Messages", "Tx delay time 1 (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nTxDelayTime1; }, 0, 15,
     kTxDelayTime1, nullptr},
    {KV310_TEXT("Messages", "Tx delay time 2 (list position)"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nTxDelayTime2; }, 0, 5,
     kTxDelayTime2, nullptr},
    {KV310_TEXT("Messages", "Allowable errors for start bit"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nStartBitErrors; }, 0, 3,
     kStartBitErrors, nullptr},
    {KV310_TEXT("Messages", "Tx off delay"), " ms",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nTxOffDelay; }, 0, 16, kTxOffDelay,
     nullptr},
    {KV310_TEXT("Messages", "Tx on time"), " ms",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nTxOnTime; }, 0, 254, kTxOnTime, nullptr},
    {KV310_TEXT("Messages", "Rx on delay"), " ms",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nRxOnDelay; }, 0, 126, kRxOnDelay,
     nullptr},
    {KV310_TEXT("Messages", "Sub-band"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_nSubBand; }, 0, kNoPage, kSubBand, nullptr},
    {KV310_TEXT("Messages", "Service byte 1"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_ServiceBytes[1]; }, 0, kNoPage,
     kService1, nullptr},
    {KV310_TEXT("Messages", "Service byte 2"), "",
     [](const CDataRadioDoc& d) -> int64_t { return d.m_ServiceBytes[2]; }, 0, kNoPage,
     kService2, nullptr},
};
// clang-format on

class CChecker {
public:
    explicit CChecker(const CDataRadioDoc& doc) : m_Doc(doc), m_nRow(doc.m_nModel) {}

    std::vector<SFinding> Run();

private:
    void Add(ESeverity severity, const std::string& text) { m_Findings.push_back({severity, text}); }
    std::string ModelName() const;
    void CheckModel();
    void CheckChannel(int i);
    void CheckFrequency(int i, const char* side, double mhz, int step, bool receive);
    void CheckSignalling(int i);
    void CheckTone(int i, const char* side, double hz);
    void CheckDcs(int i, const char* side, int32_t dcs);
    void CheckTwoTone(int i);
    void CheckReadBack(int i, const CDataRadioDoc& back);
    void CheckOptions();

    const CDataRadioDoc& m_Doc;
    const int m_nRow;
    bool m_bBandKnown = false;
    bool m_bDividerFault = false;  // the channel's divider was already named
    std::vector<SFinding> m_Findings;
};

}  // namespace

std::string ModelText(int row) {
    if (!IsOfferedModel(row) || ModelCatalogue()[row].m_strTitle.empty()) {
        return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "model row %d"), row);
    }
    std::string name;
    for (char c : ModelCatalogue()[row].m_strTitle) {  // the catalogue's KV310 titles carry two blanks
        if (c != ' ' || name.empty() || name.back() != ' ') {
            name += c;
        }
    }
    return name;
}

std::string ModelAndBandText(const CDataRadioDoc& doc) {
    std::string text = ModelText(doc.m_nModel);
    if (IsOfferedModel(doc.m_nModel) && ModelCatalogue()[doc.m_nModel].m_nSubBands > 1 &&
        doc.m_nSubBand < 3) {
        text += " " + ModelCatalogue()[doc.m_nModel].m_strCode[doc.m_nSubBand];
    }
    return text;
}

std::string RadioModelMismatch(const CDataRadioDoc& radio, const CDataRadioDoc& plan) {
    if (!IsOfferedModel(radio.m_nModel) ||
        (radio.m_nModel == plan.m_nModel && radio.m_nSubBand == plan.m_nSubBand)) {
        return std::string();
    }
    return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "the radio is a %s, the plan is for a %s"),
                      ModelAndBandText(radio).c_str(), ModelAndBandText(plan).c_str());
}

std::string BackupModelMismatch(const CDataRadioDoc& radio, const CDataRadioDoc& backup) {
    if (!IsOfferedModel(radio.m_nModel) ||
        (radio.m_nModel == backup.m_nModel && radio.m_nSubBand == backup.m_nSubBand)) {
        return std::string();
    }
    return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "the radio is a %s, the backup is for a %s"),
                      ModelAndBandText(radio).c_str(), ModelAndBandText(backup).c_str());
}

namespace {

std::string StepText(int step) {
    return StrPrintf("%g kHz", StepHz(step) / 1000.0);
}

std::string CChecker::ModelName() const {
    return ModelText(m_nRow);
}

void CChecker::CheckModel() {
    if (!IsOfferedModel(m_nRow)) {
        // a radio programmed for a model it is not tunes and signals by the wrong tables
        Add(ESeverity::Error,
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Model row %d is none of the radios this program offers (rows 2 to 5)"),
                       m_nRow));
        return;
    }
    const CModelBand& band = m_Doc.CurrentBand();
    if (m_Doc.m_nSubBand >= band.m_nSubBands) {
        Add(ESeverity::Error,
            TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Sub-band %d does not exist: the %s has %d"),
                       m_Doc.m_nSubBand, ModelName().c_str(), band.m_nSubBands));
        return;
    }
    m_bBandKnown = true;
}

void CChecker::CheckFrequency(int i, const char* side, double mhz, int step, bool receive) {
    const int64_t count = FullDividerCount(SynthesizerHz(m_nRow, mhz, receive), StepHz(step));
    const double tuned =
        TunedMhz(m_nRow, DividerCount(SynthesizerHz(m_nRow, mhz, receive), StepHz(step)), step, receive);
    if (count == kNoDividerCount || count < 0 || count > static_cast<int64_t>(kDividerMask)) {
        m_bDividerFault = true;
        Add(ESeverity::Error,
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Channel %d %s %.5f MHz: its synthesizer divider (%lld steps of %s) does "
                                  "not fit the radio's %d bits; the radio would tune %.5f MHz"),
                       i + 1, side, mhz, static_cast<long long>(count == kNoDividerCount ? 0 : count),
                       StepText(step).c_str(), kDividerBits, tuned));
    } else if (std::fabs(tuned - mhz) > kOffGridMhz) {
        Add(ESeverity::Warning,
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Channel %d %s %.5f MHz is not on the channel's %s grid; the radio "
                                  "would tune %.5f MHz"),
                       i + 1, side, mhz, StepText(step).c_str(), tuned));
    }
    const CModelBand& band = m_Doc.CurrentBand();
    if (m_bBandKnown && mhz != 0.0 && !IsInSubBand(band, m_Doc.m_nSubBand, mhz)) {  // 0: not used
        Add(ESeverity::Error,
            TextPrintf(
                KV310_MESSAGES,
                KV310_TEXT("Messages", "Channel %d %s %.5f MHz is outside the %s band %s (%.0f to %.0f MHz)"),
                i + 1, side, mhz, ModelName().c_str(), band.m_strCode[m_Doc.m_nSubBand].c_str(),
                band.m_dLow[m_Doc.m_nSubBand], band.m_dHigh[m_Doc.m_nSubBand]));
    }
}

void CChecker::CheckTone(int i, const char* side, double hz) {
    double sent = 0.0;
    CodeToCtcss(CtcssToCode(hz), sent);
    if (sent != hz) {
        Add(ESeverity::Error,
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Channel %d %s CTCSS %.1f Hz is not in the radio's tone table; the radio "
                                  "would use %.1f Hz"),
                       i + 1, side, hz, sent));
    }
}

void CChecker::CheckDcs(int i, const char* side, int32_t dcs) {
    int32_t sent = 0;
    CodeToDcs(DcsToCode(dcs), sent);
    if (sent != dcs) {
        Add(ESeverity::Error,
            TextPrintf(
                KV310_MESSAGES,
                KV310_TEXT(
                    "Messages",
                    "Channel %d %s DCS %03d is not in the radio's code table; the radio would use DCS %03d"),
                i + 1, side, dcs, sent));
    }
}

void CChecker::CheckTwoTone(int i) {
    const CChannelData& channel = m_Doc.m_Channel[i];
    if (!RowHasTwoTone(m_nRow)) {
        Add(ESeverity::Error,
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Channel %d RX two-tone: the %s has no two-tone decoder; the radio "
                                  "would get no RX signalling"),
                       i + 1, ModelName().c_str()));
        return;
    }
    if (channel.m_nTwoToneGroup < 0 || channel.m_nTwoToneGroup > 2) {
        Add(ESeverity::Error,
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Channel %d RX two-tone group %d does not exist (0 Tone A, 1 Tone B, "
                                  "2 Both); the radio would get no RX signalling"),
                       i + 1, channel.m_nTwoToneGroup));
        return;
    }
    const struct {
        const char* name;
        double hz;
        double ms;
    } tones[] = {{"A", channel.m_dToneAFreq, channel.m_dToneADuration},
                 {"B", channel.m_dToneBFreq, channel.m_dToneBDuration}};
    for (const auto& tone : tones) {
        if (TwoToneMultiplier(tone.hz) == 0 || tone.hz < 300.0 || tone.hz > 3000.0) {
            Add(ESeverity::Error,
                TextPrintf(KV310_MESSAGES,
                           KV310_TEXT("Messages",
                                      "Channel %d two-tone tone %s %.2f Hz is outside 300 to 3000 Hz, the "
                                      "range of the radio's tone decoder"),
                           i + 1, tone.name, tone.hz));
        }
        if (!(tone.ms >= 100.0 && tone.ms <= 10000.0)) {
            Add(ESeverity::Warning,
                TextPrintf(KV310_MESSAGES,
                           KV310_TEXT("Messages",
                                      "Channel %d two-tone tone %s duration %.0f ms is outside 100 to "
                                      "10000 ms, the range its dialog offers"),
                           i + 1, tone.name, tone.ms));
        }
    }
}

void CChecker::CheckSignalling(int i) {
    const CChannelData& channel = m_Doc.m_Channel[i];
    switch (channel.m_nRxOption) {
        case kSigNone:
            break;
        case kSigCtcss:
            CheckTone(i, "RX", channel.m_dRxCtcss);
            break;
        case kSigDcs:
            CheckDcs(i, "RX", channel.m_nRxDcs);
            break;
        case kSigTwoTone:
            CheckTwoTone(i);
            break;
        default:
            Add(ESeverity::Error,
                TextPrintf(KV310_MESSAGES,
                           KV310_TEXT("Messages",
                                      "Channel %d RX signalling option %d does not exist; the radio would "
                                      "get no RX signalling"),
                           i + 1, channel.m_nRxOption));
    }
    if (channel.m_nTxOption == kSigCtcss) {
        CheckTone(i, "TX", channel.m_dTxCtcss);
    } else if (channel.m_nTxOption == kSigDcs) {
        CheckDcs(i, "TX", channel.m_nTxDcs);
    } else if (channel.m_nTxOption != kSigNone) {
        Add(ESeverity::Error,
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Channel %d TX signalling option %d does not exist; the radio would get "
                                  "no TX signalling"),
                       i + 1, channel.m_nTxOption));
    }
}

void CChecker::CheckChannel(int i) {
    const CChannelData& channel = m_Doc.m_Channel[i];
    if (channel.m_dRxFreq == 0.0) {
        return;  // not programmed: nothing of it reaches the radio
    }
    if (!RowAcceptsStep(m_nRow, channel.m_nStep)) {
        const bool named = channel.m_nStep >= kStep7500 && channel.m_nStep <= kStep2500;
        Add(ESeverity::Error,
            named
                ? TextPrintf(
                      KV310_MESSAGES,
                      KV310_TEXT("Messages", "Channel %d step code %d: the %s synthesizer has no %s step"),
                      i + 1, channel.m_nStep, ModelName().c_str(), StepText(channel.m_nStep).c_str())
                : TextPrintf(KV310_MESSAGES,
                             KV310_TEXT("Messages",
                                        "Channel %d step code %d: the %s synthesizer has no such step (the "
                                        "radio would get %s)"),
                             i + 1, channel.m_nStep, ModelName().c_str(), StepText(channel.m_nStep).c_str()));
    }
    CheckFrequency(i, "RX", channel.m_dRxFreq, channel.m_nStep, true);
    CheckFrequency(i, "TX", channel.m_dTxFreq, channel.m_nStep, false);
    CheckSignalling(i);
}

void CChecker::CheckOptions() {
    CDataRadioDoc encoded = m_Doc;
    CEepromImage image;
    std::vector<SMaskedValue> masked;
    image.EncodeImage(encoded, &masked);
    CDataRadioDoc back = encoded;
    image.DecodeImage(back);

    for (const SOptionRule& rule : kOptionRules) {
        const std::string name = LookUpText(KV310_MESSAGES, rule.m_szName);
        const int64_t value = rule.m_Get(m_Doc);
        bool cut = false;
        for (const SMaskedValue& m : masked) {
            cut = cut || (m.m_nAddr == rule.m_Field.m_nAddr && m.m_nShift == rule.m_Field.m_nShift);
        }
        if (cut) {
            Add(ESeverity::Error,
                TextPrintf(
                    KV310_MESSAGES,
                    KV310_TEXT("Messages",
                               "%s %lld%s does not fit its %d bits in the radio; the radio would get %lld%s"),
                    name.c_str(), static_cast<long long>(value), rule.m_szUnit, rule.m_Field.m_nWidth,
                    static_cast<long long>(rule.m_Get(back)), rule.m_szUnit));
        } else if (rule.m_nMax != kNoPage && (rule.m_OnlyWhen == nullptr || rule.m_OnlyWhen(m_Doc) != 0) &&
                   (value < rule.m_nMin || value > rule.m_nMax)) {
            Add(ESeverity::Warning,
                TextPrintf(
                    KV310_MESSAGES,
                    KV310_TEXT("Messages", "%s %lld%s is outside %lld to %lld%s, the range its page offers"),
                    name.c_str(), static_cast<long long>(value), rule.m_szUnit,
                    static_cast<long long>(rule.m_nMin), static_cast<long long>(rule.m_nMax), rule.m_szUnit));
        }
    }
}

// What a read of the radio would bring back: a channel that would not come back as the plan says is named.
void CChecker::CheckReadBack(int i, const CDataRadioDoc& back) {
    const CChannelData& channel = m_Doc.m_Channel[i];
    const CChannelData& read = back.m_Channel[i];
    if (channel.m_dRxFreq == 0.0) {
        return;
    }
    const struct {
        const char* side;
        double mhz;
        double readMhz;
    } sides[] = {{"RX", channel.m_dRxFreq, read.m_dRxFreq}, {"TX", channel.m_dTxFreq, read.m_dTxFreq}};
    for (const auto& s : sides) {
        const double tuned = TunedMhz(
            m_nRow, DividerCount(SynthesizerHz(m_nRow, s.mhz, s.side[0] == 'R'), StepHz(channel.m_nStep)),
            channel.m_nStep, s.side[0] == 'R');
        if (!m_bDividerFault && s.mhz != 0.0 && std::fabs(s.readMhz - tuned) > kOffGridMhz &&
            std::fabs(s.readMhz - s.mhz) > kOffGridMhz) {
            Add(ESeverity::Error,
                TextPrintf(KV310_MESSAGES,
                           KV310_TEXT("Messages",
                                      "Channel %d %s %.5f MHz: the radio would hold %.5f MHz (its divider "
                                      "does not fit the radio's %d bits)"),
                           i + 1, s.side, s.mhz, s.readMhz, kDividerBits));
        }
    }
    if (channel.m_dTxFreq == 0.0 && channel.m_nRxOption != kSigNone) {
        Add(ESeverity::Warning,
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Channel %d is receive-only (TX 0 MHz): the radio gets its RX "
                                  "signalling, but a read of the radio brings the channel back without it"),
                       i + 1));
    }
}

std::vector<SFinding> CChecker::Run() {
    CheckModel();
    CDataRadioDoc back = m_Doc;
    CEepromImage image;
    image.EncodeImage(back);
    image.DecodeImage(back);
    for (int i = 0; i < kChannels; ++i) {
        m_bDividerFault = false;
        CheckChannel(i);
        if (IsOfferedModel(m_nRow)) {
            CheckReadBack(i, back);
        }
    }
    CheckOptions();
    return m_Findings;
}

}  // namespace

std::vector<SFinding> CheckConfig(const CDataRadioDoc& doc) {
    return CChecker(doc).Run();
}

bool HasErrors(const std::vector<SFinding>& findings) {
    return CountFindings(findings, ESeverity::Error) > 0;
}

int CountFindings(const std::vector<SFinding>& findings, ESeverity severity) {
    int count = 0;
    for (const SFinding& finding : findings) {
        count += finding.m_Severity == severity ? 1 : 0;
    }
    return count;
}

std::string FindingLine(const SFinding& finding) {
    return finding.m_Severity == ESeverity::Error
               ? TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "error: %s"), finding.m_strText.c_str())
               : TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "warning: %s"), finding.m_strText.c_str());
}
