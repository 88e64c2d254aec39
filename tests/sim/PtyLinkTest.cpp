// The real serial driver against the simulated radio behind a pseudo-terminal, in real time.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "BuiltInRadio.h"
#include "ImageTransfer.h"
#include "MessageSink.h"
#include "PortNames.h"
#include "PtyRadio.h"
#include "SerialPort.h"
#include "ServiceLink.h"
#include "SettingsFile.h"

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

}  // namespace

TEST(PtyLink, WriteThenReadBackGivesTheSameImage) {
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start()) << radio.m_strError;
    CSerialPort port;

    CDataRadioDoc written = ConfiguredDoc();
    CEepromImage writtenImage;
    std::vector<std::string> status;
    STransferHooks hooks;
    hooks.SetStatus = [&](const std::string& text) { status.push_back(text); };
    CImageTransfer writer(port, writtenImage, written, hooks);
    writer.m_nComNumber = 0;
    writer.m_strDevice = radio.SlavePath();
    ASSERT_TRUE(writer.WriteRadio()) << (status.empty() ? "" : status.back());
    EXPECT_EQ(radio.WithRadio([](CRadioSimulator& r) { return r.m_Eeprom; }), writtenImage.m_Work);

    CDataRadioDoc read;
    read.m_nModel = kModelKv310Uhf;
    read.ResetToDefaults();
    CEepromImage readImage;
    CImageTransfer reader(port, readImage, read, hooks);
    reader.m_nComNumber = 0;
    reader.m_strDevice = radio.SlavePath();
    ASSERT_TRUE(reader.ReadRadio()) << (status.empty() ? "" : status.back());
    EXPECT_EQ(readImage.m_Work, writtenImage.m_Work);
    EXPECT_EQ(read.m_nModel, kModelKv310Vhf);
    EXPECT_DOUBLE_EQ(read.m_Channel[5].m_dRxFreq, 152.5);
    EXPECT_EQ(read.m_nTxTimeOut, 60);
    EXPECT_FALSE(port.IsOpen());
    // the leave frame is on its way; the radio takes it a moment later
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (radio.WithRadio([](CRadioSimulator& r) { return r.m_bProgramming; }) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_FALSE(radio.WithRadio([](CRadioSimulator& r) { return r.m_bProgramming; }));
}

TEST(PtyLink, ASilentRadioIsACommunicationError) {
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start());
    radio.WithRadio([](CRadioSimulator& r) { r.m_Faults.m_bSilent = true; });
    CSerialPort port;
    CDataRadioDoc doc;
    CEepromImage image;
    std::string lastStatus;
    STransferHooks hooks;
    hooks.SetStatus = [&](const std::string& text) { lastStatus = text; };
    CImageTransfer transfer(port, image, doc, hooks);
    transfer.m_nComNumber = 0;
    transfer.m_strDevice = radio.SlavePath();
    EXPECT_FALSE(transfer.WriteRadio());
    EXPECT_EQ(lastStatus, "Communication Error !!!   Check your radio connection to PC !!!");
    EXPECT_EQ(radio.WithRadio([](CRadioSimulator& r) { return r.m_Received; }),
              (std::vector<uint8_t>{0x87, 0x00, 0x87, 0x76, 0x57, 0xCD}));
}

TEST(PtyLink, ServiceConnectionReadsTheStatusAndSurvivesAReopen) {
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start());
    radio.WithRadio([](CRadioSimulator& r) { r.m_nChannel = 7; });
    CSerialPort port;
    CRecordingSink sink;
    for (int round = 0; round < 2; ++round) {
        CServiceLink link(port, sink);
        ASSERT_EQ(link.Start(0, radio.SlavePath()), EServiceStart::Opened);
        EXPECT_TRUE(link.m_Status.m_bValid);
        EXPECT_EQ(link.m_Status.m_nChannel, 7);
        EXPECT_EQ(link.SelectChannel(2).m_Code, EReplyCode::None);
        link.End();
        radio.WithRadio([](CRadioSimulator& r) { r.m_nChannel = 7; });
    }
    EXPECT_TRUE(sink.m_Messages.empty());
}

TEST(PtyLink, WatchThreadQueuesBurstsWholeOrDropsThemWhole) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    CSerialPort port;
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
    while (!port.m_bQueueOverflow && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(port.QueuedCount(), 8100);
    ASSERT_EQ(::write(master, burst.data(), 91), 91);  // fits: 8191 held
    EXPECT_TRUE(WaitForQueued(port, 8191));
    port.Close();
    EXPECT_TRUE(port.TakeOverflow());  // once, for the protocol to report
    EXPECT_FALSE(port.TakeOverflow());
    EXPECT_EQ(port.QueuedCount(), 8191);
    uint8_t first = 0;
    ASSERT_TRUE(port.PopByte(first));
    EXPECT_EQ(first, 0);
    // A new session starts with an empty queue: nothing stale is taken for an answer.
    ASSERT_TRUE(port.Open(::ptsname(master), 9600, 5));
    EXPECT_EQ(port.QueuedCount(), 0);
    port.Close();
    ::close(master);
}

TEST(PtyLink, AWriteToADeviceThatStoppedTakingBytesFailsWithinItsDeadline) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    CSerialPort port;
    ASSERT_TRUE(port.Open(::ptsname(master), 9600, 0));
    ASSERT_EQ(::tcflow(port.m_hComm, TCOOFF), 0);  // the device holds its output, like a stuck adapter
    const std::vector<uint8_t> block(24, 0x5A);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_LT(port.Write(block), 24);
    const auto took = std::chrono::steady_clock::now() - start;
    // 48 ms for 24 bytes plus the grace; a second covers a loaded machine, an unbounded wait never ends
    EXPECT_LT(took, std::chrono::seconds(1));
    ::tcflow(port.m_hComm, TCOON);
    port.Close();
    ::close(master);
}

TEST(PtyLink, WatchThreadStopsWhenTheDeviceGoesAway) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    CSerialPort port;
    ASSERT_TRUE(port.Open(::ptsname(master), 9600, 0));
    EXPECT_TRUE(port.m_bWatching);
    ::close(master);  // like a USB adapter pulled out: the line hangs up
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (port.m_bWatching && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_FALSE(port.m_bWatching);  // it ended instead of spinning on the hang-up
    EXPECT_EQ(port.Write(std::vector<uint8_t>{0x87, 0x00, 0x87}), 0);
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

TEST(PtyLink, Com49OpensTheBuiltInSimulatedRadio) {
    const CComResolver resolve = ProgramComResolver();
    const std::string path = resolve(kSimulatedRadioCom);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(resolve(kSimulatedRadioCom), path);  // one radio for the whole program
    EXPECT_EQ(resolve(17), "/dev/ttyUSB0");

    CSerialPort port;
    CDataRadioDoc doc;
    CEepromImage image;
    CImageTransfer transfer(port, image, doc);
    transfer.m_nComNumber = kSimulatedRadioCom;
    transfer.m_strDevice = path;
    ASSERT_TRUE(transfer.LeaveProgramming());
    EXPECT_EQ(port.m_strPortName, path);
    EXPECT_EQ(port.m_nBaudRate, 4800u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    std::vector<uint8_t> received;
    while (received.size() < 3 && std::chrono::steady_clock::now() < deadline) {
        received = SharedPtyRadio()->WithRadio([](CRadioSimulator& r) { return r.m_Received; });
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(received, (std::vector<uint8_t>{0x89, 0x00, 0x89}));
}
