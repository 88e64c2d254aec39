// Reads and writes through the toolbar against the built-in simulated radio on COM49, in real time: the
// worker moves the bytes over a pseudo-terminal while the window keeps running its event loop.

#ifdef _WIN32

#include <gtest/gtest.h>

TEST(Transfer, NeedsAPseudoTerminal) {
    GTEST_SKIP() << "the transfers here run against the simulated radio behind a pseudo-terminal, which "
                    "Windows does not have; scripts/build-windows writes through kv310.exe's real window and "
                    "a wine COM port instead";
}

#else

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <algorithm>
#include <filesystem>
#include <random>

#include "Backup.h"
#include "BuiltInRadio.h"
#include "ConfigCheck.h"
#include "EepromImage.h"
#include "EepromLayout.h"
#include "FileIo.h"
#include "FrequencyRules.h"
#include "FullDisk.h"
#include "PartlyWritten.h"
#include "RunCli.h"
#include "SettingsFile.h"
#include "TransferLog.h"
#include "app/EditCommands.h"
#include "app/ShellFixture.h"
#include "pages/EepromPage.h"
#include "radio/ProgressDlg.h"
#include "radio/RestoreDlg.h"

namespace {

class TransferTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_NE(SharedPtyRadio(), nullptr);
        SharedPtyRadio()->WithRadio([](CRadioSimulator& r) {
            r = CRadioSimulator();
            return 0;
        });
        m_Ports = {kSimulatedRadioCom};
        m_nModelAnswer = -1;
        Start();
        m_pFrame->OnPortCommand(kSimulatedRadioCom);
    }

    CRadioTransfer& Transfer() { return *Sheet().m_pEepromPage->m_pTransfer; }

    // Starts a command and follows the bar until the transfer is over (or the test gives up).
    void Run(QAction* command, const std::function<void()>& whileRunning = nullptr) {
        command->trigger();
        ASSERT_TRUE(Transfer().IsRunning());
        CProgressDlg* dialog = Transfer().m_pProgress;
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle().toStdString(), "Read/Write");
        QObject::connect(dialog->m_pBar, &QProgressBar::valueChanged,
                         [this](int value) { m_nMaxBar = std::max(m_nMaxBar, value); });
        QElapsedTimer timer;
        timer.start();
        while (Transfer().IsRunning() && timer.elapsed() < 30000) {
            QTest::qWait(5);  // events, then a sleep: the radio's thread and the worker need the processor
            if (whileRunning) {
                whileRunning();
            }
        }
        ASSERT_FALSE(Transfer().IsRunning());
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::string DialogText() {
        return Transfer().m_pProgress != nullptr ? Transfer().m_pProgress->m_pStatus->text().toStdString()
                                                 : "";
    }

    template <typename F>
    auto Radio(F f) {
        return SharedPtyRadio()->WithRadio(f);
    }

    // The blocks the radio stored since the write's request (the read before it sent blocks too).
    int WriteBlocksTaken() {
        return Radio([](CRadioSimulator& r) {
            const auto request = std::find(r.m_Events.rbegin(), r.m_Events.rend(), "write request");
            if (request == r.m_Events.rend()) {
                return 0;
            }
            return static_cast<int>(std::count_if(request.base(), r.m_Events.end(), [](const std::string& e) {
                return e.rfind("block ", 0) == 0;
            }));
        });
    }

    // The last frame of a transfer has left the port when the transfer ends, but the radio's thread reads it
    // a moment later: asks again until the radio is out of programming mode or 5 s have passed.
    bool RadioLeftProgramming() {
        QElapsedTimer waited;
        waited.start();
        while (Radio([](CRadioSimulator& r) { return r.m_bProgramming; })) {
            if (waited.elapsed() > 5000) {
                return false;
            }
            QTest::qWait(5);
        }
        return true;
    }

    // Lets a transfer started by a dialog run to its end.
    void WaitForTransfer() {
        QElapsedTimer timer;
        timer.start();
        while (Transfer().IsRunning() && timer.elapsed() < 30000) {
            QTest::qWait(5);
        }
        ASSERT_FALSE(Transfer().IsRunning());
        QApplication::processEvents();
    }

    int m_nMaxBar = 0;
};

// A KV310 UHF U1 as one in the field: a configuration plus bytes of its own no settings file carries.
CImageBytes FieldRadio() {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Uhf;
    doc.ResetToDefaults();
    // only on the 6.25 kHz raster, so the page keeps the step it is read with
    doc.m_Channel[1].m_dRxFreq = doc.m_Channel[1].m_dTxFreq = 420.00625;
    doc.m_Channel[1].m_nStep = kStep6250;
    CEepromImage image;
    image.EncodeImage(doc);
    CImageBytes radio = image.m_Work;
    for (const int addr : {0x0B9, 0x0BD, 0x00B, 0x00F, 0x01C, CoeffAddr(1) + 3}) {
        radio[addr] = static_cast<uint8_t>(radio[addr] | 0x52);
    }
    radio[4] |= 0x01;
    radio[kVersionFirmwareByte] = 2;
    return radio;
}

}  // namespace

TEST_F(TransferTest, ARadioReadAndWrittenBackWithTheDefaultsIsUnchanged) {
    const CImageBytes field = FieldRadio();
    Radio([&field](CRadioSimulator& r) { return r.m_Eeprom = field; });
    Run(m_pFrame->m_pActReadRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    EXPECT_EQ(m_Doc.m_nPllIc, 1);  // the chip flag of byte 4
    Run(m_pFrame->m_pActWriteRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    const CImageBytes after = Radio([](CRadioSimulator& r) { return r.m_Eeprom; });
    for (int addr = 0; addr < kImageSize; ++addr) {
        EXPECT_EQ(after[addr], field[addr]) << "address " << addr;
    }
    // unticked, no backup file is kept, but the radio is still read first and keeps its own bytes
    m_pFrame->m_pActBackup->trigger();
    const std::string backupBefore = Transfer().m_strLastBackup;
    Run(m_pFrame->m_pActWriteRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    EXPECT_EQ(Radio([](CRadioSimulator& r) { return r.m_Eeprom; }), field);
    EXPECT_EQ(Transfer().m_strLastBackup, backupBefore);
    // only the whole-image write resets them, and only after its question is answered yes
    m_Sink.m_Answers = {EAnswer::No};
    m_pFrame->m_pActWriteWhole->trigger();
    EXPECT_FALSE(Transfer().IsRunning());
    EXPECT_EQ(Radio([](CRadioSimulator& r) { return r.m_Eeprom; }), field);
    ASSERT_FALSE(m_Sink.m_Questions.empty());
    EXPECT_NE(m_Sink.m_Questions.back().find("calibration (service bytes 0-11)"), std::string::npos);
    m_Sink.m_Answers = {EAnswer::Yes};
    Run(m_pFrame->m_pActWriteWhole);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    EXPECT_NE(Radio([](CRadioSimulator& r) { return r.m_Eeprom; }), field);
    const std::string status = m_pFrame->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(status.rfind("Written and verified: ", 0), 0u) << status;
    EXPECT_NE(status.find(kTextWholeImageResets), std::string::npos) << status;
}

// Old backups go only when the user asks, by age, and each removal is logged.
TEST_F(TransferTest, RestoreRemovesBackupsOlderThanTheDaysGivenWhenTheUserSaysSo) {
    std::filesystem::remove_all(BackupFolder());
    CImageBytes image{};
    std::string old;
    std::string recent;
    image[0] = 1;
    ASSERT_TRUE(SaveBackup(image, "COM3", old, nullptr, std::time(nullptr) - 40 * 86400));
    image[0] = 2;
    ASSERT_TRUE(SaveBackup(image, "COM4", recent, nullptr));
    m_pFrame->m_pActRestore->trigger();
    CRestoreDlg* dialog = View().findChild<CRestoreDlg*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->m_pList->rowCount(), 2);
    EXPECT_NE(dialog->m_pPruneDays->accessibleName().indexOf(QStringLiteral("Older than")), -1);
    dialog->m_pPruneDays->setValue(30);
    m_Sink.m_Answers = {EAnswer::No};
    dialog->m_pPrune->click();
    EXPECT_TRUE(std::filesystem::exists(old));
    m_Sink.m_Answers = {EAnswer::Yes};
    dialog->m_pPrune->click();
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_TRUE(std::filesystem::exists(recent));
    EXPECT_EQ(dialog->m_pList->rowCount(), 1);
    EXPECT_EQ(dialog->m_pResult->text().toStdString(), "1 backup(s) removed.");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines));
    const std::vector<std::string> fields = SplitTransferLogLine(lines.back());
    EXPECT_EQ(fields[1] + " " + fields[2] + " " + fields[11], "kv310 prune " + old);
    dialog->close();
}

TEST_F(TransferTest, RestoreListsTheBackupsNewestFirstComparesAndPutsOneBack) {
    std::filesystem::remove_all(BackupFolder());  // those of the tests before
    const CImageBytes field = FieldRadio();
    std::string older;
    std::string newer;
    ASSERT_TRUE(SaveBackup(CImageBytes{}, "COM3", older, nullptr, std::time(nullptr) - 3600));
    ASSERT_TRUE(SaveBackup(field, "COM17", newer, nullptr));
    STransferLogEntry entry;
    entry.m_strProgram = "kv310ctl";
    entry.m_strVerb = "read";
    entry.m_strPort = "COM17";
    entry.m_strAdapterSerial = "A10K3XYZ";
    entry.m_strFirmware = "1.1";
    entry.m_strResult = "ok";
    entry.m_strBackup = newer;
    ASSERT_TRUE(AppendTransferLog(entry));

    m_pFrame->m_pActRestore->trigger();
    CRestoreDlg* dialog = View().findChild<CRestoreDlg*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->m_pList->rowCount(), 2);
    const auto cell = [dialog](int row, int column) {
        return dialog->m_pList->item(row, column)->text().toStdString();
    };
    EXPECT_EQ(cell(0, 1) + " " + cell(0, 2) + " " + cell(0, 3) + " " + cell(0, 4),
              "COM17 A10K3XYZ KV310 UHF U1 1.1");
    EXPECT_EQ(cell(1, 1) + " " + cell(1, 2), "COM3 -");
    // what each backup is: kept by which transfer, and the radio's first channels, to tell radios apart
    EXPECT_EQ(cell(0, 5) + " " + cell(0, 6), "read 420.00625");
    EXPECT_EQ(cell(1, 5) + " " + cell(1, 6), "- -");
    EXPECT_NE(dialog->m_pList->accessibleName().indexOf(QStringLiteral("Backups kept")), -1);
    EXPECT_FALSE(dialog->m_pRestore->isEnabled());  // compare first

    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    dialog->m_pList->setFocus();
    QTest::keyClick(dialog->m_pList, Qt::Key_Home);  // the newest
    EXPECT_EQ(dialog->m_pList->currentRow(), 0);
    dialog->m_pCompare->setFocus();
    QTest::keyClick(dialog->m_pCompare, Qt::Key_Space);  // Compare with Radio
    WaitForTransfer();
    EXPECT_EQ(dialog->m_pChanges->toPlainText().section('\n', 0, 0).toStdString(),
              "Model: the radio is a KV310 VHF, the backup is for a KV310 UHF U1.");
    EXPECT_NE(dialog->m_pChanges->toPlainText().indexOf(QStringLiteral("channel 2 rx: 0.00000 -> 420.00625")),
              -1)
        << dialog->m_pChanges->toPlainText().toStdString();
    ASSERT_TRUE(dialog->m_pRestore->isEnabled()) << dialog->m_pResult->text().toStdString();
    // the cable moves to another radio after the compare: Restore reads the radio on the cable again
    Radio([](CRadioSimulator& r) { return r.m_Eeprom[191] = 0x06; });  // a KV330 UHF U1
    m_Sink.m_Answers.push_back(EAnswer::Yes);
    dialog->activateWindow();  // the progress window had the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    dialog->m_pRestore->setFocus();
    QTest::keyClick(dialog->m_pRestore, Qt::Key_Space);  // Restore to Radio
    QTest::keyClick(dialog, Qt::Key_Escape);             // stays, to say how the restore ended
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->m_pClose->isEnabled());
    WaitForTransfer();
    ASSERT_EQ(m_Sink.m_Questions.size(), 1u);
    EXPECT_NE(m_Sink.m_Questions[0].find("Put the backup "), std::string::npos);
    EXPECT_NE(m_Sink.m_Questions[0].find("The backup is of another model: the radio is a KV330 UHF U1"),
              std::string::npos)
        << m_Sink.m_Questions[0];
    // no field shows the calibration, so the question names each byte of it that changes
    EXPECT_NE(
        m_Sink.m_Questions[0].find("service byte 5: radio 1D, backup 5F \u2014 this radio's calibration"),
        std::string::npos)
        << m_Sink.m_Questions[0];
    EXPECT_EQ(Radio([](CRadioSimulator& r) { return r.m_Eeprom; }), field);  // every byte the backup's
    EXPECT_EQ(dialog->m_pResult->text().toStdString(), "Restored: the radio holds the backup's 416 bytes.");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines));
    const std::vector<std::string> fields = SplitTransferLogLine(lines.back());
    EXPECT_EQ(fields[1] + " " + fields[2] + " " + fields[7] + " " + fields[9],
              "kv310 restore " + newer + " ok");
    dialog->close();
}

TEST_F(TransferTest, AWriteSendsTheRecordAndClosesTheWindow) {
    m_Doc.m_Channel[0].m_dRxFreq = 150.0125;
    m_Doc.m_Channel[0].m_dTxFreq = 150.0125;
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_TRUE(Transfer().m_bLastOk) << DialogText();
    EXPECT_EQ(m_nMaxBar, kImageSize);
    EXPECT_EQ(Transfer().m_pProgress, nullptr);                      // a success closes the window
    EXPECT_EQ(View().m_pVersionField->text().toStdString(), "1.2");  // as a read shows it
    // what happened, in the status bar: "Written and verified: KV310 UHF U1 on COM49, 2.3 s"
    const QString done = m_pFrame->statusBar()->currentMessage();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Written and verified: %1 on COM49, \\d+\\.\\d s$")
                                       .arg(QString::fromStdString(ModelAndBandText(m_Doc))))
                    .match(done)
                    .hasMatch())
        << done.toStdString();
    const CImageBytes sent = Sheet().m_pEepromPage->m_Image.m_Work;
    EXPECT_EQ(Radio([](CRadioSimulator& r) { return r.m_Eeprom; }), sent);
    EXPECT_TRUE(RadioLeftProgramming());
    EXPECT_TRUE(m_pFrame->m_pActNew->isEnabled());
    EXPECT_TRUE(m_Sink.m_Messages.empty());
    // the write was proved by reading the radio back
    const std::vector<std::string> events = Radio([](CRadioSimulator& r) { return r.m_Events; });
    EXPECT_NE(std::find(events.begin(), events.end(), "read request"), events.end());
}

TEST_F(TransferTest, AReadDecodesTheRadioIntoTheRecordAndRefreshesTheForm) {
    CDataRadioDoc planned;
    planned.m_nModel = kModelKv310Uhf;
    planned.ResetToDefaults();
    planned.m_Channel[2].m_dRxFreq = 440.0;
    planned.m_Channel[2].m_dTxFreq = 445.0;
    CEepromImage image;
    image.EncodeImage(planned);
    Radio([&](CRadioSimulator& r) {
        r.m_Eeprom = image.m_Work;
        r.m_nVersion = 0x21;
        return 0;
    });
    const int refreshesBefore = Sheet().m_pChannelPage->m_nRefreshCount;
    Run(m_pFrame->m_pActReadRadio);
    EXPECT_TRUE(Transfer().m_bLastOk) << DialogText();
    EXPECT_EQ(m_nMaxBar, kImageSize);
    EXPECT_EQ(Transfer().m_pProgress, nullptr);
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Uhf);
    EXPECT_DOUBLE_EQ(m_Doc.m_Channel[2].m_dRxFreq, 440.0);
    EXPECT_EQ(Sheet().m_pEepromPage->m_Image.m_Work, image.m_Work);
    EXPECT_EQ(View().m_pVersionField->text().toStdString(), "2.1");
    EXPECT_EQ(View().m_pModelField->text().toStdString(), "KV310  UHF");
    const QString done = m_pFrame->statusBar()->currentMessage();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Read: %1 on COM49, \\d+\\.\\d s; the radio's image is kept in /")
                               .arg(QString::fromStdString(ModelAndBandText(m_Doc))))
            .match(done)
            .hasMatch())
        << done.toStdString();
    EXPECT_GT(Sheet().m_pChannelPage->m_nRefreshCount, refreshesBefore);
    EXPECT_EQ(State().m_bFileLoaded, 0);  // taken by the refresh after the read
}

TEST_F(TransferTest, ARefusedWriteLeavesItsFailureTextAndTheRecord) {
    Radio([](CRadioSimulator& r) { return r.m_Faults.m_bRefuse = true; });
    const std::vector<uint8_t> before = SettingsFileBytes(m_Doc);
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_FALSE(Transfer().m_bLastOk);
    ASSERT_NE(Transfer().m_pProgress, nullptr);  // stays until the user closes it
    // the read every write begins with is refused: nothing was written
    EXPECT_EQ(DialogText(), "The radio could not be read first, so nothing was written.\nRead Fail..!");
    EXPECT_TRUE(Transfer().m_pProgress->m_pOk->isEnabled());
    EXPECT_FALSE(Transfer().m_pProgress->m_pCancel->isEnabled());
    EXPECT_EQ(SettingsFileBytes(m_Doc), before);
    Transfer().m_pProgress->m_pOk->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Transfer().m_pProgress, nullptr);
}

TEST_F(TransferTest, CancelStopsAReadBetweenBlocksAndChangesNothing) {
    m_Doc.m_Channel[5].m_dRxFreq = 151.0;
    const std::vector<uint8_t> before = SettingsFileBytes(m_Doc);
    const CImageBytes workBefore = Sheet().m_pEepromPage->m_Image.m_Work;
    bool cancelled = false;
    Run(m_pFrame->m_pActReadRadio, [&] {
        if (!cancelled && m_nMaxBar > 100) {
            Transfer().m_pProgress->m_pCancel->click();
            cancelled = true;
        }
    });
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(Transfer().m_LastEnd, ETransferEnd::Cancelled);
    EXPECT_EQ(DialogText(), kTextReadCancelled);
    EXPECT_LT(m_nMaxBar, kImageSize);
    EXPECT_EQ(SettingsFileBytes(m_Doc), before);
    EXPECT_EQ(Sheet().m_pEepromPage->m_Image.m_Work, workBefore);
    EXPECT_TRUE(RadioLeftProgramming());  // told to leave programming mode
}

// Return and Escape, pressed from habit, stop nothing by themselves; Cancel stops a write once the user says
// so.
TEST_F(TransferTest, ACancelledWriteIsAskedFirstAndLoggedWithWhatItLeftInTheRadio) {
    bool cancelled = false;
    int asked = 0;
    Run(m_pFrame->m_pActWriteRadio, [&] {
        CProgressDlg* progress = Transfer().m_pProgress;
        if (!cancelled && WriteBlocksTaken() > 2) {  // in the write itself, not in the read before it
            progress->m_ConfirmStop = [&] { return ++asked == 2; };  // go on the first time, stop the second
            QTest::keyClick(progress, Qt::Key_Return);
            QTest::keyClick(progress, Qt::Key_Escape);
            EXPECT_EQ(asked, 1);
            EXPECT_TRUE(progress->m_pCancel->isEnabled());  // still writing
            progress->m_pCancel->click();
            cancelled = true;
        }
    });
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(asked, 2);
    ASSERT_EQ(Transfer().m_LastEnd, ETransferEnd::Cancelled);
    ASSERT_NE(Transfer().m_pProgress, nullptr);
    EXPECT_GE(Transfer().m_pProgress->m_pBar->value(), 3 * kImageBlockSize);  // where it stopped, not 0
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines));
    ASSERT_FALSE(lines.empty());
    const std::vector<std::string> fields = SplitTransferLogLine(lines.back());
    ASSERT_EQ(fields.size(), static_cast<size_t>(kTransferLogColumns));
    // the cancel's line, then which blocks are new
    EXPECT_EQ((fields[2] + " " + fields[3] + " " + fields[9])
                  .rfind(std::string("write COM49 ") + kTextWriteCancelled, 0),
              0u)
        << fields[9];
    EXPECT_NE(fields[9].find("partly written: blocks 0"), std::string::npos) << fields[9];
}

TEST_F(TransferTest, WhileBusyTheRecordCommandsAreGreyedAndRefused) {
    const std::vector<uint8_t> before = SettingsFileBytes(m_Doc);
    bool checked = false;
    Run(m_pFrame->m_pActWriteRadio, [&] {
        if (checked) {
            return;
        }
        checked = true;
        for (QAction* action :
             {m_pFrame->m_pActNew, m_pFrame->m_pActOpen, m_pFrame->m_pActModelSelect,
              m_pFrame->m_pActReadRadio, m_pFrame->m_pActSquelch, m_pFrame->m_pActCalibration}) {
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        }
        EXPECT_FALSE(Sheet().isEnabled());
        EXPECT_FALSE(View().m_cbBand->isEnabled());
        View().OnFileNew();  // a command that reaches the view all the same
        ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
        EXPECT_NE(m_Sink.m_Messages[0].find("the radio write is running"), std::string::npos);
        std::string refusal;
        EXPECT_FALSE(View().m_Link.Borrow("the squelch dialog", &refusal));
        EXPECT_NE(refusal.find("in use by the radio write"), std::string::npos);
    });
    EXPECT_TRUE(checked);
    EXPECT_EQ(SettingsFileBytes(m_Doc), before);
    EXPECT_TRUE(m_pFrame->m_pActNew->isEnabled());
    EXPECT_TRUE(Sheet().isEnabled());
}

TEST_F(TransferTest, ClosingTheWindowDuringATransferAsksAndCancelsIt) {
    m_Sink.m_Answers = {EAnswer::No, EAnswer::Yes};
    int closes = 0;
    Run(m_pFrame->m_pActReadRadio, [&] {
        if (closes < 2 && m_nMaxBar > 50) {
            const bool closed = m_pFrame->close();
            EXPECT_EQ(closed, closes == 1) << "No keeps the window, Yes closes it";
            ++closes;
        }
    });
    ASSERT_EQ(closes, 2);
    ASSERT_GE(m_Sink.m_Questions.size(), 2u);
    EXPECT_EQ(m_Sink.m_Questions[0], kMsgCancelTransferAndClose);
    EXPECT_EQ(Transfer().m_LastEnd, ETransferEnd::Cancelled);
}

TEST_F(TransferTest, ClosingTheWindowDuringAWriteStopsBetweenBlocksAndSaysWhatTheRadioHolds) {
    // the moment is the radio's own: once it has stored block 5
    m_Sink.m_Answers = {EAnswer::Yes};
    bool closed = false;
    Run(m_pFrame->m_pActWriteRadio, [&] {
        if (!closed && WriteBlocksTaken() > 5) {
            closed = m_pFrame->close();
        }
    });
    ASSERT_TRUE(closed);
    EXPECT_EQ(m_Sink.m_Questions, std::vector<std::string>{kMsgCancelTransferAndClose});
    EXPECT_EQ(Transfer().m_LastEnd, ETransferEnd::Cancelled);
    EXPECT_TRUE(RadioLeftProgramming()) << "no leave frame";
    const auto taken = WriteBlocksTaken();
    EXPECT_LT(taken, kImageBlocks);
    EXPECT_NE(DialogText().find(PartlyWrittenText(taken)), std::string::npos) << taken << " " << DialogText();
    ASSERT_FALSE(Transfer().m_strLastTrace.empty());
    EXPECT_TRUE(std::filesystem::exists(Transfer().m_strLastTrace));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines));
    ASSERT_FALSE(lines.empty());
    const std::vector<std::string> fields = SplitTransferLogLine(lines.back());
    ASSERT_EQ(fields.size(), static_cast<size_t>(kTransferLogColumns));
    EXPECT_EQ(fields[2], "write");
    EXPECT_EQ(fields[9].rfind("Write cancelled.", 0), 0u) << fields[9];
}

TEST_F(TransferTest, ABackupThatCannotBeKeptStopsTheWriteBeforeTheRadioIsTouched) {
    const CImageBytes before = Radio([](CRadioSimulator& r) { return r.m_Eeprom; });
    View().SetBackupBeforeWrite(true);
    {
        CFullDisk full;
        Run(m_pFrame->m_pActWriteRadio);
    }
    EXPECT_FALSE(Transfer().m_bLastOk);
    EXPECT_EQ(
        DialogText().rfind("Nothing was written: the radio's image could not be kept as a backup in ", 0), 0u)
        << DialogText();
    EXPECT_NE(DialogText().find("File too large"), std::string::npos) << DialogText();
    EXPECT_EQ(Radio([](CRadioSimulator& r) { return r.m_Eeprom; }), before);
    EXPECT_EQ(Radio([](CRadioSimulator& r) {
                  return std::count(r.m_Events.begin(), r.m_Events.end(), std::string("write request"));
              }),
              0);
    EXPECT_TRUE(Transfer().m_strLastBackup.empty());
    ASSERT_EQ(m_Sink.m_ChoicesOffered.size(), 1u);
    EXPECT_EQ(m_Sink.m_ChoicesOffered[0],
              (std::vector<std::string>{"Save Backup As...", "Write Without a Backup File"}));

    // written without a backup file: still merged over the radio's own bytes
    m_Sink.m_Choices = {1};
    {
        CFullDisk full;
        Run(m_pFrame->m_pActWriteRadio);
    }
    EXPECT_TRUE(Transfer().m_bLastOk) << DialogText();
    EXPECT_TRUE(Transfer().m_strLastBackup.empty());
    EXPECT_EQ(Radio([](CRadioSimulator& r) {
                  return std::count(r.m_Events.begin(), r.m_Events.end(), std::string("write request"));
              }),
              1);
}

TEST_F(TransferTest, AWriteTheRadioDoesNotHoldFailsTheVerifyNamingTheAddress) {
    Radio([](CRadioSimulator& r) { return r.m_Faults.m_nWrongByteAddress = 0x105; });
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_FALSE(Transfer().m_bLastOk);
    ASSERT_NE(Transfer().m_pProgress, nullptr);
    EXPECT_NE(DialogText().find("0x105"), std::string::npos) << DialogText();
}

TEST_F(TransferTest, AReadKeepsTheRadiosImageAsABackup) {
    Run(m_pFrame->m_pActReadRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    ASSERT_FALSE(Transfer().m_strLastBackup.empty());
    std::vector<uint8_t> kept;
    ASSERT_TRUE(ReadFileBytes(Transfer().m_strLastBackup, kept, kImageSize + 1));
    const CImageBytes radio = Radio([](CRadioSimulator& r) { return r.m_Eeprom; });
    EXPECT_EQ(kept, std::vector<uint8_t>(radio.begin(), radio.end()));
}

TEST_F(TransferTest, AConfigurationWithErrorsIsWrittenOnlyWhenTheUserSaysSo) {
    m_Doc.m_Channel[0].m_dRxFreq = 150.0;
    m_Doc.m_Channel[0].m_dTxFreq = 150.0;
    m_Doc.m_Channel[0].m_nRxOption = kSigCtcss;
    m_Doc.m_Channel[0].m_dRxCtcss = 12.3;  // no such tone
    m_Sink.m_Answers = {EAnswer::No};
    m_pFrame->m_pActWriteRadio->trigger();
    EXPECT_FALSE(Transfer().IsRunning());
    ASSERT_EQ(m_Sink.m_Questions.size(), 1u);
    EXPECT_NE(m_Sink.m_Questions[0].find("Write it to the radio anyway?"), std::string::npos);
    EXPECT_NE(m_Sink.m_Questions[0].find("error: "), std::string::npos);
    EXPECT_TRUE(Radio([](CRadioSimulator& r) { return r.m_Received; }).empty());
}

TEST_F(TransferTest, TheSerialTraceOfTheLastTransferCanBeSaved) {
    m_pFrame->m_pActVerify->setChecked(false);
    m_pFrame->m_pActBackup->setChecked(false);
    Run(m_pFrame->m_pActWriteRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    const std::string path = m_Dir.File("trace.txt");
    View().m_ChooseTracePath = [&] { return path; };
    m_pFrame->m_pActSaveTrace->trigger();
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes, 1 << 20));
    const std::string trace(bytes.begin(), bytes.end());
    EXPECT_NE(trace.find(" > 87 00 87\n"), std::string::npos) << trace.substr(0, 200);
    EXPECT_NE(trace.find(" > 89 00 89\n"), std::string::npos);
    // the read every write begins with comes before the write's request
    EXPECT_LT(trace.find(" > 71 52 C3\n"), trace.find(" > 89 00 89\n")) << trace.substr(0, 400);
}

TEST_F(TransferTest, AValueTypedAndNotLeftIsWhatTheWriteSendsAndVerifies) {
    m_pFrame->show();
    m_pFrame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_pFrame.get()));
    View().ShowPage(kPageSystem);
    QLineEdit* field = Sheet().m_pSystemPage->m_pScanSpeed;
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("1230"));
    // a radio never programmed gets the plan's image whole, to compare with the encoder's
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_TRUE(Transfer().m_bLastOk) << DialogText();  // the verify compares with the typed value too
    EXPECT_EQ(m_Doc.m_nScanSpeed, 1230);
    CEepromImage expected;
    expected.EncodeImage(m_Doc);
    EXPECT_EQ(Radio([](CRadioSimulator& r) { return r.m_Eeprom; }), expected.m_Work);
}

namespace {

// A configuration of the model as a technician makes it: channels on the model's grid in a random sub-band,
// some empty, with random signalling, power, width and scan, and options the pages show as they are.
CDataRadioDoc RandomConfiguration(int model, std::mt19937& rng) {
    CDataRadioDoc doc;
    doc.m_nModel = model;
    doc.ResetToDefaults();
    doc.m_nSubBand = static_cast<uint8_t>(rng() % doc.CurrentBand().m_nSubBands);
    const SBandLimits band = CurrentBandLimits(doc);
    const auto raster = static_cast<uint32_t>((band.m_dUpper - band.m_dLower) / 0.025);
    const double tones[] = {67.0, 88.5, 151.4, 250.3};
    const int codes[] = {23, 131, 754};
    for (int channel = 1; channel <= kChannels; ++channel) {
        if (rng() % 4 == 0) {
            continue;
        }
        CChannelData& ch = doc.m_Channel[static_cast<size_t>(channel - 1)];
        ch.m_dRxFreq = band.m_dLower + 0.025 * (rng() % raster);
        ch.m_dTxFreq = rng() % 2 == 0 ? ch.m_dRxFreq : band.m_dLower + 0.025 * (rng() % raster);
        // kept at the new plan's 5 kHz step, though many of these fit a wider one the page would try first
        ch.m_bWide = static_cast<int32_t>(rng() % 2);
        ch.m_bHighPower = static_cast<int32_t>(rng() % 2);
        ch.m_bScan = static_cast<int32_t>(rng() % 2);
        ch.m_nRxOption = static_cast<int32_t>(rng() % 3);
        ch.m_nTxOption = static_cast<int32_t>(rng() % 3);
        ch.m_dRxCtcss = tones[rng() % 4];
        ch.m_dTxCtcss = tones[rng() % 4];
        ch.m_nRxDcs = codes[rng() % 3];
        ch.m_nTxDcs = codes[rng() % 3];
    }
    doc.m_nScanSpeed = static_cast<int32_t>(50 + 10 * (rng() % 196));
    doc.m_ServiceBytes[13] = static_cast<uint8_t>(rng());
    return doc;
}

}  // namespace

// One case per model, so that the four writes wait on their radios side by side. Each first opens a file of
// another model: the file opened next must not keep that model's service bytes.
class WindowWritesTheCommandLinesBytes : public TransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(WindowWritesTheCommandLinesBytes, ForAFileOfThisModelOpenedAfterAnother) {
    m_Sink.m_DefaultAnswer = EAnswer::Yes;  // a configuration the check questions is written all the same
    Radio([](CRadioSimulator& r) { return r.m_Eeprom.fill(0xFF), 0; });  // never programmed: gets it whole
    const int model = GetParam();
    std::mt19937 rng(310 + static_cast<unsigned>(model));
    const int before = model == kModelKv310Vhf ? kModelKv330Uhf : kModelKv310Vhf;
    m_strOpenPath = m_Dir.File("before.dat");
    ASSERT_TRUE(OnSaveDocument(RandomConfiguration(before, rng), m_strOpenPath, m_Sink));
    m_pFrame->m_pActOpen->trigger();
    ASSERT_EQ(m_Doc.m_nModel, before);

    const std::string path = m_Dir.File("plan.dat");
    ASSERT_TRUE(OnSaveDocument(RandomConfiguration(model, rng), path, m_Sink));
    const std::string image = m_Dir.File("plan.bin");
    const SCliResult encoded = RunCli({"encode", path, "-o", image});
    ASSERT_EQ(encoded.nExit, 0) << encoded.strErr;
    std::vector<uint8_t> expected;
    ASSERT_TRUE(ReadFileBytes(image, expected, kImageSize + 1));
    ASSERT_EQ(expected.size(), size_t{kImageSize});

    m_strOpenPath = path;
    m_pFrame->m_pActOpen->trigger();
    std::vector<uint8_t> file;
    ASSERT_TRUE(ReadFileBytes(path, file, kSettingsFileSize));
    const std::vector<uint8_t> record = SettingsFileBytes(m_Doc);  // the pages changed nothing
    const auto differ = std::mismatch(record.begin(), record.end(), file.begin(), file.end());
    EXPECT_EQ(differ.first, record.end()) << "file offset " << (differ.first - record.begin());
    Run(m_pFrame->m_pActWriteRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    const CImageBytes sent = Radio([](CRadioSimulator& r) { return r.m_Eeprom; });
    for (size_t address = 0; address < size_t{kImageSize}; ++address) {
        EXPECT_EQ(sent[address], expected[address]) << "address " << address;
    }
    EXPECT_TRUE(m_Sink.m_Messages.empty()) << m_Sink.m_Messages.front();
}

INSTANTIATE_TEST_SUITE_P(EveryModel, WindowWritesTheCommandLinesBytes,
                         ::testing::Values(kModelKv310Uhf, kModelKv330Uhf, kModelKv330Vhf, kModelKv310Vhf));

TEST_F(TransferTest, UndoOfARadioReadBringsBackThePlanThatWasOpen) {
    CDataRadioDoc radio;
    radio.m_nModel = kModelKv310Vhf;
    radio.ResetToDefaults();
    radio.m_Channel[0].m_dRxFreq = radio.m_Channel[0].m_dTxFreq = 160.0;
    CEepromImage image;
    image.EncodeImage(radio);
    Radio([&](CRadioSimulator& r) {
        r.m_Eeprom = image.m_Work;
        return 0;
    });
    m_Doc.m_Channel[0].m_dRxFreq = m_Doc.m_Channel[0].m_dTxFreq = 150.0125;
    View().m_History.Record(QStringLiteral("Channel 1 RX frequency"));
    Run(m_pFrame->m_pActReadRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 160.0);
    CEditCommands& edit = *View().findChild<CEditCommands*>();
    EXPECT_EQ(edit.m_pActUndo->text().toStdString(), "&Undo Read Radio");
    edit.OnUndo();
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 150.0125);
    EXPECT_EQ(Sheet().m_pChannelPage->m_Rows[0]->m_pRxFreq->text().toStdString(), "150.01250");
    edit.OnRedo();
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 160.0);
}

// The version field belongs to the radio the record came from: undo of the read takes it away, redo brings
// it back, New clears it; a write that shows it is no step of its own.
TEST_F(TransferTest, TheRadiosVersionGoesAndComesWithTheRadiosSettings) {
    Radio([](CRadioSimulator& r) {
        r.m_Eeprom[191] = 0x00;
        return 0;
    });
    Run(m_pFrame->m_pActReadRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    QApplication::processEvents();
    QLineEdit& version = *View().m_pVersionField;
    EXPECT_EQ(version.text().toStdString(), "1.2");
    CEditCommands& edit = *View().findChild<CEditCommands*>();
    ASSERT_EQ(edit.m_pActUndo->text().toStdString(), "&Undo Read Radio");
    edit.OnUndo();
    EXPECT_EQ(version.text().toStdString(), "");
    edit.OnRedo();
    EXPECT_EQ(version.text().toStdString(), "1.2");
    View().OnFileNew();
    EXPECT_EQ(version.text().toStdString(), "");
    const bool modified = View().HasUnsavedChanges();
    Run(m_pFrame->m_pActWriteRadio);
    ASSERT_TRUE(Transfer().m_bLastOk) << DialogText();
    QApplication::processEvents();
    EXPECT_EQ(version.text().toStdString(), "1.2");
    EXPECT_EQ(View().HasUnsavedChanges(), modified);
    EXPECT_FALSE(edit.m_pActUndo->isEnabled());
}
TEST_F(TransferTest, AWriteThatStopsSaysWhatToTryKeepsItsTraceAndIsLogged) {
    // the read first goes through; the radio stops answering in the write itself
    Radio([](CRadioSimulator& r) { return r.m_Faults.m_nSilentAfterWriteBlock = 9; });
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_FALSE(Transfer().m_bLastOk);
    EXPECT_EQ(DialogText(), "Write Fail!");  // the transfer's own text stays first
    const std::string advice = Transfer().m_pProgress->m_pAdvice->text().toStdString();
    const std::string traceLine = Transfer().m_pProgress->m_pTrace->text().toStdString();
    EXPECT_EQ(advice.rfind(
                  "The radio stopped answering at block 10 of 26; partly written: blocks 0\u20139 are new, "
                  "10\u201325 are not;",
                  0),
              0u)
        << advice;
    EXPECT_TRUE(Transfer().m_pProgress->m_pAdvice->isVisible());
    ASSERT_FALSE(Transfer().m_strLastTrace.empty());
    EXPECT_NE(traceLine.find("The serial trace of this transfer is kept in <a href="), std::string::npos);
    EXPECT_NE(traceLine.find(">" + Transfer().m_strLastTrace + "</a>"), std::string::npos) << traceLine;
    std::vector<uint8_t> trace;
    ASSERT_TRUE(ReadFileBytes(Transfer().m_strLastTrace, trace, 1 << 20));
    EXPECT_NE(std::string(trace.begin(), trace.end()).find("> 87 00 87\n"), std::string::npos);

    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines));
    ASSERT_FALSE(lines.empty());
    const std::vector<std::string> fields = SplitTransferLogLine(lines.back());
    ASSERT_EQ(fields.size(), static_cast<size_t>(kTransferLogColumns));
    const std::string logged =
        fields[1] + " " + fields[2] + " " + fields[3] + " " + fields[5] + " " + fields[9];
    EXPECT_EQ(logged.rfind("kv310 write COM49 1.2 Write Fail! partly written: blocks 0\u20139 are new, "
                           "10\u201325 are not;",
                           0),
              0u)
        << logged;
}
// After every kind of failure the Read/Write window shows its whole text: each line gets the height it
// needs, nothing sits under the bar, and the trace is a link to its folder. Each window is kept as a picture
// in progress-shots/ beside the test program, to look at.
TEST_F(TransferTest, EveryFailureShowsItsWholeAdviceAndTheTraceAsALinkToItsFolder) {
    struct SCase {
        const char* m_szName;
        bool m_bWrite;
        std::function<void(CRadioSimulator&)> m_Inject;
        const char* m_szEnd;  // how the advice (or, without advice, the status) ends
    };
    const SCase cases[] = {
        {"silent", true, [](CRadioSimulator& r) { r.m_Faults.m_bSilent = true; },
         "COM49 is the cable's port (Port > Find the Cable)."},
        {"refused", false, [](CRadioSimulator& r) { r.m_Faults.m_bRefuse = true; },
         "switch the radio off and on, then try again."},
        {"noise", true,
         [](CRadioSimulator& r) {
             r.m_Faults.m_bNoReady = true;
             r.m_Faults.m_Noise = {0x13, 0x37, 0xFE};
         },
         "at another speed, then try again."},
        {"block-refused", true,
         [](CRadioSimulator& r) {
             r.m_Faults.m_nNakBlock = 4;
             r.m_Faults.m_nNakCount = 100;
         },
         "write again. Check the cable first."},
        {"write-silent-after-9", true, [](CRadioSimulator& r) { r.m_Faults.m_nSilentAfterWriteBlock = 9; },
         "Check the radio's power and the cable first."},
        {"read-silent-after-9", false, [](CRadioSimulator& r) { r.m_Faults.m_nSilentAfterBlock = 9; },
         "Check the radio's power and the cable, then read again."},
        {"read-damaged-block", false,
         [](CRadioSimulator& r) {
             r.m_Faults.m_nBadSumBlock = 7;
             r.m_Faults.m_nBadSumCount = 100;
         },
         "Nothing was changed: check the cable and read again."},
        {"verify-mismatch", true, [](CRadioSimulator& r) { r.m_Faults.m_nWrongByteAddress = 0x123; },
         "if this repeats, the radio needs service."},
        {"write-cancelled", true, [](CRadioSimulator&) {}, nullptr},
    };
    QDir shots(QDir::current().filePath(QStringLiteral("progress-shots")));
    shots.mkpath(QStringLiteral("."));
    for (const SCase& test : cases) {
        SCOPED_TRACE(test.m_szName);
        Radio([&](CRadioSimulator& r) {
            r = CRadioSimulator();
            test.m_Inject(r);
            return 0;
        });
        const bool cancel = test.m_szEnd == nullptr;
        Run(test.m_bWrite ? m_pFrame->m_pActWriteRadio : m_pFrame->m_pActReadRadio, [&] {
            if (cancel && WriteBlocksTaken() > 2 && Transfer().m_pProgress->m_pCancel->isEnabled()) {
                Transfer().m_pProgress->m_ConfirmStop = [] { return true; };
                Transfer().m_pProgress->m_pCancel->click();
            }
        });
        m_nMaxBar = 0;
        ASSERT_FALSE(Transfer().m_bLastOk);
        CProgressDlg* dialog = Transfer().m_pProgress;
        ASSERT_NE(dialog, nullptr);
        QApplication::processEvents();
        const QString advice = dialog->m_pAdvice->text();
        // a cancelled write ends on which blocks are new
        const QString end = cancel ? QStringLiteral("write again") : QString::fromUtf8(test.m_szEnd);
        // a cancel and a failed verify say it all in the status line
        const QString last = advice.isEmpty() ? dialog->m_pStatus->text() : advice;
        EXPECT_TRUE(last.endsWith(end)) << last.toStdString();
        for (QLabel* label : {dialog->m_pStatus, dialog->m_pAdvice, dialog->m_pTrace}) {
            if (!label->isVisible()) {
                continue;
            }
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
            EXPECT_FALSE(label->geometry().intersects(dialog->m_pBar->geometry()))
                << label->text().toStdString();
        }
        EXPECT_TRUE(dialog->m_pBar->geometry().bottom() < dialog->m_pOk->geometry().top());
        const bool traced = !advice.startsWith(QLatin1String("Verify"));  // a cancelled write's too
        EXPECT_EQ(dialog->m_pTrace->isVisible(), traced && !Transfer().m_strLastTrace.empty());
        if (dialog->m_pTrace->isVisible()) {
            QString opened;
            dialog->m_OpenFolder = [&](const QString& folder) { opened = folder; };
            const QString html = dialog->m_pTrace->text();
            const int at = html.indexOf(QLatin1String("href=\"")) + 6;
            emit dialog->m_pTrace->linkActivated(html.mid(at, html.indexOf(QLatin1Char('"'), at) - at));
            EXPECT_EQ(
                opened.toStdString(),
                QFileInfo(QString::fromStdString(Transfer().m_strLastTrace)).absolutePath().toStdString());
        }
        if (!test.m_bWrite) {  // a failed read names no model and no plan: nothing came from the radio
            std::vector<std::string> lines;
            ASSERT_TRUE(ReadTransferLog(lines));
            const std::vector<std::string> fields = SplitTransferLogLine(lines.back());
            ASSERT_EQ(fields.size(), static_cast<size_t>(kTransferLogColumns));
            EXPECT_EQ(fields[2] + "|" + fields[6] + "|" + fields[7], "read||");
        }
        dialog->grab().save(shots.filePath(QStringLiteral("%1.png").arg(QLatin1String(test.m_szName))));
        dialog->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TransferTest, BackUpBeforeWriteRefusesARadioOfAnotherModelAndKeepsWhatItHeld) {
    const CImageBytes before = Radio([](CRadioSimulator& r) {
        r.m_Eeprom[191] = 0x06;  // a KV330 UHF on sub-band U1
        return r.m_Eeprom;
    });
    View().SetBackupBeforeWrite(true);
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_FALSE(Transfer().m_bLastOk);
    EXPECT_NE(DialogText().find("Nothing was written: the radio is a KV330 UHF U1, the plan is for a "),
              std::string::npos)
        << DialogText();
    EXPECT_EQ(Radio([](CRadioSimulator& r) { return r.m_Eeprom; }), before);
    EXPECT_FALSE(Transfer().m_strLastBackup.empty());
    ASSERT_EQ(m_Sink.m_ChoicesOffered.size(), 1u);
    EXPECT_EQ(m_Sink.m_ChoicesOffered[0], std::vector<std::string>{"Write Anyway"});
    EXPECT_EQ(m_Sink.m_Questions[0].find("Back Up"), std::string::npos) << "no advice to turn the backup off";

    // Write Anyway: the plan goes over it, merged with the radio read the first time (not read again)
    m_Sink.m_Choices = {0};
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_TRUE(Transfer().m_bLastOk) << DialogText();
    const CImageBytes after = Radio([](CRadioSimulator& r) { return r.m_Eeprom; });
    EXPECT_EQ(after[4] & 0x09, before[4] & 0x09) << "the chip flag and bit 3 stay the radio's";
    EXPECT_EQ(std::vector<uint8_t>(after.begin() + 12, after.begin() + 16),
              std::vector<uint8_t>(before.begin() + 12, before.begin() + 16));
    EXPECT_EQ(Radio([](CRadioSimulator& r) {
                  return std::count(r.m_Events.begin(), r.m_Events.end(), std::string("read request"));
              }),
              3)
        << "each write reads once (Write Anyway goes on with that read), then the verify";
}
#endif  // _WIN32
