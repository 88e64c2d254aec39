#pragma once
// Proof that a write reached the radio: read the radio back and compare it with the image that was sent
// (byte 16 as the write set it from the firmware version). The desktop program calls VerifyWrite on its
// transfer worker right after WriteImage succeeded and shows m_strMessage in the progress window.

#include <string>

#include "BlockTransfer.h"
#include "EepromImage.h"

struct SVerifyResult {
    bool m_bOk = false;
    bool m_bReadBack = false;  // the radio could be read back at all
    int m_nDiffer = 0;         // bytes that differ
    int m_nFirstAddress = -1;  // the first of them
    uint8_t m_nSent = 0;       // what was written there
    uint8_t m_nRead = 0;       // what the radio holds there
    std::string m_strMessage;  // a sentence for the user, on success too
};

// Compares two images byte by byte.
SVerifyResult CompareImages(const CImageBytes& sent, const CImageBytes& readBack);

// Reads the radio back through the transfer (same port, device and cancel flag) and compares with sent.
SVerifyResult VerifyWrite(CBlockTransfer& transfer, const CImageBytes& sent);

extern const char* const kTextVerifying;  // the status line while the radio is read back
