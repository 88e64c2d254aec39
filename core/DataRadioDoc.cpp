#include "DataRadioDoc.h"

void CChannelData::ResetToDefaults() {
    m_dRxFreq = 0.0;
    m_dTxFreq = 0.0;
    m_bScan = 0;
    m_nStep = kStep5000;
    m_bWide = 0;
    m_nRxOption = kSigNone;
    m_nTxOption = kSigNone;
    m_dRxCtcss = 67.0;
    m_dTxCtcss = 67.0;
    m_nRxDcs = 23;
    m_nTxDcs = 23;
    m_nTwoToneGroup = 2;
    m_dToneAFreq = 300.0;
    m_dToneBFreq = 300.0;
    m_dToneADuration = 300.0;
    m_dToneBDuration = 300.0;
    m_bHighPower = 0;
}

CDataRadioDoc::CDataRadioDoc() {
    m_nModel = kModelKv310Vhf;
    m_nSubBand = 0;
    ResetToDefaults();
}

void CDataRadioDoc::ResetToDefaults() {
    for (CChannelData& channel : m_Channel) {
        channel.ResetToDefaults();
    }

    m_bSquelch = 1;
    m_nSquelchType = 0;
    m_bPowerSave = 0;
    m_nPowerSaveDelay = 4;
    m_nPowerSaveOnTime = 200;
    m_nPowerSaveOffTime = 50;
    m_bTxTimeOut = 0;
    m_nTxTimeOut = 0;
    m_bHangOn = 0;
    m_nHangOnTime = 0;
    m_bHangOnBeep = 0;
    m_bTxToneForData = 0;
    m_bExternalModulation = 0;
    m_bBusyLockout = 0;
    m_bTxMatchedSat = 0;
    m_bTxDelay = 0;
    m_nScanDelay = 3;
    m_nScanSpeed = 100;

    m_bGps = 0;
    m_nGpsCycle = 0;
    m_nGpsTxTime = 5;
    m_nGpsDelay = 50;

    m_bModem = 0;
    m_bModemGmsk = 0;
    m_bModemFfsk = 0;
    m_bModemAfsk = 0;
    m_bAfskBell202 = 0;
    m_bTestMode = 0;
    m_nModemMode = 2;
    m_bBaseBlock = 0;
    m_nBaseBlockSize = 0;
    m_nPreambleSize = 2;
    m_nWaitBusyTime = 9;
    m_nByteOption = 2;
    m_nFlowControl = 1;
    m_nTxDelayTime1 = 3;
    m_nTxDelayTime2 = 1;
    m_nStartBitErrors = 0;
    m_nTxOffDelay = 0;
    m_nTxOnTime = 20;
    m_nRxOnDelay = 6;
    m_bTxForcing = 0;
    m_bInitDataForHt = 0;

    m_nPllIc = 0;
    // positions 3, 6 and 7 are kept; 2 and 12 depend on the model row
    m_ServiceBytes[0] = 2;
    m_ServiceBytes[1] = 1;
    m_ServiceBytes[2] = 12;
    if (m_nModel == 0 || m_nModel == 2 || m_nModel == 4) {
        m_ServiceBytes[2] = 10;
    } else if (m_nModel == 1 || m_nModel == 3 || m_nModel == 5) {
        m_ServiceBytes[2] = 6;
    }
    m_ServiceBytes[4] = 35;
    m_ServiceBytes[5] = 29;
    m_ServiceBytes[8] = 6;
    m_ServiceBytes[9] = 6;
    m_ServiceBytes[10] = 10;
    m_ServiceBytes[11] = 166;
    m_ServiceBytes[12] = m_nModel == kModelKv310Vhf ? 33 : 32;
    m_ServiceBytes[13] = 0;

    m_nReserved3 = 0;
}
