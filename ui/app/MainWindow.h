#pragma once
// The main window: menu bar, toolbar, status bar and the Port menu around the main form. Its actions reach
// the form through the connections CreateMainForm makes; it knows the form only as its central widget.

#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DataRadioDoc.h"
#include "MessageSink.h"
#include "PortSurvey.h"
#include "radio/PortList.h"
#include "shared/WindowState.h"

constexpr const char* kWindowTitle = "KV310 - PC PROGRAMMER";

class CDisplayMenus;

class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    CMainWindow(CDataRadioDoc& doc, CMessageSink& sink, QWidget* parent = nullptr);

    // Fills the Port menu: one "COM%d" entry per listed port below 50, in ascending order, plus the simulated
    // radio, which is always there.
    void BuildPortMenu();
    void OnPortCommand(int com);
    void UpdatePortChecks();
    void UpdatePageChecks();
    // The form showed page index.
    void OnPageShown(int index);
    void OnStatusText(const QString& text);
    // While a transfer runs, the commands that change the record or need the port are greyed.
    void OnBusyChanged(bool busy);
    // Writes the port file; a failure is shown in the status bar, it must not stop the program.
    void SavePortFile();
    void OnAbout();

    // Port > Find the Cable...: waits for the cable to be plugged in and selects its port.
    void OnFindCable();
    // Program > Transfer History...: the transfer log as a table.
    void OnTransferHistory();
    // Help > Save a Problem Report...: asks whether the configuration goes in, then where to save.
    void OnSaveProblemReport();
    // At start: when the remembered USB adapter now sits on another port, that port is used and the status
    // bar says so.
    void FollowAdapter();

    CDataRadioDoc& m_Doc;
    CMessageSink& m_Sink;
    SWindowState* m_pState = nullptr;  // the form's (the chosen port), set when the form is attached
    // Whether the window may close now (asks the form); unset means yes.
    std::function<bool()> m_CanClose;
    QToolBar* m_pToolBar = nullptr;
    QStatusBar* m_wndStatusBar = nullptr;
    int m_nCurPage = 0;
    int m_nPortIndex = -1;
    CPortLister m_PortLister = DefaultPortList;
    // What is behind each port and whether it can be used; tests hand in a fake.
    std::shared_ptr<CPortSystem> m_pPortSystem = MachinePortSystem();
    // The dialogs of the support commands, replaceable by tests.
    std::function<SPortInfo()> m_RunFindCable;        // the port that appeared, m_nCom 0 when cancelled
    std::function<std::string()> m_ChooseReportPath;  // empty when cancelled
    std::function<void()> m_RunTransferHistory;
    std::function<void()> m_RunAbout;

    QMenu* m_pPortMenu = nullptr;
    CDisplayMenus* m_pDisplayMenus = nullptr;  // View > Language and Appearance
    std::vector<QAction*> m_PortActions;       // in menu order, each with its COM number as data
    std::array<QAction*, 4> m_PageActions{};   // View menu entries, by page index
    std::array<QAction*, 4> m_PageButtons{};   // toolbar buttons, by page index
    QAction* m_pActNew = nullptr;
    QAction* m_pActOpen = nullptr;
    QAction* m_pActSave = nullptr;
    QAction* m_pActSaveAs = nullptr;
    QAction* m_pActExportText = nullptr;
    QAction* m_pActImportChirp = nullptr;
    QAction* m_pActExportChirp = nullptr;
    QAction* m_pActCompare = nullptr;
    QAction* m_pActPrint = nullptr;
    QAction* m_pActPreview = nullptr;
    QAction* m_pActModelSelect = nullptr;
    QAction* m_pActReadRadio = nullptr;
    QAction* m_pActWriteRadio = nullptr;
    QAction* m_pActWriteWhole = nullptr;
    QAction* m_pActSquelch = nullptr;
    QAction* m_pActCalibration = nullptr;
    QAction* m_pActVerify = nullptr;  // checkable, on
    QAction* m_pActBackup = nullptr;  // checkable, on
    QAction* m_pActRestore = nullptr;
    QAction* m_pActSaveTrace = nullptr;
    QAction* m_pActFleet = nullptr;
    QAction* m_pActAbout = nullptr;
    QAction* m_pActFindCable = nullptr;
    QAction* m_pActHistory = nullptr;
    QAction* m_pActReport = nullptr;
    QAction* m_pActExit = nullptr;
    QAction* m_pActToolbar = nullptr;
    QAction* m_pActStatusBar = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* MakeAction(const char* text, const char* statusAndTip, const char* icon);
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildSupportActions();
    void SelectFoundPort(const SPortInfo& found);
    QLabel* m_pReady = nullptr;

public:
    QLabel* m_pPortPane = nullptr;  // the chosen port, always in view
};
