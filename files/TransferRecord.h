#pragma once
// What one transfer with a radio did, built once by whoever ran it (either program, either fleet) and
// logged by one function, always in English: verb, port, adapter, model, the plan as given and resolved
// with its file's SHA-256, the digest of the image sent, the backup, the result and the seconds.

#include <chrono>
#include <string>

#include "EepromImage.h"
#include "TransferLog.h"

class CTransferRecord {
public:
    // Begun when the transfer starts. program: "kv310" or "kv310ctl".
    CTransferRecord(const char* program, const std::string& verb, const std::string& port,
                    const std::string& adapterSerial = std::string());

    // The plan as the user gave it, its resolved path (links followed) and the SHA-256 of its bytes.
    void SetPlan(const std::string& given);
    // The model of what went over the line; a blank image names none.
    void SetModelOf(const CImageBytes& image);
    // The digest of the image sent.
    void SetSent(const CImageBytes& sent);
    // What the transfer left: the firmware (-1: the radio never said), "ok" or the failure's first line, and
    // the seconds since the record began.
    void Finish(int version, bool ok, const std::string& failure = std::string());
    // Appends the line to the transfer log; false with the reason.
    bool Log(std::string* error = nullptr) const;

    STransferLogEntry m_Entry;

private:
    std::chrono::steady_clock::time_point m_Start;
};

// Logs the removal of a backup last read more than days days ago (verb "prune"); false with the reason.
bool LogBackupRemoved(const char* program, const std::string& path, int days, std::string* error = nullptr);

// "1.2" for the firmware version byte 0x12; empty for -1.
std::string FirmwareLogText(int version);
// The log's result: "ok", or the failure's first line ("failed" when it says nothing).
std::string ResultLogText(bool ok, const std::string& failure);
// The SHA-256 of the file's bytes; empty when it cannot be read.
std::string FileSha256(const std::string& path);
