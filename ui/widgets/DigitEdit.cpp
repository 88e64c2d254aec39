#include "widgets/DigitEdit.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "FrequencyRules.h"

CDigitEdit::CDigitEdit(int maxChars, EMode mode, QWidget* parent) : QLineEdit(parent), m_Mode(mode) {
    setMaxLength(maxChars);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Pasted text may bring its own point; typed text is digits only (keyPressEvent).
    const QString pattern = mode == EMode::Whole ? QStringLiteral("[0-9]*") : QStringLiteral("[0-9.]*");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    connect(this, &QLineEdit::textEdited, this, &CDigitEdit::OnTextEdited);
}

void CDigitEdit::PasteClipboard() {
    const QString clip = QGuiApplication::clipboard()->text();
    QString number = clip.trimmed();
    if (m_Mode != EMode::Whole && number.count(QLatin1Char(',')) == 1 && !number.contains(QLatin1Char('.'))) {
        number.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    QString probe = number;
    int caret = 0;
    const bool fits = !number.isEmpty() && validator()->validate(probe, caret) == QValidator::Acceptable &&
                      text().size() - selectedText().size() + number.size() <= maxLength();
    if (!fits) {
        emit PasteRefused(clip);
        return;
    }
    insert(number);
}

void CDigitEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteClipboard();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    const bool point = m_Mode == EMode::Decimal && text == QLatin1String(".");
    if (printable && !command && !text.at(0).isDigit() && !point) {
        event->accept();  // the field takes digits only
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CDigitEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A message box or a menu of our own takes the focus only for a moment: that is no leaving.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit Left();
    }
}

void CDigitEdit::OnTextEdited(const QString& text) {
    if (m_Mode != EMode::Frequency) {
        return;
    }
    const SFrequencyText out = NormaliseFrequencyText(text.toStdString(), cursorPosition());
    if (out.m_bChanged) {
        setText(QString::fromStdString(out.m_strText));
        setCursorPosition(out.m_nCaret);
    }
}
