// The main window's commands for when something goes wrong: finding the programming cable, following a USB
// adapter to its new port, the transfer history, and a problem report to send.

#include <QFileDialog>
#include <QStatusBar>

#include "PortFile.h"
#include "PortNames.h"
#include "ProblemReport.h"
#include "TextConfig.h"
#include "TextMark.h"
#include "TransferLog.h"
#include "Version.h"
#include "app/MainWindow.h"
#include "radio/FindCableDlg.h"
#include "radio/TransferHistoryDlg.h"

namespace {

constexpr int kStatusShownMs = 15000;

}  // namespace

void CMainWindow::BuildSupportActions() {
    m_pActFindCable = MakeAction(
        QT_TR_NOOP("&Find the Cable..."),
        QT_TR_NOOP("Unplug and plug in the programming cable to find its port\nFind the Cable"), nullptr);
    connect(m_pActFindCable, &QAction::triggered, this, &CMainWindow::OnFindCable);
    m_pActHistory = MakeAction(
        QT_TR_NOOP("Transfer &History..."),
        QT_TR_NOOP("Every radio read and written, from the transfer log\nTransfer History"), nullptr);
    connect(m_pActHistory, &QAction::triggered, this, &CMainWindow::OnTransferHistory);
    m_pActReport = MakeAction(
        QT_TR_NOOP("Save a &Problem Report..."),
        QT_TR_NOOP(
            "Save the version, ports, failed traces and transfer log in one file to send\nProblem Report"),
        nullptr);
    connect(m_pActReport, &QAction::triggered, this, &CMainWindow::OnSaveProblemReport);
}

void CMainWindow::SelectFoundPort(const SPortInfo& found) {
    if (found.m_nCom <= 0 || found.m_nCom >= kPortMenuLimit) {
        return;
    }
    BuildPortMenu();  // the new port needs its entry
    OnPortCommand(found.m_nCom);
    m_wndStatusBar->showMessage(
        tr("The programming cable is COM%1 (%2, %3); it is selected.")
            .arg(found.m_nCom)
            .arg(QString::fromStdString(found.m_strDevice), QString::fromStdString(PortWhatText(found))),
        kStatusShownMs);
}

void CMainWindow::OnFindCable() {
    SPortInfo found;
    if (m_RunFindCable) {
        found = m_RunFindCable();
    } else {
        CFindCableDlg dialog(*m_pPortSystem, this);
        if (dialog.exec() == QDialog::Accepted) {
            found = dialog.m_Found;
        }
    }
    SelectFoundPort(found);
}

void CMainWindow::FollowAdapter() {
    const std::string serial = LoadAdapterSerial();
    if (serial.empty()) {
        return;
    }
    const std::vector<SPortInfo> ports = SurveyPorts(*m_pPortSystem);
    const int com = ComOfAdapter(ports, serial);
    if (com == 0 || com == m_pState->m_nComPort || com >= kPortMenuLimit) {
        return;
    }
    const int before = m_pState->m_nComPort;
    m_pState->m_nComPort = com;
    m_nPortIndex = com - 1;
    SavePortFile();
    m_wndStatusBar->showMessage(
        tr("The programming cable (serial %1) is now COM%2 (%3), not COM%4: using COM%2.")
            .arg(QString::fromStdString(serial))
            .arg(com)
            .arg(QString::fromStdString(ComDevicePath(com)))
            .arg(before),
        kStatusShownMs);
}

void CMainWindow::OnTransferHistory() {
    if (m_RunTransferHistory) {
        m_RunTransferHistory();
        return;
    }
    std::vector<std::string> lines;
    std::string error;
    ReadTransferLog(lines, &error);
    CTransferHistoryDlg dialog(lines, TransferLogPath(), error, this);
    dialog.exec();
}

void CMainWindow::OnSaveProblemReport() {
    const bool withConfig = m_Sink.AskYesNo(
        KV310_TEXT("Messages",
                   "A problem report holds the program's version, the operating system, the port list, the "
                   "serial traces of the last failed transfers (only their frames' kinds and block numbers) "
                   "and the last 200 lines of the transfer log (plans named only by their digest).\r\n\r\n"
                   "Include the open configuration (as YAML text) and the whole traces, which hold the "
                   "radios' configurations, too?"));
    std::string path;
    if (m_ChooseReportPath) {
        path = m_ChooseReportPath();
    } else {
        QFileDialog dialog(this, tr("Save a Problem Report"), QStringLiteral("kv310-report.tar.gz"),
                           tr("Problem reports (*.tar.gz)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        path = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0).toStdString()
                                                  : std::string();
    }
    if (path.empty()) {
        return;
    }
    SReportInputs inputs;
    inputs.m_strProgram = std::string("kv310 ") + ProgramVersion();
    inputs.m_strPorts = PortsText(SurveyPorts(*m_pPortSystem));
    if (withConfig) {
        inputs.m_strConfigYaml = ExportTextConfig(m_Doc);
        inputs.m_bWholeTraces = true;  // the traces hold whole images: they go only with the configuration
    }
    std::string error;
    if (!WriteProblemReport(path, inputs, &error)) {
        m_Sink.ShowMessage(tr("The problem report could not be saved in %1: %2.")
                               .arg(QString::fromStdString(path), QString::fromStdString(error))
                               .toStdString());
        return;
    }
    m_wndStatusBar->showMessage(tr("Problem report saved in %1").arg(QString::fromStdString(path)),
                                kStatusShownMs);
}
