#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "DataRadioDoc.h"
#include "EepromImage.h"
#include "FileIo.h"
#include "RunCli.h"
#include "SettingsFile.h"
#include "TempDir.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::vector<uint8_t> bytes;
    ReadFileBytes(path, bytes, 1 << 20);
    return bytes;
}

CDataRadioDoc Load(const std::string& path) {
    CDataRadioDoc doc;
    CRecordingSink sink;
    EXPECT_TRUE(OnOpenDocument(doc, path, sink));
    EXPECT_TRUE(sink.m_Messages.empty());
    return doc;
}

}  // namespace

TEST(CliUsage, HelpGoesToStdoutAndSucceeds) {
    const SCliResult overview = RunCli({"--help"});
    EXPECT_EQ(overview.nExit, 0);
    EXPECT_NE(overview.strOut.find("new"), std::string::npos);
    EXPECT_NE(overview.strOut.find("COM49"), std::string::npos);
    const SCliResult verb = RunCli({"new", "--help"});
    EXPECT_EQ(verb.nExit, 0);
    EXPECT_EQ(verb.strOut.rfind("Usage: kv310ctl new --model MODEL", 0), 0u);
    EXPECT_EQ(verb.strErr, "");
    const SCliResult help = RunCli({"help", "restore"});  // help VERB: that verb's help
    EXPECT_EQ(help.nExit, 0);
    EXPECT_EQ(help.strOut.rfind("Usage: kv310ctl restore --port PORT", 0), 0u) << help.strOut;
    const SCliResult bogus = RunCli({"help", "bogus"});
    EXPECT_EQ(bogus.nExit, 2);
    EXPECT_EQ(bogus.strOut, "");
}

TEST(CliUsage, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunCli({}).nExit, 2);
    const SCliResult unknown = RunCli({"frobnicate"});
    EXPECT_EQ(unknown.nExit, 2);
    EXPECT_NE(unknown.strErr.find("unknown verb 'frobnicate'"), std::string::npos);
    EXPECT_EQ(unknown.strOut, "");
    EXPECT_EQ(RunCli({"new", "--model", "kv310-vhf"}).nExit, 2);  // no output file
    EXPECT_EQ(RunCli({"new", "--model", "kv999", "-o", "/tmp/never.dat"}).nExit, 2);
    EXPECT_EQ(RunCli({"encode", "-o", "x.bin"}).nExit, 2);  // no input
    const SCliResult escaped = RunCli({"new", "--model", "\x1b[2J" + std::string(300, 'k'), "-o", "x.dat"});
    EXPECT_EQ(escaped.nExit, 2);
    EXPECT_NE(escaped.strErr.find("unknown model '\\x1b[2Jkkk"), std::string::npos) << escaped.strErr;
    EXPECT_EQ(escaped.strErr.find('\x1b'), std::string::npos);     // never raw on the terminal
    EXPECT_NE(escaped.strErr.find("kkk...'"), std::string::npos);  // a long value is cut
}

TEST(CliNew, WritesAFreshRecordForTheModel) {
    CTempDir dir;
    const SCliResult result =
        RunCli({"new", "--model", "kv330-uhf", "--sub-band", "1", "-o", dir.File("n.dat")});
    ASSERT_EQ(result.nExit, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "");

    CDataRadioDoc expected;
    expected.m_nModel = 5;
    expected.m_nSubBand = 1;
    expected.ResetToDefaults();
    EXPECT_EQ(ReadAll(dir.File("n.dat")), SettingsFileBytes(expected));
}

TEST(CliNew, RefusesASubBandTheModelDoesNotHave) {
    CTempDir dir;
    const SCliResult result = RunCli({"new", "--model", "2", "--sub-band", "1", "-o", dir.File("n.dat")});
    EXPECT_EQ(result.nExit, 2);
    EXPECT_NE(result.strErr.find("sub-band '1' does not exist for the KV310 VHF"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("n.dat")));
}

TEST(CliEncodeDecode, ImageRoundTripsThroughTheFileVerbs) {
    CTempDir dir;
    CDataRadioDoc doc;
    doc.m_nModel = 3;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = 450.0;
    doc.m_Channel[0].m_dTxFreq = 455.0;
    doc.m_Channel[0].m_nStep = kStep6250;
    doc.m_Channel[0].m_nRxOption = kSigCtcss;
    doc.m_Channel[0].m_dRxCtcss = 88.5;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("in.dat"), sink));

    const SCliResult encoded = RunCli({"encode", dir.File("in.dat"), "-o", dir.File("img.bin")});
    ASSERT_EQ(encoded.nExit, 0) << encoded.strErr;
    CEepromImage image;
    image.EncodeImage(doc);
    EXPECT_EQ(ReadAll(dir.File("img.bin")), std::vector<uint8_t>(image.m_Work.begin(), image.m_Work.end()));
    EXPECT_EQ(ReadAll(dir.File("img.bin"))[11] & 0x7F, 6);  // the UHF service value, not a fresh VHF record's

    const SCliResult decoded = RunCli({"decode", dir.File("img.bin"), "-o", dir.File("back.dat")});
    ASSERT_EQ(decoded.nExit, 0) << decoded.strErr;
    const CDataRadioDoc back = Load(dir.File("back.dat"));
    EXPECT_EQ(back.m_nModel, 3);
    EXPECT_DOUBLE_EQ(back.m_Channel[0].m_dRxFreq, 450.0);
    EXPECT_DOUBLE_EQ(back.m_Channel[0].m_dTxFreq, 455.0);
    EXPECT_DOUBLE_EQ(back.m_Channel[0].m_dRxCtcss, 88.5);
}

TEST(CliEncodeDecode, BadInputsFailWithoutWritingOutput) {
    CTempDir dir;
    // a settings file naming model row 6
    std::vector<uint8_t> bad(1827, 0);
    bad[0] = 6;
    ASSERT_TRUE(WriteFileAtomically(dir.File("bad.dat"), bad));
    const SCliResult rejected = RunCli({"encode", dir.File("bad.dat"), "-o", dir.File("x.bin")});
    EXPECT_EQ(rejected.nExit, 1);
    EXPECT_NE(rejected.strErr.find("This file is corrupted or wrong file type!"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.bin")));

    const SCliResult missing = RunCli({"encode", dir.File("none.dat"), "-o", dir.File("x.bin")});
    EXPECT_EQ(missing.nExit, 2);  // cannot be read at all

    ASSERT_TRUE(WriteFileAtomically(dir.File("short.bin"), std::vector<uint8_t>(400, 0)));
    const SCliResult shortImage = RunCli({"decode", dir.File("short.bin"), "-o", dir.File("y.dat")});
    EXPECT_EQ(shortImage.nExit, 1);
    EXPECT_NE(shortImage.strErr.find("must be exactly 416 bytes"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("y.dat")));
}

namespace {

// A KV110 UHF file with channel 1 on 450.000 / 460.000 MHz: "II HHLL \r\n" records of its 200-byte memory.
std::string WriteLegacyUhf(const CTempDir& dir, const std::string& name) {
    std::array<uint8_t, 200> memory{};
    auto putWord = [&memory](size_t at, int64_t divider) {
        const int64_t n = divider >> 6;
        memory[at] = static_cast<uint8_t>((divider & 0x3F) | (n & 1) << 7 | (n >> 10 & 1) << 6);
        memory[at + 1] = static_cast<uint8_t>(n >> 1 & 0xFF);
        memory[at + 2] = static_cast<uint8_t>((n >> 9 & 1) << 7);
    };
    putWord(0, (450000000 - 45100000) / 5000);
    putWord(3, 460000000 / 5000);
    std::string text;
    for (int i = 0; i < 100; ++i) {
        char record[16];
        std::snprintf(record, sizeof record, "%02X %02X%02X \r\n", i, memory[2 * i + 1], memory[2 * i]);
        text += record;
    }
    const std::string path = dir.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end())));
    return path;
}

}  // namespace

TEST(CliImport, ImportsAKv110FileForAFittingModel) {
    CTempDir dir;
    const std::string legacy = WriteLegacyUhf(dir, "plan.UHF");
    const SCliResult result = RunCli({"import", legacy, "--model", "kv330-uhf", "-o", dir.File("plan.dat")});
    ASSERT_EQ(result.nExit, 0) << result.strErr;
    const CDataRadioDoc doc = Load(dir.File("plan.dat"));
    EXPECT_EQ(doc.m_nModel, 5);
    EXPECT_NEAR(doc.m_Channel[0].m_dRxFreq, 450.0, 0.0001);
    EXPECT_NEAR(doc.m_Channel[0].m_dTxFreq, 460.0, 0.0001);
}

TEST(CliImport, MismatchedModelFailsWithTheRadioMessage) {
    CTempDir dir;
    const std::string legacy = WriteLegacyUhf(dir, "plan.uhf");
    const SCliResult result = RunCli({"import", legacy, "--model", "kv310-vhf", "-o", dir.File("plan.dat")});
    EXPECT_EQ(result.nExit, 1);
    EXPECT_NE(
        result.strErr.find("This file is for UHF. Model type is mismatched. Please select model again..."),
        std::string::npos)
        << result.strErr;
    EXPECT_FALSE(std::filesystem::exists(dir.File("plan.dat")));
    EXPECT_EQ(RunCli({"import", dir.File("plan.txt"), "--model", "3", "-o", dir.File("p.dat")}).nExit, 2);
}

TEST(CliShow, PrintsTheDataSheetOnStdout) {
    CTempDir dir;
    CDataRadioDoc doc;
    doc.m_Channel[0].m_dRxFreq = 150.0;
    doc.m_Channel[0].m_dTxFreq = 151.0;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("s.dat"), sink));
    const SCliResult result = RunCli({"show", dir.File("s.dat")});
    ASSERT_EQ(result.nExit, 0) << result.strErr;
    EXPECT_EQ(result.strErr, "");
    EXPECT_NE(result.strOut.find("KV310  VHF"), std::string::npos);
    EXPECT_NE(result.strOut.find("150.0000 "), std::string::npos) << result.strOut;
    EXPECT_NE(result.strOut.find("OPTION DATA"), std::string::npos);
}

TEST(CliCheck, ListsErrorsAndWarningsOneALineAndExitsOneOnErrors) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"new", "--model", "kv310-uhf", "--sub-band", "1", "-o", dir.File("a.dat")}).nExit, 0);
    const SCliResult fresh = RunCli({"check", dir.File("a.dat")});
    EXPECT_EQ(fresh.nExit, 0);
    EXPECT_EQ(fresh.strOut, "");
    EXPECT_EQ(fresh.strErr, dir.File("a.dat") + ": 0 errors, 0 warnings\n");

    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Uhf;
    doc.m_nSubBand = 1;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = doc.m_Channel[0].m_dTxFreq = 490.0;
    doc.m_Channel[0].m_nStep = kStep5000;
    doc.m_nGpsTxTime = 20;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("w.dat"), sink));
    const SCliResult warned = RunCli({"check", dir.File("w.dat")});
    EXPECT_EQ(warned.nExit, 0);
    EXPECT_EQ(warned.strOut,
              "warning: GPS data transmission time 20 s is outside 1 to 10 s, the range its page offers\n");

    doc.m_Channel[0].m_nStep = kStep2500;
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("e.dat"), sink));
    const SCliResult wrong = RunCli({"check", dir.File("e.dat")});
    EXPECT_EQ(wrong.nExit, 1);
    EXPECT_EQ(
        wrong.strOut,
        "error: Channel 1 step code 3: the KV310 UHF synthesizer has no 2.5 kHz step\n"
        "error: Channel 1 RX 490.00000 MHz: its synthesizer divider (178000 steps of 2.5 kHz) does not fit "
        "the radio's 17 bits; the radio would tune 162.32000 MHz\n"
        "error: Channel 1 TX 490.00000 MHz: its synthesizer divider (196000 steps of 2.5 kHz) does not fit "
        "the radio's 17 bits; the radio would tune 162.32000 MHz\n"
        "warning: GPS data transmission time 20 s is outside 1 to 10 s, the range its page offers\n");
    EXPECT_EQ(wrong.strErr, dir.File("e.dat") + ": 3 errors, 1 warning\n");

    // encode stays a converter: the errors become warnings and the image is written
    const SCliResult encoded = RunCli({"encode", dir.File("e.dat"), "-o", dir.File("e.bin")});
    EXPECT_EQ(encoded.nExit, 0);
    EXPECT_NE(encoded.strErr.find("kv310ctl: warning: Channel 1 step code 3"), std::string::npos)
        << encoded.strErr;
    EXPECT_EQ(ReadAll(dir.File("e.bin")).size(), 416u);
}

// A settings file has one size: one cut short (channels at 0 MHz) or padded is refused by every verb that
// reads it, before anything is written or sent; a file is told by its extension in every verb.
TEST(CliLoad, EveryVerbRefusesASettingsFileOfAnotherSizeAndTellsFilesByExtension) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"new", "--model", "kv310-vhf", "-o", dir.File("plan.dat")}).nExit, 0);
    ASSERT_EQ(RunCli({"export", dir.File("plan.dat"), "-o", dir.File("plan.yaml")}).nExit, 0);
    std::vector<uint8_t> bytes = ReadAll(dir.File("plan.dat"));
    bytes.resize(1000);
    ASSERT_TRUE(WriteFileAtomically(dir.File("cut.dat"), bytes));
    ASSERT_TRUE(WriteFileAtomically(dir.File("empty.dat"), {}));
    bytes.resize(1828);
    ASSERT_TRUE(WriteFileAtomically(dir.File("long.dat"), bytes));
    ASSERT_TRUE(WriteFileAtomically(dir.File("empty.VHF"), {}));
    ASSERT_TRUE(WriteFileAtomically(dir.File("noise.VHF"), std::vector<uint8_t>(300, 0xA5)));
    const std::string out = dir.File("out.bin");
    const struct {
        std::vector<std::string> words;
        int exit;
        const char* says;
    } cases[] = {
        {{"check", dir.File("cut.dat")},
         1,
         "cut.dat is not a whole settings file: it has 1000 bytes, a "
         "settings file has 1827 (was it cut short?)"},
        {{"check", dir.File("empty.dat")}, 1, "it has 0 bytes"},
        {{"check", dir.File("long.dat")}, 1, "it has 1828 bytes"},
        {{"show", dir.File("cut.dat")}, 1, "not a whole settings file"},
        {{"encode", dir.File("cut.dat"), "-o", out}, 1, "not a whole settings file"},
        {{"export", dir.File("cut.dat"), "-o", out}, 1, "not a whole settings file"},
        {{"diff", dir.File("cut.dat"), dir.File("plan.dat")}, 2, "not a whole settings file"},
        {{"write", "--port", "COM49", dir.File("empty.dat")}, 1, "not a whole settings file"},
        {{"check", dir.File("plan.yaml")}, 0, "plan.yaml: 0 errors, 0 warnings"},
        {{"encode", dir.File("plan.yaml"), "-o", out}, 0, ""},
        {{"check", dir.File("none.dat")}, 2, "cannot read"},
        {{"check", dir.File("empty.VHF")}, 2, "is a KV110 file: turn it into a settings file first"},
        {{"import", dir.File("empty.VHF"), "--model", "2", "-o", out}, 1, "is not a KV110 file: it is empty"},
        {{"import", dir.File("noise.VHF"), "--model", "2", "-o", out}, 1, "record 1 is not a word index"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(out);
        const SCliResult result = RunCli(c.words);
        EXPECT_EQ(result.nExit, c.exit) << c.words[0] << " " << c.words[1] << ": " << result.strErr;
        EXPECT_NE(result.strErr.find(c.says), std::string::npos) << result.strErr;
        EXPECT_TRUE(c.exit == 0 || !std::filesystem::exists(out)) << c.words[0] << " " << c.words[1];
    }
}

TEST(CliOutput, AMinusIsStdinOrStdout) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"new", "--model", "kv310-uhf", "-o", dir.File("plan.dat")}).nExit, 0);
    ASSERT_EQ(RunCli({"encode", dir.File("plan.dat"), "-o", dir.File("plan.bin")}).nExit, 0);
    const SCliResult piped = RunCli({"encode", "-", "-o", "-"}, "", dir.File("plan.dat"));
    EXPECT_EQ(piped.nExit, 0) << piped.strErr;
    const std::vector<uint8_t> image = ReadAll(dir.File("plan.bin"));
    EXPECT_EQ(piped.strOut, std::string(image.begin(), image.end()));
    const SCliResult cut = RunCli({"check", "-"}, "", dir.File("plan.bin"));  // 416 bytes: no settings file
    EXPECT_EQ(cut.nExit, 1);
    EXPECT_NE(cut.strErr.find("the settings file on stdin is not a whole settings file: it has 416 bytes"),
              std::string::npos)
        << cut.strErr;
}

TEST(CliOutput, OutputThatCannotBeWrittenFailsWithTheReason) {
    CTempDir dir;
    ASSERT_EQ(RunCli({"new", "--model", "kv310-vhf", "-o", dir.File("plan.dat")}).nExit, 0);
    const std::vector<std::vector<std::string>> runs = {
        {"export", dir.File("plan.dat"), "-o", "-"},
        {"show", dir.File("plan.dat")},
    };
    for (const auto& words : runs) {
        const SCliResult result = RunCli(words, "/dev/full");
        EXPECT_EQ(result.nExit, 1) << words[0];
        EXPECT_NE(result.strErr.find("cannot write the output: No space left on device"), std::string::npos)
            << result.strErr;
    }
}
