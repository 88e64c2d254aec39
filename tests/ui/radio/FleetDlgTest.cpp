// "Program Several Radios" as a user drives it: tick ports with the keyboard, press Write, read the summary.
// The radios are simulated on virtual time, one per port; one of them refuses.

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "BuiltInRadio.h"
#include "EepromImage.h"
#include "SerialPort.h"
#include "SimPort.h"
#include "app/ShellFixture.h"
#include "radio/FleetDlg.h"

namespace {

class FleetDlgTest : public ::testing::Test {
protected:
    FleetDlgTest()
        : m_Link(std::make_unique<CSerialPort>(), nullptr), m_Ctx{m_Doc,  m_State, m_Sink,
                                                                  m_Link, m_Busy,  {}} {
        EnsureApplication();
        m_Doc.m_nModel = 3;
        m_Doc.ResetToDefaults();
        m_Doc.m_Channel[2].m_dRxFreq = m_Doc.m_Channel[2].m_dTxFreq = 432.5;
        std::vector<CFleetDlg::SChoice> choices;
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("COM%1").arg(17 + i);
            choices.push_back(
                {name, name + QStringLiteral("  test radio"), 17 + i, "sim" + std::to_string(i)});
        }
        for (CRadioSimulator& radio : m_Radios) {
            radio.m_Eeprom.fill(0xFF);  // never programmed: no model of their own to refuse the plan's
        }
        m_pDlg = std::make_unique<CFleetDlg>(m_Ctx);
        m_pDlg->SetChoices(choices);
        m_pDlg->m_MakePort = [this](const CFleetDlg::SChoice& choice) {
            return std::make_unique<CSimPort>(m_Radios[static_cast<size_t>(choice.m_nComNumber - 17)]);
        };
        m_pDlg->show();
    }

    // Ticks the rows as a user does: move to the row, press Space.
    void Tick(std::initializer_list<int> rows) {
        m_pDlg->m_pPorts->setFocus();
        for (int row : rows) {
            m_pDlg->m_pPorts->setCurrentRow(row);
            QTest::keyClick(m_pDlg->m_pPorts, Qt::Key_Space);
        }
    }

    CDataRadioDoc m_Doc;
    SWindowState m_State;
    CRecordingSink m_Sink;
    CLinkSession m_Link;
    CBusyState m_Busy;
    SPageContext m_Ctx;
    CRadioSimulator m_Radios[3];
    std::unique_ptr<CFleetDlg> m_pDlg;
};

TEST_F(FleetDlgTest, WritesTheTickedRadiosAndSummarisesTheOneThatRefused) {
    m_Radios[1].m_Faults.m_bRefuse = true;
    Tick({0, 1, 2});
    QSignalSpy finished(m_pDlg.get(), &CFleetDlg::Finished);
    QTest::mouseClick(m_pDlg->m_pWrite, Qt::LeftButton);

    ASSERT_EQ(m_Sink.m_Questions, std::vector<std::string>()) << "the plan has no errors";
    EXPECT_TRUE(m_Busy.IsBusy());
    EXPECT_FALSE(m_pDlg->m_pWrite->isEnabled());
    std::string refusal;
    EXPECT_FALSE(m_Link.Borrow("the calibration dialog", &refusal));
    EXPECT_NE(refusal.find("the writing of several radios"), std::string::npos) << refusal;

    ASSERT_TRUE(finished.count() == 1 || finished.wait(10000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_FALSE(m_Busy.IsBusy());
    EXPECT_TRUE(m_pDlg->m_pWrite->isEnabled());
    EXPECT_TRUE(m_Link.Borrow("the calibration dialog"));

    CEepromImage expected;  // radios never programmed get the plan whole, byte 16 the firmware's
    expected.EncodeImage(m_Doc);
    expected.m_Work[16] = 2;
    EXPECT_EQ(m_Radios[0].m_Eeprom, expected.m_Work);
    EXPECT_EQ(m_Radios[2].m_Eeprom, expected.m_Work);
    // every radio is read first: the refusing one refuses that read, and nothing is written to it
    const std::string refused = "Read Fail..! (the radio could not be read first), so nothing was written";
    EXPECT_EQ(m_pDlg->m_pTable->item(1, 2)->text().toStdString(), "FAILED: " + refused);
    // every radio's row in sight
    m_pDlg->show();
    QApplication::processEvents();
    EXPECT_GE(m_pDlg->m_pTable->viewport()->height(), 3 * m_pDlg->m_pTable->rowHeight(0));
    EXPECT_EQ(m_pDlg->m_pTable->item(0, 2)->text().left(17).toStdString(), "ok: firmware 1.2,");
    const std::string summary = m_pDlg->m_pSummary->toPlainText().toStdString();
    EXPECT_NE(summary.find("COM18  -         FAILED"), std::string::npos) << summary;
    EXPECT_NE(summary.find("COM18: " + refused + "\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("2 of 3 radios written and verified; failed: COM18."), std::string::npos)
        << summary;
}

// A plan that would not reach the radios as it says is asked about first, as Write Radio does; Return in the
// port list ticks a port and never starts the write.
TEST_F(FleetDlgTest, AsksAboutAPlanWithErrorsAndReturnNeverStartsAWrite) {
    m_Doc.m_Channel[0].m_dRxFreq = 432.5;
    m_Doc.m_Channel[0].m_dTxFreq = 470.0;  // outside U1
    Tick({0});
    QTest::keyClick(m_pDlg->m_pPorts, Qt::Key_Return);
    EXPECT_FALSE(m_pDlg->IsRunning());
    EXPECT_EQ(m_pDlg->m_pPorts->item(0)->checkState(), Qt::Unchecked) << "Return ticks and unticks";
    QTest::keyClick(m_pDlg->m_pPorts, Qt::Key_Return);
    EXPECT_FALSE(m_pDlg->IsRunning());
    QTest::mouseClick(m_pDlg->m_pWrite, Qt::LeftButton);
    EXPECT_FALSE(m_pDlg->IsRunning());
    ASSERT_EQ(m_Sink.m_Questions.size(), 1u);
    EXPECT_NE(m_Sink.m_Questions[0].find("Write it to the radio anyway?"), std::string::npos);
    EXPECT_TRUE(m_Radios[0].m_Received.empty());
    m_Sink.m_Answers = {EAnswer::Yes};
    QSignalSpy finished(m_pDlg.get(), &CFleetDlg::Finished);
    QTest::mouseClick(m_pDlg->m_pWrite, Qt::LeftButton);
    ASSERT_TRUE(finished.count() == 1 || finished.wait(10000));
    EXPECT_FALSE(m_Radios[0].m_Received.empty());
}

TEST_F(FleetDlgTest, RefusesWithoutATickedPortOrWhileAnotherTransferRuns) {
    QTest::mouseClick(m_pDlg->m_pWrite, Qt::LeftButton);
    ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
    EXPECT_EQ(m_Sink.m_Messages[0], "Tick the port of at least one radio to write to.");

    Tick({1});
    m_Busy.Begin("the radio read");
    QTest::mouseClick(m_pDlg->m_pWrite, Qt::LeftButton);
    ASSERT_EQ(m_Sink.m_Messages.size(), 2u);
    EXPECT_NE(m_Sink.m_Messages[1].find("the radio read is running"), std::string::npos);
    EXPECT_FALSE(m_pDlg->IsRunning());
    EXPECT_TRUE(m_Radios[1].m_Received.empty());
}

}  // namespace

namespace {

// The dialog's own ports are made as a single transfer's are: COM49 opens the built-in radio on every
// system (on Windows it is inside the program, where a plain serial port would not reach it).
TEST(FleetDlgPorts, ReachTheBuiltInRadioAsASingleTransferDoes) {
    EnsureApplication();
    CDataRadioDoc doc;
    SWindowState state;
    CRecordingSink sink;
    CLinkSession link(std::make_unique<CSerialPort>(), nullptr);
    CBusyState busy;
    SPageContext ctx{doc, state, sink, link, busy, {}};
    CFleetDlg dialog(ctx);
    const std::unique_ptr<CRadioPort> port = dialog.m_MakePort({QStringLiteral("COM49"), QString(), 49, ""});
    const std::string device = ProgramComResolver()(kSimulatedRadioCom);
    ASSERT_TRUE(port->Open(device, 9600, kSimulatedRadioCom)) << port->OpenFailureText();
    port->Close();
}

}  // namespace
