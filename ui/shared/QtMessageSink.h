#pragma once
// The message sink of the desktop program: modal message boxes titled "KV310" over the main window.

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "MessageSink.h"

constexpr const char* kAppTitle = "KV310";

class CQtMessageSink : public CMessageSink {
public:
    explicit CQtMessageSink(QWidget* parent = nullptr) : m_pParent(parent) {}

    void ShowMessage(const std::string& text) override;
    void ShowMessageAs(const std::string& text, EMessageKind kind) override;
    bool AskYesNo(const std::string& question) override;
    EAnswer AskYesNoCancel(const std::string& question) override;
    int AskChoice(const std::string& question, const std::vector<std::string>& choices) override;

    QPointer<QWidget> m_pParent;
};

// The box's icon for a kind of message.
QMessageBox::Icon IconOf(EMessageKind kind);

// The logic's texts end lines with CR LF; a Qt label wants plain LF.
QString ToDisplayText(const std::string& text);
