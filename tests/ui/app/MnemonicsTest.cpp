// Alt and a letter reach one thing: no two captions of the menu bar, of one menu, of a dialog, or of a page
// together with the menu bar share a mnemonic. And the Port menu offers what is plugged in when it opens.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <map>

#include "app/EveryDialog.h"
#include "shared/DisplaySettings.h"

namespace {

// The letter after a single '&', lower case; none for a caption without one.
QChar Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return QChar();
}

// "where: Alt+P reaches "&Program" and "&Port"" for every letter two captions share.
QStringList Clashes(const QString& where, const QStringList& captions) {
    std::map<QChar, QStringList> byLetter;
    for (const QString& caption : captions) {
        const QChar letter = Mnemonic(caption);
        if (!letter.isNull()) {
            byLetter[letter] << caption;
        }
    }
    QStringList clashes;
    for (const auto& [letter, users] : byLetter) {
        if (users.size() > 1) {
            clashes << QStringLiteral("%1: Alt+%2 reaches \"%3\"")
                           .arg(where, QString(letter.toUpper()), users.join(QStringLiteral("\" and \"")));
        }
    }
    return clashes;
}

// The captions of the controls below root that Alt reaches: buttons, labels of a control, group titles.
QStringList Captions(const QWidget* root) {
    QStringList captions;
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QToolButton*>(button) == nullptr && button->isVisibleTo(root)) {
            captions << button->text();
        }
    }
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr && label->isVisibleTo(root)) {
            captions << label->text();
        }
    }
    for (const QGroupBox* group : root->findChildren<QGroupBox*>()) {
        if (group->isVisibleTo(root)) {
            captions << group->title();
        }
    }
    return captions;
}

QStringList MenuClashes(const QString& where, const QMenu& menu) {
    QStringList texts;
    QStringList clashes;
    for (const QAction* action : menu.actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0);
        if (action->menu() != nullptr) {
            clashes << MenuClashes(where + QStringLiteral(" > ") + action->text(), *action->menu());
        }
    }
    return Clashes(where, texts) << clashes;
}

}  // namespace

// In each language of the window: its letters are chosen by its own words.
TEST_F(ShellTest, NoTwoCaptionsOfAMenuADialogOrAPageShareAMnemonicInAnyLanguage) {
    m_Ports = {1, 3};
    QStringList clashes;
    for (const auto& [language, expectedBar] :
         {std::pair{ELanguage::English, "&File &Edit &Program P&ort &View &Help"},
          std::pair{ELanguage::German, "&Datei &Bearbeiten &Programmieren A&nschluss &Ansicht &Hilfe"},
          std::pair{ELanguage::Spanish, "&Archivo &Editar &Programar P&uerto &Ver A&yuda"}}) {
        ASSERT_TRUE(InstallLanguage(language));
        Start();
        const QString code = LanguageCode(language) + QStringLiteral(": ");
        QStringList bar;
        for (const QAction* action : m_pFrame->menuBar()->actions()) {
            bar << action->text();
            ASSERT_NE(action->menu(), nullptr);
            emit action->menu()->aboutToShow();  // the Port menu is filled as it opens
            clashes << MenuClashes(code + action->text().remove(QLatin1Char('&')), *action->menu());
        }
        clashes << Clashes(code + QStringLiteral("menu bar"), bar);
        EXPECT_EQ(bar.join(QLatin1Char(' ')).toStdString(), expectedBar);

        // A page shares the window, and so its Alt keys, with the menu bar.
        for (int page = 0; page < kPageCount; ++page) {
            View().ShowPage(page);
            clashes << Clashes(code + QStringLiteral("page %1 and the menu bar").arg(page), Captions(&View())
                                                                                                << bar);
        }

        const std::vector<std::unique_ptr<QWidget>> dialogs = EveryDialog(View(), *m_pFrame, m_Doc, m_Sink);
        for (const auto& dialog : dialogs) {
            clashes << Clashes(code + QString::fromLatin1(dialog->metaObject()->className()),
                               Captions(dialog.get()));
        }
        m_pFrame.reset();
    }
    InstallLanguage(ELanguage::English);
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ShellTest, ThePortMenuOffersACablePluggedInAfterTheStartWhenItOpens) {
    m_Ports = {1};
    Start();
    auto entries = [this] {
        QStringList coms;
        for (const QAction* action : m_pFrame->m_pPortMenu->actions()) {
            coms << action->text().section(QLatin1Char(' '), 0, 0);
        }
        return coms.join(QLatin1Char(' ')).toStdString();
    };
    EXPECT_EQ(entries(), "COM1 COM49  &Find");
    m_Ports = {1, 17};
    emit m_pFrame->m_pPortMenu->aboutToShow();
    EXPECT_EQ(entries(), "COM1 COM17 COM49  &Find");
    m_Ports = {17};
    emit m_pFrame->m_pPortMenu->aboutToShow();
    EXPECT_EQ(entries(), "COM17 COM49  &Find");
}
