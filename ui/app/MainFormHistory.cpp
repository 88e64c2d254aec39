// The form's unsaved-changes bookkeeping: Save and Save As, the saved state, the undo history that starts
// with New and Load, and the question before unsaved changes are replaced.

#include "app/MainForm.h"

#include "SettingsFile.h"

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

bool CMainForm::OnFileSave() {
    if (m_strFilePath.empty()) {
        return OnFileSaveAs();
    }
    return CommitPendingEdits() && SaveTo(m_strFilePath);
}

bool CMainForm::OnFileSaveAs() {
    if (!CommitPendingEdits()) {
        return false;
    }
    const std::string path = m_ChooseSavePath ? m_ChooseSavePath() : std::string();
    return !path.empty() && SaveTo(path);
}

bool CMainForm::SaveTo(const std::string& path) {
    if (!OnSaveDocument(m_Doc, path, m_Sink)) {
        return false;
    }
    m_strFilePath = path;
    SetPlanName(path);
    MarkClean();
    emit StatusText(tr("Saved %1.").arg(QString::fromStdString(path)));
    return true;
}
