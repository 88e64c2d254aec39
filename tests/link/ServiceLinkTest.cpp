#include "ServiceLink.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "LinkFrames.h"
#include "MessageSink.h"
#include "PortNames.h"
#include "SimPort.h"

namespace {

using Bytes = std::vector<uint8_t>;

class ServiceLink : public ::testing::Test {
protected:
    ServiceLink() {
        m_Radio.m_nChannel = 5;
        m_Radio.m_nVersion = 0x12;
        m_Radio.m_nModem = 0xA1;
    }

    void StartOk() {
        ASSERT_EQ(m_Link.Start(4), EServiceStart::Opened);
        m_nWritesAtStart = m_Port.m_Writes.size();
        m_nLinesAtStart = m_Port.m_Lines.size();
    }

    // The writes made since the connection started.
    std::vector<Bytes> CommandWrites() const {
        std::vector<Bytes> writes;
        for (size_t i = m_nWritesAtStart; i < m_Port.m_Writes.size(); ++i) {
            writes.push_back(m_Port.m_Writes[i].m_Bytes);
        }
        return writes;
    }

    CRadioSimulator m_Radio;
    CSimPort m_Port{m_Radio};
    CRecordingSink m_Sink;
    CDataRadioDoc m_Doc;
    CServiceLink m_Link{m_Port, m_Sink};
    size_t m_nWritesAtStart = 0;
    size_t m_nLinesAtStart = 0;
};

}  // namespace

TEST_F(ServiceLink, StartReadsTheStatusRecord) {
    StartOk();
    EXPECT_EQ(m_Port.m_strPortName, ComDevicePath(4));
    EXPECT_EQ(m_Port.m_nBaudRate, 9600u);
    EXPECT_EQ(m_Port.m_nPortNumber, 3);
    ASSERT_EQ(m_Port.m_Writes.size(), 2u);
    EXPECT_EQ(m_Port.m_Writes[0].m_Bytes, (Bytes{0x88, 0x66, 0xEE}));
    EXPECT_EQ(m_Port.m_Writes[1].m_Bytes, (Bytes{0x53, 0x66, 0xB9}));
    EXPECT_EQ(m_Port.m_Waits, (std::vector<int>{100, 400, 400}));
    ASSERT_EQ(m_Port.m_Lines.size(), 3u);
    EXPECT_EQ(m_Port.m_Lines[0].m_cLine, 'R');
    EXPECT_EQ(m_Port.m_Lines[1].m_cLine, 'D');
    EXPECT_EQ(m_Port.m_Lines[2].m_cLine, 'R');
    EXPECT_TRUE(m_Link.m_Status.m_bValid);
    EXPECT_EQ(m_Link.m_Status.m_nChannel, 5);
    EXPECT_EQ(VersionText(m_Link.m_Status.m_nVersion), "1.2");
    EXPECT_EQ(m_Link.m_Status.m_nModem, 0xA1);
    EXPECT_TRUE(m_Link.m_bLinkOpen);
    EXPECT_TRUE(m_Sink.m_Messages.empty());
    m_Link.End();
    EXPECT_FALSE(m_Port.m_bOpen);
    EXPECT_FALSE(m_Link.m_bLinkOpen);
}

TEST_F(ServiceLink, ARefusedStatusSaysErrorAndCloses) {
    m_Radio.m_Faults.m_bRefuse = true;
    EXPECT_EQ(m_Link.Start(4), EServiceStart::Refused);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Error!"});
    EXPECT_FALSE(m_Port.m_bOpen);
}

TEST_F(ServiceLink, WithoutARadioTheConnectionStillOpens) {
    m_Radio.m_Faults.m_bSilent = true;
    EXPECT_EQ(m_Link.Start(4), EServiceStart::Opened);
    EXPECT_FALSE(m_Link.m_Status.m_bValid);
    const SCommandResult result = m_Link.SelectChannel(2);
    EXPECT_FALSE(result.m_bAnswered);
    EXPECT_EQ(result.m_Code, EReplyCode::None);
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ServiceLink, AFailedOpenCancelsWithTheReason) {
    m_Port.m_nOpenError = EACCES;
    EXPECT_EQ(m_Link.Start(20), EServiceStart::OpenFailed);
    ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
    EXPECT_EQ(m_Sink.m_Messages[0].rfind("Fail to open PORT20\n", 0), 0u);
    EXPECT_NE(m_Sink.m_Messages[0].find(PortOpenFailureText(ComDevicePath(20), EACCES)), std::string::npos);
    EXPECT_FALSE(m_Link.m_bLinkOpen);
}

TEST_F(ServiceLink, ChannelFrames) {
    StartOk();
    m_Link.SelectChannel(16);
    m_Link.SelectChannel(1);
    EXPECT_EQ(CommandWrites(), (std::vector<Bytes>{{0x64, 0x0F, 0x73}, {0x64, 0x00, 0x64}}));
    EXPECT_EQ(m_Radio.m_nChannel, 1);
}

TEST_F(ServiceLink, EveryChannelChangeIsChecked) {
    // A radio that was never put into service mode refuses everything with 0x55.
    ASSERT_TRUE(m_Port.Open("/dev/ttyS0", 9600, 0));
    const SCommandResult result = m_Link.SelectChannel(3);
    EXPECT_EQ(result.m_Code, EReplyCode::Invalid);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Invalid serial command transfer!"});
}

TEST_F(ServiceLink, ZeroBytesAreDroppedBeforeTheCheck) {
    StartOk();
    m_Port.m_Queue.Push(0x00);
    m_Port.m_Queue.Push(0x55);
    const SCommandResult result = m_Link.Send(EServiceCommand::RadioReset);
    EXPECT_EQ(result.m_nByte, 0x55);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Invalid serial command transfer!"});
}

TEST_F(ServiceLink, TransmitRaisesDtrAndReportsARefusal) {
    StartOk();
    EXPECT_EQ(m_Link.Send(EServiceCommand::TransmitMode).m_Code, EReplyCode::None);
    EXPECT_TRUE(m_Radio.m_bTransmitting);
    ASSERT_EQ(m_Port.m_Lines.size(), m_nLinesAtStart + 1);
    EXPECT_EQ(m_Port.m_Lines.back().m_cLine, 'D');
    EXPECT_TRUE(m_Port.m_Lines.back().m_bOn);
    EXPECT_EQ(m_Port.m_Lines.back().m_nAtUs, m_Port.m_Writes.back().m_nAtUs + 3 * kByteTimeUs);

    m_Link.Send(EServiceCommand::ReceiveMode);
    EXPECT_FALSE(m_Radio.m_bTransmitting);
    EXPECT_FALSE(m_Port.m_Lines.back().m_bOn);

    m_Radio.m_Faults.m_bTransmitNotAllowed = true;
    EXPECT_EQ(m_Link.Send(EServiceCommand::TransmitMode).m_Code, EReplyCode::NotAllowed);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"This command is not allowed!"});
}

TEST_F(ServiceLink, EveryCommandSendsItsFrame) {
    StartOk();
    const std::pair<EServiceCommand, Bytes> table[] = {
        {EServiceCommand::ReceiveMode, {0x61, 0x72, 0xD3}},
        {EServiceCommand::TransmitMode, {0x61, 0x74, 0xD5}},
        {EServiceCommand::ScanStop, {0x62, 0x46, 0xA8}},
        {EServiceCommand::ScanStart, {0x62, 0x73, 0xD5}},
        {EServiceCommand::ScanDelete, {0x62, 0x4F, 0xB1}},
        {EServiceCommand::GpsDataOff, {0x63, 0x00, 0x63}},
        {EServiceCommand::GpsDataExternal, {0x63, 0x01, 0x64}},
        {EServiceCommand::GpsDataExternalAndRf, {0x63, 0x02, 0x65}},
        {EServiceCommand::GpsPowerOff, {0x6A, 0x00, 0x6A}},
        {EServiceCommand::GpsPowerOn, {0x6A, 0x01, 0x6B}},
        {EServiceCommand::ModemTestDataOn, {0x75, 0x78, 0xED}},
        {EServiceCommand::ModemTestDataOff, {0x75, 0x79, 0xEE}},
        {EServiceCommand::AlignmentOn, {0x7A, 0x01, 0x7B}},
        {EServiceCommand::AlignmentOff, {0x7A, 0x00, 0x7A}},
        {EServiceCommand::SpaceToneOn, {0x7E, 0x01, 0x7F}},
        {EServiceCommand::SpaceToneOff, {0x7E, 0x00, 0x7E}},
        {EServiceCommand::MarkToneOn, {0x7C, 0x01, 0x7D}},
        {EServiceCommand::MarkToneOff, {0x7C, 0x00, 0x7C}},
        {EServiceCommand::FirmwareUpgradeOn, {0x85, 0x01, 0x86}},
        {EServiceCommand::FirmwareUpgradeOff, {0x85, 0x00, 0x85}},
        {EServiceCommand::RadioReset, {0x86, 0x01, 0x87}},
        {EServiceCommand::SquelchStoreOpening, {0x50, 0x01, 0x51}},
        {EServiceCommand::SquelchStoreClosing, {0x51, 0x02, 0x53}},
        {EServiceCommand::SquelchFactoryDefault, {0x52, 0x03, 0x55}},
        {EServiceCommand::SquelchSave, {0x56, 0x04, 0x5A}},
    };
    for (const auto& [command, frame] : table) {
        const size_t before = m_Port.m_Writes.size();
        const size_t waits = m_Port.m_Waits.size();
        m_Link.Send(command);
        ASSERT_EQ(m_Port.m_Writes.size(), before + 1) << static_cast<int>(command);
        EXPECT_EQ(m_Port.m_Writes.back().m_Bytes, frame);
        EXPECT_EQ(m_Port.m_Waits[waits], 40);
    }
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ServiceLink, OneByteTakenLeavesTheRestQueued) {
    StartOk();
    m_Port.m_Queue.Push(0x07);
    const SCommandResult result = m_Link.Send(EServiceCommand::SquelchSave);
    EXPECT_TRUE(result.m_bAnswered);
    EXPECT_EQ(result.m_nByte, 0x07);
    EXPECT_EQ(m_Port.QueuedCount(), 1);  // the radio's own answer waits for the next drain
}

TEST_F(ServiceLink, ModemTestOffReportsARefusal) {
    StartOk();
    m_Port.m_Queue.Push(0x55);
    EXPECT_EQ(m_Link.Send(EServiceCommand::ModemTestDataOff).m_Code, EReplyCode::Invalid);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Invalid serial command transfer!"});
}

TEST_F(ServiceLink, FirmwareUpgradeMovesDtr) {
    StartOk();
    EXPECT_TRUE(m_Link.Send(EServiceCommand::FirmwareUpgradeOn).m_bAnswered);
    EXPECT_TRUE(m_Port.m_Lines.back().m_bOn);
    m_Link.Send(EServiceCommand::FirmwareUpgradeOff);
    EXPECT_FALSE(m_Port.m_Lines.back().m_bOn);
}

TEST_F(ServiceLink, RepeatedCommandsStopAtTheFirstAnswer) {
    StartOk();
    const SCommandResult result = m_Link.Send(EServiceCommand::GpsDataOff);
    EXPECT_TRUE(result.m_bAnswered);
    EXPECT_EQ(CommandWrites().size(), 1u);
}

TEST_F(ServiceLink, RepeatedCommandsGiveUpAfterAboutThreeSeconds) {
    StartOk();
    m_Radio.m_Faults.m_nIgnoredCommand = 0x6A;
    const int64_t started = m_Port.m_nNowUs;
    const SCommandResult result = m_Link.Send(EServiceCommand::GpsPowerOff);
    const int64_t took = m_Port.m_nNowUs - started;
    EXPECT_EQ(result.m_Code, EReplyCode::NoAnswer);
    EXPECT_FALSE(result.m_bAnswered);
    EXPECT_EQ(CommandWrites().size(), static_cast<size_t>(kRepeatTries));
    for (const Bytes& write : CommandWrites()) {
        EXPECT_EQ(write, (Bytes{0x6A, 0x00, 0x6A}));
    }
    EXPECT_GT(took, 2500000);
    EXPECT_LT(took, 3200000);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{
                                     "No answer from the radio !!!   Check your radio connection to PC !!!"});
}
