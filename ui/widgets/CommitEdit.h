#pragma once
// An option page's edit field: what the user typed reaches the record when the field loses the focus to
// another control or when Return is pressed, never while typing. A message box or a menu that takes the
// focus for a moment does not commit; neither does leaving a field whose text nobody changed.

#include <QLineEdit>

class CCommitEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CCommitEdit(QWidget* parent = nullptr);

    // Commits typed text as leaving the field would; false when the handler refused it (see Refuse).
    bool CommitPending();
    // Called by the commit handler when its rule refused the entry.
    void Refuse() { m_bRefused = true; }

signals:
    void Commit();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void EmitCommit();
    bool m_bCommitting = false;  // a refusal's message and focus return must not commit again
    bool m_bRefused = false;
};
