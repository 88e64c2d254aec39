#include "radio/RadioTransfer.h"

#include <QEventLoop>
#include <QMetaObject>
#include <chrono>

#include "Backup.h"
#include "ConfigCheck.h"
#include "FailedTrace.h"
#include "Format.h"
#include "ImageMerge.h"
#include "ImageVerify.h"
#include "LinkFrames.h"
#include "PartlyWritten.h"
#include "PortNames.h"
#include "PortSurvey.h"
#include "Sha256.h"
#include "TracingPort.h"
#include "TransferLog.h"
#include "TransferRecord.h"
#include "radio/PlanCheck.h"
#include "shared/DisplaySettings.h"
#include "shared/QtMessageSink.h"
#include "shared/Translation.h"

namespace {

// The port survey of the machine, for the check before a transfer opens its port.
CPortSystem& MachinePorts() {
    static const std::unique_ptr<CPortSystem> system = MachinePortSystem();
    return *system;
}

}  // namespace

CRadioTransfer::CRadioTransfer(SPageContext& context, CEepromImage& image, QWidget* dialogParent)
    : m_Ctx(context), m_Image(image), m_pDialogParent(dialogParent) {}

CRadioTransfer::~CRadioTransfer() {
    if (m_Worker.joinable()) {
        m_Ctx.m_Link.RequestCancel();
        m_Worker.join();
    }
}

void CRadioTransfer::Post(std::function<void()> f) {
    QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

void CRadioTransfer::ShowProgressWindow() {
    if (m_pProgress == nullptr) {
        m_pProgress = new CProgressDlg(m_pDialogParent);
        connect(m_pProgress, &CProgressDlg::CancelRequested, this, &CRadioTransfer::Cancel);
    }
    if (!m_pProgress->m_bRunning) {  // brought forward while running, it keeps its bar and its status
        m_pProgress->m_pBar->setRange(0, kImageSize);
        m_pProgress->m_pBar->setValue(0);
        m_pProgress->SetStatus(QString());
        m_pProgress->SetRunning(true);
    }
    m_pProgress->show();
    m_pProgress->raise();
    m_pProgress->activateWindow();
}

STransferHooks CRadioTransfer::WorkerHooks() {
    STransferHooks hooks;
    hooks.SetStatus = [this](const std::string& text) {
        Post([this, text] {
            if (m_pProgress != nullptr) {
                m_pProgress->SetStatus(ToDisplayText(text));  // the radio's lines in the window's language
            }
        });
    };
    hooks.SetProgress = [this](int address) {
        Post([this, address] {
            if (m_pProgress != nullptr) {
                m_pProgress->SetProgress(address == 0 ? 0 : address + 1);
            }
        });
    };
    hooks.ShowVersion = [this](const std::string& text) {
        Post([this, text] {
            if (m_Ctx.m_View.ShowVersion) {
                m_Ctx.m_View.ShowVersion(QString::fromStdString(text));
            }
        });
    };
    hooks.DataStatus = [this](const std::string& text) {
        Post([this, text] {
            if (m_Ctx.m_View.ShowStatus) {
                m_Ctx.m_View.ShowStatus(ToDisplayText(text));
            }
        });
    };
    return hooks;
}

void CRadioTransfer::Start(bool write) {
    Start(write, false);
}

void CRadioTransfer::StartWholeImageWrite() {
    Start(true, true);
}

void CRadioTransfer::Start(bool write, bool wholeImage) {
    if (m_Worker.joinable()) {
        ShowProgressWindow();  // the running one: just bring it forward
        return;
    }
    if (m_Ctx.m_Busy.Refuse(m_Ctx.m_Sink)) {
        return;
    }
    if (write && !ConfirmPlanCheck(m_Ctx.m_Doc, m_Ctx.m_Sink, m_Ctx.m_View.ShowStatus)) {
        return;
    }
    if (wholeImage &&
        !m_Ctx.m_Sink.AskYesNo(
            (TranslatedText(KV310_MESSAGES, kTextWholeImageResets) + QStringLiteral("\n\n") +
             tr("Write Radio keeps them; use this only to give a radio a known state. Write the whole "
                "image?"))
                .toStdString())) {
        return;
    }
    SOutcome job;
    job.m_Job = write ? EJob::Write : EJob::Read;
    job.m_bKeepBackupFile = m_bBackupBeforeWrite;
    SRadioWrite plan;
    if (write) {
        m_Image.EncodeImage(m_Ctx.m_Doc);
        if (m_ApplyMapChanges) {
            m_ApplyMapChanges(m_Image);
        } else {
            m_Image.ApplyChangeBytes();
        }
        plan.m_Plan = m_Image.m_Work;
        plan.m_Decided = m_Image.m_Decided;
        plan.m_bWholeImage = wholeImage;
        plan.m_bVerify = m_bVerify;
        m_LastWrite = plan;
    }
    CDataRadioDoc model;  // only what the model check reads, so the worker never touches the record
    model.m_nModel = m_Ctx.m_Doc.m_nModel;
    model.m_nSubBand = m_Ctx.m_Doc.m_nSubBand;
    Launch(job, plan, model, write ? tr("the radio write") : tr("the radio read"));
}

void CRadioTransfer::StartLook() {
    if (m_Worker.joinable() || m_Ctx.m_Busy.Refuse(m_Ctx.m_Sink)) {
        return;
    }
    SOutcome job;
    job.m_Job = EJob::Look;
    Launch(job, SRadioWrite(), CDataRadioDoc(), tr("the radio read"));
}

void CRadioTransfer::StartRestore(const CImageBytes& backup, const std::string& backupName) {
    if (m_Worker.joinable() || m_Ctx.m_Busy.Refuse(m_Ctx.m_Sink)) {
        return;
    }
    SOutcome job;
    job.m_Job = EJob::Restore;
    job.m_bModelAccepted = true;  // the restore's own question named the model
    SRadioWrite restore;
    restore.m_Plan = backup;
    restore.m_bRestore = true;
    restore.m_bHaveRadio = true;  // read just before, by StartLook
    restore.m_Radio = m_LastRadio;
    restore.m_bVerify = true;
    m_strRestoreName = backupName;
    Launch(job, restore, CDataRadioDoc(), tr("the radio restore"));
}

bool CRadioTransfer::Launch(SOutcome job, const SRadioWrite& write, const CDataRadioDoc& plan,
                            const QString& what) {
    std::string refusal;
    m_Lease = m_Ctx.m_Link.Borrow(what.toStdString(), &refusal);
    if (!m_Lease) {
        m_Ctx.m_Sink.ShowMessage(refusal);
        return false;
    }
    const int com = m_Ctx.m_State.m_nComPort;
    const bool writing = job.m_Job == EJob::Write || job.m_Job == EJob::Restore;
    m_Ctx.m_Busy.Begin(what);
    ShowProgressWindow();
    m_pProgress->SetRunning(true, writing);  // a write is stopped only once the user has said so
    if (m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(writing ? tr("Writing the radio on COM%1...").arg(com)
                                        : tr("Reading the radio on COM%1...").arg(com));
    }
    STransferHooks hooks = WorkerHooks();
    const std::function<void(const std::string&)> status = hooks.SetStatus;
    if (job.m_Job == EJob::Look) {
        hooks.ShowVersion = nullptr;  // a look at the radio leaves the form as it is
    }
    job.m_strBackupPort = StrPrintf("COM%d", com);
    CBlockTransfer transfer(m_Lease.Port(), std::move(hooks));
    transfer.m_nComNumber = com;
    transfer.m_strDevice = m_Ctx.m_Link.DevicePath(com);
    transfer.m_pCancel = &m_Ctx.m_Link.CancelFlag();
    transfer.m_CheckPort = PortCheck(MachinePorts());
    m_Worker = std::thread([this, write, plan, status, transfer = std::move(transfer), job]() mutable {
        const auto start = std::chrono::steady_clock::now();
        if (job.m_Job == EJob::Write || job.m_Job == EJob::Restore) {
            RunWrite(transfer, job, write, plan, status);
        } else {
            job.m_bOk = transfer.ReadImage(job.m_Bytes);
            job.m_nVersion = transfer.m_nVersion;
            job.m_End = transfer.m_End;
            job.m_strFailure = transfer.m_strFailure;
            job.m_Failure = transfer.m_Failure;
        }
        job.m_dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        Post([this, job] { OnWorkerDone(job); });
    });
    return true;
}

// On the worker: [the read first, with the model check] -> the write over the radio's own bytes -> the
// read-back that proves it.
void CRadioTransfer::RunWrite(CBlockTransfer& transfer, SOutcome& job, const SRadioWrite& write,
                              const CDataRadioDoc& plan,
                              const std::function<void(const std::string&)>& status) {
    SRadioWriteHooks hooks;
    if (!job.m_bModelAccepted) {
        hooks.CheckRadio = [&plan](const CImageBytes& before, std::string& error) {
            const std::string mismatch = RadioModelMismatch(DecodedImage(before), plan);
            if (mismatch.empty()) {
                return true;
            }
            error = tr("Nothing was written: %1.").arg(QString::fromStdString(mismatch)).toStdString();
            return false;
        };
    }
    hooks.Notice = [&job, &status](const std::string& line) {
        job.m_Notices.push_back(line);
        if (status) {
            status(tr("The radio's own value changes: %1").arg(QString::fromStdString(line)).toStdString());
        }
    };
    // Kept before the radio is touched: a write whose backup is lost would leave nothing to go back to.
    hooks.KeepBackup = [&job](const CImageBytes& radio, std::string& error) {
        if (!job.m_bKeepBackupFile) {
            return true;
        }
        std::string reason;
        if (SaveBackup(radio, job.m_strBackupPort, job.m_strBackup, &reason)) {
            return true;
        }
        job.m_strBackup.clear();
        error = tr("Nothing was written: the radio's image could not be kept as a backup in %1 (%2).")
                    .arg(QString::fromStdString(BackupFolder()), QString::fromStdString(reason))
                    .toStdString();
        return false;
    };
    hooks.Status = status;
    const SRadioWriteResult result = RunRadioWrite(transfer, write, hooks);
    job.m_bHaveBefore = result.m_bHaveRadio;
    job.m_Step = result.m_Step;
    job.m_Before = result.m_Radio;
    job.m_bKeptOwn = result.m_bKeptOwn;
    job.m_bOk = result.m_bOk;
    job.m_nVersion = result.m_nVersion;
    job.m_End = result.m_End;
    job.m_Failure = result.m_Failure;
    job.m_Bytes = result.m_Sent;
    job.m_bWriteBegan = result.m_Step == EWriteStep::Write || result.m_Step == EWriteStep::Verify ||
                        result.m_Step == EWriteStep::Done;
    job.m_bVerifyFailed = result.m_Step == EWriteStep::Verify && !result.m_bOk;
    job.m_strFailure = result.m_Step == EWriteStep::ReadFirst
                           ? tr("The radio could not be read first, so nothing was written.").toStdString() +
                                 "\n" + result.m_strFailure
                           : result.m_strFailure;
    if (result.m_Step == EWriteStep::Write && result.m_End == ETransferEnd::Cancelled) {
        const std::string partly = PartlyWrittenText(result.m_nBlocksWritten);
        job.m_strFailure += partly.empty() ? "" : "\n" + partly;  // which blocks are new
    }
}

void CRadioTransfer::KeepBackup(const CImageBytes& image, const QString& what) {
    std::string path;
    std::string error;
    const std::string port = StrPrintf("COM%d", m_Ctx.m_State.m_nComPort);
    if (!SaveBackup(image, port, path, &error)) {
        m_Ctx.m_Sink.ShowMessage(tr("The radio's image could not be kept as a backup: %1")
                                     .arg(QString::fromStdString(error))
                                     .toStdString());
        return;
    }
    m_strLastBackup = path;
    if (m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(what.arg(QString::fromStdString(path)));
    }
}

void CRadioTransfer::Cancel() {
    if (m_Worker.joinable()) {
        m_Ctx.m_Link.RequestCancel();
        if (m_pProgress != nullptr) {
            m_pProgress->SetStatus(tr("Cancelling after the current block..."));
            m_pProgress->m_pCancel->setEnabled(false);
        }
    }
}

void CRadioTransfer::WaitUntilDone() {
    if (!m_Worker.joinable()) {
        return;
    }
    // Not a busy wait: the loop sleeps until the worker's posts arrive, and ends with its last one.
    QEventLoop loop;
    connect(this, &CRadioTransfer::Done, &loop, &QEventLoop::quit);
    loop.exec();
}

void CRadioTransfer::OnWorkerDone(const SOutcome& outcome) {
    m_Worker.join();
    const bool write = outcome.m_Job == EJob::Write;
    if (write && GoOnAfterRefusal(outcome)) {
        return;
    }
    // An interrupted write is reported as a failed one: the radio may hold a mix, and its trace tells how.
    if (!outcome.m_bOk &&
        (outcome.m_End == ETransferEnd::Failed || (write && outcome.m_End == ETransferEnd::Cancelled))) {
        ReportFailure(outcome);  // while the lease still holds the port and its trace
    }
    m_Lease.Release();
    const std::string backupBefore = m_strLastBackup;
    m_bLastOk = outcome.m_bOk;
    m_LastEnd = outcome.m_End;
    m_strLastNote.clear();
    if (!outcome.m_strBackup.empty()) {
        m_strLastBackup = outcome.m_strBackup;
        if (m_Ctx.m_View.ShowStatus) {
            m_Ctx.m_View.ShowStatus(tr("What the radio held before the write is kept in %1")
                                        .arg(QString::fromStdString(outcome.m_strBackup)));
        }
    } else if (outcome.m_bHaveBefore && outcome.m_Job != EJob::Write) {
        KeepBackup(outcome.m_Before, tr("What the radio held before the write is kept in %1"));
    }
    if (outcome.m_bOk && write) {
        m_Image.m_Work =
            outcome.m_Bytes;  // what went out: the radio's own bytes, byte 16 as the firmware asked
        if (m_Ctx.m_View.ShowVersion && outcome.m_nVersion >= 0) {
            m_Ctx.m_View.ShowVersion(
                QString::fromStdString(VersionText(static_cast<uint8_t>(outcome.m_nVersion))));
        }
        for (const std::string& line : outcome.m_Notices) {
            m_strLastNote +=
                (m_strLastNote.empty() ? tr("The radio's own value changed: ").toStdString() : "; ") + line;
        }
        if (m_LastWrite.m_bWholeImage) {
            m_strLastNote = TranslatedText(KV310_MESSAGES, kTextWholeImageResets).toStdString();
        }
    } else if (outcome.m_bOk && outcome.m_Job == EJob::Read) {
        m_Image.m_Read = outcome.m_Bytes;
        m_Image.m_Work = m_Image.m_Read;
        m_Ctx.m_State.m_bFileLoaded = 1;
        if (m_FillMap) {
            m_FillMap();
        }
        m_Image.DecodeImage(m_Ctx.m_Doc);
    } else if (outcome.m_bOk) {
        m_LastRadio = outcome.m_Bytes;  // a look, or a restore the read-back proved
    }
    m_strLastFailure = outcome.m_bOk ? std::string() : outcome.m_strFailure;
    m_Ctx.m_Busy.End();
    if (m_pProgress != nullptr) {
        m_pProgress->SetRunning(false);
        if (outcome.m_bOk) {
            m_pProgress->m_pBar->setValue(0);
            m_pProgress->close();
        } else {
            m_pProgress->ShowWhereItStopped();
            m_pProgress->SetStatus(ToDisplayText(outcome.m_strFailure));
        }
    }
    const bool readOrWrite = outcome.m_Job == EJob::Read || write;
    const QString done = outcome.m_bOk && readOrWrite ? SuccessText(write, outcome) : QString();
    if (m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(!outcome.m_bOk ? ToDisplayText(outcome.m_strFailure).section('\n', 0, 0)
                                : !m_strLastNote.empty()
                                    ? (done.isEmpty() ? QString() : done + QStringLiteral("; ")) +
                                          QString::fromStdString(m_strLastNote)
                                : !done.isEmpty() ? done
                                                  : tr("Select Write / Read button"));
    }
    if (outcome.m_bOk && outcome.m_Job == EJob::Read) {
        KeepBackup(outcome.m_Bytes, done + tr("; the radio's image is kept in %1"));
    } else if (outcome.m_bOk && outcome.m_Job == EJob::Look) {
        KeepBackup(outcome.m_Bytes, tr("The radio's image is kept in %1"));
    }
    LogTransfer(outcome, m_strLastBackup != backupBefore ? m_strLastBackup : std::string());
    switch (outcome.m_Job) {
        case EJob::Read:
        case EJob::Write:
            if (outcome.m_bOk && m_Ctx.m_View.RefreshAfterLoad) {
                m_Ctx.m_View.RefreshAfterLoad();
            }
            emit Finished(write, outcome.m_bOk);
            break;
        case EJob::Look:
            emit RadioRead(outcome.m_bOk);
            break;
        case EJob::Restore:
            emit Restored(outcome.m_bOk);
            break;
    }
    emit Done();
}

QString CRadioTransfer::SuccessText(bool write, const SOutcome& outcome) const {
    const QString what = !write      ? tr("Read: %1 on %2, %3 s")
                         : m_bVerify ? tr("Written and verified: %1 on %2, %3 s")
                                     : tr("Written (not read back): %1 on %2, %3 s");
    const int com = m_Ctx.m_State.m_nComPort;
    return what
        .arg(QString::fromStdString(ModelAndBandText(m_Ctx.m_Doc)),
             com > 0 ? QStringLiteral("COM%1").arg(com) : tr("the port"))
        .arg(NumberText(outcome.m_dSeconds, 1));
}

void CRadioTransfer::ReportFailure(const SOutcome& outcome) {
    const bool verifyFailed = outcome.m_Failure.m_Did == ERadioDid::Nothing || outcome.m_bVerifyFailed;
    const std::string advice =
        verifyFailed ? std::string() : FailureAdvice(outcome.m_Failure, kFindCableInWindow);
    m_strLastTrace.clear();
    auto* trace = dynamic_cast<CTracingPort*>(&m_Lease.Port());
    if (trace != nullptr && outcome.m_Failure.m_Stage != EStage::OpenPort) {
        std::string error;
        if (!KeepFailedTrace(trace->Text(), StrPrintf("COM%d", m_Ctx.m_State.m_nComPort), m_strLastTrace,
                             &error)) {
            m_strLastTrace.clear();
        }
    }
    if (m_pProgress != nullptr) {
        m_pProgress->SetAdvice(QString::fromStdString(advice), QString::fromStdString(m_strLastTrace));
    }
}

void CRadioTransfer::LogTransfer(const SOutcome& outcome, const std::string& backup) {
    const bool write = outcome.m_Job == EJob::Write;
    // A cancelled transfer is logged too: the radio had answered, and a cancelled write left it partly
    // written.
    const int com = m_Ctx.m_State.m_nComPort;
    const std::string device = m_Ctx.m_Link.DevicePath(com);
    std::string serial;
    if (com != kSimulatedRadioCom && device == ComDevicePath(com)) {
        serial = SurveyDevice(MachinePorts(), com, device).m_strSerial;
    }
    CTransferRecord record("kv310",
                           write                            ? "write"
                           : outcome.m_Job == EJob::Restore ? "restore"
                                                            : "read",
                           StrPrintf("COM%d", com), serial);
    const bool ownImage = outcome.m_Job == EJob::Look || outcome.m_Job == EJob::Restore;
    // A read that failed brought no model, and the open plan had no part in it.
    const bool planPart = !ownImage && (write || outcome.m_bOk);
    if (ownImage) {  // a look or a restore names the model of the image that went over the line
        record.SetModelOf(outcome.m_Bytes);
    } else if (planPart) {
        record.m_Entry.m_strModel = ModelLogName(m_Ctx.m_Doc);
    }
    const std::string& plan = outcome.m_Job == EJob::Restore ? m_strRestoreName
                              : planPart                     ? m_strPlanPath
                                                             : std::string();
    if (!plan.empty()) {
        record.SetPlan(plan);
    }
    if ((write || outcome.m_Job == EJob::Restore) && outcome.m_bOk) {
        record.SetSent(outcome.m_Bytes);
    }
    std::string result = ResultLogText(outcome.m_bOk, outcome.m_strFailure);
    if ((write || outcome.m_Job == EJob::Restore) && outcome.m_bWriteBegan && !outcome.m_bOk &&
        outcome.m_Failure.m_Stage == EStage::Blocks) {
        // the log keeps what the radio holds, not only "Write Fail!"
        const std::string partly = PartlyWrittenText(outcome.m_Failure.m_nBlock);
        result += partly.empty() ? "" : " " + partly;
    }
    record.Finish(outcome.m_nVersion, outcome.m_bOk, result);
    record.m_Entry.m_dSeconds = outcome.m_dSeconds;
    record.m_Entry.m_strBackup = backup;
    std::string error;
    if (!record.Log(&error) && m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(
            tr("The transfer log could not be written: %1").arg(QString::fromStdString(error)));
    }
}
