#include "FleetTransfer.h"

#include <algorithm>
#include <chrono>

#include "BlockTransfer.h"
#include "Format.h"
#include "ImageVerify.h"
#include "LinkFrames.h"
#include "PartlyWritten.h"
#include "TextMark.h"

namespace {

constexpr const char* kTextBackupRead = KV310_TEXT("Messages", "Reading what the radio holds...");

double NowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The characters of a UTF-8 text, as a fixed-width font lays them out.
size_t Columns(const std::string& text) {
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string PadRight(const std::string& text, size_t width) {
    const size_t columns = Columns(text);
    return columns >= width ? text : text + std::string(width - columns, ' ');
}

std::string Padded(const std::string& text, size_t width) {
    return Columns(text) >= width ? text + " " : PadRight(text, width);
}

std::string Text(const char* text) {
    return LookUpText(KV310_MESSAGES, text);
}

// A transfer's failure on one line, each of its lines looked up: its first is the radio's own ("Write
// Fail!"), marked where it is written; the advice after it was looked up already and is left as it is.
std::string FailureLine(const std::string& text) {
    std::string lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        lines += Text(text.substr(start, end == std::string::npos ? end : end - start).c_str());
        if (end == std::string::npos) {
            return OneLineText(lines);
        }
        lines += '\n';
        start = end + 1;
    }
}

// A transfer on the worker's own port whose status and progress name the port.
CBlockTransfer MakeTransfer(const SFleetPort& port, const SFleetHooks& fleetHooks, int index,
                            const std::atomic<bool>& cancel, const std::atomic<bool>* stop) {
    STransferHooks hooks;
    if (fleetHooks.SetStatus) {
        hooks.SetStatus = [&fleetHooks, index](const std::string& text) {
            fleetHooks.SetStatus(index, text);
        };
    }
    if (fleetHooks.SetProgress) {
        hooks.SetProgress = [&fleetHooks, index](int address) { fleetHooks.SetProgress(index, address); };
    }
    CBlockTransfer transfer(*port.m_pPort, std::move(hooks));
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
    job.m_bWholeImage = true;
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
    CBlockTransfer transfer =
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
    if (m_Hooks.SetStatus) {
        m_Hooks.SetStatus(index, Text(kTextBackupRead));
    }
    const SRadioWriteResult write = RunRadioWrite(transfer, job, hooks);
    if (write.m_nVersion >= 0) {
        result.m_strFirmware = VersionText(static_cast<uint8_t>(write.m_nVersion));
    }
    result.m_bKeptOwn = write.m_bKeptOwn;
    switch (write.m_Step) {
        case EWriteStep::ReadFirst:
            if (write.m_End == ETransferEnd::Cancelled) {
                result.m_strFailure = Text(kTextStoppedBeforeWrite);
                break;
            }
            // the radio's own words first, as for a failed write
            result.m_strFailure = TextPrintf(
                KV310_MESSAGES,
                KV310_TEXT("Messages", "%s (the radio could not be read first), so nothing was written"),
                FailureLine(write.m_strFailure).c_str());
            break;
        case EWriteStep::KeepBackup:
            result.m_strFailure = TextPrintf(
                KV310_MESSAGES,
                KV310_TEXT("Messages", "no backup of the radio could be kept (%s), so nothing was written"),
                FailureLine(write.m_strFailure).c_str());
            break;
        case EWriteStep::CheckRadio:
            result.m_strFailure = FailureLine(write.m_strFailure);
            break;
        case EWriteStep::Write: {
            const std::string partly =
                write.m_End != ETransferEnd::Done ? PartlyWrittenText(write.m_nBlocksWritten) : "";
            // a cancelled write's own line says again what the partly written text says
            result.m_strFailure = write.m_End == ETransferEnd::Cancelled && !partly.empty()
                                      ? Text(KV310_TEXT("Messages", "Write cancelled"))
                                      : FailureLine(write.m_strFailure);
            while (!partly.empty() && !result.m_strFailure.empty() && result.m_strFailure.back() == '.') {
                result.m_strFailure.pop_back();
            }
            result.m_strFailure += partly.empty() ? "" : "; " + partly;
            break;
        }
        case EWriteStep::Verify:
        case EWriteStep::Done:
            result.m_Bytes = write.m_Sent;
            result.m_bOk = write.m_bOk;
            result.m_strVerify = !job.m_bVerify               ? KV310_TEXT("Messages", "skipped")
                                 : write.m_Verify.m_bOk       ? KV310_TEXT("Messages", "verified")
                                 : write.m_Verify.m_bReadBack ? KV310_TEXT("Messages", "FAILED")
                                                              : KV310_TEXT("Messages", "not read back");
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
    CBlockTransfer transfer =
        MakeTransfer(m_Ports[static_cast<size_t>(index)], m_Hooks, index, m_bCancel, m_pStop);
    result.m_bOk = transfer.ReadImage(result.m_Bytes);
    if (transfer.m_nVersion >= 0) {
        result.m_strFirmware = VersionText(static_cast<uint8_t>(transfer.m_nVersion));
    }
    if (!result.m_bOk) {
        result.m_strFailure = FailureLine(transfer.m_strFailure);
    }
    Finish(index, result, start);
}

void CFleetTransfer::Finish(int index, SFleetResult& result, double startSeconds) {
    result.m_dSeconds = NowSeconds() - startSeconds;
    if (!result.m_bOk && result.m_strFailure.empty()) {
        result.m_strFailure = Text(KV310_TEXT("Messages", "the transfer failed"));
    }
    result.m_bDone = true;
    if (m_Hooks.Done) {
        m_Hooks.Done(index);
    }
}

std::string FleetSummaryText(const std::vector<SFleetPort>& ports, const std::vector<SFleetResult>& results) {
    // each column as wide as its heading in the language shown (the results as wide as their longest word)
    const std::string port = Text(KV310_TEXT("Messages", "Port"));
    const std::string firmware = Text(KV310_TEXT("Messages", "Firmware"));
    const std::string result = Text(KV310_TEXT("Messages", "Result"));
    const std::string seconds = Text(KV310_TEXT("Messages", "Seconds"));
    const std::string ok = Text(KV310_TEXT("Messages", "ok"));
    const std::string failed = Text(KV310_TEXT("Messages", "FAILED"));
    size_t width = Columns(port) + 2;
    for (const SFleetPort& p : ports) {
        width = std::max(width, p.m_strName.size() + 2);
    }
    const size_t resultWidth = std::max({Columns(result), Columns(ok), Columns(failed)});
    const int secondsWidth = static_cast<int>(Columns(seconds));
    std::string text = Padded(port, width) + firmware + "  " + PadRight(result, resultWidth) + "  " +
                       seconds + "  " + Text(KV310_TEXT("Messages", "Verify")) + "\n";
    std::string reasons;
    for (size_t i = 0; i < ports.size() && i < results.size(); ++i) {
        const SFleetResult& r = results[i];
        const std::string verify = r.m_strVerify.empty() ? "-" : Text(r.m_strVerify.c_str());
        text += Padded(ports[i].m_strName, width) +
                PadRight(r.m_strFirmware.empty() ? "-" : r.m_strFirmware, Columns(firmware)) + "  " +
                PadRight(r.m_bOk ? ok : failed, resultWidth) +
                StrPrintf("  %*.1f  ", secondsWidth, r.m_dSeconds) + verify + "\n";
        if (!r.m_bOk) {
            reasons += ports[i].m_strName + ": " + r.m_strFailure + "\n";
        }
    }
    return text + reasons;
}

std::string FleetVerdictText(const std::vector<SFleetPort>& ports, const std::vector<SFleetResult>& results,
                             bool write, bool verify) {
    const std::string done = Text(!write   ? KV310_TEXT("Messages", "read")
                                  : verify ? KV310_TEXT("Messages", "written and verified")
                                           : KV310_TEXT("Messages", "written"));
    const size_t count = results.size();
    std::string failed;
    for (size_t i = 0; i < count && i < ports.size(); ++i) {
        if (!results[i].m_bOk) {
            failed += (failed.empty() ? "" : ", ") + ports[i].m_strName;
        }
    }
    if (failed.empty()) {
        return count == 1 ? TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "1 radio %s."), done.c_str())
                          : TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "All %zu radios %s."), count,
                                       done.c_str());
    }
    const int ok = static_cast<int>(
        std::count_if(results.begin(), results.end(), [](const SFleetResult& r) { return r.m_bOk; }));
    return count == 1 ? TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%d of 1 radio %s; failed: %s."),
                                   ok, done.c_str(), failed.c_str())
                      : TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%d of %zu radios %s; failed: %s."),
                                   ok, count, done.c_str(), failed.c_str());
}
