// The window's help for when something goes wrong: the Port menu's entries, finding the cable, following a
// USB adapter to its new port, the transfer history and the problem report, offscreen with a fake port list.

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QStatusBar>
#include <cstdlib>
#include <filesystem>

#include "FileIo.h"
#include "PortFile.h"
#include "PortNames.h"
#include "PortSurveyWindows.h"
#include "TransferLog.h"
#include "app/ShellFixture.h"
#include "radio/FindCableDlg.h"
#include "radio/TransferHistoryDlg.h"
#include "shared/DisplaySettings.h"

namespace {

// Ports as a test sets them: the list may change between polls.
class CListPortSystem : public CPortSystem {
public:
    std::vector<int> PresentPorts() override {
        std::vector<int> coms;
        for (const SPortInfo& port : m_Ports) {
            coms.push_back(port.m_nCom);
        }
        return coms;
    }
    void Identify(SPortInfo& info) override {
        for (const SPortInfo& port : m_Ports) {
            if (port.m_nCom == info.m_nCom) {
                info = port;
            }
        }
    }
    int AccessError(const std::string&) override { return 0; }
    std::vector<SPortHolder> Holders(const std::string& device) override {
        return device == "/dev/ttyUSB2" ? std::vector<SPortHolder>{{4242, "minicom"}}
                                        : std::vector<SPortHolder>{};
    }

    std::vector<SPortInfo> m_Ports;
};

SPortInfo Adapter(int com, const std::string& product, const std::string& serial) {
    SPortInfo info;
    info.m_nCom = com;
    info.m_strDevice = "/dev/ttyUSB" + std::to_string(com - 17);
    info.m_strKind = "USB serial adapter";
    info.m_strProduct = product;
    info.m_strMaker = "FTDI";
    info.m_strSerial = serial;
    return info;
}

class SupportCommandsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_pPorts = std::make_shared<CListPortSystem>();
        m_pPorts->m_Ports = {Adapter(17, "FT232R USB UART", "A9XK3L2Q"), Adapter(19, "USB-Serial", "")};
        m_pPortSystem = m_pPorts;
        m_Ports = {17, 19};
    }

    std::string StatusText() { return m_pFrame->m_wndStatusBar->currentMessage().toStdString(); }

    std::shared_ptr<CListPortSystem> m_pPorts;
};

TEST_F(SupportCommandsTest, ThePortMenuNamesTheAdapterWhoHoldsItAndOffersFindTheCable) {
#ifdef _WIN32
    GTEST_SKIP() << "the fake port survey holds Linux devices (/dev/ttyUSB2) and holders from a process "
                    "table; Windows names its ports \\\\.\\COMn and lists no holders";
#endif
    Start();
    std::vector<std::string> texts;
    for (QAction* action : m_pFrame->m_pPortMenu->actions()) {
        texts.push_back(action->text().toStdString());
    }
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], "COM17  /dev/ttyUSB0 \u2014 FT232R USB UART (FTDI, serial A9XK3L2Q)");
    EXPECT_EQ(texts[1],
              "COM19  /dev/ttyUSB2 \u2014 USB-Serial (FTDI) \u2014 in use by minicom (process 4242)");
    EXPECT_EQ(texts[2], "COM49  Simulated radio");
    EXPECT_EQ(texts[4], "&Find the Cable...");
}

// Windows' device table with a working FTDI adapter, a CH340 and an adapter whose driver failed.
class CTableSource : public CWinDeviceSource {
public:
    std::vector<SWinDevice> Devices() override {
        return {{"Ports", "USB Serial Port (COM3)", "FTDI", "FTDIBUS\\VID_0403+PID_6001+A9XK3L2QA\\0000",
                 "USB\\VID_0403&PID_6001\\A9XK3L2Q", "COM3", 0},
                {"Ports", "USB-SERIAL CH340 (COM5)", "wch.cn", "USB\\VID_1A86&PID_7523\\5&2A1C2F&0&2", "",
                 "COM5", 0},
                {"", "USB-Serial Controller", "", "USB\\VID_067B&PID_2303\\6&3B0C&0&1", "", "", 10}};
    }
    std::vector<int> DosPorts() override { return {}; }
    int OpenError(const std::string&) override { return 0; }
    std::string KindOfBarePort(int) override { return "Serial port"; }
};

TEST_F(SupportCommandsTest, ThePortMenuListsWindowsAdaptersAndTheOneWhoseDriverFailed) {
    m_pPortSystem = std::make_shared<CWindowsPortSystem>(std::make_unique<CTableSource>());
    m_Ports = {3, 5};
    Start();
    std::vector<std::string> texts;
    std::string tip;
    for (QAction* action : m_pFrame->m_pPortMenu->actions()) {
        texts.push_back(action->text().toStdString());
        if (!action->isEnabled()) {
            tip = action->statusTip().toStdString();
        }
    }
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0], "COM3  " + ComDevicePath(3) + " \u2014 USB Serial Port (FTDI, serial A9XK3L2Q)");
    EXPECT_EQ(texts[1], "COM5  " + ComDevicePath(5) + " \u2014 USB-SERIAL CH340 (wch.cn)");
    EXPECT_EQ(texts[3],
              "USB-Serial Controller \u2014 driver failed (code 10): the adapter's driver did not start it "
              "(code 10); use the driver the adapter's maker supplies, or another cable");
    EXPECT_EQ(tip.rfind("USB-Serial Controller has no port: the adapter's driver did not start it", 0), 0u)
        << tip;
}

TEST_F(SupportCommandsTest, FindTheCableSelectsThePortThatAppearsAndRemembersTheAdapter) {
    Start();
    // the user unplugs COM17 and plugs in a new adapter that comes up as COM18, in the real dialog
    m_pFrame->m_RunFindCable = [this] {
        CFindCableDlg dialog(*m_pPorts, m_pFrame.get());
        EXPECT_EQ(dialog.m_pPrompt->text().toStdString(), "Unplug the programming cable, then plug it in.");
        const SPortInfo cable = m_pPorts->m_Ports[0];
        m_pPorts->m_Ports.erase(m_pPorts->m_Ports.begin());
        dialog.Poll();
        EXPECT_EQ(dialog.result(), 0);  // a port that went away is not the cable
        m_pPorts->m_Ports.push_back(Adapter(18, "FT232R USB UART", "B7"));
        dialog.Poll();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.m_Found;
    };
    m_Ports = {18, 19};
    m_pFrame->m_pActFindCable->trigger();
    EXPECT_EQ(State().m_nComPort, 18);
    EXPECT_EQ(m_pFrame->m_pPortPane->text().trimmed().toStdString(), "COM18");
    EXPECT_EQ(
        StatusText(),
        "The programming cable is COM18 (/dev/ttyUSB1, FT232R USB UART (FTDI, serial B7)); it is selected.");
    EXPECT_EQ(LoadAdapterSerial(), "B7");
    std::vector<uint8_t> portFile;
    ASSERT_TRUE(ReadFileBytes(PortFilePath(), portFile, 16));
    EXPECT_EQ(portFile, (std::vector<uint8_t>{18, 0, 0, 0}));  // the port file keeps its four bytes

    // Escape in the real dialog leaves the choice as it was
    m_pFrame->m_RunFindCable = [this] {
        CFindCableDlg dialog(*m_pPorts, m_pFrame.get());
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.m_Found;
    };
    m_pFrame->m_pActFindCable->trigger();
    EXPECT_EQ(State().m_nComPort, 18);
}

TEST_F(SupportCommandsTest, TheRememberedAdapterIsFollowedToItsNewPortAtStart) {
#ifdef _WIN32
    GTEST_SKIP() << "the fake port survey holds Linux devices (/dev/ttyUSB2) and holders from a process "
                    "table; Windows names its ports \\\\.\\COMn and lists no holders";
#endif
    ASSERT_TRUE(SavePortSetting(17));
    ASSERT_TRUE(SaveAdapterSerial("B7"));
    m_pPorts->m_Ports.push_back(Adapter(20, "FT232R USB UART", "B7"));
    m_Ports = {17, 19, 20};
    Start();
    EXPECT_EQ(State().m_nComPort, 20);
    EXPECT_EQ(StatusText(),
              "The programming cable (serial B7) is now COM20 (/dev/ttyUSB3), not COM17: using COM20.");

    // an adapter without a serial number forgets the one remembered
    m_pFrame->m_PortActions[1]->trigger();
    EXPECT_EQ(LoadAdapterSerial(), "");
}

TEST_F(SupportCommandsTest, TransferHistorySortsAndCopiesTheRowsTheUserPicks) {
    const std::vector<std::string> lines = {
        "2026-12-07 10:00:00\tkv310ctl\twrite\tCOM17\tA9\t1.2\tKV310 UHF\ta.dat\tff\tok\t9.1\t\t\t",
        "2026-12-07 11:00:00\tkv310\tread\tCOM18\t\t1.1\tKV330 VHF\t\t\tRead Fail!\t1.0\t\t\t",
        "2026-12-07 12:00:00\tkv310\twrite\tCOM49\t\t1.2\tKV310 UHF\tb.dat\tee\tok\t8.9\t\t\t",
    };
    CTransferHistoryDlg dialog(lines, "/x/transfers.tsv", "", nullptr);
    dialog.show();
    ASSERT_EQ(dialog.m_pTable->rowCount(), 3);
    EXPECT_EQ(dialog.m_pTable->horizontalHeaderItem(9)->text().toStdString(), "Result");
    // two clicks on the port's heading: sorted by port, descending
    QHeaderView* header = dialog.m_pTable->horizontalHeader();
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(3) + 5, 5));
    }
    EXPECT_EQ(dialog.m_pTable->item(0, 3)->text().toStdString(), "COM49");
    dialog.m_pTable->setFocus();
    dialog.m_pTable->setCurrentCell(0, 0);
    QTest::keyClick(dialog.m_pTable, Qt::Key_Down, Qt::ShiftModifier);
    dialog.m_pCopy->click();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              std::string(kTransferLogHeader) + lines[2] + "\n" + lines[1] + "\n");

    // In Spanish: headings, transfers and results in words of the window, Copy still the log's own lines.
    ASSERT_TRUE(InstallLanguage(ELanguage::Spanish));
    CTransferHistoryDlg spanish(lines, "/x/transfers.tsv", "", nullptr);
    QStringList row;
    for (int column : {2, 9}) {
        row << spanish.m_pTable->horizontalHeaderItem(column)->text();
        for (int line = 0; line < 2; ++line) {
            row << spanish.m_pTable->item(line, column)->text();
        }
    }
    InstallLanguage(ELanguage::English);
    EXPECT_EQ(row.join(QLatin1Char('|')).toStdString(),
              "Transferencia|escritura|lectura|Resultado|correcto|¡Fallo de lectura!");
    spanish.CopySelection();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              std::string(kTransferLogHeader) + lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n");
}

TEST_F(SupportCommandsTest, TransferHistorySortsFromTheKeyboardByNumberAndCopiesWithCtrlC) {
    const std::vector<std::string> lines = {
        "2026-12-07 10:00:00\tkv310ctl\twrite\tCOM17\tA9\t1.2\tKV310 UHF\ta.dat\tff\tok\t9.1\t\t\t",
        "2026-12-07 11:00:00\tkv310\tread\tCOM18\t\t1.1\tKV330 VHF\t\t\tRead Fail!\t10.2\t\t\t",
        "2026-12-07 12:00:00\tkv310\twrite\tCOM49\t\t1.2\tKV310 UHF\tb.dat\tee\tok\t8.9\t\t\t",
    };
    CTransferHistoryDlg dialog(lines, "/x/transfers.tsv", "", nullptr);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTableWidget& table = *dialog.m_pTable;
    EXPECT_TRUE(table.accessibleDescription().startsWith(
        QStringLiteral("Every radio read and written, sorted by Time, oldest first.")))
        << table.accessibleDescription().toStdString();
    // Alt+S reaches the list, typing picks the column, Alt+D turns the order round
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), dialog.m_cbSortBy);
    QTest::keyClicks(dialog.m_cbSortBy, QStringLiteral("sec"));
    QStringList seconds;
    for (int row = 0; row < table.rowCount(); ++row) {
        seconds << table.item(row, 10)->text();
    }
    EXPECT_EQ(seconds.join(QLatin1Char(' ')).toStdString(), "8.9 9.1 10.2");  // numbers, not text
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.m_pDescending->isChecked(); }));  // a mnemonic's click
    EXPECT_EQ(table.item(0, 10)->text().toStdString(), "10.2");
    EXPECT_TRUE(table.accessibleDescription().contains(QStringLiteral("sorted by Seconds, longest first")));
    table.setFocus();
    table.setCurrentCell(0, 3);
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              std::string(kTransferLogHeader) + lines[1] + "\n");
}

TEST_F(SupportCommandsTest, AProblemReportAsksAboutTheConfigurationAndSavesWhereTheUserSays) {
#ifdef _WIN32
    GTEST_SKIP() << "the fake port survey holds Linux devices (/dev/ttyUSB2) and holders from a process "
                    "table; Windows names its ports \\\\.\\COMn and lists no holders";
#endif
    Start();
    const std::string path = m_Dir.File("report.tar.gz");
    m_pFrame->m_ChooseReportPath = [&path] { return path; };
    for (const EAnswer answer : {EAnswer::No, EAnswer::Yes}) {
        m_Sink.m_Answers.push_back(answer);
        m_pFrame->m_pActReport->trigger();
        // the archive is compressed: the system's gzip unpacks the tar, whose names can be read as they are
        const std::string command = "gzip -dc '" + path + "' > '" + path + ".tar'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(path + ".tar", bytes, 1 << 20));
        const std::string text(bytes.begin(), bytes.end());
        EXPECT_NE(text.find("kv310-report/ports.txt"), std::string::npos);
        EXPECT_NE(text.find("COM19\t/dev/ttyUSB2\tUSB-Serial (FTDI)\tin use by minicom (process 4242)"),
                  std::string::npos);
        EXPECT_EQ(text.find("kv310-report/config.yaml") != std::string::npos, answer == EAnswer::Yes);
    }
    ASSERT_EQ(m_Sink.m_Questions.size(), 2u);
    EXPECT_NE(m_Sink.m_Questions[0].find("Include the open configuration"), std::string::npos);
    EXPECT_EQ(StatusText(), "Problem report saved in " + path);
}

}  // namespace
