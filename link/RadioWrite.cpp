#include "RadioWrite.h"

#include "Format.h"
#include "PlanMask.h"
#include "TextMark.h"

const char* const kTextOwnBytesNotKept = KV310_TEXT(
    "Messages",
    "The radio was not read before the write, so its own bytes (service bytes, synthesizer chip flag, unused "
    "addresses) could not be kept: it now holds the plan's image as it stands.");
const char* const kTextStoppedBeforeWrite =
    KV310_TEXT("Messages", "Stopped before the write: the radio holds what it held.");

namespace {

bool WriteStopAsked(const CImageTransfer& transfer) {
    return (transfer.m_pCancel != nullptr && transfer.m_pCancel->load()) ||
           (transfer.m_pStop != nullptr && transfer.m_pStop->load());
}

// Ends the sequence before anything was written.
SRadioWriteResult& EndBeforeWrite(SRadioWriteResult& result, EWriteStep step, ETransferEnd end,
                                  const std::string& why) {
    result.m_Step = step;
    result.m_End = end;
    result.m_strFailure = why;
    return result;
}

}  // namespace

SRadioWriteResult RunRadioWrite(CImageTransfer& transfer, const SRadioWrite& job,
                                const SRadioWriteHooks& hooks) {
    SRadioWriteResult result;
    result.m_bHaveRadio = job.m_bHaveRadio;
    result.m_Radio = job.m_Radio;
    if (job.m_bReadFirst && !job.m_bHaveRadio) {
        result.m_bHaveRadio = transfer.ReadImage(result.m_Radio);
        result.m_nVersion = transfer.m_nVersion;
        if (!result.m_bHaveRadio) {
            result.m_Failure = transfer.m_Failure;
            return EndBeforeWrite(result, EWriteStep::ReadFirst, transfer.m_End, transfer.m_strFailure);
        }
        std::string error;
        if (hooks.KeepBackup && !hooks.KeepBackup(result.m_Radio, error)) {
            return EndBeforeWrite(result, EWriteStep::KeepBackup, ETransferEnd::Failed, error);
        }
    }
    const bool radioKnown = job.m_bReadFirst || job.m_bHaveRadio;
    result.m_bBlank = radioKnown && IsBlankImage(result.m_Radio);
    if (radioKnown && !result.m_bBlank && hooks.CheckRadio) {
        std::string error;
        if (!hooks.CheckRadio(result.m_Radio, error)) {
            return EndBeforeWrite(result, EWriteStep::CheckRadio, ETransferEnd::Failed, error);
        }
    }
    if (radioKnown && WriteStopAsked(transfer)) {
        return EndBeforeWrite(result, EWriteStep::CheckRadio, ETransferEnd::Cancelled,
                              kTextStoppedBeforeWrite);
    }

    result.m_Sent = job.m_Plan;
    if (radioKnown && !job.m_bRestore) {
        result.m_Sent = MergeOverRadio(job.m_Plan, job.m_Mask, result.m_Radio);
        result.m_bKeptOwn = !result.m_bBlank;
        for (const std::string& line : PerRadioByteChanges(result.m_Sent, result.m_Radio)) {
            if (!result.m_bBlank && hooks.Notice) {
                hooks.Notice(line);
            }
        }
    }
    result.m_Step = EWriteStep::Write;
    const bool written = transfer.WriteImage(result.m_Sent);
    result.m_nVersion = transfer.m_nVersion;
    result.m_nBlocksWritten = transfer.m_nBlocksWritten;
    result.m_End = transfer.m_End;
    result.m_strFailure = transfer.m_strFailure;
    result.m_Failure = transfer.m_Failure;
    if (!written) {
        return result;
    }
    if (job.m_bVerify) {
        result.m_Step = EWriteStep::Verify;
        if (hooks.Status) {
            hooks.Status(kTextVerifying);
        }
        result.m_Verify = VerifyWrite(transfer, result.m_Sent);
        result.m_bVerified = true;
        if (!result.m_Verify.m_bOk) {
            result.m_End =
                transfer.m_End == ETransferEnd::Cancelled ? ETransferEnd::Cancelled : ETransferEnd::Failed;
            result.m_strFailure = result.m_Verify.m_strMessage;
            return result;
        }
    }
    result.m_Step = EWriteStep::Done;
    result.m_End = ETransferEnd::Done;
    result.m_strFailure.clear();
    result.m_bOk = true;
    return result;
}

std::string RestoreFirmwareByteNote(const CImageBytes& backup, const CImageBytes& sent) {
    if (backup[kVersionFirmwareByte] == sent[kVersionFirmwareByte]) {
        return std::string();
    }
    return TextPrintf(
        KV310_MESSAGES,
        KV310_TEXT(
            "Messages",
            "byte 0x%03X: the backup holds %02X, the radio's firmware takes %02X (every write sets it)"),
        kVersionFirmwareByte, backup[kVersionFirmwareByte], sent[kVersionFirmwareByte]);
}
