#include "ChannelSignalling.h"

#include <algorithm>
#include <cmath>

#include "Format.h"
#include "FrequencyRules.h"

namespace {

constexpr double kMarkedTones[] = {69.3,  159.8, 171.3, 177.3, 183.5, 189.9,
                                   196.6, 199.5, 206.5, 229.1, 254.1};

constexpr double kToneLowHz = 300.0;
constexpr double kToneHighHz = 3000.0;
constexpr long long kDurationLowMs = 100;
constexpr long long kDurationHighMs = 10000;

bool HasFrequencies(const CChannelData& channel) {
    return channel.m_dRxFreq != 0.0 && channel.m_dTxFreq != 0.0;
}

EOptionFill FillOf(int option, double ctcss) {
    switch (option) {
        case kSigCtcss:
            return IsMarkedCtcss(ctcss) ? EOptionFill::MarkedCtcss : EOptionFill::Ctcss;
        case kSigDcs:
            return EOptionFill::Dcs;
        case kSigTwoTone:
            return EOptionFill::TwoTone;
        default:
            return EOptionFill::Plain;
    }
}

SToneFieldFit Refused(double stored, const char* message) {
    return {false, stored, FormatFixed(stored, 1, 4), message};
}

SToneFieldFit Accepted(long long value) {
    return {true, static_cast<double>(value), StrPrintf("%4lld", value), std::string()};
}

}  // namespace

std::string ToneGroupCaption(int group) {
    switch (group) {
        case 0:
            return KV310_TEXT("Messages", "Tone A");
        case 1:
            return KV310_TEXT("Messages", "Tone B");
        default:
            return KV310_TEXT("Messages", "Both");
    }
}

std::string CtcssCaption(double hz) {
    return FormatFixed(hz, 1, 5);
}

std::string DcsCaption(int code) {
    return StrPrintf("%03d", code);
}

std::string RxOptionCaption(const CChannelData& channel) {
    if (!HasFrequencies(channel)) {
        return std::string();
    }
    switch (channel.m_nRxOption) {
        case kSigCtcss:
            return CtcssCaption(channel.m_dRxCtcss);
        case kSigDcs:
            return DcsCaption(channel.m_nRxDcs);
        case kSigTwoTone:
            return ToneGroupCaption(channel.m_nTwoToneGroup);
        default:
            return KV310_TEXT("Messages", "NO");
    }
}

std::string TxOptionCaption(const CChannelData& channel) {
    if (!HasFrequencies(channel)) {
        return std::string();
    }
    switch (channel.m_nTxOption) {
        case kSigCtcss:
            return CtcssCaption(channel.m_dTxCtcss);
        case kSigDcs:
            return DcsCaption(channel.m_nTxDcs);
        default:
            return KV310_TEXT("Messages", "NO");
    }
}

bool IsMarkedCtcss(double hz) {
    return std::find(std::begin(kMarkedTones), std::end(kMarkedTones), hz) != std::end(kMarkedTones);
}

EOptionFill RxOptionFill(const CChannelData& channel) {
    return HasFrequencies(channel) ? FillOf(channel.m_nRxOption, channel.m_dRxCtcss) : EOptionFill::Plain;
}

EOptionFill TxOptionFill(const CChannelData& channel) {
    // Transmit has no two-tone; a stray 3 from a damaged file is drawn as no option.
    const int option = channel.m_nTxOption == kSigTwoTone ? kSigNone : channel.m_nTxOption;
    return HasFrequencies(channel) ? FillOf(option, channel.m_dTxCtcss) : EOptionFill::Plain;
}

bool ModelHasTwoTone(int model) {
    return model == kModelKv330Vhf || model == kModelKv330Uhf;
}

int RxChoiceFor(int model, int rxOption) {
    if (ModelHasTwoTone(model)) {
        return std::clamp(rxOption, kSigNone, kSigTwoTone);
    }
    return rxOption >= kSigDcs ? kSigDcs : std::max(rxOption, kSigNone);
}

int TxChoiceFor(int model, int txOption) {
    if (ModelHasTwoTone(model)) {
        return std::clamp(txOption, kSigNone, kSigDcs);
    }
    return txOption == kSigNone || txOption == kSigCtcss ? txOption : kSigDcs;
}

SOptionControls OptionControlsFor(int model, int rxChoice, int txChoice, bool twoToneLocked) {
    SOptionControls controls;
    controls.m_bRxCtcss = rxChoice == kSigCtcss;
    controls.m_bRxDcs = rxChoice == kSigDcs;
    controls.m_bTone = rxChoice == kSigTwoTone && !twoToneLocked;
    controls.m_bTwoToneChoice = ModelHasTwoTone(model) && !twoToneLocked;
    controls.m_bTxCtcss = txChoice == kSigCtcss;
    controls.m_bTxDcs = txChoice == kSigDcs;
    return controls;
}

std::string TakeGmskToneNotice(const CDataRadioDoc& doc, SSignallingSession& session) {
    if (session.m_bGmskToneWarned || !doc.m_bModemGmsk || !doc.m_bModem) {
        return std::string();
    }
    session.m_bGmskToneWarned = 1;
    return kMsgGmskTone;
}

std::string TakeFfskTwoToneNotice(const CDataRadioDoc& doc, SSignallingSession& session) {
    if (session.m_bFfskTwoToneWarned || !doc.m_bModemFfsk || !doc.m_bModem) {
        return std::string();
    }
    session.m_bFfskTwoToneWarned = 1;
    return kMsgFfskTwoTone;
}

SToneFieldFit FitToneFrequency(const std::string& text, double stored) {
    const double x = FieldTextToDouble(text);
    if (x < kToneLowHz || x > kToneHighHz) {
        return Refused(stored, KV310_TEXT("Messages", "Valid Settings 300 - 3000 Hz"));
    }
    return Accepted(10 * static_cast<long long>(std::trunc(x / 10.0)));
}

SToneFieldFit FitToneDuration(const std::string& text, double stored) {
    const double x = FieldTextToDouble(text);
    const long long v = x < 0.0 || x > 1e12 ? -1 : 10 * static_cast<long long>(std::trunc(x / 10.0));
    if (v < kDurationLowMs || v > kDurationHighMs) {
        return Refused(stored, KV310_TEXT("Messages", "Valid Settings 100 - 10000 ms"));
    }
    return Accepted(v);
}

bool ApplyAccessCode(CDataRadioDoc& doc, SSignallingSession& session, const std::string& text, bool enable,
                     std::string* message) {
    const long long code = FieldTextToInt(text);
    session.m_nAccessCode = static_cast<int32_t>(std::clamp<long long>(code, INT32_MIN, INT32_MAX));
    if (code != kAccessCode) {
        if (message != nullptr) {
            *message = kMsgWrongPassword;
        }
        return false;
    }
    if (enable) {
        session.m_bTwoToneLocked = 0;
        return true;
    }
    session.m_bTwoToneLocked = 1;
    for (CChannelData& channel : doc.m_Channel) {
        if (channel.m_nRxOption == kSigTwoTone) {
            channel.m_nRxOption = kSigNone;
        }
    }
    return true;
}
