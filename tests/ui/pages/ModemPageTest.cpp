#include <QRadioButton>
#include <QTimer>
#include <set>

#include "EepromImage.h"
#include "EepromLayout.h"
#include "SettingsFile.h"
#include "dialogs/ScanWarningDlg.h"
#include "pages/OptionPageFixture.h"

TEST_F(OptionPageTest, SwitchingAModemTypeOnFillsItsSortedBaudListsAndGreysTheOtherTypes) {
    CModemPage& page = ModemPage();
    EXPECT_EQ(State().m_bModemPageReady, 1);
    Press(page.m_pGmsk);
    EXPECT_EQ(Entries(page.m_cbSBand), (Texts{"4800", "9600"}));
    EXPECT_EQ(Entries(page.m_cbNBand), Texts{"4800"});
    EXPECT_EQ(page.m_cbSBand->currentText().toStdString(), "9600");
    EXPECT_EQ(m_Doc.m_nSBandBaud, 1);
    EXPECT_EQ(m_Doc.m_nNBandBaud, 0);
    EXPECT_FALSE(page.m_pFfsk->isEnabled() || page.m_pAfsk->isEnabled() || page.m_cbTxDelay2->isEnabled());

    Press(page.m_pModemToggle);
    EXPECT_EQ(m_Doc.m_bModem, 1);
    EXPECT_EQ(page.m_pModemToggle->text().toStdString(), "Modem Enable");
    Press(page.m_pGmsk);  // clearing the type switches the modem off
    EXPECT_EQ(m_Doc.m_bModemGmsk, 0);
    EXPECT_EQ(m_Doc.m_bModem, 0);
    EXPECT_EQ(page.m_pModemToggle->text().toStdString(), "Modem Disable");
    EXPECT_TRUE(page.m_pFfsk->isEnabled() && page.m_pAfsk->isEnabled() && page.m_cbTxDelay2->isEnabled());
    EXPECT_FALSE(page.m_cbSBand->isEnabled());

    Press(page.m_pFfsk);
    EXPECT_EQ(Entries(page.m_cbSBand), (Texts{"1200", "2400", "4800"}));
    EXPECT_EQ(Entries(page.m_cbNBand), (Texts{"1200", "2400"}));
    EXPECT_EQ(page.m_cbSBand->currentText().toStdString(), "4800");
    EXPECT_EQ(page.m_cbNBand->currentText().toStdString(), "2400");
    EXPECT_EQ(m_Doc.m_nSBandBaud, 2);
    EXPECT_EQ(m_Doc.m_nNBandBaud, 1);
    EXPECT_FALSE(page.m_pGmsk->isEnabled());
    Press(page.m_pModemToggle);
    Choose(page.m_cbSBand, 0);
    EXPECT_EQ(m_Doc.m_nSBandBaud, 0);
}

TEST_F(OptionPageTest, TheModemToggleWantsATypeAndWarnsAboutScanMembers) {
    CModemPage& page = ModemPage();
    Press(page.m_pModemToggle);
    EXPECT_EQ(TakeMessages(), Texts{"You should select GMSK, FFSK or AFSK!"});
    EXPECT_EQ(m_Doc.m_bModem, 0);
    EXPECT_FALSE(page.m_pModemToggle->isChecked());

    m_Doc.m_Channel[2].m_bScan = 1;
    m_Doc.m_Channel[7].m_bScan = 1;
    m_Doc.m_Channel[4].m_nRxOption = kSigCtcss;
    Press(page.m_pGmsk);
    std::vector<std::string> asked;
    bool answer = false;
    page.m_RunScanWarning = [&](const QString& state, const QString& yesEffect) {
        asked = {state.toStdString(), yesEffect.toStdString()};
        return answer;
    };
    Press(page.m_pModemToggle);  // NO
    EXPECT_EQ(asked, (Texts{"2 channels are scan members while the modem is being enabled.",
                            "the scan mark of every channel is cleared and the modem stays enabled."}));
    EXPECT_EQ(m_Doc.m_bModem, 0);
    EXPECT_EQ(page.m_pModemToggle->text().toStdString(), "Modem Disable");
    EXPECT_EQ(m_Doc.m_Channel[7].m_bScan, 1);
    EXPECT_TRUE(TakeMessages().empty());

    answer = true;
    asked.clear();
    Press(page.m_pModemToggle);  // YES
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(m_Doc.m_bModem, 1);
    EXPECT_EQ(m_Doc.m_Channel[2].m_bScan + m_Doc.m_Channel[7].m_bScan, 0);
    EXPECT_EQ(TakeMessages(), Texts{"Tone isn't used in GMSK modem"});

    State().m_bGmskToneWarned = 1;
    asked.clear();
    Press(page.m_pModemToggle);  // off: nothing left to warn about
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(State().m_bGmskToneWarned, 0);
}

TEST_F(OptionPageTest, TheScanWarningSaysWhatIsAndWhatYesDoesAndAnswersFromTheKeyboard) {
    EnsureApplication();
    for (const bool yes : {false, true}) {
        CScanWarningDlg dialog(QStringLiteral("state"), QStringLiteral("effect"));
        EXPECT_EQ(dialog.windowTitle().toStdString(), " WARNING");
        EXPECT_EQ(dialog.m_pState->text().toStdString(), "state");
        EXPECT_EQ(dialog.m_pYesEffect->text().toStdString(), "effect");
        QTimer::singleShot(0, &dialog, [&dialog, yes] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            if (yes) {  // NO has the focus first
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            }
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        });
        EXPECT_EQ(dialog.exec(), yes ? QDialog::Accepted : QDialog::Rejected);
    }
}

TEST_F(OptionPageTest, TheDelayFieldsRoundToEvenAndRefuseTooLongDelays) {
    CModemPage& page = ModemPage();
    const struct {
        CCommitEdit* field;
        const char* typed;
        int32_t CDataRadioDoc::*member;
        int32_t stored;
        const char* message;
    } cases[] = {
        {page.m_pTxOffDelay, "7", &CDataRadioDoc::m_nTxOffDelay, 6, nullptr},
        {page.m_pTxOffDelay, "17", &CDataRadioDoc::m_nTxOffDelay, 16, nullptr},
        {page.m_pTxOffDelay, "18", &CDataRadioDoc::m_nTxOffDelay, 0, "Valid Settings 0 - 16 ms"},
        {page.m_pTxOnDelay, "255", &CDataRadioDoc::m_nTxOnTime, 254, nullptr},
        {page.m_pTxOnDelay, "300", &CDataRadioDoc::m_nTxOnTime, 0, "Valid Settings 0 - 255 ms"},
        {page.m_pRxOnDelay, "127", &CDataRadioDoc::m_nRxOnDelay, 126, nullptr},
        {page.m_pRxOnDelay, "128", &CDataRadioDoc::m_nRxOnDelay, 0, "Valid Settings 0 - 127 ms"},
    };
    for (const auto& c : cases) {
        Type(c.field, c.typed);
        EXPECT_EQ(m_Doc.*c.member, c.stored) << c.typed;
        EXPECT_EQ(c.field->text().toStdString(), std::to_string(c.stored)) << c.typed;
        EXPECT_EQ(TakeMessages(), c.message ? Texts{c.message} : Texts{}) << c.typed;
        EXPECT_EQ(c.field->hasFocus(), c.message != nullptr) << c.typed;
    }
    // A load puts the radio's own defaults back into the two on-delays left at 0.
    page.RefreshFromRecord();
    EXPECT_EQ(m_Doc.m_nTxOnTime, 20);
    EXPECT_EQ(m_Doc.m_nRxOnDelay, 6);
    EXPECT_EQ(m_Doc.m_nTxOffDelay, 0);
    EXPECT_EQ(page.m_pTxOnDelay->text().toStdString(), "20");
}

TEST_F(OptionPageTest, FlowControlModesBaseBlockAndDefaultKeepTheirRules) {
    CModemPage& page = ModemPage();
    EXPECT_TRUE(page.m_pAuto->isChecked());
    Press(page.m_pBaseBlock);
    EXPECT_EQ(m_Doc.m_bBaseBlock, 1);
    Choose(page.m_cbBaseBlockSize, 3);
    EXPECT_EQ(m_Doc.m_nBaseBlockSize, 3);
    Choose(page.m_cbFlowControl, 0);  // NONE
    EXPECT_EQ(m_Doc.m_nFlowControl, 0);
    EXPECT_EQ(m_Doc.m_nBaseBlockSize, 0);
    EXPECT_EQ(page.m_cbBaseBlockSize->currentText().toStdString(), "NONE");
    EXPECT_FALSE(page.m_cbBaseBlockSize->isEnabled());
    Press(page.m_pBaseBlock);  // cleared
    Choose(page.m_cbFlowControl, 2);
    EXPECT_EQ(m_Doc.m_nFlowControl, 2);
    EXPECT_TRUE(page.m_cbBaseBlockSize->isEnabled());

    Press(page.m_pDumb);
    EXPECT_EQ(m_Doc.m_nModemMode, 1);
    EXPECT_EQ(Entries(page.m_cbFlowControl), Texts{"NONE"});
    EXPECT_EQ(m_Doc.m_nFlowControl, 0);
    EXPECT_FALSE(page.m_pBaseBlock->isEnabled() || page.m_cbWaitBusy->isEnabled() ||
                 page.m_cbTxDelay1->isEnabled());
    Press(page.m_pAuto);
    EXPECT_EQ(m_Doc.m_nModemMode, 2);
    EXPECT_EQ(page.m_cbFlowControl->currentText().toStdString(), "Xon/Xoff");
    EXPECT_EQ(m_Doc.m_nFlowControl, 1);

    Press(page.m_pBaseBlock);
    Choose(page.m_cbPreamble, 9);
    Choose(page.m_cbTxDelay1, 0);
    Choose(page.m_cbFlowControl, 2);
    Press(page.m_pDefault);
    EXPECT_EQ(m_Doc.m_nPreambleSize, 2);
    EXPECT_EQ(m_Doc.m_nTxDelayTime1, 3);
    EXPECT_EQ(m_Doc.m_nFlowControl, 1);
    EXPECT_EQ(m_Doc.m_bBaseBlock, 0);
    EXPECT_EQ(page.m_cbFlowControl->currentText().toStdString(), "Xon/Xoff");
    EXPECT_EQ(page.m_cbPreamble->currentText().toStdString(), "32");
    EXPECT_FALSE(page.m_pBaseBlock->isChecked() || page.m_cbBaseBlockSize->isEnabled());
}

TEST_F(OptionPageTest, TxDelay2UnderFourHundredIsRefusedOnTheKv310Vhf) {
    CModemPage& page = ModemPage();
    ASSERT_EQ(m_Doc.m_nModel, kModelKv310Vhf);
    Focus(page.m_cbTxDelay2);
    QTest::keyClick(page.m_cbTxDelay2, Qt::Key_3);  // jumps to "300" as a user types it
    EXPECT_EQ(TakeMessages(), Texts{"KV150 dosen't have under 400 value"});
    EXPECT_EQ(m_Doc.m_nTxDelayTime2, 4);
    EXPECT_EQ(page.m_cbTxDelay2->currentText().toStdString(), "400");
    m_Doc.m_nModel = kModelKv330Vhf;
    Choose(page.m_cbTxDelay2, 1);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(m_Doc.m_nTxDelayTime2, 1);
}

TEST_F(OptionPageTest, SettingsFromAFileAndFromAReadShowOnTheModemPageAndEditsReachTheImage) {
    CModemPage& page = ModemPage();
    CDataRadioDoc file;
    file.m_bModemFfsk = 1;
    file.m_bModem = 1;
    file.m_nSBandBaud = 1;
    file.m_nNBandBaud = 0;
    file.m_nTxOffDelay = 8;
    file.m_nWaitBusyTime = 4;
    m_strOpenPath = m_Dir.File("modem.dat");
    ASSERT_TRUE(OnSaveDocument(file, m_strOpenPath, m_Sink));
    View().OnFileOpen();
    EXPECT_TRUE(page.m_pFfsk->isChecked());
    EXPECT_EQ(page.m_cbSBand->currentText().toStdString(), "2400");
    EXPECT_EQ(page.m_cbNBand->currentText().toStdString(), "1200");
    EXPECT_EQ(page.m_pModemToggle->text().toStdString(), "Modem Enable");
    EXPECT_EQ(page.m_pTxOffDelay->text().toStdString(), "8");
    EXPECT_EQ(page.m_cbWaitBusy->currentText().toStdString(), "500");

    // A read decodes the radio's image into the record and refreshes the ready pages.
    CDataRadioDoc radio;
    radio.m_bModemGmsk = 1;
    radio.m_bModem = 1;
    radio.m_nSBandBaud = 1;
    radio.m_bGps = 1;
    radio.m_nGpsDelay = 200;
    radio.m_nScanDelay = 9;
    CEepromImage image;
    image.EncodeImage(radio);
    image.DecodeImage(m_Doc);
    State().m_bFileLoaded = 1;
    View().m_Ctx.m_View.RefreshAfterLoad();
    EXPECT_TRUE(page.m_pGmsk->isChecked());
    EXPECT_FALSE(page.m_pFfsk->isChecked());
    EXPECT_EQ(page.m_cbSBand->currentText().toStdString(), "9600");
    CSystemPage& system = SystemPage();
    EXPECT_EQ(system.m_pGpsDelay->text().toStdString(), "200");
    EXPECT_EQ(system.m_cbScanDelay->currentText().toStdString(), "10");

    View().OnViewModem();
    Press(page.m_pModemToggle);
    Type(page.m_pRxOnDelay, "40");
    image.EncodeImage(m_Doc);
    EXPECT_EQ(image.m_Work[kModemFlag.m_nAddr] & Bit(kModemFlag.m_nBit), 0);
    EXPECT_EQ(image.m_Work[kRxOnDelay.m_nAddr], 20);
}

TEST_F(OptionPageTest, EveryControlOfBothPagesIsNamedAndReachedWithTab) {
    StartShown();
    for (const int index : {kPageSystem, kPageModem}) {
        View().ShowPage(index);
        COptionPage* page = Sheet().Page(index);
        std::set<QWidget*> expected;
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if ((control->focusPolicy() & Qt::TabFocus) != 0 && control->isVisible()) {
                EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
                expected.insert(control);
            }
        }
        ASSERT_FALSE(expected.empty());
        // Radio groups take one Tab stop; switch every control on so that none is skipped as greyed.
        for (QWidget* control : expected) {
            control->setEnabled(true);
        }
        std::set<QWidget*> reached;
        Focus(*expected.begin());
        for (size_t i = 0; i < 3 * expected.size(); ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* control : expected) {
            const auto* radio = qobject_cast<QRadioButton*>(control);
            if (radio == nullptr) {
                EXPECT_TRUE(reached.count(control) == 1) << control->accessibleName().toStdString();
            }
        }
    }
}

TEST_F(OptionPageTest, ChoosingAModelReappliesTheModemRulesAndShowsTheResetRecord) {
    CModemPage& page = ModemPage();
    Press(page.m_pFfsk);
    Press(page.m_pModemToggle);
    const int refreshes = page.m_nRefreshCount;
    View().ApplyModelSelection(kModelKv330Vhf);
    EXPECT_GE(page.m_nRefreshCount, refreshes + 3);  // twice for the KV330 rules, once with the pages
    EXPECT_EQ(m_Doc.m_bModem, 0);
    EXPECT_FALSE(page.m_pFfsk->isChecked());
    EXPECT_TRUE(page.m_pGmsk->isEnabled() && page.m_pFfsk->isEnabled() && page.m_pAfsk->isEnabled());
    EXPECT_EQ(page.m_pModemToggle->text().toStdString(), "Modem Disable");
}
