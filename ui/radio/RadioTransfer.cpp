#include "radio/RadioTransfer.h"

#include <QEventLoop>
#include <QMetaObject>
#include <chrono>

#include "Backup.h"
#include "ConfigCheck.h"
#include "FailedTrace.h"
#include "Format.h"
#include "ImageVerify.h"
#include "PartlyWritten.h"
#include "PortNames.h"
#include "PortSurvey.h"
#include "Sha256.h"
#include "TracingPort.h"
#include "TransferLog.h"

namespace {

constexpr size_t kFindingsShown = 12;  // a longer list is cut, with a count of the rest

// The port survey of the machine, for the check before a transfer opens its port.
CPortSystem& MachinePorts() {
    static const std::unique_ptr<CPortSystem> system = MachinePortSystem();
    return *system;
}

}  // namespace

CRadioTransfer::CRadioTransfer(CPageContext& context, CEepromImage& image, QWidget* dialogParent)
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
    m_pProgress->m_pBar->setRange(0, kImageSize);
    m_pProgress->m_pBar->setValue(0);
    m_pProgress->SetStatus(QString());
    m_pProgress->SetRunning(true);
    m_pProgress->show();
    m_pProgress->raise();
    m_pProgress->activateWindow();
}

CTransferHooks CRadioTransfer::WorkerHooks() {
    CTransferHooks hooks;
    hooks.SetStatus = [this](const std::string& text) {
        Post([this, text] {
            if (m_pProgress != nullptr) {
                m_pProgress->SetStatus(QString::fromStdString(text));
            }
        });
    };
    hooks.SetProgress = [this](int address) {
        Post([this, address] {
            if (m_pProgress != nullptr) {
                m_pProgress->m_pBar->setValue(address == 0 ? 0 : address + 1);
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
    hooks.SelectPllIc = [this](const std::string& name) {
        Post([this, name] {
            if (m_Ctx.m_View.SelectPllIc) {
                m_Ctx.m_View.SelectPllIc(QString::fromStdString(name));
            }
        });
    };
    hooks.DataStatus = [this](const std::string& text) {
        Post([this, text] {
            if (m_Ctx.m_View.ShowStatus) {
                m_Ctx.m_View.ShowStatus(QString::fromStdString(text));
            }
        });
    };
    return hooks;
}

void CRadioTransfer::Start(bool write) {
    if (m_Worker.joinable()) {
        ShowProgressWindow();  // the running one: just bring it forward
        return;
    }
    if (m_Ctx.m_Busy.Refuse(m_Ctx.m_Sink)) {
        return;
    }
    if (write && !ConfirmCheck()) {
        return;
    }
    const QString what = write ? tr("the radio write") : tr("the radio read");
    std::string refusal;
    m_Lease = m_Ctx.m_Link.Borrow(what.toStdString(), &refusal);
    if (!m_Lease) {
        m_Ctx.m_Sink.ShowMessage(refusal);
        return;
    }
    const int com = m_Ctx.m_Doc.m_nComPort;
    SOutcome job;
    if (write) {
        m_Image.EncodeImage(m_Ctx.m_Doc);
        if (m_ApplyMapChanges) {
            m_ApplyMapChanges(m_Image);
        } else {
            m_Image.ApplyChangeBytes();
        }
        job.m_Bytes = m_Image.m_Work;
    }
    m_Ctx.m_Busy.Begin(what);
    ShowProgressWindow();
    if (m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(write ? tr("Writing the radio on COM%1...").arg(com)
                                      : tr("Reading the radio on COM%1...").arg(com));
    }

    CImageTransfer transfer(m_Lease.Port(), WorkerHooks());
    transfer.m_nComNumber = com;
    transfer.m_strDevice = m_Ctx.m_Link.DevicePath(com);
    transfer.m_pCancel = &m_Ctx.m_Link.CancelFlag();
    transfer.m_CheckPort = PortCheck(MachinePorts());
    const bool verify = m_bVerify;
    const bool backupFirst = m_bBackupBeforeWrite;
    CDataRadioDoc plan;  // only what the model check reads, so the worker never touches the record
    plan.m_nModel = m_Ctx.m_Doc.m_nModel;
    plan.m_nSubBand = m_Ctx.m_Doc.m_nSubBand;
    const std::string backupPort = StrPrintf("COM%d", m_Ctx.m_Doc.m_nComPort);
    m_Worker = std::thread(
        [this, write, verify, backupFirst, plan, backupPort, transfer = std::move(transfer), job]() mutable {
            const auto start = std::chrono::steady_clock::now();
            if (write) {
                RunWrite(transfer, job, verify, backupFirst, plan, backupPort);
            } else {
                job.m_bOk = transfer.ReadImage(job.m_Bytes);
                job.m_nVersion = transfer.m_nVersion;
                job.m_End = transfer.m_End;
                job.m_strFailure = transfer.m_strFailure;
                job.m_Failure = transfer.m_Failure;
            }
            job.m_dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            Post([this, write, job] { OnWorkerDone(write, job); });
        });
}

// On the worker: the backup read first when asked for, the write, then the read-back that proves it.
void CRadioTransfer::RunWrite(CImageTransfer& transfer, SOutcome& job, bool verify, bool backupFirst,
                              const CDataRadioDoc& plan, const std::string& backupPort) {
    if (backupFirst) {
        job.m_bHaveBefore = transfer.ReadImage(job.m_Before);
        if (!job.m_bHaveBefore) {
            job.m_End = transfer.m_End;
            job.m_strFailure = "The radio could not be read for its backup, so nothing was written.\n" +
                               transfer.m_strFailure;
            job.m_Failure = transfer.m_Failure;
            return;
        }
        // Kept before the radio is touched: a write whose backup is lost would leave nothing to go back to.
        std::string path;
        std::string error;
        if (!SaveBackup(job.m_Before, backupPort, path, &error)) {
            job.m_End = ETransferEnd::Failed;
            job.m_strFailure =
                "Nothing was written: the radio's image could not be kept as a backup in " + BackupFolder() +
                " (" + error +
                ").\nMake room there, or turn Back Up Radio Before Write off to write without a "
                "backup.";
            return;
        }
        job.m_strBackup = path;
        CEepromImage image;
        image.m_Work = job.m_Before;
        CDataRadioDoc radio;
        image.DecodeImage(radio);
        const std::string mismatch = RadioModelMismatch(radio, plan);
        if (!mismatch.empty()) {
            job.m_End = ETransferEnd::Failed;
            job.m_strFailure = "Nothing was written: " + mismatch +
                               ".\nChoose the radio's model, or turn Back Up Radio Before Write off to write "
                               "over it anyway.";
            return;
        }
    }
    job.m_bOk = transfer.WriteImage(job.m_Bytes);
    job.m_nVersion = transfer.m_nVersion;
    job.m_End = transfer.m_End;
    job.m_strFailure = transfer.m_strFailure;
    job.m_Failure = transfer.m_Failure;
    if (transfer.m_End == ETransferEnd::Cancelled) {
        const std::string partly = PartlyWrittenText(transfer.m_nBlocksWritten);
        job.m_strFailure += partly.empty() ? "" : "\n" + partly;  // which blocks are new
    }
    if (job.m_bOk && verify) {
        const SVerifyResult result = VerifyWrite(transfer, job.m_Bytes);
        job.m_bOk = result.m_bOk;
        job.m_End = result.m_bOk                                ? ETransferEnd::Done
                    : transfer.m_End == ETransferEnd::Cancelled ? ETransferEnd::Cancelled
                                                                : ETransferEnd::Failed;
        job.m_strFailure = result.m_strMessage;
    }
}

bool CRadioTransfer::ConfirmCheck() {
    const std::vector<SFinding> findings = CheckConfig(m_Ctx.m_Doc);
    if (!HasErrors(findings)) {
        if (!findings.empty() && m_Ctx.m_View.ShowStatus) {
            m_Ctx.m_View.ShowStatus(QString::fromStdString(FindingLine(findings.front())));
        }
        return true;
    }
    std::string question = "This configuration would not reach the radio as it stands:\r\n\r\n";
    for (size_t i = 0; i < findings.size() && i < kFindingsShown; ++i) {
        question += FindingLine(findings[i]) + "\r\n";
    }
    if (findings.size() > kFindingsShown) {
        question += StrPrintf("... and %zu more.\r\n", findings.size() - kFindingsShown);
    }
    question += "\r\nWrite it to the radio anyway?";
    return m_Ctx.m_Sink.AskYesNo(question);
}

void CRadioTransfer::KeepBackup(const CImageBytes& image, const QString& what) {
    std::string path;
    std::string error;
    const std::string port = StrPrintf("COM%d", m_Ctx.m_Doc.m_nComPort);
    if (!SaveBackup(image, port, path, &error)) {
        m_Ctx.m_Sink.ShowMessage("The radio's image could not be kept as a backup: " + error);
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
    connect(this, &CRadioTransfer::Finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void CRadioTransfer::OnWorkerDone(bool write, const SOutcome& outcome) {
    m_Worker.join();
    // An interrupted write is reported as a failed one: the radio may hold a mix, and its trace tells how.
    if (!outcome.m_bOk &&
        (outcome.m_End == ETransferEnd::Failed || (write && outcome.m_End == ETransferEnd::Cancelled))) {
        ReportFailure(outcome);  // while the lease still holds the port and its trace
    }
    m_Lease.Release();
    const std::string backupBefore = m_strLastBackup;
    m_bLastOk = outcome.m_bOk;
    m_LastEnd = outcome.m_End;
    if (!outcome.m_strBackup.empty()) {
        m_strLastBackup = outcome.m_strBackup;
        if (m_Ctx.m_View.ShowStatus) {
            m_Ctx.m_View.ShowStatus(tr("What the radio held before the write is kept in %1")
                                        .arg(QString::fromStdString(outcome.m_strBackup)));
        }
    }
    if (outcome.m_bOk) {
        if (write) {
            m_Image.m_Work = outcome.m_Bytes;  // byte 16 as the firmware asked for it
            if (m_Ctx.m_View.ShowVersion && outcome.m_nVersion >= 0) {
                // the read-back of the verify showed it in the read's form
                m_Ctx.m_View.ShowVersion(QString::fromStdString(
                    StrPrintf("%d . %d", outcome.m_nVersion >> 4, outcome.m_nVersion & 0x0F)));
            }
        } else {
            m_Image.m_Read = outcome.m_Bytes;
            m_Image.m_Work = m_Image.m_Read;
            m_Ctx.m_Doc.m_bFileLoaded = 1;
            if (m_FillMap) {
                m_FillMap();
            }
            m_Image.DecodeImage(m_Ctx.m_Doc);
        }
    }
    m_Ctx.m_Busy.End();
    if (m_pProgress != nullptr) {
        m_pProgress->SetRunning(false);
        if (outcome.m_bOk) {
            m_pProgress->m_pBar->setValue(0);
            m_pProgress->close();
        } else {
            m_pProgress->SetStatus(QString::fromStdString(outcome.m_strFailure));
        }
    }
    if (m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(outcome.m_bOk
                                    ? QStringLiteral("Select Write / Read button")
                                    : QString::fromStdString(outcome.m_strFailure).section('\n', 0, 0));
    }
    if (outcome.m_bOk && !write) {
        KeepBackup(outcome.m_Bytes, tr("The radio's image is kept in %1"));
    }
    LogTransfer(write, outcome, m_strLastBackup != backupBefore ? m_strLastBackup : std::string());
    if (outcome.m_bOk && m_Ctx.m_View.RefreshAfterLoad) {
        m_Ctx.m_View.RefreshAfterLoad();
    }
    emit Finished(write, outcome.m_bOk);
}

void CRadioTransfer::ReportFailure(const SOutcome& outcome) {
    const bool verifyFailed =
        outcome.m_Failure.m_Did == ERadioDid::Nothing || outcome.m_strFailure.rfind("Verify failed", 0) == 0;
    std::string advice = verifyFailed ? std::string() : FailureAdvice(outcome.m_Failure);
    m_strLastTrace.clear();
    auto* trace = dynamic_cast<CTracingPort*>(&m_Lease.Port());
    if (trace != nullptr && outcome.m_Failure.m_Stage != EStage::OpenPort) {
        std::string error;
        if (KeepFailedTrace(trace->Text(), StrPrintf("COM%d", m_Ctx.m_Doc.m_nComPort), m_strLastTrace,
                            &error)) {
            advice += (advice.empty() ? "" : "\n") +
                      std::string("The serial trace of this transfer is kept in ") + m_strLastTrace;
        }
    }
    if (m_pProgress != nullptr) {
        m_pProgress->SetAdvice(QString::fromStdString(advice));
    }
}

void CRadioTransfer::LogTransfer(bool write, const SOutcome& outcome, const std::string& backup) {
    if (!write && outcome.m_End == ETransferEnd::Cancelled) {
        return;  // nothing was decided about the radio; a cancelled write may have left it a mix
    }
    STransferLogEntry entry;
    entry.m_strProgram = "kv310";
    entry.m_strVerb = write ? "write" : "read";
    const int com = m_Ctx.m_Doc.m_nComPort;
    entry.m_strPort = StrPrintf("COM%d", com);
    const std::string device = m_Ctx.m_Link.DevicePath(com);
    if (com != kSimulatedRadioCom && device == ComDevicePath(com)) {
        entry.m_strAdapterSerial = SurveyDevice(MachinePorts(), com, device).m_strSerial;
    }
    if (outcome.m_nVersion >= 0) {
        entry.m_strFirmware = StrPrintf("%d.%d", outcome.m_nVersion >> 4, outcome.m_nVersion & 0x0F);
    }
    entry.m_strModel = ModelLogName(m_Ctx.m_Doc);
    entry.m_strPlan = m_strPlanName;
    if (write && outcome.m_bOk) {
        entry.m_strSha256 = Sha256Hex(outcome.m_Bytes.data(), outcome.m_Bytes.size());
    }
    entry.m_strResult =
        outcome.m_bOk ? "ok" : outcome.m_strFailure.substr(0, outcome.m_strFailure.find('\n'));
    entry.m_dSeconds = outcome.m_dSeconds;
    entry.m_strBackup = backup;
    std::string error;
    if (!AppendTransferLog(entry, &error) && m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(
            tr("The transfer log could not be written: %1").arg(QString::fromStdString(error)));
    }
}
