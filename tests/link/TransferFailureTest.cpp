// What a failed transfer tells the user, against the simulated radio's faults on virtual time.

#include "TransferFailure.h"

#include <gtest/gtest.h>

#include <functional>

#include "BlockTransfer.h"
#include "ImageVerify.h"
#include "SimPort.h"

namespace {

struct SFailureCase {
    const char* m_szName;
    bool m_bWrite;
    std::function<void(SRadioFaults&)> m_Inject;
    const char* m_szFirstLine;  // the transfer's own text, kept as the first line
    const char* m_szAdvice;     // what the second line must say
};

const SFailureCase kCases[] = {
    {"silent", true, [](SRadioFaults& f) { f.m_bSilent = true; },
     "Communication Error !!!   Check your radio connection to PC !!!",
     "The radio did not answer on COM17. Check that the cable is plugged into the radio, the radio is "
     "switched "
     "on and not transmitting, and COM17 is the cable's port (Port > Find the Cable)."},
    {"refuse", true, [](SRadioFaults& f) { f.m_bRefuse = true; }, "Write Fail..!",
     "The radio refused programming mode: it is busy"},
    {"refuse read", false, [](SRadioFaults& f) { f.m_bRefuse = true; }, "Read Fail..!",
     "The radio refused programming mode"},
    {"noise", true,
     [](SRadioFaults& f) {
         f.m_bNoReady = true;
         f.m_Noise = {0x13, 0x37, 0xFE};
     },
     "Communication Error !!!   Check your radio connection to PC !!!",
     "The radio's answer on COM17 was garbled: a cable or baud problem."},
    {"refusal byte in noise before the ready byte", false,
     [](SRadioFaults& f) {
         f.m_Noise = {0x13, 0x55};
     },
     "Communication Error !!!   Check your radio connection to PC !!!",
     "The radio's answer on COM17 was garbled: a cable or baud problem."},
    {"nak storm", true,
     [](SRadioFaults& f) {
         f.m_nNakBlock = 4;
         f.m_nNakCount = 100;
     },
     "Write Fail!",
     "The radio kept asking for block 4 again (it arrived damaged): a cable or baud problem; partly written: "
     "blocks 0\u20133 are new, 4\u201325 are not; the radio still holds a mixed configuration \u2014 write "
     "again."},
    {"noise answering block 6", true, [](SRadioFaults& f) { f.m_nGarbledAnswerBlock = 6; }, "Write Fail!",
     "The radio's answer to block 6 was garbled: a cable or baud problem; partly written: blocks 0\u20135 "
     "are "
     "new, 6\u201325 are not; the radio still holds a mixed configuration \u2014 write again."},
    {"silent after block 9", true, [](SRadioFaults& f) { f.m_nSilentAfterBlock = 9; }, "Write Fail!",
     "The radio stopped answering at block 10 of 26; partly written: blocks 0\u20139 are new, 10\u201325 are "
     "not; the radio still holds a mixed configuration \u2014 write again. The link was lost mid-transfer: "
     "the "
     "radio lost power (battery, supply), or the cable moved or came loose. Check the radio's power and the "
     "cable first."},
    {"refused at block 0", true,
     [](SRadioFaults& f) {
         f.m_nNakBlock = 0;
         f.m_nNakCount = 100;
     },
     "Write Fail!",
     "The radio kept asking for block 0 again (it arrived damaged): a cable or baud problem; no block was "
     "stored, so the radio keeps the configuration it held"},
    {"read silent after block 3", false, [](SRadioFaults& f) { f.m_nSilentAfterBlock = 3; }, "Read Fail!",
     "The radio stopped sending at block 4 of 26. The link was lost mid-transfer: the radio lost power "
     "(battery, supply), or the cable moved or came loose. Nothing was changed. Check the radio's power and "
     "the cable, then read again."},
    {"read damaged block", false,
     [](SRadioFaults& f) {
         f.m_nBadSumBlock = 7;
         f.m_nBadSumCount = 100;
     },
     "Read Fail!", "Block 7 arrived garbled or damaged every time: a cable or baud problem."},
};

TEST(TransferFailure, EachFaultOfTheRadioIsExplainedUnderTheTransfersOwnText) {
    for (const SFailureCase& test : kCases) {
        SCOPED_TRACE(test.m_szName);
        CRadioSimulator radio;
        test.m_Inject(radio.m_Faults);
        CSimPort port(radio);
        CBlockTransfer transfer(port, {});
        transfer.m_nComNumber = 17;
        CImageBytes image{};
        EXPECT_FALSE(test.m_bWrite ? transfer.WriteImage(image) : transfer.ReadImage(image));
        const std::string text = transfer.FailureText(kFindCableInWindow);
        const size_t newline = text.find('\n');
        ASSERT_NE(newline, std::string::npos) << text;
        EXPECT_EQ(text.substr(0, newline), test.m_szFirstLine);
        EXPECT_EQ(text.find(test.m_szAdvice, newline), newline + 1) << text;
    }
}

TEST(TransferFailure, AWrongByteStoredNamesItsAddressAndWhatItHeld) {
    CRadioSimulator radio;
    radio.m_Faults.m_nWrongByteAddress = 0x123;
    CSimPort port(radio);
    CBlockTransfer transfer(port, {});
    CImageBytes image{};
    image[0x123] = 0x40;
    ASSERT_TRUE(transfer.WriteImage(image));
    const SVerifyResult result = VerifyWrite(transfer, image);
    EXPECT_FALSE(result.m_bOk);
    EXPECT_EQ(
        result.m_strMessage,
        "Verify failed: at 0x123 the radio holds 0x41 where 0x40 was written; 1 byte differs. Write the "
        "radio again; if this repeats, the radio needs service.");
}

TEST(TransferFailure, AnUnusablePortIsRefusedWithItsReasonBeforeItIsOpened) {
    CRadioSimulator radio;
    CSimPort port(radio);
    CBlockTransfer transfer(port, {});
    transfer.m_nComNumber = 17;
    transfer.m_CheckPort = [](int com, const std::string&) {
        return com == 17 ? std::string("COM17 (/dev/ttyUSB0) is in use by minicom (process 4242).") : "";
    };
    CImageBytes image{};
    EXPECT_FALSE(transfer.WriteImage(image));
    EXPECT_EQ(port.m_nOpenCount, 0);
    EXPECT_EQ(transfer.FailureText(kFindCableInWindow),
              "Fail to open PORT17\nCOM17 (/dev/ttyUSB0) is in use by minicom (process 4242).");
    EXPECT_EQ(transfer.m_Failure.m_Stage, EStage::OpenPort);
}

// Every row of the advice, word for word: the window names its menu, kv310ctl its command.
TEST(TransferFailure, EachCauseHasItsWholeAdviceInBothPrograms) {
    struct SRow {
        EStage m_Stage;
        ERadioDid m_Did;
        bool m_bWrite;
        const char* m_szWindow;
        const char* m_szCommand;  // null: as in the window
    };
    const char* const partly =
        "partly written: blocks 0\u20134 are new, 5\u201325 are not; the radio still holds a mixed "
        "configuration \u2014 write again";
    const SRow rows[] = {
        {EStage::Request, ERadioDid::NoAnswer, false,
         "The radio did not answer on COM5. Check that the cable is plugged into the radio, the radio is "
         "switched on and not transmitting, and COM5 is the cable's port (Port > Find the Cable).",
         "The radio did not answer on COM5. Check that the cable is plugged into the radio, the radio is "
         "switched on and not transmitting, and COM5 is the cable's port (kv310ctl ports --wait-new)."},
        {EStage::Request, ERadioDid::PortStalled, true, "Unplug the cable, plug it in again, then try again.",
         nullptr},
        {EStage::Blocks, ERadioDid::NoAnswer, false,
         "The radio stopped sending at block 5 of 26. The link was lost mid-transfer: the radio lost power "
         "(battery, supply), or the cable moved or came loose. Nothing was changed. Check the radio's power "
         "and the cable, then read again.",
         nullptr},
        {EStage::Blocks, ERadioDid::Garbled, false,
         "Block 5 arrived garbled or damaged every time: a cable or baud problem. Nothing was changed: check "
         "the cable and read again.",
         nullptr},
        {EStage::Blocks, ERadioDid::PortStalled, false,
         "Nothing was changed. Unplug the cable, plug it in again, then read again.", nullptr},
        {EStage::Blocks, ERadioDid::BytesLost, false, "Nothing was changed. Read again.", nullptr},
        {EStage::Blocks, ERadioDid::PortStalled, true, "", nullptr},  // below, with the partly-written text
        {EStage::ReadBack, ERadioDid::NoAnswer, true,
         "The radio could not be read back, so the write is not proven. Write the radio again.", nullptr},
        {EStage::ReadBack, ERadioDid::Garbled, true,
         "The radio could not be read back, so the write is not proven. Write the radio again.", nullptr},
        {EStage::Request, ERadioDid::Nothing, false, "", nullptr},
    };
    for (const SRow& row : rows) {
        STransferFailure failure;
        failure.m_Stage = row.m_Stage;
        failure.m_Did = row.m_Did;
        failure.m_bWrite = row.m_bWrite;
        failure.m_strPort = "COM5";
        failure.m_nBlock = 5;
        std::string window = row.m_szWindow;
        if (row.m_Stage == EStage::Blocks && row.m_bWrite) {
            window = "The adapter stopped at block 5; " + std::string(partly) +
                     ". Unplug the cable and plug it in again first.";
        }
        SCOPED_TRACE(window);
        EXPECT_EQ(FailureAdvice(failure, kFindCableInWindow), window);
        EXPECT_EQ(FailureAdvice(failure, kFindCableCommand),
                  row.m_szCommand != nullptr ? std::string(row.m_szCommand) : window);
    }
}

}  // namespace
