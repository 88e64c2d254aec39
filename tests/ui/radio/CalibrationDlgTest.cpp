#include "radio/CalibrationDlg.h"

#include <QTest>
#include <cerrno>

#include "radio/ServiceRig.h"

namespace {

using CRig = CServiceRig<CCalibrationDlg>;

const Bytes kReceive{0x61, 0x72, 0xD3};
const Bytes kTransmit{0x61, 0x74, 0xD5};
const Bytes kReset{0x86, 0x01, 0x87};

}  // namespace

TEST(CalibrationDlg, OpensFromTheStatusRecord) {
    struct SCase {
        uint8_t modem;
        int statusBytes;
        int align;  // the alignment radio selected and available
        bool gmskSignals, ffskSignals;
        int channel;
        const char* version;
    };
    const SCase cases[] = {
        {0xA1, 4, CCalibrationDlg::kAlignGmsk, true, false, 5, "1.2"},
        {0xA2, 4, CCalibrationDlg::kAlignFfsk, false, true, 5, "1.2"},
        {0xA0, 4, CCalibrationDlg::kNone, false, false, 5, "1.2"},
        {0xA2, 3, CCalibrationDlg::kNone, false, false, 5, "1.2"},  // the modem byte cut off
        {0xA2, 2, CCalibrationDlg::kNone, false, false, 1, ""},     // too short to trust
    };
    for (const SCase& c : cases) {
        CRig rig(c.modem);
        rig.m_Radio.m_Faults.m_nStatusBytes = c.statusBytes;
        CCalibrationDlg& dlg = rig.Open();
        SCOPED_TRACE(c.statusBytes * 256 + c.modem);
        EXPECT_EQ(rig.m_pPort->m_Writes.size(), 2u);
        EXPECT_EQ(dlg.m_pChannel->value(), c.channel);
        EXPECT_EQ(rig.m_State.m_nRadioChannel, c.channel);
        EXPECT_EQ(rig.m_strVersion, c.version);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(dlg.m_pAlign[i]->isChecked(), c.align == i);
            EXPECT_EQ(dlg.m_pAlign[i]->isEnabled(), c.align == i);
        }
        EXPECT_EQ(dlg.m_pAlignTx->isVisibleTo(&dlg), c.gmskSignals);
        EXPECT_EQ(dlg.m_pSpace->isVisibleTo(&dlg), c.ffskSignals);
        EXPECT_EQ(dlg.m_pMark->isVisibleTo(&dlg), c.ffskSignals);
        EXPECT_FALSE(dlg.m_pGpsData[0]->isEnabled());
        EXPECT_TRUE(rig.m_Sink.m_Messages.empty());
    }
}

TEST(CalibrationDlg, OpeningFailuresCloseTheDialogAndGiveThePortBack) {
    CRig failed;
    failed.m_pPort->m_nOpenError = ENOENT;
    failed.Open();
    ASSERT_EQ(failed.m_Sink.m_Messages.size(), 1u);
    EXPECT_EQ(failed.m_Sink.m_Messages[0].rfind("Fail to open PORT4\n", 0), 0u)
        << failed.m_Sink.m_Messages[0];
    EXPECT_EQ(failed.Dlg().result(), QDialog::Rejected);
    EXPECT_FALSE(failed.Dlg().isVisible());
    EXPECT_FALSE(failed.m_Link.IsBusy());

    CRig refused;
    refused.m_Radio.m_Faults.m_bRefuse = true;
    refused.Open();
    EXPECT_EQ(refused.m_Sink.m_Messages, std::vector<std::string>{"Error!"});
    EXPECT_FALSE(refused.m_pPort->m_bOpen);
    EXPECT_FALSE(refused.m_Link.IsBusy());

    CRig busy;
    CLinkLease lease = busy.m_Link.Borrow("the radio write");
    CCalibrationDlg dlg(busy.m_Ctx);
    EXPECT_FALSE(dlg.Open());
    EXPECT_EQ(busy.m_Sink.m_Messages, std::vector<std::string>{PortBusyText("the radio write")});
}

TEST(CalibrationDlg, ChannelOutOfRangeIsSentAsChannelOneAndClearsTheScanChoice) {
    CRig rig;
    rig.m_Doc.m_nScanMode = 1;
    CCalibrationDlg& dlg = rig.Open();
    EXPECT_TRUE(dlg.m_pScan[1]->isChecked());
    QTest::keyClick(dlg.m_pChannel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dlg.m_pChannel, "20");
    rig.Click(dlg.m_pSetChannel);
    EXPECT_EQ(rig.Sent(), std::vector<Bytes>{Bytes({0x64, 0x00, 0x64})});
    EXPECT_EQ(dlg.m_pChannel->text().toStdString(), "1");
    EXPECT_FALSE(dlg.m_pScan[1]->isChecked());
    EXPECT_EQ(rig.m_Radio.m_nChannel, 1);
}

TEST(CalibrationDlg, ScanSetSendsTheChoiceAndNothingWithoutOne) {
    CRig rig;
    rig.m_Doc.m_nScanMode = 3;  // no scan choice of the dialog's
    CCalibrationDlg& dlg = rig.Open();
    EXPECT_EQ(dlg.m_pScanGroup->checkedId(), -1);
    rig.Click(dlg.m_pSetScan);
    EXPECT_TRUE(rig.Sent().empty());
    rig.Click(dlg.m_pScan[2]);
    rig.Click(dlg.m_pSetScan);
    EXPECT_EQ(rig.Sent(), std::vector<Bytes>{Bytes({0x62, 0x4F, 0xB1})});
}

TEST(CalibrationDlg, InTxModeEverythingButResetIsRefused) {
    CRig rig;
    CCalibrationDlg& dlg = rig.Open();
    rig.Click(dlg.m_pTransmit);
    EXPECT_EQ(rig.Sent(), std::vector<Bytes>{kTransmit});
    EXPECT_TRUE(rig.m_pPort->m_Lines.back().m_bOn);
    EXPECT_EQ(dlg.m_pTransmit->text().toStdString(), "Tx Mode");
    EXPECT_FALSE(dlg.m_pGpsPower->isEnabled());
    EXPECT_FALSE(dlg.m_pTestData->isEnabled());
    EXPECT_FALSE(dlg.m_pFirmware->isEnabled());
    rig.Mark();
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             dlg.m_pScan[1], dlg.m_pSetScan, dlg.m_pSetChannel, dlg.m_pAlignTx, dlg.m_pAlign[0]}) {
        rig.Click(button);
    }
    EXPECT_EQ(rig.m_Sink.m_Messages, std::vector<std::string>(5, kMsgTxMode));
    EXPECT_FALSE(dlg.m_pScan[1]->isChecked());
    EXPECT_FALSE(dlg.m_pAlignTx->isChecked());
    EXPECT_TRUE(dlg.m_pAlign[0]->isChecked());  // the modem choice survives the refusal
    EXPECT_TRUE(rig.Sent().empty());
    rig.Click(dlg.m_pReset);
    EXPECT_EQ(rig.Sent(), std::vector<Bytes>{kReset});
}

TEST(CalibrationDlg, ARefusedTransmitReturnsToReceive) {
    CRig rig;
    rig.m_Radio.m_Faults.m_bTransmitNotAllowed = true;
    CCalibrationDlg& dlg = rig.Open();
    rig.Click(dlg.m_pTransmit);
    EXPECT_EQ(rig.m_Sink.m_Messages, std::vector<std::string>{kTextNotAllowed});
    EXPECT_FALSE(dlg.m_pTransmit->isChecked());
    EXPECT_EQ(dlg.m_pTransmit->text().toStdString(), "Rx Mode");
    EXPECT_TRUE(dlg.m_pGpsPower->isEnabled());
    EXPECT_TRUE(dlg.m_pFirmware->isEnabled());
}

TEST(CalibrationDlg, SpaceWhileMarkIsOnSwitchesMarkOffFirst) {
    CRig rig(0xA2);
    CCalibrationDlg& dlg = rig.Open();
    rig.Click(dlg.m_pMark);
    EXPECT_FALSE(dlg.m_pTransmit->isEnabled());
    rig.Mark();
    rig.Click(dlg.m_pSpace);
    EXPECT_EQ(rig.Sent(), (std::vector<Bytes>{{0x7C, 0x00, 0x7C}, {0x7E, 0x01, 0x7F}}));
    EXPECT_TRUE(dlg.m_pSpace->isChecked());
    EXPECT_FALSE(dlg.m_pMark->isChecked());
    EXPECT_EQ(dlg.m_pSpace->text().toStdString(), "Space Enable");
    EXPECT_EQ(dlg.m_pMark->text().toStdString(), "Mark Disable");
    EXPECT_FALSE(dlg.m_pSetChannel->isEnabled());
    rig.Click(dlg.m_pSpace);
    EXPECT_TRUE(dlg.m_pSetChannel->isEnabled());
}

TEST(CalibrationDlg, TestDataGreysEverythingElse) {
    CRig rig;
    CCalibrationDlg& dlg = rig.Open();
    rig.Click(dlg.m_pTestData);
    EXPECT_EQ(rig.Sent(), std::vector<Bytes>{Bytes({0x75, 0x78, 0xED})});
    for (QWidget* w :
         std::initializer_list<QWidget*>{dlg.m_pChannel, dlg.m_pTransmit, dlg.m_pSetScan, dlg.m_pGpsPower,
                                         dlg.m_pAlign[0], dlg.m_pAlignTx, dlg.m_pFirmware}) {
        EXPECT_FALSE(w->isEnabled()) << w->accessibleName().toStdString();
    }
    EXPECT_TRUE(dlg.m_pReset->isEnabled());
    rig.Click(dlg.m_pTestData);
    EXPECT_TRUE(dlg.m_pAlign[0]->isEnabled());
    EXPECT_FALSE(dlg.m_pAlign[1]->isEnabled());
}

TEST(CalibrationDlg, GpsDataActsOnlyWhilePowered) {
    CRig rig;
    CCalibrationDlg& dlg = rig.Open();
    rig.Click(dlg.m_pGpsPower);
    EXPECT_EQ(dlg.m_pGpsPower->text().toStdString(), "Power Enable");
    EXPECT_TRUE(dlg.m_pGpsData[2]->isEnabled());
    EXPECT_FALSE(dlg.m_pTestData->isEnabled());
    rig.Click(dlg.m_pGpsData[2]);
    EXPECT_EQ(dlg.m_pGpsData[2]->text().toStdString(), " RF Transmission Enable");
    rig.Click(dlg.m_pGpsPower);
    EXPECT_EQ(rig.Sent(), (std::vector<Bytes>{{0x6A, 0x01, 0x6B}, {0x63, 0x02, 0x65}, {0x6A, 0x00, 0x6A}}));
    EXPECT_TRUE(dlg.m_pGpsData[0]->isChecked());
    EXPECT_EQ(dlg.m_pGpsData[2]->text().toStdString(), " RF Transmission Disable");
    EXPECT_FALSE(dlg.m_pGpsData[0]->isEnabled());
}

TEST(CalibrationDlg, FirmwareToggleFollowsTheRadiosReply) {
    CRig rig;
    CCalibrationDlg& dlg = rig.Open();
    rig.m_Radio.m_Faults.m_bSilent = true;
    rig.Click(dlg.m_pFirmware);
    EXPECT_FALSE(dlg.m_pFirmware->isChecked());
    EXPECT_EQ(rig.Sent(), std::vector<Bytes>{Bytes({0x85, 0x01, 0x86})});
    rig.m_Radio.m_Faults.m_bSilent = false;
    rig.Click(dlg.m_pFirmware);
    EXPECT_TRUE(dlg.m_pFirmware->isChecked());
    EXPECT_EQ(dlg.m_pFirmware->text().toStdString(), "Enable");
}

TEST(CalibrationDlg, AnExchangeGreysTheDialogAndShowsTheWaitCursor) {
    CRig rig;
    CCalibrationDlg& dlg = rig.Open();
    dlg.m_pReset->setFocus();
    dlg.m_pReset->click();
    EXPECT_FALSE(dlg.m_pReset->isEnabled());
    EXPECT_EQ(dlg.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(dlg.focusWidget(), dlg.m_pStatus);  // a key pressed meanwhile cannot reach CLOSE
    EXPECT_EQ(dlg.m_pStatus->text().toStdString(), "Waiting for the radio...");
    dlg.WaitUntilIdle();
    EXPECT_TRUE(dlg.m_pReset->isEnabled());
    EXPECT_NE(dlg.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(dlg.focusWidget(), dlg.m_pReset);
}

TEST(CalibrationDlg, ClosingEndsTransmitAndTestSignalsThenClosesThePort) {
    struct SCase {
        uint8_t modem;
        std::vector<QPushButton * CCalibrationDlg::*> pressed;
        std::vector<Bytes> closing;
    };
    const SCase cases[] = {
        {0xA1, {&CCalibrationDlg::m_pTransmit}, {kReceive}},
        {0xA1, {&CCalibrationDlg::m_pTestData}, {{0x75, 0x79, 0xEE}}},
        {0xA1, {&CCalibrationDlg::m_pAlignTx}, {{0x7A, 0x00, 0x7A}}},
        {0xA2, {&CCalibrationDlg::m_pMark}, {{0x7C, 0x00, 0x7C}}},
        {0xA2, {&CCalibrationDlg::m_pSpace}, {{0x7E, 0x00, 0x7E}}},
        {0xA2, {}, {}},
    };
    for (const SCase& c : cases) {
        CRig rig(c.modem);
        CCalibrationDlg& dlg = rig.Open();
        for (auto member : c.pressed) {
            rig.Click(dlg.*member);
        }
        rig.Mark();
        QTest::keyClick(&dlg, Qt::Key_Escape);  // as the title bar's close box: the same as CLOSE
        dlg.WaitUntilIdle();
        EXPECT_EQ(rig.Sent(), c.closing);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_FALSE(rig.m_pPort->m_bOpen);
        EXPECT_FALSE(rig.m_Link.IsBusy());
        EXPECT_FALSE(rig.m_Radio.m_bTransmitting);
    }
}

TEST(CalibrationDlg, DestroyedWithoutACloseTheRadioStillStopsTransmitting) {
    CRig rig;
    rig.Click(rig.Open().m_pTransmit);
    rig.Mark();
    rig.m_pDialog.reset();
    EXPECT_EQ(rig.Sent(), std::vector<Bytes>{kReceive});
    EXPECT_FALSE(rig.m_pPort->m_bOpen);
    EXPECT_FALSE(rig.m_Link.IsBusy());
}

TEST(CalibrationDlg, CloseDuringAnExchangeWaitsForIt) {
    CRig rig;
    CCalibrationDlg& dlg = rig.Open();
    dlg.m_pTransmit->click();
    dlg.m_pClose->click();
    EXPECT_TRUE(dlg.isVisible());
    while (dlg.isVisible()) {
        dlg.WaitUntilIdle();
        QApplication::processEvents();
    }
    EXPECT_EQ(rig.Sent(), (std::vector<Bytes>{kTransmit, kReceive}));
    EXPECT_FALSE(rig.m_Link.IsBusy());
}
