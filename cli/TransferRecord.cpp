#include "TransferRecord.h"

#include <cstdio>
#include <memory>

#include "CliSupport.h"
#include "FailedTrace.h"
#include "Format.h"
#include "PortSurvey.h"

CTransferRecord::CTransferRecord(const std::string& verb, const std::string& portName, int com,
                                 const std::string& device)
    : m_Start(std::chrono::steady_clock::now()) {
    m_Entry.m_strProgram = "kv310ctl";
    m_Entry.m_strVerb = verb;
    m_Entry.m_strPort = portName;
    if (com > 0 && !device.empty()) {
        m_Entry.m_strAdapterSerial = SurveyDevice(*MachinePortSystem(), com, device).m_strSerial;
    }
}

void CTransferRecord::Finish(const CImageTransfer& transfer, bool ok, const std::string& failure) {
    Finish(transfer.m_nVersion, ok, failure.empty() ? transfer.m_strFailure : failure);
}

void CTransferRecord::Finish(int version, bool ok, const std::string& failure) {
    if (version >= 0) {
        m_Entry.m_strFirmware = StrPrintf("%d.%d", version >> 4, version & 0x0F);
    }
    m_Entry.m_strResult = ok ? "ok" : failure.substr(0, failure.find('\n'));
    if (!ok && m_Entry.m_strResult.empty()) {
        m_Entry.m_strResult = "failed";
    }
    m_Entry.m_dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_Start).count();
}

void CTransferRecord::Log() {
    std::string error;
    if (!AppendTransferLog(m_Entry, &error)) {
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
