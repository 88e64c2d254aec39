#pragma once
// "Program Several Radios": the user ticks ports from the list and writes the current configuration to all
// of them at once, each radio on its own worker and serial port (CFleetTransfer), with a bar and a state per
// port and the summary table at the end. The window is modeless: the main window stays usable while the
// radios are written, under the busy state of a single transfer, and the summary stays to be read.
//
// The UI thread encodes the record once and hands the workers copies of the bytes; the workers post their
// progress back and never touch the record or any widget.

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FleetTransfer.h"
#include "PortSurvey.h"
#include "shared/PageContext.h"

class CFleetDlg : public QDialog {
    Q_OBJECT
public:
    // A port the list offers.
    struct SChoice {
        QString m_strName;  // "COM17"
        QString m_strText;  // the list's text: "COM17  /dev/ttyUSB0 — FT232R USB UART"
        int m_nComNumber = 0;
        std::string m_strDevice;  // empty: the COM number's device, as the link session resolves it
    };

    CFleetDlg(SPageContext& context, QWidget* parent = nullptr);
    ~CFleetDlg() override;  // stops and joins running workers

    // Replaces the list (every port present and the simulated radio by default); none is ticked.
    void SetChoices(const std::vector<SChoice>& choices);
    // Writes to the ticked ports. Refused with a message while another transfer runs or nothing is ticked.
    void StartWrite();
    void Cancel();
    bool IsRunning() const { return m_pFleet != nullptr && m_pFleet->IsRunning(); }
    // Lets the workers finish (after Cancel: stop) while the window keeps painting.
    void WaitUntilDone();

    // The open plan's file as it was loaded or saved, for the transfer log; empty for a plan never saved.
    std::string m_strPlanPath;
    // The port each worker talks through; the serial driver unless a test hands in its own.
    std::function<std::unique_ptr<CRadioPort>(const SChoice& choice)> m_MakePort;

    QListWidget* m_pPorts = nullptr;
    QCheckBox* m_pVerify = nullptr;
    QCheckBox* m_pBackup = nullptr;  // read each radio first: keep its backup and its own bytes
    QPushButton* m_pWrite = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pClose = nullptr;
    QTableWidget* m_pTable = nullptr;
    QPlainTextEdit* m_pSummary = nullptr;

signals:
    void Finished(bool allOk);

private:
    enum EColumn { kColPort, kColProgress, kColState, kColColumns };

    void BuildRows(const std::vector<SFleetPort>& ports);
    SFleetHooks WorkerHooks();
    void OnPortDone(int index);
    void OnAllDone();
    void LogResults();
    std::unique_ptr<CPortSystem> m_pPortSystem = MachinePortSystem();  // asked before each port opens
    void SetRunning(bool running);
    void Post(std::function<void()> f);

    SPageContext& m_Ctx;
    std::vector<SChoice> m_Choices;
    std::vector<std::unique_ptr<CRadioPort>> m_PortObjects;
    std::unique_ptr<CFleetTransfer> m_pFleet;
    CLinkLease m_Lease;
    int m_nDone = 0;
    bool m_bVerify = true;
    std::vector<std::string> m_Backups;  // per port: the backup kept of what the radio held, empty when none
};
