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
#include <QElapsedTimer>
#include <algorithm>
#include <filesystem>
#include <random>

#include "BuiltInRadio.h"
#include "EepromImage.h"
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
    EXPECT_GT(Sheet().m_pChannelPage->m_nRefreshCount, refreshesBefore);
    EXPECT_EQ(m_Doc.m_bFileLoaded, 0);  // taken by the refresh after the read
}

TEST_F(TransferTest, ARefusedWriteLeavesItsFailureTextAndTheRecord) {
    Radio([](CRadioSimulator& r) { return r.m_Faults.m_bRefuse = true; });
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
    EXPECT_TRUE(RadioLeftProgramming());  // told to leave programming mode
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
    const auto blocksTaken = [this] {
        return Radio([](CRadioSimulator& r) {
            return std::count_if(r.m_Events.begin(), r.m_Events.end(),
                                 [](const std::string& e) { return e.rfind("block ", 0) == 0; });
        });
    };
    m_Sink.m_Answers = {EAnswer::Yes};
    bool closed = false;
    Run(m_pFrame->m_pActWriteRadio, [&] {
        if (!closed && blocksTaken() > 5) {
            closed = m_pFrame->close();
        }
    });
    ASSERT_TRUE(closed);
    EXPECT_EQ(m_Sink.m_Questions, std::vector<std::string>{kMsgCancelTransferAndClose});
    EXPECT_EQ(Transfer().m_LastEnd, ETransferEnd::Cancelled);
    EXPECT_TRUE(RadioLeftProgramming()) << "no leave frame";
    const auto taken = static_cast<int>(blocksTaken());
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

TEST_F(TransferTest, AValueTypedAndNotLeftIsWhatTheWriteSendsAndVerifies) {
    m_pFrame->show();
    m_pFrame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_pFrame.get()));
    View().ShowPage(kPageSystem);
    QLineEdit* field = Sheet().m_pSystemPage->m_pScanSpeed;
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("1230"));
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
        // As the window checks a loaded channel, so that the file holds what the channel page shows.
        SRowEdit row{FrequencyFieldText(ch.m_dRxFreq), FrequencyFieldText(ch.m_dTxFreq), {}, {}};
        LeaveRxField(doc, channel, row);
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
TEST_F(TransferTest, AWriteThatStopsSaysWhatToTryKeepsItsTraceAndIsLogged) {
    Radio([](CRadioSimulator& r) { return r.m_Faults.m_nSilentAfterBlock = 9; });
    Run(m_pFrame->m_pActWriteRadio);
    EXPECT_FALSE(Transfer().m_bLastOk);
    EXPECT_EQ(DialogText(), "Write Fail!");  // the transfer's own text stays first
    const std::string advice = Transfer().m_pProgress->m_pAdvice->text().toStdString();
    EXPECT_EQ(advice.rfind(
                  "The radio stopped answering at block 10 of 26; partly written: blocks 0\u20139 are new, "
                  "10\u201325 are not;",
                  0),
              0u)
        << advice;
    EXPECT_TRUE(Transfer().m_pProgress->m_pAdvice->isVisible());
    ASSERT_FALSE(Transfer().m_strLastTrace.empty());
    EXPECT_NE(advice.find("The serial trace of this transfer is kept in " + Transfer().m_strLastTrace),
              std::string::npos);
    std::vector<uint8_t> trace;
    ASSERT_TRUE(ReadFileBytes(Transfer().m_strLastTrace, trace, 1 << 20));
    EXPECT_NE(std::string(trace.begin(), trace.end()).find("> 87 00 87\n"), std::string::npos);

    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines));
    ASSERT_FALSE(lines.empty());
    const std::vector<std::string> fields = SplitTransferLogLine(lines.back());
    ASSERT_EQ(fields.size(), static_cast<size_t>(kTransferLogColumns));
    EXPECT_EQ(fields[1] + " " + fields[2] + " " + fields[3] + " " + fields[5] + " " + fields[9],
              "kv310 write COM49 1.2 Write Fail!");
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
}
#endif  // _WIN32
