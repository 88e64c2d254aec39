#include "SettingsFile.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "FileIo.h"
#include "Format.h"

namespace {

// Calls visit(member) for every stored member in file order. Doc is const for writing, mutable for reading.
template <class Doc, class Visitor>
void VisitSettingsFields(Doc& d, Visitor&& visit) {
    visit(d.m_nModel);
    visit(d.m_bModemFfsk);
    visit(d.m_bModemGmsk);
    visit(d.m_nSquelchType);
    visit(d.m_bBusyLockout);
    visit(d.m_dReserved1);
    visit(d.m_dReserved2);
    visit(d.m_nScanMode);
    visit(d.m_dLastCtcss);
    visit(d.m_nLastDcs);
    visit(d.m_nReserved2);
    visit(d.m_nTxTimeOut);
    visit(d.m_bTxTimeOut);
    visit(d.m_bTxDelay);
    visit(d.m_bTxMatchedSat);
    visit(d.m_nScanDelay);
    visit(d.m_nScanSpeed);
    visit(d.m_bPowerSave);
    visit(d.m_nPowerSaveDelay);
    visit(d.m_nGpsCycle);
    visit(d.m_nPowerSaveOnTime);
    visit(d.m_nPowerSaveOffTime);
    visit(d.m_bHangOn);
    visit(d.m_nHangOnTime);
    visit(d.m_bGps);
    visit(d.m_nGpsTxTime);
    visit(d.m_nGpsDelay);
    visit(d.m_nReserved3);
    visit(d.m_bTestMode);
    visit(d.m_nModemMode);
    visit(d.m_nTxOffDelay);
    visit(d.m_nTxOnTime);
    visit(d.m_nRxOnDelay);
    visit(d.m_bModem);
    visit(d.m_nSBandBaud);
    visit(d.m_nNBandBaud);
    visit(d.m_nBaseBlockSize);
    visit(d.m_nPreambleSize);
    visit(d.m_nWaitBusyTime);
    visit(d.m_nByteOption);
    visit(d.m_nFlowControl);
    visit(d.m_nTxDelayTime1);
    visit(d.m_nTxDelayTime2);
    visit(d.m_bTxForcing);
    visit(d.m_bHangOnBeep);
    visit(d.m_bTxToneForData);
    visit(d.m_nStartBitErrors);
    visit(d.m_bSquelch);
    visit(d.m_bBaseBlock);
    visit(d.m_bInitDataForHt);
    visit(d.m_bModemAfsk);
    visit(d.m_bAfskBell202);

    for (auto& c : d.m_Channel) {
        visit(c.m_dRxFreq);
        visit(c.m_dTxFreq);
        visit(c.m_bScan);
        visit(c.m_nStep);
        visit(c.m_bWide);
        visit(c.m_nRxOption);
        visit(c.m_nTxOption);
        visit(c.m_dRxCtcss);
        visit(c.m_dTxCtcss);
        visit(c.m_nRxDcs);
        visit(c.m_nTxDcs);
        visit(c.m_nTwoToneGroup);
        // both tone frequencies come before both durations
        visit(c.m_dToneAFreq);
        visit(c.m_dToneBFreq);
        visit(c.m_dToneADuration);
        visit(c.m_dToneBDuration);
        visit(c.m_bHighPower);
    }

    visit(d.m_ServiceBytes[13]);
    visit(d.m_ServiceBytes[12]);
    visit(d.m_nSubBand);
    visit(d.m_bExternalModulation);
}

// Little-endian byte order, whatever the host's.
template <class T>
void PutLe(std::vector<uint8_t>& out, T value) {
    uint64_t raw = 0;
    std::memcpy(&raw, &value, sizeof value);
    for (size_t i = 0; i < sizeof value; ++i) {
        out.push_back(static_cast<uint8_t>(raw >> (8 * i)));
    }
}

template <class T>
T GetLe(const uint8_t* in) {
    uint64_t raw = 0;
    for (size_t i = 0; i < sizeof(T); ++i) {
        raw |= static_cast<uint64_t>(in[i]) << (8 * i);
    }
    T value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

}  // namespace

std::vector<uint8_t> SettingsFileBytes(const CDataRadioDoc& doc) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kSettingsFileSize);
    VisitSettingsFields(doc, [&bytes](const auto& member) { PutLe(bytes, member); });
    return bytes;
}

bool ApplySettingsFileBytes(CDataRadioDoc& doc, const std::vector<uint8_t>& bytes) {
    if (bytes.size() < sizeof(int32_t)) {
        return true;  // nothing to read, nothing changes
    }
    const int32_t model = GetLe<int32_t>(bytes.data());
    if (model < 0 || model > 5) {
        return false;
    }
    size_t offset = 0;
    VisitSettingsFields(doc, [&](auto& member) {
        using T = std::remove_reference_t<decltype(member)>;
        // a member whose bytes are not all in the file keeps its value
        if (offset + sizeof(T) <= bytes.size()) {
            member = GetLe<T>(bytes.data() + offset);
        }
        offset += sizeof(T);
    });
    return true;
}

bool OnSaveDocument(const CDataRadioDoc& doc, const std::string& path, CMessageSink& sink) {
    std::string reason;
    if (!WriteFileAtomically(path, SettingsFileBytes(doc), &reason)) {
        // the first line as it always was; then why, and that the file on disk is as it was before
        std::string why = LookUpText(KV310_MESSAGES, kMsgSaveFailedWhy);
        FillField(why, "{file}", path);
        FillField(why, "{reason}", reason);
        sink.ShowMessage(std::string(kMsgCannotSave) + "\n" + why);
        return false;
    }
    return true;
}

namespace {

// The file's bytes, or false after telling the user why they cannot be had.
bool ReadSettingsBytes(const std::string& path, CMessageSink& sink, std::vector<uint8_t>& bytes) {
    if (::access(path.c_str(), R_OK) != 0) {
        sink.ShowMessage(kMsgOpenFailed);
        return false;
    }
    if (IsSpecialFile(path)) {
        sink.ShowMessage(kMsgNotAFile);
        return false;
    }
    // Read-only access is enough: a write-protected settings file loads like any other.
    if (!ReadFileBytes(path, bytes, kSettingsFileSize)) {
        sink.ShowMessage(kMsgCannotOpen);
        return false;
    }
    return true;
}

}  // namespace

bool OnOpenDocument(CDataRadioDoc& doc, const std::string& path, CMessageSink& sink, bool* accepted) {
    if (accepted != nullptr) {
        *accepted = false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadSettingsBytes(path, sink, bytes)) {
        return false;
    }
    if (!ApplySettingsFileBytes(doc, bytes)) {
        sink.ShowMessage(kMsgCorruptFile);
        return true;
    }
    if (bytes.size() < kSettingsFileSize) {
        sink.ShowMessage(ShortFileText(bytes.size()));
    }
    if (accepted != nullptr) {
        *accepted = true;
    }
    return true;
}

bool LoadSettingsForItsModel(CDataRadioDoc& doc, const std::string& path, CMessageSink& sink,
                             bool* accepted) {
    if (accepted != nullptr) {
        *accepted = false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadSettingsBytes(path, sink, bytes)) {
        return false;
    }
    CDataRadioDoc loaded = doc;
    if (bytes.size() >= sizeof(int32_t)) {
        const int32_t model = GetLe<int32_t>(bytes.data());
        if (model >= 0 && model < kModelRows) {
            loaded.m_nModel = model;
            loaded.ResetToDefaults();
        }
    }
    if (!ApplySettingsFileBytes(loaded, bytes)) {
        sink.ShowMessage(kMsgCorruptFile);
        return true;
    }
    doc = loaded;
    if (bytes.size() < kSettingsFileSize) {
        sink.ShowMessage(ShortFileText(bytes.size()));
    }
    if (accepted != nullptr) {
        *accepted = true;
    }
    return true;
}

std::string WrongSizeText(const std::string& path, size_t size) {
    return path + " is not a whole settings file: it has " + std::to_string(size) +
           " bytes, a settings file has " + std::to_string(kSettingsFileSize) +
           (size < kSettingsFileSize ? " (was it cut short?)" : "");
}

std::string ShortFileText(size_t size) {
    const size_t wholeChannels =
        size < kSettingsChannelBase
            ? 0
            : std::min<size_t>(16, (size - kSettingsChannelBase) / kSettingsChannelSize);
    if (wholeChannels == 0) {
        return TextPrintf(
            KV310_MESSAGES,
            KV310_TEXT("Messages",
                       "This file is shorter than a settings file (%zu of %zu bytes): only what it "
                       "holds was loaded, no channel whole; the rest kept its values. Check the "
                       "configuration before writing it to a radio."),
            size, kSettingsFileSize);
    }
    if (wholeChannels < 16) {
        return TextPrintf(
            KV310_MESSAGES,
            KV310_TEXT("Messages",
                       "This file is shorter than a settings file (%zu of %zu bytes): only what it "
                       "holds was loaded, channels 1 to %zu whole; the rest kept its values. Check "
                       "the configuration before writing it to a radio."),
            size, kSettingsFileSize, wholeChannels);
    }
    return TextPrintf(
        KV310_MESSAGES,
        KV310_TEXT("Messages",
                   "This file is shorter than a settings file (%zu of %zu bytes): only what it holds "
                   "was loaded; the rest kept its values. Check the configuration before writing it "
                   "to a radio."),
        size, kSettingsFileSize);
}
