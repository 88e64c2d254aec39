#include "app/AppWindow.h"

#include "app/EditCommands.h"
#include "app/MainForm.h"

namespace {

// Which handler of the form each command of the window runs.
struct SCommandRoute {
    QAction* CMainWindow::*action;
    void (*run)(CMainForm& view);
};

const SCommandRoute kRoutes[] = {
    {&CMainWindow::m_pActNew, [](CMainForm& v) { v.OnFileNew(); }},
    {&CMainWindow::m_pActOpen, [](CMainForm& v) { v.OnFileOpen(); }},
    {&CMainWindow::m_pActSave, [](CMainForm& v) { v.OnFileSave(); }},
    {&CMainWindow::m_pActSaveAs, [](CMainForm& v) { v.OnFileSaveAs(); }},
    {&CMainWindow::m_pActExportText, [](CMainForm& v) { v.OnFileExportText(); }},
    {&CMainWindow::m_pActImportChirp, [](CMainForm& v) { v.OnFileImportChirp(); }},
    {&CMainWindow::m_pActExportChirp, [](CMainForm& v) { v.OnFileExportChirp(); }},
    {&CMainWindow::m_pActCompare, [](CMainForm& v) { v.OnFileCompare(); }},
    {&CMainWindow::m_pActPrint, [](CMainForm& v) { v.OnFilePrint(); }},
    {&CMainWindow::m_pActPreview, [](CMainForm& v) { v.OnFilePrintPreview(); }},
    {&CMainWindow::m_pActModelSelect, [](CMainForm& v) { v.OnModelSelect(); }},
    {&CMainWindow::m_pActSquelch, [](CMainForm& v) { v.OnSquelch(); }},
    {&CMainWindow::m_pActCalibration, [](CMainForm& v) { v.OnCalibration(); }},
    {&CMainWindow::m_pActReadRadio, [](CMainForm& v) { v.OnReadRadio(); }},
    {&CMainWindow::m_pActWriteRadio, [](CMainForm& v) { v.OnWriteRadio(); }},
    {&CMainWindow::m_pActWriteWhole, [](CMainForm& v) { v.OnWriteWholeImage(); }},
    {&CMainWindow::m_pActSaveTrace, [](CMainForm& v) { v.OnSaveTrace(); }},
    {&CMainWindow::m_pActFleet, [](CMainForm& v) { v.OnProgramFleet(); }},
    {&CMainWindow::m_pActRestore, [](CMainForm& v) { v.OnRestoreRadio(); }},
};

// The page commands, by page index (menu entry and toolbar button alike).
constexpr void (*kPageRoutes[kPageCount])(CMainForm&) = {
    [](CMainForm& v) { v.OnViewChannel(); },
    [](CMainForm& v) { v.OnViewModem(); },
    [](CMainForm& v) { v.OnViewEeprom(); },
    [](CMainForm& v) { v.OnViewSystem(); },
};

}  // namespace

CMainForm* CreateMainForm(CMainWindow& frame, CDataRadioDoc& doc, CMessageSink& sink, CComResolver resolve,
                          std::unique_ptr<CRadioPort> device) {
    auto* view = new CMainForm(doc, sink, std::move(resolve), &frame, std::move(device));
    frame.setCentralWidget(view);
    frame.m_pState = &view->m_State;
    for (const SCommandRoute& route : kRoutes) {
        QObject::connect(frame.*route.action, &QAction::triggered, view,
                         [view, run = route.run] { run(*view); });
    }
    for (int page = 0; page < kPageCount; ++page) {
        for (QAction* action : {frame.m_PageActions[page], frame.m_PageButtons[page]}) {
            QObject::connect(action, &QAction::triggered, view, [view, page] { kPageRoutes[page](*view); });
        }
    }
    QObject::connect(frame.m_pActVerify, &QAction::toggled, view, &CMainForm::SetVerifyAfterWrite);
    QObject::connect(frame.m_pActBackup, &QAction::toggled, view, &CMainForm::SetBackupBeforeWrite);
    QObject::connect(view, &CMainForm::PageShown, &frame, &CMainWindow::OnPageShown);
    QObject::connect(view, &CMainForm::StatusText, &frame, &CMainWindow::OnStatusText);
    QObject::connect(view, &CMainForm::BusyChanged, &frame, &CMainWindow::OnBusyChanged);
    frame.m_CanClose = [view] { return view->QueryClose(); };
    new CEditCommands(frame, *view);  // owned by the view
    return view;
}

void StartMainWindow(CMainWindow& frame, CMainForm& view) {
    view.StartWithFreshRecord();
    frame.FollowAdapter();
    frame.BuildPortMenu();
}
