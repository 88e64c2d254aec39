#include "TextConfig.h"

#include <gtest/gtest.h>

#include <random>

#include "ConfigFields.h"
#include "Format.h"
#include "SettingsFile.h"
#include "Tones.h"

namespace {

// Any record a settings file can hold: random bytes behind a valid model row.
std::vector<uint8_t> RandomFile(std::mt19937& rng, int32_t row) {
    std::vector<uint8_t> bytes(kSettingsFileSize);
    for (uint8_t& b : bytes) {
        b = static_cast<uint8_t>(rng());
    }
    bytes[0] = static_cast<uint8_t>(row);
    bytes[1] = bytes[2] = bytes[3] = 0;
    return bytes;
}

// A text a technician could write for the field: one of the values it takes, picked at random.
std::string RandomReadable(std::mt19937& rng, const SFieldDef& f, const CDataRadioDoc& doc) {
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    switch (f.eKind) {
        case EValueKind::Flag:
            return pick(2) ? "true" : "false";
        case EValueKind::Int:
            return std::to_string(f.nMin == INT32_MIN
                                      ? static_cast<int32_t>(rng())
                                      : f.nMin + pick((f.nMax - f.nMin) / f.nStep + 1) * f.nStep);
        case EValueKind::Indexed:
            return std::to_string(f.nMin + pick(f.nCount) * f.nStep);
        case EValueKind::Names:
            return f.names[static_cast<size_t>(pick(static_cast<int>(f.names.size())))];
        case EValueKind::Mhz: {
            const CModelBand& row = doc.CurrentBand();
            const double low = row.m_dLow[doc.m_nSubBand];
            const int span = static_cast<int>((row.m_dHigh[doc.m_nSubBand] - low) * 1000);
            return pick(4) == 0 ? "0" : StrPrintf("%.5f", low + pick(span + 1) / 1000.0 + pick(8) * 0.00125);
        }
        case EValueKind::Ctcss:
            return StrPrintf("%.1f", kCtcssTable[static_cast<size_t>(pick(kCtcssTones))]);
        case EValueKind::Dcs:
            return StrPrintf("%03d", kDcsTable[static_cast<size_t>(pick(kDcsCodes))]);
        case EValueKind::Real:
            return f.nMin == f.nMax ? StrPrintf("%.3f", pick(100000) / 7.0)
                                    : std::to_string(f.nMin + pick(f.nMax - f.nMin + 1));
        case EValueKind::SBandBaud:
        case EValueKind::NBandBaud:
            return FieldRangeText(f, doc).substr(0, 4);  // the list's first rate
        case EValueKind::Model:
        case EValueKind::SubBand:
            break;
    }
    return "";
}

CDataRadioDoc RandomReadableRecord(std::mt19937& rng, int32_t row) {
    CDataRadioDoc doc = FreshRecord(row, static_cast<uint8_t>(row % 2 == 1 ? rng() % 2 : 0));
    std::string error;
    for (size_t i = 2; i < RadioFields().size(); ++i) {
        const SFieldDef& f = RadioFields()[i];
        if (IsShown(f, doc, 0) || f.eShown == EShown::Never) {
            EXPECT_TRUE(ParseField(f, RandomReadable(rng, f, doc), false, doc, 0, error))
                << f.strKey << error;
        }
    }
    for (int ch = 0; ch < kChannels; ++ch) {
        for (const SFieldDef& f : ChannelFields()) {
            EXPECT_TRUE(ParseField(f, RandomReadable(rng, f, doc), false, doc, ch, error))
                << f.strKey << error;
        }
    }
    return doc;
}

void ExpectRoundTrip(const CDataRadioDoc& doc, const std::string& what) {
    const std::string text = ExportTextConfig(doc);
    CDataRadioDoc back;
    std::string error;
    ASSERT_TRUE(ImportTextConfig(text, "t.yaml", back, error)) << what << ": " << error << "\n" << text;
    const std::vector<uint8_t> before = SettingsFileBytes(doc);
    const std::vector<uint8_t> after = SettingsFileBytes(back);
    for (size_t i = 0; i < before.size(); ++i) {
        ASSERT_EQ(before[i], after[i]) << what << ": file offset " << i << "\n" << text;
    }
    EXPECT_EQ(ExportTextConfig(back), text) << what;
}

std::string Import(const std::string& text) {
    CDataRadioDoc doc = FreshRecord(kModelKv310Vhf, 0);
    doc.m_nScanSpeed = 1234;  // a failed import leaves the record as it was
    std::string error;
    EXPECT_FALSE(ImportTextConfig(text, "plan.yaml", doc, error)) << text;
    EXPECT_EQ(doc.m_nScanSpeed, 1234);
    return error;
}

}  // namespace

TEST(TextConfig, AnyFileOfEveryModelRowComesBackByteForByte) {
    std::mt19937 rng(16);
    for (int32_t row = 0; row <= 5; ++row) {
        for (int n = 0; n < 40; ++n) {
            const std::vector<uint8_t> bytes = RandomFile(rng, row);
            CDataRadioDoc doc = FreshRecord(row, 0);
            ASSERT_TRUE(ApplySettingsFileBytes(doc, bytes));
            ExpectRoundTrip(doc, StrPrintf("row %d file %d", row, n));
        }
    }
}

TEST(TextConfig, RecordsAsTheEditorsLeaveThemNeedNoRawValue) {
    std::mt19937 rng(310);
    for (int32_t row = kFirstOfferedModel; row <= kLastOfferedModel; ++row) {
        for (int n = 0; n < 25; ++n) {
            const CDataRadioDoc doc = RandomReadableRecord(rng, row);
            ExpectRoundTrip(doc, StrPrintf("row %d record %d", row, n));
            EXPECT_EQ(ExportTextConfig(doc).find(": {raw: "), std::string::npos) << ExportTextConfig(doc);
        }
    }
}

TEST(TextConfig, WritesChannelsAndSignallingByName) {
    CDataRadioDoc doc = FreshRecord(kModelKv330Uhf, 1);
    CChannelData& c = doc.m_Channel[2];
    c.m_dRxFreq = 451.0125;
    c.m_dTxFreq = 456.0125;
    c.m_nStep = kStep6250;
    c.m_bWide = 1;
    c.m_nRxOption = kSigTwoTone;
    c.m_dToneAFreq = 1000.0;
    c.m_nTxOption = kSigDcs;
    c.m_nTxDcs = 754;
    c.m_dTxCtcss = 88.5;  // kept, not used
    const std::string text = ExportTextConfig(doc);
    EXPECT_NE(text.find("model: KV330 UHF"), std::string::npos);
    EXPECT_NE(text.find("sub_band: U2"), std::string::npos);
    EXPECT_NE(text.find("  - channel: 3\n"
                        "    rx_mhz: 451.01250\n"
                        "    tx_mhz: 456.01250\n"
                        "    step_khz: 6.25\n"
                        "    width: wide\n"
                        "    power: low\n"
                        "    scan: false\n"
                        "    rx_signalling: {type: two-tone, group: both, tone_a_hz: 1000, tone_a_ms: 300, "
                        "tone_b_hz: 300, tone_b_ms: 300}\n"
                        "    tx_signalling: {type: dcs, code: \"754\"}\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("carried:\n  channels:\n    - channel: 3\n      tx_tone_hz: 88.5"), std::string::npos)
        << text;
}

TEST(TextConfig, AHandWrittenPlanTakesTheModelsDefaultsForWhatItLeavesOut) {
    CDataRadioDoc doc;
    std::string error;
    ASSERT_TRUE(
        ImportTextConfig("model: kv310-uhf\nsub_band: u2\nchannels:\n"
                         "  - {channel: 16, rx_mhz: 450.5, rx_signalling: {type: ctcss, tone_hz: 100}}\n"
                         "system: {scan: {delay_s: 7}}\n",
                         "p.yaml", doc, error))
        << error;
    CDataRadioDoc expected = FreshRecord(kModelKv310Uhf, 1);
    expected.m_Channel[15].m_dRxFreq = 450.5;
    expected.m_Channel[15].m_nRxOption = kSigCtcss;
    expected.m_Channel[15].m_dRxCtcss = 100.0;
    expected.m_nScanDelay = 6;
    EXPECT_EQ(SettingsFileBytes(doc), SettingsFileBytes(expected));
}

TEST(TextConfig, RefusesBadTextNamingTheLineAndTheField) {
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"model: KV310 VHF\nsystem:\n  scan:\n    speed_ms: 2005\n",
         "plan.yaml:4: system.scan.speed_ms: '2005' is not allowed: give 50 to 2000 in steps of 10 ms"},
        {"model: KV310 VHF\nsystem:\n  scan:\n    speedms: 100\n",
         "plan.yaml:4: system.scan.speedms: unknown field; system.scan takes delay_s, speed_ms"},
        {"model: KV310 VHF\ncolour: red\n", "plan.yaml:2: colour: unknown field"},
        {"model: KV999\n", "plan.yaml:1: model: 'KV999' is not allowed: give KV310 VHF | KV310 UHF"},
        {"sub_band: V2\n", "plan.yaml:1: model: is missing"},
        {"model: KV310 VHF\nchannels:\n  - channel: 3\n    rx_mhz: 451.0\n",
         "plan.yaml:4: channel 3 rx_mhz: '451.0' is not allowed: give 138.00000 to 174.00000 MHz, or 0 for "
         "none"},
        {"model: KV310 VHF\nchannels:\n  - channel: 3\n    rx_mhz: 1e999\n",
         "plan.yaml:4: channel 3 rx_mhz: '1e999'"},
        {"model: KV310 VHF\nchannel_page: {time_out_s: 99999999999999999999999}\n",
         "plan.yaml:2: channel_page.time_out_s: '99999999999999999999999' is not allowed"},
        {"model: KV310 VHF\ncarried: {reserved_int_2: !raw 99999999999}\n",
         "plan.yaml:2: carried.reserved_int_2: '99999999999' is no raw value here"},
        {"model: KV310 VHF\nsystem: {rx: {squelch: [true]}}\n",
         "plan.yaml:2: system.rx.squelch: must be a single value, not a list or map"},
        {"model: KV310 VHF\nsystem: {rx: {squelch: }}\n", "system.rx.squelch: has no value"},
        {"model: KV310 VHF\nsystem: [1, 2]\n", "plan.yaml:2: system: must be a map of fields"},
        {"model: KV310 VHF\nsystem: {rx: {squelch: !bool yes}}\n", "unknown tag '!bool'"},
        {"model: KV310 VHF\nmodel: KV310 UHF\n", "plan.yaml:2: model: given twice"},
        {"model: KV310 VHF\nchannels:\n  - channel: 17\n",
         "plan.yaml:3: channel entry.channel: '17' is no channel"},
        {"model: KV310 VHF\nchannels:\n  - channel: 2\n  - channel: 2\n", "channel 2 is given twice"},
        {"model: KV310 VHF\nchannels:\n  - channel: 2\n    rx_signalling: {type: dcs, tone_hz: 67.0}\n",
         "plan.yaml:4: channel 2 rx_signalling.tone_hz: is not used with signalling type dcs"},
        {"model: KV310 VHF\nchannels:\n  - channel: 2\n    tx_signalling: {type: dcs, code: \"024\"}\n",
         "'024' is not allowed: give a DCS code of the radio's list"},
        {"model: KV310 VHF\nmodem: {select: {s_band_bps: 9600}}\n",
         "plan.yaml:2: modem.select.s_band_bps: means something only once a modem type is chosen"},
        {"model: KV310 VHF\nmodem: {select: {gmsk: true, s_band_bps: 2400}}\n", "give 4800 | 9600 bps"},
        {"model: KV310 VHF\nsystem: {rx: {squelch: true}\n", "plan.yaml:3: not valid YAML"},
        {"format: 2\nmodel: KV310 VHF\n", "plan.yaml:1: format: this program reads format 1"},
        {"", "plan.yaml:1: file: must be a map"},
        {"model: KV310 VHF\n---\n{{{{ not yaml\n", "not valid YAML"},
        {"model: KV310 VHF\n...\nmodel: KV330 UHF\n",
         "plan.yaml: holds 2 YAML documents; a configuration is one"},
        {"model: KV310 VHF\ncarried: {reserved_int_2: {raw: 99999999999}}\n",
         "plan.yaml:2: carried.reserved_int_2: '99999999999' is no raw value here"},
        {"model: &m KV310 VHF\nsystem: *m\n", "system: must be a map"},
        {std::string(100000, '[') + std::string(100000, ']'), "plan.yaml:1: not valid YAML"},
        {"model: KV310 VHF\n#" + std::string(kMaxTextConfigBytes, 'x'), "too large for a configuration"},
    };
    for (const auto& c : cases) {
        const std::string error = Import(c.text);
        EXPECT_NE(error.find(c.error), std::string::npos) << "got: " << error << "\nwanted: " << c.error;
    }
}
