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
         {"channel 11: rx_type two-tone: this model has no two-tone",
          "channel 11: rx_tone_hz: '68.0' is not allowed: give a CTCSS tone of the radio's list, 67.0 to "
          "254.1 Hz",
          "channel 11: RX signalling kept as it was: none"},
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
        {"one row without a header takes the CSV's order and fills every chosen channel",
         kModelKv310Vhf,
         "7,152.5,152.5,5,wide,high",
         {11, 12},
         {},
         0,
         152.5,
         152.5,
         1,
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
         {"channel 11: rx_type two-tone: two-tone is locked (unlock it with the access code, Ctrl+Shift+T)",
          "channel 11: RX signalling kept as it was: none"},
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

// Channel n's RX, TX, step, power and both signalling sides as the CSV shows them.
std::string Values(const CDataRadioDoc& doc, int n) {
    const std::string rows = CopyChannelRows(doc, {n}, ',');
    const std::vector<std::string> names = SplitCsvLine(rows.substr(0, rows.find('\n')), ',');
    std::string row = rows.substr(rows.find('\n') + 1);
    row.pop_back();
    const std::vector<std::string> cells = SplitCsvLine(row, ',');
    std::string out;
    for (const char* wanted :
         {"rx_mhz", "tx_mhz", "step_khz", "power", "rx_type", "rx_tone_hz", "tx_type", "tx_code"}) {
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i] == wanted) {
                out += (out.empty() ? "" : " ") + cells[i];
            }
        }
    }
    return out;
}

struct SReadCase {
    const char* strName;
    const char* strText;
    std::vector<int> targets;
    EFirstColumn firstColumn;
    std::string strColumns;                          // how the columns were read without a header
    std::vector<std::pair<int, std::string>> after;  // channel, Values()
    std::string strReport;
};

// Channels 9 to 11 hold 151.025 MHz, 11 with CTCSS 100.0 on receive and DCS 131 on transmit; 12 is empty.
TEST(ChannelClipboard, ColumnsAreReadFromTheCellsAndEveryRowSaysWhatItHolds) {
    const std::string kept9 = "151.02500 151.02500 6.25 low none 67.0 none 023";
    const SReadCase cases[] = {
        {"two frequencies without a header are RX and TX",
         "151.0125\t156.0125",
         {9},
         EFirstColumn::Decide,
         "rx_mhz, tx_mhz",
         {{9, "151.01250 156.01250 6.25 low none 67.0 none 023"}, {10, kept9}},
         ""},
        {"a single column of frequencies is RX, one row each",
         "151.0125\n152.0125\n",
         {9},
         EFirstColumn::Decide,
         "rx_mhz",
         {{9, "151.01250 151.02500 6.25 low none 67.0 none 023"},
          {10, "152.01250 151.02500 6.25 low none 67.0 none 023"}},
         ""},
        {"a first column of channel numbers is the channel",
         "3\t152.5\t152.5\n4\t153\t153",
         {9},
         EFirstColumn::Decide,
         "channel, rx_mhz, tx_mhz",
         {{9, "152.50000 152.50000 6.25 low none 67.0 none 023"},
          {10, "153.00000 153.00000 7.5 low none 67.0 none 023"}},
         ""},
        {"an unclear first column read as told",
         "5\t152.5\n151.0125\t152.5",
         {9},
         EFirstColumn::Channel,
         "channel, rx_mhz",
         {{9, "152.50000 151.02500 6.25 low none 67.0 none 023"},
          {10, "152.50000 151.02500 6.25 low none 67.0 none 023"}},
         ""},
        {"the page's captions are a header",
         "CH\tRx Freq(MHz)\tTx Freq(MHz)\tBW\tTx Power\n3\t152.0125\t152.0125\twide\thigh",
         {11},
         EFirstColumn::Decide,
         "",
         {{10, kept9}, {11, "152.01250 152.01250 6.25 high ctcss 100.0 dcs 131"}},
         ""},
        {"plain words are a header",
         "Channel\tRx MHz\tTx MHz\n3\t152.0125\t153.0125",
         {11},
         EFirstColumn::Decide,
         "",
         {{11, "152.01250 153.01250 6.25 low ctcss 100.0 dcs 131"},
          {12, "0.00000 0.00000 5 low none 67.0 none 023"}},
         ""},
        {"a refused RX says what the row holds after TX filled it",
         "rx_mhz\ttx_mhz\n180\t155.0125\n180\t155.0125\n151,0125\t156.0125",
         {11},
         EFirstColumn::Decide,
         "",
         {{11, "151.02500 155.01250 6.25 low ctcss 100.0 dcs 131"},
          {12, "155.01250 155.01250 6.25 low none 67.0 none 023"},
          {13, "156.01250 156.01250 6.25 low none 67.0 none 023"}},
         "channel 11: RX 180.00000 is outside 138\u2013174 MHz; kept 151.02500\n"
         "channel 12: RX 180.00000 is outside 138\u2013174 MHz; now holds 155.01250\n"
         "channel 13: RX '151,0125' is no frequency; now holds 156.01250"},
        {"a refused tone or code leaves its side's signalling, and a refused step is said",
         "rx_type,rx_tone_hz,tx_type,tx_code,step_khz\nctcss,88.6,dcs,999,7.5",
         {9},
         EFirstColumn::Decide,
         "",
         {{9, kept9}},
         "channel 9: rx_tone_hz: '88.6' is not allowed: give a CTCSS tone of the radio's list, 67.0 to 254.1 "
         "Hz\nchannel 9: tx_code: '999' is not allowed: give a DCS code of the radio's list, 023 to 754\n"
         "channel 9: step_khz 7.5: the frequencies are not on its grid; kept 6.25\n"
         "channel 9: RX signalling kept as it was: none\nchannel 9: TX signalling kept as it was: none"},
        {"one row fills every chosen channel",
         "power\nhigh",
         {9, 10, 12},
         EFirstColumn::Decide,
         "",
         {{9, "151.02500 151.02500 6.25 high none 67.0 none 023"},
          {10, "151.02500 151.02500 6.25 high none 67.0 none 023"},
          {11, "151.02500 151.02500 6.25 low ctcss 100.0 dcs 131"},
          {12, "0.00000 0.00000 5 high none 67.0 none 023"}},
         ""},
        {"an unknown column is left out with a note",
         "rx_mhz\tname\n152.0125\tSite A",
         {9},
         EFirstColumn::Decide,
         "",
         {{9, "152.01250 151.02500 6.25 low none 67.0 none 023"}},
         "The column 'name' names no channel value and was left out; the columns are channel, rx_mhz, "
         "tx_mhz, "
         "step_khz, width, power, scan, rx_type, rx_tone_hz, rx_code, two_tone_group, tone_a_hz, tone_a_ms, "
         "tone_b_hz, tone_b_ms, tx_type, tx_tone_hz, tx_code."},
    };
    for (const SReadCase& c : cases) {
        CDataRadioDoc doc = FreshRecord(kModelKv310Vhf, 0);
        for (int n : {9, 10, 11}) {
            SRowEdit row{"151.02500", "", {}, {}};
            LeaveRxField(doc, n, row);
        }
        doc.m_Channel[10].m_nRxOption = kSigCtcss;
        doc.m_Channel[10].m_dRxCtcss = 100.0;
        doc.m_Channel[10].m_nTxOption = kSigDcs;
        doc.m_Channel[10].m_nTxDcs = 131;
        SPasteOutcome outcome;
        std::string error;
        ASSERT_TRUE(PasteChannelRows(c.strText, c.targets, doc, true, outcome, error, c.firstColumn))
            << c.strName << ": " << error;
        EXPECT_EQ(outcome.m_strColumns, c.strColumns) << c.strName;
        for (const auto& [channel, values] : c.after) {
            EXPECT_EQ(Values(doc, channel), values) << c.strName << ", channel " << channel;
        }
        EXPECT_EQ(PasteReport(outcome), c.strReport) << c.strName;
    }
}

TEST(ChannelClipboard, AFirstColumnThatIsAChannelNumberOnlyInSomeRowsIsAskedAbout) {
    CDataRadioDoc doc = FreshRecord(kModelKv310Vhf, 0);
    const std::vector<uint8_t> before = SettingsFileBytes(doc);
    SPasteOutcome outcome;
    std::string error;
    EXPECT_FALSE(PasteChannelRows("5\t152.5\n151.0125\t152.5", {9}, doc, true, outcome, error));
    EXPECT_TRUE(outcome.m_bAskFirstColumn);
    EXPECT_NE(error.find("in 1 of 2 rows"), std::string::npos) << error;
    EXPECT_EQ(SettingsFileBytes(doc), before);
    ASSERT_TRUE(
        PasteChannelRows("5\t152.5\n151.0125\t152.5", {9}, doc, true, outcome, error, EFirstColumn::Value));
    EXPECT_EQ(outcome.m_strColumns, "rx_mhz, tx_mhz");
    EXPECT_EQ(doc.m_Channel[9].m_dRxFreq, 151.0125);
}

TEST(ChannelClipboard, TextThatIsNoChannelRowsChangesNothing) {
    for (const char* text : {"", "\n \n", "name\tcolour\nSite A\tred", "Channel\tRx MHz\n"}) {
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
