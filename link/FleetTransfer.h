#pragma once
// Programs a bench of radios at once: one worker thread per port, each with its own port object and its own
// copy of the image, so the fixed waits of the protocol overlap and N radios take about the time of one. A
// radio that fails (refused, silent, a block it never takes, a verify that finds a wrong byte) ends only its
// own worker; the others go on, and each result says what happened on its port.
//
// A write per port is the write of RadioWrite.h: [read the radio, keep a backup, check it] -> lay the plan
// over the radio's own bytes -> write -> [read back and compare]. A read per port
// reads the image; decoding and saving belong to the caller, on its own thread, after Join.
//
// The caller owns the port objects and keeps them alive until Join has returned. Every hook is called on the
// worker thread of the port it names; hooks of different ports may run at the same time.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "EepromImage.h"
#include "RadioPort.h"
#include "RadioWrite.h"

struct SFleetPort {
    std::string m_strName;  // as the user gave it: "COM17", "/dev/ttyUSB0"
    int m_nComNumber = 0;   // 0 when the device has none
    std::string m_strDevice;
    CRadioPort* m_pPort = nullptr;
};

struct SFleetResult {
    bool m_bDone = false;       // the worker has finished
    bool m_bOk = false;         // the radio was read, or written (and verified when asked)
    std::string m_strFirmware;  // "1.2"; empty when the radio never said
    std::string m_strVerify;    // "verified", "FAILED", "not read back", "skipped" (in English, marked to be
                                // looked up where shown); empty for a read
    std::string m_strFailure;   // why it failed, on one line
    std::string m_strNotice;    // the per-radio bytes the write changed, on one line; empty when none
    bool m_bKeptOwn = false;    // the radio was read first and its own bytes kept
    double m_dSeconds = 0.0;
    CImageBytes m_Bytes{};  // what went out (byte 16 as the radio asked) or what came in
};

struct SFleetHooks {
    std::function<void(int index, const std::string& text)> SetStatus;
    std::function<void(int index, int address)> SetProgress;  // 0-415, as the single transfer's bar
    // Before a write: keeps the image the radio held. False with a reason stops that radio's write. The
    // fleet never runs two of these at once (backups of one second share a folder).
    std::function<bool(int index, const CImageBytes& image, std::string& error)> KeepBackup;
    // After KeepBackup: whether the radio may be written over (its model is the plan's). False with the
    // whole reason, said as it stands, stops that radio's write.
    std::function<bool(int index, const CImageBytes& image, std::string& error)> CheckRadio;
    // The worker of port index has stored its result and is about to end.
    std::function<void(int index)> Done;
    // Asked by every worker before it opens its port (see CBlockTransfer::m_CheckPort); called from
    // several workers at once.
    std::function<std::string(int com, const std::string& device)> CheckPort;
};

class CFleetTransfer {
public:
    CFleetTransfer(std::vector<SFleetPort> ports, SFleetHooks hooks);
    ~CFleetTransfer();  // asks running workers to stop and joins them
    CFleetTransfer(const CFleetTransfer&) = delete;
    CFleetTransfer& operator=(const CFleetTransfer&) = delete;

    // Starts one worker per port running the write of job (RadioWrite.h), each on its own copy.
    void StartWrite(const SRadioWrite& job);
    // The plan's image sent whole over each radio's own bytes (read first, as every write is).
    void StartWrite(const CImageBytes& image, bool verify);
    void StartRead();
    // Waits for every worker. Afterwards m_Results holds one result per port, in the order of the ports.
    void Join();
    bool IsRunning() const { return !m_Workers.empty(); }
    // Asks every worker to stop before its next block.
    void Cancel() { m_bCancel = true; }

    // Both true only when every port succeeded.
    bool AllOk() const;

    // A second reason to stop every worker, owned by the caller (Ctrl+C on the command line).
    const std::atomic<bool>* m_pStop = nullptr;

    const std::vector<SFleetPort> m_Ports;
    std::vector<SFleetResult> m_Results;

private:
    void RunWrite(int index, SRadioWrite job);
    void RunRead(int index);
    void Finish(int index, SFleetResult& result, double startSeconds);

    SFleetHooks m_Hooks;
    std::vector<std::thread> m_Workers;
    std::mutex m_BackupMutex;
    std::atomic<bool> m_bCancel{false};
};

// The summary of a finished fleet, one row per port, then one line per failed port saying why:
//
//   Port         Firmware  Result  Seconds  Verify
//   COM17        1.2       ok          9.8  verified
//   COM18        -         FAILED      1.3  -
//   COM18: Communication Error !!!   Check your radio connection to PC !!!
// Both in the window's language where it installed its lookup (TextMark.h); in English for kv310ctl.
std::string FleetSummaryText(const std::vector<SFleetPort>& ports, const std::vector<SFleetResult>& results);

// "All 4 radios written and verified." / "3 of 4 radios read; failed: COM18."
std::string FleetVerdictText(const std::vector<SFleetPort>& ports, const std::vector<SFleetResult>& results,
                             bool write, bool verify);

// A failure text of the transfer on one line ("Fail to open PORT20" and its reason read as one sentence).
std::string OneLineText(std::string text);
