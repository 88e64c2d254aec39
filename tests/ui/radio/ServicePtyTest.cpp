// The calibration dialog end to end: the real serial driver, the program's simulated radio on COM49 behind a
// pseudo-terminal, real time.

#ifdef _WIN32

#include <gtest/gtest.h>

TEST(ServicePty, NeedsAPseudoTerminal) {
    GTEST_SKIP() << "the calibration dialog is driven here through a pseudo-terminal, which Windows does not "
                    "have; the service exchanges themselves run on virtual time in ui_service_tests";
}

#else

#include <QTest>

#include "BuiltInRadio.h"
#include "SerialPort.h"
#include "app/ShellFixture.h"
#include "radio/CalibrationDlg.h"

TEST(ServicePty, CalibrationDrivesTheSimulatedRadioOnCom49) {
    EnsureApplication();
    CPtyRadio* radio = SharedPtyRadio();
    ASSERT_NE(radio, nullptr);
    radio->WithRadio([](CRadioSimulator& r) {
        r.m_nChannel = 9;
        r.m_nVersion = 0x23;
        r.m_nModem = 0xA2;
        return 0;
    });
    CLinkSession link(std::make_unique<CSerialPort>(), ProgramComResolver());
    CRecordingSink sink;
    CDataRadioDoc doc;
    SWindowState state;
    state.m_nComPort = kSimulatedRadioCom;
    CBusyState busy;
    std::string version;
    SPageContext ctx{doc, state, sink, link, busy, {}};
    ctx.m_View.ShowVersion = [&](const QString& text) { version = text.toStdString(); };

    CCalibrationDlg dlg(ctx);
    ASSERT_TRUE(dlg.Open());
    dlg.show();
    dlg.WaitUntilIdle();
    EXPECT_EQ(version, "2.3");
    EXPECT_EQ(dlg.m_pChannel->value(), 9);
    EXPECT_TRUE(dlg.m_pSpace->isVisibleTo(&dlg));

    QTest::keyClick(dlg.m_pChannel, Qt::Key_Down);
    dlg.m_pSetChannel->click();
    dlg.WaitUntilIdle();
    dlg.m_pTransmit->click();
    dlg.WaitUntilIdle();
    EXPECT_TRUE(radio->WithRadio([](CRadioSimulator& r) { return r.m_nChannel == 8 && r.m_bTransmitting; }));

    QTest::keyClick(&dlg, Qt::Key_Escape);
    dlg.WaitUntilIdle();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(radio->WithRadio([](CRadioSimulator& r) { return r.m_bTransmitting; }));
    EXPECT_FALSE(link.IsBusy());
    EXPECT_TRUE(sink.m_Messages.empty());
}

#endif  // _WIN32
