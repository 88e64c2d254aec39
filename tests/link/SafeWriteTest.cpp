// Verify after write and the serial trace, against the simulated radio on virtual time.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <sstream>

#include "ImageTransfer.h"
#include "ImageVerify.h"
#include "SimPort.h"
#include "TracingPort.h"

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

TEST(TracingPort, HoldsEveryByteOfATransferInTimedLines) {
    SRig rig;
    CTracingPort trace(rig.port, [&rig] { return static_cast<double>(rig.port.m_nNowUs) / 1000.0; });
    CImageTransfer transfer(trace, rig.image, rig.doc);
    rig.port.m_nNowUs = 5000000;  // the clock does not start at the port's opening
    ASSERT_TRUE(transfer.ReadRadio());

    std::istringstream lines(trace.Text());
    std::string line;
    std::vector<uint8_t> sent;
    std::vector<uint8_t> received;
    double last = -1.0;
    std::vector<std::string> all;
    while (std::getline(lines, line)) {
        all.push_back(line);
        std::istringstream words(line);
        double ms = 0.0;
        std::string direction;
        words >> ms >> direction;
        EXPECT_GE(ms, last) << line;
        last = ms;
        std::string hex;
        while (words >> hex) {
            ASSERT_EQ(hex.size(), 2u) << line;
            (direction == ">" ? sent : received).push_back(static_cast<uint8_t>(std::stoi(hex, nullptr, 16)));
        }
    }
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(all[0], "100.000 > 87 00 87");  // 100 ms after the port opened
    EXPECT_EQ(all[1].substr(all[1].find(' ')), " > 71 52 C3");
    EXPECT_EQ(sent, rig.port.Written());
    // the answer to the request and every block of the image, each whole in the trace
    EXPECT_GE(received.size(), static_cast<size_t>(2 + kImageBlocks * 22));
    for (int block = 0; block < kImageBlocks; ++block) {
        const auto at = std::search(received.begin(), received.end(), rig.radio.m_Eeprom.begin() + block * 16,
                                    rig.radio.m_Eeprom.begin() + block * 16 + 16);
        EXPECT_NE(at, received.end()) << block;
    }
}
