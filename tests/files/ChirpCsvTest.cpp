// CHIRP channel lists: a repeater list as it comes (BOM, CRLF, quoted commas, three bands, 120 rows) into a
// KV310 VHF plan, the older column set, and a plan's export read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <tuple>

#include "ChannelClipboard.h"
#include "ChirpCsv.h"
#include "ConfigFields.h"
#include "FrequencyRules.h"
#include "SettingsFile.h"
#include "TextConfig.h"

namespace {

std::string RepeaterList() {
    std::ifstream in(KV310_TEST_DATA "/chirp/repeaters.csv", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct SExpected {
    const char* pszLocation;
    double dRx, dTx;
    int nRxOption;
    double dRxTone;  // or the DCS code
    int nTxOption;
    double dTxTone;
    int bWide, bScan, bHigh, nStep;
};

double Value(int option, double tone, int code) {
    return option == kSigCtcss ? tone : option == kSigDcs ? code : 0.0;
}

TEST(ChirpCsv, RepeaterListFillsTheChannelsWithItsFirstSixteenRowsInTheBand) {
    CDataRadioDoc doc = FreshRecord(kModelKv310Vhf, 0);
    SChirpImport outcome;
    std::string error;
    ASSERT_TRUE(ImportChirpCsv(RepeaterList(), "repeaters.csv", "", doc, outcome, error)) << error;
    const SExpected expected[] = {
        {"0", 146.94, 146.34, kSigNone, 0, kSigCtcss, 100.0, 1, 1, 1, kStep5000},
        {"2", 147.015, 147.615, kSigCtcss, 107.2, kSigCtcss, 107.2, 1, 0, 0, kStep5000},  // TSQL: cToneFreq
        {"5", 145.23, 144.63, kSigDcs, 131, kSigDcs, 131, 0, 1, 1, kStep2500},  // 12.5 kHz on 2.5's grid
        {"7", 162.55, 0.0, kSigNone, 0, kSigNone, 0, 1, 1, 1, kStep5000},       // receive only
        {"8", 146.61, 151.91, kSigNone, 0, kSigCtcss, 131.8, 0, 1, 1, kStep5000},
        {"10", 147.18, 147.78, kSigDcs, 245, kSigCtcss, 100.0, 1, 1, 1, kStep5000},
        {"14", 146.52, 146.52, kSigNone, 0, kSigNone, 0, 1, 1, 1, kStep5000},
        {"15", 156.8, 156.8, kSigNone, 0, kSigNone, 0, 1, 1, 0, kStep6250},
        {"16", 145.35, 144.75, kSigDcs, 71, kSigDcs, 65, 0, 1, 1, kStep5000},
        {"17", 145.45, 144.85, kSigCtcss, 151.4, kSigNone, 0, 1, 1, 1, kStep5000},
        {"19", 144.39, 144.39, kSigNone, 0, kSigNone, 0, 1, 0, 1, kStep5000},
        {"20", 0, 0, kSigNone, 0, kSigCtcss, 110.9, 1, 1, 1, -1},  // 146.673: fitted, checked below
        {"21", 147.12, 147.72, kSigNone, 0, kSigCtcss, 141.3, 1, 1, 0, kStep5000},
        {"23", 145.29, 144.69, kSigCtcss, 192.8, kSigCtcss, 192.8, 1, 1, 1, kStep7500},
        {"24", 146.88, 146.28, kSigDcs, 23, kSigCtcss, 77.0, 0, 1, 1, kStep5000},
        {"25", 147.0, 147.6, kSigNone, 0, kSigCtcss, 94.8, 1, 1, 1, kStep2500},
    };
    ASSERT_EQ(outcome.m_Placed.size(), 16U);
    for (int n = 0; n < kChannels; ++n) {
        const SExpected& e = expected[n];
        const CChannelData& ch = doc.m_Channel[static_cast<size_t>(n)];
        SCOPED_TRACE(std::string("Location ") + e.pszLocation);
        EXPECT_EQ(outcome.m_Placed[static_cast<size_t>(n)],
                  std::make_pair(n + 1, std::string(e.pszLocation)));
        if (e.nStep >= 0) {
            EXPECT_NEAR(ch.m_dRxFreq, e.dRx, 1e-9);
            EXPECT_NEAR(ch.m_dTxFreq, e.dTx, 1e-9);
            EXPECT_EQ(ch.m_nStep, e.nStep);
        }
        EXPECT_EQ(ch.m_nRxOption, e.nRxOption);
        EXPECT_EQ(Value(ch.m_nRxOption, ch.m_dRxCtcss, ch.m_nRxDcs), e.dRxTone);
        EXPECT_EQ(ch.m_nTxOption, e.nTxOption);
        EXPECT_EQ(Value(ch.m_nTxOption, ch.m_dTxCtcss, ch.m_nTxDcs), e.dTxTone);
        EXPECT_EQ(std::make_tuple(ch.m_bWide, ch.m_bScan, ch.m_bHighPower),
                  std::make_tuple(e.bWide, e.bScan, e.bHigh));
    }
    const CChannelData& fitted = doc.m_Channel[11];
    EXPECT_TRUE(IsOnStepGrid(fitted.m_dRxFreq * 1e6, fitted.m_nStep));
    EXPECT_NEAR(fitted.m_dRxFreq, 146.673, 0.0075);

    const std::string report = ChirpImportReport(outcome);
    for (const char* line :
         {"16 rows went into channels 1 to 16 in the list's order.",
          "Left out, Locations 1, 4, 11, 18, 26, 27, 29, 30, 31, 33,",
          "117, 118, 119: RX outside the band, 138\u2013174 MHz.",
          "Left out, Location 3: DV is a mode the radio lacks.",
          "Left out, Location 6: AM is a mode the radio lacks.",
          "Left out, Location 9: TSQL-R (reverse squelch) is one the radio lacks.",

          "Left out, Location 12: the radio has no CTCSS tone '165.5'.",
          "Left out, Location 13: DCS code 411 is inverted (DtcsPolarity NR)",
          "Left out, Locations 28, 32, 36, 40, 44, 48, 52, 56, 60, 64, 68, 72, 76, 80, 84, 88, 92, 96, 100, "
          "104, 108, 112, 116: no channel left (the radio has 16).",
          "Left out, Location 22: DTCS-R", "channel 5 (Location 8): TStep 6.25 kHz: 5.00 kHz taken",
          "channel 12 (Location 20): 146.673000/146.073000 MHz lie on no step of the radio; fitted to",
          "channel 13 (Location 21): Power 'Mid' taken as low",
          "The radio keeps no channel names or comments; the list's were left out."}) {
        EXPECT_NE(report.find(line), std::string::npos) << line << "\n" << report;
    }
    // every row is named: placed, left out for its own reason, or past the sixteenth channel
    EXPECT_EQ(outcome.m_Placed.size() + outcome.m_LeftOut.size() + outcome.m_NoRoom.size(), 120U);
}

// The older column set (no RxDtcsCode, CrossMode or Power), LF ends, Locations of a 16-channel radio.
constexpr const char kOlderList[] =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
    "Comment,URCALL,RPT1CALL,RPT2CALL\n"
    "2,ONE,151.010000,,0.000000,Cross,88.5,88.5,072,NN,NFM,5.00,,\"a, b\",,,\n"
    "5,TWO,151.020000,split,156.120000,,88.5,88.5,023,NN,FM,5.00,S,,,,\n"
    "9,THREE,151.030000,,0.000000,DTCS,88.5,88.5,072,NN,NFM,5.00,,,,,\n";

TEST(ChirpCsv, ReadsWhereTheLocationsAndTheFirstOptionSay) {
    struct SCase {
        std::string strText;
        std::string strFirst;
        std::vector<std::pair<int, std::string>> placed;
        bool bByLocation;
    };
    const std::string csv = "Frequency,Location\r\n151.0,0\r\n151.1,1\r\n151.2,3\r\n";
    const SCase cases[] = {
        {kOlderList, "", {{2, "2"}, {5, "5"}, {9, "9"}}, true},
        {kOlderList, "5", {{1, "5"}, {2, "9"}}, false},    // --first: the list's order from there
        {csv, "", {{1, "0"}, {2, "1"}, {3, "3"}}, false},  // from 0: in order
        {"\xEF\xBB\xBFLocation\tFrequency\n1\t151.0\n", "", {{1, "1"}}, true},  // a spreadsheet's cells
    };
    for (const SCase& c : cases) {
        CDataRadioDoc doc = FreshRecord(kModelKv310Vhf, 0);
        doc.m_Channel[15].m_dRxFreq = doc.m_Channel[15].m_dTxFreq = 160.0;
        SChirpImport outcome;
        std::string error;
        ASSERT_TRUE(ImportChirpCsv(c.strText, "list.csv", c.strFirst, doc, outcome, error)) << error;
        EXPECT_EQ(outcome.m_Placed, c.placed) << c.strText;
        EXPECT_EQ(outcome.m_bByLocation, c.bByLocation);
        EXPECT_EQ(doc.m_Channel[15].m_dRxFreq, 0.0) << "a channel the list does not fill is emptied";
    }
    CDataRadioDoc doc = FreshRecord(kModelKv310Vhf, 0);
    SChirpImport outcome;
    std::string error;
    ASSERT_TRUE(ImportChirpCsv(kOlderList, "old.csv", "", doc, outcome, error));
    // Cross without CrossMode is Tone->Tone; DTCS without RxDtcsCode hears the one code
    EXPECT_EQ(std::make_tuple(doc.m_Channel[1].m_nRxOption, doc.m_Channel[1].m_nTxOption),
              std::make_tuple(kSigCtcss, kSigCtcss));
    EXPECT_EQ(std::make_tuple(doc.m_Channel[8].m_nRxDcs, doc.m_Channel[8].m_nTxDcs), std::make_tuple(72, 72));
    EXPECT_NEAR(doc.m_Channel[4].m_dTxFreq, 156.12, 1e-9);
    EXPECT_EQ(doc.m_Channel[4].m_bScan, 0);

    for (const auto& [text, first, message] :
         {std::tuple{std::string("channel,rx_mhz\n1,151.0\n"), "", "list.csv: no CHIRP channel list"},
          std::tuple{std::string(kOlderList), "7", "list.csv: no row has the Location 7"},
          std::tuple{std::string(kMaxTextConfigBytes + 1, ' '), "", "list.csv: too large"}}) {
        const CDataRadioDoc before = doc;
        EXPECT_FALSE(ImportChirpCsv(text, "list.csv", first, doc, outcome, error));
        EXPECT_EQ(error.rfind(message, 0), 0U) << error;
        EXPECT_EQ(SettingsFileBytes(doc), SettingsFileBytes(before));
    }
}

TEST(ChirpCsv, ExportIsCanonicalAndReadsBackToTheSameChannels) {
    CDataRadioDoc plan = FreshRecord(kModelKv310Vhf, 0);
    const auto set = [&plan](int n, double rx, double tx, int rxOption, int txOption, int step) {
        CChannelData& ch = plan.m_Channel[static_cast<size_t>(n - 1)];
        ch.m_dRxFreq = rx;
        ch.m_dTxFreq = tx;
        ch.m_nRxOption = rxOption;
        ch.m_nTxOption = txOption;
        ch.m_nStep = step;
        ch.m_bWide = n % 2;
        ch.m_bScan = n % 3 != 0;
        ch.m_bHighPower = n % 4 == 0;
        ch.m_dRxCtcss = 100.0;
        ch.m_dTxCtcss = 123.0;
        ch.m_nRxDcs = 245;
        ch.m_nTxDcs = 131;
        return &ch;
    };
    set(1, 146.52, 146.52, kSigNone, kSigNone, kStep5000);
    set(2, 146.94, 146.34, kSigCtcss, kSigCtcss, kStep5000)->m_dTxCtcss = 100.0;  // TSQL
    set(3, 151.0125, 156.0125, kSigDcs, kSigDcs, kStep6250)->m_nTxDcs = 245;      // DTCS, a usual 5 MHz
    set(5, 150.0, 160.0, kSigDcs, kSigCtcss, kStep2500);                          // split, Cross
    set(6, 162.55, 0.0, kSigCtcss, kSigNone, kStep5000);                          // receive only
    set(9, 147.0, 147.6, kSigNone, kSigDcs, kStep7500);
    set(16, 145.0, 145.0, kSigCtcss, kSigNone, kStep5000);
    std::vector<std::string> notes;
    const std::string text = ExportChirpCsv(plan, notes);
    EXPECT_EQ(
        text.substr(0, text.find("\r\n", text.find("\r\n") + 2) + 2),
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
        "1,,146.520000,,0.000000,,123.0,100.0,131,NN,245,Tone->Tone,FM,5.00,,Low,,,,,\r\n");
    for (const char* row :
         {"2,,146.940000,-,0.600000,TSQL,100.0,100.0,131,NN,245,Tone->Tone,NFM,5.00,,Low,",
          "3,,151.012500,+,5.000000,DTCS,123.0,100.0,245,NN,245,Tone->Tone,FM,6.25,S,Low,",
          "5,,150.000000,split,160.000000,Cross,123.0,100.0,131,NN,245,Tone->DTCS,FM,2.50,,Low,",
          "6,,162.550000,off,0.000000,Cross,123.0,100.0,131,NN,245,->Tone,NFM,5.00,S,Low,",
          "9,,147.000000,+,0.600000,Cross,123.0,100.0,131,NN,245,DTCS->,FM,7.50,S,Low,",
          "16,,145.000000,,0.000000,Cross,123.0,100.0,131,NN,245,->Tone,NFM,5.00,,High,"}) {
        EXPECT_NE(text.find(std::string("\r\n") + row), std::string::npos) << row << "\n" << text;
    }
    EXPECT_TRUE(notes.empty());

    CDataRadioDoc back = FreshRecord(kModelKv310Vhf, 0);
    back.m_Channel[3].m_dRxFreq = 150.0;  // an empty channel of the plan stays empty
    SChirpImport outcome;
    std::string error;
    ASSERT_TRUE(ImportChirpCsv(text, "plan.csv", "", back, outcome, error)) << error;
    EXPECT_TRUE(outcome.m_Notes.empty()) << ChirpImportReport(outcome);
    EXPECT_EQ(SettingsFileBytes(back), SettingsFileBytes(plan)) << ChirpImportReport(outcome);

    plan.m_nModel = kModelKv330Vhf;  // the KV310 has no two-tone
    plan.m_Channel[0].m_nRxOption = kSigTwoTone;
    ExportChirpCsv(plan, notes);
    EXPECT_EQ(notes,
              std::vector<std::string>{"channel 1: CHIRP has no column for two-tone on receive; written "
                                       "without it"});
}

TEST(ChirpCsv, PasteUnderAChirpHeaderReplacesTheChosenChannels) {
    CDataRadioDoc doc = FreshRecord(kModelKv310Vhf, 0);
    SPasteOutcome outcome;
    std::string error;
    ASSERT_TRUE(PasteChannelRows(kOlderList, {4, 5}, doc, true, outcome, error)) << error;
    EXPECT_EQ(outcome.m_Channels, (std::vector<int>{4, 5, 6}));
    EXPECT_NEAR(doc.m_Channel[4].m_dTxFreq, 156.12, 1e-9);
    EXPECT_NE(PasteReport(outcome).find("no channel names or comments"), std::string::npos);
    const std::string aircraft = "Location,Frequency,Mode\n1,118.0,AM\n";
    EXPECT_FALSE(PasteChannelRows(aircraft, {1}, doc, true, outcome, error));
    EXPECT_NE(error.find("Left out, Location 1: RX outside the band"), std::string::npos);
}

}  // namespace
