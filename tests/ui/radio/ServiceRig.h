#pragma once
// A service dialog against the in-process simulated radio on virtual time: the link session owns a CSimPort,
// messages go to a recording sink, the form's version field to a string.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "SimPort.h"
#include "app/ShellFixture.h"
#include "radio/ServiceDlg.h"
#include "shared/PageContext.h"

using Bytes = std::vector<uint8_t>;

template <class TDialog>
class CServiceRig {
public:
    explicit CServiceRig(uint8_t modem = 0xA1) {
        EnsureApplication();
        m_Radio.m_nChannel = 5;
        m_Radio.m_nModem = modem;
        m_State.m_nComPort = 4;
        m_Ctx.m_View.ShowVersion = [this](const QString& text) { m_strVersion = text.toStdString(); };
    }

    // Opens the dialog and lets the connection start.
    TDialog& Open() {
        m_pDialog = std::make_unique<TDialog>(m_Ctx);
        m_pDialog->m_CheckPort = m_CheckPort;  // COM4 is the simulated radio, not the machine's port
        m_bOpened = m_pDialog->Open();
        m_pDialog->show();
        m_pDialog->WaitUntilIdle();
        m_nMark = m_pPort->m_Writes.size();
        return *m_pDialog;
    }
    TDialog& Dlg() { return *m_pDialog; }

    // Clicks a control and lets the exchange it starts finish.
    void Click(QAbstractButton* button) {
        button->click();
        m_pDialog->WaitUntilIdle();
    }
    void Mark() {
        m_nMark = m_pPort->m_Writes.size();
        m_Sink.m_Messages.clear();
    }
    // Every frame written since the mark.
    std::vector<Bytes> Sent() const {
        std::vector<Bytes> frames;
        for (size_t i = m_nMark; i < m_pPort->m_Writes.size(); ++i) {
            frames.push_back(m_pPort->m_Writes[i].m_Bytes);
        }
        return frames;
    }

    CRadioSimulator m_Radio;
    CSimPort* m_pPort = nullptr;  // owned by the session
    CLinkSession m_Link{MakePort(), {}};
    CRecordingSink m_Sink;
    CDataRadioDoc m_Doc;
    SWindowState m_State;
    CBusyState m_Busy;
    SPageContext m_Ctx{m_Doc, m_State, m_Sink, m_Link, m_Busy, {}};
    std::string m_strVersion;
    std::function<std::string(int com, const std::string& device)> m_CheckPort;  // none: every port is free
    std::unique_ptr<TDialog> m_pDialog;
    bool m_bOpened = false;
    size_t m_nMark = 0;

private:
    std::unique_ptr<CRadioPort> MakePort() {
        auto port = std::make_unique<CSimPort>(m_Radio);
        m_pPort = port.get();
        return port;
    }
};
