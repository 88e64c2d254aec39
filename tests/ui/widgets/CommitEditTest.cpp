#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

#include "pages/OptionPageFixture.h"
#include "widgets/CommitEdit.h"

// A refusal's message box takes the focus for a moment; that must not commit the field a second time, and
// the focus put back afterwards stays in the field.
TEST(CommitEdit, ARealMessageBoxOnACommitDoesNotCommitAgainAndTheFocusStaysInTheField) {
    EnsureApplication();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new CCommitEdit(&window);
    auto* next = new CCommitEdit(&window);
    layout->addWidget(field);
    layout->addWidget(next);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int commits = 0;
    int nextCommits = 0;
    QObject::connect(next, &CCommitEdit::Commit, [&] { ++nextCommits; });
    QObject::connect(field, &CCommitEdit::Commit, [&] {
        ++commits;
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->accept();
            }
        });
        QMessageBox::warning(&window, QStringLiteral("KV310"), QStringLiteral("Valid Settings 1 - 10"));
        field->setFocus(Qt::OtherFocusReason);
    });
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("11"));
    QTest::keyClick(field, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(nextCommits, 0);
    window.activateWindow();  // the offscreen platform does not give it back by itself
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), field);

    QTest::keyClick(field, Qt::Key_Tab);  // nothing typed since: leaving commits nothing
    EXPECT_EQ(commits, 1);
    QTest::keyClick(next, Qt::Key_Return);  // Return always commits
    EXPECT_EQ(nextCommits, 1);
}
