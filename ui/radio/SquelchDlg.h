#pragma once
// The squelch dialog: sets a connected radio's squelch thresholds by example. The technician feeds the radio
// the RF level at which the squelch is to open and presses SET (OPEN), then the level at which it is to close
// and presses SET (CLOSE); SAVE stores the pair in the radio. DEFAULT returns the radio to its preset
// thresholds, shown as fixed texts. The channel the radio listens on can be changed here too.

#include <QLineEdit>
#include <QPushButton>

#include "radio/ServiceDlg.h"
#include "widgets/ChannelSpin.h"

constexpr const char* kTextUnmutedPreset = "- 115";
constexpr const char* kTextMutedPreset = "- 120";

class CSquelchDlg : public CServiceDlg {
    Q_OBJECT
public:
    explicit CSquelchDlg(SPageContext& context, QWidget* parent = nullptr);

    CChannelSpin* m_pChannel = nullptr;
    QPushButton* m_pSetChannel = nullptr;
    QPushButton* m_pCustom = nullptr;
    QPushButton* m_pSetOpen = nullptr;
    QPushButton* m_pSetClose = nullptr;
    QPushButton* m_pSave = nullptr;
    QLineEdit* m_pUnmuted = nullptr;
    QLineEdit* m_pMuted = nullptr;
    QPushButton* m_pDefault = nullptr;

protected:
    void OnOpened(const SRadioStatus& status) override;

private:
    void BuildControls();
    void ShowPreset(bool saveAvailable);
    void OnCustom(bool on);
    void OnSave();
    void OnDefault();
};
