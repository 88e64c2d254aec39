// The real serial driver against the simulated radio behind a pseudo-terminal, in real time.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "BlockTransfer.h"
#include "MessageSink.h"
#include "PortNames.h"
#include "PtyRadio.h"
#include "SerialPort.h"
#include "ServiceLink.h"
#include "SettingsFile.h"
#include "SimulatedRadio.h"

namespace {

// Waits (a bounded while) until the port has queued count bytes.
bool WaitForQueued(const CSerialPort& port, int count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (port.QueuedCount() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return port.QueuedCount() == count;
}

CDataRadioDoc ConfiguredDoc() {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Vhf;
    doc.ResetToDefaults();
    for (int i = 0; i < 6; ++i) {
        doc.m_Channel[i].m_dRxFreq = 150.0 + 0.5 * i;
        doc.m_Channel[i].m_dTxFreq = 151.0 + 0.5 * i;
        doc.m_Channel[i].m_bWide = i % 2;
        doc.m_Channel[i].m_nRxOption = kSigCtcss;
        doc.m_Channel[i].m_dRxCtcss = 88.5;
    }
    doc.m_bGps = 1;
    doc.m_nTxTimeOut = 60;
    return doc;
}

// A sink the watch thread may call while the test looks at it.
class CCountingSink : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Messages.push_back(text);
    }
    bool AskYesNo(const std::string&) override { return false; }
    size_t Count() {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Messages.size();
    }

    std::mutex m_Mutex;
    std::vector<std::string> m_Messages;
};

}  // namespace

TEST(PtyLink, WriteThenReadBackGivesTheSameImage) {
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start()) << radio.m_strError;
    CSerialPort port;

    CDataRadioDoc written = ConfiguredDoc();
    CEepromImage writtenImage;
    std::vector<std::string> status;
    CTransferHooks hooks;
    hooks.SetStatus = [&](const std::string& text) { status.push_back(text); };
    CBlockTransfer writer(port, writtenImage, written, hooks);
    writer.m_nComNumber = 0;
    writer.m_strDevice = radio.SlavePath();
    ASSERT_TRUE(writer.WriteRadio()) << (status.empty() ? "" : status.back());
    EXPECT_EQ(radio.WithRadio([](CSimRadio& r) { return r.m_Eeprom; }), writtenImage.m_Work);

    CDataRadioDoc read;
    read.m_nModel = kModelKv310Uhf;
    read.ResetToDefaults();
    CEepromImage readImage;
    CBlockTransfer reader(port, readImage, read, hooks);
    reader.m_nComNumber = 0;
    reader.m_strDevice = radio.SlavePath();
    ASSERT_TRUE(reader.ReadRadio()) << (status.empty() ? "" : status.back());
    EXPECT_EQ(readImage.m_Work, writtenImage.m_Work);
    EXPECT_EQ(read.m_nModel, kModelKv310Vhf);
    EXPECT_DOUBLE_EQ(read.m_Channel[5].m_dRxFreq, 152.5);
    EXPECT_EQ(read.m_nTxTimeOut, 60);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(radio.WithRadio([](CSimRadio& r) { return r.m_bProgramming; }));
}

TEST(PtyLink, ASilentRadioIsACommunicationError) {
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start());
    radio.WithRadio([](CSimRadio& r) { r.m_Faults.m_bSilent = true; });
    CSerialPort port;
    CDataRadioDoc doc;
    CEepromImage image;
    std::string lastStatus;
    CTransferHooks hooks;
    hooks.SetStatus = [&](const std::string& text) { lastStatus = text; };
    CBlockTransfer transfer(port, image, doc, hooks);
    transfer.m_nComNumber = 0;
    transfer.m_strDevice = radio.SlavePath();
    EXPECT_FALSE(transfer.WriteRadio());
    EXPECT_EQ(lastStatus, "Communication Error !!!   Check your radio connection to PC !!!");
    EXPECT_EQ(radio.WithRadio([](CSimRadio& r) { return r.m_Received; }),
              (std::vector<uint8_t>{0x87, 0x00, 0x87, 0x76, 0x57, 0xCD}));
}

TEST(PtyLink, ServiceConnectionReadsTheStatusAndSurvivesAReopen) {
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start());
    radio.WithRadio([](CSimRadio& r) { r.m_nChannel = 7; });
    CSerialPort port;
    CRecordingSink sink;
    CDataRadioDoc doc;
    for (int round = 0; round < 2; ++round) {
        CServiceLink link(port, sink);
        ASSERT_EQ(link.Start(doc, 0, radio.SlavePath()), EServiceStart::Opened);
        EXPECT_TRUE(link.m_Status.m_bValid);
        EXPECT_EQ(doc.m_nRadioChannel, 7);
        EXPECT_EQ(link.SelectChannel(2).m_Code, EReplyCode::None);
        link.End();
        radio.WithRadio([](CSimRadio& r) { r.m_nChannel = 7; });
    }
    EXPECT_TRUE(sink.m_Messages.empty());
}

TEST(PtyLink, WatchThreadQueuesBurstsWholeOrDropsThemWhole) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    CSerialPort port;
    CCountingSink sink;
    port.m_pSink = &sink;
    ASSERT_TRUE(port.Open(::ptsname(master), 9600, 5)) << port.OpenFailureText();
    EXPECT_EQ(port.m_nPortNumber, 5);
    // Fill to 8100 bytes in small bursts, then a burst that no longer fits.
    std::vector<uint8_t> burst(100);
    for (int i = 0; i < 81; ++i) {
        for (size_t k = 0; k < burst.size(); ++k) {
            burst[k] = static_cast<uint8_t>(i + k);
        }
        ASSERT_EQ(::write(master, burst.data(), burst.size()), 100);
        ASSERT_TRUE(WaitForQueued(port, 100 * (i + 1)));
    }
    ASSERT_EQ(::write(master, burst.data(), burst.size()), 100);  // 92 free: dropped whole
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (sink.Count() == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(port.QueuedCount(), 8100);
    ASSERT_EQ(::write(master, burst.data(), 91), 91);  // fits: 8191 held
    EXPECT_TRUE(WaitForQueued(port, 8191));
    port.Close();  // joins the watch thread: the sink is ours again
    EXPECT_EQ(sink.m_Messages, std::vector<std::string>{"m_QueueRead FULL!"});
    EXPECT_EQ(port.QueuedCount(), 8191);
    uint8_t first = 0;
    ASSERT_TRUE(port.PopByte(first));
    EXPECT_EQ(first, 0);
    ::close(master);
}

TEST(PtyLink, Com49OpensTheBuiltInSimulatedRadio) {
    InstallSimulatedRadio();
    std::vector<uint32_t> ports;
    CSerialPort::EnumeratePorts(ports);
    EXPECT_EQ(ports.front(), 0u);
    EXPECT_EQ(ports.back(), 49u);
    const std::string path = ComDevicePath(kSimulatedRadioCom);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(ComDevicePath(kSimulatedRadioCom), path);  // one radio for the whole program

    CSerialPort port;
    CDataRadioDoc doc;
    CEepromImage image;
    CBlockTransfer transfer(port, image, doc);
    transfer.m_nComNumber = kSimulatedRadioCom;
    ASSERT_TRUE(transfer.LeaveProgramming());
    EXPECT_EQ(port.m_strPortName, path);
    EXPECT_EQ(port.m_nBaudRate, 4800u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    std::vector<uint8_t> received;
    while (received.size() < 3 && std::chrono::steady_clock::now() < deadline) {
        received = SharedPtyRadio()->WithRadio([](CSimRadio& r) { return r.m_Received; });
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(received, (std::vector<uint8_t>{0x89, 0x00, 0x89}));
}
