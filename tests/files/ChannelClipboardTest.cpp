// Channel rows through the clipboard: what a copy holds, and every pasted value through the channel page's
// rules, with the report the user reads afterwards.

#include <gtest/gtest.h>

#include "ChannelClipboard.h"
#include "ChannelCsv.h"
#include "ConfigFields.h"
#include "FrequencyRules.h"
#include "SettingsFile.h"

namespace {

// A plan as the page makes it: frequencies typed and left, signalling chosen.
CDataRadioDoc Plan(int model) {
    CDataRadioDoc doc = FreshRecord(model, 0);
    const SBandLimits band = CurrentBandLimits(doc);
    for (int n = 1; n <= 6; ++n) {
        SRowEdit row{FormatFixed(band.m_dLower + n * 1.0125, 5),
                     n % 2 ? "" : FormatFixed(band.m_dLower + n, 5),
                     {},
                     {}};
        LeaveRxField(doc, n, row);
        LeaveTxField(doc, n, row);
        CChannelData& ch = doc.m_Channel[static_cast<size_t>(n - 1)];
        ch.m_bWide = n % 2;
        ch.m_bHighPower = n % 3 == 0;
        ch.m_nRxOption = n % 3;
        ch.m_dRxCtcss = 100.0;
        ch.m_nRxDcs = 131;
        ch.m_nTxOption = (n + 1) % 3;
        ch.m_dToneAFreq = 1200.0;
    }
    return doc;
}

std::vector<int> AllChannels() {
    std::vector<int> all;
    for (int n = 1; n <= kChannels; ++n) {
        all.push_back(n);
    }
    return all;
}

TEST(ChannelClipboard, CopyThenPasteGivesTheSameChannelsInEveryModel) {
    for (const int model : {kModelKv310Vhf, kModelKv310Uhf, kModelKv330Vhf, kModelKv330Uhf}) {
        const CDataRadioDoc source = Plan(model);
        for (const char separator : {'\t', ','}) {
            CDataRadioDoc target = FreshRecord(model, 0);
            SPasteOutcome outcome;
            std::string error;
            ASSERT_TRUE(PasteChannelRows(CopyChannelRows(source, AllChannels(), separator), {1}, target, true,
                                         outcome, error))
                << error;
            EXPECT_EQ(outcome.m_Notes, std::vector<std::string>()) << model;
            EXPECT_EQ(SettingsFileBytes(target), SettingsFileBytes(source)) << model << separator;
        }
    }
}

TEST(ChannelClipboard, ACopyIsTheCsvExportsRowsTabSeparated) {
    const CDataRadioDoc doc = Plan(kModelKv330Uhf);
    std::string csv = ExportChannelCsv(doc);
    const std::string tsv = CopyChannelRows(doc, {2}, '\t');
    EXPECT_EQ(tsv.substr(0, tsv.find('\n')), [&] {
        std::string header = csv.substr(0, csv.find('\n'));
        std::replace(header.begin(), header.end(), ',', '\t');
        return header;
    }());
    std::string row = csv.substr(csv.find("\n2,") + 1);
    row = row.substr(0, row.find('\n') + 1);
    std::replace(row.begin(), row.end(), ',', '\t');
    EXPECT_EQ(tsv.substr(tsv.find('\n') + 1), row);
    // The export file pastes as it stands.
    CDataRadioDoc target = FreshRecord(kModelKv330Uhf, 0);
    SPasteOutcome outcome;
    std::string error;
    ASSERT_TRUE(PasteChannelRows(csv, {1}, target, false, outcome, error)) << error;
    EXPECT_EQ(SettingsFileBytes(target), SettingsFileBytes(doc));
}

struct SPasteCase {
    const char* strName;
    int nModel;
    const char* strText;
    std::vector<int> targets;
    std::vector<std::string> notes;
    int nLeftOut;
    // What channels 11 and 12 hold afterwards: RX, TX, power, RX option.
    double dRx11, dTx11;
    int nPower12;
    int nRxOption11;
};

TEST(ChannelClipboard, PastedValuesPassThePagesRules) {
    const SPasteCase cases[] = {
        {"out of band RX keeps the channel's",
         kModelKv310Vhf,
         "rx_mhz\n180",
         {11},
         {"channel 11: RX 180.00000 is outside 138\u2013174 MHz; kept 151.02500"},
         0,
         151.025,
         151.025,
         0,
         0},
        {"off the grid RX is fitted and copied to an empty TX",
         kModelKv310Vhf,
         "rx_mhz\ttx_mhz\n151.0123\t0",
         {11},
         {"channel 11: RX 151.01230 fitted to 151.01250"},
         0,
         151.0125,
         151.0125,
         0,
         0},
        {"a tone off the list and two-tone on a KV310 are refused",
         kModelKv310Vhf,
         "rx_type,rx_tone_hz\ntwo-tone,68.0",
         {11},
         {"channel 11: rx_type two-tone: this model has no two-tone; kept none",
          "channel 11: rx_tone_hz: '68.0' is not allowed: give a CTCSS tone of the radio's list, 67.0 to "
          "254.1 Hz; "
          "kept 67.0"},
         0,
         151.025,
         151.025,
         0,
         0},
        {"a spreadsheet's subset, out of order, fills down from the first target",
         kModelKv310Vhf,
         "power\trx_mhz\nlow\t150.0125\nhigh\t",
         {11},
         {},
         0,
         150.0125,
         151.025,
         1,
         0},
        {"rows past channel 16 are left out",
         kModelKv310Vhf,
         "power\nhigh\nhigh\nhigh\nhigh\nhigh\nhigh\nhigh",
         {11},
         {},
         1,
         151.025,
         151.025,
         1,
         0},
        {"rows without a header take the CSV's order",
         kModelKv310Vhf,
         "7,152.5,152.5,5,wide,high",
         {11, 12},
         {},
         0,
         152.5,
         152.5,
         0,
         0},
        {"a KV330 UHF row into a VHF plan keeps the frequencies",
         kModelKv310Vhf,
         "rx_mhz,tx_mhz,rx_type\n401.5,402,dcs",
         {11},
         {"channel 11: RX 401.50000 is outside 138\u2013174 MHz; kept 151.02500",
          "channel 11: TX 402.00000 is outside 138\u2013174 MHz; kept 151.02500"},
         0,
         151.025,
         151.025,
         0,
         2},
        {"two-tone stays locked until the access code",
         kModelKv330Vhf,
         "rx_type,tone_a_hz\ntwo-tone,305",
         {11},
         {"channel 11: rx_type two-tone: two-tone is locked (unlock it with the access code, Ctrl+Shift+T); "
          "kept none",
          "channel 11: tone_a_hz 305 stored as 300"},
         0,
         151.025,
         151.025,
         0,
         0},
    };
    for (const SPasteCase& c : cases) {
        CDataRadioDoc doc = FreshRecord(c.nModel, 0);
        for (int n : {11, 12}) {
            SRowEdit row{"151.02500", "", {}, {}};
            LeaveRxField(doc, n, row);
        }
        SPasteOutcome outcome;
        std::string error;
        ASSERT_TRUE(PasteChannelRows(c.strText, c.targets, doc, true, outcome, error)) << c.strName << error;
        EXPECT_EQ(outcome.m_Notes, c.notes) << c.strName;
        EXPECT_EQ(outcome.m_nLeftOut, c.nLeftOut) << c.strName;
        EXPECT_DOUBLE_EQ(doc.m_Channel[10].m_dRxFreq, c.dRx11) << c.strName;
        EXPECT_DOUBLE_EQ(doc.m_Channel[10].m_dTxFreq, c.dTx11) << c.strName;
        EXPECT_EQ(doc.m_Channel[11].m_bHighPower, c.nPower12) << c.strName;
        EXPECT_EQ(doc.m_Channel[10].m_nRxOption, c.nRxOption11) << c.strName;
    }
}

TEST(ChannelClipboard, TextThatIsNoChannelRowsChangesNothing) {
    for (const char* text : {"", "\n \n", "rx_mhz\tcolour\n151\tred"}) {
        CDataRadioDoc doc = Plan(kModelKv310Vhf);
        const std::vector<uint8_t> before = SettingsFileBytes(doc);
        SPasteOutcome outcome;
        std::string error;
        EXPECT_FALSE(PasteChannelRows(text, {1}, doc, true, outcome, error)) << text;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(SettingsFileBytes(doc), before);
    }
}

}  // namespace
