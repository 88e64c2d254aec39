#pragma once
// A field that takes a frequency as digits: the decimal point is supplied as the user types (the caret stays
// behind the digit just typed), anything but digits is refused, and leaving the field is announced so the
// page can fit and check the frequency. Ctrl+V pastes one number as a spreadsheet cell holds it (surrounding
// spaces and the line end dropped, a decimal comma read as a point).

#include <QLineEdit>

class CDigitEdit : public QLineEdit {
    Q_OBJECT
public:
    // Frequency: digits, the point supplied; Whole: digits only; Decimal: digits and a point typed by the
    // user.
    enum class EMode { Frequency, Whole, Decimal };
    CDigitEdit(int maxChars, EMode mode, QWidget* parent = nullptr);

    // Puts the clipboard's number where the caret is (over the selected text); a clipboard that holds no
    // number the field takes leaves the field as it was and says so with PasteRefused.
    void PasteClipboard();

signals:
    // The keyboard focus went to another control of the same window.
    void Left();
    // Ctrl+V found no number for the field on the clipboard; clip is what it holds.
    void PasteRefused(const QString& clip);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void OnTextEdited(const QString& text);
    EMode m_Mode;
};
