#include "ConfigDiff.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ChannelCsv.h"
#include "ConfigFields.h"
#include "EepromImage.h"
#include "SettingsFile.h"

using ::testing::ElementsAre;

namespace {

SConfig Plan(int32_t model = kModelKv310Vhf) {
    return {FreshRecord(model, 0), true};
}

}  // namespace

TEST(ConfigDiff, NamesEachDifferingFieldWithBothValues) {
    SConfig a = Plan();
    SConfig b = Plan();
    EXPECT_TRUE(DiffConfigs(a, b).empty());
    a.doc.m_Channel[2].m_dRxFreq = 151.0125;
    b.doc.m_Channel[2].m_dRxFreq = 151.025;
    b.doc.m_Channel[2].m_nRxOption = kSigCtcss;
    b.doc.m_Channel[2].m_dRxCtcss = 71.9;
    b.doc.m_nScanDelay = 9;
    b.doc.m_bModemGmsk = 1;
    b.doc.m_nSBandBaud = 1;
    b.doc.m_nReserved2 = 7;
    EXPECT_THAT(DiffConfigs(a, b),
                ElementsAre("channel 3 rx: 151.01250 -> 151.02500", "channel 3 rx signalling: none -> ctcss",
                            "channel 3 rx ctcss: 67.0 -> 71.9", "scan delay: 4 s -> 10 s",
                            "gmsk: false -> true", "s-band baud: raw 0 -> 9600", "reserved int 2: 0 -> 7"));
}

TEST(ConfigDiff, ValuesNoPageShowsCountOnlyBetweenTwoFiles) {
    SConfig a = Plan();
    SConfig b = Plan();
    b.doc.m_Channel[0].m_nTxDcs = 754;  // kept for a signalling the channel does not use
    b.doc.m_dReserved1 = 2.5;
    EXPECT_THAT(DiffConfigs(a, b), ElementsAre("channel 1 tx dcs: 023 -> 754", "reserved 1: 0 -> 2.5"));
    a.bCarried = b.bCarried = false;  // as if both were EEPROM images
    EXPECT_TRUE(DiffConfigs(a, b).empty());
}

TEST(ConfigDiff, AnAuditComparesThePlanAsTheRadioWouldHoldIt) {
    SConfig plan = Plan();
    plan.doc.m_Channel[0].m_dRxFreq = 151.0123;  // off the grid: the radio rounds it
    plan.doc.m_Channel[0].m_dTxFreq = 151.0125;
    plan.doc.m_nHangOnTime = 0;  // timer off: the radio keeps its shortest time
    CEepromImage image;
    CDataRadioDoc written = plan.doc;
    image.EncodeImage(written);
    SConfig radio{CDataRadioDoc(), false};
    image.DecodeImage(radio.doc);
    EXPECT_TRUE(DiffConfigs(plan, radio).empty());
    radio.doc.m_Channel[4].m_bHighPower = 1;
    EXPECT_THAT(DiffConfigs(plan, radio), ElementsAre("channel 5 power: low -> high"));
}

TEST(ChannelCsv, ReplacesTheChannelsAndKeepsTheRest) {
    CDataRadioDoc source = FreshRecord(kModelKv330Uhf, 0);
    source.m_Channel[5].m_dRxFreq = 401.5;
    source.m_Channel[5].m_nTxOption = kSigDcs;
    source.m_Channel[5].m_nTxDcs = 131;
    source.m_Channel[5].m_dRxCtcss = 0.5;  // no tone of the list: carried raw
    CDataRadioDoc base = FreshRecord(kModelKv330Uhf, 0);
    base.m_nScanSpeed = 500;
    std::string error;
    const std::string csv = ExportChannelCsv(source);
    EXPECT_NE(
        csv.find(
            "\n6,401.50000,0.00000,5,narrow,low,false,none,raw:0.5,023,both,300,300,300,300,dcs,67.0,131\n"),
        std::string::npos)
        << csv;
    ASSERT_TRUE(ImportChannelCsv(csv, "c.csv", base, error)) << error;
    EXPECT_EQ(base.m_nScanSpeed, 500);
    source.m_nScanSpeed = 500;
    EXPECT_EQ(SettingsFileBytes(base), SettingsFileBytes(source));
}

TEST(ChannelCsv, RefusesABadSheetNamingTheLineAndColumn) {
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"channel,rx_mhz\n3,600\n", "c.csv:2: channel 3 rx_mhz: '600' is not allowed"},
        {"\xEF\xBB\xBF"
         "channel,colour\n",
         "c.csv:1: column 'colour' is unknown"},
        {"rx_mhz\n151\n", "c.csv:1: the header row needs a 'channel' column"},
        {"channel,rx_mhz\n3\n", "c.csv:2: the row has 1 cells, the header 2"},
        {"channel,rx_mhz\n17,151\n", "c.csv:2: channel: '17' is no channel"},
        {"channel,width\r\n1,wide\r\n1,narrow\r\n", "c.csv:3: channel: '1' is given twice"},
        {"channel,tx_type\n1,two-tone\n",
         "c.csv:2: channel 1 tx_type: 'two-tone' is not allowed: give none | ctcss | dcs"},
    };
    for (const auto& c : cases) {
        CDataRadioDoc doc = FreshRecord(kModelKv310Vhf, 0);
        doc.m_Channel[0].m_bWide = 0;
        std::string error;
        EXPECT_FALSE(ImportChannelCsv(c.text, "c.csv", doc, error));
        EXPECT_NE(error.find(c.error), std::string::npos) << "got: " << error << "\nwanted: " << c.error;
        EXPECT_EQ(doc.m_Channel[0].m_bWide, 0);  // nothing of a refused sheet is kept
    }
}
