#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QTimer>

#include "Version.h"
#include "app/ShellFixture.h"
#include "dialogs/ModelSelectDlg.h"
#include "shared/QtMessageSink.h"

namespace {

class ModelSelect : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }

    static std::string Text(const CModelSelectDlg& dialog) {
        return dialog.m_pText->toPlainText().toStdString();
    }
    static void Hover(QObject* target) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(target, &enter);
    }

    CDataRadioDoc m_Doc;
};

TEST_F(ModelSelect, EachButtonChoosesItsCatalogueRowAndCloses) {
    const char* const names[] = {"KV310 VHF", "KV310 UHF", "KV330 VHF", "KV330 UHF"};
    for (int i = 0; i < 4; ++i) {
        CModelSelectDlg dialog;
        EXPECT_EQ(dialog.windowTitle().toStdString(), "SELECT MODEL");
        dialog.show();
        EXPECT_EQ(dialog.m_Buttons[i]->text().toStdString(), names[i]);
        dialog.m_Buttons[i]->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.m_nModel, kFirstOfferedModel + i);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(ModelSelect, ReturnChoosesTheFocusedModelAndTabTellsItsBand) {
    CModelSelectDlg dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.m_Buttons[2]->setFocus();
    EXPECT_NE(Text(dialog).find("program for KV330"), std::string::npos)
        << Text(dialog);  // as a pointer would
    QTest::keyClick(dialog.m_Buttons[2], Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_nModel, kFirstOfferedModel + 2);
}

TEST_F(ModelSelect, EscapeClosesWithoutAModel) {
    CModelSelectDlg dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.m_nModel, -1);
}

TEST_F(ModelSelect, TheTextDescribesTheButtonOrPictureUnderThePointer) {
    CModelSelectDlg dialog;
    EXPECT_EQ(Text(dialog), ToDisplayText(CModelSelectDlg::kPictureText).toStdString());
    Hover(dialog.m_Buttons[3]);
    EXPECT_EQ(Text(dialog),
              " Click to program for KV330 UHF. \n\n The band frequency is \n390 MHz to 490 MHz.\n");
    Hover(dialog.m_Buttons[0]);
    EXPECT_EQ(Text(dialog),
              " Click to program for KV310  VHF. \n\n The band frequency is \n138 MHz to 174 MHz.\n");
    // Staying on the same button does not rewrite the text (a selection in it survives).
    dialog.m_pText->setPlainText(QStringLiteral("scrolled"));
    Hover(dialog.m_Buttons[0]);
    EXPECT_EQ(Text(dialog), "scrolled");
    Hover(dialog.m_pPicture);
    EXPECT_EQ(Text(dialog), ToDisplayText(CModelSelectDlg::kPictureText).toStdString());
}

// The real dialog, opened by the view's command and answered by pressing a button as a user would.
TEST_F(ShellTest, TheModelSelectCommandRunsTheDialogAndAppliesThePressedModel) {
    m_pFrame = std::make_unique<CMainWindow>(m_Doc, m_Sink);
    m_pFrame->m_PortLister = [] { return std::vector<uint32_t>(); };
    m_pView = CreateMainForm(*m_pFrame, m_Doc, m_Sink, ProgramComResolver());
    StartMainWindow(*m_pFrame, *m_pView);
    m_Doc.m_Channel[0].m_dRxFreq = 150.0;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CModelSelectDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->m_Buttons[1]->click();  // KV310 UHF
    });
    m_pView->OnModelSelect();
    EXPECT_EQ(m_Doc.m_nModel, kModelKv310Uhf);
    EXPECT_EQ(m_Doc.m_Channel[0].m_dRxFreq, 0.0);
    EXPECT_EQ(m_pView->m_pModelField->text().toStdString(), "KV310  UHF");
}

// Modal windows of the commands, answered from inside their own event loop.
TEST_F(ShellTest, PrintPreviewShowsBothPagesOfTheSheet) {
    Start();
    int pages = -1;
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        pages = preview->pageCount();
        dialog->close();
    });
    m_pFrame->m_pActPreview->trigger();
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(title.toStdString(), "KV310  VHF DATA SHEET");
}

TEST_F(ShellTest, TheAboutBoxNamesTheProgram) {
    m_pFrame = std::make_unique<CMainWindow>(m_Doc, m_Sink);
    m_pFrame->m_PortLister = [] { return std::vector<uint32_t>(); };
    m_pView = CreateMainForm(*m_pFrame, m_Doc, m_Sink, ProgramComResolver());
    StartMainWindow(*m_pFrame, *m_pView);
    QString title;
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            texts << label->text();
        }
        qobject_cast<QDialog*>(dialog)->accept();
    });
    m_pFrame->m_pActAbout->trigger();
    EXPECT_EQ(title.toStdString(), "About Data Radio PC Programmer");
    EXPECT_TRUE(texts.contains(QStringLiteral("KV310 PC PROGRAMMER")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Version %1").arg(QString::fromUtf8(ProgramVersion()))))
        << texts.join('|').toStdString();
}

// The desktop sink's boxes: titled "KV310", the logic's text, and the pressed button as the answer.
class QtSink : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }

    // Presses the given button of the next message box and remembers what the box showed.
    void AnswerNextBox(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            m_strTitle = box->windowTitle().toStdString();
            m_strText = box->text().toStdString();
            m_Icon = box->icon();
            box->button(button)->click();
        });
    }

    CQtMessageSink m_Sink;
    std::string m_strTitle, m_strText;
    QMessageBox::Icon m_Icon = QMessageBox::NoIcon;
};

TEST_F(QtSink, ShowsMessagesTitledWithTheProgramName) {
    AnswerNextBox(QMessageBox::Ok);
    m_Sink.ShowMessage("Cannot Open File!");
    EXPECT_EQ(m_strTitle, "KV310");
    EXPECT_EQ(m_strText, "Cannot Open File!");
}

TEST_F(QtSink, EachKindOfMessageHasItsOwnIcon) {
    const std::pair<EMessageKind, QMessageBox::Icon> kinds[] = {
        {EMessageKind::Stop, QMessageBox::Critical},
        {EMessageKind::Warning, QMessageBox::Warning},
        {EMessageKind::Information, QMessageBox::Information}};
    for (const auto& [kind, icon] : kinds) {
        AnswerNextBox(QMessageBox::Ok);
        m_Sink.ShowMessageAs("Valid Range : 138 to 174MHz", kind);
        EXPECT_EQ(m_Icon, icon);
    }
    AnswerNextBox(QMessageBox::Ok);
    m_Sink.ShowMessage("Cannot Open File!");
    EXPECT_EQ(m_Icon, QMessageBox::Warning);
}

TEST_F(QtSink, ReturnsTheButtonThatWasPressed) {
    AnswerNextBox(QMessageBox::Yes);
    EXPECT_TRUE(m_Sink.AskYesNo("All frequencies will be cleared.\r\n\r\nDo you want to continue?"));
    EXPECT_EQ(m_strText, "All frequencies will be cleared.\n\nDo you want to continue?");
    AnswerNextBox(QMessageBox::No);
    EXPECT_FALSE(m_Sink.AskYesNo("Continue?"));
    AnswerNextBox(QMessageBox::Cancel);
    EXPECT_EQ(m_Sink.AskYesNoCancel("Save?"), EAnswer::Cancel);
    AnswerNextBox(QMessageBox::No);
    EXPECT_EQ(m_Sink.AskYesNoCancel("Save?"), EAnswer::No);
    AnswerNextBox(QMessageBox::Yes);
    EXPECT_EQ(m_Sink.AskYesNoCancel("Save?"), EAnswer::Yes);
    EXPECT_EQ(m_strTitle, "KV310");
}

TEST(MessageText, LineBreaksOfTheLogicBecomePlainNewlines) {
    EXPECT_EQ(ToDisplayText("All frequencies will be cleared.\r\n\r\nDo you want to continue?").toStdString(),
              "All frequencies will be cleared.\n\nDo you want to continue?");
}

}  // namespace
