#pragma once
// The whole window with the System/GPS or the Modem page in front, and a user's keystrokes on its controls.

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "app/ShellFixture.h"

class OptionPageTest : public ShellTest {
protected:
    CSystemPage& SystemPage() {
        StartShown();
        View().OnViewSystem();
        return *Sheet().m_pSystemPage;
    }
    CModemPage& ModemPage() {
        StartShown();
        View().OnViewModem();
        return *Sheet().m_pModemPage;
    }
    void StartShown() {
        if (m_pFrame == nullptr) {
            Start();
            ShowActive();
        }
    }

    static void Focus(QWidget* control) {
        control->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(control->hasFocus()) << control->accessibleName().toStdString();
    }
    // Replaces the field's text as a user would and leaves it with Tab (or Return when asked).
    static void Type(QLineEdit* field, const char* text, Qt::Key leaveWith = Qt::Key_Tab) {
        Focus(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, QString::fromLatin1(text));
        QTest::keyClick(field, leaveWith);
        QApplication::processEvents();
    }
    // Space on a focused check box, radio or button: a click from the keyboard.
    static void Press(QAbstractButton* button) {
        Focus(button);
        QTest::keyClick(button, Qt::Key_Space);
        QApplication::processEvents();
    }
    // Moves a closed list to the entry with the arrow keys, as a user choosing it.
    static void Choose(QComboBox* list, int index) {
        Focus(list);
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        if (index == 0 && list->currentIndex() == 0) {
            QTest::keyClick(list, Qt::Key_Down);  // leave and come back so the choice is made again
            QTest::keyClick(list, Qt::Key_Up);
        }
        QApplication::processEvents();
    }
    static std::vector<std::string> Entries(const QComboBox* list) {
        std::vector<std::string> texts;
        for (int i = 0; i < list->count(); ++i) {
            texts.push_back(list->itemText(i).toStdString());
        }
        return texts;
    }
    std::vector<std::string> TakeMessages() {
        std::vector<std::string> messages;
        messages.swap(m_Sink.m_Messages);
        return messages;
    }
    using Texts = std::vector<std::string>;
};
