// The check before a write: each kind of error and warning on a crafted record, none on a fresh one.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "ConfigCheck.h"

namespace {

CDataRadioDoc Record(int model, int subBand = 0) {
    CDataRadioDoc doc;
    doc.m_nModel = model;
    doc.m_nSubBand = static_cast<uint8_t>(subBand);
    doc.ResetToDefaults();
    return doc;
}

// One channel on 150 MHz (VHF) or 450 MHz (UHF), 5 kHz step: clean on every model.
CDataRadioDoc OneChannel(int model) {
    CDataRadioDoc doc = Record(model, IsVhfRow(model) ? 0 : 1);
    doc.m_Channel[2].m_dRxFreq = doc.m_Channel[2].m_dTxFreq = IsVhfRow(model) ? 150.0 : 450.0;
    doc.m_Channel[2].m_nStep = kStep5000;
    return doc;
}

std::string Lines(const std::vector<SFinding>& findings) {
    std::string text;
    for (const SFinding& finding : findings) {
        text += FindingLine(finding) + "\n";
    }
    return text;
}

}  // namespace

TEST(ConfigCheck, FindsNothingInAFreshRecordOrACleanChannelOfAnyModel) {
    for (int model = kFirstOfferedModel; model <= kLastOfferedModel; ++model) {
        EXPECT_EQ(Lines(CheckConfig(Record(model))), "") << model;
        EXPECT_EQ(Lines(CheckConfig(OneChannel(model))), "") << model;
    }
}

TEST(ConfigCheck, NamesEachKindOfErrorAndWarningWithItsChannelOrOptionAndValue) {
    struct SCase {
        int model;
        std::function<void(CDataRadioDoc&)> change;
        ESeverity severity;
        const char* text;
    };
    const SCase cases[] = {
        {kModelKv310Uhf,
         [](CDataRadioDoc& d) { d.m_Channel[2].m_dRxFreq = 490.0, d.m_Channel[2].m_nStep = kStep2500; },
         ESeverity::Error,
         "Channel 3 RX 490.00000 MHz: its synthesizer divider (178000 steps of 2.5 kHz) does not fit the "
         "radio's "
         "17 bits; the radio would tune 162.32000 MHz"},
        {kModelKv310Uhf, [](CDataRadioDoc& d) { d.m_Channel[2].m_nStep = kStep2500; }, ESeverity::Error,
         "Channel 3 step code 3: the KV310 UHF synthesizer has no 2.5 kHz step"},
        {kModelKv330Vhf, [](CDataRadioDoc& d) { d.m_Channel[2].m_nStep = 6; }, ESeverity::Error,
         "Channel 3 step code 6: the KV330 VHF synthesizer has no such step (the radio would get 5 kHz)"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_nScanSpeed = 5000; }, ESeverity::Error,
         "Scan speed time 5000 ms does not fit its 8 bits in the radio; the radio would get 2440 ms"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_nPreambleSize = 17; }, ESeverity::Error,
         "Preamble data size (list position) 17 does not fit its 4 bits in the radio; the radio would get 1"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_nPreambleSize = 15; }, ESeverity::Warning,
         ""},  // the largest value its 4 bits hold
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_nPreambleSize = 16; }, ESeverity::Error,
         "Preamble data size (list position) 16 does not fit its 4 bits in the radio; the radio would get 0"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_nScanSpeed = 2560; }, ESeverity::Warning,
         "Scan speed time 2560 ms is outside 50 to 2000 ms, the range its page offers"},  // 255 in 8 bits
        {kModelKv310Vhf,
         [](CDataRadioDoc& d) { d.m_Channel[2].m_nRxOption = kSigCtcss, d.m_Channel[2].m_dRxCtcss = 165.5; },
         ESeverity::Error,
         "Channel 3 RX CTCSS 165.5 Hz is not in the radio's tone table; the radio would use 254.1 Hz"},
        {kModelKv310Vhf,
         [](CDataRadioDoc& d) { d.m_Channel[2].m_nTxOption = kSigDcs, d.m_Channel[2].m_nTxDcs = 24; },
         ESeverity::Error,
         "Channel 3 TX DCS 024 is not in the radio's code table; the radio would use DCS 325"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_Channel[2].m_nRxOption = kSigTwoTone; }, ESeverity::Error,
         "Channel 3 RX two-tone: the KV310 VHF has no two-tone decoder; the radio would get no RX "
         "signalling"},
        {kModelKv330Uhf, [](CDataRadioDoc& d) { d.m_Channel[2].m_dTxFreq = 500.0; }, ESeverity::Error,
         "Channel 3 TX 500.00000 MHz is outside the KV330 UHF band U2 (440 to 490 MHz)"},
        {kModelKv330Uhf, [](CDataRadioDoc& d) { d.m_Channel[2].m_dRxFreq = 480.0; }, ESeverity::Warning,
         ""},  // inside: nothing (the model and sub-band of OneChannel are U2)
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_Channel[2].m_dRxFreq = 180.0; }, ESeverity::Error,
         "Channel 3 RX 180.00000 MHz is outside the KV310 VHF band V2 (138 to 174 MHz)"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_Channel[2].m_dTxFreq = 150.0012; }, ESeverity::Warning,
         "Channel 3 TX 150.00120 MHz is not on the channel's 5 kHz grid; the radio would tune 150.00000 MHz"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_nScanSpeed = 20; }, ESeverity::Warning,
         "Scan speed time 20 ms is outside 50 to 2000 ms, the range its page offers"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_bHangOn = 1, d.m_nHangOnTime = 2500; },
         ESeverity::Warning, "Hang timer 2500 ms is outside 180 to 2000 ms, the range its page offers"},
        {kModelKv310Vhf, [](CDataRadioDoc& d) { d.m_nHangOnTime = 2500; }, ESeverity::Warning,
         ""},  // timer off
    };
    for (const SCase& c : cases) {
        CDataRadioDoc doc = OneChannel(c.model);
        c.change(doc);
        const std::vector<SFinding> findings = CheckConfig(doc);
        if (c.text[0] == '\0') {
            EXPECT_EQ(Lines(findings), "");
            continue;
        }
        bool found = false;
        for (const SFinding& finding : findings) {
            found = found || (finding.m_strText == c.text && finding.m_Severity == c.severity);
        }
        EXPECT_TRUE(found) << "expected: " << c.text << "\ngot:\n" << Lines(findings);
        EXPECT_EQ(HasErrors(findings), c.severity == ESeverity::Error) << Lines(findings);
    }
}

// What a read of the radio would not bring back as the plan says is named: lost signalling as a warning (the
// radio still works), a tone the decoder cannot take as an error.
TEST(ConfigCheck, NamesWhatWouldNotComeBackFromTheRadio) {
    const struct {
        void (*change)(CDataRadioDoc&);
        ESeverity severity;
        const char* text;
    } cases[] = {
        {[](CDataRadioDoc& d) {
             d.m_Channel[0].m_dTxFreq = 0.0;
             d.m_Channel[0].m_nRxOption = kSigCtcss;
             d.m_Channel[0].m_dRxCtcss = 88.5;
         },
         ESeverity::Warning,
         "Channel 1 is receive-only (TX 0 MHz): the radio gets its RX signalling, but a read"},
        {[](CDataRadioDoc& d) {
             d.m_Channel[0].m_nRxOption = kSigTwoTone;
             d.m_Channel[0].m_dToneAFreq = 3100.0;
             d.m_Channel[0].m_dToneADuration = 1000.0;
             d.m_Channel[0].m_dToneBFreq = 1000.0;
             d.m_Channel[0].m_dToneBDuration = 1000.0;
         },
         ESeverity::Error, "Channel 1 two-tone tone A 3100.00 Hz is outside 300 to 3000 Hz"},
    };
    for (const auto& c : cases) {
        CDataRadioDoc doc = OneChannel(kModelKv330Vhf);
        doc.m_Channel[0] = doc.m_Channel[2];
        c.change(doc);
        const std::vector<SFinding> findings = CheckConfig(doc);
        const auto found = std::find_if(findings.begin(), findings.end(), [&c](const SFinding& f) {
            return f.m_strText.rfind(c.text, 0) == 0;
        });
        ASSERT_NE(found, findings.end()) << c.text << (findings.empty() ? "" : " / " + findings[0].m_strText);
        EXPECT_EQ(found->m_Severity, c.severity);
    }
}
