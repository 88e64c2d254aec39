// The radio verbs run as a user would: kv310ctl against `kv310ctl simulate` and against a radio served by
// this test process behind a pseudo-terminal, with faults injected. These run in real time.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "DataRadioDoc.h"
#include "EepromImage.h"
#include "FaultOption.h"
#include "FileIo.h"
#include "PtyRadio.h"
#include "RunCli.h"
#include "SettingsFile.h"
#include "TempDir.h"

namespace {

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    ReadFileBytes(path, bytes, 1 << 20);
    return bytes;
}

// A UHF configuration with something in most fields.
CDataRadioDoc SampleRecord() {
    CDataRadioDoc doc;
    doc.m_nModel = 3;
    doc.m_nSubBand = 1;
    doc.ResetToDefaults();
    for (int ch = 0; ch < 6; ++ch) {
        CChannelData& c = doc.m_Channel[ch];
        c.m_dRxFreq = 450.0 + 0.5 * ch;
        c.m_dTxFreq = 460.0 + 0.25 * ch;
        c.m_nStep = ch % 2 == 0 ? kStep6250 : kStep5000;
        c.m_bWide = ch % 2;
        c.m_bHighPower = 1;
        c.m_bScan = ch < 3;
        c.m_nRxOption = ch % 3;
        c.m_nTxOption = (ch + 1) % 3;
        c.m_dRxCtcss = 100.0;
        c.m_dTxCtcss = 123.0;
        c.m_nRxDcs = 754;
        c.m_nTxDcs = 23;
    }
    doc.m_bGps = 1;
    doc.m_nGpsCycle = 5;
    doc.m_bModem = 1;
    doc.m_bModemFfsk = 1;
    doc.m_nSBandBaud = 2;
    return doc;
}

std::string ReadAllText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string SaveSample(const CTempDir& dir) {
    CRecordingSink sink;
    const std::string path = dir.File("sample.dat");
    EXPECT_TRUE(OnSaveDocument(SampleRecord(), path, sink));
    return path;
}

}  // namespace

TEST(CliRadio, WriteThenReadBackThroughSimulateGivesTheSameImage) {
    CTempDir dir;
    const std::string sample = SaveSample(dir);
    CBackgroundCli radio({"simulate", "--firmware", "1.1"});
    ASSERT_EQ(radio.m_strFirstLine.rfind("/dev/pts/", 0), 0u) << radio.m_strFirstLine;

    const SCliResult write = RunCli({"write", "--port", radio.m_strFirstLine, sample});
    ASSERT_EQ(write.nExit, 0) << write.strErr;
    EXPECT_EQ(write.strOut, "");
    EXPECT_NE(write.strErr.find("Writing.....!"), std::string::npos);
    EXPECT_NE(write.strErr.find("Radio firmware version 1.1"), std::string::npos);

    const SCliResult read = RunCli(
        {"read", "--port", radio.m_strFirstLine, "-o", dir.File("back.dat"), "--image", dir.File("b.bin")});
    ASSERT_EQ(read.nExit, 0) << read.strErr;
    EXPECT_NE(read.strErr.find("Radio firmware version 1.1"), std::string::npos);

    ASSERT_EQ(RunCli({"encode", sample, "-o", dir.File("a.bin")}).nExit, 0);
    std::vector<uint8_t> sent = ReadWholeFile(dir.File("a.bin"));
    sent[16] = 3;  // a write tells firmware 1.1 by this byte
    EXPECT_EQ(ReadWholeFile(dir.File("b.bin")), sent);

    CDataRadioDoc back;
    CRecordingSink sink;
    ASSERT_TRUE(OnOpenDocument(back, dir.File("back.dat"), sink));
    EXPECT_EQ(back.m_nModel, 3);
    EXPECT_EQ(back.m_nSubBand, 1);
    EXPECT_DOUBLE_EQ(back.m_Channel[4].m_dRxFreq, 452.0);
    EXPECT_EQ(back.m_Channel[2].m_nRxOption, kSigDcs);
    EXPECT_EQ(back.m_Channel[2].m_nRxDcs, 754);

    const SCliResult served = radio.Interrupt();
    EXPECT_EQ(served.nExit, 0);
    EXPECT_NE(served.strOut.find("block 25"), std::string::npos) << served.strOut;
}

class CliRadioFaults : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Radio.Start()) << m_Radio.m_strError; }

    // Runs `read` into a file that already holds an older configuration; returns the result.
    SCliResult ReadOverExisting() {
        CRecordingSink sink;
        EXPECT_TRUE(OnSaveDocument(CDataRadioDoc(), m_Dir.File("old.dat"), sink));
        m_Old = ReadWholeFile(m_Dir.File("old.dat"));
        return RunCli({"read", "--port", m_Radio.SlavePath(), "-o", m_Dir.File("old.dat")});
    }

    CPtyRadio m_Radio;
    CTempDir m_Dir;
    std::vector<uint8_t> m_Old;
};

TEST_F(CliRadioFaults, RefusedReadFailsAndLeavesTheFileAlone) {
    m_Radio.WithRadio([](CRadioSimulator& r) { return r.m_Faults.m_bRefuse = true; });
    const SCliResult result = ReadOverExisting();
    EXPECT_EQ(result.nExit, 1);
    EXPECT_NE(result.strErr.find("kv310ctl: Read Fail..!"), std::string::npos) << result.strErr;
    EXPECT_EQ(ReadWholeFile(m_Dir.File("old.dat")), m_Old);
}

TEST_F(CliRadioFaults, SilentRadioIsACommunicationError) {
    m_Radio.WithRadio([](CRadioSimulator& r) { return r.m_Faults.m_bSilent = true; });
    const SCliResult result = RunCli({"read", "--port", m_Radio.SlavePath(), "-o", m_Dir.File("new.dat")});
    EXPECT_EQ(result.nExit, 1);
    EXPECT_NE(result.strErr.find("Communication Error !!!   Check your radio connection to PC !!!"),
              std::string::npos);
    // the way to find the cable's port that a command line has, not a menu it lacks
    EXPECT_NE(result.strErr.find("is the cable's port (kv310ctl ports --wait-new)."), std::string::npos)
        << result.strErr;
    EXPECT_EQ(result.strErr.find("Port > Find the Cable"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_Dir.File("new.dat")));
}

TEST_F(CliRadioFaults, BlockThatNeverArrivesWholeFailsTheRead) {
    m_Radio.WithRadio([](CRadioSimulator& r) {
        r.m_Faults.m_nBadSumBlock = 7;
        return r.m_Faults.m_nBadSumCount = 5;
    });
    const SCliResult result = ReadOverExisting();
    EXPECT_EQ(result.nExit, 1);
    EXPECT_NE(result.strErr.find("kv310ctl: Read Fail!"), std::string::npos) << result.strErr;
    EXPECT_EQ(ReadWholeFile(m_Dir.File("old.dat")), m_Old);
}

TEST_F(CliRadioFaults, WriteBlockRefusedFourTimesFails) {
    m_Radio.WithRadio([](CRadioSimulator& r) {
        r.m_Faults.m_nNakBlock = 2;
        r.m_Eeprom[191] = 0x14;  // a KV310 UHF on sub-band U2, as the plan (a write reads the radio first)
        return r.m_Faults.m_nNakCount = 4;
    });
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(SampleRecord(), m_Dir.File("s.dat"), sink));
    const SCliResult result = RunCli({"write", "--port", m_Radio.SlavePath(), m_Dir.File("s.dat")});
    EXPECT_EQ(result.nExit, 1);
    EXPECT_NE(result.strErr.find("kv310ctl: Write Fail!"), std::string::npos) << result.strErr;
}

TEST_F(CliRadioFaults, WriteRefusesAFileWithErrorsUnlessForcedAndSendsNothing) {
    CDataRadioDoc doc = SampleRecord();
    doc.m_Channel[1].m_dRxCtcss = 165.5;  // channel 2 has CTCSS on receive
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(doc, m_Dir.File("e.dat"), sink));
    const SCliResult result = RunCli({"write", "--port", m_Radio.SlavePath(), m_Dir.File("e.dat")});
    EXPECT_EQ(result.nExit, 1);
    EXPECT_EQ(
        result.strErr,
        "kv310ctl: error: Channel 2 RX CTCSS 165.5 Hz is not in the radio's tone table; the radio would use "
        "254.1 Hz\nkv310ctl: " +
            m_Dir.File("e.dat") +
            " has 1 error: nothing was sent. Mend the file (kv310ctl check lists what is wrong) or give "
            "--force to write it anyway.\n");
    EXPECT_EQ(m_Radio.WithRadio([](CRadioSimulator& r) { return r.m_Received.size(); }), 0u);
}

// A worn cell: the write goes through, the verify finds it. The backup holds the radio's image before the
// write and the trace every byte that went over the line.
TEST_F(CliRadioFaults, VerifyFindsAByteTheRadioStoredWrongAfterABackup) {
    const CImageBytes before = m_Radio.WithRadio([](CRadioSimulator& r) {
        r.m_Faults.m_nWrongByteAddress = 0x195;  // in the last block
        r.m_Eeprom[191] = 0x14;                  // a KV310 UHF on sub-band U2, as the plan
        return r.m_Eeprom;
    });
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(SampleRecord(), m_Dir.File("s.dat"), sink));
    const SCliResult result = RunCli({"write", "--port", m_Radio.SlavePath(), m_Dir.File("s.dat"), "--backup",
                                      "--trace", m_Dir.File("trace.txt")});
    EXPECT_EQ(result.nExit, 1);
    EXPECT_NE(
        result.strErr.find("kv310ctl: Verify failed: at 0x195 the radio holds 0x01 where 0x00 was written; 1 "
                           "byte differs."),
        std::string::npos)
        << result.strErr;

    const std::string marker = "Backup of the radio's configuration: ";
    const size_t at = result.strErr.find(marker);
    ASSERT_NE(at, std::string::npos) << result.strErr;
    const std::string backup =
        result.strErr.substr(at + marker.size(), result.strErr.find('\n', at) - at - marker.size());
    EXPECT_EQ(ReadWholeFile(backup), std::vector<uint8_t>(before.begin(), before.end()));

    // every byte the radio received is in the trace's '>' lines, in order
    std::vector<uint8_t> traced;
    std::istringstream lines(std::string(ReadAllText(m_Dir.File("trace.txt"))));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string ms, direction, hex;
        words >> ms >> direction;
        while (direction == ">" && words >> hex) {
            traced.push_back(static_cast<uint8_t>(std::stoi(hex, nullptr, 16)));
        }
    }
    EXPECT_EQ(traced, m_Radio.WithRadio([](CRadioSimulator& r) { return r.m_Received; }));
}

TEST_F(CliRadioFaults, NoVerifyLeavesTheWornByteUnnoticed) {
    m_Radio.WithRadio([](CRadioSimulator& r) {
        r.m_Eeprom[191] = 0x14;  // a KV310 UHF on sub-band U2, as the plan (a write reads the radio first)
        return r.m_Faults.m_nWrongByteAddress = 0x195;
    });
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(SampleRecord(), m_Dir.File("s.dat"), sink));
    const SCliResult result =
        RunCli({"write", "--no-verify", "--port", m_Radio.SlavePath(), m_Dir.File("s.dat")});
    EXPECT_EQ(result.nExit, 0) << result.strErr;
    EXPECT_EQ(result.strErr.find("Verif"), std::string::npos) << result.strErr;
}

TEST_F(CliRadioFaults, StatusPrintsChannelFirmwareAndModem) {
    m_Radio.WithRadio([](CRadioSimulator& r) {
        r.m_nChannel = 5;
        r.m_nVersion = 0x12;
        return r.m_nModem = 0xA2;
    });
    const SCliResult result = RunCli({"status", "--port", m_Radio.SlavePath()});
    EXPECT_EQ(result.nExit, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "channel 5\nfirmware 1.2\nmodem FFSK\n");
}

TEST_F(CliRadioFaults, StatusRefusesARecordCutShortOrFullOfNoise) {
    const struct {
        int bytes;
        uint8_t channel;
        uint8_t version;
    } cases[] = {
        {3, 5, 0x12}, {4, 0xAA, 0xAA}, {4, 0, 0x12}, {4, 17, 0x12}};  // 0xAA 0xAA ...: a flooding port
    for (const auto& c : cases) {
        m_Radio.WithRadio([&c](CRadioSimulator& r) {
            r.m_nChannel = c.channel;
            r.m_nVersion = c.version;
            return r.m_Faults.m_nStatusBytes = c.bytes;
        });
        const SCliResult result = RunCli({"status", "--port", m_Radio.SlavePath()});
        EXPECT_EQ(result.nExit, 1) << c.bytes << " " << int{c.channel};
        EXPECT_EQ(result.strOut, "");
        EXPECT_NE(result.strErr.find("the radio's status reply was incomplete"), std::string::npos)
            << result.strErr;
    }
}

TEST(CliRadioPorts, UnusablePortsSayWhatIsWrong) {
    CTempDir dir;
    const SCliResult missing = RunCli({"read", "-o", dir.File("x.dat")});
    EXPECT_EQ(missing.nExit, 2);
    EXPECT_NE(missing.strErr.find("--port is missing"), std::string::npos);

    const SCliResult bogus = RunCli({"status", "--port", "COM77"});
    EXPECT_EQ(bogus.nExit, 2);

    const SCliResult absent = RunCli({"read", "--port", dir.File("ttyNONE"), "-o", dir.File("x.dat")});
    EXPECT_EQ(absent.nExit, 1);
    EXPECT_NE(absent.strErr.find(dir.File("ttyNONE")), std::string::npos) << absent.strErr;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.dat")));
}

TEST(CliRadioPorts, PortsListsTheSimulatedRadio) {
    const SCliResult result = RunCli({"ports"});
    EXPECT_EQ(result.nExit, 0);
    EXPECT_NE(result.strOut.find("COM49\t(built in)\tSimulated radio\tready\n"), std::string::npos)
        << result.strOut;
}

TEST(CliSimulate, RejectsBadFaultsAndFirmware) {
    EXPECT_EQ(RunCli({"simulate", "--fault", "explode"}).nExit, 2);
    EXPECT_EQ(RunCli({"simulate", "--fault", "nak:26"}).nExit, 2);
    EXPECT_EQ(RunCli({"simulate", "--firmware", "1.16"}).nExit, 2);
    EXPECT_EQ(RunCli({"simulate", "--reply", "A"}).nExit, 2);
    EXPECT_EQ(RunCli({"simulate", "--fault", "service-refusal:6"}).nExit, 2);
}

TEST(CliSimulate, ServiceFaultsParse) {
    SRadioFaults faults;
    std::string error;
    EXPECT_TRUE(ParseFaultOption("garbage", faults, error));
    EXPECT_TRUE(ParseFaultOption("service-refusal:65", faults, error));
    EXPECT_TRUE(ParseFaultOption("short-status:02", faults, error));
    EXPECT_TRUE(faults.m_bServiceGarbage);
    EXPECT_EQ(faults.m_nServiceRefusal, 0x65);
    EXPECT_EQ(faults.m_nStatusBytes, 2);
}

// A run whose files cannot all be written, or that would write one file over another, is refused before a
// single byte goes to the radio, so its words and its exit status agree.
TEST_F(CliRadioFaults, FilesThatCollideOrCannotBeWrittenAreRefusedBeforeTheRadioIsTouched) {
    const std::string plan = SaveSample(m_Dir);
    ASSERT_EQ(::mkfifo(m_Dir.File("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(plan, m_Dir.File("link.dat"));
    const std::string port = m_Radio.SlavePath();
    const struct {
        std::vector<std::string> words;
        const char* says;
    } cases[] = {
        {{"write", "--port", port, plan, "--trace", plan}, "are the same file"},
        {{"write", "--port", port, plan, "--trace", m_Dir.File("link.dat")}, "are the same file"},
        {{"read", "--port", port, "-o", m_Dir.File("x.dat"), "--image", m_Dir.File("x.dat")}, "same file"},
        {{"read", "--port", port, "-o", m_Dir.File("y.dat"), "--trace", m_Dir.File("fifo")}, "a pipe"},
        {{"read", "--port", port, "-o", m_Dir.File("fifo")}, "a pipe"},
        {{"write", "--port", port, plan, "--trace", m_Dir.File("no/such/trace.txt")}, "does not exist"},
        {{"status", "--port", port, "--trace", m_Dir.m_Path}, "it is a folder"},
        {{"read", "--port", port, "-o", m_Dir.File(std::string(256, 'n') + ".dat")}, "File name too long"},
        {{"read", "--port", port, "-o", m_Dir.File(std::string(256, 'n') + "/x.dat")}, "File name too long"},
    };
    for (const auto& c : cases) {
        const SCliResult result = RunCli(c.words);
        EXPECT_EQ(result.nExit, 2) << c.words[0] << " " << c.words.back();
        EXPECT_NE(result.strErr.find(c.says), std::string::npos) << result.strErr;
        EXPECT_EQ(result.strErr.find("Verified"), std::string::npos);
    }
    EXPECT_EQ(m_Radio.WithRadio([](CRadioSimulator& r) { return r.m_Received.size(); }), 0u);
    EXPECT_EQ(std::filesystem::file_size(plan), 1827u);
    EXPECT_FALSE(std::filesystem::exists(m_Dir.File("x.dat")));
}

// Reading the radio before the write tells what it is: a plan for another model or sub-band is refused with
// both names, unless forced.
TEST_F(CliRadioFaults, BackupRefusesARadioOfAnotherModelUnlessForced) {
    const std::string plan = SaveSample(m_Dir);  // a KV310 UHF on U2
    const struct {
        uint8_t modelByte;
        bool force;
        int exit;
        const char* says;
    } cases[] = {
        {0x03, false, 1, "the radio is a KV310 VHF, the plan is for a KV310 UHF U2: nothing was written"},
        {0x04, false, 1, "the radio is a KV310 UHF U1, the plan is for a KV310 UHF U2"},
        {0x03, true, 0, "Verified"},
    };
    for (const auto& c : cases) {
        m_Radio.WithRadio([&c](CRadioSimulator& r) { return r.m_Eeprom[191] = c.modelByte; });
        std::vector<std::string> words = {"write", "--port", m_Radio.SlavePath(), plan, "--backup"};
        if (c.force) {
            words.push_back("--force");
        }
        const SCliResult result = RunCli(words);
        EXPECT_EQ(result.nExit, c.exit) << result.strErr;
        EXPECT_NE(result.strErr.find(c.says), std::string::npos) << result.strErr;
        EXPECT_EQ(m_Radio.WithRadio([](CRadioSimulator& r) { return r.m_Eeprom[191]; }),
                  c.force ? 0x14 : c.modelByte);
    }
}
