#pragma once
// What kv310ctl keeps of every transfer with a radio: one line in the transfer log, and the serial trace when
// the transfer failed.

#include <chrono>
#include <string>

#include "DataRadioDoc.h"
#include "ImageTransfer.h"
#include "TracingPort.h"
#include "TransferLog.h"

// A log line begun when the transfer starts: the time, program, verb, port and the adapter's serial number.
class CTransferRecord {
public:
    CTransferRecord(const std::string& verb, const std::string& portName, int com, const std::string& device);

    // What the transfer left: firmware, the result ("ok" or the failure's first line), and the seconds.
    void Finish(const CImageTransfer& transfer, bool ok, const std::string& failure = std::string());
    // The same for a service exchange (status): version is the firmware byte the radio sent, -1 for none.
    void Finish(int version, bool ok, const std::string& failure = std::string());
    // Appends the line; a log that cannot be written is a warning on stderr.
    void Log();

    STransferLogEntry m_Entry;

private:
    std::chrono::steady_clock::time_point m_Start;
};

// Keeps the trace of a failed transfer with the failed traces and says where. Empty path when it could not.
std::string KeepTraceOfFailure(CTracingPort& trace, const std::string& portName);

// The port check every transfer of kv310ctl makes before it opens its port.
std::function<std::string(int com, const std::string& device)> MachinePortCheck();
