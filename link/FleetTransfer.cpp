#include "FleetTransfer.h"

#include <algorithm>
#include <chrono>

#include "Format.h"
#include "ImageTransfer.h"
#include "ImageVerify.h"
#include "PartlyWritten.h"
#include "ServiceLink.h"

namespace {

const char kTextBackupRead[] = "Reading the radio for a backup...";

double NowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::string Padded(const std::string& text, size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

// A transfer on the worker's own port whose status and progress name the port.
CImageTransfer MakeTransfer(const SFleetPort& port, const SFleetHooks& fleetHooks, int index,
                            const std::atomic<bool>& cancel, const std::atomic<bool>* stop) {
    CTransferHooks hooks;
    if (fleetHooks.SetStatus) {
        hooks.SetStatus = [&fleetHooks, index](const std::string& text) {
            fleetHooks.SetStatus(index, text);
        };
    }
    if (fleetHooks.SetProgress) {
        hooks.SetProgress = [&fleetHooks, index](int address) { fleetHooks.SetProgress(index, address); };
    }
    CImageTransfer transfer(*port.m_pPort, std::move(hooks));
    transfer.m_nComNumber = port.m_nComNumber;
    transfer.m_strDevice = port.m_strDevice;
    transfer.m_pCancel = &cancel;
    transfer.m_CheckPort = fleetHooks.CheckPort;
    transfer.m_pStop = stop;
    return transfer;
}

}  // namespace

std::string OneLineText(std::string text) {
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at)) {
        text.replace(at, 1, ": ");
    }
    return text;
}

CFleetTransfer::CFleetTransfer(std::vector<SFleetPort> ports, SFleetHooks hooks)
    : m_Ports(std::move(ports)), m_Results(m_Ports.size()), m_Hooks(std::move(hooks)) {}

CFleetTransfer::~CFleetTransfer() {
    Cancel();
    Join();
}

void CFleetTransfer::StartWrite(const CImageBytes& image, bool verify) {
    SRadioWrite job;
    job.m_Plan = image;
    job.m_Mask.fill(0xFF);
    job.m_bReadFirst = static_cast<bool>(m_Hooks.KeepBackup);
    job.m_bVerify = verify;
    StartWrite(job);
}

void CFleetTransfer::StartWrite(const SRadioWrite& job) {
    if (IsRunning()) {
        return;
    }
    m_bCancel = false;
    m_Results.assign(m_Ports.size(), SFleetResult());
    for (size_t i = 0; i < m_Ports.size(); ++i) {
        m_Workers.emplace_back(&CFleetTransfer::RunWrite, this, static_cast<int>(i), job);
    }
}

void CFleetTransfer::StartRead() {
    if (IsRunning()) {
        return;
    }
    m_bCancel = false;
    m_Results.assign(m_Ports.size(), SFleetResult());
    for (size_t i = 0; i < m_Ports.size(); ++i) {
        m_Workers.emplace_back(&CFleetTransfer::RunRead, this, static_cast<int>(i));
    }
}

void CFleetTransfer::Join() {
    for (std::thread& worker : m_Workers) {
        worker.join();
    }
    m_Workers.clear();
}

bool CFleetTransfer::AllOk() const {
    return std::all_of(m_Results.begin(), m_Results.end(), [](const SFleetResult& r) { return r.m_bOk; });
}

void CFleetTransfer::RunWrite(int index, SRadioWrite job) {
    const double start = NowSeconds();
    SFleetResult& result = m_Results[static_cast<size_t>(index)];  // only this worker touches it until Done
    CImageTransfer transfer =
        MakeTransfer(m_Ports[static_cast<size_t>(index)], m_Hooks, index, m_bCancel, m_pStop);
    SRadioWriteHooks hooks;
    if (m_Hooks.KeepBackup) {
        hooks.KeepBackup = [this, index](const CImageBytes& before, std::string& error) {
            std::lock_guard<std::mutex> lock(m_BackupMutex);
            return m_Hooks.KeepBackup(index, before, error);
        };
    }
    if (m_Hooks.CheckRadio) {
        hooks.CheckRadio = [this, index](const CImageBytes& before, std::string& error) {
            return m_Hooks.CheckRadio(index, before, error);
        };
    }
    hooks.Notice = [&result](const std::string& line) {
        result.m_strNotice += (result.m_strNotice.empty() ? "" : "; ") + line;
    };
    if (m_Hooks.SetStatus) {
        hooks.Status = [this, index](const std::string& text) { m_Hooks.SetStatus(index, text); };
    }
    if (job.m_bReadFirst && m_Hooks.SetStatus) {
        m_Hooks.SetStatus(index, kTextBackupRead);
    }
    const SRadioWriteResult write = RunRadioWrite(transfer, job, hooks);
    if (write.m_nVersion >= 0) {
        result.m_strFirmware = VersionText(static_cast<uint8_t>(write.m_nVersion));
    }
    result.m_bKeptOwn = write.m_bKeptOwn;
    switch (write.m_Step) {
        case EWriteStep::ReadFirst:
        case EWriteStep::KeepBackup:
            result.m_strFailure = "no backup of the radio could be kept (" + OneLineText(write.m_strFailure) +
                                  "), so nothing was written";
            break;
        case EWriteStep::CheckRadio:
            result.m_strFailure = OneLineText(write.m_strFailure);
            break;
        case EWriteStep::Write: {
            result.m_strFailure = OneLineText(write.m_strFailure);
            const std::string partly =
                write.m_End != ETransferEnd::Done ? PartlyWrittenText(write.m_nBlocksWritten) : "";
            result.m_strFailure += partly.empty() ? "" : "; " + partly;
            break;
        }
        case EWriteStep::Verify:
        case EWriteStep::Done:
            result.m_Bytes = write.m_Sent;
            result.m_bOk = write.m_bOk;
            result.m_strVerify = !job.m_bVerify               ? "skipped"
                                 : write.m_Verify.m_bOk       ? "verified"
                                 : write.m_Verify.m_bReadBack ? "FAILED"
                                                              : "not read back";
            if (!write.m_bOk) {
                result.m_strFailure = write.m_strFailure;
            } else if (job.m_bVerify && m_Hooks.SetStatus) {
                m_Hooks.SetStatus(index, write.m_Verify.m_strMessage);
            }
            break;
    }
    Finish(index, result, start);
}

void CFleetTransfer::RunRead(int index) {
    const double start = NowSeconds();
    SFleetResult& result = m_Results[static_cast<size_t>(index)];
    CImageTransfer transfer =
        MakeTransfer(m_Ports[static_cast<size_t>(index)], m_Hooks, index, m_bCancel, m_pStop);
    result.m_bOk = transfer.ReadImage(result.m_Bytes);
    if (transfer.m_nVersion >= 0) {
        result.m_strFirmware = VersionText(static_cast<uint8_t>(transfer.m_nVersion));
    }
    if (!result.m_bOk) {
        result.m_strFailure = OneLineText(transfer.m_strFailure);
    }
    Finish(index, result, start);
}

void CFleetTransfer::Finish(int index, SFleetResult& result, double startSeconds) {
    result.m_dSeconds = NowSeconds() - startSeconds;
    if (!result.m_bOk && result.m_strFailure.empty()) {
        result.m_strFailure = "the transfer failed";
    }
    result.m_bDone = true;
    if (m_Hooks.Done) {
        m_Hooks.Done(index);
    }
}

std::string FleetSummaryText(const std::vector<SFleetPort>& ports, const std::vector<SFleetResult>& results) {
    size_t width = 6;
    for (const SFleetPort& port : ports) {
        width = std::max(width, port.m_strName.size() + 2);
    }
    std::string text = Padded("Port", width) + "Firmware  Result  Seconds  Verify\n";
    std::string reasons;
    for (size_t i = 0; i < ports.size() && i < results.size(); ++i) {
        const SFleetResult& r = results[i];
        const std::string verify = r.m_strVerify.empty() ? "-" : r.m_strVerify;
        text += Padded(ports[i].m_strName, width) +
                StrPrintf("%-8s  %-6s  %7.1f  %s\n", r.m_strFirmware.empty() ? "-" : r.m_strFirmware.c_str(),
                          r.m_bOk ? "ok" : "FAILED", r.m_dSeconds, verify.c_str());
        if (!r.m_bOk) {
            reasons += ports[i].m_strName + ": " + r.m_strFailure + "\n";
        }
    }
    return text + reasons;
}

std::string FleetVerdictText(const std::vector<SFleetPort>& ports, const std::vector<SFleetResult>& results,
                             bool write, bool verify) {
    const char* done = !write ? "read" : verify ? "written and verified" : "written";
    const size_t count = results.size();
    std::string failed;
    for (size_t i = 0; i < count && i < ports.size(); ++i) {
        if (!results[i].m_bOk) {
            failed += (failed.empty() ? "" : ", ") + ports[i].m_strName;
        }
    }
    if (failed.empty()) {
        return count == 1 ? StrPrintf("1 radio %s.", done) : StrPrintf("All %zu radios %s.", count, done);
    }
    const auto ok =
        std::count_if(results.begin(), results.end(), [](const SFleetResult& r) { return r.m_bOk; });
    return StrPrintf("%d of %zu radio%s %s; failed: %s.", static_cast<int>(ok), count, count == 1 ? "" : "s",
                     done, failed.c_str());
}
