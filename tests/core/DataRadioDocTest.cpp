#include "DataRadioDoc.h"

#include <gtest/gtest.h>

TEST(DataRadioDoc, NewRecordIsAnEmptyKv310Vhf) {
    const CDataRadioDoc doc;
    EXPECT_EQ(doc.m_nModel, 2);
    EXPECT_EQ(doc.m_nSubBand, 0);
    EXPECT_EQ(doc.CurrentBand().m_strTitle, "KV310  VHF");
    for (const CChannelData& c : doc.m_Channel) {
        EXPECT_DOUBLE_EQ(c.m_dRxFreq, 0.0);
        EXPECT_DOUBLE_EQ(c.m_dTxFreq, 0.0);
        EXPECT_EQ(c.m_nStep, kStep5000);
        EXPECT_EQ(c.m_bWide, 0);
        EXPECT_EQ(c.m_bHighPower, 0);
        EXPECT_EQ(c.m_nRxOption, kSigNone);
        EXPECT_EQ(c.m_nTxOption, kSigNone);
        EXPECT_DOUBLE_EQ(c.m_dRxCtcss, 67.0);
        EXPECT_DOUBLE_EQ(c.m_dTxCtcss, 67.0);
        EXPECT_EQ(c.m_nRxDcs, 23);
        EXPECT_EQ(c.m_nTxDcs, 23);
        EXPECT_EQ(c.m_nTwoToneGroup, 2);
        EXPECT_DOUBLE_EQ(c.m_dToneAFreq, 300.0);
        EXPECT_DOUBLE_EQ(c.m_dToneBDuration, 300.0);
    }
}

TEST(DataRadioDoc, ResetSetsTheOptionDefaults) {
    const CDataRadioDoc doc;
    EXPECT_EQ(doc.m_bSquelch, 1);
    EXPECT_EQ(doc.m_nPowerSaveDelay, 4);
    EXPECT_EQ(doc.m_nPowerSaveOnTime, 200);
    EXPECT_EQ(doc.m_nPowerSaveOffTime, 50);
    EXPECT_EQ(doc.m_nScanDelay, 3);
    EXPECT_EQ(doc.m_nScanSpeed, 100);
    EXPECT_EQ(doc.m_nGpsTxTime, 5);
    EXPECT_EQ(doc.m_nGpsDelay, 50);
    EXPECT_EQ(doc.m_nModemMode, 2);
    EXPECT_EQ(doc.m_nPreambleSize, 2);
    EXPECT_EQ(doc.m_nWaitBusyTime, 9);
    EXPECT_EQ(doc.m_nByteOption, 2);
    EXPECT_EQ(doc.m_nFlowControl, 1);
    EXPECT_EQ(doc.m_nTxDelayTime1, 3);
    EXPECT_EQ(doc.m_nTxDelayTime2, 1);
    EXPECT_EQ(doc.m_nTxOnTime, 20);
    EXPECT_EQ(doc.m_nRxOnDelay, 6);
    const std::array<uint8_t, kServiceBytes> expected = {2, 1, 10, 0, 35, 29, 0, 0, 6, 6, 10, 166, 33, 0};
    EXPECT_EQ(doc.m_ServiceBytes, expected);
}

TEST(DataRadioDoc, ServiceBytesFollowTheModelRow) {
    CDataRadioDoc doc;
    const struct {
        int model;
        uint8_t byte2;
        uint8_t byte12;
    } cases[] = {{0, 10, 32}, {1, 6, 32}, {2, 10, 33}, {3, 6, 32},
                 {4, 10, 32}, {5, 6, 32}, {6, 12, 32}, {7, 12, 32}};
    for (const auto& c : cases) {
        doc.m_nModel = c.model;
        doc.ResetToDefaults();
        EXPECT_EQ(doc.m_ServiceBytes[2], c.byte2) << "row " << c.model;
        EXPECT_EQ(doc.m_ServiceBytes[12], c.byte12) << "row " << c.model;
    }
}

TEST(DataRadioDoc, ResetKeepsModelBaudAndServicePositions) {
    CDataRadioDoc doc;
    doc.m_nModel = 5;
    doc.m_nSubBand = 1;
    doc.m_nSBandBaud = 2;
    doc.m_nNBandBaud = 1;
    doc.m_ServiceBytes[3] = 0x1D;
    doc.m_ServiceBytes[6] = 0x11;
    doc.m_ServiceBytes[7] = 0x0F;
    doc.m_nReserved3 = 9;
    doc.m_Channel[4].m_dRxFreq = 450.0;
    doc.m_bGps = 1;

    doc.ResetToDefaults();

    EXPECT_EQ(doc.m_nModel, 5);
    EXPECT_EQ(doc.m_nSubBand, 1);
    EXPECT_EQ(doc.m_nSBandBaud, 2);
    EXPECT_EQ(doc.m_nNBandBaud, 1);
    EXPECT_EQ(doc.m_ServiceBytes[3], 0x1D);
    EXPECT_EQ(doc.m_ServiceBytes[6], 0x11);
    EXPECT_EQ(doc.m_ServiceBytes[7], 0x0F);
    EXPECT_EQ(doc.m_nReserved3, 0);
    EXPECT_DOUBLE_EQ(doc.m_Channel[4].m_dRxFreq, 0.0);
    EXPECT_EQ(doc.m_bGps, 0);
}
