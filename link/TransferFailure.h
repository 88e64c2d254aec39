#pragma once
// Why a transfer with the radio stopped, said once for both programs. A failure is the stage the transfer had
// reached and what the radio (or the port) did there; one table turns the pair into the sentences that follow
// the transfer's own first line ("Write Fail!", "Read Fail..!", "Communication Error !!! ..."):
//
//   stage          what happened      ->  the advice
//   open the port  port unusable          (the reason of the port survey or of the failed open)
//   request        no answer              cable plugged, radio on, right port (how to find the cable)
//   request        refused (0x55)         the radio is busy or another program holds it
//   request/blocks garbled                a cable or baud problem
//   blocks         silent after block N   the link was lost mid-transfer: power, cable moved; partly written:
//                                         write again / nothing changed: read again
//   blocks         block refused 4 times  the block arrived damaged: a cable problem, partly written
//   read back      mismatch               the first address and what it held
//
// The texts are plain functions of the facts, so the command line and the window show the same words; only
// the way to find the cable's port differs: a menu of the window, a command of kv310ctl.

#include <cstdint>
#include <string>

#include "TextMark.h"

enum class EStage { OpenPort, Request, Blocks, ReadBack };

enum class ERadioDid {
    Nothing,       // no failure
    PortUnusable,  // the port could not be opened or is held or forbidden
    NoAnswer,      // silence
    Refused,       // 0x55 to the request
    Garbled,       // bytes that mean nothing: noise, damaged blocks
    BlockRefused,  // 0x58 to one block more often than the resends allow
    PortStalled,   // the adapter stopped taking bytes
    BytesLost,     // the receive queue overflowed
    Mismatch,      // the radio read back holds other bytes than were written
};

struct STransferFailure {
    bool m_bWrite = false;
    EStage m_Stage = EStage::Request;
    ERadioDid m_Did = ERadioDid::Nothing;
    std::string m_strPort;   // "COM17", or the device path when it has no COM number
    int m_nBlock = 0;        // the block it stopped at (blocks 0..m_nBlock-1 went through)
    int m_nAddress = 0;      // the first differing address (mismatch)
    uint8_t m_nHeld = 0;     // what the radio holds there
    uint8_t m_nWritten = 0;  // what was written there
    int m_nDiffering = 0;    // how many bytes differ
};

// How the advice tells the user to find the programming cable's port.
constexpr const char* kFindCableInWindow = KV310_TEXT("Messages", "Port > Find the Cable");
constexpr const char* kFindCableCommand = "kv310ctl ports --wait-new";

// The lines that follow the transfer's first line; empty for a failure the table has nothing to add to.
// findCable: kFindCableInWindow or kFindCableCommand.
std::string FailureAdvice(const STransferFailure& failure, const char* findCable);

// The first line and the advice, as one message.
std::string FailureMessage(const std::string& firstLine, const STransferFailure& failure,
                           const char* findCable);
