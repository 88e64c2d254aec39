// The channel page driven as a technician drives it: keystrokes into the real fields, Tab between them, and
// the record, the texts, the messages and the focus checked after each step.

#include <QPointer>
#include <QStatusBar>
#include <QTimer>

#include "ChannelSignalling.h"
#include "FileIo.h"
#include "SettingsFile.h"
#include "app/ShellFixture.h"
#include "dialogs/TwoToneCodeDlg.h"

namespace {

class ChannelPage : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        ShowActive();
        QTRY_COMPARE(m_nModelSelectRuns, 1);  // answered with no model: the defaults stay
    }

    CChannelPage& Page() { return *Sheet().m_pChannelPage; }
    CChannelRow& Row(int channel) { return *Page().m_Rows[static_cast<size_t>(channel - 1)]; }
    CChannelData& Channel(int channel) { return m_Doc.m_Channel[static_cast<size_t>(channel - 1)]; }

    // Clicks into the field, selects what it holds, types the keys over it and presses Tab.
    void Type(QLineEdit* field, const char* keys) {
        QTest::mouseClick(field, Qt::LeftButton);
        EXPECT_TRUE(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(keys));
        QTest::keyClick(field, Qt::Key_Tab);
    }
    // Space on a focused box, as a keyboard user ticks it.
    static void Press(QWidget* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    }
    static std::string Text(const QLineEdit* field) { return field->text().toStdString(); }
};

TEST_F(ChannelPage, TypedDigitsGetTheirPointAndTheCaretStaysWhereTheUserTypes) {
    CDigitEdit* rx = Row(3).m_pRxFreq;
    QTest::mouseClick(rx, Qt::LeftButton);
    QTest::keyClicks(rx, QStringLiteral("15a1-1"));  // letters and signs are refused
    EXPECT_EQ(Text(rx), "151.1");
    EXPECT_EQ(rx->cursorPosition(), 5);
    QTest::keyClicks(rx, QStringLiteral("25"));
    EXPECT_EQ(Text(rx), "151.125");
    rx->setCursorPosition(2);  // a digit typed inside the number keeps the caret behind it
    QTest::keyClicks(rx, QStringLiteral("9"));
    EXPECT_EQ(Text(rx), "159.1125");
    EXPECT_EQ(rx->cursorPosition(), 3);
}

TEST_F(ChannelPage, AnRxFrequencyIsFittedStoredAndCopiedToTx) {
    Type(Row(3).m_pRxFreq, "1510123");
    EXPECT_EQ(Text(Row(3).m_pRxFreq), "151.01250");
    EXPECT_EQ(Text(Row(3).m_pTxFreq), "151.01250");
    EXPECT_DOUBLE_EQ(Channel(3).m_dRxFreq, 151.0125);
    EXPECT_DOUBLE_EQ(Channel(3).m_dTxFreq, 151.0125);
    EXPECT_EQ(Channel(3).m_nStep, kStep6250);
    EXPECT_TRUE(Row(3).m_pTxFreq->hasFocus());  // Tab went on to the row's TX field
    EXPECT_EQ(Row(3).m_pRxOption->text().toStdString(), "NO");
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ChannelPage, AnOutOfBandFrequencyIsReplacedAndTheFocusGoesToTheOptionButton) {
    Type(Row(2).m_pRxFreq, "180");
    ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
    EXPECT_EQ(m_Sink.m_Messages[0], "Valid Range : 138 to 174MHz");
    EXPECT_EQ(Text(Row(2).m_pRxFreq), "156.00000");
    EXPECT_EQ(Text(Row(2).m_pTxFreq), "156.00000");
    EXPECT_TRUE(Row(2).m_pRxOption->hasFocus());

    Row(2).m_pTxFreq->clear();
    Type(Row(2).m_pTxFreq, "180");
    ASSERT_EQ(m_Sink.m_Messages.size(), 2u);
    EXPECT_EQ(m_Sink.m_Messages[1], "Valid Range 138 to 174MHz");
    EXPECT_EQ(Text(Row(2).m_pTxFreq), "156.00000");
    EXPECT_DOUBLE_EQ(Channel(2).m_dTxFreq, 156.0);
    EXPECT_TRUE(Row(2).m_pTxOption->hasFocus());
    EXPECT_EQ(m_Sink.m_Kinds, (std::vector<EMessageKind>{EMessageKind::Stop, EMessageKind::Stop}));
}

TEST_F(ChannelPage, ATxFrequencyAloneEndsUpInBothFieldsAndClearingBothEmptiesTheChannel) {
    Type(Row(5).m_pTxFreq, "1515");
    EXPECT_EQ(Text(Row(5).m_pRxFreq), "151.50000");
    EXPECT_EQ(Text(Row(5).m_pTxFreq), "151.50000");
    QTest::mouseClick(Row(5).m_pRxFreq, Qt::LeftButton);
    Row(5).m_pRxFreq->clear();
    QTest::keyClick(Row(5).m_pRxFreq, Qt::Key_Tab);
    EXPECT_EQ(Text(Row(5).m_pRxFreq), "");  // no "0.00000" while TX still holds a frequency
    Row(5).m_pTxFreq->clear();
    QTest::keyClick(Row(5).m_pTxFreq, Qt::Key_Tab);
    EXPECT_EQ(Channel(5).m_dRxFreq, 0.0);
    EXPECT_EQ(Channel(5).m_dTxFreq, 0.0);
    EXPECT_EQ(Row(5).m_pRxOption->text().toStdString(), "");
}

TEST_F(ChannelPage, TabWalksEveryControlOfARowBeforeTheNextAndEveryControlIsNamed) {
    QTest::mouseClick(Row(1).m_pRxFreq, Qt::LeftButton);
    const QWidget* expected[] = {Row(1).m_pTxFreq, Row(1).m_pRxOption,  Row(1).m_pTxOption,
                                 Row(1).m_pWide,   Row(1).m_pHighPower, Row(1).m_pScan,
                                 Row(2).m_pRxFreq, Row(2).m_pTxFreq};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    Row(16).m_pScan->setFocus();
    QTest::keyClick(Row(16).m_pScan, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Page().m_cbTimeOut);
    EXPECT_EQ(Row(3).m_pRxFreq->accessibleName().toStdString(), "Channel 3 RX frequency");
    EXPECT_EQ(Row(3).m_pTxOption->accessibleName().toStdString(), "Channel 3 TX option");
    EXPECT_EQ(Row(16).m_pHighPower->accessibleName().toStdString(), "Channel 16 TX power: Low");
}

TEST_F(ChannelPage, RowBoxesWriteTheRecordAndCaptionThemselves) {
    QTest::mouseClick(Row(4).m_pWide, Qt::LeftButton);
    Row(4).m_pHighPower->setFocus();
    QTest::keyClick(Row(4).m_pHighPower, Qt::Key_Space);
    QTest::mouseClick(Row(4).m_pScan, Qt::LeftButton);
    EXPECT_EQ(Row(4).m_pWide->text().toStdString(), "Wide");
    EXPECT_EQ(Row(4).m_pHighPower->text().toStdString(), "High");
    EXPECT_EQ(Channel(4).m_bWide, 1);
    EXPECT_EQ(Channel(4).m_bHighPower, 1);
    EXPECT_EQ(Channel(4).m_bScan, 1);
    EXPECT_TRUE(Row(4).m_pScan->isVisible());
}

TEST_F(ChannelPage, AnOptionButtonOfAnEmptyChannelAsksForFrequenciesFirst) {
    int runs = 0;
    Page().m_RunOptionDialog = [&] { return ++runs > 0; };
    QTest::mouseClick(Row(7).m_pRxOption, Qt::LeftButton);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Fill Rx/Tx Freq. first"});
    EXPECT_EQ(m_Sink.m_Kinds, std::vector<EMessageKind>{EMessageKind::Stop});
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(State().m_nCurChannel, 7);
    Type(Row(7).m_pRxFreq, "151");
    QTest::mouseClick(Row(7).m_pRxFreq, Qt::LeftButton);
    Row(7).m_pRxFreq->selectAll();
    QTest::keyClicks(Row(7).m_pRxFreq, QStringLiteral("1515"));
    QTest::mouseClick(Row(7).m_pTxOption, Qt::LeftButton);  // leaving the field first stores 151.5
    EXPECT_EQ(runs, 1);
    EXPECT_DOUBLE_EQ(Channel(7).m_dRxFreq, 151.5);
}

TEST_F(ChannelPage, PowerSaveTimesSnapAndOutOfRangeEntriesFallBack) {
    EXPECT_FALSE(Page().m_pRxOffTime->isEnabled());
    Press(Page().m_pPowerSave);
    EXPECT_EQ(m_Doc.m_bPowerSave, 1);
    ASSERT_TRUE(Page().m_pRxOffTime->isEnabled());
    Type(Page().m_pRxOffTime, "395");
    EXPECT_EQ(m_Doc.m_nPowerSaveOnTime, 390);
    Page().m_pRxOnTime->selectAll();
    QTest::keyClicks(Page().m_pRxOnTime, QStringLiteral("280"));
    QTest::keyClick(Page().m_pRxOnTime, Qt::Key_Tab);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Valid Settings 30 to 260"});
    EXPECT_EQ(m_Sink.m_Kinds, std::vector<EMessageKind>{EMessageKind::Information});  // a plain OK box
    EXPECT_EQ(m_Doc.m_nPowerSaveOffTime, 50);
    EXPECT_EQ(Text(Page().m_pRxOnTime), "50");
    EXPECT_TRUE(Page().m_pRxOnTime->hasFocus());  // back to the field to try again
    Press(Page().m_pPowerSave);
    EXPECT_EQ(Text(Page().m_pRxOffTime), "0");
    EXPECT_EQ(m_Doc.m_nPowerSaveOnTime, 390);  // the record keeps the time while switched off
}

TEST_F(ChannelPage, TheRightHandPanelFollowsTheRecordAndTheUser) {
    m_Doc.m_bTxTimeOut = 1;
    m_Doc.m_nTxTimeOut = 95;
    m_Doc.m_bHangOn = 1;
    m_Doc.m_nHangOnTime = 2000;
    m_Doc.m_bBusyLockout = 1;
    m_Doc.m_bTxMatchedSat = 1;
    Page().RefreshFromRecord(false);
    EXPECT_EQ(Page().m_cbTimeOut->currentText().toStdString(), "90");
    EXPECT_EQ(m_Doc.m_nTxTimeOut, 90);
    EXPECT_EQ(Page().m_cbHang->currentIndex(), 183);
    EXPECT_TRUE(Page().m_pMatchedSat->isChecked());
    Press(Page().m_pBusyLockout);
    EXPECT_FALSE(Page().m_pMatchedSat->isChecked());
    EXPECT_FALSE(Page().m_pMatchedSat->isEnabled());
    EXPECT_EQ(m_Doc.m_bTxMatchedSat, 0);
    Page().m_cbHang->setFocus();
    QTest::keyClick(Page().m_cbHang, Qt::Key_Home);
    QTest::keyClick(Page().m_cbHang, Qt::Key_Down);
    EXPECT_EQ(m_Doc.m_nHangOnTime, 180);
    m_Doc.m_bModem = 1;
    m_Doc.m_bModemFfsk = 1;
    m_Doc.m_bTxDelay = 1;
    Page().RefreshFromRecord(false);
    EXPECT_FALSE(Page().m_pTxDelay->isEnabled());
    EXPECT_EQ(m_Doc.m_bTxDelay, 0);
}

TEST_F(ChannelPage, AChannelTypedAsAUserWouldSavesTheSameBytesAsTheRecordSetDirectly) {
    Type(Row(1).m_pRxFreq, "1510123");
    ASSERT_TRUE(Row(1).m_pTxFreq->hasFocus());
    Row(1).m_pTxFreq->selectAll();  // Tab selected it in a real window; make sure of it here
    QTest::keyClicks(Row(1).m_pTxFreq, QStringLiteral("1516"));
    QTest::keyClick(Row(1).m_pTxFreq, Qt::Key_Tab);
    QTest::mouseClick(Row(1).m_pWide, Qt::LeftButton);
    m_strSavePath = m_Dir.File("typed.dat");
    ASSERT_TRUE(View().OnFileSave());

    CDataRadioDoc direct;
    CChannelData& ch = direct.m_Channel[0];
    ch.m_dRxFreq = 151.0125;
    ch.m_dTxFreq = 151.6;
    ch.m_nStep = kStep6250;
    ch.m_bWide = 1;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(direct, m_Dir.File("direct.dat"), sink));
    std::vector<uint8_t> typed, expected;
    ASSERT_TRUE(ReadFileBytes(m_strSavePath, typed, 4096));
    ASSERT_TRUE(ReadFileBytes(m_Dir.File("direct.dat"), expected, 4096));
    EXPECT_EQ(typed, expected);
}

TEST_F(ChannelPage, TextTypedButNotLeftCountsWhenTheWindowCloses) {
    QTest::mouseClick(Row(9).m_pRxFreq, Qt::LeftButton);
    QTest::keyClicks(Row(9).m_pRxFreq, QStringLiteral("1525"));
    m_Sink.m_Answers = {EAnswer::Cancel};
    EXPECT_FALSE(View().QueryClose());
    EXPECT_DOUBLE_EQ(Channel(9).m_dRxFreq, 152.5);
    EXPECT_EQ(m_Sink.m_Questions.size(), 1u);
}

TEST_F(ChannelPage, CtrlShiftTRunsTheAccessCodeAndReloadsThePageAfterDisable) {
    m_Doc.m_nModel = kModelKv330Vhf;
    State().m_bTwoToneLocked = 0;
    m_Doc.m_Channel[0] = {};
    m_Doc.m_Channel[0].m_dRxFreq = m_Doc.m_Channel[0].m_dTxFreq = 151.0;
    m_Doc.m_Channel[0].m_nRxOption = kSigTwoTone;
    m_Doc.m_Channel[0].m_nTwoToneGroup = 2;
    Page().RefreshFromRecord(false);
    EXPECT_EQ(Row(1).m_pRxOption->text().toStdString(), "Both");
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CTwoToneCodeDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->m_pCode, QStringLiteral("7259"));
        QTest::keyClick(dialog->m_pCode, Qt::Key_Escape);  // Escape acts as DISABLE
    });
    QTest::keyClick(m_pFrame.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(State().m_bTwoToneLocked, 1);
    EXPECT_EQ(m_Doc.m_Channel[0].m_nRxOption, kSigNone);
    EXPECT_EQ(Row(1).m_pRxOption->text().toStdString(), "NO");
    EXPECT_EQ(m_pFrame->statusBar()->currentMessage().toStdString(), "Two-tone signalling is locked.");
}

}  // namespace

TEST_F(ChannelPage, ClosingTheWindowWithChannelsSelectedTearsThePageDownCleanly) {
    // The selection watches every row's number label and looks it up in the rows while events reach it; the
    // labels must go while the rows are still there (the sanitizer build catches a lookup in freed rows).
    QTest::mouseClick(Row(2).m_pNumber, Qt::LeftButton);
    QTest::mouseClick(Row(5).m_pNumber, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_TRUE(Row(5).m_pNumber->hasFocus());
    const QPointer<CChannelPage> page = &Page();
    const QPointer<QWidget> label = Row(5).m_pNumber;
    EXPECT_TRUE(m_pFrame->close());
    m_pFrame.reset();
    QApplication::processEvents();
    EXPECT_TRUE(page.isNull());
    EXPECT_TRUE(label.isNull());
}
