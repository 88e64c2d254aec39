#include "shared/QtMessageSink.h"

#include <QMessageBox>
#include <QPushButton>

#include "shared/Translation.h"

QString ToDisplayText(const std::string& text) {
    QString display = TranslatedMessage(text);
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return display;
}

QMessageBox::Icon IconOf(EMessageKind kind) {
    switch (kind) {
        case EMessageKind::Stop:
            return QMessageBox::Critical;
        case EMessageKind::Information:
            return QMessageBox::Information;
        case EMessageKind::Warning:
            break;
    }
    return QMessageBox::Warning;
}

void CQtMessageSink::ShowMessage(const std::string& text) {
    ShowMessageAs(text, EMessageKind::Warning);
}

void CQtMessageSink::ShowMessageAs(const std::string& text, EMessageKind kind) {
    QMessageBox box(IconOf(kind), QString::fromLatin1(kAppTitle), ToDisplayText(text), QMessageBox::Ok,
                    m_pParent);
    box.exec();
}

bool CQtMessageSink::AskYesNo(const std::string& question) {
    return QMessageBox::question(m_pParent, QString::fromLatin1(kAppTitle), ToDisplayText(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

EAnswer CQtMessageSink::AskYesNoCancel(const std::string& question) {
    const auto button =
        QMessageBox::question(m_pParent, QString::fromLatin1(kAppTitle), ToDisplayText(question),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (button == QMessageBox::Yes) {
        return EAnswer::Yes;
    }
    return button == QMessageBox::No ? EAnswer::No : EAnswer::Cancel;
}

int CQtMessageSink::AskChoice(const std::string& question, const std::vector<std::string>& choices) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kAppTitle), ToDisplayText(question),
                    QMessageBox::NoButton, m_pParent);
    std::vector<QAbstractButton*> buttons;
    for (const std::string& choice : choices) {
        buttons.push_back(box.addButton(ToDisplayText(choice), QMessageBox::AcceptRole));
    }
    QAbstractButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(static_cast<QPushButton*>(cancel));  // a reflex Return never picks a choice
    box.setEscapeButton(cancel);
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
