// The form's commands that take the configuration elsewhere: its text form, its channels as a CHIRP list
// (and such a list into them), a comparison with a file, the serial trace of the last transfer, and the
// options of the radio write.

#include <filesystem>

#include <QFileDialog>

#include "ChirpCsv.h"
#include "ConfigDiff.h"
#include "FileIo.h"
#include "TextConfig.h"
#include "TextMark.h"
#include "Utf8Path.h"
#include "app/MainForm.h"
#include "dialogs/CompareDlg.h"
#include "radio/RadioTransfer.h"
#include "radio/RestoreDlg.h"

bool CMainForm::CommitPendingEdits() {
    if (m_pSheet == nullptr) {
        return true;
    }
    COptionPage* page = m_pSheet->Page(m_pSheet->GetActiveIndex());
    return page == nullptr || page->CommitPending();
}

// Writes text to path whole or not at all; says where it went (done: "... %1"), or why it could not.
bool CMainForm::WriteTextFile(const std::string& path, const std::string& text, const QString& done) {
    std::string error;
    if (!WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()), &error)) {
        m_Sink.ShowMessage(tr("Cannot write %1: %2.")
                               .arg(QString::fromStdString(path), QString::fromStdString(error))
                               .toStdString());
        return false;
    }
    emit StatusText(done.arg(QString::fromStdString(path)));
    return true;
}

std::string CMainForm::AskChirpPath(bool save) {
    const QString filter = tr("CHIRP channel lists (*.csv *.CSV);;All files (*)");
    if (!save) {
        return QFileDialog::getOpenFileName(this, tr("Import Channels from CHIRP CSV"), QString(), filter)
            .toStdString();
    }
    QFileDialog dialog(this, tr("Export Channels as CHIRP CSV"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0).toStdString() : std::string();
}

void CMainForm::OnFileImportChirp() {
    if (m_Busy.Refuse(m_Sink) || !CommitPendingEdits()) {
        return;
    }
    const std::string path = m_ChooseChirpPath ? m_ChooseChirpPath(false) : std::string();
    if (path.empty()) {
        return;
    }
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(path, bytes, kMaxTextConfigBytes + 1, &error)) {
        m_Sink.ShowMessage(tr("Cannot read %1: %2.")
                               .arg(QString::fromStdString(path), QString::fromStdString(error))
                               .toStdString());
        return;
    }
    const CDataRadioDoc before = m_Doc;
    SChirpImport outcome;
    if (!ImportChirpCsv(std::string(bytes.begin(), bytes.end()), Utf8Path(path).filename().string(), "",
                        m_Doc, outcome, error)) {
        m_Sink.ShowMessage(error);
        return;
    }
    RefreshPages();
    RebuildMap(true);
    if (!SameSettings(before, m_Doc)) {
        m_History.RecordFrom(before, tr("Import Channels from CHIRP CSV"));
    }
    emit StatusText(
        tr("Imported the channels of %1.").arg(QString::fromStdString(Utf8Path(path).filename().string())));
    m_Sink.ShowMessageAs(ChirpImportReport(outcome), EMessageKind::Information);
}

void CMainForm::OnFileExportChirp() {
    if (!CommitPendingEdits()) {
        return;
    }
    const std::string path = m_ChooseChirpPath ? m_ChooseChirpPath(true) : std::string();
    if (path.empty()) {
        return;
    }
    std::vector<std::string> notes;
    const std::string text = ExportChirpCsv(m_Doc, notes);
    if (WriteTextFile(path, text, tr("Channels exported to %1")) && !notes.empty()) {
        std::string lines;
        for (const std::string& note : notes) {
            lines += (lines.empty() ? "" : "\n") + note;
        }
        m_Sink.ShowMessageAs(lines, EMessageKind::Information);
    }
}

void CMainForm::OnFileExportText() {
    if (!CommitPendingEdits()) {
        return;
    }
    const std::string path = m_ChooseExportPath ? m_ChooseExportPath() : std::string();
    if (path.empty()) {
        return;
    }
    const std::string text = ExportTextConfig(m_Doc);
    WriteTextFile(path, text, tr("Exported to %1"));
}

void CMainForm::OnFileCompare() {
    if (!CommitPendingEdits()) {
        return;
    }
    const std::string path = m_ChooseComparePath ? m_ChooseComparePath() : std::string();
    if (path.empty()) {
        return;
    }
    SConfig other;
    std::string error;
    if (!LoadConfig(path, other, error)) {
        m_Sink.ShowMessage(error);
        return;
    }
    SConfig mine;
    mine.doc = m_Doc;
    const std::string name = path.substr(path.find_last_of('/') + 1);
    if (m_ShowDifferences) {
        m_ShowDifferences(name, DiffConfigs(mine, other));
    }
}

void CMainForm::OnSaveTrace() {
    if (m_Busy.Refuse(m_Sink)) {
        return;
    }
    const std::string text = m_pTrace->Text();
    if (text.empty()) {
        m_Sink.ShowMessage(KV310_TEXT(
            "Messages",
            "There is no serial trace yet: read or write the radio, or open a service dialog, then "
            "save its trace."));
        return;
    }
    const std::string path = m_ChooseTracePath ? m_ChooseTracePath() : std::string();
    if (path.empty()) {
        return;
    }
    WriteTextFile(path, text, tr("Serial trace saved in %1"));
}

void CMainForm::SetVerifyAfterWrite(bool on) {
    m_pSheet->m_pEepromPage->m_pTransfer->m_bVerify = on;
}

void CMainForm::OnRestoreRadio() {
    if (m_Busy.Refuse(m_Sink)) {
        return;
    }
    // modeless, so that the progress window of its transfers can be used
    auto* dialog = new CRestoreDlg(m_Ctx, *m_pSheet->m_pEepromPage->m_pTransfer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void CMainForm::SetBackupBeforeWrite(bool on) {
    m_pSheet->m_pEepromPage->m_pTransfer->m_bBackupBeforeWrite = on;
}

void CMainForm::SetPlanName(const std::string& path) {
    if (m_pSheet != nullptr && m_pSheet->m_pEepromPage != nullptr &&
        m_pSheet->m_pEepromPage->m_pTransfer != nullptr) {
        m_pSheet->m_pEepromPage->m_pTransfer->m_strPlanPath = path;
    }
}
