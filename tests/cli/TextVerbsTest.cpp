#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FileIo.h"
#include "RunCli.h"
#include "TempDir.h"

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A plan with channel 1 on 451.00000 MHz and a CTCSS tone, as a technician would write it.
std::string SavePlan(const CTempDir& dir) {
    WriteText(
        dir.File("plan.yaml"),
        "model: KV330 UHF\nsub_band: U2\nchannels:\n"
        "  - {channel: 1, rx_mhz: 451.0, tx_mhz: 456.0, rx_signalling: {type: ctcss, tone_hz: 88.5}}\n");
    return dir.File("plan.yaml");
}

}  // namespace

TEST(CliText, ExportAndImportGiveTheSameSettingsFileBack) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"import", SavePlan(dir), "-o", dir.File("a.dat")}).nExit, 0);
    const SCliResult exported = RunCli({"export", dir.File("a.dat"), "-o", dir.File("a.yaml")});
    ASSERT_EQ(exported.nExit, 0) << exported.strErr;
    EXPECT_NE(ReadText(dir.File("a.yaml")).find("rx_signalling: {type: ctcss, tone_hz: 88.5}"),
              std::string::npos);
    ASSERT_EQ(RunCli({"import", dir.File("a.yaml"), "-o", dir.File("b.dat")}).nExit, 0);
    EXPECT_EQ(ReadText(dir.File("b.dat")), ReadText(dir.File("a.dat")));
    EXPECT_EQ(RunCli({"export", dir.File("b.dat"), "-o", "-"}).strOut, ReadText(dir.File("a.yaml")));
}

TEST(CliText, ABadPlanNamesLineAndFieldAndWritesNothing) {
    CTempDir dir;
    WriteText(dir.File("bad.yaml"), "model: KV310 VHF\nchannels:\n  - channel: 2\n    width: medium\n");
    WriteText(dir.File("out.dat"), "old");
    const SCliResult result = RunCli({"import", dir.File("bad.yaml"), "-o", dir.File("out.dat")});
    EXPECT_EQ(result.nExit, 1);
    EXPECT_NE(result.strErr.find("bad.yaml:4: channel 2 width: 'medium' is not allowed: give narrow | wide"),
              std::string::npos)
        << result.strErr;
    EXPECT_EQ(ReadText(dir.File("out.dat")), "old");
    EXPECT_EQ(RunCli({"import", dir.File("bad.yaml"), "--model", "2", "-o", dir.File("x.dat")}).nExit, 2);
    EXPECT_EQ(RunCli({"import", dir.File("x.txt"), "-o", dir.File("x.dat")}).nExit, 2);
}

TEST(CliText, ChannelCsvGoesIntoABaseConfiguration) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"import", SavePlan(dir), "-o", dir.File("a.dat")}).nExit, 0);
    ASSERT_EQ(RunCli({"export", "--channels-csv", dir.File("a.dat"), "-o", dir.File("c.csv")}).nExit, 0);
    std::string csv = ReadText(dir.File("c.csv"));
    ASSERT_EQ(csv.find("\n1,451.00000,456.00000,"), csv.find('\n')) << csv;
    csv.replace(csv.find("451.00000"), 9, "452.50000");
    WriteText(dir.File("c.csv"), csv);
    ASSERT_EQ(RunCli({"new", "--model", "kv330-uhf", "--sub-band", "1", "-o", dir.File("base.dat")}).nExit,
              0);
    EXPECT_EQ(RunCli({"import", "--channels-csv", dir.File("c.csv"), "-o", dir.File("b.dat")}).nExit, 2);
    const SCliResult import = RunCli({"import", "--channels-csv", dir.File("c.csv"), "--into",
                                      dir.File("base.dat"), "-o", dir.File("b.dat")});
    ASSERT_EQ(import.nExit, 0) << import.strErr;
    const SCliResult diff = RunCli({"diff", dir.File("a.dat"), dir.File("b.dat")});
    EXPECT_EQ(diff.nExit, 1);
    EXPECT_EQ(diff.strOut, "channel 1 rx: 451.00000 -> 452.50000\n");
}

TEST(CliText, DiffExitsZeroWhenEqualOneWhenNotTwoOnTrouble) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"import", SavePlan(dir), "-o", dir.File("a.dat")}).nExit, 0);
    ASSERT_EQ(RunCli({"encode", dir.File("a.dat"), "-o", dir.File("a.bin")}).nExit, 0);
    const SCliResult same = RunCli({"diff", dir.File("plan.yaml"), dir.File("a.dat")});
    EXPECT_EQ(same.nExit, 0) << same.strOut << same.strErr;
    EXPECT_EQ(same.strOut, "");
    EXPECT_EQ(RunCli({"diff", dir.File("a.bin"), dir.File("plan.yaml")}).nExit, 0);
    ASSERT_EQ(RunCli({"new", "--model", "kv330-uhf", "-o", dir.File("n.dat")}).nExit, 0);
    const SCliResult differ = RunCli({"diff", dir.File("n.dat"), dir.File("a.dat")});
    EXPECT_EQ(differ.nExit, 1);
    EXPECT_EQ(differ.strOut.rfind("sub-band: U1 -> U2\nchannel 1 rx: 0.00000 -> 451.00000\n", 0), 0u)
        << differ.strOut;
    EXPECT_EQ(RunCli({"diff", dir.File("a.dat"), dir.File("missing.dat")}).nExit, 2);
    EXPECT_EQ(RunCli({"diff", dir.File("a.dat")}).nExit, 2);
}

TEST(CliText, DiffAgainstARadioAuditsItAgainstThePlan) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"import", SavePlan(dir), "-o", dir.File("a.dat")}).nExit, 0);
    ASSERT_EQ(RunCli({"encode", dir.File("a.dat"), "-o", dir.File("a.bin")}).nExit, 0);
    CBackgroundCli radio({"simulate", "--image", dir.File("a.bin")});
    ASSERT_EQ(radio.m_strFirstLine.rfind("/dev/pts/", 0), 0u) << radio.m_strFirstLine;
    const SCliResult same = RunCli({"diff", "--port", radio.m_strFirstLine, dir.File("plan.yaml")});
    EXPECT_EQ(same.nExit, 0) << same.strOut << same.strErr;
    WriteText(dir.File("plan.yaml"),
              ReadText(dir.File("plan.yaml")) + "channel_page: {busy_channel_lockout: true}\n");
    const SCliResult differ = RunCli({"diff", "--port", radio.m_strFirstLine, dir.File("plan.yaml")});
    EXPECT_EQ(differ.nExit, 1) << differ.strErr;
    EXPECT_EQ(differ.strOut, "busy channel lockout: true -> false\n");
    radio.Interrupt();
}

TEST(CliText, ChirpCsvRoundTripsAndSaysWhatItLeftOut) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"import", SavePlan(dir), "-o", dir.File("a.dat")}).nExit, 0);
    const SCliResult exported = RunCli({"export", "--chirp-csv", dir.File("a.dat"), "-o", dir.File("c.csv")});
    ASSERT_EQ(exported.nExit, 0) << exported.strErr;
    const std::string csv = ReadText(dir.File("c.csv"));
    EXPECT_NE(csv.find("\r\n1,,451.000000,+,5.000000,Cross,"), std::string::npos) << csv;
    WriteText(dir.File("c.csv"),
              csv + "7,AIR,121.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,High,,,,,\r\n");
    const SCliResult import = RunCli(
        {"import", "--chirp-csv", dir.File("c.csv"), "--into", dir.File("a.dat"), "-o", dir.File("b.dat")});
    ASSERT_EQ(import.nExit, 0) << import.strErr;
    EXPECT_NE(import.strErr.find("Left out, Location 7: RX outside the band, 440\u2013490 MHz."),
              std::string::npos)
        << import.strErr;
    EXPECT_EQ(ReadText(dir.File("b.dat")), ReadText(dir.File("a.dat")));
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"import", "--chirp-csv", dir.File("c.csv"), "-o", dir.File("d.dat")},
          {"import", "--chirp-csv", "--channels-csv", dir.File("c.csv"), "--into", dir.File("a.dat"), "-o",
           dir.File("d.dat")},
          {"import", "--first", "3", dir.File("c.csv"), "--into", dir.File("a.dat"), "-o",
           dir.File("d.dat")}}) {
        EXPECT_EQ(RunCli(words).nExit, 2);
    }
    const SCliResult missing = RunCli({"import", "--chirp-csv", dir.File("c.csv"), "--first", "3", "--into",
                                       dir.File("a.dat"), "-o", dir.File("d.dat")});
    EXPECT_EQ(missing.nExit, 1);
    EXPECT_NE(missing.strErr.find("no row has the Location 3 (nothing written)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("d.dat")));
}
