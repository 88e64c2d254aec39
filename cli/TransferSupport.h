#pragma once
// What kv310ctl keeps of every transfer with a radio: its record in the transfer log (TransferRecord.h),
// begun with the adapter's serial number, and the serial trace when the transfer failed.

#include <functional>
#include <string>

#include "BlockTransfer.h"
#include "TracingPort.h"
#include "TransferRecord.h"

// A record of kv310ctl begun when the transfer starts: the verb, the port as given and the adapter's serial.
CTransferRecord CliRecord(const std::string& verb, const std::string& portName, int com,
                          const std::string& device);

// What the transfer left: firmware, "ok" or the failure's first line (failure, else the transfer's), seconds.
void FinishRecord(CTransferRecord& record, const CBlockTransfer& transfer, bool ok,
                  const std::string& failure = std::string());

// Appends the record; a log that cannot be written is a warning on stderr.
void LogRecord(const CTransferRecord& record);

// Keeps the trace of a failed transfer with the failed traces and says where. Empty path when it could not.
std::string KeepTraceOfFailure(CTracingPort& trace, const std::string& portName);

// The port check every transfer of kv310ctl makes before it opens its port.
std::function<std::string(int com, const std::string& device)> MachinePortCheck();
