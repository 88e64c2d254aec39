// A thousand transfers against a misbehaving simulated radio on virtual time (scripts/soak runs ten thousand
// and prints the counts). Each one must either move exactly the right image or leave the record and the
// images as they were, and it must end the way its fault says. Half the writes go as the programs make them
// with their options on: the radio is read into a backup first (a failed read stops the write before the
// radio is touched), and written only then, and read back to verify: a radio holding anything but the image
// is never called written, and every backup made holds what the radio held.

#include <gtest/gtest.h>
#include <filesystem>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

#include "Backup.h"
#include "FileIo.h"
#include "ImageTransfer.h"
#include "ImageVerify.h"
#include "SettingsFile.h"
#include "SimPort.h"
#include "TempDir.h"

namespace {

// KV310_SOAK_TRANSFERS=100000 (and KV310_SOAK_SEED for another mix) soaks longer than CI does.
int EnvNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

enum EFault {
    kNone,
    kRefuse,
    kSilent,
    kNoReady,
    kNoise,
    kDoubleReady,
    kNak,
    kBadSum,
    kWrongAddress,
    kShort,
    kSilentAfter,
    kStoredWrong,
    kFaultKinds
};

const char* const kFaultNames[kFaultKinds] = {
    "none",       "refusal",      "silence",       "no ready",    "noise",          "double ready",
    "resend ask", "bad checksum", "wrong address", "short block", "silent mid-way", "stored wrong"};

// Sets one random fault; returns whether a transfer in that direction must still succeed.
bool InjectFault(std::mt19937& rng, SRadioFaults& faults, bool write, int kind) {
    const int block = std::uniform_int_distribution<int>(0, kImageBlocks - 1)(rng);
    const int times = std::uniform_int_distribution<int>(1, 6)(rng);
    switch (kind) {
        case kRefuse:
            faults.m_bRefuse = true;
            return false;
        case kSilent:
            faults.m_bSilent = true;
            return false;
        case kNoReady:
            faults.m_bNoReady = true;
            faults.m_Noise = {0x12, 0x00, 0xFE};
            return false;
        case kNoise:
            for (int i = times; i > 0; --i) {
                const auto b = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(rng));
                faults.m_Noise.push_back(b == 0x55 || b == 0xAA ? 0x00 : b);  // neither refusal nor ready
            }
            return true;
        case kDoubleReady:
            faults.m_bDoubleReady = true;
            return true;
        case kNak:
            faults.m_nNakBlock = block, faults.m_nNakCount = times;
            return !write || times <= kWriteBlockResends;
        case kBadSum:
            faults.m_nBadSumBlock = block, faults.m_nBadSumCount = times;
            return write || times <= kReadBlockRetries;
        case kWrongAddress:
            faults.m_nWrongAddressBlock = block, faults.m_nWrongAddressCount = times;
            return write || times <= kReadBlockRetries;
        case kShort:
            faults.m_nShortBlock = block, faults.m_nShortCount = times;
            return write || times <= kReadBlockRetries;
        case kSilentAfter:
            faults.m_nSilentAfterBlock = block;
            return block == kImageBlocks - 1;
        case kStoredWrong:  // a worn cell: the blocks go in, a read shows one byte wrong
            faults.m_nWrongByteAddress = std::uniform_int_distribution<int>(0, kImageSize - 1)(rng);
            return true;
        default:
            return true;
    }
}

CDataRadioDoc RandomRecord(std::mt19937& rng) {
    CDataRadioDoc doc;
    doc.m_nModel = std::uniform_int_distribution<int>(kFirstOfferedModel, kLastOfferedModel)(rng);
    doc.ResetToDefaults();
    const double low = IsVhfRow(doc.m_nModel) ? 138.0 : 390.0;
    for (CChannelData& channel : doc.m_Channel) {
        if (std::uniform_int_distribution<int>(0, 2)(rng) != 0) {
            channel.m_dRxFreq = low + std::uniform_int_distribution<int>(0, 7000)(rng) * 0.005;
            channel.m_dTxFreq = low + std::uniform_int_distribution<int>(0, 7000)(rng) * 0.005;
            channel.m_nStep = kStep5000;
            channel.m_bScan = std::uniform_int_distribution<int>(0, 1)(rng);
        }
    }
    doc.m_nScanSpeed = 10 * std::uniform_int_distribution<int>(5, 200)(rng);
    return doc;
}

void RandomImage(std::mt19937& rng, CImageBytes& image) {
    for (uint8_t& b : image) {
        b = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(rng));
    }
}
// What the soak saw, printed at its end.
struct SSoakCounts {
    int m_nWrites = 0, m_nWritten = 0, m_nCaughtByVerify = 0, m_nWriteFailed = 0, m_nPartly = 0;
    int m_nStoppedByBackup = 0, m_nBackups = 0;
    int m_nReads = 0, m_nRead = 0, m_nReadFailed = 0;
    std::map<int, std::pair<int, int>> m_ByFault;  // kind: transfers, ended in success

    void Print(int transfers, int seed) const {
        std::printf(
            "soak: %d transfers (seed %d)\n"
            "  writes %d: %d written and verified, %d stored wrong and caught by the verify, %d failed "
            "cleanly "
            "(%d of them partly written), %d stopped by a failed backup read before the radio "
            "was "
            "touched\n"
            "  reads %d: %d read whole, %d failed cleanly\n"
            "  backups %d made, each read back whole\n",
            transfers, seed, m_nWrites, m_nWritten, m_nCaughtByVerify, m_nWriteFailed, m_nPartly,
            m_nStoppedByBackup, m_nReads, m_nRead, m_nReadFailed, m_nBackups);
        for (const auto& [kind, count] : m_ByFault) {
            std::printf("  %-14s %5d transfers, %5d succeeded, %5d failed cleanly\n", kFaultNames[kind],
                        count.first, count.second, count.first - count.second);
        }
    }
};

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    ReadFileBytes(path, bytes, 1 << 16);
    return bytes;
}

// A write as the programs make it with backup and verify on: only the outcome's invariants hold, since the
// backup read meets the fault first. Returns whether the program may call the radio written.
bool WriteWithBackupAndVerify(CRadioSimulator& radio, CDataRadioDoc& doc, CEepromImage& image,
                              const CImageBytes& expected, const std::string& backups, int n,
                              SSoakCounts& counts) {
    const CImageBytes held = radio.m_Eeprom;
    CSimPort port(radio);
    {
        CBlockTransfer reader(port, {});
        CImageBytes before{};
        if (!reader.ReadImage(before)) {
            EXPECT_FALSE(reader.m_strFailure.empty());
            EXPECT_EQ(radio.m_Eeprom, held) << "the radio was touched after the backup failed";
            ++counts.m_nStoppedByBackup;
            return false;
        }
        EXPECT_EQ(before, held);
        std::string path;
        std::string error;
        EXPECT_TRUE(SaveBackup(before, "COM49", path, &error, 1700000000 + n)) << error;
        EXPECT_EQ(FileBytes(path), std::vector<uint8_t>(held.begin(), held.end())) << path;
        // a backup lands in the backups' folder (written with \ on Windows)
        EXPECT_EQ(std::filesystem::path(path).parent_path().lexically_normal(),
                  std::filesystem::path(backups).lexically_normal())
            << path;
        ++counts.m_nBackups;
    }
    CImageTransfer transfer(port, image, doc);
    if (!transfer.WriteRadio()) {
        EXPECT_FALSE(transfer.m_strFailure.empty());
        ++counts.m_nWriteFailed;
        counts.m_nPartly += transfer.m_nBlocksWritten > 0 && transfer.m_nBlocksWritten < kImageBlocks;
        return false;
    }
    const SVerifyResult verified = VerifyWrite(transfer, image.m_Work);
    EXPECT_FALSE(port.m_bOpen);
    if (!verified.m_bOk) {
        EXPECT_FALSE(verified.m_strMessage.empty());
        EXPECT_NE(radio.m_Eeprom, expected);
        counts.m_nCaughtByVerify += verified.m_bReadBack;
        counts.m_nWriteFailed += !verified.m_bReadBack;
        return false;
    }
    ++counts.m_nWritten;
    return true;
}

}  // namespace

TEST(FaultSoak, EveryTransferMovesTheRightImageOrLeavesEverythingAsItWas) {
    const int transfers = EnvNumber("KV310_SOAK_TRANSFERS", 1000);
    const int seed = EnvNumber("KV310_SOAK_SEED", 20240517);
    std::mt19937 rng(static_cast<uint32_t>(seed));
    CTempDir home;
    ::setenv("XDG_DATA_HOME", home.m_Path.c_str(), 1);
    const std::string backups = BackupFolder();
    SSoakCounts counts;
    int succeeded = 0;
    for (int n = 0; n < transfers; ++n) {
        SCOPED_TRACE("transfer " + std::to_string(n));
        const bool write = std::uniform_int_distribution<int>(0, 1)(rng) == 1;
        const bool asThePrograms = write && std::uniform_int_distribution<int>(0, 1)(rng) == 1;
        CRadioSimulator radio;
        radio.m_nVersion = std::uniform_int_distribution<int>(0, 1)(rng) == 1 ? 0x11 : 0x12;
        RandomImage(rng, radio.m_Eeprom);
        const int kind = std::uniform_int_distribution<int>(0, kFaultKinds - 1)(rng);
        const bool mustSucceed = InjectFault(rng, radio.m_Faults, write, kind);
        CSimPort port(radio);
        CDataRadioDoc doc = RandomRecord(rng);
        CEepromImage image;
        RandomImage(rng, image.m_Work);
        RandomImage(rng, image.m_Read);
        const CEepromImage imageBefore = image;
        const std::vector<uint8_t> docBefore = SettingsFileBytes(doc);
        bool ok = false;

        if (write) {
            ++counts.m_nWrites;
            CDataRadioDoc encoded = doc;
            CEepromImage expected;
            expected.EncodeImage(encoded);
            expected.m_Work[16] = radio.m_nVersion == 0x11 ? 3 : 2;
            if (asThePrograms) {
                ok = WriteWithBackupAndVerify(radio, doc, image, expected.m_Work, backups, n, counts);
                if (ok) {
                    EXPECT_EQ(radio.m_Eeprom, expected.m_Work) << "called written, but the radio holds a mix";
                }
            } else {
                CImageTransfer transfer(port, image, doc);
                const bool took = transfer.WriteRadio();
                ASSERT_EQ(took, mustSucceed) << transfer.m_strFailure;
                if (took) {
                    EXPECT_EQ(image.m_Work, expected.m_Work);
                    const SVerifyResult verified = VerifyWrite(transfer, image.m_Work);
                    ok = verified.m_bOk;
                    if (ok) {
                        EXPECT_EQ(radio.m_Eeprom, expected.m_Work)
                            << "called written, but the radio holds a mix";
                        ++counts.m_nWritten;
                    } else if (verified.m_bReadBack) {
                        EXPECT_EQ(kind, kStoredWrong) << verified.m_strMessage;
                        ++counts.m_nCaughtByVerify;
                    } else {
                        ++counts.m_nWriteFailed;  // the read-back met the fault
                    }
                } else {
                    image.m_Work[16] =
                        expected.m_Work[16];  // the firmware's byte goes in before the first block
                    EXPECT_EQ(image.m_Work, expected.m_Work);
                    EXPECT_FALSE(transfer.m_strFailure.empty());
                    ++counts.m_nWriteFailed;
                    counts.m_nPartly +=
                        transfer.m_nBlocksWritten > 0 && transfer.m_nBlocksWritten < kImageBlocks;
                }
            }
            EXPECT_EQ(SettingsFileBytes(doc), docBefore);
        } else {
            ++counts.m_nReads;
            CImageTransfer transfer(port, image, doc);
            ok = transfer.ReadRadio();
            ASSERT_EQ(ok, mustSucceed) << transfer.m_strFailure;
            if (ok) {
                CDataRadioDoc decoded;
                CEepromImage source;
                source.m_Work = radio.m_Eeprom;
                ASSERT_TRUE(ApplySettingsFileBytes(decoded, docBefore));
                source.DecodeImage(decoded);
                EXPECT_EQ(SettingsFileBytes(doc), SettingsFileBytes(decoded));
                EXPECT_EQ(image.m_Work, radio.m_Eeprom);
                EXPECT_EQ(image.m_Read, radio.m_Eeprom);
                ++counts.m_nRead;
            } else {
                EXPECT_EQ(SettingsFileBytes(doc), docBefore);
                EXPECT_EQ(image.m_Work, imageBefore.m_Work);
                EXPECT_EQ(image.m_Read, imageBefore.m_Read);
                EXPECT_FALSE(transfer.m_strFailure.empty());
                ++counts.m_nReadFailed;
            }
        }
        EXPECT_FALSE(port.m_bOpen);
        auto& byFault = counts.m_ByFault[kind];
        ++byFault.first;
        byFault.second += ok ? 1 : 0;
        succeeded += mustSucceed ? 1 : 0;
    }
    counts.Print(transfers, seed);
    // the mix must hold plenty of both outcomes to mean anything
    EXPECT_GT(succeeded, transfers / 4);
    EXPECT_LT(succeeded, transfers * 3 / 4);
    EXPECT_GT(counts.m_nCaughtByVerify, 0);
    EXPECT_GT(counts.m_nStoppedByBackup, 0);
}
