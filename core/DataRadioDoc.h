#pragma once
// The settings record: one radio configuration, and nothing else. Every member below is stored in the
// settings file (files/SettingsFile.cpp writes them in its order), sent to the radio in its EEPROM image
// (core/EepromImage.cpp, laid out in EepromLayout.h), or both; what the program keeps while it runs (the
// port, the two-tone lock, which pages are built) lives beside the record in the window's state. Every
// editor reads and writes these members directly and validates what it writes; the record checks nothing
// itself.
//
// Integers are 32-bit signed, flags are 32-bit integers (0 = off, anything else = on, 1 is stored for on),
// frequencies are MHz and tones Hz.

#include <array>
#include <cstdint>

#include "ModelBand.h"

constexpr int kChannels = 16;
constexpr int kServiceBytes = 14;

// Synthesizer step codes held in m_nStep.
constexpr int kStep7500 = 0;
constexpr int kStep6250 = 1;
constexpr int kStep5000 = 2;
constexpr int kStep2500 = 3;

// Signalling choices of m_nRxOption / m_nTxOption (two-tone is receive only).
constexpr int kSigNone = 0;
constexpr int kSigCtcss = 1;
constexpr int kSigDcs = 2;
constexpr int kSigTwoTone = 3;

class CChannelData {
public:
    double m_dRxFreq = 0.0;  // 0.0 = channel not programmed
    double m_dTxFreq = 0.0;
    int32_t m_bScan = 0;  // non-zero: a scan member (a decoded image gives the bit value, 1 to 128)
    int32_t m_nStep = 0;
    int32_t m_bWide = 0;
    int32_t m_nRxOption = 0;
    int32_t m_nTxOption = 0;
    double m_dRxCtcss = 0.0;
    double m_dTxCtcss = 0.0;
    int32_t m_nRxDcs = 0;  // the code's octal digits read as a decimal number: 023 is held as 23
    int32_t m_nTxDcs = 0;
    int32_t m_nTwoToneGroup = 0;  // 0 "Tone A", 1 "Tone B", 2 "Both"
    double m_dToneAFreq = 0.0;
    double m_dToneBFreq = 0.0;
    double m_dToneADuration = 0.0;
    double m_dToneBDuration = 0.0;
    int32_t m_bHighPower = 0;

    void ResetToDefaults();
};

class CDataRadioDoc {
public:
    CDataRadioDoc();

    // Sets every member that has a reset value; the model, sub-band, baud indices and the service bytes'
    // "kept" positions stay as they are. Reads m_nModel, so set the model first.
    void ResetToDefaults();

    // The catalogue row of m_nModel (row 0 for a number outside the catalogue).
    const CModelBand& CurrentBand() const {
        return ModelCatalogue()[m_nModel >= 0 && m_nModel < kModelRows ? m_nModel : 0];
    }

    // Identity: the catalogue row and its sub-band
    int32_t m_nModel = 0;
    uint8_t m_nSubBand = 0;

    std::array<CChannelData, kChannels> m_Channel{};

    // System options
    int32_t m_bSquelch = 0;
    int32_t m_nSquelchType = 0;
    int32_t m_bPowerSave = 0;
    int32_t m_nPowerSaveDelay = 0;
    int32_t m_nPowerSaveOnTime = 0;
    int32_t m_nPowerSaveOffTime = 0;
    int32_t m_bTxTimeOut = 0;
    int32_t m_nTxTimeOut = 0;
    int32_t m_bHangOn = 0;
    int32_t m_nHangOnTime = 0;
    int32_t m_bHangOnBeep = 0;
    int32_t m_bTxToneForData = 0;
    int32_t m_bExternalModulation = 0;
    int32_t m_bBusyLockout = 0;
    int32_t m_bTxMatchedSat = 0;
    int32_t m_bTxDelay = 0;
    int32_t m_nScanDelay = 0;
    int32_t m_nScanSpeed = 0;

    // GPS options
    int32_t m_bGps = 0;
    int32_t m_nGpsCycle = 0;
    int32_t m_nGpsTxTime = 0;
    int32_t m_nGpsDelay = 0;

    // Modem options
    int32_t m_bModem = 0;
    int32_t m_bModemGmsk = 0;
    int32_t m_bModemFfsk = 0;
    int32_t m_bModemAfsk = 0;
    int32_t m_bAfskBell202 = 0;
    int32_t m_nSBandBaud = 0;
    int32_t m_nNBandBaud = 0;
    int32_t m_bTestMode = 0;
    int32_t m_nModemMode = 0;  // 2 = auto, anything else = dumb
    int32_t m_bBaseBlock = 0;
    int32_t m_nBaseBlockSize = 0;
    int32_t m_nPreambleSize = 0;
    int32_t m_nWaitBusyTime = 0;
    int32_t m_nByteOption = 0;
    int32_t m_nFlowControl = 0;
    int32_t m_nTxDelayTime1 = 0;
    int32_t m_nTxDelayTime2 = 0;
    int32_t m_nStartBitErrors = 0;
    int32_t m_nTxOffDelay = 0;
    int32_t m_nTxOnTime = 0;
    int32_t m_nRxOnDelay = 0;
    int32_t m_bTxForcing = 0;
    int32_t m_bInitDataForHt = 0;

    // Service bytes carried into the radio's EEPROM
    uint8_t m_nPllIc = 0;
    std::array<uint8_t, kServiceBytes> m_ServiceBytes{};

    // Carried values: the decoder's last looked-up tones, reserved values and the calibration scan choice
    int32_t m_nLastDcs = 0;
    double m_dLastCtcss = 0.0;
    double m_dReserved1 = 0.0;
    double m_dReserved2 = 0.0;
    int32_t m_nReserved2 = 0;
    int32_t m_nReserved3 = 0;
    int32_t m_nScanMode = 0;
};

// The document title the window frame shows, whatever file was loaded or saved.
constexpr const char* kDocumentTitle = "KV310";
