// The questions a write asks when it stopped before sending anything: a radio of another model, or a backup
// that could not be kept. The radio was read already; going on writes with that image, merged as always.

#include <QFileDialog>

#include "Backup.h"
#include "FileIo.h"
#include "radio/RadioTransfer.h"
#include "shared/QtMessageSink.h"

namespace {

// Keeps the radio's image where the user chooses; true when it was kept.
bool SaveBackupAs(const CImageBytes& image, QWidget* parent, CMessageSink& sink, std::string& path) {
    const QString chosen =
        QFileDialog::getSaveFileName(parent, CRadioTransfer::tr("Save the Radio's Backup As"), QString(),
                                     CRadioTransfer::tr("EEPROM images (*.bin)"));
    if (chosen.isEmpty()) {
        return false;
    }
    path = chosen.toStdString();
    std::string error;
    if (!WriteFileAtomically(path, std::vector<uint8_t>(image.begin(), image.end()), &error)) {
        sink.ShowMessage(CRadioTransfer::tr("The backup could not be saved as %1: %2")
                             .arg(chosen, QString::fromStdString(error))
                             .toStdString());
        return false;
    }
    return true;
}

}  // namespace

bool CRadioTransfer::GoOnAfterRefusal(const SOutcome& outcome) {
    const bool model = outcome.m_Step == EWriteStep::CheckRadio;
    const bool backup = outcome.m_Step == EWriteStep::KeepBackup;
    if (outcome.m_bOk || outcome.m_End != ETransferEnd::Failed || !outcome.m_bHaveBefore ||
        !(model || backup)) {
        return false;
    }
    SOutcome next;
    next.m_Job = EJob::Write;
    next.m_bKeepBackupFile = false;  // kept by the first run, by the user, or declined
    next.m_bModelAccepted = outcome.m_bModelAccepted || model;
    next.m_strBackup = outcome.m_strBackup;
    std::string question = ToDisplayText(outcome.m_strFailure).toStdString() + "\n\n";
    int choice = -1;
    if (model) {
        question += tr("Write the plan over it anyway? Only the plan's settings change; the radio keeps its "
                       "calibration and its own bytes, and what it held is in its backup.")
                        .toStdString();
        choice = m_Ctx.m_Sink.AskChoice(question, {tr("Write Anyway").toStdString()});
    } else {
        question += tr("Save the backup somewhere else, or write without a backup file? The radio keeps its "
                       "own bytes either way.")
                        .toStdString();
        choice = m_Ctx.m_Sink.AskChoice(question, {tr("Save Backup As...").toStdString(),
                                                   tr("Write Without a Backup File").toStdString()});
        if (choice == 0 && !SaveBackupAs(outcome.m_Before, m_pDialogParent, m_Ctx.m_Sink, next.m_strBackup)) {
            choice = -1;
        }
    }
    if (choice < 0) {
        return false;  // the refusal stands, reported and logged as it was
    }
    m_Lease.Release();
    m_Ctx.m_Busy.End();
    SRadioWrite write = m_LastWrite;
    write.m_bHaveRadio = true;
    write.m_Radio = outcome.m_Before;
    CDataRadioDoc plan;
    plan.m_nModel = m_Ctx.m_Doc.m_nModel;
    plan.m_nSubBand = m_Ctx.m_Doc.m_nSubBand;
    return Launch(next, write, plan, tr("the radio write"));
}
