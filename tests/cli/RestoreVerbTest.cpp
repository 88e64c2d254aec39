// write keeps what the radio holds of its own, and restore puts a backup back: kv310ctl against a radio
// served by this process behind a pseudo-terminal. These run in real time.

#include <gtest/gtest.h>

#include "EepromLayout.h"
#include "FileIo.h"
#include "ImageTransfer.h"
#include "PtyRadio.h"
#include "RunCli.h"
#include "TempDir.h"
#include "TransferLog.h"

namespace {

// A KV310 VHF as one in the field: a configuration plus bytes of its own the settings file does not carry.
CImageBytes FieldRadio() {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Vhf;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = doc.m_Channel[0].m_dTxFreq = 150.0;
    doc.m_Channel[2].m_dRxFreq = doc.m_Channel[2].m_dTxFreq = 155.5;
    CEepromImage image;
    image.EncodeImage(doc);
    CImageBytes radio = image.m_Work;
    for (const int addr : {0x0B9, 0x0BB, 0x0BE, 0x00B, 0x00E, 0x01A}) {
        radio[addr] = static_cast<uint8_t>(radio[addr] | 0x45);
    }
    for (int k = 0; k < 10; ++k) {
        radio[CoeffAddr(2) + k] = static_cast<uint8_t>(0x20 + k);
    }
    radio[4] |= 0x01;  // the synthesizer chip flag
    radio[kVersionFirmwareByte] = 2;
    return radio;
}

class CliKeepsTheRadio : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Radio.Start()) << m_Radio.m_strError; }
    CImageBytes Eeprom() {
        return m_Radio.WithRadio([](CRadioSimulator& r) { return r.m_Eeprom; });
    }
    void SetEeprom(const CImageBytes& image) {
        m_Radio.WithRadio([&image](CRadioSimulator& r) { return r.m_Eeprom = image; });
    }
    std::string LastLogVerb() {
        std::vector<std::string> lines;
        EXPECT_TRUE(ReadTransferLog(lines));
        return lines.empty() ? std::string() : SplitTransferLogLine(lines.back())[2];
    }

    CPtyRadio m_Radio;
    CTempDir m_Dir;
};

}  // namespace

// Read to a .dat and a .yaml and written back with the defaults: the radio is unchanged at every address.
TEST_F(CliKeepsTheRadio, ARadioReadAndWrittenBackIsUnchanged) {
    const CImageBytes field = FieldRadio();
    for (const char* file : {"radio.dat", "radio.yaml"}) {
        SetEeprom(field);
        const std::string dat = m_Dir.File("radio.dat");
        ASSERT_EQ(RunCli({"read", "--port", m_Radio.SlavePath(), "-o", dat}).nExit, 0);
        const std::string plan = m_Dir.File(file);
        if (plan != dat) {
            ASSERT_EQ(RunCli({"export", dat, "-o", plan}).nExit, 0);
        }
        const SCliResult write = RunCli({"write", "--port", m_Radio.SlavePath(), plan});
        ASSERT_EQ(write.nExit, 0) << write.strErr;
        EXPECT_NE(write.strErr.find("Backup of the radio's configuration: "), std::string::npos)
            << write.strErr;
        EXPECT_EQ(Eeprom(), field) << file;
        EXPECT_EQ(LastLogVerb(), "write");
    }
    // --no-backup keeps no backup file, but the radio is read all the same and keeps its own bytes
    const SCliResult bare =
        RunCli({"write", "--no-backup", "--port", m_Radio.SlavePath(), m_Dir.File("radio.dat")});
    ASSERT_EQ(bare.nExit, 0) << bare.strErr;
    EXPECT_EQ(bare.strErr.find("Backup of the radio's configuration: "), std::string::npos) << bare.strErr;
    EXPECT_EQ(Eeprom(), field);
    // only --whole-image resets them, and says so before it writes
    const SCliResult whole =
        RunCli({"write", "--whole-image", "--port", m_Radio.SlavePath(), m_Dir.File("radio.dat")});
    ASSERT_EQ(whole.nExit, 0) << whole.strErr;
    EXPECT_LT(whole.strErr.find("calibration (service bytes 0-11)"), whole.strErr.find("Writing"))
        << whole.strErr;
    EXPECT_NE(Eeprom(), field);
}

TEST_F(CliKeepsTheRadio, RestorePutsABackupBackAndRefusesWhatIsNoBackupOfThisRadio) {
    const CImageBytes field = FieldRadio();
    CImageBytes backup = field;
    backup[kVersionFirmwareByte] = 3;  // kept from a radio with firmware 1.1
    const std::string path = m_Dir.File("2026-12-07_15-03-22_COM17.bin");
    ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>(backup.begin(), backup.end())));
    CImageBytes uhf = field;
    uhf[191] = 0x14;  // a KV310 UHF U2
    const std::string shortFile = m_Dir.File("short.bin");
    ASSERT_TRUE(WriteFileAtomically(shortFile, std::vector<uint8_t>(415, 0x11)));
    CImageBytes blank{};
    const struct {
        CImageBytes radio;
        std::vector<std::string> words;
        int exit;
        const char* says;
        bool restored;
    } cases[] = {
        {blank, {path}, 0, "byte 0x010: the backup holds 03, the radio's firmware takes 02", true},
        {uhf,
         {path},
         1,
         "the radio is a KV310 UHF U2, the backup is for a KV310 VHF: nothing was written",
         false},
        {uhf, {path, "--force"}, 0, "Restored: the radio holds the backup's 416 bytes", true},
        {field, {shortFile}, 1, "short.bin holds 415 bytes; a backup holds the radio's 416", false},
    };
    for (const auto& c : cases) {
        SetEeprom(c.radio);
        std::vector<std::string> words = {"restore", "--port", m_Radio.SlavePath()};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const SCliResult result = RunCli(words);
        EXPECT_EQ(result.nExit, c.exit) << result.strErr;
        EXPECT_NE(result.strErr.find(c.says), std::string::npos) << result.strErr;
        CImageBytes want = c.restored ? backup : c.radio;
        want[kVersionFirmwareByte] = c.restored ? 2 : want[kVersionFirmwareByte];
        EXPECT_EQ(Eeprom(), want) << c.says;
        if (c.restored) {
            EXPECT_EQ(LastLogVerb(), "restore");
        }
    }
    // write does not send a raw image through the record: it points to restore
    const SCliResult write = RunCli({"write", "--port", m_Radio.SlavePath(), path});
    EXPECT_EQ(write.nExit, 2);
    EXPECT_NE(write.strErr.find("kv310ctl restore --port PORT " + path), std::string::npos) << write.strErr;
}
