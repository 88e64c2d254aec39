#pragma once
// The system page: the radio-wide receive, transmit, scan and GPS reporting options. Every control writes the
// record as soon as it changes; the edit fields when they lose the focus or on Return, after their check.

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "pages/OptionPage.h"
#include "widgets/CommitEdit.h"

class CSystemPage : public COptionPage {
    Q_OBJECT
public:
    explicit CSystemPage(SPageContext& context, QWidget* parent = nullptr);

    // Sets every control's value and enabled state from the record.
    void RefreshFromRecord();

    int m_nRefreshCount = 0;  // how often the page was loaded from the record

    // RX OPTION
    QCheckBox* m_pSquelch = nullptr;
    QRadioButton* m_pRssiCheck = nullptr;
    QRadioButton* m_pBusyPortCheck = nullptr;
    // TX OPTION
    QCheckBox* m_pHangOnBeep = nullptr;
    QCheckBox* m_pTxTone = nullptr;
    QCheckBox* m_pExtModulation = nullptr;
    // SCAN OPTION
    QComboBox* m_cbScanDelay = nullptr;
    CCommitEdit* m_pScanSpeed = nullptr;
    // GPS OPTION
    QCheckBox* m_pGps = nullptr;
    QComboBox* m_cbGpsCycle = nullptr;
    CCommitEdit* m_pGpsTxTime = nullptr;
    CCommitEdit* m_pGpsDelay = nullptr;

protected:
    void OnCreatePage() override;

private:
    void BuildControls();
    void OnFlagClicked(int row, bool checked);
    void OnSquelchType(int type);
    void ShowSquelchEnables();
    // The GPS controls follow "Enables GPS" and show the record's kept values.
    void ShowGpsValues();
};
