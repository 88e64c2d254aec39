#pragma once
// The main window: menu bar, toolbar, status bar and the Port menu around the main form. Its actions reach
// the form through the connections AttachView makes; it knows the form only as its central widget.

#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "DataRadioDoc.h"
#include "MessageSink.h"
#include "PortList.h"

constexpr const char* kWindowTitle = "KV310 - PC PROGRAMMER";

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CDataRadioDoc& doc, CMessageSink& sink, QWidget* parent = nullptr);

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

    CDataRadioDoc& m_Doc;
    CMessageSink& m_Sink;
    // Whether the window may close now (asks the form); unset means yes.
    std::function<bool()> m_CanClose;
    QToolBar* m_wndToolBar = nullptr;
    QStatusBar* m_wndStatusBar = nullptr;
    int m_nCurPage = 0;
    int m_nPortIndex = -1;
    CPortLister m_PortLister = DefaultPortList;
    std::function<void()> m_RunAbout;

    QMenu* m_pPortMenu = nullptr;
    std::vector<QAction*> m_PortActions;      // in menu order, each with its COM number as data
    std::array<QAction*, 4> m_PageActions{};  // View menu entries, by page index
    std::array<QAction*, 4> m_PageButtons{};  // toolbar buttons, by page index
    QAction* m_pActNew = nullptr;
    QAction* m_pActOpen = nullptr;
    QAction* m_pActSave = nullptr;
    QAction* m_pActExportText = nullptr;
    QAction* m_pActCompare = nullptr;
    QAction* m_pActPrint = nullptr;
    QAction* m_pActPreview = nullptr;
    QAction* m_pActModelSelect = nullptr;
    QAction* m_pActReadRadio = nullptr;
    QAction* m_pActWriteRadio = nullptr;
    QAction* m_pActSquelch = nullptr;
    QAction* m_pActCalibration = nullptr;
    QAction* m_pActVerify = nullptr;  // checkable, on
    QAction* m_pActBackup = nullptr;  // checkable, off
    QAction* m_pActSaveTrace = nullptr;
    QAction* m_pActFleet = nullptr;
    QAction* m_pActAbout = nullptr;
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
    QLabel* m_pReady = nullptr;

public:
    QLabel* m_pPortPane = nullptr;  // the chosen port, always in view
};
