// The channel option dialog with its pickers, the two-tone data dialog and the access code, opened and
// answered with the keyboard and the mouse inside their own event loops.

#include <QTimer>

#include "ChannelSignalling.h"
#include "app/ShellFixture.h"
#include "dialogs/ChannelOptionDlg.h"
#include "dialogs/TonePickerDlg.h"
#include "dialogs/TwoToneCodeDlg.h"
#include "dialogs/TwoToneDlg.h"

namespace {

class ChannelDialogs : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        for (CChannelData& ch : m_Doc.m_Channel) {
            ch.m_dRxFreq = ch.m_dTxFreq = 151.0;
        }
    }

    // The dialog for channel n, shown (not modal) so keys reach it.
    std::unique_ptr<CChannelOptionDlg> Open(int channel) {
        State().m_nCurChannel = channel;
        auto dialog = std::make_unique<CChannelOptionDlg>(View().m_Ctx);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    // Runs answer inside the next modal dialog of type T.
    template <typename T, typename F>
    static void Answer(F answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }

    CChannelData& Channel(int channel) { return m_Doc.m_Channel[static_cast<size_t>(channel - 1)]; }
};

TEST_F(ChannelDialogs, AKv310ChannelWithDcsOrTwoToneShowsDcsAndOnlyItsButton) {
    for (int option : {kSigDcs, kSigTwoTone}) {
        Channel(2).m_nRxOption = option;
        auto dialog = Open(2);
        EXPECT_EQ(dialog->windowTitle().toStdString(), "CHANNEL OPTION");
        EXPECT_EQ(dialog->m_pChannelField->text().toStdString(), "2");
        EXPECT_EQ(dialog->m_pRxGroup->checkedId(), kSigDcs);
        EXPECT_TRUE(dialog->m_pRxDcs->isEnabled());
        EXPECT_FALSE(dialog->m_pRxCtcss->isEnabled());
        EXPECT_FALSE(dialog->m_pTone->isEnabled());
        EXPECT_FALSE(dialog->m_pTwoToneChoice->isEnabled());
        EXPECT_EQ(dialog->m_pRxDcs->text().toStdString(), "023");
    }
}

TEST_F(ChannelDialogs, PickedTonesAreStoredAndShownOnTheirButtons) {
    auto dialog = Open(1);
    dialog->m_pRxGroup->button(kSigCtcss)->click();
    Answer<CTonePickerDlg>([](CTonePickerDlg& picker) {
        EXPECT_EQ(picker.windowTitle().toStdString(), " CTCSS");
        EXPECT_EQ(picker.m_pGrid->currentItem()->text().toStdString(), "67.0");  // the channel's tone
        EXPECT_EQ(picker.m_pGrid->item(0, 1)->background().color(), QColor(255, 204, 255));
        QTest::keyClick(picker.m_pGrid, Qt::Key_Down);
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(picker.m_pGrid, Qt::Key_Right);
        }
        QTest::keyClick(picker.m_pGrid, Qt::Key_Return);
    });
    QTest::mouseClick(dialog->m_pRxCtcss, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(Channel(1).m_dRxCtcss, 100.0);
    EXPECT_EQ(Channel(1).m_nRxOption, kSigCtcss);
    EXPECT_EQ(dialog->m_pRxCtcss->text().toStdString(), "100.0");

    dialog->m_pTxGroup->button(kSigDcs)->click();
    Answer<CTonePickerDlg>([](CTonePickerDlg& picker) {
        EXPECT_EQ(picker.m_pGrid->rowCount(), 8);
        EXPECT_EQ(picker.m_pGrid->columnCount(), 13);
        // A double click on a cell picks it: the press of its first click marks the cell.
        const QPoint cell = picker.m_pGrid->visualItemRect(picker.m_pGrid->item(0, 1)).center();
        QTest::mouseClick(picker.m_pGrid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mousePress(picker.m_pGrid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(picker.m_pGrid->viewport(), Qt::LeftButton, {}, cell);
        if (picker.isVisible()) {
            QTest::keyClick(picker.m_pGrid, Qt::Key_Enter);  // never leave the loop running
            ADD_FAILURE() << "a double click did not pick the cell";
        }
    });
    QTest::mouseClick(dialog->m_pTxDcs, Qt::LeftButton);
    EXPECT_EQ(Channel(1).m_nTxDcs, 25);
    EXPECT_EQ(dialog->m_pTxDcs->text().toStdString(), "025");
}

TEST_F(ChannelDialogs, TabOnCancelMovesToTheNextChannelAndWrapsAfterSixteen) {
    Channel(1).m_nTxOption = kSigCtcss;
    auto dialog = Open(15);
    dialog->m_pCancel->setFocus();
    QTest::keyClick(dialog->m_pCancel, Qt::Key_Tab);
    EXPECT_EQ(dialog->m_pChannelField->text().toStdString(), "16");
    EXPECT_TRUE(m_Sink.m_Messages.empty());
    dialog->m_pCancel->setFocus();
    QTest::keyClick(dialog->m_pCancel, Qt::Key_Tab);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Out of range channel"});
    EXPECT_EQ(dialog->m_nChannel, 1);
    EXPECT_EQ(dialog->m_pTxGroup->checkedId(), kSigCtcss);
    EXPECT_EQ(State().m_nCurChannel, 15);
}

TEST_F(ChannelDialogs, CancelPutsBackEveryChannelItShowedAndOkKeepsTheChoices) {
    auto dialog = Open(3);
    dialog->m_pRxGroup->button(kSigCtcss)->click();
    dialog->m_pCancel->setFocus();
    QTest::keyClick(dialog->m_pCancel, Qt::Key_Tab);
    dialog->m_pTxGroup->button(kSigDcs)->click();
    EXPECT_EQ(Channel(3).m_nRxOption, kSigCtcss);  // each choice goes in at once
    EXPECT_EQ(Channel(4).m_nTxOption, kSigDcs);
    QTest::mouseClick(dialog->m_pCancel, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(Channel(3).m_nRxOption, kSigNone);
    EXPECT_EQ(Channel(4).m_nTxOption, kSigNone);

    auto again = Open(3);
    again->m_pRxGroup->button(kSigDcs)->click();
    QTest::keyClick(again.get(), Qt::Key_Return);  // OK is the default button
    EXPECT_EQ(again->result(), QDialog::Accepted);
    EXPECT_EQ(Channel(3).m_nRxOption, kSigDcs);
}

TEST_F(ChannelDialogs, AfterTabTheToneButtonEditsTheChannelShown) {
    m_Doc.m_nModel = kModelKv330Uhf;
    State().m_bTwoToneLocked = 0;
    State().m_bTwoToneCodeOk = 1;
    auto dialog = Open(1);
    dialog->m_pCancel->setFocus();
    QTest::keyClick(dialog->m_pCancel, Qt::Key_Tab);
    dialog->m_pTwoToneChoice->click();
    EXPECT_EQ(Channel(2).m_nRxOption, kSigTwoTone);
    ASSERT_TRUE(dialog->m_pTone->isEnabled());
    int channel = 0;
    Answer<CTwoToneDlg>([&channel](CTwoToneDlg& tones) {
        channel = tones.m_nChannel;
        tones.m_Fields[0]->selectAll();
        QTest::keyClicks(tones.m_Fields[0], QStringLiteral("1005"));
        tones.m_pGroup->button(0)->click();
        QTest::keyClick(tones.m_Fields[0], Qt::Key_Return);  // OK checks the field being typed in
    });
    QTest::mouseClick(dialog->m_pTone, Qt::LeftButton);
    EXPECT_EQ(channel, 2);
    EXPECT_DOUBLE_EQ(Channel(2).m_dToneAFreq, 1000.0);
    EXPECT_EQ(Channel(2).m_nTwoToneGroup, 0);
    EXPECT_DOUBLE_EQ(Channel(1).m_dToneAFreq, 300.0);
    EXPECT_EQ(dialog->m_pTone->text().toStdString(), "Tone A");
}

TEST_F(ChannelDialogs, AWrongCodeAtTwoToneKeepsTheOptionTheChannelHad) {
    m_Doc.m_nModel = kModelKv330Vhf;
    State().m_bTwoToneLocked = 0;
    Channel(1).m_nRxOption = kSigCtcss;
    auto dialog = Open(1);
    Answer<CTwoToneCodeDlg>([](CTwoToneCodeDlg& code) {
        EXPECT_EQ(code.m_pCode->echoMode(), QLineEdit::Password);
        QTest::keyClicks(code.m_pCode, QStringLiteral("1234"));
        QTest::keyClick(code.m_pCode, Qt::Key_Return);  // ENABLE
    });
    QTest::mouseClick(dialog->m_pTwoToneChoice, Qt::LeftButton);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Wrong password!"});
    EXPECT_EQ(Channel(1).m_nRxOption, kSigCtcss);
    EXPECT_EQ(dialog->m_pRxGroup->checkedId(), kSigCtcss);
    EXPECT_TRUE(dialog->m_pRxCtcss->isEnabled());
    EXPECT_EQ(State().m_bTwoToneCodeOk, 0);
    EXPECT_EQ(State().m_nAccessCode, 1234);
}

TEST_F(ChannelDialogs, TheRightCodeAtTwoToneChoosesItAndIsNotAskedAgain) {
    m_Doc.m_nModel = kModelKv330Vhf;
    State().m_bTwoToneLocked = 0;
    auto dialog = Open(1);
    Answer<CTwoToneCodeDlg>([](CTwoToneCodeDlg& code) {
        QTest::keyClicks(code.m_pCode, QStringLiteral("7259"));
        QTest::mouseClick(code.m_pEnable, Qt::LeftButton);
    });
    dialog->m_pTwoToneChoice->click();
    EXPECT_EQ(Channel(1).m_nRxOption, kSigTwoTone);
    EXPECT_EQ(Channel(1).m_nTwoToneGroup, 2);
    EXPECT_EQ(State().m_bTwoToneCodeOk, 1);
    EXPECT_TRUE(dialog->m_pTone->isEnabled());
    int asked = 0;
    dialog->m_RunAccessCode = [&asked] { return ++asked > 0; };
    dialog->m_pRxGroup->button(kSigNone)->click();
    dialog->m_pTwoToneChoice->click();
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ChannelDialogs, DisableWithTheCodeAtTwoToneLocksAndCancelDoesNotBringTwoToneBack) {
    m_Doc.m_nModel = kModelKv330Vhf;
    State().m_bTwoToneLocked = 0;
    Channel(1).m_nRxOption = kSigTwoTone;
    auto dialog = Open(1);
    dialog->m_pRxGroup->button(kSigNone)->click();
    Answer<CTwoToneCodeDlg>([](CTwoToneCodeDlg& code) {
        QTest::keyClicks(code.m_pCode, QStringLiteral("7259"));
        QTest::mouseClick(code.m_pDisable, Qt::LeftButton);
    });
    dialog->m_pTwoToneChoice->click();
    EXPECT_EQ(State().m_bTwoToneLocked, 1);
    EXPECT_FALSE(dialog->m_pTwoToneChoice->isEnabled());
    EXPECT_EQ(dialog->m_pRxGroup->checkedId(), kSigNone);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(Channel(1).m_nRxOption, kSigNone);
}

TEST_F(ChannelDialogs, ALockedKv330OffersNoTwoToneAndModemNoticesComeOnce) {
    m_Doc.m_nModel = kModelKv330Uhf;
    m_Doc.m_bModem = 1;
    m_Doc.m_bModemGmsk = 1;
    auto dialog = Open(1);
    EXPECT_FALSE(dialog->m_pTwoToneChoice->isEnabled());  // a reset record is locked
    dialog->m_pRxGroup->button(kSigCtcss)->click();
    dialog->m_pRxGroup->button(kSigNone)->click();
    dialog->m_pRxGroup->button(kSigCtcss)->click();
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Tone isn't used in GMSK modem"});
}

TEST_F(ChannelDialogs, TwoToneFieldsAreCheckedWhenLeftAndCancelPutsThemBack) {
    CTwoToneDlg tones(m_Doc, m_Sink, 5);
    tones.show();
    tones.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tones));
    EXPECT_EQ(tones.m_Fields[0]->text().toStdString(), " 300");
    EXPECT_TRUE(tones.m_Fields[0]->hasFocus());
    tones.m_Fields[0]->selectAll();
    QTest::keyClicks(tones.m_Fields[0], QStringLiteral("305"));
    QTest::keyClick(tones.m_Fields[0], Qt::Key_Tab);
    EXPECT_EQ(tones.m_Fields[0]->text().toStdString(), " 300");
    tones.m_Fields[2]->setFocus();
    tones.m_Fields[2]->selectAll();
    QTest::keyClicks(tones.m_Fields[2], QStringLiteral("3000.5"));
    QTest::keyClick(tones.m_Fields[2], Qt::Key_Tab);
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Valid Settings 300 - 3000 Hz"});
    EXPECT_EQ(tones.m_Fields[2]->text().toStdString(), "300.0");
    tones.m_Fields[1]->setFocus();
    tones.m_Fields[1]->selectAll();
    QTest::keyClicks(tones.m_Fields[1], QStringLiteral("10005"));
    QTest::keyClick(tones.m_Fields[1], Qt::Key_Tab);
    EXPECT_DOUBLE_EQ(Channel(5).m_dToneADuration, 10000.0);
    tones.m_pGroup->button(1)->click();
    EXPECT_FALSE(tones.m_Fields[0]->isEnabled());
    EXPECT_TRUE(tones.m_Fields[2]->isEnabled());
    QTest::keyClick(&tones, Qt::Key_Escape);
    EXPECT_DOUBLE_EQ(Channel(5).m_dToneADuration, 300.0);
    EXPECT_EQ(Channel(5).m_nTwoToneGroup, 2);
}

TEST_F(ChannelDialogs, TheAccessCodeDialogLocksUnlocksAndTreatsEscapeAsDisable) {
    Channel(6).m_nRxOption = kSigTwoTone;
    {
        CTwoToneCodeDlg code(m_Doc, State(), m_Sink);
        code.show();
        QTest::keyClick(code.m_pCode, Qt::Key_Escape);
        EXPECT_EQ(code.result(), QDialog::Rejected);
    }
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{"Wrong password!"});
    EXPECT_EQ(State().m_bTwoToneLocked, 1);
    EXPECT_EQ(Channel(6).m_nRxOption, kSigTwoTone);
    {
        CTwoToneCodeDlg code(m_Doc, State(), m_Sink);
        code.show();
        QTest::keyClicks(code.m_pCode, QStringLiteral("7259"));
        QTest::keyClick(code.m_pCode, Qt::Key_Return);
        EXPECT_EQ(code.result(), QDialog::Accepted);
    }
    EXPECT_EQ(State().m_bTwoToneLocked, 0);
    {
        CTwoToneCodeDlg code(m_Doc, State(), m_Sink);
        code.show();
        QTest::keyClicks(code.m_pCode, QStringLiteral("7259"));
        QTest::mouseClick(code.m_pDisable, Qt::LeftButton);
    }
    EXPECT_EQ(State().m_bTwoToneLocked, 1);
    EXPECT_EQ(Channel(6).m_nRxOption, kSigNone);
}

}  // namespace

TEST_F(ChannelDialogs, WithTheGmskModemOnlyAToneChoiceGivesTheOnceOnlyNotice) {
    m_Doc.m_bModem = m_Doc.m_bModemGmsk = 1;
    auto dialog = Open(1);
    // TX DCS sends a code, not a tone: it must neither warn nor use up the notice of TX CTCSS.
    const std::tuple<QButtonGroup*, int, bool> steps[] = {{dialog->m_pTxGroup, kSigDcs, false},
                                                          {dialog->m_pTxGroup, kSigCtcss, true},
                                                          {dialog->m_pRxGroup, kSigDcs, false}};
    for (const auto& [group, choice, notice] : steps) {
        m_Sink.m_Messages.clear();
        m_Sink.m_Kinds.clear();
        group->button(choice)->setFocus();
        QTest::keyClick(group->button(choice), Qt::Key_Space);
        EXPECT_EQ(group->checkedId(), choice);
        EXPECT_EQ(m_Sink.m_Messages,
                  notice ? std::vector<std::string>{kMsgGmskTone} : std::vector<std::string>{});
        EXPECT_EQ(m_Sink.m_Kinds.size(), m_Sink.m_Messages.size());
        EXPECT_TRUE(m_Sink.m_Kinds.empty() || m_Sink.m_Kinds[0] == EMessageKind::Information);
    }
}
