// write and read on several ports at once, as a user runs them, against radios served by this test process
// behind pseudo-terminals, one of them misbehaving. These run in real time (a write with verify is ~9 s).

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "EepromImage.h"
#include "FileIo.h"
#include "PtyRadio.h"
#include "RunCli.h"
#include "SettingsFile.h"
#include "Sha256.h"
#include "TempDir.h"

namespace {

class CliFleet : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            m_Radios.push_back(std::make_unique<CPtyRadio>());
            ASSERT_TRUE(m_Radios.back()->Start()) << m_Radios.back()->m_strError;
        }
    }

    std::vector<std::string> PortWords() const {
        std::vector<std::string> words;
        for (const auto& radio : m_Radios) {
            words.insert(words.end(), {"--port", radio->SlavePath()});
        }
        return words;
    }

    CImageBytes Eeprom(size_t i) const {
        return m_Radios[i]->WithRadio([](CRadioSimulator& r) { return r.m_Eeprom; });
    }

    std::vector<std::unique_ptr<CPtyRadio>> m_Radios;
    CTempDir m_Dir;
};

TEST_F(CliFleet, WriteProgramsTheGoodRadiosAndNamesTheOneThatRefusedBlocks) {
    for (const auto& radio : m_Radios) {  // never programmed: each gets the plan's image whole
        radio->WithRadio([](CRadioSimulator& r) { return r.m_Eeprom.fill(0xFF), 0; });
    }
    m_Radios[1]->WithRadio([](CRadioSimulator& r) {
        r.m_Faults.m_nNakBlock = 3;
        return r.m_Faults.m_nNakCount = 50;  // a storm: every resend refused
    });
    CDataRadioDoc doc;
    doc.m_nModel = 3;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = 431.125;
    CRecordingSink sink;
    const std::string file = m_Dir.File("fleet.dat");
    ASSERT_TRUE(OnSaveDocument(doc, file, sink));
    CEepromImage expected;
    expected.EncodeImage(doc);
    expected.m_Work[16] = 2;  // the radios report firmware 1.2

    std::vector<std::string> words = {"write", file};
    const std::vector<std::string> ports = PortWords();
    words.insert(words.end(), ports.begin(), ports.end());
    const SCliResult result = RunCli(words);

    EXPECT_EQ(result.nExit, 1) << result.strErr;
    EXPECT_EQ(Eeprom(0), expected.m_Work);
    EXPECT_EQ(Eeprom(2), expected.m_Work);
    const std::string bad = m_Radios[1]->SlavePath();
    // the Port column is as wide as the longest device name (/dev/pts/9 beside /dev/pts/10)
    const auto row = [&](const std::string& port) {
        std::istringstream lines(result.strOut);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream cells(line);
            std::string first, firmware, outcome;
            if (cells >> first >> firmware >> outcome && first == port) {
                return firmware + " " + outcome;
            }
        }
        return std::string("no row");
    };
    EXPECT_EQ(row(m_Radios[0]->SlavePath()), "1.2 ok") << result.strOut;
    EXPECT_EQ(row(bad), "1.2 FAILED") << result.strOut;
    EXPECT_NE(result.strOut.find("\n" + bad +
                                 ": Write Fail!; partly written: blocks 0–2 are new, 3–25 are not; the radio "
                                 "still holds a mixed configuration — write again\n"),
              std::string::npos)
        << result.strOut;
    EXPECT_NE(result.strErr.find("kv310ctl: 2 of 3 radios written and verified; failed: " + bad + ".\n"),
              std::string::npos)
        << result.strErr;

    // every radio of the fleet leaves its line in the transfer log, the failed one also its trace
    const std::string log = RunCli({"log"}).strOut;
    const std::string sha = Sha256Hex(expected.m_Work.data(), expected.m_Work.size());
    for (size_t i = 0; i < m_Radios.size(); ++i) {
        const std::string line =
            "\tkv310ctl\tfleet-write\t" + m_Radios[i]->SlavePath() + "\t\t1.2\tKV310 UHF\t" + file + "\t" +
            (i == 1 ? "\tWrite Fail!; partly written: blocks 0–2 are new" : sha + "\tok\t");
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
    }
    EXPECT_NE(result.strErr.find("The serial trace of this transfer is kept in "), std::string::npos);
    // the plan is found by its file's digest, also under another name (the merged bytes differ per radio)
    std::filesystem::copy_file(file, m_Dir.File("renamed.dat"));
    const std::string ofPlan = RunCli({"log", "--plan", m_Dir.File("renamed.dat")}).strOut;
    EXPECT_EQ(std::count(ofPlan.begin(), ofPlan.end(), '\n'), 4) << ofPlan;  // the header and three radios
    std::vector<uint8_t> plan;
    ASSERT_TRUE(ReadFileBytes(file, plan, 1u << 20));
    EXPECT_NE(ofPlan.find("\t" + Sha256Hex(plan) + "\n"), std::string::npos) << ofPlan;
}

TEST_F(CliFleet, ReadSavesOneFilePerRadioAndNoneForTheSilentOne) {
    m_Radios[2]->WithRadio([](CRadioSimulator& r) { return r.m_Faults.m_bSilent = true; });
    std::vector<std::string> words = {"read", "-o", m_Dir.File("bench")};
    const std::vector<std::string> ports = PortWords();
    words.insert(words.end(), ports.begin(), ports.end());
    const SCliResult result = RunCli(words);

    EXPECT_EQ(result.nExit, 1) << result.strErr;
    for (size_t i = 0; i < 3; ++i) {
        std::string name = m_Radios[i]->SlavePath().substr(5);  // pts/3 -> pts-3.dat
        name[3] = '-';
        EXPECT_EQ(std::filesystem::exists(m_Dir.File("bench/" + name + ".dat")), i != 2) << name;
    }
    EXPECT_NE(result.strOut.find(m_Radios[2]->SlavePath() +
                                 ": Communication Error !!!   Check your radio connection to PC !!!"),
              std::string::npos)
        << result.strOut;
}

TEST(CliFleetArgs, APortGivenTwiceIsRefusedBeforeAnythingIsSent) {
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start());
    CTempDir dir;
    const SCliResult result =
        RunCli({"read", "--port", radio.SlavePath(), "--port", radio.SlavePath(), "-o", dir.File("x")});
    EXPECT_EQ(result.nExit, 2);
    EXPECT_NE(result.strErr.find("is given twice"), std::string::npos) << result.strErr;
    EXPECT_EQ(radio.WithRadio([](CRadioSimulator& r) { return r.m_Received.size(); }), 0u);
}

TEST(CliFleetArgs, SimulateServesSeveralRadios) {
    CBackgroundCli sim({"simulate", "--count", "2"});
    ASSERT_EQ(sim.m_strFirstLine.rfind("/dev/pts/", 0), 0u) << sim.m_strFirstLine;
    const SCliResult served = sim.Interrupt();
    EXPECT_EQ(served.nExit, 0);
    // the second path, then each radio's report under its own heading
    EXPECT_EQ(served.strOut.find("/dev/pts/"), 0u) << served.strOut;
    EXPECT_NE(served.strOut.find("radio on " + sim.m_strFirstLine + ":\nreceived 0 bytes\n"),
              std::string::npos)
        << served.strOut;
    EXPECT_EQ(RunCli({"simulate", "--count", "0"}).nExit, 2);
}

}  // namespace

// Ports whose files would be one file, and one port given twice under two names, are refused before any radio
// is touched.
TEST_F(CliFleet, PortsThatWouldShareAFileOrADeviceAreRefusedBeforeStarting) {
    namespace fs = std::filesystem;
    fs::create_symlink(m_Radios[0]->SlavePath(), m_Dir.File("r_1"));
    fs::create_symlink(m_Radios[1]->SlavePath(), m_Dir.File("r-1"));
    fs::create_symlink(m_Radios[0]->SlavePath(), m_Dir.File("again"));
    const std::string a = m_Dir.File("r_1");
    const std::string b = m_Dir.File("r-1");
    const struct {
        std::vector<std::string> words;
        const char* says;
    } cases[] = {
        {{"read", "--port", a, "--port", b, "-o", m_Dir.File("out")}, "are the same file"},
        {{"read", "--port", m_Radios[2]->SlavePath(), "--port", b, "-o", m_Dir.File("out"), "--image",
          m_Dir.File("out/"), "--trace", m_Dir.File("out/")},
         "are the same file"},
        {{"read", "--port", m_Radios[0]->SlavePath(), "--port", m_Dir.File("again"), "-o", m_Dir.File("out")},
         "is given twice"},
    };
    for (const auto& c : cases) {
        const SCliResult result = RunCli(c.words);
        EXPECT_EQ(result.nExit, 2) << result.strErr;
        EXPECT_NE(result.strErr.find(c.says), std::string::npos) << result.strErr;
        EXPECT_EQ(result.strOut, "");
    }
    for (size_t i = 0; i < m_Radios.size(); ++i) {
        EXPECT_EQ(m_Radios[i]->WithRadio([](CRadioSimulator& r) { return r.m_Received.size(); }), 0u);
    }
}
