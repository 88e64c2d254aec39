#include "ModemRules.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

TEST(ModemRules, BaudListsStandInAscendingTextOrderWithEachTypesChoice) {
    const struct {
        EModemType type;
        Texts s;
        Texts n;
        int32_t sChoice;
        int32_t nChoice;
    } cases[] = {
        {EModemType::Gmsk, {"4800", "9600"}, {"4800"}, 1, 0},
        {EModemType::Ffsk, {"1200", "2400", "4800"}, {"1200", "2400"}, 2, 1},
        {EModemType::Afsk, {"1200"}, {"1200"}, 0, 0},
    };
    for (const auto& c : cases) {
        const SBaudLists lists = BaudLists(c.type);
        EXPECT_EQ(lists.m_SBand, c.s);
        EXPECT_EQ(lists.m_NBand, c.n);
        EXPECT_EQ(lists.m_nSChoice, c.sChoice);
        EXPECT_EQ(lists.m_nNChoice, c.nChoice);
    }
}

TEST(ModemRules, ApplyModemRulesKeepsOneTypeAndBaudIndexesTheTypeOffers) {
    CDataRadioDoc doc;
    doc.m_bModemFfsk = 1;
    doc.m_bModemAfsk = 1;
    doc.m_bModem = 1;
    doc.m_nSBandBaud = 7;
    doc.m_nNBandBaud = 1;
    ApplyModemRules(doc);
    EXPECT_EQ(ModemTypeOf(doc), EModemType::Ffsk);
    EXPECT_EQ(doc.m_bModemAfsk, 0);
    EXPECT_EQ(doc.m_bModem, 1);
    EXPECT_EQ(doc.m_nSBandBaud, 2);
    EXPECT_EQ(doc.m_nNBandBaud, 1);

    doc.m_bModemFfsk = 0;
    doc.m_bModemAfsk = 0;
    ApplyModemRules(doc);
    EXPECT_EQ(doc.m_bModem, 0);  // no type, no modem
}

TEST(ModemRules, SignallingNoticesNameTheFirstClashOfTheType) {
    CDataRadioDoc doc;
    doc.m_Channel[4].m_nTxOption = kSigDcs;
    doc.m_Channel[9].m_nRxOption = kSigTwoTone;
    doc.m_bModemGmsk = 1;
    EXPECT_EQ(ModemSignallingNotice(doc), "Tone isn't used in GMSK modem");
    doc.m_bModemGmsk = 0;
    doc.m_bModemFfsk = 1;
    EXPECT_EQ(ModemSignallingNotice(doc), "Two Tone isn't used in FFSK modem");
    doc.m_Channel[9].m_nRxOption = kSigCtcss;
    EXPECT_EQ(ModemSignallingNotice(doc), "");
}

TEST(ModemRules, TxDelay2BelowFourHundredIsRefusedOnlyOnTheOldVhfRows) {
    EXPECT_EQ(TxDelay2Refusal(0, 3), "KV140 dosen't have under 400 value");
    EXPECT_EQ(TxDelay2Refusal(kModelKv310Vhf, 2), "KV150 dosen't have under 400 value");
    EXPECT_EQ(TxDelay2Refusal(kModelKv310Vhf, 4), "");
    EXPECT_EQ(TxDelay2Refusal(kModelKv330Vhf, 0), "");
}

TEST(ModemRules, TheScanWarningSaysWhatIsAndWhatYesDoes) {
    EXPECT_EQ(ScanWarningStateText(1), "1 channel is a scan member while the modem is being enabled.");
    EXPECT_EQ(ScanWarningStateText(3), "3 channels are scan members while the modem is being enabled.");
    CDataRadioDoc doc;
    doc.m_Channel[0].m_bScan = 1;
    doc.m_Channel[15].m_bScan = 1;
    EXPECT_EQ(ScanMemberCount(doc), 2);
    ClearScanMarks(doc);
    EXPECT_EQ(ScanMemberCount(doc), 0);
}
