#include "RadioWrite.h"

#include "Format.h"
#include "ImageMeaning.h"
#include "ImageMerge.h"
#include "TextMark.h"

const char* const kTextWholeImageResets = KV310_TEXT(
    "Messages",
    "The whole image goes out: the radio's own bytes are reset to the plan's, its calibration (service bytes "
    "0-11) and its synthesizer chip flag among them.");

namespace {

bool WriteStopAsked(const CBlockTransfer& transfer) {
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

// The bytes came back as they went out; now what they mean: a bit the plan did not decide that changes a
// field (a fault in the decided bits, or a radio with bits of its own where the plan's fields are) fails the
// verify with the fields named.
void VerifyMeaning(const CImageBytes& plan, const CImageBytes& radio, SVerifyResult& verify) {
    const std::vector<std::string> fields = MeaningDifferences(plan, radio);
    if (fields.empty()) {
        return;
    }
    verify.m_bOk = false;
    std::string list;
    for (size_t i = 0; i < fields.size() && i < 5; ++i) {
        list += (i == 0 ? "" : "; ") + fields[i];
    }
    if (fields.size() > 5) {
        list += TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "; and %d more"),
                           static_cast<int>(fields.size() - 5));
    }
    verify.m_strMessage = TextPrintf(
        KV310_MESSAGES,
        KV310_TEXT(
            "Messages",
            "Verify failed: the radio took every byte, but reads back as another configuration than the "
            "plan: %s. Write the whole image (it resets the radio's own bytes) or have the radio "
            "serviced."),
        list.c_str());
}

}  // namespace

SRadioWriteResult RunRadioWrite(CBlockTransfer& transfer, const SRadioWrite& job,
                                const SRadioWriteHooks& hooks) {
    SRadioWriteResult result;
    result.m_bHaveRadio = job.m_bHaveRadio;
    result.m_Radio = job.m_Radio;
    if (!job.m_bHaveRadio) {
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
    result.m_bBlank = IsBlankImage(result.m_Radio);
    if (!result.m_bBlank && hooks.CheckRadio) {
        std::string error;
        if (!hooks.CheckRadio(result.m_Radio, error)) {
            return EndBeforeWrite(result, EWriteStep::CheckRadio, ETransferEnd::Failed, error);
        }
    }
    if (WriteStopAsked(transfer)) {
        return EndBeforeWrite(result, EWriteStep::CheckRadio, ETransferEnd::Cancelled,
                              kTextStoppedBeforeWrite);
    }

    result.m_Sent = job.m_Plan;
    if (!job.m_bRestore && !job.m_bWholeImage) {
        result.m_Sent = MergeOverRadio(job.m_Plan, job.m_Decided, result.m_Radio);
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
        if (result.m_Verify.m_bOk && !job.m_bRestore) {
            VerifyMeaning(job.m_Plan, result.m_Sent, result.m_Verify);
        }
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
