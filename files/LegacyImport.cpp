#include "LegacyImport.h"

#include <cctype>

#include "FileIo.h"
#include "Format.h"
#include "SettingsFile.h"

namespace {

constexpr int kLegacyChannels = 16;
constexpr size_t kSynthWordSize = 3;
constexpr size_t kChannelWords = 6;  // receive and transmit synthesizer words
constexpr size_t kFlags = 114;
constexpr uint8_t kBandVhfBit = 0x02;
constexpr uint8_t kTxTimeOutBit = 0x20;
constexpr uint8_t kBusyLockoutBit = 0x40;
constexpr size_t kTxTimeOut = 115;
constexpr size_t kPowerSaveOffTime = 116;
constexpr size_t kPowerSave = 117;
constexpr size_t kWidthBits = 142;
constexpr size_t kStepBits = 144;
constexpr double kLegacyIfHz = 45100000.0;

// The hex records need their first seven characters; the rest is separator and line end.
constexpr size_t kRecordDataChars = 7;

int HexDigit(uint8_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return 0;  // anything else counts as 0, as the KV110 software wrote and read it
}

int HexByte(const uint8_t* chars) {
    return HexDigit(chars[0]) * 16 + HexDigit(chars[1]);
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool ChannelBit(const CLegacyImage& image, size_t base, int channel) {
    return (image[base + channel / 8] >> (channel % 8) & 1) != 0;
}

// A synthesizer word's divider value, 0 for an unprogrammed word.
int64_t LegacyDivider(const uint8_t* word) {
    const int64_t a = word[0] & 0x3F;
    const int64_t n = 2 * word[1] + (word[0] >> 7 & 1) + 512 * (word[2] >> 7 & 1) + 1024 * (word[0] >> 6 & 1);
    return 64 * n + a;
}

void DecodeHangOn(const CLegacyImage& image, CDataRadioDoc& doc, CMessageSink& sink) {
    const std::string& title = ModelCatalogue()[kModelKv330Uhf].m_strTitle;
    int reference = image[5] & 0x0F;
    bool mixed = false;
    for (int c = 1; c < kLegacyChannels; ++c) {
        const int code = image[kChannelWords * c + 5] & 0x0F;
        if (code != reference) {
            mixed = true;
            if (code != 0) {
                reference = code;
            }
        }
    }
    if (mixed) {
        sink.ShowMessage(TextPrintf(
            KV310_MESSAGES,
            KV310_TEXT("Messages", "Hangon time for %s can be set \r\nonly one value for all channel"),
            title.c_str()));
    }
    if (reference == 0) {
        doc.m_nHangOnTime = 0;
        doc.m_bHangOn = 0;
    } else if (reference <= 4) {
        doc.m_nHangOnTime = reference * 500;
        doc.m_bHangOn = 1;
    } else {
        sink.ShowMessage(TextPrintf(KV310_MESSAGES,
                                    KV310_TEXT("Messages", "%s is supported 180 - 2000 ms for hangon time"),
                                    title.c_str()));
        doc.m_nHangOnTime = 2000;
        doc.m_bHangOn = 1;
    }
}

void DecodeOptions(const CLegacyImage& image, CDataRadioDoc& doc, bool vhf, CMessageSink& sink) {
    if ((image[kFlags] & kTxTimeOutBit) != 0) {
        doc.m_bTxTimeOut = 1;
        doc.m_nTxTimeOut = image[kTxTimeOut] * 10;
    }
    if ((image[kFlags] & kBusyLockoutBit) != 0) {
        doc.m_bBusyLockout = 1;
    }
    if (((image[kFlags] & kBandVhfBit) != 0) != vhf) {
        sink.ShowMessage(kMsgModelTypeWrong);
    }
    if ((image[kPowerSave] & 0x80) != 0) {
        doc.m_bPowerSave = 1;
        doc.m_nPowerSaveDelay = image[kPowerSave] >> 4 & 7;
        doc.m_nPowerSaveOnTime = (image[kPowerSave] & 0x0F) * 10 + 10;
        doc.m_nPowerSaveOffTime = image[kPowerSaveOffTime] * 50 + 50;
    }
}

void DecodeChannels(const CLegacyImage& image, CDataRadioDoc& doc, bool vhf) {
    for (int c = 0; c < kLegacyChannels; ++c) {
        CChannelData& channel = doc.m_Channel[c];
        channel.m_bWide = ChannelBit(image, kWidthBits, c) ? 1 : 0;
        const bool fine = ChannelBit(image, kStepBits, c);
        const double stepHz = fine ? 6250.0 : 5000.0;
        channel.m_nStep = fine ? kStep6250 : kStep5000;

        const uint8_t* rx = image.data() + kChannelWords * c;
        const uint8_t* tx = rx + kSynthWordSize;
        if ((rx[2] & 0x7F) == 0) {
            channel.m_bHighPower = 1;
        }
        const int64_t rxDivider = LegacyDivider(rx);
        const int64_t txDivider = LegacyDivider(tx);
        // the KV110's receiver mixes 45.1 MHz below the VHF and above the UHF signal
        const double ifHz = vhf ? -kLegacyIfHz : kLegacyIfHz;
        channel.m_dRxFreq = rxDivider == 0 ? 0.0 : (static_cast<double>(rxDivider) * stepHz + ifHz) / 1e6;
        channel.m_dTxFreq = txDivider == 0 ? 0.0 : static_cast<double>(txDivider) * stepHz / 1e6;
    }
}

// A VHF row has one sub-band: upper-UHF frequencies in a ".VHF" file (already reported as the wrong
// model) must not leave it on a second sub-band that has no limits.
void SetSubBand(CDataRadioDoc& doc, int subBand) {
    doc.m_nSubBand = static_cast<uint8_t>(subBand < doc.CurrentBand().m_nSubBands ? subBand : 0);
}

// Picks the sub-band the imported frequencies fit, from the KV310 limits whatever the current row.
void DetectSubBand(CDataRadioDoc& doc, CMessageSink& sink) {
    const CModelBand& vhfRow = ModelCatalogue()[kModelKv310Vhf];
    const CModelBand& uhfRow = ModelCatalogue()[kModelKv310Uhf];
    int v = 0;
    int u1 = 0;
    int u2 = 0;
    for (const CChannelData& channel : doc.m_Channel) {
        for (double mhz : {channel.m_dRxFreq, channel.m_dTxFreq}) {
            v += IsInSubBand(vhfRow, 0, mhz) ? 1 : 0;
            u1 += IsInSubBand(uhfRow, 0, mhz) ? 1 : 0;
            u2 += IsInSubBand(uhfRow, 1, mhz) ? 1 : 0;
        }
    }
    constexpr int kAll = 2 * kChannels;
    if (v == kAll || u1 == kAll || u2 == kAll) {
        SetSubBand(doc, u2 == kAll ? 1 : 0);
        return;
    }
    const CModelBand* winnerRow = &vhfRow;
    int winner = 0;
    if ((v < u1 && u1 < u2) || (v >= u1 && v < u2)) {
        winnerRow = &uhfRow;
        winner = 1;
    } else if (v < u1) {
        winnerRow = &uhfRow;
    }
    SetSubBand(doc, winner);
    sink.ShowMessage(TextPrintf(
        KV310_MESSAGES, KV310_TEXT("Messages", "The frequency is out of band.\r\nIt should be in %d - %d"),
        static_cast<int>(winnerRow->m_dLow[winner]), static_cast<int>(winnerRow->m_dHigh[winner])));
}

}  // namespace

EFileKind FileKindOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return EFileKind::Other;
    }
    const std::string extension = Upper(path.substr(dot + 1));
    if (extension == "DAT") {
        return EFileKind::Settings;
    }
    if (extension == "UHF") {
        return EFileKind::LegacyUhf;
    }
    if (extension == "VHF") {
        return EFileKind::LegacyVhf;
    }
    return EFileKind::Other;
}

bool CheckLegacyModel(const CDataRadioDoc& doc, EFileKind kind, CMessageSink& sink) {
    if (kind == EFileKind::LegacyUhf) {
        if (doc.m_nModel == kModelKv310Uhf || doc.m_nModel == kModelKv330Uhf) {
            return true;
        }
        sink.ShowMessage(kMsgUhfMismatch);
        return false;
    }
    if (kind == EFileKind::LegacyVhf) {
        if (doc.m_nModel == kModelKv310Vhf || doc.m_nModel == kModelKv330Vhf) {
            return true;
        }
        sink.ShowMessage(kMsgVhfMismatch);
        return false;
    }
    return false;
}

void ParseLegacyRecords(const std::vector<uint8_t>& bytes, CLegacyImage& image) {
    for (size_t record = 0; record < kLegacyRecords; ++record) {
        const size_t start = record * kLegacyRecordSize;
        // a file that ends early changes nothing more; a last record without its line end still counts
        if (start + kRecordDataChars > bytes.size()) {
            break;
        }
        const uint8_t* chars = bytes.data() + start;
        const int index = HexByte(chars);
        if (index >= static_cast<int>(kLegacyImageBytes / 2)) {
            continue;
        }
        image[2 * index + 1] = static_cast<uint8_t>(HexByte(chars + 3));
        image[2 * index] = static_cast<uint8_t>(HexByte(chars + 5));
    }
}

bool IsLegacyFileContent(const std::vector<uint8_t>& bytes, std::string& why) {
    if (bytes.size() < kRecordDataChars) {
        why = bytes.empty() ? "it is empty" : "it holds no whole record";
        return false;
    }
    for (size_t start = 0;
         start + kRecordDataChars <= bytes.size() && start < kLegacyRecordSize * kLegacyRecords;
         start += kLegacyRecordSize) {
        for (size_t at : {0, 1, 3, 4, 5, 6}) {
            if (std::isxdigit(bytes[start + at]) == 0) {
                why = "record " + std::to_string(start / kLegacyRecordSize + 1) +
                      " is not a word index and a data word in hex (\"00:78D4;\")";
                return false;
            }
        }
    }
    return true;
}

void DecodeLegacyImage(const CLegacyImage& image, CDataRadioDoc& doc, bool vhf, CMessageSink& sink) {
    DecodeHangOn(image, doc, sink);
    DecodeOptions(image, doc, vhf, sink);
    DecodeChannels(image, doc, vhf);
    DetectSubBand(doc, sink);
}

bool ImportLegacy(CDataRadioDoc& doc, const std::string& path, bool vhf, CMessageSink& sink) {
    std::vector<uint8_t> bytes;
    if (IsSpecialFile(path)) {
        sink.ShowMessage(kMsgNotAFile);
        return false;
    }
    if (!ReadFileBytes(path, bytes, kLegacyRecords * kLegacyRecordSize)) {
        sink.ShowMessage(kMsgCannotOpen);
        return false;
    }
    // a file cut short reads 0 where it ends, never the words of the file imported before it
    CLegacyImage image{};
    ParseLegacyRecords(bytes, image);
    doc.ResetToDefaults();
    DecodeLegacyImage(image, doc, vhf, sink);
    return true;
}

bool ImportLegacyFile(CDataRadioDoc& doc, const std::string& path, CMessageSink& sink) {
    const EFileKind kind = FileKindOf(path);
    if (!CheckLegacyModel(doc, kind, sink)) {
        return false;
    }
    return ImportLegacy(doc, path, kind == EFileKind::LegacyVhf, sink);
}
