// A settings file opened in the window: the record is the file's on its own model, and each loaded channel
// is checked again as if the user had typed its frequency and left the field.

#include <QImage>
#include <QLineEdit>
#include <functional>
#include <map>

#include "FrequencyRules.h"
#include "SettingsFile.h"
#include "app/ShellFixture.h"

namespace {

// The pixels of a grabbed field that are not its most common colour (the background): its text and frame.
int InkPixels(QWidget& field) {
    const QImage image = field.grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    int background = 0;
    for (const auto& [colour, count] : counts) {
        background = std::max(background, count);
    }
    return image.width() * image.height() - background;
}

}  // namespace

// What the user sees of an opened plan: every field that holds text draws it (scripts/build-windows also
// runs it under wine with the Windows platform, where line edits once drew nothing).
TEST_F(ShellTest, EveryFieldThatHoldsTextDrawsIt) {
    CDataRadioDoc file;
    for (int channel = 0; channel < 16; ++channel) {
        file.m_Channel[channel].m_dRxFreq = 450.0125 + channel * 0.5;
        file.m_Channel[channel].m_dTxFreq = 455.0125 + channel * 0.5;
    }
    const std::string path = m_Dir.File("plan.dat");
    ASSERT_TRUE(OnSaveDocument(file, path, m_Sink));
    Start();
    m_pFrame->show();  // not made active: with the system's platform no window manager may be there to
    QApplication::processEvents();  // activate it
    m_strOpenPath = path;
    m_pFrame->m_pActOpen->trigger();
    QApplication::processEvents();

    int checked = 0;
    for (QLineEdit* field : m_pFrame->findChildren<QLineEdit*>()) {
        if (!field->isVisible() || field->text().isEmpty()) {
            continue;
        }
        // an empty field of the same size: its frame and background only
        QLineEdit empty;
        empty.setFont(field->font());
        empty.resize(field->size());
        empty.setFrame(field->hasFrame());
        const int inkOfFrame = InkPixels(empty);
        EXPECT_GT(InkPixels(*field), inkOfFrame + 4 * field->text().size())
            << field->objectName().toStdString() << " holds '" << field->text().toStdString()
            << "' but draws no text";
        ++checked;
    }
    EXPECT_GE(checked, 32) << "the 32 frequency fields are not all shown";
}

TEST_F(ShellTest, ALoadedChannelOffItsGridIsRevalidatedAsLeavingTheFieldWould) {
    const struct {
        double m_dRx;
        double m_dTx;
        bool m_bMessage;
    } cases[] = {{150.0126, 150.0126, false}, {150.0037, 0.0, false}};
    Start();
    for (const auto& c : cases) {
        m_Sink.m_Messages.clear();
        CDataRadioDoc file;
        file.m_Channel[2].m_dRxFreq = c.m_dRx;
        file.m_Channel[2].m_dTxFreq = c.m_dTx;
        const std::string path = m_Dir.File("offgrid.dat");
        ASSERT_TRUE(OnSaveDocument(file, path, m_Sink));
        CDataRadioDoc expected = file;  // a file of the window's own model loads as it was saved
        SRowEdit row{FrequencyFieldText(c.m_dRx), FrequencyFieldText(c.m_dTx), {}, {}};
        LeaveRxField(expected, 3, row);

        m_strOpenPath = path;
        m_pFrame->m_pActOpen->trigger();
        const CChannelRow& shown = *Sheet().m_pChannelPage->m_Rows[2];
        EXPECT_EQ(m_Doc.m_Channel[2].m_dRxFreq, expected.m_Channel[2].m_dRxFreq) << c.m_dRx;
        EXPECT_EQ(m_Doc.m_Channel[2].m_dTxFreq, expected.m_Channel[2].m_dTxFreq) << c.m_dRx;
        EXPECT_EQ(m_Doc.m_Channel[2].m_nStep, expected.m_Channel[2].m_nStep) << c.m_dRx;
        EXPECT_EQ(shown.m_pRxFreq->text().toStdString(), row.m_strRx);
        EXPECT_EQ(shown.m_pTxFreq->text().toStdString(), row.m_strTx);
        EXPECT_NE(m_Doc.m_Channel[2].m_dRxFreq, c.m_dRx);  // the file's value did not stay
        EXPECT_EQ(m_Sink.m_Messages,
                  c.m_bMessage ? std::vector<std::string>{row.m_strMessage} : std::vector<std::string>{});
    }
}

// A channel outside the band opens as the file holds it, marked and named; the write check stops at it.
TEST_F(ShellTest, ALoadedChannelOutsideTheBandStaysAsItIsMarkedAndNamed) {
    Start();
    CDataRadioDoc file = m_Doc;
    file.m_Channel[2].m_dRxFreq = 180.0;
    file.m_Channel[2].m_dTxFreq = 150.0;
    const std::string path = m_Dir.File("outside.dat");
    ASSERT_TRUE(OnSaveDocument(file, path, m_Sink));
    m_strOpenPath = path;
    m_pFrame->m_pActOpen->trigger();
    const CChannelRow& shown = *Sheet().m_pChannelPage->m_Rows[2];
    EXPECT_EQ(m_Doc.m_Channel[2].m_dRxFreq, 180.0);
    EXPECT_EQ(shown.m_pRxFreq->text().toStdString(), "180.00000");
    const std::string note = "Channel 3: 180.00000 MHz is outside 138\u2013174 MHz";
    EXPECT_EQ(m_Sink.m_Messages, std::vector<std::string>{note});
    EXPECT_EQ(shown.m_pRxFreq->toolTip().toStdString(), note);
    EXPECT_NE(shown.m_pRxFreq->palette().color(QPalette::Base),
              shown.m_pTxFreq->palette().color(QPalette::Base));
    EXPECT_FALSE(m_pFrame->windowTitle().endsWith(QLatin1Char('*'))) << m_pFrame->windowTitle().toStdString();

    // leaving the field as it stands keeps it; the write is stopped by its check, as kv310ctl's is
    QTest::mouseClick(shown.m_pRxFreq, Qt::LeftButton);
    QTest::keyClick(shown.m_pRxFreq, Qt::Key_Tab);
    EXPECT_EQ(m_Doc.m_Channel[2].m_dRxFreq, 180.0);
    m_Sink.m_Answers = {EAnswer::No};
    m_pFrame->m_pActWriteRadio->trigger();
    ASSERT_EQ(m_Sink.m_Questions.size(), 1u);
    EXPECT_NE(m_Sink.m_Questions[0].find("Channel 3 RX 180.00000 MHz is outside"), std::string::npos)
        << m_Sink.m_Questions[0];
}

// A fresh record starts locked and gives the modem notices again; the port and the access code typed stay.
TEST_F(ShellTest, EveryFreshRecordLocksTwoToneAgainAndKeepsThePort) {
    Start();
    const std::string path = m_Dir.File("plan.dat");
    ASSERT_TRUE(OnSaveDocument(CDataRadioDoc(), path, m_Sink));
    const struct {
        const char* m_pszName;
        std::function<void()> m_Run;
    } cases[] = {
        {"Open",
         [&] {
             m_strOpenPath = path;
             m_pFrame->m_pActOpen->trigger();
         }},
        {"New", [&] { View().OnFileNew(); }},
        {"Model Select", [&] { View().ApplyModelSelection(kModelKv330Uhf); }},
    };
    for (const auto& c : cases) {
        View().MarkClean();
        State().m_bTwoToneLocked = 0;
        State().m_nAccessCode = 7259;
        State().m_bGmskToneWarned = 1;
        State().m_nComPort = 5;
        c.m_Run();
        EXPECT_EQ(State().m_bTwoToneLocked, 1) << c.m_pszName;
        EXPECT_EQ(State().m_bGmskToneWarned, 0) << c.m_pszName;
        EXPECT_EQ(State().m_nAccessCode, 7259) << c.m_pszName;
        EXPECT_EQ(State().m_nComPort, 5) << c.m_pszName;
    }
}
