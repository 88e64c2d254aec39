// The verify after a write, against the simulated radio on virtual time.

#include "ImageVerify.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>

#include "ImageTransfer.h"
#include "SimPort.h"

namespace {

struct SRig {
    SRig() {
        doc.m_Channel[0].m_dRxFreq = doc.m_Channel[0].m_dTxFreq = 151.0;
        doc.m_Channel[0].m_nStep = kStep5000;
    }
    CRadioSimulator radio;
    CSimPort port{radio};
    CDataRadioDoc doc;
    CEepromImage image;
};

}  // namespace

TEST(ImageVerify, ACleanWriteVerifies) {
    SRig rig;
    CImageTransfer transfer(rig.port, rig.image, rig.doc);
    ASSERT_TRUE(transfer.WriteRadio());
    const SVerifyResult result = VerifyWrite(transfer, rig.image.m_Work);
    EXPECT_TRUE(result.m_bOk);
    EXPECT_EQ(result.m_strMessage, "Verified: the radio holds the 416 bytes written.");
    EXPECT_EQ(rig.radio.m_Eeprom, rig.image.m_Work);
}

TEST(ImageVerify, AVerifyStoppedByTheUserSaysTheWriteWentIn) {
    SRig rig;
    std::atomic<bool> stop{false};
    CImageTransfer transfer(rig.port, rig.image, rig.doc);
    transfer.m_pStop = &stop;
    ASSERT_TRUE(transfer.WriteRadio());
    stop = true;  // Ctrl+C as the read back begins
    const SVerifyResult result = VerifyWrite(transfer, rig.image.m_Work);
    EXPECT_FALSE(result.m_bOk);
    EXPECT_EQ(result.m_strMessage,
              "Written; the verify was stopped: the radio took all 26 blocks, but was not read back.");
    EXPECT_FALSE(rig.radio.m_bProgramming);
}

TEST(ImageVerify, ARadioThatStoresOneByteWrongFailsWithItsAddressAndBothBytes) {
    SRig rig;
    rig.radio.m_Faults.m_nWrongByteAddress = 0x021;  // channel 1's RX divider N
    CImageTransfer transfer(rig.port, rig.image, rig.doc);
    ASSERT_TRUE(transfer.WriteRadio());
    const SVerifyResult result = VerifyWrite(transfer, rig.image.m_Work);
    EXPECT_FALSE(result.m_bOk);
    EXPECT_EQ(result.m_nFirstAddress, 0x21);
    EXPECT_EQ(result.m_nDiffer, 1);
    char expected[200];
    std::snprintf(
        expected, sizeof expected,
        "Verify failed: at 0x021 the radio holds 0x%02X where 0x%02X was written; 1 byte differs. Write "
        "the radio again; if this repeats, the radio needs service.",
        rig.image.m_Work[0x21] ^ 1, rig.image.m_Work[0x21]);
    EXPECT_EQ(result.m_strMessage, expected);
}

TEST(ImageVerify, CountsEveryDifferenceAndNamesTheFirst) {
    CImageBytes sent{};
    CImageBytes back{};
    back[0x19F] = 0x0A;
    back[0x00C] = 0xFF;
    const SVerifyResult result = CompareImages(sent, back);
    EXPECT_EQ(result.m_nDiffer, 2);
    EXPECT_EQ(result.m_strMessage.substr(0, 57), "Verify failed: at 0x00C the radio holds 0xFF where 0x00 w");
    EXPECT_NE(result.m_strMessage.find("; 2 bytes differ."), std::string::npos);
}

TEST(ImageVerify, ARadioThatCannotBeReadBackFailsTheVerify) {
    SRig rig;
    CImageTransfer transfer(rig.port, rig.image, rig.doc);
    ASSERT_TRUE(transfer.WriteRadio());
    rig.radio.m_Faults.m_bRefuse = true;
    const SVerifyResult result = VerifyWrite(transfer, rig.image.m_Work);
    EXPECT_FALSE(result.m_bOk);
    EXPECT_FALSE(result.m_bReadBack);
    EXPECT_EQ(
        result.m_strMessage,
        "Verify failed: the radio could not be read back (Read Fail..!). The write may not have reached "
        "it: write the radio again.");
}
