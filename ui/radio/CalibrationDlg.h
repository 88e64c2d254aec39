#pragma once
// The calibration dialog: drives a connected radio live. It changes the radio's channel, keys the
// transmitter, controls scanning, switches the GPS receiver and its data output, starts the modem's test data
// and alignment signals (GMSK transmit, FFSK space and mark tones), puts the modem into firmware-upgrade mode
// and resets the radio.
//
// While the radio transmits, every command but RESET is refused ("This is Tx Mode"); while a test signal
// runs, the controls that would send other commands are greyed. Which controls are available follows from the
// dialog's state in one place (UpdateControls).

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "TextMark.h"
#include "radio/ServiceDlg.h"
#include "widgets/ChannelSpin.h"

constexpr const char* kMsgTxMode = KV310_TEXT("Messages", "This is Tx Mode");
constexpr const char* kMsgFfskModem = KV310_TEXT("Messages", "This is FFSK Modem!");
constexpr const char* kMsgGmskModem = KV310_TEXT("Messages", "This is GMSK Modem!");

// The fitted modem of the status record.
constexpr uint8_t kModemNone = 0xA0;
constexpr uint8_t kModemGmsk = 0xA1;
constexpr uint8_t kModemFfsk = 0xA2;

class CCalibrationDlg : public CServiceDlg {
    Q_OBJECT
public:
    explicit CCalibrationDlg(SPageContext& context, QWidget* parent = nullptr);
    ~CCalibrationDlg() override { EndNow(); }

    static constexpr int kNone = -1;
    static constexpr int kAlignGmsk = 0;
    static constexpr int kAlignFfsk = 1;

    CChannelSpin* m_pChannel = nullptr;
    QPushButton* m_pSetChannel = nullptr;
    QPushButton* m_pTransmit = nullptr;
    std::array<QRadioButton*, 3> m_pScan{};  // stop, start, delete
    QButtonGroup* m_pScanGroup = nullptr;
    QPushButton* m_pSetScan = nullptr;
    QPushButton* m_pGpsPower = nullptr;
    std::array<QRadioButton*, 3> m_pGpsData{};  // off, external output, external output and RF
    QButtonGroup* m_pGpsDataGroup = nullptr;
    QPushButton* m_pTestData = nullptr;
    std::array<QRadioButton*, 2> m_pAlign{};  // GMSK, FFSK
    QButtonGroup* m_pAlignGroup = nullptr;
    QPushButton* m_pSpace = nullptr;
    QPushButton* m_pMark = nullptr;
    QPushButton* m_pAlignTx = nullptr;
    QPushButton* m_pFirmware = nullptr;
    QPushButton* m_pReset = nullptr;

    int m_nScanChoice = kNone;
    int m_nGpsData = kNone;
    int m_nAlignModem = kNone;

protected:
    void OnOpened(const SRadioStatus& status) override;
    std::vector<EServiceCommand> ClosingCommands() const override;

private:
    void BuildControls();
    void UpdateControls();
    bool RefusedInTx();
    void SetGpsDataTexts(int choice);

    void OnSetChannel();
    void OnTransmit(bool on);
    void OnScanClicked(int choice);
    void OnSetScan();
    void OnGpsPower(bool on);
    void OnGpsData(int choice);
    void OnTestData(bool on);
    void OnAlignModem(int modem);
    void OnAlignTx(bool on);
    void OnTone(QPushButton* pressed, bool on);
    void OnFirmware(bool clickedOn);
    void OnReset();
};
