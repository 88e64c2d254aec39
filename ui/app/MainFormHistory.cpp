// The form's unsaved-changes bookkeeping: the saved state, the undo history that starts with New and Load,
// and the question before unsaved changes are replaced.

#include "SettingsFile.h"
#include "app/MainForm.h"

bool CMainForm::HasUnsavedChanges() const {
    return m_History.IsModified() || SettingsFileBytes(m_Doc) != m_CleanBytes;
}

void CMainForm::MarkClean() {
    m_CleanBytes = SettingsFileBytes(m_Doc);
    m_History.MarkSaved();
}

void CMainForm::StartHistory() {
    // New and Load start from a plan: the version of a radio read before belongs to none of it.
    ShowRadioVersion(QString());
    m_History.Reset();
    MarkClean();
}

bool CMainForm::SaveChangesFirst() {
    // New and Load start a fresh history: what was not saved could not be undone back.
    if (!CommitPendingEdits()) {
        return false;
    }
    if (!HasUnsavedChanges()) {
        return true;
    }
    switch (m_Sink.AskYesNoCancel(kMsgSaveChanges)) {
        case EAnswer::Yes:
            return OnFileSave();
        case EAnswer::No:
            return true;
        case EAnswer::Cancel:
            break;
    }
    return false;
}
