#pragma once
// An option page's edit field: what the user typed reaches the record when the field loses the focus to
// another control or when Return is pressed, never while typing. A message box or a menu that takes the
// focus for a moment does not commit; neither does leaving a field whose text nobody changed.

#include <QLineEdit>

class CCommitEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CCommitEdit(QWidget* parent = nullptr);

signals:
    void Commit();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void EmitCommit();
    bool m_bCommitting = false;  // a refusal's message and focus return must not commit again
};
