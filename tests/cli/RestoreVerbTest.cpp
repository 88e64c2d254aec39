// write keeps what the radio holds of its own, and restore puts a backup back: kv310ctl against a radio
// served by this process behind a pseudo-terminal. These run in real time.

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "Backup.h"
#include "BlockTransfer.h"
#include "EepromLayout.h"
#include "FileIo.h"
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
    // random bytes: with a model byte that names no model, and with one that names a model
    const auto noise = [this](uint8_t modelByte, const char* name) {
        std::vector<uint8_t> bytes(kImageSize);
        uint32_t x = modelByte * 2654435761u + 1;
        for (uint8_t& b : bytes) {
            x = x * 1103515245u + 12345u;
            b = static_cast<uint8_t>(x >> 24);
        }
        bytes[191] = modelByte;
        const std::string file = m_Dir.File(name);
        EXPECT_TRUE(WriteFileAtomically(file, bytes));
        return file;
    };
    const std::string doubled = m_Dir.File("doubled.bin");
    ASSERT_TRUE(WriteFileAtomically(doubled, std::vector<uint8_t>(2 * kImageSize, 0x11)));
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
        {field, {doubled}, 1, "doubled.bin holds 832 bytes; a backup holds the radio's 416", false},
        {field, {noise(0x9C, "9c.bin")}, 1, "byte 0x0BF holds 9C, which names no model", false},
        {field, {noise(0x77, "77.bin")}, 1, "byte 0x0BF holds 77, which names no model", false},
        {field, {noise(0x03, "uhf.bin")}, 1, "does not decode as a KV310 VHF configuration: byte 0x", false},
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
        if (c.restored || c.radio == uhf || std::string(c.says).find("byte 0x0") != std::string::npos) {
            EXPECT_EQ(LastLogVerb(), "restore") << c.says;  // a refused restore is logged as one
        }
    }
    // --force sends what is no configuration, saying what it is
    SetEeprom(field);
    const std::string forced = noise(0x9C, "forced.bin");
    const SCliResult force = RunCli({"restore", "--force", "--port", m_Radio.SlavePath(), forced});
    EXPECT_EQ(force.nExit, 0) << force.strErr;
    EXPECT_NE(force.strErr.find("warning: sending " + forced + " as it stands although byte 0x0BF holds 9C"),
              std::string::npos)
        << force.strErr;
    EXPECT_EQ(Eeprom()[191], 0x9C);
    // write does not send a raw image through the record: it points to restore
    const SCliResult write = RunCli({"write", "--port", m_Radio.SlavePath(), path});
    EXPECT_EQ(write.nExit, 2);
    EXPECT_NE(write.strErr.find("kv310ctl restore --port PORT " + path), std::string::npos) << write.strErr;
}

// The oldest of many backups, restored to a radio that falls silent mid-write, is still there for the next
// try, which succeeds; a prune by age after the restore leaves it too (the restore read it just now).
TEST_F(CliKeepsTheRadio, ARestoreThatFailsLeavesItsBackupForTheNextTry) {
    const CImageBytes field = FieldRadio();
    std::string oldest;
    ASSERT_TRUE(SaveBackup(field, "COM17", oldest, nullptr, std::time(nullptr) - 400 * 86400));
    for (int i = 0; i < 60; ++i) {
        CImageBytes other = field;
        other[0x30] = static_cast<uint8_t>(i);
        std::string path;
        ASSERT_TRUE(SaveBackup(other, "COM18", path, nullptr, std::time(nullptr) - i));
    }
    SetEeprom(CImageBytes{});
    m_Radio.WithRadio([](CRadioSimulator& r) { return r.m_Faults.m_nSilentAfterWriteBlock = 9; });
    const SCliResult failed = RunCli({"restore", "--port", m_Radio.SlavePath(), oldest});
    EXPECT_EQ(failed.nExit, 1) << failed.strErr;
    ASSERT_TRUE(std::filesystem::exists(oldest)) << failed.strErr;
    EXPECT_NE(failed.strErr.find("The backup is kept as it was: restore it again (kv310ctl restore --port " +
                                 m_Radio.SlavePath() + " " + oldest + ")"),
              std::string::npos)
        << failed.strErr;
    const SCliResult pruned = RunCli({"backups", "--prune-older-than", "365"});
    EXPECT_EQ(pruned.nExit, 0) << pruned.strErr;
    EXPECT_NE(pruned.strErr.find("0 backups removed"), std::string::npos) << pruned.strErr;

    m_Radio.WithRadio([](CRadioSimulator& r) {  // switched off and on: half-written, answering again
        const CImageBytes held = r.m_Eeprom;
        r = CRadioSimulator();
        return r.m_Eeprom = held;
    });
    EXPECT_NE(Eeprom(), field);
    // the half-written radio reads as another model (its model byte is in a block not yet written)
    const SCliResult again = RunCli({"restore", "--force", "--port", m_Radio.SlavePath(), oldest});
    EXPECT_EQ(again.nExit, 0) << again.strErr;
    EXPECT_EQ(Eeprom(), field);
    const SCliResult list = RunCli({"backups"});
    EXPECT_EQ(list.strOut.rfind("last_read\tport\tadapter_serial\tmodel\tfirmware\tplan\tbackup\n", 0), 0u);
    EXPECT_NE(list.strOut.find("\tKV310 VHF\t"), std::string::npos) << list.strOut;
}
