#include "LegacyImport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <random>

#include "FileIo.h"
#include "Format.h"
#include "SettingsFile.h"
#include "TempDir.h"

namespace {

// The KV110's three-byte synthesizer word for a divider value.
void PutWord(CLegacyImage& image, size_t at, int64_t divider, uint8_t lowBitsOfThird) {
    const int64_t a = divider & 0x3F;
    const int64_t n = divider >> 6;
    image[at] = static_cast<uint8_t>(a | (n & 1) << 7 | (n >> 10 & 1) << 6);
    image[at + 1] = static_cast<uint8_t>(n >> 1 & 0xFF);
    image[at + 2] = static_cast<uint8_t>((n >> 9 & 1) << 7 | (lowBitsOfThird & 0x7F));
}

// A channel at receive/transmit MHz in 5 kHz steps, low power, with a hang-on code.
void PutChannel(CLegacyImage& image, int c, bool vhf, double rxMhz, double txMhz, int hangOn) {
    const double ifHz = vhf ? 45100000.0 : -45100000.0;
    PutWord(image, 6 * c, static_cast<int64_t>((rxMhz * 1e6 + ifHz) / 5000 + 0.5), 0x01);
    PutWord(image, 6 * c + 3, static_cast<int64_t>(txMhz * 1e6 / 5000 + 0.5), 0);
    image[6 * c + 5] = static_cast<uint8_t>((image[6 * c + 5] & 0xF0) | hangOn);
}

CLegacyImage UhfImage(double rxMhz, double txMhz, int hangOn) {
    CLegacyImage image{};
    for (int c = 0; c < 16; ++c) {
        PutChannel(image, c, false, rxMhz, txMhz, hangOn);
    }
    return image;
}

// The file as the KV110 software writes it: one "II HHLL \r\n" record per word.
std::string Records(const CLegacyImage& image) {
    std::string text;
    for (int i = 0; i < 100; ++i) {
        text += StrPrintf("%02X %02X%02X \r\n", i, image[2 * i + 1], image[2 * i]);
    }
    return text;
}

std::string WriteFile(const CTempDir& dir, const std::string& name, const std::string& text) {
    const std::string path = dir.File(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

CDataRadioDoc Record(int model) {
    CDataRadioDoc doc;
    doc.m_nModel = model;
    doc.ResetToDefaults();
    return doc;
}

TEST(LegacyImport, TakesAUhfFileInTheUpperSubBandWithoutANotice) {
    CTempDir dir;
    const std::string path = WriteFile(dir, "plan.UHF", Records(UhfImage(450.0, 460.0, 0)));
    CDataRadioDoc doc = Record(5);
    CRecordingSink sink;
    ASSERT_TRUE(ImportLegacyFile(doc, path, sink));
    EXPECT_TRUE(sink.m_Messages.empty()) << sink.m_Messages[0];
    EXPECT_EQ(doc.m_nSubBand, 1);
    for (const CChannelData& channel : doc.m_Channel) {
        EXPECT_DOUBLE_EQ(channel.m_dRxFreq, 450.0);
        EXPECT_DOUBLE_EQ(channel.m_dTxFreq, 460.0);
        EXPECT_EQ(channel.m_nStep, kStep5000);
        EXPECT_EQ(channel.m_bHighPower, 0);
    }
    EXPECT_EQ(doc.m_bHangOn, 0);
}

// A hand-made KV330 UHF plan: channel 1 450/460 MHz wide in 5 kHz steps, channel 2 445.0125/455.0125 MHz
// in 6.25 kHz steps at high power, hang-on code 2 everywhere, TX time-out 180 s, busy lockout, power save
// with delay code 1, on time code 3 and off time code 1. One record is written in lower case.
TEST(LegacyImport, ImportsTheSampleFileByteForByte) {
    CDataRadioDoc doc = Record(5);
    CRecordingSink sink;
    ASSERT_TRUE(ImportLegacyFile(doc, KV310_TEST_DATA "/kv110-sample.UHF", sink));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(
        ReadFileBytes(KV310_TEST_DATA "/kv110-sample.UHF", bytes, kLegacyRecords * kLegacyRecordSize));
    CLegacyImage image{};
    ParseLegacyRecords(bytes, image);
    const uint8_t head[12] = {0xD4, 0x78, 0x01, 0xE0, 0xCE, 0x02, 0xB2, 0xF3, 0x80, 0xE2, 0x38, 0x02};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(image[i], head[i]) << "byte " << i;
    }
    EXPECT_EQ(image[114], 0x60);
    EXPECT_EQ(image[117], 0x93);

    const CChannelData& first = doc.m_Channel[0];
    EXPECT_DOUBLE_EQ(first.m_dRxFreq, 450.0);
    EXPECT_DOUBLE_EQ(first.m_dTxFreq, 460.0);
    EXPECT_EQ(first.m_nStep, kStep5000);
    EXPECT_EQ(first.m_bWide, 1);
    EXPECT_EQ(first.m_bHighPower, 0);
    const CChannelData& second = doc.m_Channel[1];
    EXPECT_DOUBLE_EQ(second.m_dRxFreq, 445.0125);
    EXPECT_DOUBLE_EQ(second.m_dTxFreq, 455.0125);
    EXPECT_EQ(second.m_nStep, kStep6250);
    EXPECT_EQ(second.m_bWide, 0);
    EXPECT_EQ(second.m_bHighPower, 1);
    for (int c = 2; c < 16; ++c) {
        EXPECT_EQ(doc.m_Channel[c].m_dRxFreq, 0.0);
        EXPECT_EQ(doc.m_Channel[c].m_bHighPower, 1);  // an empty third byte reads as high power
    }
    EXPECT_EQ(doc.m_nHangOnTime, 1000);
    EXPECT_EQ(doc.m_bHangOn, 1);
    EXPECT_EQ(doc.m_bTxTimeOut, 1);
    EXPECT_EQ(doc.m_nTxTimeOut, 180);
    EXPECT_EQ(doc.m_bBusyLockout, 1);
    EXPECT_EQ(doc.m_bPowerSave, 1);
    EXPECT_EQ(doc.m_nPowerSaveDelay, 1);
    EXPECT_EQ(doc.m_nPowerSaveOnTime, 40);
    EXPECT_EQ(doc.m_nPowerSaveOffTime, 100);
    EXPECT_EQ(doc.m_nSubBand, 1);
    EXPECT_EQ(sink.m_Messages,
              (std::vector<std::string>{"The frequency is out of band.\r\nIt should be in 440 - 490"}));
}

TEST(LegacyImport, StoresEachRecordsWordLittleEndianAtItsIndex) {
    CLegacyImage image{};
    image[19] = 0x77;
    ParseLegacyRecords({'0', 'A', ':', '1', '2', '3', '4', ' ', '\r', '\n'}, image);
    EXPECT_EQ(image[20], 0x34);
    EXPECT_EQ(image[21], 0x12);
    EXPECT_EQ(image[19], 0x77);  // the buffer is not cleared first
    ParseLegacyRecords({'0', 'b', ' ', 'a', 'B', 'c', 'D', ' ', '\r', '\n'}, image);
    EXPECT_EQ(image[22], 0xCD);
    EXPECT_EQ(image[23], 0xAB);
}

TEST(LegacyImport, SurvivesMalformedRecordsWithoutReadingPastThem) {
    CLegacyImage image{};
    image.fill(0x55);
    // bad hex digits count as 0; an index of 100 or more is ignored
    const std::string text =
        "0GxZ1Q2  \n"
        "64 FFFF \r\n"
        "FF FFFF \r\n"
        "63 ABCD";
    ParseLegacyRecords(std::vector<uint8_t>(text.begin(), text.end()), image);
    EXPECT_EQ(image[0], 0x02);  // "Q2" reads 0x02, "Z1" 0x01
    EXPECT_EQ(image[1], 0x01);
    EXPECT_EQ(image[198], 0xCD);  // a last record without its line end still counts
    EXPECT_EQ(image[199], 0xAB);
    for (int i = 2; i < 198; ++i) {
        ASSERT_EQ(image[i], 0x55) << i;
    }
    CLegacyImage untouched{};
    for (const std::string cut : {"", "0", "01 12", "01 123"}) {
        ParseLegacyRecords(std::vector<uint8_t>(cut.begin(), cut.end()), untouched);
    }
    EXPECT_EQ(untouched, CLegacyImage{});
}

TEST(LegacyImport, DoesNotMixAShortFileWithTheOneImportedBefore) {
    CTempDir dir;
    CDataRadioDoc doc = Record(3);
    CRecordingSink sink;
    ASSERT_TRUE(
        ImportLegacy(doc, WriteFile(dir, "full.uhf", Records(UhfImage(450.0, 460.0, 0))), false, sink));
    std::string cut = Records(UhfImage(400.0, 410.0, 0)).substr(0, 30);  // channel 1 only
    ASSERT_TRUE(ImportLegacy(doc, WriteFile(dir, "cut.uhf", cut), false, sink));
    EXPECT_DOUBLE_EQ(doc.m_Channel[0].m_dRxFreq, 400.0);
    EXPECT_DOUBLE_EQ(doc.m_Channel[0].m_dTxFreq, 410.0);
    EXPECT_EQ(doc.m_Channel[1].m_dRxFreq, 0.0);
    EXPECT_EQ(doc.m_Channel[15].m_dTxFreq, 0.0);
}

TEST(LegacyImport, DecodesAnyBytesAsRecords) {
    std::mt19937 rng(110);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<size_t> length(0, 1200);
    for (int n = 0; n < 200; ++n) {
        std::vector<uint8_t> bytes(length(rng));
        for (uint8_t& b : bytes) {
            b = static_cast<uint8_t>(byte(rng));
        }
        CDataRadioDoc doc = Record(3);
        CLegacyImage image{};
        ParseLegacyRecords(bytes, image);
        CRecordingSink sink;
        DecodeLegacyImage(image, doc, false, sink);
        ASSERT_LT(doc.m_nSubBand, 2);
    }
}

TEST(LegacyImport, ReadsNoMoreThanAHundredRecords) {
    CTempDir dir;
    std::string text = Records(UhfImage(450.0, 460.0, 0));
    text += "00 FFFF \r\n";  // record 101 would spoil channel 1
    text += std::string(5000, 'F');
    CDataRadioDoc doc = Record(3);
    CRecordingSink sink;
    ASSERT_TRUE(ImportLegacy(doc, WriteFile(dir, "long.uhf", text), false, sink));
    EXPECT_DOUBLE_EQ(doc.m_Channel[0].m_dRxFreq, 450.0);
}

TEST(LegacyImport, TakesAShortOrEmptyFileWithTheBandNotice) {
    CTempDir dir;
    for (const std::string& text : {std::string(), std::string("0A"), std::string("0A 12")}) {
        CDataRadioDoc doc = Record(3);
        CRecordingSink sink;
        ASSERT_TRUE(ImportLegacy(doc, WriteFile(dir, "short.uhf", text), false, sink));
        ASSERT_EQ(sink.m_Messages.size(), 1u);
        // unprogrammed channels count in no band; with no counts at all the VHF band wins
        EXPECT_EQ(sink.m_Messages[0], "The frequency is out of band.\r\nIt should be in 138 - 174");
        EXPECT_EQ(doc.m_Channel[0].m_dRxFreq, 0.0);
    }
}

TEST(LegacyImport, NamesTheBandMostFrequenciesLieInWhenSomeAreOutside) {
    CLegacyImage image = UhfImage(450.0, 460.0, 0);
    PutChannel(image, 3, false, 420.0, 420.0, 0);
    PutWord(image, 6 * 15, 0, 0);  // channel 16 unprogrammed
    PutWord(image, 6 * 15 + 3, 0, 0);
    CTempDir dir;
    CDataRadioDoc doc = Record(3);
    CRecordingSink sink;
    ASSERT_TRUE(ImportLegacy(doc, WriteFile(dir, "mixed.uhf", Records(image)), false, sink));
    ASSERT_EQ(sink.m_Messages.size(), 1u);
    EXPECT_EQ(sink.m_Messages[0], "The frequency is out of band.\r\nIt should be in 440 - 490");
    EXPECT_EQ(doc.m_nSubBand, 1);

    // mostly lower UHF
    image = UhfImage(400.0, 410.0, 0);
    PutChannel(image, 3, false, 450.0, 450.0, 0);
    sink.m_Messages.clear();
    ASSERT_TRUE(ImportLegacy(doc, WriteFile(dir, "lower.uhf", Records(image)), false, sink));
    ASSERT_EQ(sink.m_Messages.size(), 1u);
    EXPECT_EQ(sink.m_Messages[0], "The frequency is out of band.\r\nIt should be in 390 - 440");
    EXPECT_EQ(doc.m_nSubBand, 0);
}

TEST(LegacyImport, KeepsAVhfRowOnItsOnlySubBand) {
    CLegacyImage image{};
    for (int c = 0; c < 16; ++c) {
        PutChannel(image, c, true, 450.0, 460.0, 0);  // upper UHF, in a file that says UHF
    }
    CTempDir dir;
    CDataRadioDoc doc = Record(2);
    CRecordingSink sink;
    ASSERT_TRUE(ImportLegacy(doc, WriteFile(dir, "upper.VHF", Records(image)), true, sink));
    EXPECT_EQ(sink.m_Messages, (std::vector<std::string>{"Model type is wrong."}));
    EXPECT_DOUBLE_EQ(doc.m_Channel[0].m_dRxFreq, 450.0);
    EXPECT_EQ(doc.m_nSubBand, 0);

    PutChannel(image, 0, true, 150.0, 150.0, 0);
    sink.m_Messages.clear();
    ASSERT_TRUE(ImportLegacy(doc, WriteFile(dir, "most.VHF", Records(image)), true, sink));
    ASSERT_EQ(sink.m_Messages.size(), 2u);
    EXPECT_EQ(sink.m_Messages[1], "The frequency is out of band.\r\nIt should be in 440 - 490");
    EXPECT_EQ(doc.m_nSubBand, 0);
}

TEST(LegacyImport, SettlesMixedHangOnCodesOnOneValueWithANotice) {
    CLegacyImage image = UhfImage(450.0, 460.0, 3);
    image[6 * 2 + 5] &= 0xF0;  // channel 3 has none
    CTempDir dir;
    CDataRadioDoc doc = Record(5);
    CRecordingSink sink;
    ASSERT_TRUE(ImportLegacy(doc, WriteFile(dir, "hang.uhf", Records(image)), false, sink));
    ASSERT_EQ(sink.m_Messages.size(), 1u);
    EXPECT_EQ(sink.m_Messages[0], "Hangon time for KV330 UHF can be set \r\nonly one value for all channel");
    EXPECT_EQ(doc.m_nHangOnTime, 1500);
    EXPECT_EQ(doc.m_bHangOn, 1);
    // the transmit words still decode whole: the hang-on code shares their last byte
    EXPECT_DOUBLE_EQ(doc.m_Channel[2].m_dTxFreq, 460.0);
}

TEST(LegacyImport, CapsAHangOnCodeAboveFourAt2000Ms) {
    CTempDir dir;
    CDataRadioDoc doc = Record(5);
    CRecordingSink sink;
    ASSERT_TRUE(
        ImportLegacy(doc, WriteFile(dir, "six.uhf", Records(UhfImage(450.0, 460.0, 6))), false, sink));
    ASSERT_EQ(sink.m_Messages.size(), 1u);
    EXPECT_EQ(sink.m_Messages[0], "KV330 UHF is supported 180 - 2000 ms for hangon time");
    EXPECT_EQ(doc.m_nHangOnTime, 2000);
    EXPECT_EQ(doc.m_bHangOn, 1);
}

TEST(LegacyImport, DecodesTheOlderModelsOptionsAndChannelBits) {
    CLegacyImage image{};
    for (int c = 0; c < 16; ++c) {
        PutChannel(image, c, true, 150.0, 155.0, 1);
    }
    PutWord(image, 6 * 1, (150000000 + 45100000) / 6250, 0);  // channel 2: 6.25 kHz, high power
    PutWord(image, 6 * 1 + 3, 155000000 / 6250, 1);           // keeps its hang-on code
    image[114] = 0x62;                                        // VHF, TX time-out, busy lockout
    image[115] = 6;
    image[116] = 3;
    image[117] = 0xA5;  // power save on, delay 2, on time code 5
    image[142] = 0x03;
    image[143] = 0x80;
    image[144] = 0x02;
    CTempDir dir;
    CDataRadioDoc doc = Record(2);
    doc.m_Channel[0].m_nRxOption = kSigDcs;  // the import starts from a reset record
    CRecordingSink sink;
    ASSERT_TRUE(ImportLegacyFile(doc, WriteFile(dir, "plan.vhf", Records(image)), sink));
    EXPECT_TRUE(sink.m_Messages.empty());
    EXPECT_EQ(doc.m_nSubBand, 0);
    EXPECT_EQ(doc.m_bTxTimeOut, 1);
    EXPECT_EQ(doc.m_nTxTimeOut, 60);
    EXPECT_EQ(doc.m_bBusyLockout, 1);
    EXPECT_EQ(doc.m_bPowerSave, 1);
    EXPECT_EQ(doc.m_nPowerSaveDelay, 2);
    EXPECT_EQ(doc.m_nPowerSaveOnTime, 60);
    EXPECT_EQ(doc.m_nPowerSaveOffTime, 200);
    EXPECT_EQ(doc.m_nHangOnTime, 500);
    EXPECT_EQ(doc.m_Channel[0].m_nRxOption, kSigNone);
    EXPECT_EQ(doc.m_Channel[0].m_bWide, 1);
    EXPECT_EQ(doc.m_Channel[1].m_bWide, 1);
    EXPECT_EQ(doc.m_Channel[2].m_bWide, 0);
    EXPECT_EQ(doc.m_Channel[15].m_bWide, 1);
    EXPECT_EQ(doc.m_Channel[0].m_nStep, kStep5000);
    EXPECT_EQ(doc.m_Channel[1].m_nStep, kStep6250);
    EXPECT_EQ(doc.m_Channel[0].m_bHighPower, 0);
    EXPECT_EQ(doc.m_Channel[1].m_bHighPower, 1);
    EXPECT_DOUBLE_EQ(doc.m_Channel[0].m_dRxFreq, 150.0);
    EXPECT_DOUBLE_EQ(doc.m_Channel[1].m_dRxFreq, 150.0);
    EXPECT_DOUBLE_EQ(doc.m_Channel[1].m_dTxFreq, 155.0);
}

TEST(LegacyImport, WarnsOfAWrongBandFlagAndImportsAllTheSame) {
    CLegacyImage image = UhfImage(450.0, 460.0, 0);
    image[114] = 0x02;  // says VHF
    CTempDir dir;
    CDataRadioDoc doc = Record(3);
    CRecordingSink sink;
    ASSERT_TRUE(ImportLegacyFile(doc, WriteFile(dir, "flag.UHF", Records(image)), sink));
    ASSERT_EQ(sink.m_Messages.size(), 1u);
    EXPECT_EQ(sink.m_Messages[0], "Model type is wrong.");
    EXPECT_DOUBLE_EQ(doc.m_Channel[7].m_dRxFreq, 450.0);
}

TEST(LegacyImport, LeavesTheRecordAloneWhenTheFileCannotBeRead) {
    CTempDir dir;
    CDataRadioDoc doc = Record(3);
    doc.m_Channel[0].m_dRxFreq = 433.0;
    CRecordingSink sink;
    EXPECT_FALSE(ImportLegacy(doc, dir.File("missing.uhf"), false, sink));
    EXPECT_FALSE(ImportLegacy(doc, dir.m_Path, false, sink));  // a folder
    EXPECT_EQ(sink.m_Messages, (std::vector<std::string>{"Cannot Open File!", "Cannot Open File!"}));
    EXPECT_EQ(doc.m_Channel[0].m_dRxFreq, 433.0);
}

TEST(LegacyImport, RefusesAFileForTheOtherBandBeforeTouchingTheRecord) {
    CTempDir dir;
    const std::string uhf = WriteFile(dir, "plan.uhf", Records(UhfImage(450.0, 460.0, 0)));
    const std::string vhf = WriteFile(dir, "plan.VHF", Records(UhfImage(450.0, 460.0, 0)));
    for (int row : {2, 4}) {
        CDataRadioDoc doc = Record(row);
        doc.m_Channel[0].m_dRxFreq = 150.0;
        CRecordingSink sink;
        EXPECT_FALSE(ImportLegacyFile(doc, uhf, sink));
        EXPECT_EQ(
            sink.m_Messages,
            (std::vector<std::string>{
                "This file is for UHF. Model type is mismatched.\r\n\r\nPlease select model again..."}));
        EXPECT_EQ(doc.m_Channel[0].m_dRxFreq, 150.0);
    }
    for (int row : {0, 1, 3, 5}) {
        CDataRadioDoc doc = Record(row);
        CRecordingSink sink;
        EXPECT_FALSE(ImportLegacyFile(doc, vhf, sink));
        EXPECT_EQ(
            sink.m_Messages,
            (std::vector<std::string>{
                "This file is for VHF. Model type is mismatched.\r\n\r\nPlease select model again..."}));
    }
    CRecordingSink sink;
    EXPECT_TRUE(CheckLegacyModel(Record(3), EFileKind::LegacyUhf, sink));
    EXPECT_TRUE(CheckLegacyModel(Record(5), EFileKind::LegacyUhf, sink));
    EXPECT_TRUE(CheckLegacyModel(Record(2), EFileKind::LegacyVhf, sink));
    EXPECT_TRUE(CheckLegacyModel(Record(4), EFileKind::LegacyVhf, sink));
    EXPECT_FALSE(CheckLegacyModel(Record(4), EFileKind::Settings, sink));
    EXPECT_TRUE(sink.m_Messages.empty());
}

TEST(LegacyImport, TellsFileKindsByTheirExtensionInAnyCase) {
    EXPECT_EQ(FileKindOf("/home/tech/plan.dat"), EFileKind::Settings);
    EXPECT_EQ(FileKindOf("PLAN.DAT"), EFileKind::Settings);
    EXPECT_EQ(FileKindOf("old.Uhf"), EFileKind::LegacyUhf);
    EXPECT_EQ(FileKindOf("a.b.VHF"), EFileKind::LegacyVhf);
    EXPECT_EQ(FileKindOf("notes.txt"), EFileKind::Other);
    EXPECT_EQ(FileKindOf("/radios.uhf/plan"), EFileKind::Other);
    EXPECT_EQ(FileKindOf("uhf"), EFileKind::Other);
    EXPECT_EQ(FileKindOf("plan."), EFileKind::Other);
}

}  // namespace

TEST(LegacyImport, APipeNamedLikeAKv110FileIsRefusedWithoutWaiting) {
    CTempDir dir;
    const std::string fifo = dir.File("plan.UHF");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    CDataRadioDoc doc = Record(5);
    const std::vector<uint8_t> before = SettingsFileBytes(doc);
    CRecordingSink sink;
    EXPECT_FALSE(ImportLegacyFile(doc, fifo, sink));
    EXPECT_EQ(sink.m_Messages, std::vector<std::string>({kMsgNotAFile}));
    EXPECT_EQ(SettingsFileBytes(doc), before);
}
