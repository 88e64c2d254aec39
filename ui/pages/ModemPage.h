#pragma once
// The modem page: which modem is fitted, whether it is on, its baud rates, framing and timing. Every control
// writes the record at once; the delay fields when they lose the focus or on Return, after their check. The
// rules that tie the settings together live in ModemRules; the page moves texts, focus and messages.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "ModemRules.h"
#include "pages/OptionPage.h"
#include "widgets/CommitEdit.h"

class CModemPage : public COptionPage {
    Q_OBJECT
public:
    explicit CModemPage(SPageContext& context, QWidget* parent = nullptr);

    // Sets every control's value and enabled state from the record.
    void RefreshFromRecord();
    // Re-applies the rules that tie the modem settings together (after a model was chosen).
    void ApplyModemRules();

    int m_nRefreshCount = 0;  // how often the page was loaded from the record
    // Asks the scan/modem warning; true for YES. Tests answer it without a window.
    std::function<bool(const QString& state, const QString& yesEffect)> m_RunScanWarning;

    // The list handlers with rules of their own (named by the page's control table).
    void OnFlowControl(int index);
    void OnTxDelay2(int index);

    // MODEM SELECT
    QCheckBox* m_pGmsk = nullptr;
    QCheckBox* m_pFfsk = nullptr;
    QCheckBox* m_pAfsk = nullptr;
    QRadioButton* m_pV23 = nullptr;
    QRadioButton* m_pBell202 = nullptr;
    QPushButton* m_pModemToggle = nullptr;
    QComboBox* m_cbSBand = nullptr;
    QComboBox* m_cbNBand = nullptr;
    // SYSTEM OPTION 1
    QRadioButton* m_pDumb = nullptr;
    QRadioButton* m_pAuto = nullptr;
    QCheckBox* m_pTxForcing = nullptr;
    QCheckBox* m_pInitDataForHt = nullptr;
    // SYSTEM OPTION 2
    QCheckBox* m_pBaseBlock = nullptr;
    QComboBox* m_cbBaseBlockSize = nullptr;
    QComboBox* m_cbPreamble = nullptr;
    QComboBox* m_cbWaitBusy = nullptr;
    QComboBox* m_cbFlowControl = nullptr;
    QComboBox* m_cbTxDelay1 = nullptr;
    QComboBox* m_cbTxDelay2 = nullptr;
    QComboBox* m_cbStartBitErrors = nullptr;
    QPushButton* m_pDefault = nullptr;
    // SYSTEM OPTION 3
    CCommitEdit* m_pTxOffDelay = nullptr;
    CCommitEdit* m_pTxOnDelay = nullptr;
    CCommitEdit* m_pRxOnDelay = nullptr;

protected:
    void OnCreatePage() override;

private:
    void BuildModemSelect(QWidget* group);
    void BuildModeAndFlags(QWidget* group);
    QGridLayout* BuildLists(QWidget* group);
    QGridLayout* BuildDelays(QWidget* group);

    void OnTypeClicked(int row, bool checked);
    void OnModemToggle(bool pressed);
    void OnBaseBlock(bool checked);
    void OnDefault();
    void OnDumbMode();
    void OnAutoMode();

    void ShowModemType();
    void ShowModemToggle(bool on);
    void ShowBaudLists(EModemType type);
    void ShowMode();
    void FillFlowControl(bool dumbChoice);
    void SwitchModemOff();

    QButtonGroup* m_pModeGroup = nullptr;
    QButtonGroup* m_pAfskGroup = nullptr;
};
