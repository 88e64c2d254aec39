#include "ImageTransfer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>

#include "LinkFrames.h"
#include "PartlyWritten.h"
#include "PortNames.h"
#include "SettingsFile.h"
#include "SimPort.h"

namespace {

using Bytes = std::vector<uint8_t>;

class BlockTransfer : public ::testing::Test {
protected:
    BlockTransfer() {
        m_Doc.m_nModel = 2;
        m_Doc.ResetToDefaults();
        m_Doc.m_Channel[0].m_dRxFreq = 150.0;
        m_Doc.m_Channel[0].m_dTxFreq = 150.0;
        m_Doc.m_Channel[0].m_nStep = kStep5000;
        m_Doc.m_Channel[0].m_bWide = 1;
        for (int i = 0; i < kImageSize; ++i) {
            m_Radio.m_Eeprom[i] = static_cast<uint8_t>(i * 37 + (i >> 4) * 11 + 1);
        }
        m_Radio.m_Eeprom[191] = 0x03;  // KV310 VHF
        m_Radio.m_Eeprom[4] = 0x19;    // bit 0: MB15A02SL
    }

    CImageTransfer Transfer() {
        STransferHooks hooks;
        hooks.SetStatus = [this](const std::string& text) { m_Status.push_back(text); };
        hooks.SetProgress = [this](int address) { m_Progress.push_back(address); };
        hooks.ShowVersion = [this](const std::string& text) { m_strVersion = text; };
        hooks.SelectPllIc = [this](const std::string& name) { m_strPllIc = name; };
        hooks.RefillMap = [this] { ++m_nRefills; };
        hooks.RefreshView = [this] { ++m_nRefreshes; };
        CImageTransfer transfer(m_Port, m_Image, m_Doc, hooks);
        transfer.m_nComNumber = 3;
        return transfer;
    }

    // The writes the host made, as byte strings.
    std::vector<Bytes> Writes() const {
        std::vector<Bytes> writes;
        for (const SPortWrite& write : m_Port.m_Writes) {
            writes.push_back(write.m_Bytes);
        }
        return writes;
    }

    int CountWrites(const Bytes& bytes) const {
        int n = 0;
        for (const Bytes& write : Writes()) {
            n += write == bytes ? 1 : 0;
        }
        return n;
    }

    std::string LastStatus() const { return m_Status.empty() ? std::string() : m_Status.back(); }

    // Runs a read that must fail and checks that nothing the user relies on changed.
    void ExpectFailedReadLeavesEverything() {
        m_Image.m_Work.fill(0x33);
        m_Image.m_Read.fill(0x44);
        const CImageBytes workBefore = m_Image.m_Work;
        const CImageBytes readBefore = m_Image.m_Read;
        const Bytes docBefore = SettingsFileBytes(m_Doc);
        EXPECT_FALSE(Transfer().ReadRadio());
        EXPECT_EQ(LastStatus(), "Read Fail!");
        EXPECT_EQ(m_Image.m_Work, workBefore);
        EXPECT_EQ(m_Image.m_Read, readBefore);
        EXPECT_EQ(SettingsFileBytes(m_Doc), docBefore);
        EXPECT_EQ(m_nRefills, 0);
        EXPECT_EQ(m_nRefreshes, 0);
        EXPECT_EQ(m_strPllIc, "");
        EXPECT_EQ(CountWrites({0x89, 0x00, 0x89}), 0);  // a broken transfer ends without the leave frame
        EXPECT_FALSE(m_Port.m_bOpen);
        EXPECT_EQ(m_Progress.back(), 0);
    }

    CRadioSimulator m_Radio;
    CSimPort m_Port{m_Radio};
    CEepromImage m_Image;
    CDataRadioDoc m_Doc;
    std::vector<std::string> m_Status;
    std::vector<int> m_Progress;
    std::string m_strVersion;
    std::string m_strPllIc;
    int m_nRefills = 0;
    int m_nRefreshes = 0;
};

}  // namespace

TEST(LinkFrames, ChecksumIsTheComplementOfTheSumsLowByte) {
    const Bytes ff(16, 0xFF);
    EXPECT_EQ(BlockChecksum(ff.data()), 0x0F);
    const Bytes zero(16, 0x00);
    EXPECT_EQ(BlockChecksum(zero.data()), 0xFF);
    EXPECT_EQ(ShortFrame(0x76, 0x57), (CShortFrame{0x76, 0x57, 0xCD}));
    EXPECT_EQ(ShortFrame(0x71, 0x52), (CShortFrame{0x71, 0x52, 0xC3}));
}

TEST(LinkFrames, BlocksCarryTheirAddress) {
    CImageBytes image{};
    for (int i = 0; i < kImageSize; ++i) {
        image[i] = static_cast<uint8_t>(i);
    }
    const CBlockFrame block16 = BlockFrame(image, 16);
    EXPECT_EQ(Bytes(block16.begin(), block16.begin() + 5), (Bytes{0xFF, 0x99, 0x14, 0x01, 0x00}));
    EXPECT_EQ(block16[5], 0x00);  // address 256 holds 256 mod 256
    const CBlockFrame block25 = BlockFrame(image, 25);
    EXPECT_EQ(block25[3], 0x01);
    EXPECT_EQ(block25[4], 0x90);
    EXPECT_EQ(block25[20], 0x9F);
    const CBlockFrame block1 = BlockFrame(image, 1);
    EXPECT_EQ(block1[4], 0x10);
    EXPECT_EQ(block1[21], BlockChecksum(&image[16]));
}

TEST_F(BlockTransfer, WriteSendsEveryFrameByteForByte) {
    m_Image.m_Change.fill(0);
    for (int i = 48; i < 64; ++i) {
        m_Image.m_Change[i] = 0xFF;  // block 3 all 0xFF through the map
    }
    ASSERT_TRUE(Transfer().WriteRadio());

    EXPECT_EQ(m_Port.m_strPortName, ComDevicePath(3));
    EXPECT_EQ(m_Port.m_nBaudRate, 9600u);
    EXPECT_EQ(m_Port.m_nPortNumber, 2);
    const std::vector<Bytes> writes = Writes();
    ASSERT_EQ(writes.size(), 2u + 26 * 4 + 1);
    EXPECT_EQ(writes[0], (Bytes{0x87, 0x00, 0x87}));
    EXPECT_EQ(writes[1], (Bytes{0x76, 0x57, 0xCD}));
    for (int k = 0; k < 26; ++k) {
        const CBlockFrame frame = BlockFrame(m_Image.m_Work, k);
        const size_t at = 2 + 4 * static_cast<size_t>(k);
        EXPECT_EQ(writes[at], Bytes(frame.begin(), frame.begin() + 5)) << k;
        EXPECT_EQ(writes[at + 1], Bytes(frame.begin() + 5, frame.begin() + 21)) << k;
        EXPECT_EQ(writes[at + 2], Bytes{frame[21]}) << k;
        EXPECT_EQ(writes[at + 3], (Bytes{0xFF, 0x66})) << k;
    }
    EXPECT_EQ(writes[2 + 4 * 3 + 2], Bytes{0x0F});
    EXPECT_EQ(writes[2 + 4 * 16], (Bytes{0xFF, 0x99, 0x14, 0x01, 0x00}));
    EXPECT_EQ(writes[2 + 4 * 25], (Bytes{0xFF, 0x99, 0x14, 0x01, 0x90}));
    EXPECT_EQ(writes.back(), (Bytes{0x89, 0x00, 0x89}));

    // open, 100 ms, enter, 1000 ms, request, 100 ms, then per block 50 ms before the checksum, 100 ms after
    std::vector<int> waits{100, 1000, 100};
    for (int k = 0; k < 26; ++k) {
        waits.insert(waits.end(), {50, 100});
    }
    EXPECT_EQ(m_Port.m_Waits, waits);
    ASSERT_EQ(m_Port.m_Lines.size(), 1u);
    EXPECT_EQ(m_Port.m_Lines[0].m_cLine, 'D');
    EXPECT_FALSE(m_Port.m_Lines[0].m_bOn);
    EXPECT_EQ(m_Port.m_Lines[0].m_nAtUs,
              m_Port.m_Writes[1].m_nAtUs - 1000000);  // right after the enter frame

    EXPECT_EQ(m_Radio.m_Eeprom, m_Image.m_Work);
    EXPECT_EQ(m_Image.m_Work[50], 0xFF);
    EXPECT_EQ(m_Status, std::vector<std::string>{"Writing.....!"});
    EXPECT_EQ(m_strVersion, "1.2");
    EXPECT_EQ(m_Progress.back(), 0);
    EXPECT_EQ(m_Progress[25], 415);
    EXPECT_EQ(m_nRefreshes, 1);
    EXPECT_EQ(m_nRefills, 0);
    EXPECT_FALSE(m_Port.m_bOpen);
    EXPECT_FALSE(m_Radio.m_bProgramming);
}

TEST_F(BlockTransfer, Firmware11GetsThreeInByte16OthersTwo) {
    m_Radio.m_nVersion = 0x11;
    m_Radio.m_Faults.m_bDoubleReady = true;  // the reply AA AA 11
    ASSERT_TRUE(Transfer().WriteRadio());
    EXPECT_EQ(m_strVersion, "1.1");
    EXPECT_EQ(m_Radio.m_Eeprom[16], 3);

    m_Radio.m_nVersion = 0x12;
    m_Radio.m_Faults.m_bDoubleReady = false;
    ASSERT_TRUE(Transfer().WriteRadio());
    EXPECT_EQ(m_strVersion, "1.2");
    EXPECT_EQ(m_Radio.m_Eeprom[16], 2);
}

TEST_F(BlockTransfer, NoiseBeforeTheReadyByteIsSkipped) {
    m_Radio.m_Faults.m_Noise = {0x00, 0x13, 0x37};
    m_Radio.m_nVersion = 0x21;
    ASSERT_TRUE(Transfer().ReadRadio());
    EXPECT_EQ(m_strVersion, "2.1");
}

TEST_F(BlockTransfer, RefusedRequestsFailWithoutMovingABlockAndLeaveProgrammingMode) {
    m_Radio.m_Faults.m_bRefuse = true;
    EXPECT_FALSE(Transfer().WriteRadio());
    EXPECT_EQ(LastStatus(), "Write Fail..!");
    EXPECT_EQ(Writes(), (std::vector<Bytes>{{0x87, 0x00, 0x87}, {0x76, 0x57, 0xCD}, {0x89, 0x00, 0x89}}));
    EXPECT_FALSE(m_Radio.m_bProgramming);
    EXPECT_FALSE(m_Port.m_bOpen);

    const Bytes docBefore = SettingsFileBytes(m_Doc);
    EXPECT_FALSE(Transfer().ReadRadio());
    EXPECT_EQ(LastStatus(), "Read Fail..!");
    EXPECT_EQ(SettingsFileBytes(m_Doc), docBefore);
    EXPECT_EQ(m_nRefreshes, 0);
}

// Noise that holds the refusal byte before the ready byte is no refusal: the answer was garbled. Whatever the
// answer, the radio told to enter programming mode is told to leave it.
TEST_F(BlockTransfer, ARefusalByteInsideNoiseIsAGarbledAnswer) {
    const struct {
        Bytes m_Noise;
        bool m_bNoReady;
    } cases[] = {
        {{0x13, 0x55, 0x42}, false},  // 13 55 42 AA 12
        {{0x55}, false},              // 55 AA 12
        {{0x13, 0x55}, true},         // 13 55
    };
    for (const auto& test : cases) {
        m_Radio = CRadioSimulator();
        m_Radio.m_Faults.m_Noise = test.m_Noise;
        m_Radio.m_Faults.m_bNoReady = test.m_bNoReady;
        m_Status.clear();
        CImageTransfer transfer = Transfer();
        EXPECT_FALSE(transfer.WriteRadio());
        EXPECT_EQ(LastStatus(), "Communication Error !!!   Check your radio connection to PC !!!");
        EXPECT_EQ(transfer.m_Failure.m_Did, ERadioDid::Garbled);
        EXPECT_EQ(Writes().back(), (Bytes{0x89, 0x00, 0x89}));
        EXPECT_FALSE(m_Radio.m_bProgramming);
    }
}

TEST_F(BlockTransfer, SilentRadioIsACommunicationError) {
    m_Radio.m_Faults.m_bSilent = true;
    EXPECT_FALSE(Transfer().WriteRadio());
    EXPECT_EQ(LastStatus(), "Communication Error !!!   Check your radio connection to PC !!!");
    EXPECT_EQ(Writes(), (std::vector<Bytes>{{0x87, 0x00, 0x87}, {0x76, 0x57, 0xCD}}));
    EXPECT_FALSE(m_Port.m_bOpen);
    EXPECT_EQ(m_nRefreshes, 0);
}

TEST_F(BlockTransfer, AReplyWithoutReadyOrRefusedIsACommunicationError) {
    m_Radio.m_Faults.m_Noise = {0x13, 0x00, 0x42};
    m_Radio.m_Faults.m_bNoReady = true;
    const Bytes docBefore = SettingsFileBytes(m_Doc);
    EXPECT_FALSE(Transfer().ReadRadio());
    EXPECT_EQ(LastStatus(), "Communication Error !!!   Check your radio connection to PC !!!");
    EXPECT_EQ(Writes().back(), (Bytes{0x89, 0x00, 0x89}));  // the radio is taken out of programming mode
    EXPECT_FALSE(m_Radio.m_bProgramming);
    EXPECT_EQ(SettingsFileBytes(m_Doc), docBefore);
    EXPECT_EQ(m_nRefreshes, 0);
}

TEST_F(BlockTransfer, WriteBlockRefusedTwiceIsSentThreeTimes) {
    m_Radio.m_Faults.m_nNakBlock = 5;
    m_Radio.m_Faults.m_nNakCount = 2;  // 0x58 0x58 0xA1
    ASSERT_TRUE(Transfer().WriteRadio());
    EXPECT_EQ(CountWrites({0xFF, 0x99, 0x14, 0x00, 0x50}), 3);
    EXPECT_EQ(CountWrites({0xFF, 0x99, 0x14, 0x00, 0x40}), 1);
    EXPECT_EQ(m_Radio.m_Eeprom, m_Image.m_Work);
}

TEST_F(BlockTransfer, WriteBlockRefusedAFourthTimeFails) {
    m_Radio.m_Faults.m_nNakBlock = 7;
    m_Radio.m_Faults.m_nNakCount = 4;
    CImageTransfer transfer = Transfer();
    EXPECT_FALSE(transfer.WriteRadio());
    EXPECT_EQ(LastStatus(), "Write Fail!");
    EXPECT_EQ(transfer.m_nRetry, 4);
    EXPECT_EQ(transfer.m_bBlockFailed, 1);
    EXPECT_EQ(
        PartlyWrittenText(transfer.m_nBlocksWritten),
        "partly written: blocks 0–6 are new, 7–25 are not; the radio still holds a mixed configuration — "
        "write again");
    EXPECT_EQ(CountWrites({0xFF, 0x99, 0x14, 0x00, 0x70}), 4);
    EXPECT_EQ(CountWrites({0xFF, 0x99, 0x14, 0x00, 0x80}), 0);
    EXPECT_EQ(CountWrites({0x89, 0x00, 0x89}), 0);
    EXPECT_EQ(m_Progress.back(), 0);
    EXPECT_EQ(m_nRefreshes, 0);
    EXPECT_FALSE(m_Port.m_bOpen);
}

TEST_F(BlockTransfer, NoiseAnsweringABlockIsNeitherRefusalNorResent) {
    m_Radio.m_Faults.m_nGarbledAnswerBlock = 3;
    CImageTransfer transfer = Transfer();
    EXPECT_FALSE(transfer.WriteRadio());
    EXPECT_EQ(transfer.m_Failure.m_Did, ERadioDid::Garbled);
    EXPECT_EQ(transfer.m_nBlocksWritten, 3);
    EXPECT_EQ(CountWrites({0xFF, 0x99, 0x14, 0x00, 0x30}), 1);
}

TEST_F(BlockTransfer, WriteFailsWhenTheRadioFallsSilent) {
    m_Radio.m_Faults.m_nSilentAfterBlock = 9;
    EXPECT_FALSE(Transfer().WriteRadio());
    EXPECT_EQ(LastStatus(), "Write Fail!");
    EXPECT_EQ(CountWrites({0xFF, 0x99, 0x14, 0x00, 0xA0}), 1);  // block 10 once, no answer
    EXPECT_EQ(CountWrites({0xFF, 0x99, 0x14, 0x00, 0xB0}), 0);
}

TEST_F(BlockTransfer, ReadReplacesTheWorkingImageAndDecodesIt) {
    m_Doc.m_nModel = 3;
    ASSERT_TRUE(Transfer().ReadRadio());
    EXPECT_EQ(m_Image.m_Work, m_Radio.m_Eeprom);
    EXPECT_EQ(m_Image.m_Read, m_Radio.m_Eeprom);
    EXPECT_EQ(m_Doc.m_nModel, 2);  // decoded from byte 191
    EXPECT_EQ(m_strVersion, "1.2");
    EXPECT_EQ(m_strPllIc, "MB15A02SL");
    EXPECT_EQ(m_nRefills, 1);
    EXPECT_EQ(m_nRefreshes, 1);
    EXPECT_EQ(m_Status, std::vector<std::string>{"Reading.....!"});

    const std::vector<Bytes> writes = Writes();
    ASSERT_EQ(writes.size(), 2u + 26 + 1);
    EXPECT_EQ(writes[1], (Bytes{0x71, 0x52, 0xC3}));
    for (int k = 0; k < 26; ++k) {
        EXPECT_EQ(writes[2 + k], (Bytes{0xA1, BlockChecksum(&m_Radio.m_Eeprom[16 * k])})) << k;
    }
    EXPECT_EQ(writes.back(), (Bytes{0x89, 0x00, 0x89}));
    EXPECT_EQ(m_Radio.m_nBlockSends, 26);
}

TEST_F(BlockTransfer, ReadSelectsTheOtherPllWhenBit0IsClear) {
    m_Radio.m_Eeprom[4] = 0x18;
    ASSERT_TRUE(Transfer().ReadRadio());
    EXPECT_EQ(m_strPllIc, "MB15E03SL");
}

TEST_F(BlockTransfer, ReadTakesABlockThatFailedItsChecksumFourTimes) {
    m_Radio.m_Faults.m_nBadSumBlock = 16;
    m_Radio.m_Faults.m_nBadSumCount = 4;
    ASSERT_TRUE(Transfer().ReadRadio());
    EXPECT_EQ(m_Image.m_Work, m_Radio.m_Eeprom);
    EXPECT_EQ(m_Radio.m_nBlockSends, 30);
    EXPECT_EQ(CountWrites({0x58, BlockChecksum(&m_Radio.m_Eeprom[256])}), 4);
}

TEST_F(BlockTransfer, AFifthChecksumFailureEndsTheRead) {
    m_Radio.m_Faults.m_nBadSumBlock = 25;
    m_Radio.m_Faults.m_nBadSumCount = 5;
    ExpectFailedReadLeavesEverything();
    EXPECT_EQ(CountWrites({0x58, BlockChecksum(&m_Radio.m_Eeprom[400])}), 5);
    EXPECT_EQ(m_Image.m_Read[399], 0x44);  // not even the blocks that did arrive reach the read image
}

TEST_F(BlockTransfer, AWrongAddressIsAskedForAgain) {
    m_Radio.m_Faults.m_nWrongAddressBlock = 15;  // sent with block 16's address 01 00
    m_Radio.m_Faults.m_nWrongAddressCount = 1;
    ASSERT_TRUE(Transfer().ReadRadio());
    EXPECT_EQ(m_Image.m_Work, m_Radio.m_Eeprom);
    EXPECT_EQ(CountWrites({0x58, BlockChecksum(&m_Radio.m_Eeprom[240])}), 1);
}

TEST_F(BlockTransfer, AWrongAddressEveryTimeFailsWithoutAHole) {
    m_Radio.m_Faults.m_nWrongAddressBlock = 3;
    m_Radio.m_Faults.m_nWrongAddressCount = 5;
    ExpectFailedReadLeavesEverything();
    EXPECT_EQ(m_Image.m_Read[48], 0x44);  // the misaddressed bytes were never stored
}

TEST_F(BlockTransfer, AShortBlockIsAskedForAgain) {
    m_Radio.m_Faults.m_nShortBlock = 0;
    m_Radio.m_Faults.m_nShortCount = 2;
    ASSERT_TRUE(Transfer().ReadRadio());
    EXPECT_EQ(m_Image.m_Work, m_Radio.m_Eeprom);
    EXPECT_EQ(m_Radio.m_nBlockSends, 28);
}

TEST_F(BlockTransfer, ShortBlocksEveryTimeFailTheRead) {
    m_Radio.m_Faults.m_nShortBlock = 12;
    m_Radio.m_Faults.m_nShortCount = 5;
    ExpectFailedReadLeavesEverything();
}

TEST_F(BlockTransfer, ARadioFallingSilentMidReadFailsIt) {
    m_Radio.m_Faults.m_nSilentAfterBlock = 10;
    ExpectFailedReadLeavesEverything();
    int acks = 0;
    for (const Bytes& write : Writes()) {
        acks += write.size() == 2 && write[0] == 0xA1 ? 1 : 0;
    }
    EXPECT_EQ(acks, 11);  // blocks 0 to 10 came, then nothing
}

TEST_F(BlockTransfer, AReadOfASilentRadioTouchesNothing) {
    m_Radio.m_Faults.m_bSilent = true;
    const Bytes docBefore = SettingsFileBytes(m_Doc);
    m_Image.m_Work.fill(0x44);
    EXPECT_FALSE(Transfer().ReadRadio());
    EXPECT_EQ(LastStatus(), "Communication Error !!!   Check your radio connection to PC !!!");
    EXPECT_EQ(m_Image.m_Work[0], 0x44);
    EXPECT_EQ(SettingsFileBytes(m_Doc), docBefore);
}

TEST_F(BlockTransfer, AFailedOpenSaysWhyAndSendsNothing) {
    m_Port.m_nOpenError = EACCES;
    EXPECT_FALSE(Transfer().WriteRadio());
    ASSERT_EQ(m_Status.size(), 1u);
    EXPECT_EQ(m_Status[0].rfind("Fail to open PORT3\n", 0), 0u);
    EXPECT_NE(m_Status[0].find(PortOpenFailureText(ComDevicePath(3), EACCES)), std::string::npos);
    EXPECT_TRUE(m_Port.m_Writes.empty());
}

TEST_F(BlockTransfer, AnExplicitDeviceIsOpenedInsteadOfTheComNumber) {
    CImageTransfer transfer = Transfer();
    transfer.m_nComNumber = 0;
    transfer.m_strDevice = "/dev/pts/7";
    m_Port.m_nOpenError = ENOENT;
    EXPECT_FALSE(transfer.ReadRadio());
    EXPECT_EQ(m_Port.m_strPortName, "/dev/pts/7");
    EXPECT_EQ(m_Status[0].rfind("Fail to open /dev/pts/7\n", 0), 0u);
}

TEST_F(BlockTransfer, MapChangesAreLaidOverTheEncodedImage) {
    m_Image.m_Change[184] = 0x7F;
    ASSERT_TRUE(Transfer().WriteRadio());
    EXPECT_EQ(m_Radio.m_Eeprom[184], 0x7F);
}

TEST_F(BlockTransfer, LeavingProgrammingOpensAt4800) {
    m_Radio.m_bProgramming = true;
    EXPECT_TRUE(Transfer().LeaveProgramming());
    EXPECT_EQ(m_Port.m_nBaudRate, 4800u);
    EXPECT_EQ(m_Port.m_Waits, std::vector<int>{100});
    EXPECT_EQ(Writes(), std::vector<Bytes>{(Bytes{0x89, 0x00, 0x89})});
    EXPECT_FALSE(m_Port.m_bOpen);

    m_Port.m_nOpenError = ENOENT;
    EXPECT_FALSE(Transfer().LeaveProgramming());
    EXPECT_EQ(Writes().size(), 1u);
}

// A transfer stopped part-way by the user or let down by the port ends with its own text, tells the radio to
// leave programming mode where it still can, and leaves the record and the working image alone.
TEST_F(BlockTransfer, CancelStallAndLostBytesEndTheTransferCleanly) {
    struct SCase {
        const char* name;
        bool write;
        int afterWrites;  // the fault strikes after this many host writes
        char fault;       // 'c' cancel, 'x' the owner's stop (Ctrl+C), 's' the port stalls, 'o' overflow
        const char* status;
        ETransferEnd end;
        bool leaveSent;
    };
    const SCase cases[] = {
        {"cancel write", true, 2 + 4 * 5, 'c', kTextWriteCancelled, ETransferEnd::Cancelled, true},
        {"cancel read", false, 2 + 5, 'c', kTextReadCancelled, ETransferEnd::Cancelled, true},
        {"stop write", true, 2 + 4 * 9, 'x', kTextWriteCancelled, ETransferEnd::Cancelled, true},
        {"stop read", false, 2 + 9, 'x', kTextReadCancelled, ETransferEnd::Cancelled, true},
        {"stall write", true, 2 + 4 * 3, 's', kTextPortStalled, ETransferEnd::Failed, false},
        {"stall read", false, 2 + 3, 's', kTextPortStalled, ETransferEnd::Failed, false},
        {"overflow write", true, 2 + 4 * 3, 'o', kTextBytesLost, ETransferEnd::Failed, false},
        {"overflow read", false, 2 + 3, 'o', kTextBytesLost, ETransferEnd::Failed, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_Radio = CRadioSimulator();
        m_Port.m_Writes.clear();
        m_Status.clear();
        m_nRefreshes = 0;
        m_Image.m_Work.fill(0x33);
        m_Image.m_Read.fill(0x44);
        const CImageBytes workBefore = m_Image.m_Work;
        const Bytes docBefore = SettingsFileBytes(m_Doc);
        std::atomic<bool> cancel{false};
        std::atomic<bool> stop{false};
        m_Port.m_nStallAfterWrites = c.fault == 's' ? c.afterWrites : -1;
        m_Port.m_OnWrite = [&] {
            if (static_cast<int>(m_Port.m_Writes.size()) == c.afterWrites) {
                cancel = c.fault == 'c';
                stop = c.fault == 'x';
                m_Port.m_bOverflow = c.fault == 'o';
            }
        };
        CImageTransfer transfer = Transfer();
        transfer.m_pCancel = &cancel;
        transfer.m_pStop = &stop;
        EXPECT_FALSE(c.write ? transfer.WriteRadio() : transfer.ReadRadio());
        EXPECT_EQ(transfer.m_End, c.end);
        EXPECT_EQ(LastStatus(), c.status);
        EXPECT_EQ(CountWrites({0x89, 0x00, 0x89}), c.leaveSent ? 1 : 0);
        EXPECT_EQ(m_Radio.m_bProgramming, !c.leaveSent);
        EXPECT_FALSE(m_Port.m_bOpen);
        EXPECT_EQ(m_nRefreshes, 0);
        EXPECT_EQ(SettingsFileBytes(m_Doc), docBefore);
        if (!c.write) {
            EXPECT_EQ(m_Image.m_Work, workBefore);
        }
    }
    m_Port.m_OnWrite = nullptr;
    m_Port.m_nStallAfterWrites = -1;
}

TEST(PartlyWritten, NamesTheNewAndTheOldBlocks) {
    const struct {
        int written;
        const char* text;
    } cases[] = {
        {0, ""},
        {1, "partly written: block 0 is new, 1–25 are not; "},
        {10, "partly written: blocks 0–9 are new, 10–25 are not; "},
        {25, "partly written: blocks 0–24 are new, 25 is not; "},
        {26, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PartlyWrittenText(c.written).substr(0, std::string(c.text).size()), c.text) << c.written;
        EXPECT_EQ(PartlyWrittenText(c.written).empty(), *c.text == '\0');
    }
}
