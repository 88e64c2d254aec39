#pragma once
// What write and restore share: one write to the radio on --port (RadioWrite.h), reported on stderr, with
// the backup of what the radio held, the transfer log's lines, the trace and Ctrl+C as for every transfer.

#include <functional>
#include <string>

#include "Args.h"
#include "DataRadioDoc.h"
#include "RadioWrite.h"

struct SCliWrite {
    const char* m_pszVerb = "write";  // the log's verb
    const char* m_pszUsage = nullptr;
    std::string m_strPlanPath;  // the plan or backup as the user gave it, for the log
    std::string m_strModel;     // the log's model of what is written
    SRadioWrite m_Job;
    bool m_bKeepBackup = true;  // keep a backup file of what the radio held (it is read either way)
    // Whether the radio just read may be written over; false with the reason in error (printed as it stands).
    std::function<bool(const CDataRadioDoc& radio, std::string& error)> m_CheckRadio;
};

// Runs write on the port of args. The exit status.
int RunCliWrite(const CArgs& args, const SCliWrite& write);
