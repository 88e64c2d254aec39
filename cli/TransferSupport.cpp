#include "TransferSupport.h"

#include <cstdio>
#include <memory>

#include "CliSupport.h"
#include "FailedTrace.h"
#include "PortSurvey.h"

CTransferRecord CliRecord(const std::string& verb, const std::string& portName, int com,
                          const std::string& device) {
    std::string serial;
    if (com > 0 && !device.empty()) {
        serial = SurveyDevice(*MachinePortSystem(), com, device).m_strSerial;
    }
    return CTransferRecord("kv310ctl", verb, portName, serial);
}

void FinishRecord(CTransferRecord& record, const CBlockTransfer& transfer, bool ok,
                  const std::string& failure) {
    record.Finish(transfer.m_nVersion, ok, failure.empty() ? transfer.m_strFailure : failure);
}

void LogRecord(const CTransferRecord& record) {
    std::string error;
    if (!record.Log(&error)) {
        PrintError("warning: the transfer log could not be written: " + error);
    }
}

std::string KeepTraceOfFailure(CTracingPort& trace, const std::string& portName) {
    if (trace.Text().empty()) {
        return std::string();  // the port never opened: nothing went over the line
    }
    std::string path;
    std::string error;
    if (!KeepFailedTrace(trace.Text(), portName, path, &error)) {
        PrintError("warning: the serial trace of this failure could not be kept: " + error);
        return std::string();
    }
    std::fprintf(stderr, "The serial trace of this transfer is kept in %s\n", path.c_str());
    return path;
}

std::function<std::string(int com, const std::string& device)> MachinePortCheck() {
    std::shared_ptr<CPortSystem> system = MachinePortSystem();
    const auto check = PortCheck(*system);
    return [system, check](int com, const std::string& device) { return check(com, device); };
}
