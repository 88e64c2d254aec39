#pragma once
// One write to a radio, the same in the desktop program, kv310ctl and the fleet:
//
//   read the radio -> keep its image -> check that it may be written over
//   -> lay the plan over the radio's own bytes (ImageMerge.h) -> write -> [read back and compare with what
//   went out, byte by byte and field by field]
//
// The radio is always read first: the merge needs its own bytes, whether or not a backup file is kept. A
// restore sends an image as it stands (a backup), and a whole-image write sends the plan's image over the
// radio's own bytes; in both only byte 16, which the write sets from the firmware version, may differ from
// it. Everything runs on the caller's thread, through one transfer.

#include <functional>
#include <string>
#include <vector>

#include "BlockTransfer.h"
#include "EepromImage.h"
#include "ImageVerify.h"

struct SRadioWrite {
    CImageBytes m_Plan{};        // the plan's image (encoded, map edits laid over), or the backup to restore
    CImageBytes m_Decided{};     // the bits the plan decides (CEepromImage::m_Decided)
    bool m_bVerify = true;       // read the radio back after the write and compare
    bool m_bRestore = false;     // send m_Plan as it stands: a backup
    bool m_bWholeImage = false;  // send the plan's image as it stands, the radio's own bytes reset
    bool m_bHaveRadio = false;   // m_Radio was read from this radio just before: no read of its own
    CImageBytes m_Radio{};
};

struct SRadioWriteHooks {
    // After the read: keeps the radio's image. False with the reason in error stops before the write.
    std::function<bool(const CImageBytes& radio, std::string& error)> KeepBackup;
    // Then, for a radio that was ever programmed: whether it may be written over (its model is the plan's).
    // False with the whole reason, said as it stands, stops before the write.
    std::function<bool(const CImageBytes& radio, std::string& error)> CheckRadio;
    // The per-radio bytes the write will change, one sentence each, said before the write starts.
    std::function<void(const std::string& line)> Notice;
    // The status line as the verify starts reading the radio back (kTextVerifying).
    std::function<void(const std::string& text)> Status;
};

enum class EWriteStep { ReadFirst, KeepBackup, CheckRadio, Write, Verify, Done };

struct SRadioWriteResult {
    bool m_bOk = false;
    EWriteStep m_Step = EWriteStep::ReadFirst;  // the step it ended in (Done when it succeeded)
    ETransferEnd m_End = ETransferEnd::Done;
    std::string m_strFailure;  // the transfer's status text, the hook's reason or the verify's sentence
    STransferFailure m_Failure;
    int m_nVersion = -1;        // the firmware version byte, -1 when the radio never said
    int m_nBlocksWritten = 0;   // blocks of the write the radio took
    bool m_bHaveRadio = false;  // m_Radio holds the radio's image from before the write
    CImageBytes m_Radio{};
    bool m_bBlank = false;     // the radio was never programmed (IsBlankImage)
    bool m_bKeptOwn = false;   // the radio's own bytes were kept in what went out
    CImageBytes m_Sent{};      // what went out, byte 16 as the firmware asked
    bool m_bVerified = false;  // read back and compared
    SVerifyResult m_Verify;
};

SRadioWriteResult RunRadioWrite(CBlockTransfer& transfer, const SRadioWrite& job,
                                const SRadioWriteHooks& hooks = SRadioWriteHooks());

// Said before a whole-image write: what it resets in the radio.
extern const char* const kTextWholeImageResets;

// What a restore changes of the backup: "byte 0x010: the backup holds 02, the radio's firmware 1.1 takes 03
// (the write sets it)"; empty when the byte went out as the backup holds it.
std::string RestoreFirmwareByteNote(const CImageBytes& backup, const CImageBytes& sent);
