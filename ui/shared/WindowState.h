#pragma once
// What the window keeps while it runs and never saves nor sends: the chosen port, the channels the dialogs
// work on, the two-tone lock and the notices given (SSignallingSession), which pages are built and what the
// form still has to do after a load. The form owns it; pages and dialogs reach it through their context.
// What a settings file and the radio's image hold is the record, CDataRadioDoc, and nothing of this.

#include <cstdint>

#include "ChannelSignalling.h"

struct SWindowState : SSignallingSession {
    int32_t m_nComPort = 0;        // the 1-based COM number the Port menu chose; 0 when none is chosen
    int32_t m_nCurChannel = 0;     // 1-16: the channel the option dialog opens on
    int32_t m_nRadioChannel = 0;   // the channel the radio last reported in service mode
    int32_t m_bTwoToneCodeOk = 0;  // the option dialog took the access code once for this record
    int32_t m_bSystemPageReady = 0;
    int32_t m_bModemPageReady = 0;
    int32_t m_bFileLoaded = 0;  // a load or a read replaced the record: the pages refresh from it once
    int32_t m_bNewPending = 0;  // New reset the record: the System page takes the defaults at its next fill
    int32_t m_nDrawCount = 0;   // paints of the form; the first one opens the model choice

    // A fresh record (New, Load, Import, a model choice, a radio read's reset) starts locked, gives the
    // notices again and has no pending load or New.
    void ForgetRecord() {
        SSignallingSession::ForgetRecord();
        m_bFileLoaded = 0;
        m_bNewPending = 0;
        m_nRadioChannel = 0;
    }
};
