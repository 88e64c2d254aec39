#include "ImageMeaning.h"

#include "ChannelSignalling.h"
#include "EepromLayout.h"
#include "Format.h"
#include "TextMark.h"

namespace {

std::string SignallingText(int option, double ctcss, int dcs, const CChannelData& channel) {
    switch (option) {
        case kSigCtcss:
            return "CTCSS " + StrPrintf("%.1f", ctcss);
        case kSigDcs:
            return "DCS " + DcsCaption(dcs);
        case kSigTwoTone:
            return StrPrintf(
                "two-tone %s %.1f/%.1f Hz %.1f/%.1f ms",
                LookUpText(KV310_MESSAGES, ToneGroupCaption(channel.m_nTwoToneGroup).c_str()).c_str(),
                channel.m_dToneAFreq, channel.m_dToneBFreq, channel.m_dToneADuration,
                channel.m_dToneBDuration);
        default:
            return LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "none"));
    }
}

struct SFieldValues {
    std::string m_strName;
    std::string m_strPlan;
    std::string m_strRadio;
};

void CompareChannel(int i, const CChannelData& plan, const CChannelData& radio,
                    std::vector<SFieldValues>& out) {
    const auto add = [&](const char* what, const std::string& a, const std::string& b) {
        if (a != b) {
            out.push_back({TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Channel %d %s"), i + 1,
                                      LookUpText(KV310_MESSAGES, what).c_str()),
                           a, b});
        }
    };
    const auto freq = [](double mhz) { return StrPrintf("%.5f", mhz); };
    const auto number = [](int value) { return StrPrintf("%d", value); };
    add(KV310_TEXT("Messages", "RX"), freq(plan.m_dRxFreq), freq(radio.m_dRxFreq));
    if (plan.m_dRxFreq == 0.0 && radio.m_dRxFreq == 0.0) {
        return;  // an empty slot has nothing more to compare
    }
    add(KV310_TEXT("Messages", "TX"), freq(plan.m_dTxFreq), freq(radio.m_dTxFreq));
    add(KV310_TEXT("Messages", "step"), number(plan.m_nStep), number(radio.m_nStep));
    add(KV310_TEXT("Messages", "wide"), number(plan.m_bWide), number(radio.m_bWide));
    add(KV310_TEXT("Messages", "high power"), number(plan.m_bHighPower), number(radio.m_bHighPower));
    add(KV310_TEXT("Messages", "RX signalling"),
        SignallingText(plan.m_nRxOption, plan.m_dRxCtcss, plan.m_nRxDcs, plan),
        SignallingText(radio.m_nRxOption, radio.m_dRxCtcss, radio.m_nRxDcs, radio));
    add(KV310_TEXT("Messages", "TX signalling"),
        SignallingText(plan.m_nTxOption, plan.m_dTxCtcss, plan.m_nTxDcs, plan),
        SignallingText(radio.m_nTxOption, radio.m_dTxCtcss, radio.m_nTxDcs, radio));
}

}  // namespace

std::vector<std::string> CalibrationByteChanges(const CImageBytes& radio, const CImageBytes& backup) {
    // where each service byte lives; service byte 0 is the firmware's byte 16, which every write sets
    const struct {
        int m_nService;
        uint16_t m_nAddr;
        uint8_t m_nBits;
    } kServiceBytes[] = {
        {1, kService1.m_nAddr, 0x7F},
        {2, kService2.m_nAddr, 0x7F},
        {3, kService3, 0xFF},
        {4, kService4, 0xFF},
        {5, kService5, 0xFF},
        {6, kService6, 0xFF},
        {7, kService7, 0xFF},
        {8, kService8, 0xFF},
        {9, uint16_t(kService8 + 1), 0xFF},
        {10, uint16_t(kService8 + 2), 0xFF},
        {11, uint16_t(kService8 + 3), 0xFF},
    };
    std::vector<std::string> lines;
    for (const auto& service : kServiceBytes) {
        const int a = radio[service.m_nAddr] & service.m_nBits;
        const int b = backup[service.m_nAddr] & service.m_nBits;
        if (a != b) {
            lines.push_back(TextPrintf(
                KV310_MESSAGES,
                KV310_TEXT("Messages", "service byte %d: radio %02X, backup %02X — this radio's calibration"),
                service.m_nService, a, b));
        }
    }
    return lines;
}

std::vector<std::string> MeaningDifferences(const CImageBytes& planBytes, const CImageBytes& radioBytes) {
    const CDataRadioDoc plan = DecodedImage(planBytes);
    const CDataRadioDoc radio = DecodedImage(radioBytes);
    std::vector<SFieldValues> fields;
    const auto number = [](int value) { return StrPrintf("%d", value); };
    if (plan.m_nModel != radio.m_nModel || plan.m_nSubBand != radio.m_nSubBand) {
        fields.push_back({LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "model and sub-band")),
                          number(plan.m_nModel) + "/" + number(plan.m_nSubBand),
                          number(radio.m_nModel) + "/" + number(radio.m_nSubBand)});
    }
    for (const SImageField& field : ImageFields()) {
        if (field.m_pMember != nullptr && plan.*field.m_pMember != radio.*field.m_pMember) {
            fields.push_back({LookUpText(KV310_MESSAGES, field.m_Bits.m_pszName),
                              number(plan.*field.m_pMember), number(radio.*field.m_pMember)});
        }
    }
    // the fields decoded by rules of their own rather than through the table
    const struct {
        const char* m_pszName;
        int m_nPlan;
        int m_nRadio;
    } own[] = {
        {KV310_TEXT("Messages", "squelch type"), plan.m_nSquelchType, radio.m_nSquelchType},
        {KV310_TEXT("Messages", "modem type"),
         plan.m_bModemGmsk * 4 + plan.m_bModemAfsk * 2 + plan.m_bModemFfsk,
         radio.m_bModemGmsk * 4 + radio.m_bModemAfsk * 2 + radio.m_bModemFfsk},
        {KV310_TEXT("Messages", "dumb mode"), plan.m_nModemMode, radio.m_nModemMode},
        {KV310_TEXT("Messages", "baud rates"), plan.m_nSBandBaud * 4 + plan.m_nNBandBaud,
         radio.m_nSBandBaud * 4 + radio.m_nNBandBaud},
        // bit 5 of service byte 12 is a constant of the radio's, which no write decides
        {KV310_TEXT("Messages", "service byte 12"), plan.m_ServiceBytes[12] & ~0x20,
         radio.m_ServiceBytes[12] & ~0x20},
        {KV310_TEXT("Messages", "service byte 13"), plan.m_ServiceBytes[13], radio.m_ServiceBytes[13]},
    };
    for (const auto& field : own) {
        if (field.m_nPlan != field.m_nRadio) {
            fields.push_back(
                {LookUpText(KV310_MESSAGES, field.m_pszName), number(field.m_nPlan), number(field.m_nRadio)});
        }
    }
    for (int i = 0; i < kChannels; ++i) {
        CompareChannel(i, plan.m_Channel[i], radio.m_Channel[i], fields);
        if ((plan.m_Channel[i].m_bScan != 0) != (radio.m_Channel[i].m_bScan != 0)) {
            fields.push_back({TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Channel %d scan"), i + 1),
                              number(plan.m_Channel[i].m_bScan != 0),
                              number(radio.m_Channel[i].m_bScan != 0)});
        }
    }
    std::vector<std::string> lines;
    for (const SFieldValues& field : fields) {
        lines.push_back(TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s: plan %s, radio %s"),
                                   field.m_strName.c_str(), field.m_strPlan.c_str(),
                                   field.m_strRadio.c_str()));
    }
    return lines;
}
