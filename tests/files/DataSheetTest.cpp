#include "DataSheet.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

constexpr const char* kMissing = "<no item>";

CDataRadioDoc Record(int model) {
    CDataRadioDoc doc;
    doc.m_nModel = model;
    doc.ResetToDefaults();
    return doc;
}

// The text of the item placed exactly at (x, y); kMissing when there is none, and a note when several.
std::string At(const CSheetPage& page, int32_t x, int32_t y) {
    std::string found = kMissing;
    int count = 0;
    for (const SSheetItem& item : page) {
        if (item.nX == x && item.nY == y) {
            found = item.strText;
            ++count;
        }
    }
    return count > 1 ? "<" + std::to_string(count) + " items>" : found;
}

int ItemsOnLine(const CSheetPage& page, int32_t y) {
    int count = 0;
    for (const SSheetItem& item : page) {
        count += item.nY == y ? 1 : 0;
    }
    return count;
}

int32_t RowY(int n) {
    return 1750 + 700 * n;
}

TEST(DataSheet, NamesTheJobAfterTheModelAndUsesCourierNew) {
    const SDataSheet sheet = BuildDataSheet(Record(2));
    EXPECT_EQ(sheet.strJobName, "KV310  VHF DATA SHEET");
    EXPECT_EQ(BuildDataSheet(Record(5)).strJobName, "KV330 UHF DATA SHEET");
    EXPECT_EQ(sheet.font.strFace, "Courier New");
    EXPECT_EQ(sheet.font.nHeightTwips, 180);
    EXPECT_EQ(sheet.font.nWeight, 400);
    ASSERT_EQ(sheet.pages.size(), 2u);
}

TEST(DataSheet, PrintsTheHeadingAndColumnsOfTheChannelTable) {
    const CSheetPage page = BuildDataSheet(Record(3)).pages[0];
    const std::string rule(93, '-');
    EXPECT_EQ(At(page, 3400, 600), "===== PC PROGRAMMER DATA SHEET =====");
    EXPECT_EQ(At(page, 400, 900), "* MODEL");
    EXPECT_EQ(At(page, 1300, 900), ": KV310  UHF");
    EXPECT_EQ(At(page, 500, 1400), "## CHANNEL DATA ##");
    EXPECT_EQ(At(page, 250, 1700), rule);
    EXPECT_EQ(At(page, 250, 2100), rule);
    EXPECT_EQ(At(page, 300, 1900), "CH");
    EXPECT_EQ(At(page, 700, 1900), "RX_FREQ(MHz)");
    EXPECT_EQ(At(page, 2200, 1900), "RX_OPTION");
    EXPECT_EQ(At(page, 3500, 1900), "TX_FREQ(MHz)");
    EXPECT_EQ(At(page, 5200, 1900), "TX_OPTION");
    EXPECT_EQ(At(page, 6700, 1900), "SCAN");
    EXPECT_EQ(At(page, 7500, 1900), "WIDTH");
    EXPECT_EQ(At(page, 8500, 1900), "POWER");
    EXPECT_EQ(At(page, 9400, 1900), "HANG-ON");
    EXPECT_EQ(At(page, 250, 2100 + 700 * 16), rule);
}

TEST(DataSheet, PrintsSixteenEmptyRowsForAFreshRecord) {
    const CSheetPage page = BuildDataSheet(Record(2)).pages[0];
    for (int n = 1; n <= 16; ++n) {
        const int32_t y = RowY(n);
        EXPECT_EQ(At(page, 350, y), std::to_string(n));
        EXPECT_EQ(At(page, 700, y), "  -");
        EXPECT_EQ(At(page, 3700, y), "-");
        EXPECT_EQ(At(page, 2600, y), "NO");
        EXPECT_EQ(At(page, 5600, y), "NO");
        EXPECT_EQ(At(page, 6700, y), "OFF");
        EXPECT_EQ(At(page, 7500, y), "NARROW");
        EXPECT_EQ(At(page, 8500, y), "LOW");
        EXPECT_EQ(At(page, 9400, y), "  -");
        EXPECT_EQ(ItemsOnLine(page, y), 9) << "row " << n;
        EXPECT_EQ(At(page, 250, 2100 + 700 * n), std::string(93, '-'));
    }
}

TEST(DataSheet, PrintsCtcssAndDcsAboveTheirKind) {
    CDataRadioDoc doc = Record(4);
    CChannelData& first = doc.m_Channel[0];
    first.m_dRxFreq = 150.0125;
    first.m_dTxFreq = 155.0;
    first.m_nRxOption = kSigCtcss;
    first.m_dRxCtcss = 67.0;
    first.m_nTxOption = kSigDcs;
    first.m_nTxDcs = 23;
    first.m_bScan = 4;
    first.m_bWide = 1;
    first.m_bHighPower = 1;
    CChannelData& third = doc.m_Channel[2];
    third.m_nRxOption = kSigDcs;
    third.m_nRxDcs = 754;
    third.m_nTxOption = kSigCtcss;
    third.m_dTxCtcss = 254.1;
    doc.m_Channel[4].m_nRxOption = kSigTwoTone;
    doc.m_nHangOnTime = 1500;
    const CSheetPage page = BuildDataSheet(doc).pages[0];

    const int32_t y1 = RowY(1);
    EXPECT_EQ(At(page, 700, y1), "150.0125");
    EXPECT_EQ(At(page, 3500, y1), "155.0000");
    EXPECT_EQ(At(page, 2400, y1 - 115), " 67.0");
    EXPECT_EQ(At(page, 2300, y1 + 115), "(CTCSS)");
    EXPECT_EQ(At(page, 5400, y1 - 115), "023");
    EXPECT_EQ(At(page, 5300, y1 + 115), "(DCS)");
    EXPECT_EQ(At(page, 2600, y1), kMissing);
    EXPECT_EQ(At(page, 6700, y1), "ON");
    EXPECT_EQ(At(page, 7500, y1), " WIDE");
    EXPECT_EQ(At(page, 8500, y1), "HIGH");
    EXPECT_EQ(At(page, 9400, y1), "1500");

    // the option cells are printed whatever the frequencies are
    const int32_t y3 = RowY(3);
    EXPECT_EQ(At(page, 2400, y3 - 115), "754");
    EXPECT_EQ(At(page, 5400, y3 - 115), "254.1");
    EXPECT_EQ(At(page, 5300, y3 + 115), "(CTCSS)");
    EXPECT_EQ(At(page, 9400, y3), "1500");

    // two-tone leaves the receive column empty
    const int32_t y5 = RowY(5);
    EXPECT_EQ(At(page, 2600, y5), kMissing);
    EXPECT_EQ(At(page, 2400, y5 - 115), kMissing);
    EXPECT_EQ(At(page, 5600, y5), "NO");
}

TEST(DataSheet, UsesTheOlderSingleLineLayoutForRowsWithoutABand) {
    CDataRadioDoc doc = Record(0);
    doc.m_Channel[0].m_dRxFreq = 150.0;
    doc.m_Channel[0].m_nRxOption = kSigCtcss;
    doc.m_Channel[0].m_dRxCtcss = 67.0;
    doc.m_Channel[0].m_nTxOption = kSigDcs;
    doc.m_Channel[0].m_nTxDcs = 23;
    doc.m_Channel[0].m_bScan = 1;
    doc.m_Channel[0].m_bWide = 1;
    doc.m_Channel[0].m_bHighPower = 1;
    doc.m_nHangOnTime = 500;
    const SDataSheet sheet = BuildDataSheet(doc);
    const CSheetPage& page = sheet.pages[0];
    EXPECT_EQ(sheet.strJobName, " DATA SHEET");
    EXPECT_EQ(At(page, 1300, 900), "");
    EXPECT_EQ(At(page, 2300, 1900), "RX_OPTION");
    EXPECT_EQ(At(page, 3600, 1900), "TX_FREQ(MHz)");
    EXPECT_EQ(At(page, 5300, 1900), "TX_OPTION");
    EXPECT_EQ(At(page, 7900, 1900), "SCAN");
    EXPECT_EQ(At(page, 8000, 1900), "WIDTH");
    EXPECT_EQ(At(page, 9000, 1900), "POWER");
    EXPECT_EQ(At(page, 10000, 1900), "HANG-ON");

    const int32_t y1 = RowY(1);
    EXPECT_EQ(At(page, 800, y1), "150.0000");
    EXPECT_EQ(At(page, 3800, y1), "   -");
    EXPECT_EQ(At(page, 2400, y1), "67.0 (CTCSS)");
    EXPECT_EQ(At(page, 5400, y1), "023 (DCS)");
    EXPECT_EQ(At(page, 8000, y1), "S");
    EXPECT_EQ(At(page, 8100, y1), "Wide");
    EXPECT_EQ(At(page, 9100, y1), "High");
    EXPECT_EQ(At(page, 10200, y1), "500");

    const int32_t y2 = RowY(2);
    EXPECT_EQ(At(page, 800, y2), "   -");
    EXPECT_EQ(At(page, 2700, y2), "NO");
    EXPECT_EQ(At(page, 5700, y2), "NO");
    EXPECT_EQ(At(page, 8000, y2), "OFF");
    EXPECT_EQ(At(page, 8100, y2), "Narrow");
    EXPECT_EQ(At(page, 9100, y2), "Low");
    EXPECT_EQ(ItemsOnLine(page, y2 - 115) + ItemsOnLine(page, y2 + 115), 0);

    EXPECT_EQ(At(BuildDataSheet(Record(1)).pages[0], 2300, 1900), "RX_OPTION");
}

TEST(DataSheet, PrintsTheOptionsOfAFreshRecord) {
    const CSheetPage page = BuildDataSheet(Record(2)).pages[1];
    EXPECT_EQ(At(page, 4000, 900), "====  OPTION DATA  ====");
    EXPECT_EQ(At(page, 5400, 5300), "2. TRASMISSION CYCLE");
    EXPECT_EQ(At(page, 5700, 8900), "FOR START BIT");
    EXPECT_EQ(At(page, 500, 2000), "** Rssi Level Check **");
    EXPECT_EQ(At(page, 3800, 2300), ": OFF");
    EXPECT_EQ(At(page, 3800, 2600), ": -");
    EXPECT_EQ(At(page, 9000, 2000), ": 0 Sec");
    EXPECT_EQ(At(page, 9000, 2750), ": Disable");
    EXPECT_EQ(At(page, 3800, 5000), ": 4 Sec");
    EXPECT_EQ(At(page, 3800, 5300), ": 100 ms");
    EXPECT_EQ(At(page, 9000, 5000), ": Disable");
    EXPECT_EQ(At(page, 9000, 5300), ": -");
    EXPECT_EQ(At(page, 500, 6800), "Modem is not selected");
    EXPECT_EQ(At(page, 3800, 7100), ": Disable");
    EXPECT_EQ(At(page, 3800, 7700), ": -");
    EXPECT_EQ(At(page, 9000, 6800), ": NONE");
    EXPECT_EQ(At(page, 9000, 7100), ": 32 BIT");
    EXPECT_EQ(At(page, 9000, 7400), ": -");  // KV310
    EXPECT_EQ(At(page, 9000, 7700), ": Xon / Xoff");
    EXPECT_EQ(At(page, 9000, 8000), ": -");
    EXPECT_EQ(At(page, 9000, 8300), ": -");
    EXPECT_EQ(At(page, 9000, 8750), ": 0 BIT");
    EXPECT_EQ(At(page, 3800, 9800), ": Auto Mode");
    EXPECT_EQ(At(page, 3800, 10400), ": Disable");
    EXPECT_EQ(At(page, 9000, 10100), ": 20 ms");
    EXPECT_EQ(At(page, 9000, 10400), ": 6 ms");
}

TEST(DataSheet, PrintsTheKv330TimesFromTheirLists) {
    CDataRadioDoc doc = Record(5);
    doc.m_bModem = 1;
    doc.m_bModemFfsk = 1;
    doc.m_nSBandBaud = 2;
    doc.m_nNBandBaud = 1;
    doc.m_nTxDelayTime1 = 9;
    doc.m_nTxDelayTime2 = 5;
    doc.m_nWaitBusyTime = 15;
    doc.m_bPowerSave = 1;
    doc.m_nPowerSaveDelay = 4;
    doc.m_bBusyLockout = 1;
    doc.m_bTxMatchedSat = 1;
    doc.m_bGps = 1;
    doc.m_nGpsCycle = 23;
    doc.m_bSquelch = 0;
    doc.m_nModemMode = 1;
    const CSheetPage page = BuildDataSheet(doc).pages[1];
    EXPECT_EQ(At(page, 9000, 7400), ": 1600 ms");
    EXPECT_EQ(At(page, 9000, 8000), ": 50ms");
    EXPECT_EQ(At(page, 9000, 8300), ": 450 ms");
    EXPECT_EQ(At(page, 500, 6800), "** FFSK **");
    EXPECT_EQ(At(page, 3800, 7100), ": Enable");
    EXPECT_EQ(At(page, 3800, 7700), ": 4800 bps");
    EXPECT_EQ(At(page, 3800, 8000), ": 2400 bps");
    EXPECT_EQ(At(page, 3800, 2300), ": ON");
    EXPECT_EQ(At(page, 3800, 2600), ": 5 Sec");
    EXPECT_EQ(At(page, 3800, 2900), ": 200 ms");
    EXPECT_EQ(At(page, 3800, 3200), ": 50 ms");
    EXPECT_EQ(At(page, 9000, 3500), ": ON");
    EXPECT_EQ(At(page, 9000, 5300), ": 24 Hour");
    EXPECT_EQ(At(page, 9000, 5900), ": 50 Sec");
    EXPECT_EQ(At(page, 500, 2000), "** Squelch Disabled **");
    EXPECT_EQ(At(page, 3800, 9800), ": Dumb Mode");

    doc.m_bModemGmsk = 1;  // GMSK wins over FFSK
    doc.m_nSBandBaud = 1;
    const CSheetPage gmsk = BuildDataSheet(doc).pages[1];
    EXPECT_EQ(At(gmsk, 500, 6800), "** GMSK **");
    EXPECT_EQ(At(gmsk, 3800, 7700), ": 9600 bps");
    EXPECT_EQ(At(gmsk, 3800, 8000), ": 4800 bps");
    EXPECT_EQ(At(gmsk, 9000, 8300), ": -");
}

TEST(DataSheet, PrintsNothingForListValuesOutOfRange) {
    CDataRadioDoc doc = Record(4);
    doc.m_bModem = 1;
    doc.m_bModemAfsk = 1;
    doc.m_bAfskBell202 = 1;
    doc.m_nBaseBlockSize = 10;
    doc.m_nPreambleSize = -1;
    doc.m_nWaitBusyTime = 16;
    doc.m_nFlowControl = 3;
    doc.m_nTxDelayTime1 = 16;
    doc.m_nTxDelayTime2 = 6;
    doc.m_nStartBitErrors = 4;
    doc.m_bTestMode = 1;
    doc.m_bTxMatchedSat = 1;  // without busy lockout it prints OFF
    const CSheetPage page = BuildDataSheet(doc).pages[1];
    for (int32_t y : {6800, 7100, 7400, 7700, 8000, 8300, 8750}) {
        EXPECT_EQ(At(page, 9000, y), "") << y;
    }
    EXPECT_EQ(At(page, 500, 6800), "** AFSK  BELL202 Mode **");
    EXPECT_EQ(At(page, 3800, 7700), ": 1200 bps");
    EXPECT_EQ(At(page, 3800, 8000), ": 1200 bps");
    EXPECT_EQ(At(page, 3800, 9800), "Test Mode Enable");
    EXPECT_EQ(At(page, 9000, 3500), ": OFF");

    doc.m_bModemAfsk = 0;  // enabled without a type
    EXPECT_EQ(At(BuildDataSheet(doc).pages[1], 3800, 7700), "");
}

TEST(DataSheet, PrintsTheLargestListPositionsWithoutOverflow) {
    CDataRadioDoc doc = Record(4);
    doc.m_bPowerSave = 1;
    doc.m_bGps = 1;
    doc.m_nPowerSaveDelay = INT32_MAX;
    doc.m_nScanDelay = INT32_MAX;
    doc.m_nGpsCycle = INT32_MAX;
    doc.m_nWaitBusyTime = INT32_MAX;
    doc.m_nPreambleSize = INT32_MIN;
    const CSheetPage page = BuildDataSheet(doc).pages[1];
    EXPECT_EQ(At(page, 3800, 2600), ": 2147483648 Sec");
    EXPECT_EQ(At(page, 3800, 5000), ": 2147483648 Sec");
    EXPECT_EQ(At(page, 9000, 5300), ": 2147483648 Hour");
    EXPECT_EQ(At(page, 9000, 7400), "");
    EXPECT_EQ(At(page, 9000, 7100), "");
}

TEST(DataSheet, PlacesItemsOnACharacterGridForTerminals) {
    CSheetPage page;
    page.push_back({0, 0, "XXXX"});
    page.push_back({108, 0, "y"});           // overwrites the second column
    page.push_back({540, 50, "far"});        // the same grid row, column 5
    page.push_back({0, 115 * 3, "near"});    // two empty rows between: closed up
    page.push_back({215, 115 * 8, "next"});  // four empty rows: one empty line
    EXPECT_EQ(DataSheetPageText(page), "XyXX far\nnear\n\n next\n");
}

TEST(DataSheet, RendersTheChannelTableAsTextLines) {
    CDataRadioDoc doc = Record(2);
    doc.m_Channel[0].m_dRxFreq = 150.0125;
    doc.m_Channel[0].m_dTxFreq = 155.0;
    doc.m_Channel[0].m_nRxOption = kSigCtcss;
    const std::string text = DataSheetText(BuildDataSheet(doc));
    std::istringstream lines(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) {
        all.push_back(line);
    }
    ASSERT_GT(all.size(), 12u);
    EXPECT_EQ(all[0], std::string(31, ' ') + "===== PC PROGRAMMER DATA SHEET =====");
    EXPECT_EQ(all[1], "   * MODEL  : KV310  VHF");
    EXPECT_EQ(
        all[5],
        "  CH  RX_FREQ(MHz)  RX_OPTION   TX_FREQ(MHz)    TX_OPTION     SCAN   WIDTH    POWER    HANG-ON");
    EXPECT_EQ(all[7], std::string(23, ' ') + "67.0");
    EXPECT_EQ(all[8],
              "   1  150.0125                  155.0000           NO         OFF    NARROW   LOW        -");
    EXPECT_EQ(all[9], std::string(21, ' ') + "(CTCSS)");
    EXPECT_EQ(all[11],
              "   2    -               NO        -                NO         OFF    NARROW   LOW        -");
    EXPECT_NE(text.find("\n\n" + std::string(37, ' ') + "====  OPTION DATA  ====\n"), std::string::npos);
}

}  // namespace
