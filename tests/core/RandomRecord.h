#pragma once
// Random settings records as the editors leave them (values the image carries exactly), and the checks that
// a record came back from the image whole: shared by the codec's round trip and the write's merge.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "DataRadioDoc.h"
#include "EepromImage.h"
#include "FrequencyRules.h"
#include "ModelBand.h"
#include "Tones.h"

inline CDataRadioDoc DefaultRecord(int model) {
    CDataRadioDoc doc;
    doc.m_nModel = model;
    doc.ResetToDefaults();
    return doc;
}

class CRandomRecord {
public:
    explicit CRandomRecord(uint32_t seed) : m_Rng(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_Rng); }

    // A record as the editors leave it, holding only values the image carries exactly.
    CDataRadioDoc Make(int row) {
        CDataRadioDoc doc = DefaultRecord(row);
        doc.m_nSubBand = static_cast<uint8_t>(row == 3 || row == 5 ? Int(0, 1) : 0);
        for (int i = 0; i < kChannels; ++i) {
            if (Int(0, 3) != 0) {
                MakeChannel(doc, row, doc.m_Channel[i]);
            }
            doc.m_Channel[i].m_bScan = Int(0, 1);
        }
        MakeSystem(doc);
        MakeModem(doc);
        for (int k : {0, 4, 5, 8, 9, 10, 11, 13}) {
            doc.m_ServiceBytes[k] = static_cast<uint8_t>(Int(0, 255));
        }
        doc.m_ServiceBytes[1] = static_cast<uint8_t>(Int(0, 127));
        doc.m_ServiceBytes[2] = static_cast<uint8_t>(Int(0, 127));
        doc.m_ServiceBytes[3] = 0x1D;
        doc.m_ServiceBytes[6] = 0x11;
        doc.m_ServiceBytes[7] = 0x0F;
        doc.m_ServiceBytes[12] = static_cast<uint8_t>(row == 0 || row == 2 ? Int(0, 255) | 0x20 : 0x20);
        return doc;
    }

private:
    // A frequency on the channel's raster: the synthesizer count times the step, less the IF offset.
    double OnGrid(double lowMhz, double highMhz, int32_t stepHz, int64_t offsetHz) {
        const int64_t first = static_cast<int64_t>(std::ceil((lowMhz * 1e6 + offsetHz) / stepHz));
        const int64_t last = static_cast<int64_t>(std::floor((highMhz * 1e6 + offsetHz) / stepHz));
        const int64_t count = std::uniform_int_distribution<int64_t>(first, last)(m_Rng);
        return static_cast<double>(count * stepHz - offsetHz) / 1e6;
    }

    void MakeChannel(const CDataRadioDoc& doc, int row, CChannelData& channel) {
        double low = 138.0;
        double high = 174.0;
        if (row % 2 == 1) {
            low = doc.m_nSubBand == 0 ? 390.0 : 440.0;
            high = doc.m_nSubBand == 0 ? 440.0 : 490.0;
        }
        do {
            channel.m_nStep = Int(0, 3);
        } while (!RowAcceptsStep(row, channel.m_nStep));
        const int32_t step = StepHz(channel.m_nStep);
        channel.m_dRxFreq = OnGrid(low, high, step, ReceiveOffsetHz(row));
        channel.m_dTxFreq = OnGrid(low, high, step, 0);
        channel.m_bWide = Int(0, 1);
        channel.m_bHighPower = row >= 2 ? Int(0, 1) : 0;
        const bool twoTone = row == 0 || row == 1 || row == 4 || row == 5;
        channel.m_nRxOption = Int(0, twoTone ? 3 : 2);
        channel.m_nTxOption = Int(0, 2);
        if (channel.m_nRxOption == kSigCtcss) {
            channel.m_dRxCtcss = kCtcssTable[Int(0, kCtcssTones - 1)];
        } else if (channel.m_nRxOption == kSigDcs) {
            channel.m_nRxDcs = kDcsTable[Int(0, kDcsCodes - 1)];
        } else if (channel.m_nRxOption == kSigTwoTone) {
            channel.m_nTwoToneGroup = Int(0, 2);
            channel.m_dToneAFreq = Int(300, 3000);
            channel.m_dToneBFreq = Int(300, 3000);
            channel.m_dToneADuration = Int(10, 1000) * 10;
            channel.m_dToneBDuration = Int(10, 1000) * 10;
        }
        if (channel.m_nTxOption == kSigCtcss) {
            channel.m_dTxCtcss = kCtcssTable[Int(0, kCtcssTones - 1)];
        } else if (channel.m_nTxOption == kSigDcs) {
            channel.m_nTxDcs = kDcsTable[Int(0, kDcsCodes - 1)];
        }
    }

    void MakeSystem(CDataRadioDoc& doc) {
        doc.m_bSquelch = Int(0, 1);
        doc.m_nSquelchType = Int(0, 1);
        doc.m_bPowerSave = Int(0, 1);
        doc.m_nPowerSaveDelay = doc.m_bPowerSave ? Int(0, 4) : 0;
        doc.m_nPowerSaveOffTime = doc.m_bPowerSave ? Int(0, 15) * 20 + 30 : 30;
        doc.m_nPowerSaveOnTime = Int(0, 235) * 10 + 20;
        doc.m_bTxTimeOut = Int(0, 1);
        doc.m_nTxTimeOut = Int(0, 255) * 10;
        doc.m_bHangOn = Int(0, 1);
        doc.m_nHangOnTime = doc.m_bHangOn ? Int(18, 200) * 10 : 180;
        doc.m_bHangOnBeep = Int(0, 1);
        doc.m_bTxToneForData = Int(0, 1);
        doc.m_bExternalModulation = Int(0, 1);
        doc.m_bBusyLockout = Int(0, 1);
        doc.m_bTxMatchedSat = Int(0, 1);
        doc.m_bTxDelay = Int(0, 1);
        doc.m_nScanDelay = Int(0, 14);
        doc.m_nScanSpeed = Int(1, 100) * 10;
        doc.m_bGps = Int(0, 1);
        doc.m_nGpsCycle = Int(0, 23);
        doc.m_nGpsTxTime = Int(0, 255);
        doc.m_nGpsDelay = Int(5, 255) * 10;
    }

    void MakeModem(CDataRadioDoc& doc) {
        doc.m_bModem = Int(0, 1);
        const int type = Int(0, 2);
        doc.m_bModemGmsk = type == 0;
        doc.m_bModemFfsk = type == 1;
        doc.m_bModemAfsk = type == 2;
        if (doc.m_bModem && type == 0) {
            doc.m_nSBandBaud = Int(0, 1);
        } else if (doc.m_bModem && type == 1) {
            doc.m_nSBandBaud = Int(0, 2);
            doc.m_nNBandBaud = Int(0, 1);
        }
        doc.m_bAfskBell202 = Int(0, 1);
        doc.m_nModemMode = Int(1, 2);
        doc.m_bBaseBlock = Int(0, 1);
        doc.m_nBaseBlockSize = Int(0, 9);
        doc.m_nPreambleSize = Int(0, 15);
        doc.m_nWaitBusyTime = Int(0, 15);
        doc.m_nFlowControl = Int(0, 2);
        doc.m_nTxDelayTime1 = Int(0, 15);
        doc.m_nTxDelayTime2 = Int(0, 5);
        doc.m_nStartBitErrors = Int(0, 3);
        doc.m_nTxOffDelay = Int(0, 8) * 2;
        doc.m_nTxOnTime = Int(0, 127) * 2;
        doc.m_nRxOnDelay = Int(0, 63) * 2;
        doc.m_bTxForcing = Int(0, 1);
        doc.m_bInitDataForHt = Int(0, 1);
    }

    std::mt19937 m_Rng;
};

#define EXPECT_MEMBER(member) EXPECT_EQ(back.member, doc.member) << #member << " " << where
#define EXPECT_FLAG(member) EXPECT_EQ(back.member != 0, doc.member != 0) << #member << " " << where

inline void ExpectChannelSurvived(const CChannelData& doc, const CChannelData& back,
                                  const std::string& where) {
    EXPECT_MEMBER(m_dRxFreq);
    EXPECT_MEMBER(m_dTxFreq);
    EXPECT_FLAG(m_bScan);
    EXPECT_MEMBER(m_nStep);
    EXPECT_MEMBER(m_bWide);
    EXPECT_MEMBER(m_bHighPower);
    EXPECT_MEMBER(m_nRxOption);
    EXPECT_MEMBER(m_nTxOption);
    EXPECT_MEMBER(m_dRxCtcss);
    EXPECT_MEMBER(m_dTxCtcss);
    EXPECT_MEMBER(m_nRxDcs);
    EXPECT_MEMBER(m_nTxDcs);
    EXPECT_MEMBER(m_nTwoToneGroup);
    // the tone decoder's coefficients hold about four digits, its duration count 2.048 ms
    EXPECT_NEAR(back.m_dToneAFreq, doc.m_dToneAFreq, doc.m_dToneAFreq * 2e-4 + 0.01) << where;
    EXPECT_NEAR(back.m_dToneBFreq, doc.m_dToneBFreq, doc.m_dToneBFreq * 2e-4 + 0.01) << where;
    EXPECT_NEAR(back.m_dToneADuration, doc.m_dToneADuration, 10.0) << where;
    EXPECT_NEAR(back.m_dToneBDuration, doc.m_dToneBDuration, 10.0) << where;
}

inline void ExpectRecordSurvived(const CDataRadioDoc& doc, const CDataRadioDoc& back,
                                 const std::string& where) {
    EXPECT_MEMBER(m_nModel);
    EXPECT_MEMBER(m_nSubBand);
    for (int i = 0; i < kChannels; ++i) {
        ExpectChannelSurvived(doc.m_Channel[i], back.m_Channel[i], where + " channel " + std::to_string(i));
    }
    EXPECT_MEMBER(m_bSquelch);
    EXPECT_MEMBER(m_nSquelchType);
    EXPECT_MEMBER(m_bPowerSave);
    EXPECT_MEMBER(m_nPowerSaveDelay);
    EXPECT_MEMBER(m_nPowerSaveOnTime);
    EXPECT_MEMBER(m_nPowerSaveOffTime);
    EXPECT_MEMBER(m_bTxTimeOut);
    EXPECT_MEMBER(m_nTxTimeOut);
    EXPECT_MEMBER(m_bHangOn);
    EXPECT_MEMBER(m_nHangOnTime);
    EXPECT_MEMBER(m_bHangOnBeep);
    EXPECT_MEMBER(m_bTxToneForData);
    EXPECT_MEMBER(m_bExternalModulation);
    EXPECT_MEMBER(m_bBusyLockout);
    EXPECT_MEMBER(m_bTxMatchedSat);
    EXPECT_MEMBER(m_bTxDelay);
    EXPECT_MEMBER(m_nScanDelay);
    EXPECT_MEMBER(m_nScanSpeed);
    EXPECT_MEMBER(m_bGps);
    EXPECT_MEMBER(m_nGpsCycle);
    EXPECT_MEMBER(m_nGpsTxTime);
    EXPECT_MEMBER(m_nGpsDelay);
    EXPECT_MEMBER(m_bModem);
    EXPECT_MEMBER(m_bModemGmsk);
    EXPECT_MEMBER(m_bModemFfsk);
    EXPECT_MEMBER(m_bModemAfsk);
    EXPECT_MEMBER(m_bAfskBell202);
    EXPECT_MEMBER(m_nSBandBaud);
    EXPECT_MEMBER(m_nNBandBaud);
    EXPECT_MEMBER(m_nModemMode);
    EXPECT_MEMBER(m_bBaseBlock);
    EXPECT_MEMBER(m_nBaseBlockSize);
    EXPECT_MEMBER(m_nPreambleSize);
    EXPECT_MEMBER(m_nWaitBusyTime);
    EXPECT_MEMBER(m_nFlowControl);
    EXPECT_MEMBER(m_nTxDelayTime1);
    EXPECT_MEMBER(m_nTxDelayTime2);
    EXPECT_MEMBER(m_nStartBitErrors);
    EXPECT_MEMBER(m_nTxOffDelay);
    EXPECT_MEMBER(m_nTxOnTime);
    EXPECT_MEMBER(m_nRxOnDelay);
    EXPECT_MEMBER(m_bTxForcing);
    EXPECT_FLAG(m_bInitDataForHt);
    EXPECT_EQ(back.m_ServiceBytes, doc.m_ServiceBytes) << where;
}
