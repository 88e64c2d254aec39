#include "ImageVerify.h"

#include "Format.h"

const char* const kTextVerifying = "Verifying: reading the radio back...";

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
    result.m_strMessage =
        result.m_bOk
            ? StrPrintf("Verified: the radio holds the %d bytes written.", kImageSize)
            : StrPrintf(
                  "Verify failed: at 0x%03X the radio holds 0x%02X where 0x%02X was written; %d byte%s "
                  "differ%s. Write the radio again; if this repeats, the radio needs service.",
                  result.m_nFirstAddress, result.m_nRead, result.m_nSent, result.m_nDiffer,
                  result.m_nDiffer == 1 ? "" : "s", result.m_nDiffer == 1 ? "s" : "");
    return result;
}

SVerifyResult VerifyWrite(CImageTransfer& transfer, const CImageBytes& sent) {
    CImageBytes readBack{};
    if (!transfer.ReadImage(readBack)) {
        SVerifyResult result;
        result.m_strMessage = "Verify failed: the radio could not be read back (" + transfer.m_strFailure +
                              "). The write may not have reached it: write the radio again.";
        return result;
    }
    return CompareImages(sent, readBack);
}
