#pragma once
// One of every dialog of the window, made without showing it, for the tests that walk all their controls.

#include <QWidget>
#include <memory>
#include <vector>

#include "app/ShellFixture.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/BulkEditDlg.h"
#include "dialogs/ChangeMapDlg.h"
#include "dialogs/ChannelOptionDlg.h"
#include "dialogs/CompareDlg.h"
#include "dialogs/EngineeringDlg.h"
#include "dialogs/ModelSelectDlg.h"
#include "dialogs/ScanWarningDlg.h"
#include "dialogs/TonePickerDlg.h"
#include "dialogs/TwoToneCodeDlg.h"
#include "dialogs/TwoToneDlg.h"
#include "radio/CalibrationDlg.h"
#include "radio/FindCableDlg.h"
#include "radio/FleetDlg.h"
#include "radio/ProgressDlg.h"
#include "radio/SquelchDlg.h"
#include "radio/TransferHistoryDlg.h"

// The window of test must have been started; channel 1 gets a frequency so its dialogs have something.
inline std::vector<std::unique_ptr<QWidget>> EveryDialog(CMainForm& view, CMainWindow& frame,
                                                         CDataRadioDoc& doc, CRecordingSink& sink) {
    doc.m_Channel[0].m_dRxFreq = doc.m_Channel[0].m_dTxFreq = 151.0;
    view.m_State.m_nCurChannel = 1;
    SPageContext& ctx = view.m_Ctx;
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<CAboutDlg>());
    dialogs.push_back(std::make_unique<CBulkEditDlg>(doc));
    dialogs.push_back(std::make_unique<CCalibrationDlg>(ctx));
    dialogs.push_back(std::make_unique<CSquelchDlg>(ctx));
    dialogs.push_back(std::make_unique<CChangeMapDlg>(view.m_State, sink, 12, 9, 0x7F));
    dialogs.push_back(std::make_unique<CChannelOptionDlg>(ctx));
    dialogs.push_back(std::make_unique<CCompareDlg>("other.dat", std::vector<std::string>{"channel 3 rx"}));
    dialogs.push_back(std::make_unique<CEngineeringDlg>(CImageBytes{}));
    dialogs.push_back(std::make_unique<CFindCableDlg>(*frame.m_pPortSystem));
    dialogs.push_back(std::make_unique<CFleetDlg>(ctx));
    dialogs.push_back(std::make_unique<CModelSelectDlg>());
    dialogs.push_back(std::make_unique<CProgressDlg>());
    dialogs.push_back(std::make_unique<CScanWarningDlg>(QStringLiteral("ON"), QStringLiteral("OFF")));
    dialogs.push_back(std::make_unique<CCtcssDlg>());
    dialogs.push_back(std::make_unique<CDcsDlg>());
    dialogs.push_back(std::make_unique<CTransferHistoryDlg>(std::vector<std::string>{}, "transfers.tsv", ""));
    dialogs.push_back(std::make_unique<CTwoToneCodeDlg>(doc, view.m_State, sink));
    dialogs.push_back(std::make_unique<CTwoToneDlg>(doc, sink, 1));
    return dialogs;
}
