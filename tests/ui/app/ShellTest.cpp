#include <QComboBox>
#include <QMenu>
#include <QPrinter>
#include <QStatusBar>

#include "FileIo.h"
#include "LegacyImport.h"
#include "PortFile.h"
#include "PortNames.h"
#include "SettingsFile.h"
#include "app/ShellFixture.h"

namespace {

std::vector<std::string> BandTexts(QComboBox* box) {
    std::vector<std::string> texts;
    for (int i = 0; i < box->count(); ++i) {
        texts.push_back(box->itemText(i).toStdString());
    }
    return texts;
}

std::vector<std::string> PortMenuTexts(const CMainWindow& frame) {
    std::vector<std::string> texts;
    for (QAction* action : frame.m_pPortMenu->actions()) {
        if (action->data().isValid()) {  // the ports, not the commands below them
            texts.push_back(action->text().toStdString());
        }
    }
    return texts;
}

std::vector<int> CheckedPorts(const CMainWindow& frame) {
    std::vector<int> checked;
    for (QAction* action : frame.m_PortActions) {
        if (action->isChecked()) {
            checked.push_back(action->data().toInt());
        }
    }
    return checked;
}

// The View menu's check marks; the toolbar's page buttons must agree with them.
std::vector<bool> PageChecks(const CMainWindow& frame) {
    std::vector<bool> checks;
    for (int page = 0; page < kPageCount; ++page) {
        EXPECT_EQ(frame.m_PageActions[page]->isChecked(), frame.m_PageButtons[page]->isChecked()) << page;
        checks.push_back(frame.m_PageActions[page]->isChecked());
    }
    return checks;
}

// A UHF configuration on the upper sub-band with two programmed channels.
CDataRadioDoc UhfConfiguration() {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Uhf;
    doc.ResetToDefaults();
    doc.m_nSubBand = 1;
    doc.m_Channel[0].m_dRxFreq = 445.125;
    doc.m_Channel[0].m_dTxFreq = 446.0;
    doc.m_Channel[5].m_dRxFreq = 470.5;
    doc.m_Channel[5].m_bScan = 1;
    doc.m_nModemMode = 2;  // what the encoder settles on, so a loaded file stays unchanged
    return doc;
}

TEST_F(ShellTest, StartsOnTheChannelPageWithTheDefaultModelAndAsksForTheModelAtTheFirstPaint) {
    Start();
    EXPECT_EQ(m_pFrame->windowTitle().toStdString(), "KV310 - PC PROGRAMMER");
    EXPECT_EQ(m_pFrame->m_nCurPage, kPageChannel);
    EXPECT_EQ(Sheet().GetActiveIndex(), kPageChannel);
    EXPECT_TRUE(Sheet().m_pEepromPage->IsCreated());  // shown once so its map exists
    EXPECT_EQ(Sheet().m_pEepromPage->m_nLastDisplayMode, 0);
    EXPECT_FALSE(Sheet().m_pSystemPage->IsCreated());
    EXPECT_FALSE(Sheet().m_pModemPage->IsCreated());
    EXPECT_EQ(State().m_bSystemPageReady, 0);
    EXPECT_EQ(State().m_bModemPageReady, 0);
    EXPECT_EQ(View().m_pModelField->text().toStdString(), "KV310  VHF");
    EXPECT_EQ(BandTexts(View().m_cbBand), std::vector<std::string>{" V2 : 138 - 174 MHz"});
    EXPECT_EQ(PageChecks(*m_pFrame), (std::vector<bool>{true, false, false, false}));
    EXPECT_FALSE(View().HasUnsavedChanges());

    m_nModelAnswer = kModelKv330Uhf;
    ShowActive();
    QTRY_COMPARE(m_nModelSelectRuns, 1);
    EXPECT_EQ(View().m_pModelField->text().toStdString(), "KV330 UHF");
    EXPECT_EQ(BandTexts(View().m_cbBand),
              (std::vector<std::string>{" U1 : 390 - 440 MHz", " U2 : 440 - 490 MHz"}));
    EXPECT_EQ(View().m_cbBand->currentIndex(), 0);

    // Later paints never ask again.
    View().repaint();
    QApplication::processEvents();
    EXPECT_EQ(m_nModelSelectRuns, 1);
    EXPECT_GE(State().m_nDrawCount, 2);
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ShellTest, StartsWithAFileArgumentShowingThatFileWithoutAskingForAModel) {
    const std::string path = m_Dir.File("site.dat");
    CRecordingSink quiet;
    ASSERT_TRUE(OnSaveDocument(UhfConfiguration(), path, quiet));

    Start();
    View().OpenStartupFile(path);
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Uhf);
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 445.125);
    EXPECT_EQ(View().m_pModelField->text().toStdString(), "KV310  UHF");
    EXPECT_EQ(View().m_cbBand->currentIndex(), 1);
    EXPECT_EQ(State().m_bFileLoaded, 0);
    EXPECT_FALSE(View().HasUnsavedChanges());

    m_nModelAnswer = kModelKv310Vhf;
    ShowActive();
    QApplication::processEvents();
    EXPECT_EQ(m_nModelSelectRuns, 0);
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 445.125);
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ShellTest, AStartupFileThatCannotBeReadIsReportedAndTheModelChoiceStillComes) {
    Start();
    View().OpenStartupFile(m_Dir.File("missing.dat"));
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{kMsgOpenFailed});
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Vhf);
    ShowActive();
    QTRY_COMPARE(m_nModelSelectRuns, 1);
}

TEST_F(ShellTest, NewEmptiesTheChannelsButKeepsModelAndSubBand) {
    Start();
    View().ApplyModelSelection(kModelKv310Uhf);
    View().m_cbBand->setCurrentIndex(1);
    m_Doc.m_Channel[3].m_dRxFreq = 450.0;
    m_Doc.m_Channel[3].m_bHighPower = 1;

    m_pFrame->m_pActNew->trigger();  // asks to save the unsaved channel first; the recording sink says No
    EXPECT_EQ(m_Sink.m_Questions, std::vector<std::string>{kMsgSaveChanges});
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Uhf);
    EXPECT_EQ(m_Doc.m_nSubBand, 1);
    EXPECT_EQ(m_Doc.m_Channel[3].m_dRxFreq, 0.0);
    EXPECT_EQ(m_Doc.m_Channel[3].m_bHighPower, 0);
    EXPECT_EQ(State().m_bNewPending, 1);
    EXPECT_EQ(m_pFrame->m_nCurPage, kPageEeprom);
    EXPECT_EQ(Sheet().m_pEepromPage->m_nLastDisplayMode, 0);
    EXPECT_FALSE(View().HasUnsavedChanges());
}

TEST_F(ShellTest, LoadsASettingsFileAndRefreshesTheFormFromIt) {
    const std::string path = m_Dir.File("UPPER.DAT");  // the extension counts without regard to case
    CRecordingSink quiet;
    ASSERT_TRUE(OnSaveDocument(UhfConfiguration(), path, quiet));
    Start();
    Sheet().SetActivePage(kPageSystem);  // a page that exists is reloaded too
    const int channelLoads = Sheet().m_pChannelPage->m_nRefreshCount;
    const int systemLoads = Sheet().m_pSystemPage->m_nRefreshCount;

    m_strOpenPath = path;
    m_pFrame->m_pActOpen->trigger();
    EXPECT_TRUE(m_Sink.m_Messages.empty());
    EXPECT_EQ(m_Doc.m_Channel[5].m_dRxFreq, 470.5);
    EXPECT_EQ(m_Doc.m_Channel[5].m_bScan, 1);
    EXPECT_EQ(View().m_pModelField->text().toStdString(), "KV310  UHF");
    EXPECT_EQ(BandTexts(View().m_cbBand).size(), 2u);
    EXPECT_EQ(View().m_cbBand->currentIndex(), 1);
    EXPECT_EQ(State().m_bFileLoaded, 0);
    EXPECT_GT(Sheet().m_pChannelPage->m_nRefreshCount, channelLoads);
    EXPECT_GT(Sheet().m_pSystemPage->m_nRefreshCount, systemLoads);
    EXPECT_EQ(Sheet().m_pEepromPage->m_nLastDisplayMode, 1);
    EXPECT_FALSE(View().HasUnsavedChanges());
}

TEST_F(ShellTest, ACorruptFileChangesNothingButThePagesAreStillReloaded) {
    const std::string path = m_Dir.File("bad.dat");
    ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>(kSettingsFileSize, 0x06)));
    Start();
    m_Doc.m_Channel[0].m_dRxFreq = 150.0;
    const std::vector<uint8_t> before = SettingsFileBytes(m_Doc);
    const int channelLoads = Sheet().m_pChannelPage->m_nRefreshCount;

    m_strOpenPath = path;
    View().OnFileOpen();
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{kMsgCorruptFile});
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 150.0);
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Vhf);
    EXPECT_GT(Sheet().m_pChannelPage->m_nRefreshCount, channelLoads);
    EXPECT_TRUE(View().HasUnsavedChanges());  // the edit made before is still not saved
    (void)before;
}

TEST_F(ShellTest, AKv110FileForTheOtherBandIsRefusedAndChangesNothing) {
    const std::string path = m_Dir.File("old.UHF");
    ASSERT_TRUE(WriteFileAtomically(path, {'3', '9', ' ', '0', '0', '0', '0', ' ', '\r', '\n'}));
    Start();  // KV310 VHF
    m_Doc.m_Channel[0].m_dRxFreq = 150.0;
    const int channelLoads = Sheet().m_pChannelPage->m_nRefreshCount;
    m_strOpenPath = path;
    m_pFrame->m_pActOpen->trigger();
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{kMsgUhfMismatch});
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 150.0);
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Vhf);
    EXPECT_GT(Sheet().m_pChannelPage->m_nRefreshCount, channelLoads);
}

TEST_F(ShellTest, AMatchingKv110FileIsImportedAndCountsAsUnsaved) {
    const std::string path = m_Dir.File("old.vhf");
    // Word 0x39 carries the band flag: bit 1 of its low byte set means VHF.
    ASSERT_TRUE(WriteFileAtomically(path, {'3', '9', ' ', '0', '0', '0', '2', ' ', '\r', '\n'}));
    Start();
    m_Doc.m_Channel[0].m_dRxFreq = 150.0;
    View().MarkClean();
    m_strOpenPath = path;
    View().OnFileOpen();
    for (const std::string& message : m_Sink.m_Messages) {
        EXPECT_NE(message, kMsgVhfMismatch);
        EXPECT_NE(message, kMsgModelTypeWrong);
    }
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 0.0);  // the import starts from a reset record
    EXPECT_TRUE(View().HasUnsavedChanges());
}

TEST_F(ShellTest, ACancelledLoadOrAnUnknownExtensionReadsNothing) {
    Start();
    m_Doc.m_Channel[2].m_dTxFreq = 160.0;
    m_strOpenPath.clear();
    View().OnFileOpen();
    const std::string other = m_Dir.File("notes.txt");
    ASSERT_TRUE(WriteFileAtomically(other, std::vector<uint8_t>(kSettingsFileSize, 0x03)));
    m_strOpenPath = other;
    View().OnFileOpen();
    EXPECT_EQ(m_Doc.m_Channel[2].m_dTxFreq, 160.0);
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Vhf);
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ShellTest, SavesTheRecordBytesToTheChosenPath) {
    Start();
    m_Doc.m_Channel[7].m_dRxFreq = 155.5;
    EXPECT_TRUE(View().HasUnsavedChanges());

    m_strSavePath.clear();  // cancelled
    EXPECT_FALSE(View().OnFileSave());
    EXPECT_TRUE(View().HasUnsavedChanges());

    m_strSavePath = m_Dir.File("out.dat");
    m_pFrame->m_pActSave->trigger();
    std::vector<uint8_t> stored;
    ASSERT_TRUE(ReadFileBytes(m_strSavePath, stored, 4096));
    EXPECT_EQ(stored, SettingsFileBytes(m_Doc));
    EXPECT_FALSE(View().HasUnsavedChanges());

    // Save writes the plan's own file without asking; Save As (Ctrl+Shift+S) asks for the name.
    m_Doc.m_Channel[7].m_dRxFreq = 156.0;
    m_strSavePath = m_Dir.File("asked.dat");
    m_pFrame->m_pActSave->trigger();
    ASSERT_TRUE(ReadFileBytes(m_Dir.File("out.dat"), stored, 4096));
    EXPECT_EQ(stored, SettingsFileBytes(m_Doc));
    EXPECT_FALSE(ReadFileBytes(m_strSavePath, stored, 4096));
    EXPECT_EQ(m_pFrame->m_pActSaveAs->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_pFrame->m_pActSaveAs->trigger();
    EXPECT_TRUE(ReadFileBytes(m_strSavePath, stored, 4096));
    EXPECT_EQ(View().m_strFilePath, m_strSavePath);

    m_Doc.m_Channel[7].m_dRxFreq = 157.0;
    m_strSavePath = m_Dir.File("no-such-folder/out.dat");
    EXPECT_FALSE(View().OnFileSaveAs());
    ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
    EXPECT_EQ(m_Sink.m_Messages[0].rfind(std::string(kMsgCannotSave) + "\n" + m_strSavePath, 0), 0u);
    EXPECT_TRUE(View().HasUnsavedChanges());
}

TEST_F(ShellTest, ChangingTheBandOfAnEmptyTableAsksNothing) {
    Start();
    View().ApplyModelSelection(kModelKv330Uhf);
    View().m_cbBand->setCurrentIndex(1);
    EXPECT_TRUE(m_Sink.m_Questions.empty());
    EXPECT_EQ(m_Doc.m_nSubBand, 1);
    // The same band again does nothing at all.
    View().OnBandChange(1);
    EXPECT_TRUE(m_Sink.m_Questions.empty());
}

TEST_F(ShellTest, ABandChangeThatIsDeclinedLeavesListAndFrequencies) {
    Start();
    View().ApplyModelSelection(kModelKv310Uhf);
    m_Doc.m_Channel[4].m_dTxFreq = 420.0;
    View().ShowPage(kPageModem);
    m_Sink.m_Answers = {EAnswer::No};
    View().m_cbBand->setCurrentIndex(1);
    EXPECT_EQ(m_Sink.m_Questions, std::vector<std::string>{kMsgClearFrequencies});
    EXPECT_EQ(View().m_cbBand->currentIndex(), 0);
    EXPECT_EQ(m_Doc.m_nSubBand, 0);
    EXPECT_EQ(m_Doc.m_Channel[4].m_dTxFreq, 420.0);
    EXPECT_EQ(m_pFrame->m_nCurPage, kPageModem);
}

TEST_F(ShellTest, ABandChangeThatIsAcceptedClearsOnlyTheFrequencies) {
    Start();
    View().ApplyModelSelection(kModelKv310Uhf);
    for (CChannelData& channel : m_Doc.m_Channel) {
        channel.m_dRxFreq = 430.0;
        channel.m_dTxFreq = 431.0;
        channel.m_bScan = 1;
        channel.m_nRxOption = kSigCtcss;
    }
    View().ShowPage(kPageModem);
    const int channelLoads = Sheet().m_pChannelPage->m_nRefreshCount;
    m_Sink.m_Answers = {EAnswer::Yes};
    View().m_cbBand->setCurrentIndex(1);
    EXPECT_EQ(m_Sink.m_Questions.size(), 1u);
    EXPECT_EQ(m_Doc.m_nSubBand, 1);
    for (const CChannelData& channel : m_Doc.m_Channel) {
        EXPECT_EQ(channel.m_dRxFreq, 0.0);
        EXPECT_EQ(channel.m_dTxFreq, 0.0);
        EXPECT_EQ(channel.m_bScan, 1);
        EXPECT_EQ(channel.m_nRxOption, kSigCtcss);
    }
    EXPECT_EQ(m_pFrame->m_nCurPage, kPageChannel);
    EXPECT_GT(Sheet().m_pChannelPage->m_nRefreshCount, channelLoads);
    EXPECT_TRUE(View().HasUnsavedChanges());
}

TEST_F(ShellTest, ChoosingAModelResetsTheRecordAndTheForm) {
    Start();
    View().ApplyModelSelection(kModelKv310Uhf);
    View().m_cbBand->setCurrentIndex(1);
    m_Doc.m_Channel[0].m_dRxFreq = 445.0;
    State().m_bTwoToneCodeOk = 1;
    View().ShowPage(kPageSystem);

    m_nModelAnswer = kModelKv330Vhf;
    m_pFrame->m_pActModelSelect->trigger();
    EXPECT_EQ(m_nModelSelectRuns, 1);
    EXPECT_EQ(m_Doc.m_nModel, kModelKv330Vhf);
    EXPECT_EQ(m_Doc.m_nSubBand, 0);
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 0.0);
    EXPECT_EQ(State().m_bTwoToneCodeOk, 0);
    EXPECT_EQ(m_pFrame->m_nCurPage, kPageChannel);
    EXPECT_EQ(Sheet().GetActiveIndex(), kPageChannel);
    EXPECT_EQ(View().m_pModelField->text().toStdString(), "KV330 VHF");
    EXPECT_EQ(BandTexts(View().m_cbBand), std::vector<std::string>{" V2 : 138 - 174 MHz"});
    EXPECT_EQ(View().m_cbBand->currentIndex(), 0);

    // Closing the choice without a model changes nothing.
    m_Doc.m_Channel[1].m_dRxFreq = 150.0;
    m_nModelAnswer = -1;
    View().OnModelSelect();
    EXPECT_EQ(m_Doc.m_nModel, kModelKv330Vhf);
    EXPECT_EQ(m_Doc.m_Channel[1].m_dRxFreq, 150.0);
}

TEST_F(ShellTest, ThePortMenuListsPortsBelowFiftyInOrderWithTheSimulatedRadio) {
    m_Ports = {0, 3, 1, 50, 77};
    Start();
    const std::vector<std::string> texts = PortMenuTexts(*m_pFrame);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].rfind("COM1", 0), 0u) << texts[0];
    EXPECT_EQ(texts[1].rfind("COM3", 0), 0u) << texts[1];
    EXPECT_EQ(texts[2].rfind("COM49", 0), 0u) << texts[2];
    EXPECT_NE(texts[0].substr(0, 5), "COM10");
    EXPECT_TRUE(CheckedPorts(*m_pFrame).empty());  // no port file yet
    EXPECT_EQ(m_pFrame->m_pPortPane->text().trimmed().toStdString(), "No port selected");
    EXPECT_EQ(m_pFrame->m_nPortIndex, -1);
}

TEST(PortEntry, NamesTheComNumberFirstThenWhereItLeads) {
#ifdef _WIN32
    EXPECT_EQ(PortEntryText(3).toStdString(), "COM3  \\\\.\\COM3 \u2014 Serial port");
#else
    EXPECT_EQ(PortEntryText(3).toStdString().rfind("COM3  /dev/ttyS2", 0), 0u);
    EXPECT_EQ(PortEntryText(17).toStdString().rfind("COM17  /dev/ttyUSB0", 0), 0u);
    EXPECT_EQ(PortEntryText(33).toStdString().rfind("COM33  /dev/ttyACM0", 0), 0u);
#endif
    EXPECT_EQ(PortEntryText(kSimulatedPortCom).toStdString(), "COM49  Simulated radio");
    EXPECT_EQ(kSimulatedPortCom, kSimulatedRadioCom);
}

TEST_F(ShellTest, ChoosingAPortChecksItWritesThePortFileAndTheNextStartRemembersIt) {
    m_Ports = {1, 3};
    Start();
    m_pFrame->m_PortActions[1]->trigger();  // COM3
    EXPECT_EQ(CheckedPorts(*m_pFrame), std::vector<int>{3});
    EXPECT_EQ(m_pFrame->m_pPortPane->text().trimmed().toStdString(), "COM3");
    EXPECT_EQ(m_pFrame->m_nPortIndex, 2);
    EXPECT_EQ(State().m_nComPort, 3);
    std::vector<uint8_t> stored;
    ASSERT_TRUE(ReadFileBytes(m_Dir.File("config/KV310.ini"), stored, 16));
    EXPECT_EQ(stored, (std::vector<uint8_t>{0x03, 0x00, 0x00, 0x00}));

    m_pFrame.reset();
    m_Doc = CDataRadioDoc();
    Start();
    EXPECT_EQ(State().m_nComPort, 3);
    EXPECT_EQ(CheckedPorts(*m_pFrame), std::vector<int>{3});

    m_pFrame->m_PortActions.back()->trigger();  // the simulated radio
    EXPECT_EQ(CheckedPorts(*m_pFrame), std::vector<int>{kSimulatedPortCom});
}

TEST_F(ShellTest, APortFileThatCannotBeWrittenIsReportedInTheStatusBar) {
    m_Ports = {2};
    Start();
    // A config "folder" below a plain file cannot be made, even by root.
    ASSERT_TRUE(WriteFileAtomically(m_Dir.File("plain"), {0x00}));
    ::setenv("XDG_CONFIG_HOME", m_Dir.File("plain/config").c_str(), 1);
    m_pFrame->m_PortActions[0]->trigger();
    EXPECT_EQ(CheckedPorts(*m_pFrame), std::vector<int>{2});  // the choice holds for this run
    const std::string shown = m_pFrame->m_wndStatusBar->currentMessage().toStdString();
    EXPECT_NE(shown.find("could not be saved"), std::string::npos) << shown;
    EXPECT_NE(shown.find("plain/config/KV310.ini"), std::string::npos) << shown;
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ShellTest, AStoredPortThatIsMissingStaysSelectedWithoutAnEntry) {
    ASSERT_TRUE(SavePortSetting(7));
    m_Ports = {1};
    Start();
    EXPECT_EQ(State().m_nComPort, 7);
    EXPECT_EQ(m_pFrame->m_nPortIndex, 6);
    EXPECT_TRUE(CheckedPorts(*m_pFrame).empty());
}

TEST_F(ShellTest, PagesSwitchFromMenuAndToolbarAndTheViewMenuFollows) {
    Start();
    m_pFrame->m_PageActions[kPageModem]->trigger();
    EXPECT_EQ(m_pFrame->m_nCurPage, kPageModem);
    EXPECT_EQ(Sheet().currentWidget(), Sheet().m_pModemPage);
    EXPECT_EQ(State().m_bModemPageReady, 1);
    EXPECT_EQ(State().m_bSystemPageReady, 0);
    EXPECT_EQ(PageChecks(*m_pFrame), (std::vector<bool>{false, true, false, false}));

    const int maps = Sheet().m_pEepromPage->m_nMapRefreshCount;
    m_pFrame->m_PageButtons[kPageEeprom]->trigger();
    EXPECT_EQ(Sheet().currentWidget(), Sheet().m_pEepromPage);
    EXPECT_EQ(Sheet().m_pEepromPage->m_nMapRefreshCount, maps + 1);
    EXPECT_EQ(Sheet().m_pEepromPage->m_nLastDisplayMode, 1);
    EXPECT_EQ(PageChecks(*m_pFrame), (std::vector<bool>{false, false, true, false}));

    m_pFrame->m_PageButtons[kPageSystem]->trigger();
    EXPECT_EQ(Sheet().currentWidget(), Sheet().m_pSystemPage);
    EXPECT_EQ(State().m_bSystemPageReady, 1);
    EXPECT_EQ(PageChecks(*m_pFrame), (std::vector<bool>{false, false, false, true}));

    // A second click on the shown page keeps it checked.
    m_pFrame->m_PageActions[kPageSystem]->trigger();
    EXPECT_EQ(PageChecks(*m_pFrame), (std::vector<bool>{false, false, false, true}));

    m_pFrame->m_PageActions[kPageChannel]->trigger();
    EXPECT_EQ(Sheet().currentWidget(), Sheet().m_pChannelPage);
    EXPECT_EQ(PageChecks(*m_pFrame), (std::vector<bool>{true, false, false, false}));
}

TEST_F(ShellTest, ARecordChangeBeforeAPageWasShownRefreshesOnlyTheChannelPage) {
    Start();
    View().OnFileNew();
    EXPECT_EQ(Sheet().m_pSystemPage->m_nRefreshCount, 0);
    EXPECT_EQ(Sheet().m_pModemPage->m_nRefreshCount, 0);
    // The first showing loads the page from the record.
    View().OnViewSystem();
    EXPECT_EQ(Sheet().m_pSystemPage->m_nRefreshCount, 1);
    m_Doc.m_nReserved3 = 9;
    View().OnFileNew();
    EXPECT_EQ(Sheet().m_pSystemPage->m_nRefreshCount, 2);
    EXPECT_EQ(m_Doc.m_nReserved3, 0);
}

TEST_F(ShellTest, ToolbarAndStatusBarCanBeHiddenFromTheViewMenu) {
    Start();
    ShowActive();
    EXPECT_TRUE(m_pFrame->m_pToolBar->isVisible());
    m_pFrame->m_pActToolbar->trigger();
    EXPECT_FALSE(m_pFrame->m_pToolBar->isVisible());
    m_pFrame->m_pActStatusBar->trigger();
    EXPECT_FALSE(m_pFrame->m_wndStatusBar->isVisible());
    m_pFrame->m_pActStatusBar->trigger();
    EXPECT_TRUE(m_pFrame->m_wndStatusBar->isVisible());
}

TEST_F(ShellTest, KeyboardAcceleratorsReachTheCommands) {
    Start();
    m_nModelAnswer = kModelKv310Uhf;
    ShowActive();
    QTRY_COMPARE(m_nModelSelectRuns, 1);

    m_Doc.m_Channel[0].m_dRxFreq = 400.0;
    QTest::keyClick(m_pFrame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 0.0);
    EXPECT_EQ(m_pFrame->m_nCurPage, kPageEeprom);

    m_nModelAnswer = kModelKv330Vhf;
    QTest::keyClick(m_pFrame.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(m_nModelSelectRuns, 2);
    EXPECT_EQ(m_Doc.m_nModel, kModelKv330Vhf);

    m_strSavePath = m_Dir.File("keys.dat");
    QTest::keyClick(m_pFrame.get(), Qt::Key_S, Qt::ControlModifier);
    std::vector<uint8_t> stored;
    EXPECT_TRUE(ReadFileBytes(m_strSavePath, stored, 4096));
}

TEST_F(ShellTest, TheToolbarCarriesTheCommandsWithTheirTipsAndPrompts) {
    Start();
    const QList<QAction*> actions = m_pFrame->m_pToolBar->actions();
    std::vector<std::string> tips;
    for (QAction* action : actions) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
            tips.push_back(action->toolTip().toStdString());
        }
    }
    EXPECT_EQ(tips, (std::vector<std::string>{"Create a new Document", "Load from file", "Save to file",
                                              "Print", "Read Radio", "Write Radio", "Channel Configuration",
                                              "Modem Option", "EEPROM Read/Write", "System option / GPS",
                                              "Setting Squelch", "Calibration"}));
    EXPECT_EQ(m_pFrame->m_pActNew->statusTip().toStdString(), "Create a new document");
    EXPECT_EQ(m_pFrame->m_PageActions[kPageChannel]->statusTip().toStdString(), "CHANNEL DATA");
    EXPECT_EQ(m_pFrame->m_PageActions[kPageEeprom]->statusTip().toStdString(), "Select Write / Read");
    EXPECT_EQ(m_pFrame->m_PageButtons[kPageEeprom]->statusTip().toStdString(), "Read/Write");
}

TEST_F(ShellTest, ServiceToolsAreRefusedWhileAnotherUserHoldsThePort) {
    Start();
    CLinkLease lease = View().m_Link.Borrow("the radio read");
    m_pFrame->m_pActSquelch->trigger();
    m_pFrame->m_pActCalibration->trigger();
    m_pFrame->m_pActAbout->trigger();
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>(2, PortBusyText("the radio read")));
    EXPECT_EQ(m_nAboutRuns, 1);
}

TEST_F(ShellTest, ClosingWithUnsavedChangesAsksAndCanBeCancelled) {
    Start();
    ShowActive();
    m_Doc.m_Channel[9].m_dRxFreq = 160.0;

    m_Sink.m_Answers = {EAnswer::Cancel};
    EXPECT_FALSE(m_pFrame->close());
    EXPECT_EQ(m_Sink.m_Questions, std::vector<std::string>{kMsgSaveChanges});
    EXPECT_TRUE(m_pFrame->isVisible());

    // Yes, but the save dialog is cancelled: still open.
    m_Sink.m_Answers = {EAnswer::Yes};
    m_strSavePath.clear();
    EXPECT_FALSE(m_pFrame->close());
    EXPECT_TRUE(m_pFrame->isVisible());

    // Yes and saved: the window closes and the file holds the change.
    m_Sink.m_Answers = {EAnswer::Yes};
    m_strSavePath = m_Dir.File("at-exit.dat");
    EXPECT_TRUE(m_pFrame->close());
    CDataRadioDoc check;
    CRecordingSink quiet;
    ASSERT_TRUE(OnOpenDocument(check, m_strSavePath, quiet));
    EXPECT_EQ(check.m_Channel[9].m_dRxFreq, 160.0);
}

TEST_F(ShellTest, ClosingWithoutChangesOrAnsweringNoClosesAtOnce) {
    Start();
    ShowActive();
    EXPECT_TRUE(m_pFrame->close());
    EXPECT_TRUE(m_Sink.m_Questions.empty());

    m_pFrame.reset();
    Start();
    ShowActive();
    m_Doc.m_nTxTimeOut = 120;
    m_Sink.m_Answers = {EAnswer::No};
    EXPECT_TRUE(m_pFrame->close());
    EXPECT_EQ(m_Sink.m_Questions.size(), 1u);
}

TEST_F(ShellTest, TheWindowWritesThePortFileWhenItGoes) {
    Start();
    State().m_nComPort = 17;
    m_pFrame.reset();
    int32_t check = 0;
    ASSERT_TRUE(LoadPortSetting(check));
    EXPECT_EQ(check, 17);
}

TEST_F(ShellTest, PrintingDrawsTwoPagesOnThePrinterTheDialogChose) {
    Start();
    const std::string pdf = m_Dir.File("printed.pdf");
    int dialogs = 0;
    View().m_RunPrintDialog = [&](QPrinter& printer) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };
    m_pFrame->m_pActPrint->trigger();
    EXPECT_EQ(dialogs, 1);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(pdf, bytes, 1 << 20));
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.rfind("%PDF", 0), 0u);
    EXPECT_NE(text.find("/Count 2"), std::string::npos);
    EXPECT_TRUE(m_Sink.m_Messages.empty());

    // A cancelled dialog prints nothing.
    const std::string other = m_Dir.File("cancelled.pdf");
    View().m_RunPrintDialog = [&](QPrinter& printer) {
        printer.setOutputFileName(QString::fromStdString(other));
        return false;
    };
    View().OnFilePrint();
    EXPECT_FALSE(ReadFileBytes(other, bytes, 16));
}

}  // namespace
