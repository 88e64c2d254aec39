#include "widgets/CommitEdit.h"

#include <QFocusEvent>

CCommitEdit::CCommitEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::returnPressed, this, &CCommitEdit::EmitCommit);
}

void CCommitEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !isModified()) {
        return;
    }
    EmitCommit();
}

bool CCommitEdit::CommitPending() {
    if (!isModified()) {
        return true;
    }
    m_bRefused = false;
    EmitCommit();
    return !m_bRefused;
}

void CCommitEdit::EmitCommit() {
    if (m_bCommitting) {
        return;
    }
    m_bCommitting = true;
    emit Commit();
    setModified(false);
    m_bCommitting = false;
}
