#include "SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <fstream>

#include "FileIo.h"
#include "TempDir.h"

namespace {

// The documented places of every stored member.
struct SIntField {
    size_t offset;
    int32_t CDataRadioDoc::*member;
};
struct SDoubleField {
    size_t offset;
    double CDataRadioDoc::*member;
};
struct SChannelInt {
    size_t offset;
    int32_t CChannelData::*member;
};
struct SChannelDouble {
    size_t offset;
    double CChannelData::*member;
};

const SIntField kHeaderInts[] = {
    {0, &CDataRadioDoc::m_nModel},
    {4, &CDataRadioDoc::m_bModemFfsk},
    {8, &CDataRadioDoc::m_bModemGmsk},
    {12, &CDataRadioDoc::m_nSquelchType},
    {16, &CDataRadioDoc::m_bBusyLockout},
    {36, &CDataRadioDoc::m_nScanMode},
    {48, &CDataRadioDoc::m_nLastDcs},
    {52, &CDataRadioDoc::m_nReserved2},
    {56, &CDataRadioDoc::m_nTxTimeOut},
    {60, &CDataRadioDoc::m_bTxTimeOut},
    {64, &CDataRadioDoc::m_bTxDelay},
    {68, &CDataRadioDoc::m_bTxMatchedSat},
    {72, &CDataRadioDoc::m_nScanDelay},
    {76, &CDataRadioDoc::m_nScanSpeed},
    {80, &CDataRadioDoc::m_bPowerSave},
    {84, &CDataRadioDoc::m_nPowerSaveDelay},
    {88, &CDataRadioDoc::m_nGpsCycle},
    {92, &CDataRadioDoc::m_nPowerSaveOnTime},
    {96, &CDataRadioDoc::m_nPowerSaveOffTime},
    {100, &CDataRadioDoc::m_bHangOn},
    {104, &CDataRadioDoc::m_nHangOnTime},
    {108, &CDataRadioDoc::m_bGps},
    {112, &CDataRadioDoc::m_nGpsTxTime},
    {116, &CDataRadioDoc::m_nGpsDelay},
    {120, &CDataRadioDoc::m_nReserved3},
    {124, &CDataRadioDoc::m_bTestMode},
    {128, &CDataRadioDoc::m_nModemMode},
    {132, &CDataRadioDoc::m_nTxOffDelay},
    {136, &CDataRadioDoc::m_nTxOnTime},
    {140, &CDataRadioDoc::m_nRxOnDelay},
    {144, &CDataRadioDoc::m_bModem},
    {148, &CDataRadioDoc::m_nSBandBaud},
    {152, &CDataRadioDoc::m_nNBandBaud},
    {156, &CDataRadioDoc::m_nBaseBlockSize},
    {160, &CDataRadioDoc::m_nPreambleSize},
    {164, &CDataRadioDoc::m_nWaitBusyTime},
    {168, &CDataRadioDoc::m_nByteOption},
    {172, &CDataRadioDoc::m_nFlowControl},
    {176, &CDataRadioDoc::m_nTxDelayTime1},
    {180, &CDataRadioDoc::m_nTxDelayTime2},
    {184, &CDataRadioDoc::m_bTxForcing},
    {188, &CDataRadioDoc::m_bHangOnBeep},
    {192, &CDataRadioDoc::m_bTxToneForData},
    {196, &CDataRadioDoc::m_nStartBitErrors},
    {200, &CDataRadioDoc::m_bSquelch},
    {204, &CDataRadioDoc::m_bBaseBlock},
    {208, &CDataRadioDoc::m_bInitDataForHt},
    {212, &CDataRadioDoc::m_bModemAfsk},
    {216, &CDataRadioDoc::m_bAfskBell202},
    {1823, &CDataRadioDoc::m_bExternalModulation},
};
const SDoubleField kHeaderDoubles[] = {{20, &CDataRadioDoc::m_dReserved1},
                                       {28, &CDataRadioDoc::m_dReserved2},
                                       {40, &CDataRadioDoc::m_dLastCtcss}};
const SChannelInt kChannelInts[] = {{16, &CChannelData::m_bScan},     {20, &CChannelData::m_nStep},
                                    {24, &CChannelData::m_bWide},     {28, &CChannelData::m_nRxOption},
                                    {32, &CChannelData::m_nTxOption}, {52, &CChannelData::m_nRxDcs},
                                    {56, &CChannelData::m_nTxDcs},    {60, &CChannelData::m_nTwoToneGroup},
                                    {96, &CChannelData::m_bHighPower}};
const SChannelDouble kChannelDoubles[] = {
    {0, &CChannelData::m_dRxFreq},         {8, &CChannelData::m_dTxFreq},
    {36, &CChannelData::m_dRxCtcss},       {44, &CChannelData::m_dTxCtcss},
    {64, &CChannelData::m_dToneAFreq},     {72, &CChannelData::m_dToneBFreq},
    {80, &CChannelData::m_dToneADuration}, {88, &CChannelData::m_dToneBDuration}};

int32_t IntAt(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<int32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                                static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

double DoubleAt(const std::vector<uint8_t>& bytes, size_t offset) {
    uint64_t raw = 0;
    for (int i = 7; i >= 0; --i) {
        raw = raw << 8 | bytes[offset + i];
    }
    double value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

// A record in which every stored member holds a value of its own; model row 4 keeps it loadable.
CDataRadioDoc DistinctRecord() {
    CDataRadioDoc doc;
    int32_t next = 1000;
    for (const auto& f : kHeaderInts) {
        doc.*f.member = next++;
    }
    doc.m_nModel = 4;
    double value = 0.5;
    for (const auto& f : kHeaderDoubles) {
        doc.*f.member = value += 1.25;
    }
    for (int ch = 0; ch < kChannels; ++ch) {
        for (const auto& f : kChannelInts) {
            doc.m_Channel[ch].*f.member = next++;
        }
        for (const auto& f : kChannelDoubles) {
            doc.m_Channel[ch].*f.member = value += 1.25;
        }
    }
    doc.m_ServiceBytes[13] = 0xA7;
    doc.m_ServiceBytes[12] = 0x5C;
    doc.m_nSubBand = 0xE1;
    return doc;
}

void ExpectSameStoredMembers(const CDataRadioDoc& a, const CDataRadioDoc& b) {
    for (const auto& f : kHeaderInts) {
        EXPECT_EQ(a.*f.member, b.*f.member) << "at offset " << f.offset;
    }
    for (const auto& f : kHeaderDoubles) {
        EXPECT_EQ(a.*f.member, b.*f.member) << "at offset " << f.offset;
    }
    for (int ch = 0; ch < kChannels; ++ch) {
        for (const auto& f : kChannelInts) {
            EXPECT_EQ(a.m_Channel[ch].*f.member, b.m_Channel[ch].*f.member) << "channel " << ch + 1;
        }
        for (const auto& f : kChannelDoubles) {
            EXPECT_EQ(a.m_Channel[ch].*f.member, b.m_Channel[ch].*f.member) << "channel " << ch + 1;
        }
    }
    EXPECT_EQ(a.m_ServiceBytes[13], b.m_ServiceBytes[13]);
    EXPECT_EQ(a.m_ServiceBytes[12], b.m_ServiceBytes[12]);
    EXPECT_EQ(a.m_nSubBand, b.m_nSubBand);
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes, 1 << 20));
    return bytes;
}

void WriteRaw(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(SettingsFileLayout, EveryMemberLandsAtItsDocumentedOffset) {
    const CDataRadioDoc doc = DistinctRecord();
    CTempDir dir;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("layout.dat"), sink));
    const std::vector<uint8_t> bytes = ReadAll(dir.File("layout.dat"));

    ASSERT_EQ(bytes.size(), 1827u);
    for (const auto& f : kHeaderInts) {
        EXPECT_EQ(IntAt(bytes, f.offset), doc.*f.member) << "at offset " << f.offset;
    }
    for (const auto& f : kHeaderDoubles) {
        EXPECT_EQ(DoubleAt(bytes, f.offset), doc.*f.member) << "at offset " << f.offset;
    }
    for (int ch = 0; ch < kChannels; ++ch) {
        const size_t base = 220 + 100 * ch;
        for (const auto& f : kChannelInts) {
            EXPECT_EQ(IntAt(bytes, base + f.offset), doc.m_Channel[ch].*f.member) << "at " << base + f.offset;
        }
        for (const auto& f : kChannelDoubles) {
            EXPECT_EQ(DoubleAt(bytes, base + f.offset), doc.m_Channel[ch].*f.member)
                << "at " << base + f.offset;
        }
    }
    EXPECT_EQ(bytes[1820], 0xA7);
    EXPECT_EQ(bytes[1821], 0x5C);
    EXPECT_EQ(bytes[1822], 0xE1);
    EXPECT_TRUE(sink.m_Messages.empty());
}

TEST(SettingsFileLayout, IntegersAndDoublesAreLittleEndian) {
    CDataRadioDoc doc;
    doc.m_nModel = 3;
    doc.m_nTxTimeOut = 0x01020304;
    doc.m_Channel[0].m_dRxFreq = 450.0;  // 0x407C200000000000
    const std::vector<uint8_t> bytes = SettingsFileBytes(doc);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), std::vector<uint8_t>({3, 0, 0, 0}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 56, bytes.begin() + 60),
              std::vector<uint8_t>({4, 3, 2, 1}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 220, bytes.begin() + 228),
              std::vector<uint8_t>({0, 0, 0, 0, 0, 0x20, 0x7C, 0x40}));
}

TEST(SettingsFileRoundTrip, EveryStoredMemberComesBack) {
    const CDataRadioDoc saved = DistinctRecord();
    CTempDir dir;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(saved, dir.File("trip.dat"), sink));

    CDataRadioDoc loaded;
    bool accepted = false;
    ASSERT_TRUE(OnOpenDocument(loaded, dir.File("trip.dat"), sink, &accepted));
    EXPECT_TRUE(accepted);
    ExpectSameStoredMembers(saved, loaded);
    EXPECT_TRUE(sink.m_Messages.empty());
}

TEST(SettingsFileRoundTrip, FreshRecordAndUpperCaseExtension) {
    CDataRadioDoc saved;
    saved.m_nModel = 3;
    saved.ResetToDefaults();
    saved.m_Channel[2].m_dRxFreq = 0.0;
    CTempDir dir;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(saved, dir.File("FRESH.DAT"), sink));
    CDataRadioDoc loaded;
    loaded.m_Channel[2].m_dRxFreq = 151.0;
    ASSERT_TRUE(OnOpenDocument(loaded, dir.File("FRESH.DAT"), sink));
    ExpectSameStoredMembers(saved, loaded);
    EXPECT_EQ(loaded.m_ServiceBytes[2], 10);  // not stored in the file: kept from the loading record
}

TEST(SettingsFileLoad, ModelRowOutsideZeroToFiveLeavesTheRecordUntouched) {
    for (int32_t row : {6, -1}) {
        std::vector<uint8_t> bytes = SettingsFileBytes(DistinctRecord());
        std::memcpy(bytes.data(), &row, 4);
        CTempDir dir;
        WriteRaw(dir.File("bad.dat"), bytes);

        CDataRadioDoc doc;
        doc.m_nModel = 5;
        const std::vector<uint8_t> before = SettingsFileBytes(doc);
        CRecordingSink sink;
        bool accepted = true;
        EXPECT_TRUE(OnOpenDocument(doc, dir.File("bad.dat"), sink, &accepted));
        EXPECT_FALSE(accepted);
        EXPECT_EQ(SettingsFileBytes(doc), before) << "row " << row;
        EXPECT_EQ(sink.m_Messages, std::vector<std::string>({"This file is corrupted or wrong file type!"}));
    }
}

TEST(SettingsFileLoad, RowsZeroAndOneAreAccepted) {
    for (int32_t row : {0, 1}) {
        CDataRadioDoc saved;
        saved.m_nModel = row;
        CDataRadioDoc loaded;
        EXPECT_TRUE(ApplySettingsFileBytes(loaded, SettingsFileBytes(saved)));
        EXPECT_EQ(loaded.m_nModel, row);
        EXPECT_EQ(loaded.CurrentBand().m_strTitle, "");
    }
}

TEST(SettingsFileLoad, ShortFileChangesOnlyTheMembersItHolds) {
    const CDataRadioDoc source = DistinctRecord();
    std::vector<uint8_t> bytes = SettingsFileBytes(source);
    bytes.resize(220);
    CTempDir dir;
    WriteRaw(dir.File("short.dat"), bytes);

    CDataRadioDoc doc;
    doc.m_Channel[0].m_dRxFreq = 145.5;
    doc.m_nSubBand = 0;
    CRecordingSink sink;
    bool accepted = false;
    ASSERT_TRUE(OnOpenDocument(doc, dir.File("short.dat"), sink, &accepted));
    EXPECT_TRUE(accepted);
    EXPECT_EQ(doc.m_nModel, 4);
    EXPECT_EQ(doc.m_bAfskBell202, source.m_bAfskBell202);
    EXPECT_EQ(doc.m_dLastCtcss, source.m_dLastCtcss);
    EXPECT_DOUBLE_EQ(doc.m_Channel[0].m_dRxFreq, 145.5);
    EXPECT_EQ(doc.m_nSubBand, 0);
    EXPECT_EQ(doc.m_bExternalModulation, 0);
    ASSERT_EQ(sink.m_Messages.size(), 1u);  // loaded as far as it goes, but said to be short
    EXPECT_EQ(sink.m_Messages[0], ShortFileText(220));
}

TEST(SettingsFileLoad, ShortFileTextSaysHowFarTheFileWent) {
    const struct {
        size_t size;
        const char* says;
    } cases[] = {
        {0, "(0 of 1827 bytes): only what it holds was loaded, no channel whole; the rest kept its values."},
        {1000, "(1000 of 1827 bytes): only what it holds was loaded, channels 1 to 7 whole; the rest"},
        {1826, "(1826 of 1827 bytes): only what it holds was loaded; the rest kept its values."},
    };
    for (const auto& c : cases) {
        EXPECT_NE(ShortFileText(c.size).find(c.says), std::string::npos) << ShortFileText(c.size);
    }
}

TEST(SettingsFileLoad, MemberCutByTheEndOfTheFileKeepsItsValue) {
    std::vector<uint8_t> bytes = SettingsFileBytes(DistinctRecord());
    bytes.resize(224);  // half of channel 1's receive frequency
    CDataRadioDoc doc;
    doc.m_Channel[0].m_dRxFreq = 145.5;
    ASSERT_TRUE(ApplySettingsFileBytes(doc, bytes));
    EXPECT_DOUBLE_EQ(doc.m_Channel[0].m_dRxFreq, 145.5);
}

TEST(SettingsFileLoad, ExtraBytesAreIgnoredAndZeroFrequencyIsUnprogrammed) {
    CDataRadioDoc saved;
    saved.m_Channel[3].m_dRxFreq = 0.0;
    std::vector<uint8_t> bytes = SettingsFileBytes(saved);
    bytes.resize(2000, 0xEE);
    CTempDir dir;
    WriteRaw(dir.File("long.dat"), bytes);
    CDataRadioDoc doc;
    doc.m_Channel[3].m_dRxFreq = 150.0;
    CRecordingSink sink;
    ASSERT_TRUE(OnOpenDocument(doc, dir.File("long.dat"), sink));
    EXPECT_DOUBLE_EQ(doc.m_Channel[3].m_dRxFreq, 0.0);
    EXPECT_EQ(doc.m_bExternalModulation, 0);
    EXPECT_TRUE(sink.m_Messages.empty());
}

TEST(SettingsFileLoad, ReadOnlyFileLoads) {
    CTempDir dir;
    CRecordingSink sink;
    CDataRadioDoc saved = DistinctRecord();
    ASSERT_TRUE(OnSaveDocument(saved, dir.File("ro.dat"), sink));
    ASSERT_EQ(::chmod(dir.File("ro.dat").c_str(), 0444), 0);

    CDataRadioDoc loaded;
    EXPECT_TRUE(OnOpenDocument(loaded, dir.File("ro.dat"), sink));
    ExpectSameStoredMembers(saved, loaded);
    EXPECT_TRUE(sink.m_Messages.empty());
}

TEST(SettingsFileLoad, MissingFileFailsWithTheOpenMessage) {
    CTempDir dir;
    CDataRadioDoc doc;
    const std::vector<uint8_t> before = SettingsFileBytes(doc);
    CRecordingSink sink;
    EXPECT_FALSE(OnOpenDocument(doc, dir.File("none.dat"), sink));
    EXPECT_EQ(sink.m_Messages, std::vector<std::string>({"Failed to open document."}));
    EXPECT_EQ(SettingsFileBytes(doc), before);
}

TEST(SettingsFileLoad, FolderCannotBeOpened) {
    CTempDir dir;
    CDataRadioDoc doc;
    CRecordingSink sink;
    EXPECT_FALSE(OnOpenDocument(doc, dir.m_Path, sink));
    EXPECT_EQ(sink.m_Messages, std::vector<std::string>({"Cannot Open File!"}));
}

TEST(SettingsFileSave, UnwritableTargetReportsAndLeavesNoTemporaryFile) {
    CTempDir dir;
    CRecordingSink sink;
    // a folder where the file should go: the rename can never succeed, whoever we are
    ASSERT_EQ(::mkdir(dir.File("taken.dat").c_str(), 0755), 0);
    EXPECT_FALSE(OnSaveDocument(CDataRadioDoc(), dir.File("taken.dat"), sink));
    EXPECT_FALSE(OnSaveDocument(CDataRadioDoc(), dir.File("no/such/folder.dat"), sink));
    ASSERT_EQ(sink.m_Messages.size(), 2u);
    EXPECT_EQ(sink.m_Messages[0].rfind(
                  "Cannot Save File!\n" + dir.File("taken.dat") + " could not be written: ", 0),
              0u);
    EXPECT_EQ(sink.m_Messages[1].rfind("Cannot Save File!\n" + dir.File("no/such/folder.dat") +
                                           " could not be written: No such file or directory. ",
                                       0),
              0u);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.m_Path)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST(SettingsFileSave, ReplacingKeepsTheFilePermissions) {
    CTempDir dir;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(CDataRadioDoc(), dir.File("mode.dat"), sink));
    ASSERT_EQ(::chmod(dir.File("mode.dat").c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;  // only root can hand a file to someone else first
    ASSERT_TRUE(!root || ::chown(dir.File("mode.dat").c_str(), 4321, 4322) == 0);
    ASSERT_TRUE(OnSaveDocument(DistinctRecord(), dir.File("mode.dat"), sink));
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("mode.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }
    EXPECT_EQ(ReadAll(dir.File("mode.dat")).size(), 1827u);
}

TEST(SettingsFileSave, WriteErrorHalfwayLeavesTheOldFileIntact) {
    // A file-size limit makes the write fail part-way, as a full disk would, even for root.
    CTempDir dir;
    CRecordingSink sink;
    CDataRadioDoc old;
    ASSERT_TRUE(OnSaveDocument(old, dir.File("disk.dat"), sink));
    const std::vector<uint8_t> before = ReadAll(dir.File("disk.dat"));

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = OnSaveDocument(DistinctRecord(), dir.File("disk.dat"), sink);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(sink.m_Messages,
              std::vector<std::string>({"Cannot Save File!\n" + dir.File("disk.dat") +
                                        " could not be written: File too large. Nothing on the "
                                        "disk was changed; free some space or choose another "
                                        "place with File > Save As."}));
    EXPECT_EQ(ReadAll(dir.File("disk.dat")), before);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.m_Path)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST(SettingsFileSave, LinkIsFollowedAndDevicesAreWrittenInPlace) {
    CTempDir dir;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(CDataRadioDoc(), dir.File("real.dat"), sink));
    std::filesystem::create_symlink(dir.File("real.dat"), dir.File("link.dat"));
    const CDataRadioDoc doc = DistinctRecord();
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("link.dat"), sink));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(ReadAll(dir.File("real.dat")), SettingsFileBytes(doc));

    // a device is never replaced by a file
    EXPECT_TRUE(OnSaveDocument(doc, "/dev/null", sink));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_TRUE(sink.m_Messages.empty());

    // a pipe nobody reads fails at once instead of blocking
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(OnSaveDocument(doc, dir.File("fifo"), sink));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("fifo")));
}

TEST(SettingsFileSave, AWriteProtectedFileIsRefusedAndKeepsItsBytesAndMode) {
    CTempDir dir;
    CRecordingSink sink;
    const std::string path = dir.File("locked.dat");
    ASSERT_TRUE(OnSaveDocument(CDataRadioDoc(), path, sink));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const std::vector<uint8_t> before = ReadAll(path);
    EXPECT_FALSE(OnSaveDocument(DistinctRecord(), path, sink));  // also as root
    ASSERT_EQ(sink.m_Messages.size(), 1u);
    EXPECT_EQ(sink.m_Messages[0].rfind(
                  "Cannot Save File!\n" + path + " could not be written: Permission denied.", 0),
              0u);
    EXPECT_EQ(ReadAll(path), before);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
}

// A pipe given as a file to load would block the program on its first read.
TEST(SettingsFileLoad, APipeOrADeviceIsRefusedAtOnceAndChangesNothing) {
    CTempDir dir;
    const std::string fifo = dir.File("pipe.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        CRecordingSink sink;
        CDataRadioDoc doc = DistinctRecord();
        bool accepted = true;
        EXPECT_FALSE(OnOpenDocument(doc, path, sink, &accepted)) << path;
        EXPECT_FALSE(accepted);
        EXPECT_EQ(sink.m_Messages, std::vector<std::string>({kMsgNotAFile}));
        EXPECT_EQ(SettingsFileBytes(doc), SettingsFileBytes(DistinctRecord()));
        std::vector<uint8_t> bytes;
        std::string error;
        EXPECT_FALSE(ReadFileBytes(path, bytes, 16, &error));
        EXPECT_EQ(error, kTextNotRegularFile);
    }
}
