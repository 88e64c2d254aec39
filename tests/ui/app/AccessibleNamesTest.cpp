// A speech user says what they see ("click INPUT"): every control that shows a caption, on every page and in
// every dialog, carries that caption in the name a screen reader hears.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QToolButton>

#include "app/EveryDialog.h"

namespace {

// Case, spacing, line breaks, mnemonics, a label's colon and the "#" bullets of the rows do not count.
QString Spoken(QString text) {
    text.remove(QLatin1Char('&')).remove(QLatin1Char('#')).remove(QLatin1Char(':'));
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text.toLower();
}

// Every control below root with a visible caption of its own or from a label that names it, whose accessible
// name leaves that caption out.
QStringList NamesWithoutCaption(QWidget* root) {
    QStringList misses;
    auto check = [&](QWidget* control, const QString& caption) {
        // A list's accessible name is its current entry on Linux (its label is a relation there), so the
        // name that Windows reads from the control is checked for lists instead.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QString name = accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
        if (qobject_cast<QComboBox*>(control) != nullptr) {
            name = control->accessibleName().isEmpty() ? caption : control->accessibleName();
        }
        if (!Spoken(caption).isEmpty() && !Spoken(name).contains(Spoken(caption))) {
            misses << QStringLiteral("%1 \"%2\" is named \"%3\"")
                          .arg(QString::fromLatin1(control->metaObject()->className()), caption, name);
        }
    };
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QToolButton*>(button) == nullptr) {  // the toolbar's buttons show icons
            check(button, button->text());
        }
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            check(label->buddy(), label->text());
        }
    }
    return misses;
}

// The caption as the window shows it: no mnemonic, "#" bullet or closing colon, spaces collapsed.
QString Shown(QString text) {
    text.remove(QLatin1Char('&')).remove(QLatin1Char('#'));
    text = text.simplified();
    return text.endsWith(QLatin1Char(':')) ? text.chopped(1).trimmed() : text;
}

// Every list below root: its name must hold its caption as shown (a list with no caption a name of its
// own), for its entry is all a screen reader says of it otherwise ("No Timer").
QStringList ListsWithoutCaption(QWidget* root) {
    QStringList misses;
    for (QComboBox* list : root->findChildren<QComboBox*>()) {
        QString caption;
        for (QLabel* label : root->findChildren<QLabel*>()) {
            if (label->buddy() == list) {
                caption = Shown(label->text());
            }
        }
        const QString name = list->accessibleName();
        if (caption.isEmpty() ? name.isEmpty() : !name.contains(caption)) {
            misses << QStringLiteral("the list \"%1\" (showing \"%2\") is named \"%3\"")
                          .arg(caption, list->currentText(), name);
        }
    }
    return misses;
}

}  // namespace

TEST_F(ShellTest, EveryCaptionedControlOfEveryPageAndDialogCarriesItsCaptionInItsName) {
    Start();
    for (int page = 0; page < kPageCount; ++page) {
        View().ShowPage(page);
    }
    const std::vector<std::unique_ptr<QWidget>> dialogs = EveryDialog(View(), *m_pFrame, m_Doc, m_Sink);
    QStringList misses = NamesWithoutCaption(m_pFrame.get()) << ListsWithoutCaption(m_pFrame.get());
    for (const auto& dialog : dialogs) {
        misses << NamesWithoutCaption(dialog.get()) << ListsWithoutCaption(dialog.get());
    }
    EXPECT_TRUE(misses.isEmpty()) << misses.join(QLatin1Char('\n')).toStdString();
}
