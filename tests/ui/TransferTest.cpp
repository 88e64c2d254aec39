// Reads and writes through the toolbar against the built-in simulated radio on COM49, in real time: the
// worker moves the bytes over a pseudo-terminal while the window keeps running its event loop.

#include <QApplication>
#include <QElapsedTimer>

#include "ComDlg.h"
#include "EepromImage.h"
#include "FileIo.h"
#include "ProgressDlg.h"
#include "SettingsFile.h"
#include "ShellFixture.h"
#include "SimulatedRadio.h"

namespace {

class TransferTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_NE(SharedPtyRadio(), nullptr);
        SharedPtyRadio()->WithRadio([](CSimRadio& r) {
            r = CSimRadio();
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
            QApplication::processEvents(QEventLoop::AllEvents, 20);
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

    int m_nMaxBar = 0;
};

}  // namespace

TEST_F(TransferTest, AWriteSendsTheRecordAndClosesTheWindow) {
    m_Doc.m_Channel[0].m_dRxFreq = 150.0125;
    m_Doc.m_Channel[0].m_dTxFreq = 150.0125;
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_TRUE(Transfer().m_bLastOk) << DialogText();
    EXPECT_EQ(m_nMaxBar, kImageSize);
    EXPECT_EQ(Transfer().m_pProgress, nullptr);  // a success closes the window
    EXPECT_EQ(View().m_pVersionField->text().toStdString(), "1 . 2");
    const CImageBytes sent = Sheet().m_pEepromPage->m_Image.m_Work;
    EXPECT_EQ(Radio([](CSimRadio& r) { return r.m_Eeprom; }), sent);
    EXPECT_FALSE(Radio([](CSimRadio& r) { return r.m_bProgramming; }));
    EXPECT_TRUE(m_pFrame->m_pActNew->isEnabled());
    EXPECT_TRUE(m_Sink.m_Messages.empty());
    // the write was proved by reading the radio back
    const std::vector<std::string> events = Radio([](CSimRadio& r) { return r.m_Events; });
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
    Radio([&](CSimRadio& r) {
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
    EXPECT_GT(Sheet().m_pChannelPage->m_nRefreshCount, refreshesBefore);
    EXPECT_EQ(m_Doc.m_bFileLoaded, 0);  // taken by the refresh after the read
}

TEST_F(TransferTest, ARefusedWriteLeavesItsFailureTextAndTheRecord) {
    Radio([](CSimRadio& r) { return r.m_Faults.m_bRefuse = true; });
    const std::vector<uint8_t> before = SettingsFileBytes(m_Doc);
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_FALSE(Transfer().m_bLastOk);
    ASSERT_NE(Transfer().m_pProgress, nullptr);  // stays until the user closes it
    EXPECT_EQ(DialogText(), "Write Fail..!");
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
    EXPECT_FALSE(Radio([](CSimRadio& r) { return r.m_bProgramming; }));  // told to leave programming mode
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

TEST_F(TransferTest, AWriteTheRadioDoesNotHoldFailsTheVerifyNamingTheAddress) {
    Radio([](CSimRadio& r) { return r.m_Faults.m_nWrongByteAddress = 0x105; });
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
    const CImageBytes radio = Radio([](CSimRadio& r) { return r.m_Eeprom; });
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
    EXPECT_TRUE(Radio([](CSimRadio& r) { return r.m_Received; }).empty());
}

TEST_F(TransferTest, TheSerialTraceOfTheLastTransferCanBeSaved) {
    m_pFrame->m_pActVerify->setChecked(false);
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
    EXPECT_EQ(trace.find("71 52 C3"), std::string::npos);  // no read-back: verify was switched off
}

TEST_F(TransferTest, BackUpBeforeWriteRefusesARadioOfAnotherModelAndKeepsWhatItHeld) {
    const CImageBytes before = Radio([](CSimRadio& r) {
        r.m_Eeprom[191] = 0x06;  // a KV330 UHF on sub-band U1
        return r.m_Eeprom;
    });
    View().SetBackupBeforeWrite(true);
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_FALSE(Transfer().m_bLastOk);
    EXPECT_NE(DialogText().find("Nothing was written: the radio is a KV330 UHF U1, the plan is for a "),
              std::string::npos)
        << DialogText();
    EXPECT_EQ(Radio([](CSimRadio& r) { return r.m_Eeprom; }), before);
    EXPECT_FALSE(Transfer().m_strLastBackup.empty());
}
