#include <QAccessible>
#include <QColor>
#include <QMouseEvent>
#include <QScreen>

#include "EepromMap.h"
#include "SimPort.h"
#include "app/ShellFixture.h"
#include "pages/EepromPage.h"

namespace {

// The EEPROM page on its own, with the simulated radio on virtual time behind the link session.
class EepromPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        m_Doc.m_nModel = kModelKv310Vhf;
        m_Doc.ResetToDefaults();
        m_Ctx.m_View.ShowStatus = [this](const QString& text) { m_Status.push_back(text.toStdString()); };
        m_pPage = std::make_unique<CEepromPage>(m_Ctx);
        m_pPage->EnsureCreated();
        m_pPage->resize(900, 800);
        m_pPage->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pPage.get()));
        m_pPage->RefreshMap(0);
    }

    void Program(int channel, double mhz, int step) {
        m_Doc.m_Channel[channel].m_dRxFreq = mhz;
        m_Doc.m_Channel[channel].m_dTxFreq = mhz;
        m_Doc.m_Channel[channel].m_nStep = step;
    }

    void DoubleClick(int row, int column) {
        QTableView* map = m_pPage->m_pMap;
        const QModelIndex cell = m_pPage->CellIndex(row, column);
        map->scrollTo(cell);
        const QPoint at = map->visualRect(cell).center();
        // As the window system delivers a double-click: press, release, press, double-click, release.
        QWidget* viewport = map->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &doubleClick);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    }

    // Answers the change-map dialog as a person would: the code, INPUT, the value's keys, then OK or Cancel.
    void Answer(const char* code, const char* value, bool ok = true) {
        m_pPage->m_RunChangeMap = [this, code, value, ok](CChangeMapDlg& dialog) {
            dialog.show();
            m_strAddressShown = dialog.m_pAddress->text().toStdString();
            m_bValueOpenAtFirst = dialog.m_pValue->isEnabled();
            QTest::keyClicks(dialog.m_pPassword, code);
            QTest::mouseClick(dialog.m_pInput, Qt::LeftButton);
            m_bValueOpened = dialog.m_pValue->isEnabled();
            m_bOkOffered = dialog.m_pOk->isEnabled();
            if (m_bValueOpened && value != nullptr) {
                QTest::keyClicks(dialog.m_pValue, value);
            }
            m_strValueText = dialog.m_pValue->text().toStdString();
            QTest::mouseClick(ok && dialog.m_pOk->isEnabled() ? dialog.m_pOk : dialog.m_pCancel,
                              Qt::LeftButton);
            return dialog.result();
        };
    }

    uint8_t Shown(int address) const { return m_pPage->m_pModel->m_Shown[address]; }
    QString CellText(int row, int column) const {
        return m_pPage->m_pModel->data(m_pPage->CellIndex(row, column), Qt::DisplayRole).toString();
    }

    CDataRadioDoc m_Doc;
    SWindowState m_State;
    CRecordingSink m_Sink;
    CRadioSimulator m_Radio;
    CLinkSession m_Link{std::make_unique<CSimPort>(m_Radio), [](int) { return std::string("sim"); }};
    CBusyState m_Busy;
    SPageContext m_Ctx{m_Doc, m_State, m_Sink, m_Link, m_Busy, {}};
    std::unique_ptr<CEepromPage> m_pPage;
    std::vector<std::string> m_Status;
    std::string m_strAddressShown;
    std::string m_strValueText;
    bool m_bValueOpenAtFirst = true;
    bool m_bValueOpened = false;
    bool m_bOkOffered = false;
};

TEST_F(EepromPageTest, ShowsTheImageAsTwentySixRowsOfSixteenLabelledInHexadecimal) {
    const CEepromMapModel& model = *m_pPage->m_pModel;
    EXPECT_EQ(model.rowCount(), 26);
    EXPECT_EQ(model.columnCount(), 16);
    EXPECT_EQ(model.headerData(25, Qt::Vertical, Qt::DisplayRole).toString(), "19");
    EXPECT_EQ(model.headerData(15, Qt::Horizontal, Qt::DisplayRole).toString(), "F");
    EXPECT_EQ(CellText(1, 14), "1D");  // address 13 holds 0x1D
    EXPECT_EQ(model.data(m_pPage->CellIndex(1, 14), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    const QModelIndex cell = m_pPage->CellIndex(12, 9);
    EXPECT_EQ(model.data(cell, Qt::ToolTipRole).toString(), "0x0B8 (184): Service byte 13");
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(m_pPage->m_pMap);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    QAccessibleInterface* accessibleCell = table->tableInterface()->cellAt(11, 8);
    ASSERT_NE(accessibleCell, nullptr);
    EXPECT_EQ(accessibleCell->text(QAccessible::Name), "0x0B8: " + CellText(12, 9));
    EXPECT_EQ(accessibleCell->text(QAccessible::Description).toStdString(), "0x0B8 (184): Service byte 13");
}

TEST_F(EepromPageTest, ADoubleClickOnRow12Column9EditsAddress184AndItsServiceByte) {
    Answer("7259", "7F");
    DoubleClick(12, 9);
    EXPECT_EQ(m_strAddressShown, "0xb8");
    EXPECT_FALSE(m_bValueOpenAtFirst);
    EXPECT_TRUE(m_Sink.m_Messages.empty());
    EXPECT_EQ(m_pPage->m_Image.m_Work[184], 0x7F);
    EXPECT_EQ(m_pPage->m_Image.m_Change[184], 0x7F);
    EXPECT_TRUE(m_pPage->m_Image.HasChangeByte(184));
    EXPECT_EQ(m_Doc.m_ServiceBytes[13], 0x7F);
    EXPECT_EQ(m_Doc.m_ServiceBytes[12], m_pPage->m_Image.m_Work[182]);
    EXPECT_EQ(CellText(12, 9), "7F");
    EXPECT_EQ(m_State.m_nAccessCode, 7259);
}

TEST_F(EepromPageTest, TheLastCellShowsItsAddressAndCancelChangesNothing) {
    const CImageBytes before = m_pPage->m_Image.m_Work;
    Answer("7259", "AA", false);
    DoubleClick(26, 16);
    EXPECT_EQ(m_strAddressShown, "0x19f");
    EXPECT_EQ(m_pPage->m_Image.m_Work, before);
    EXPECT_FALSE(m_pPage->m_Image.HasChangeByte(415));
}

TEST_F(EepromPageTest, OnlyTheAccessCodeOpensTheValue) {
    const struct {
        const char* m_pszCode;
        bool m_bOpens;
    } cases[] = {{"7259", true}, {"7259x", true}, {"", false}, {"7258", false}};
    for (const auto& c : cases) {
        m_Sink.m_Messages.clear();
        Answer(c.m_pszCode, nullptr, false);
        DoubleClick(1, 1);
        EXPECT_EQ(m_bValueOpened, c.m_bOpens) << c.m_pszCode;
        EXPECT_EQ(m_bOkOffered, c.m_bOpens) << c.m_pszCode;
        EXPECT_EQ(m_State.m_nAccessCode, AccessCodeFromText(c.m_pszCode)) << c.m_pszCode;
        EXPECT_EQ(m_Sink.m_Messages,
                  c.m_bOpens ? std::vector<std::string>{} : std::vector<std::string>{"Wrong password!"})
            << c.m_pszCode;
        EXPECT_FALSE(m_pPage->m_Image.HasChangeByte(0)) << c.m_pszCode;
    }
}

TEST_F(EepromPageTest, TheValueTakesOnlyHexadecimalDigitsAtMostTwo) {
    const struct {
        const char* m_pszKeys;
        const char* m_pszText;
        std::vector<std::string> m_Messages;
        uint8_t m_nStored;
    } cases[] = {
        {"G", "05", {"Wrong Hexa data input"}, 0x05},  // the text goes back, the byte keeps its value
        {"a", "a", {}, 0x0A},
        {"1G", "1", {"Wrong Hexa data input"}, 0x01},
        {"123", "12", {}, 0x12},
    };
    for (const auto& c : cases) {
        m_pPage->m_Image.ClearChangeBytes();
        m_Sink.m_Messages.clear();
        m_Doc.m_nScanSpeed = 60;  // byte 5 = 0x05
        m_pPage->RefreshMap(0);
        Answer("7259", c.m_pszKeys);
        DoubleClick(1, 6);
        EXPECT_EQ(m_strValueText, c.m_pszText) << c.m_pszKeys;
        EXPECT_EQ(m_Sink.m_Messages, c.m_Messages) << c.m_pszKeys;
        EXPECT_EQ(m_pPage->m_Image.m_Work[5], c.m_nStored) << c.m_pszKeys;
    }
    // Emptying the field asks for a value.
    m_Sink.m_Messages.clear();
    m_pPage->m_RunChangeMap = [](CChangeMapDlg& dialog) {
        QTest::keyClicks(dialog.m_pPassword, "7259");
        QTest::mouseClick(dialog.m_pInput, Qt::LeftButton);
        QTest::keyClick(dialog.m_pValue, Qt::Key_Backspace);
        return QDialog::Rejected;
    };
    DoubleClick(1, 6);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Input Hexa code!"});
}

TEST_F(EepromPageTest, AnEditToZeroReachesTheRadioAndTheMapShowsWhatWasSent) {
    Program(0, 150.0, 2);
    m_pPage->RefreshMap(0);
    const uint8_t encoded = m_pPage->m_Image.m_Work[32];
    ASSERT_NE(encoded, 0);
    Answer("7259", "00");
    DoubleClick(3, 1);          // address 32: channel 1's step and divider bits
    m_Radio.m_nVersion = 0x11;  // this firmware wants 3 in byte 16

    m_pPage->WriteWithProgress();
    m_pPage->m_pTransfer->WaitUntilDone();
    QApplication::processEvents();
    ASSERT_TRUE(m_pPage->m_pTransfer->m_bLastOk);
    EXPECT_EQ(m_Radio.m_Eeprom[32], 0x00);
    EXPECT_EQ(m_Radio.m_Eeprom[16], 3);
    EXPECT_EQ(m_Radio.m_Eeprom, m_pPage->m_Image.m_Work);
    EXPECT_EQ(m_pPage->m_pModel->m_Shown, m_Radio.m_Eeprom);
    EXPECT_TRUE(m_pPage->m_pModel->m_Marked.test(16));   // what the write changed against the map
    EXPECT_FALSE(m_pPage->m_pModel->m_Marked.test(32));  // shown already when it was typed
    EXPECT_EQ(std::count(m_Status.begin(), m_Status.end(), "Write Data!"), 26);
    EXPECT_EQ(m_Status.back().rfind("Written and verified: KV310 VHF on the port, ", 0), 0u)
        << m_Status.back();

    // The edit stays pending for the next write, until Clear Changes, which asks before dropping it.
    m_pPage->RefreshMap(1);
    EXPECT_EQ(Shown(32), 0x00);
    for (EAnswer answer : {EAnswer::No, EAnswer::Yes}) {
        m_Sink.m_Questions.clear();
        m_Sink.m_Answers = {answer};
        QTest::mouseClick(m_pPage->m_pClearChanges, Qt::LeftButton);
        EXPECT_EQ(m_Sink.m_Questions, std::vector<std::string>{"Discard 1 byte edit that was not written?"});
        EXPECT_EQ(m_pPage->m_Image.HasChangeByte(32), answer == EAnswer::No);
        EXPECT_EQ(Shown(32), answer == EAnswer::No ? 0x00 : encoded);
    }
    EXPECT_EQ(m_Status.back(), "Cleared the change marks and 1 byte edit.");
    m_Sink.m_Questions.clear();
    QTest::mouseClick(m_pPage->m_pClearChanges, Qt::LeftButton);  // marks alone go without a question
    EXPECT_TRUE(m_Sink.m_Questions.empty());
    EXPECT_EQ(m_Status.back(), "Cleared the change marks.");
}

TEST_F(EepromPageTest, AReadFillsTheMapFromTheRadioAndDropsTheOldEdits) {
    CDataRadioDoc radioDoc;
    radioDoc.m_nModel = kModelKv310Vhf;
    radioDoc.ResetToDefaults();
    radioDoc.m_Channel[4].m_dRxFreq = 155.0;
    radioDoc.m_Channel[4].m_dTxFreq = 155.0;
    radioDoc.m_Channel[4].m_nStep = 2;
    CEepromImage radioImage;
    radioImage.EncodeImage(radioDoc);
    m_Radio.m_Eeprom = radioImage.m_Work;
    m_Radio.m_Eeprom[187] = 0x5A;  // a byte the program does not know survives in the map
    Answer("7259", "33");
    DoubleClick(1, 1);

    m_pPage->ReadWithProgress();
    m_pPage->m_pTransfer->WaitUntilDone();
    QApplication::processEvents();
    ASSERT_TRUE(m_pPage->m_pTransfer->m_bLastOk);
    EXPECT_EQ(m_pPage->m_pModel->m_Shown, m_Radio.m_Eeprom);
    EXPECT_EQ(m_pPage->m_pModel->m_Marked.count(), 0u);
    EXPECT_FALSE(m_pPage->m_Image.HasChangeByte(0));
    EXPECT_EQ(m_Doc.m_Channel[4].m_dRxFreq, 155.0);
    EXPECT_NE(std::find(m_Status.begin(), m_Status.end(), "Read Data"), m_Status.end());
    // what was read, then where the backup is
    EXPECT_EQ(m_Status.back().rfind("Read: KV310 VHF on the port, ", 0), 0u) << m_Status.back();
    EXPECT_NE(m_Status.back().find(" s; the radio's image is kept in "), std::string::npos)
        << m_Status.back();
}

TEST_F(EepromPageTest, AChannelEditMarksItsSlotAndClearChangesRemovesEveryMark) {
    CEepromImage expected;
    expected.EncodeImage(m_Doc);
    const CImageBytes before = expected.m_Work;
    Program(2, 150.0, 2);
    expected.EncodeImage(m_Doc);
    m_pPage->RefreshMap(1);
    const CEepromMapModel& model = *m_pPage->m_pModel;
    for (int address = 0; address < kImageSize; ++address) {
        EXPECT_EQ(model.m_Marked.test(address), before[address] != expected.m_Work[address]) << address;
    }
    for (int address : {50, 51, 52, 54, 55, 56, 58}) {  // slot 3's divider bytes and its checksum
        EXPECT_EQ(model.data(model.IndexOf(address), Qt::BackgroundRole).value<QColor>(),
                  QColor(0xFF, 0xCC, 0xFF))
            << address;
    }
    QTest::mouseClick(m_pPage->m_pClearChanges, Qt::LeftButton);
    EXPECT_EQ(model.m_Marked.count(), 0u);
    EXPECT_EQ(model.data(model.IndexOf(58), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    EXPECT_EQ(model.m_Shown, expected.m_Work);
}

TEST_F(EepromPageTest, ShowSettingsListsTheStepOfEveryChannel) {
    Program(0, 150.0, 1);  // 6.25 kHz
    m_pPage->RefreshMap(0);
    QString steps;
    QString shown;
    m_pPage->m_RunSettings = [&](CEngineeringDlg& dialog) {
        steps = dialog.m_strSteps;
        shown = dialog.m_pSteps->text();
        return QDialog::Accepted;
    };
    QTest::mouseClick(m_pPage->m_pShowSettings, Qt::LeftButton);
    QString expected = "6.25\r\n";
    for (int i = 1; i < 16; ++i) {
        expected += "2.50\r\n";
    }
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(shown.split('\n').size(), 16);
}

TEST_F(EepromPageTest, TheKeyboardReachesEveryCellAndOpensTheEdit) {
    QTableView* map = m_pPage->m_pMap;
    map->setFocus();
    map->setCurrentIndex(m_pPage->CellIndex(1, 1));
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(map, Qt::Key_Right);
    }
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(map, Qt::Key_Down);
    }
    Answer("7259", "01");
    QTest::keyClick(map, Qt::Key_Return);
    EXPECT_EQ(m_strAddressShown, "0xb8");
    EXPECT_EQ(m_pPage->m_Image.m_Work[184], 0x01);
    EXPECT_FALSE(m_pPage->m_pClearChanges->accessibleName().isEmpty());
    EXPECT_EQ(m_pPage->m_pClearChanges->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

}  // namespace

namespace {

// With KV310_SCREENSHOT=file.png (run under xvfb-run with QT_QPA_PLATFORM=xcb) the whole window is saved
// after a channel edit, with the EEPROM page showing its marks.
TEST_F(ShellTest, SavesAScreenshotOfTheMarkedMapWhenAsked) {
    const char* path = std::getenv("KV310_SCREENSHOT");
    if (path == nullptr) {
        GTEST_SKIP() << "KV310_SCREENSHOT not set";
    }
    Start();
    ShowActive();
    m_pFrame->showMaximized();
    m_Doc.m_Channel[2].m_dRxFreq = 150.0;
    m_Doc.m_Channel[2].m_dTxFreq = 150.0;
    m_Doc.m_Channel[2].m_nStep = 2;
    m_pFrame->m_PageActions[kPageEeprom]->trigger();
    CEepromPage& page = *Sheet().m_pEepromPage;
    page.m_pMap->setFocus();
    page.m_pMap->setCurrentIndex(page.CellIndex(4, 3));
    QTest::qWait(300);
    QApplication::primaryScreen()->grabWindow(0).save(path);
}

}  // namespace
