#pragma once
// The main window: menu bar, toolbar, status bar and the Port menu around the main form.

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

class CDataRadioView;

constexpr const char* kWindowTitle = "KV310 - PC PROGRAMMER";

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CDataRadioDoc& doc, CMessageSink& sink, QWidget* parent = nullptr);

    // Builds the form's contents; the Port menu takes its list from m_PortLister, so set that first.
    void OnInitialUpdate();

    // Fills the Port menu: one "COM%d" entry per listed port below 50, in ascending order, plus the simulated
    // radio, which is always there.
    void BuildPortMenu();
    void OnPortCommand(int com);
    void UpdatePortChecks();
    void UpdatePageChecks();
    // Writes the port file; a failure is shown in the status bar, it must not stop the program.
    void SavePortFile();
    void OnAbout();

    CDataRadioDoc& m_Doc;
    CMessageSink& m_Sink;
    CDataRadioView* m_pView = nullptr;
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
    QAction* m_pActPrint = nullptr;
    QAction* m_pActPreview = nullptr;
    QAction* m_pActModelSelect = nullptr;
    QAction* m_pActReadRadio = nullptr;
    QAction* m_pActWriteRadio = nullptr;
    QAction* m_pActSquelch = nullptr;
    QAction* m_pActCalibration = nullptr;
    QAction* m_pActAbout = nullptr;
    QAction* m_pActExit = nullptr;
    QAction* m_pActToolbar = nullptr;
    QAction* m_pActStatusBar = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* MakeAction(const char* text, const char* statusAndTip, const char* icon,
                        void (CDataRadioView::*command)());
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    QLabel* m_pReady = nullptr;

public:
    QLabel* m_pPortPane = nullptr;  // the chosen port, always in view
};
