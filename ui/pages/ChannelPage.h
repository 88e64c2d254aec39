#pragma once
// The channel configuration page: the 16 channel rows and the radio-wide timers beside them. Every control
// writes its record member at once; the frequency rules (FrequencyRules.h) decide what a left field holds,
// the page moves the texts, the focus and the messages.

#include <QCheckBox>
#include <QComboBox>
#include <functional>
#include <memory>
#include <vector>

#include "FrequencyRules.h"
#include "pages/ChannelRow.h"
#include "pages/OptionPage.h"

class CChannelPage : public COptionPage {
    Q_OBJECT
public:
    explicit CChannelPage(SPageContext& context, QWidget* parent = nullptr);
    ~CChannelPage() override;

    // Fills every control from the record; with revalidate each channel's receive frequency is checked again
    // against the current band (after a file load or a radio read).
    void RefreshFromRecord(bool revalidate);
    // Resets the record to its defaults and shows it (New, model selection).
    void ResetAndRefresh();
    // Recomputes the captions of the receive and transmit option buttons.
    void UpdateOptionButtons();
    // The transmit-delay control exists only while the FFSK modem is not in use.
    void EnableTxDelay();
    void DisableTxDelay();
    // Makes the scan column visible (after a model was chosen).
    void ShowScanColumn();
    // Runs the leave rules of the field that has the focus, so text typed but not yet left counts (before a
    // save, a radio write or closing).
    void CommitFocusedField();
    // The focused field's leave rule, and any option field's; false when a rule refused the entry.
    bool CommitPending() override;

    // Leaving a frequency field of channel n (1-16).
    void OnRxFieldLeave(int channel);
    void OnTxFieldLeave(int channel);
    // An option button of channel n pressed.
    void OnOptionButton(int channel);

    // Opens the channel option dialog for m_nCurChannel; true when it closed with OK. Tests may answer it.
    std::function<bool()> m_RunOptionDialog;

    bool m_bClosing = false;  // the page's controls are being deleted
    int m_nRefreshCount = 0;  // how often the page was loaded from the record
    std::vector<std::unique_ptr<CChannelRow>> m_Rows;
    QComboBox* m_cbTimeOut = nullptr;
    QComboBox* m_cbHang = nullptr;
    QCheckBox* m_pBusyLockout = nullptr;
    QCheckBox* m_pMatchedSat = nullptr;
    QCheckBox* m_pTxDelay = nullptr;
    QCheckBox* m_pPowerSave = nullptr;
    CDigitEdit* m_pRxOffTime = nullptr;
    CDigitEdit* m_pRxOnTime = nullptr;
    QComboBox* m_cbPowerSaveDelay = nullptr;
    QLabel* m_pScanHeading = nullptr;

protected:
    void OnCreatePage() override;
    void changeEvent(QEvent* event) override;  // a new appearance: the marks in its colours

private:
    QWidget* BuildRows();
    QWidget* BuildPanel();
    void ConnectRow(CChannelRow& row);
    void SetTabOrder();
    CChannelData& Channel(int channel) { return m_Doc.m_Channel[static_cast<size_t>(channel - 1)]; }
    CChannelRow& Row(int channel) { return *m_Rows[static_cast<size_t>(channel - 1)]; }
    void ApplyRowEdit(int channel, const SRowEdit& edit);
    // The row's frequency fields outside the band: a warning colour, and the note as tip and description.
    void MarkOutOfBand(CChannelRow& row);
    void OnRowToggles(int channel);
    void OnPasteRefused(const QString& clip);
    void OnBusyLockout(bool checked);
    void OnPowerSave(bool checked);
    void OnRxOffTimeLeave();
    void OnRxOnTimeLeave();
    void Tell(const std::string& text, EMessageKind kind);

    bool m_bInLeave = false;  // a leave rule is showing its message
    int m_nToldCount = 0;     // messages shown so far: a leave rule speaks only to refuse
};
