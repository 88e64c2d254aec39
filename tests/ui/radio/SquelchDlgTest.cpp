#include "radio/SquelchDlg.h"

#include <QTest>

#include "radio/ServiceRig.h"

namespace {

using CSquelchRig = CServiceRig<CSquelchDlg>;

std::vector<bool> Available(CSquelchDlg& dlg) {
    return {dlg.m_pSetOpen->isEnabled(), dlg.m_pSetClose->isEnabled(), dlg.m_pSave->isEnabled()};
}

}  // namespace

TEST(SquelchDlg, OpensInThePresetStateOnChannelOne) {
    CSquelchRig rig;
    CSquelchDlg& dlg = rig.Open();
    EXPECT_EQ(Available(dlg), std::vector<bool>(3, false));
    EXPECT_EQ(dlg.m_pUnmuted->text().toStdString(), "- 115");
    EXPECT_EQ(dlg.m_pMuted->text().toStdString(), "- 120");
    EXPECT_EQ(dlg.m_pChannel->value(), 1);
    EXPECT_EQ(rig.m_State.m_nRadioChannel, 5);
    EXPECT_EQ(rig.m_strVersion, "1.2");
}

TEST(SquelchDlg, CustomModeOpensTheLevelsAndSaveOrDefaultEndIt) {
    CSquelchRig rig;
    CSquelchDlg& dlg = rig.Open();
    rig.Click(dlg.m_pCustom);
    EXPECT_EQ(dlg.m_pCustom->text().toStdString(), "Custom Mode");
    EXPECT_EQ(Available(dlg), std::vector<bool>(3, true));
    rig.Click(dlg.m_pCustom);
    EXPECT_EQ(dlg.m_pCustom->text().toStdString(), "Custom Define?");
    EXPECT_EQ(Available(dlg), std::vector<bool>(3, false));

    rig.Click(dlg.m_pCustom);
    rig.Click(dlg.m_pSetOpen);
    rig.Click(dlg.m_pSetClose);
    rig.Click(dlg.m_pSave);
    EXPECT_EQ(Available(dlg), std::vector<bool>(3, false));
    EXPECT_EQ(dlg.m_pCustom->text().toStdString(), "Custom Define ?");
    EXPECT_FALSE(dlg.m_pCustom->isChecked());

    rig.Click(dlg.m_pCustom);
    rig.Click(dlg.m_pDefault);
    EXPECT_EQ(Available(dlg), (std::vector<bool>{false, false, true}));  // SAVE stays as it was
    EXPECT_EQ(dlg.m_pCustom->text().toStdString(), "Custom Define ?");
    EXPECT_EQ(
        rig.Sent(),
        (std::vector<Bytes>{{0x50, 0x01, 0x51}, {0x51, 0x02, 0x53}, {0x56, 0x04, 0x5A}, {0x52, 0x03, 0x55}}));
    EXPECT_TRUE(rig.m_Sink.m_Messages.empty());
}

TEST(SquelchDlg, ChannelZeroIsSentAsChannelOne) {
    CSquelchRig rig;
    CSquelchDlg& dlg = rig.Open();
    QTest::keyClick(dlg.m_pChannel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dlg.m_pChannel, "0");
    rig.Click(dlg.m_pSetChannel);
    EXPECT_EQ(rig.Sent(), std::vector<Bytes>{Bytes({0x64, 0x00, 0x64})});
    EXPECT_EQ(dlg.m_pChannel->value(), 1);
    QTest::keyClick(dlg.m_pChannel, Qt::Key_Up);
    QTest::keyClick(dlg.m_pChannel, Qt::Key_PageUp);
    EXPECT_EQ(dlg.m_pChannel->value(), 12);
    QTest::keyClick(dlg.m_pChannel, Qt::Key_Return);  // Enter sends the channel, it does not close
    dlg.WaitUntilIdle();
    EXPECT_EQ(rig.m_Radio.m_nChannel, 12);
    EXPECT_TRUE(dlg.isVisible());
}

TEST(SquelchDlg, ClosingGivesThePortBack) {
    CSquelchRig rig;
    CSquelchDlg& dlg = rig.Open();
    EXPECT_TRUE(rig.m_Link.IsBusy());
    dlg.close();  // the title bar's close box
    dlg.WaitUntilIdle();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(rig.m_pPort->m_bOpen);
    EXPECT_FALSE(rig.m_Link.IsBusy());
}
