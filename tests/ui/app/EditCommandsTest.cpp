// The Edit menu driven as a technician drives it: channel numbers clicked, the Edit shortcuts pressed in the
// real window, the clipboard's text, the record and the undo history checked after each step.

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStatusBar>

#include "ChannelClipboard.h"
#include "FileIo.h"
#include "SettingsFile.h"
#include "app/EditCommands.h"
#include "app/ShellFixture.h"
#include "pages/ChannelSelection.h"
#include "pages/EepromPage.h"

namespace {

class EditCommandsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        ShowActive();
        QTRY_COMPARE(m_nModelSelectRuns, 1);  // no model chosen: KV310 VHF stays
        m_pEdit = View().findChild<CEditCommands*>();
        ASSERT_NE(m_pEdit, nullptr);
        ASSERT_NE(m_pEdit->m_pSelection, nullptr);
    }

    CChannelRow& Row(int channel) {
        return *Sheet().m_pChannelPage->m_Rows[static_cast<size_t>(channel - 1)];
    }
    double Rx(int channel) const { return m_Doc.m_Channel[static_cast<size_t>(channel - 1)].m_dRxFreq; }

    void Type(int channel, const char* digits) {
        CDigitEdit* field = Row(channel).m_pRxFreq;
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(digits));
        QTest::keyClick(field, Qt::Key_Tab);
    }
    void ClickNumber(int channel, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(Row(channel).m_pNumber, Qt::LeftButton, modifiers);
    }
    void Keys(int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    std::string UndoText() const { return m_pEdit->m_pActUndo->text().toStdString(); }
    std::string Title() const { return m_pFrame->windowTitle().toStdString(); }
    std::string Status() const { return m_pFrame->m_wndStatusBar->currentMessage().toStdString(); }

    CEditCommands* m_pEdit = nullptr;
};

TEST_F(EditCommandsTest, CopiedRowsPasteBackIdenticallyAndTheClipboardHoldsTheSpreadsheetsText) {
    Type(1, "1510125");
    Type(2, "1520000");
    QTest::mouseClick(Row(2).m_pWide, Qt::LeftButton);
    ClickNumber(1);
    ClickNumber(2, Qt::ShiftModifier);
    EXPECT_TRUE(Row(2).m_pNumber->hasFocus());
    EXPECT_EQ(Row(2).m_pNumber->accessibleName().toStdString(), "Channel 2, selected");
    Keys(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->text().startsWith(QStringLiteral("channel\trx_mhz\ttx_mhz\t")));
    EXPECT_TRUE(data->text().contains(QStringLiteral("\n2\t152.00000\t152.00000\t")));
    EXPECT_TRUE(data->data(QStringLiteral("text/csv")).startsWith("channel,rx_mhz,tx_mhz,"));

    ClickNumber(10);
    Keys(Qt::Key_V, Qt::ControlModifier);
    for (int n : {1, 2}) {  // every value of the channel, the channel number aside
        const std::string copy = CopyChannelRows(m_Doc, {n}, ',');
        const std::string pasted = CopyChannelRows(m_Doc, {n + 9}, ',');
        EXPECT_EQ(copy.substr(copy.find(',', copy.find('\n'))),
                  pasted.substr(pasted.find(',', pasted.find('\n'))));
    }
    EXPECT_EQ(Row(11).m_pRxFreq->text().toStdString(), "152.00000");
    EXPECT_EQ(UndoText(), "&Undo Paste 2 Channels");
    EXPECT_TRUE(m_Sink.m_Messages.empty());

    // A value the page refuses stays as it was, and one message says so; one row goes to both pasted rows,
    // and the message's first line is the status bar's text.
    QApplication::clipboard()->setText(QStringLiteral("rx_mhz\n180\n"));
    Keys(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
    EXPECT_EQ(
        m_Sink.m_Messages[0],
        "Pasted 2 Channels; nothing changed.\nchannel 10: RX 180.00000 is outside 138\u2013174 MHz; kept "
        "151.01250\nchannel 11: RX 180.00000 is outside 138\u2013174 MHz; kept 152.00000");
    EXPECT_EQ(Status(), "Pasted 2 Channels; nothing changed.");

    // Rows without a header whose first column is a channel number in some rows only: asked, and No reads
    // it as frequencies.
    QApplication::clipboard()->setText(QStringLiteral("5\t152.5\n153.0125\t153.0125\n"));
    m_Sink.m_Answers = {EAnswer::No};
    Keys(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_Sink.m_Questions.size(), 1u);
    EXPECT_EQ(Rx(11), 153.0125);
    EXPECT_EQ(Status(), "Pasted 2 Channels. Without a header the columns were read as rx_mhz, tx_mhz.");
}

struct SRowCommandCase {
    const char* strName;
    std::vector<int> select;
    int nKey;
    Qt::KeyboardModifiers modifiers;
    QAction* CEditCommands::*pAction;  // when not reached by a key
    std::vector<double> rxAfter;       // channels 1, 2, 15, 16
    const char* strUndo;
};

TEST_F(EditCommandsTest, RowCommandsAtTheEdgesTakeOneUndoStepEach) {
    const SRowCommandCase cases[] = {
        {"move up from row 1 does nothing",
         {1},
         Qt::Key_Up,
         Qt::AltModifier,
         nullptr,
         {150, 151, 152, 153},
         ""},
        {"move down from row 16 does nothing",
         {16},
         Qt::Key_Down,
         Qt::AltModifier,
         nullptr,
         {150, 151, 152, 153},
         ""},
        {"move down row 1",
         {1},
         Qt::Key_Down,
         Qt::AltModifier,
         nullptr,
         {151, 150, 152, 153},
         "&Undo Move Down Channel 2"},
        {"move up rows 15 and 16",
         {15, 16},
         Qt::Key_Up,
         Qt::AltModifier,
         nullptr,
         {150, 151, 153, 0},
         "&Undo Move Up 2 Channels"},
        {"delete empties",
         {2},
         Qt::Key_Delete,
         Qt::NoModifier,
         nullptr,
         {150, 0, 152, 153},
         "&Undo Delete Channel 2"},
        {"cut empties",
         {1, 16},
         Qt::Key_X,
         Qt::ControlModifier,
         nullptr,
         {0, 151, 152, 0},
         "&Undo Cut 2 Channels"},
        {"insert at row 1 asks for 16, answered no",
         {1},
         0,
         {},
         &CEditCommands::m_pActInsert,
         {150, 151, 152, 153},
         ""},
        {"remove row 1 shifts up",
         {1},
         0,
         {},
         &CEditCommands::m_pActRemove,
         {151, 0, 153, 0},
         "&Undo Remove Channel 1"},
        {"remove row 16 empties it",
         {16},
         0,
         {},
         &CEditCommands::m_pActRemove,
         {150, 151, 152, 0},
         "&Undo Remove Channel 16"},
    };
    for (const SRowCommandCase& c : cases) {
        View().OnFileNew();  // shows the EEPROM page: the row commands wait for the Channel page
        ClickNumber(1);
        Keys(Qt::Key_Delete, Qt::NoModifier);
        EXPECT_EQ(UndoText(), "&Undo");
        View().OnViewChannel();
        Type(1, "150");
        Type(2, "151");
        Type(15, "152");
        Type(16, "153");
        const CDataRadioDoc before = m_Doc;
        const std::string undoBefore = UndoText();
        ClickNumber(c.select.front());
        for (size_t i = 1; i < c.select.size(); ++i) {
            ClickNumber(c.select[i], Qt::ControlModifier);
        }
        m_Sink.m_Answers = {EAnswer::No};
        if (c.pAction != nullptr) {
            (m_pEdit->*c.pAction)->trigger();
        } else {
            Keys(c.nKey, c.modifiers);
        }
        const std::vector<double> after{Rx(1), Rx(2), Rx(15), Rx(16)};
        EXPECT_EQ(after, c.rxAfter) << c.strName;
        EXPECT_EQ(UndoText(), *c.strUndo ? c.strUndo : undoBefore) << c.strName;
        if (!*c.strUndo) {
            continue;
        }
        Keys(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(SameSettings(m_Doc, before)) << c.strName;
        EXPECT_EQ(Row(1).m_pRxFreq->text().toStdString(), "150.00000") << c.strName;
        Keys(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ((std::vector<double>{Rx(1), Rx(2), Rx(15), Rx(16)}), c.rxAfter) << c.strName;
    }
}

struct SStatusCase {
    const char* strName;
    std::vector<int> select;  // empty: no row chosen, the focus outside the rows
    QAction* CEditCommands::*pAction;
    const char* strStatus;
};

// Every row command goes through one runner: an empty choice stops each the same way, and each leaves one
// status text of its own in place of the last one.
TEST_F(EditCommandsTest, EveryRowCommandLeavesItsOwnStatusText) {
    const char* kChooseFirst =
        "Select channels first: click a channel number (Shift or Ctrl to add more), or press Shift+Space in "
        "a "
        "row.";
    m_pEdit->m_RunBulkEdit = [](SBulkEdit&) { return false; };
    const SStatusCase cases[] = {
        {"cut", {1, 2}, &CEditCommands::m_pActCut, "Cut 2 Channels."},
        {"copy", {2}, &CEditCommands::m_pActCopy, "Copied Channel 2."},
        {"delete", {2}, &CEditCommands::m_pActDelete, "Deleted Channel 2."},
        {"insert",
         {2},
         &CEditCommands::m_pActInsert,
         "Inserted an empty Channel 2; the channels below moved down."},
        {"remove", {2}, &CEditCommands::m_pActRemove, "Removed Channel 2; the channels below moved up."},
        {"move up", {2}, &CEditCommands::m_pActMoveUp, "Moved Channel 1 up."},
        {"move down at the bottom", {16}, &CEditCommands::m_pActMoveDown, "Channel 16 is the bottom row."},
        {"edit selected, cancelled", {1}, &CEditCommands::m_pActEditSelected, "Nothing was edited."},
        {"cut without rows", {}, &CEditCommands::m_pActCut, kChooseFirst},
        {"paste without rows", {}, &CEditCommands::m_pActPaste, kChooseFirst},
        {"delete without rows", {}, &CEditCommands::m_pActDelete, kChooseFirst},
        {"insert without rows", {}, &CEditCommands::m_pActInsert, kChooseFirst},
        {"remove without rows", {}, &CEditCommands::m_pActRemove, kChooseFirst},
        {"move without rows", {}, &CEditCommands::m_pActMoveDown, kChooseFirst},
        {"edit selected without rows", {}, &CEditCommands::m_pActEditSelected, kChooseFirst},
    };
    for (const SStatusCase& c : cases) {
        Type(1, "150");
        Type(2, "151");
        if (c.select.empty()) {
            Sheet().m_pChannelPage->m_cbTimeOut->setFocus(Qt::TabFocusReason);
            m_pEdit->m_pSelection->Select({}, 1);
        } else {
            ClickNumber(c.select.front());
            for (size_t i = 1; i < c.select.size(); ++i) {
                ClickNumber(c.select[i], Qt::ControlModifier);
            }
        }
        const CDataRadioDoc before = m_Doc;
        const std::string undoBefore = UndoText();
        const int refreshes = Sheet().m_pChannelPage->m_nRefreshCount;
        m_pFrame->m_wndStatusBar->showMessage(QStringLiteral("an older text"));
        (m_pEdit->*c.pAction)->trigger();
        EXPECT_EQ(Status(), c.strStatus) << c.strName;
        if (c.select.empty()) {  // stopped before anything: no change, no step, no page refreshed
            EXPECT_TRUE(SameSettings(m_Doc, before)) << c.strName;
            EXPECT_EQ(UndoText(), undoBefore) << c.strName;
            EXPECT_EQ(Sheet().m_pChannelPage->m_nRefreshCount, refreshes) << c.strName;
        }
    }
}

TEST_F(EditCommandsTest, WorkInAnotherRowEndsTheSelectionAndShiftSpaceReachesTheRowsNumber) {
    Type(3, "150");
    Type(6, "151");
    ClickNumber(3);
    Row(6).m_pWide->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(m_pEdit->m_pSelection->m_Selected.empty());
    Keys(Qt::Key_Delete, Qt::NoModifier);  // the focused row's, not channel 3 chosen before
    EXPECT_EQ(Rx(3), 150.0);
    EXPECT_EQ(Rx(6), 0.0);

    QTest::keyClick(Row(5).m_pRxFreq, Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_TRUE(Row(5).m_pNumber->hasFocus());
    EXPECT_EQ(m_pEdit->m_pSelection->m_Selected, std::set<int>{5});
    EXPECT_EQ(Row(5).m_pNumber->frameShape(), QFrame::Box);
    EXPECT_EQ(Row(5).m_pRxFreq->text().toStdString(), "");
    Row(5).m_pTxFreq->setFocus(Qt::TabFocusReason);  // the selected row's own control keeps the selection
    EXPECT_EQ(Row(5).m_pNumber->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(m_pEdit->m_pSelection->m_Selected, std::set<int>{5});
}

TEST_F(EditCommandsTest, PasteInAFieldIsTheFieldsOwnByKeyAndByMenu) {
    CDigitEdit* field = Row(4).m_pRxFreq;
    QApplication::clipboard()->setText(QStringLiteral("151.0125\n"));  // a spreadsheet cell
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(Rx(4), 151.0125);

    // With the row selected and the focus in its field, Edit > Paste pastes into the field, not the row.
    Type(5, "152");
    ClickNumber(4);
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QApplication::clipboard()->setText(QStringLiteral(" 152,5 "));
    m_pEdit->m_pActPaste->trigger();
    EXPECT_EQ(Rx(4), 151.0125);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(Rx(4), 152.5);
    EXPECT_EQ(Rx(5), 152.0);

    // Rows are no number for a field: it stays as it was and the status bar says why.
    QApplication::clipboard()->setText(QStringLiteral("channel\trx_mhz\n1\t150\n"));
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text().toStdString(), "152.50000");
    EXPECT_EQ(Status().rfind("A frequency field takes one number; the clipboard holds \"channel", 0), 0u)
        << Status();
}

TEST_F(EditCommandsTest, ModelSelectAsksAboutUnsavedChangesAndSavesToThePlansOwnFile) {
    const std::string path = m_Dir.File("plan.dat");
    m_strSavePath = path;
    ASSERT_TRUE(View().OnFileSave());
    Type(9, "152125");
    EXPECT_EQ(Title(), "KV310 - PC PROGRAMMER - plan.dat*");
    const std::vector<uint8_t> edited = SettingsFileBytes(m_Doc);
    m_strSavePath.clear();  // Save must not need a name: the plan has its file
    m_nModelAnswer = kModelKv310Uhf;

    m_Sink.m_Answers = {EAnswer::Cancel};
    m_pFrame->m_pActModelSelect->trigger();
    EXPECT_EQ(m_Sink.m_Questions, std::vector<std::string>{kMsgSaveChanges});
    EXPECT_EQ(m_nModelSelectRuns, 1);  // the first paint's only
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Vhf);
    EXPECT_EQ(Rx(9), 152.125);
    EXPECT_EQ(Title(), "KV310 - PC PROGRAMMER - plan.dat*");

    m_Sink.m_Answers = {EAnswer::Yes};
    m_pFrame->m_pActModelSelect->trigger();
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Uhf);
    std::vector<uint8_t> stored;
    ASSERT_TRUE(ReadFileBytes(path, stored, 4096));
    EXPECT_EQ(stored, edited);
    EXPECT_TRUE(View().QueryClose());  // the new plan holds nothing unsaved
    EXPECT_EQ(m_Sink.m_Questions.size(), 2u);
}

TEST_F(EditCommandsTest, TheModifiedMarkFollowsTheHistoryAndCtrlZInAFieldUndoesTypingFirst) {
    EXPECT_EQ(Title(), "KV310 - PC PROGRAMMER");
    Type(3, "1510125");
    EXPECT_EQ(UndoText(), "&Undo Channel 3 RX frequency");
    EXPECT_EQ(Title(), "KV310 - PC PROGRAMMER - Untitled*");

    // In a field being edited Ctrl+Z is the field's own.
    CDigitEdit* field = Row(4).m_pRxFreq;
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, QStringLiteral("15"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text().toStdString(), "");
    EXPECT_EQ(Rx(3), 151.0125);

    // With nothing left to undo in the field, the same keys reach the history.
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Rx(3), 0.0);
    EXPECT_EQ(Row(3).m_pRxFreq->text().toStdString(), "");
    EXPECT_EQ(Title(), "KV310 - PC PROGRAMMER");
    EXPECT_FALSE(View().HasUnsavedChanges());
    EXPECT_EQ(m_pEdit->m_pActRedo->text().toStdString(), "&Redo Channel 3 RX frequency");

    ClickNumber(3);
    Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Rx(3), 151.0125);
    m_strSavePath = m_Dir.File("plan.dat");
    ASSERT_TRUE(View().OnFileSave());
    EXPECT_EQ(Title(), "KV310 - PC PROGRAMMER - plan.dat");
    Keys(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Title(), "KV310 - PC PROGRAMMER - plan.dat*");

    // New starts a fresh history, so it asks first about what was not saved; Cancel keeps everything.
    m_Sink.m_Answers = {EAnswer::Cancel, EAnswer::No};
    View().OnFileNew();
    EXPECT_EQ(m_Sink.m_Questions, std::vector<std::string>{kMsgSaveChanges});
    EXPECT_TRUE(m_pEdit->m_pActRedo->isEnabled());
    View().OnFileNew();
    EXPECT_FALSE(m_pEdit->m_pActRedo->isEnabled());
    EXPECT_EQ(Title(), "KV310 - PC PROGRAMMER");
}

TEST_F(EditCommandsTest, EditSelectedChannelsSetsEveryChosenChannelInOneStep) {
    Type(1, "150");
    Type(2, "1510125");
    Type(3, "152");
    ClickNumber(1);
    Keys(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(m_pEdit->m_pSelection->m_Selected.size(), 16u);
    ClickNumber(1);
    ClickNumber(3, Qt::ShiftModifier);
    m_pEdit->m_RunBulkEdit = [](SBulkEdit& edit) {
        edit.m_nHighPower = 1;
        edit.m_nStep = kStep7500;  // channel 2's 151.0125 lies on the 7.5 kHz grid, 150 and 152 too
        edit.m_nTxOption = kSigDcs;
        edit.m_nTxDcs = 131;
        return true;
    };
    Keys(Qt::Key_E, Qt::ControlModifier);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(m_Doc.m_Channel[static_cast<size_t>(n)].m_bHighPower, 1);
        EXPECT_EQ(m_Doc.m_Channel[static_cast<size_t>(n)].m_nTxDcs, 131);
    }
    EXPECT_EQ(m_Doc.m_Channel[3].m_bHighPower, 0);
    EXPECT_EQ(Row(2).m_pHighPower->text().toStdString(), "High");
    EXPECT_EQ(Row(2).m_pTxOption->text().toStdString(), "131");
    EXPECT_EQ(UndoText(), "&Undo Edit 3 Channels");
    Keys(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_Doc.m_Channel[1].m_bHighPower, 0);
    EXPECT_EQ(m_Doc.m_Channel[1].m_nTxOption, kSigNone);
}

TEST_F(EditCommandsTest, AnEepromByteEditIsAStepOfItsOwn) {
    View().OnViewEeprom();
    CEepromPage& page = *Sheet().m_pEepromPage;
    page.m_RunChangeMap = [](CChangeMapDlg& dialog) {
        dialog.m_nValue = 0x7F;
        dialog.m_bAccepted = true;
        return 1;
    };
    emit page.m_pMap->doubleClicked(page.CellIndex(1, 1));
    ASSERT_TRUE(page.m_Image.HasChangeByte(0));
    EXPECT_EQ(UndoText(), "&Undo EEPROM Byte Edit");
    m_pEdit->OnUndo();
    EXPECT_FALSE(page.m_Image.HasChangeByte(0));
    m_pEdit->OnRedo();
    EXPECT_EQ(page.m_Image.m_Change[0], 0x7F);
}

TEST_F(EditCommandsTest, UndoAndRedoPutTheSettingsBackAndLeaveTheWindowsState) {
    Type(3, "1510125");
    State().m_bTwoToneLocked = 0;
    State().m_nComPort = 5;
    State().m_nCurChannel = 3;
    m_pEdit->OnUndo();
    EXPECT_EQ(Rx(3), 0.0);
    m_pEdit->OnRedo();
    EXPECT_EQ(Rx(3), 151.0125);
    EXPECT_EQ(State().m_bTwoToneLocked, 0);
    EXPECT_EQ(State().m_nComPort, 5);
    EXPECT_EQ(State().m_nCurChannel, 3);
}

TEST_F(EditCommandsTest, TheEditMenuIsGreyedWhileATransferRuns) {
    Type(1, "150");
    View().m_Busy.Begin(QStringLiteral("the radio write"));
    for (QAction* action : m_pEdit->m_pMenu->actions()) {
        EXPECT_FALSE(action->isEnabled() && !action->isSeparator()) << action->text().toStdString();
    }
    m_pEdit->OnUndo();
    EXPECT_EQ(Rx(1), 150.0);
    View().m_Busy.End();
    EXPECT_TRUE(m_pEdit->m_pActUndo->isEnabled());
}

}  // namespace
