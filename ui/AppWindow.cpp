#include "AppWindow.h"

#include "DataRadioView.h"
#include "EditCommands.h"

namespace {

// Which handler of the form each command of the window runs.
struct SCommandRoute {
    QAction* CMainFrame::*action;
    void (*run)(CDataRadioView& view);
};

const SCommandRoute kRoutes[] = {
    {&CMainFrame::m_pActNew, [](CDataRadioView& v) { v.OnFileNew(); }},
    {&CMainFrame::m_pActOpen, [](CDataRadioView& v) { v.OnFileOpen(); }},
    {&CMainFrame::m_pActSave, [](CDataRadioView& v) { v.OnFileSave(); }},
    {&CMainFrame::m_pActExportText, [](CDataRadioView& v) { v.OnFileExportText(); }},
    {&CMainFrame::m_pActCompare, [](CDataRadioView& v) { v.OnFileCompare(); }},
    {&CMainFrame::m_pActPrint, [](CDataRadioView& v) { v.OnFilePrint(); }},
    {&CMainFrame::m_pActPreview, [](CDataRadioView& v) { v.OnFilePrintPreview(); }},
    {&CMainFrame::m_pActModelSelect, [](CDataRadioView& v) { v.OnModelSelect(); }},
    {&CMainFrame::m_pActSquelch, [](CDataRadioView& v) { v.OnSquelch(); }},
    {&CMainFrame::m_pActCalibration, [](CDataRadioView& v) { v.OnCalibration(); }},
    {&CMainFrame::m_pActReadRadio, [](CDataRadioView& v) { v.OnReadRadio(); }},
    {&CMainFrame::m_pActWriteRadio, [](CDataRadioView& v) { v.OnWriteRadio(); }},
    {&CMainFrame::m_pActSaveTrace, [](CDataRadioView& v) { v.OnSaveTrace(); }},
    {&CMainFrame::m_pActFleet, [](CDataRadioView& v) { v.OnProgramFleet(); }},
};

// The page commands, by page index (menu entry and toolbar button alike).
constexpr void (*kPageRoutes[kPageCount])(CDataRadioView&) = {
    [](CDataRadioView& v) { v.OnViewChannel(); },
    [](CDataRadioView& v) { v.OnViewModem(); },
    [](CDataRadioView& v) { v.OnViewEeprom(); },
    [](CDataRadioView& v) { v.OnViewSystem(); },
};

}  // namespace

CDataRadioView* AttachView(CMainFrame& frame, CDataRadioDoc& doc, CMessageSink& sink, CComResolver resolve,
                           std::unique_ptr<CRadioPort> device) {
    auto* view = new CDataRadioView(doc, sink, std::move(resolve), &frame, std::move(device));
    frame.setCentralWidget(view);
    for (const SCommandRoute& route : kRoutes) {
        QObject::connect(frame.*route.action, &QAction::triggered, view,
                         [view, run = route.run] { run(*view); });
    }
    for (int page = 0; page < kPageCount; ++page) {
        for (QAction* action : {frame.m_PageActions[page], frame.m_PageButtons[page]}) {
            QObject::connect(action, &QAction::triggered, view, [view, page] { kPageRoutes[page](*view); });
        }
    }
    QObject::connect(frame.m_pActVerify, &QAction::toggled, view, &CDataRadioView::SetVerifyAfterWrite);
    QObject::connect(frame.m_pActBackup, &QAction::toggled, view, &CDataRadioView::SetBackupBeforeWrite);
    QObject::connect(view, &CDataRadioView::PageShown, &frame, &CMainFrame::OnPageShown);
    QObject::connect(view, &CDataRadioView::StatusText, &frame, &CMainFrame::OnStatusText);
    QObject::connect(view, &CDataRadioView::BusyChanged, &frame, &CMainFrame::OnBusyChanged);
    frame.m_CanClose = [view] { return view->QueryClose(); };
    new CEditCommands(frame, *view);  // owned by the view
    return view;
}

void InitialUpdate(CMainFrame& frame, CDataRadioView& view) {
    view.OnInitialUpdate();
    frame.FollowAdapter();
    frame.BuildPortMenu();
}
