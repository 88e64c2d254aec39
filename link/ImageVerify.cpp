#include "ImageVerify.h"

#include "TextMark.h"

const char* const kTextVerifying = KV310_TEXT("Messages", "Verifying: reading the radio back...");

SVerifyResult CompareImages(const CImageBytes& sent, const CImageBytes& readBack) {
    SVerifyResult result;
    result.m_bReadBack = true;
    for (int addr = 0; addr < kImageSize; ++addr) {
        if (sent[addr] == readBack[addr]) {
            continue;
        }
        if (result.m_nDiffer++ == 0) {
            result.m_nFirstAddress = addr;
            result.m_nSent = sent[addr];
            result.m_nRead = readBack[addr];
        }
    }
    result.m_bOk = result.m_nDiffer == 0;
    if (result.m_bOk) {
        result.m_strMessage =
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages", "Verified: the radio holds the %d bytes written."), kImageSize);
        return result;
    }
    STransferFailure failure;
    failure.m_bWrite = true;
    failure.m_Stage = EStage::ReadBack;
    failure.m_Did = ERadioDid::Mismatch;
    failure.m_nAddress = result.m_nFirstAddress;
    failure.m_nHeld = result.m_nRead;
    failure.m_nWritten = result.m_nSent;
    failure.m_nDiffering = result.m_nDiffer;
    result.m_strMessage = FailureAdvice(failure, nullptr);  // names no way to find the cable
    return result;
}

SVerifyResult VerifyWrite(CBlockTransfer& transfer, const CImageBytes& sent) {
    CImageBytes readBack{};
    if (!transfer.ReadImage(readBack)) {
        SVerifyResult result;
        if (transfer.m_End == ETransferEnd::Cancelled) {
            // every block went in: only the proof is missing
            result.m_strMessage = TextPrintf(
                KV310_MESSAGES,
                KV310_TEXT(
                    "Messages",
                    "Written; the verify was stopped: the radio took all %d blocks, but was not read back."),
                kImageBlocks);
            return result;
        }
        result.m_strMessage =
            TextPrintf(KV310_MESSAGES,
                       KV310_TEXT("Messages",
                                  "Verify failed: the radio could not be read back (%s). The "
                                  "write may not have reached it: write the radio again."),
                       transfer.m_strFailure.c_str());
        return result;
    }
    return CompareImages(sent, readBack);
}
