// A thousand transfers against a misbehaving simulated radio on virtual time. Each one must either move
// exactly the right image or leave the record and the images as they were, and it must end the way its fault
// says.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "BlockTransfer.h"
#include "SettingsFile.h"
#include "SimPort.h"

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
    kFaultKinds
};

// Sets one random fault; returns whether a transfer in that direction must still succeed.
bool InjectFault(std::mt19937& rng, CRadioFaults& faults, bool write) {
    const int kind = std::uniform_int_distribution<int>(0, kFaultKinds - 1)(rng);
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

}  // namespace

TEST(FaultSoak, EveryTransferMovesTheRightImageOrLeavesEverythingAsItWas) {
    const int transfers = EnvNumber("KV310_SOAK_TRANSFERS", 1000);
    std::mt19937 rng(static_cast<uint32_t>(EnvNumber("KV310_SOAK_SEED", 20240517)));
    int succeeded = 0;
    for (int n = 0; n < transfers; ++n) {
        SCOPED_TRACE("transfer " + std::to_string(n));
        const bool write = std::uniform_int_distribution<int>(0, 1)(rng) == 1;
        CRadioSimulator radio;
        radio.m_nVersion = std::uniform_int_distribution<int>(0, 1)(rng) == 1 ? 0x11 : 0x12;
        RandomImage(rng, radio.m_Eeprom);
        const bool mustSucceed = InjectFault(rng, radio.m_Faults, write);
        CSimPort port(radio);
        CDataRadioDoc doc = RandomRecord(rng);
        CEepromImage image;
        RandomImage(rng, image.m_Work);
        RandomImage(rng, image.m_Read);
        const CEepromImage imageBefore = image;
        const std::vector<uint8_t> docBefore = SettingsFileBytes(doc);

        CBlockTransfer transfer(port, image, doc);
        if (write) {
            CDataRadioDoc encoded = doc;
            CEepromImage expected;
            expected.EncodeImage(encoded);
            const bool ok = transfer.WriteRadio();
            ASSERT_EQ(ok, mustSucceed) << transfer.m_strFailure;
            EXPECT_EQ(SettingsFileBytes(doc), docBefore);
            if (ok) {
                expected.m_Work[16] = radio.m_nVersion == 0x11 ? 3 : 2;
                EXPECT_EQ(image.m_Work, expected.m_Work);
                EXPECT_EQ(radio.m_Eeprom, expected.m_Work);
            } else {
                image.m_Work[16] = expected.m_Work[16];  // the firmware's byte goes in before the first block
                EXPECT_EQ(image.m_Work, expected.m_Work);
            }
        } else {
            const bool ok = transfer.ReadRadio();
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
            } else {
                EXPECT_EQ(SettingsFileBytes(doc), docBefore);
                EXPECT_EQ(image.m_Work, imageBefore.m_Work);
                EXPECT_EQ(image.m_Read, imageBefore.m_Read);
            }
        }
        EXPECT_FALSE(port.m_bOpen);
        succeeded += mustSucceed ? 1 : 0;
    }
    // the mix must hold plenty of both outcomes to mean anything
    EXPECT_GT(succeeded, transfers / 4);
    EXPECT_LT(succeeded, transfers * 3 / 4);
}
