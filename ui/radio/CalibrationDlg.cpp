#include "radio/CalibrationDlg.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include "widgets/AccessibleText.h"

namespace {

constexpr EServiceCommand kScanCommands[] = {EServiceCommand::ScanStop, EServiceCommand::ScanStart,
                                             EServiceCommand::ScanDelete};
constexpr EServiceCommand kGpsDataCommands[] = {EServiceCommand::GpsDataOff, EServiceCommand::GpsDataExternal,
                                                EServiceCommand::GpsDataExternalAndRf};
// The three GPS data captions read like a level: each choice switches on the outputs up to itself.
constexpr const char* kGpsDataTexts[3][3] = {
    {QT_TRANSLATE_NOOP("CCalibrationDlg", " Disable"),
     QT_TRANSLATE_NOOP("CCalibrationDlg", " External Output Disable"),
     QT_TRANSLATE_NOOP("CCalibrationDlg", " RF Transmission Disable")},
    {QT_TRANSLATE_NOOP("CCalibrationDlg", " Enable"),
     QT_TRANSLATE_NOOP("CCalibrationDlg", " External Output Enable"),
     QT_TRANSLATE_NOOP("CCalibrationDlg", " RF Transmission Disable")},
    {QT_TRANSLATE_NOOP("CCalibrationDlg", " Enable"),
     QT_TRANSLATE_NOOP("CCalibrationDlg", " External Output Enable"),
     QT_TRANSLATE_NOOP("CCalibrationDlg", " RF Transmission Enable")},
};

void ShowToggle(QPushButton* button, bool on, const char* onText, const char* offText) {
    button->setChecked(on);
    SetCaption(button, QCoreApplication::translate("CCalibrationDlg", on ? onText : offText));
}

// id kNone checks no button of the group.
void SelectRadio(QButtonGroup* group, int id) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(group->id(button) == id);
    }
    group->setExclusive(true);
}

QPushButton* Toggle(const char* text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(QCoreApplication::translate("CCalibrationDlg", text), parent);
    button->setCheckable(true);
    NameByCaption(button, button->text(), name);  // renamed with each caption
    button->setMinimumWidth(110);
    return button;
}

}  // namespace

CCalibrationDlg::CCalibrationDlg(SPageContext& context, QWidget* parent)
    : CServiceDlg(context, "the calibration dialog", parent) {
    setWindowTitle(tr("CALIBRATION"));
    BuildControls();
    // Until the status record tells the fitted modem, no alignment signal is offered.
    UpdateControls();
}

void CCalibrationDlg::BuildControls() {
    auto* frame = new QGroupBox(tr(" CALIBRATION "), m_pBody);
    m_pBodyLayout->addWidget(frame);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    const auto addRow = [&](const char* label, std::initializer_list<QWidget*> widgets) {
        grid->addWidget(new QLabel(tr(label), frame), row, 0);
        auto* line = new QHBoxLayout;
        for (QWidget* widget : widgets) {
            line->addWidget(widget);
        }
        line->addStretch(1);
        grid->addLayout(line, row++, 1);
    };
    const auto radio = [&](const char* text, const QString& name) {
        auto* button = new QRadioButton(tr(text), frame);
        NameByCaption(button, button->text(), name);
        return button;
    };

    m_pChannel = new CChannelSpin(frame);
    m_pChannel->setAccessibleName(tr("Radio channel"));
    m_pSetChannel = new QPushButton(tr("SET"), frame);
    NameByCaption(m_pSetChannel, m_pSetChannel->text(), tr("Set the radio channel"));
    m_pSetChannel->setDefault(true);  // Enter in the channel field sends it
    addRow(QT_TR_NOOP("1. Change Channel "), {m_pChannel, m_pSetChannel});

    m_pTransmit = Toggle(QT_TR_NOOP("Rx Mode"), tr("Transmit mode"), frame);
    addRow(QT_TR_NOOP("2. RTX_Mode"), {m_pTransmit});

    m_pScan = {radio(QT_TR_NOOP("Scan Stop"), tr("Scan stop")),
               radio(QT_TR_NOOP("Scan Start"), tr("Scan start")),
               radio(QT_TR_NOOP("Scan Delete"), tr("Scan delete"))};
    m_pSetScan = new QPushButton(tr("SET"), frame);
    NameByCaption(m_pSetScan, m_pSetScan->text(), tr("Send the scan choice"));
    addRow(QT_TR_NOOP("3. Scan_Mode"), {m_pScan[0], m_pScan[1], m_pScan[2], m_pSetScan});

    m_pGpsPower = Toggle(QT_TR_NOOP("Power Disable"), tr("GPS power"), frame);
    addRow(QT_TR_NOOP("4. GPS"), {m_pGpsPower});

    m_pGpsData = {radio(kGpsDataTexts[0][0], tr("GPS data off")),
                  radio(kGpsDataTexts[0][1], tr("GPS data to the external output")),
                  radio(kGpsDataTexts[0][2], tr("GPS data to the external output and RF transmission"))};
    addRow(QT_TR_NOOP("5. GPS Data"), {m_pGpsData[0], m_pGpsData[1], m_pGpsData[2]});

    m_pTestData = Toggle(QT_TR_NOOP("Disable"), tr("Modem test data"), frame);
    addRow(QT_TR_NOOP("6. Modem Test Data"), {m_pTestData});

    m_pAlign = {radio(QT_TR_NOOP("GMSK"), tr("GMSK alignment")),
                radio(QT_TR_NOOP(" FFSK"), tr("FFSK alignment"))};
    m_pSpace = Toggle(QT_TR_NOOP("Space Disable"), tr("FFSK space tone"), frame);
    m_pMark = Toggle(QT_TR_NOOP("Mark Disable"), tr("FFSK mark tone"), frame);
    m_pAlignTx = Toggle(QT_TR_NOOP(" Tx Disable"), tr("GMSK alignment transmit"), frame);
    addRow(QT_TR_NOOP("7. Alignment test "), {m_pAlign[0], m_pAlign[1], m_pSpace, m_pMark, m_pAlignTx});

    m_pFirmware = Toggle(QT_TR_NOOP("Disable"), tr("Modem firmware upgrade mode"), frame);
    addRow(QT_TR_NOOP("8. Modem Firmware Upgrade"), {m_pFirmware});

    m_pReset = new QPushButton(tr("RESET"), frame);
    NameByCaption(m_pReset, m_pReset->text(), tr("Reset the radio"));
    addRow(QT_TR_NOOP("9. Radio Reset"), {m_pReset});

    const auto group = [this](auto& buttons) {
        auto* buttonGroup = new QButtonGroup(this);
        for (size_t i = 0; i < buttons.size(); ++i) {
            buttonGroup->addButton(buttons[i], static_cast<int>(i));
        }
        return buttonGroup;
    };
    m_pScanGroup = group(m_pScan);
    m_pGpsDataGroup = group(m_pGpsData);
    m_pAlignGroup = group(m_pAlign);

    connect(m_pSetChannel, &QPushButton::clicked, this, &CCalibrationDlg::OnSetChannel);
    connect(m_pTransmit, &QPushButton::clicked, this, &CCalibrationDlg::OnTransmit);
    connect(m_pScanGroup, &QButtonGroup::idClicked, this, &CCalibrationDlg::OnScanClicked);
    connect(m_pSetScan, &QPushButton::clicked, this, &CCalibrationDlg::OnSetScan);
    connect(m_pGpsPower, &QPushButton::clicked, this, &CCalibrationDlg::OnGpsPower);
    connect(m_pGpsDataGroup, &QButtonGroup::idClicked, this, &CCalibrationDlg::OnGpsData);
    connect(m_pTestData, &QPushButton::clicked, this, &CCalibrationDlg::OnTestData);
    connect(m_pAlignGroup, &QButtonGroup::idClicked, this, &CCalibrationDlg::OnAlignModem);
    connect(m_pAlignTx, &QPushButton::clicked, this, &CCalibrationDlg::OnAlignTx);
    connect(m_pSpace, &QPushButton::clicked, this, [this](bool on) { OnTone(m_pSpace, on); });
    connect(m_pMark, &QPushButton::clicked, this, [this](bool on) { OnTone(m_pMark, on); });
    connect(m_pFirmware, &QPushButton::clicked, this, &CCalibrationDlg::OnFirmware);
    connect(m_pReset, &QPushButton::clicked, this, &CCalibrationDlg::OnReset);

    const int scanMode = m_Doc.m_nScanMode;
    m_nScanChoice = scanMode >= 0 && scanMode <= 2 ? scanMode : kNone;
    SelectRadio(m_pScanGroup, m_nScanChoice);
}

// Which controls act follows from the state: transmit greys GPS power, test data and firmware upgrade;
// a running alignment signal greys the channel, transmit, scan and GPS rows; test data greys everything but
// itself and RESET; the GPS data row acts only while the GPS is powered; only the fitted modem's alignment
// signals are shown.
void CCalibrationDlg::UpdateControls() {
    const bool transmit = m_pTransmit->isChecked();
    const bool testData = m_pTestData->isChecked();
    const bool signal = m_pAlignTx->isChecked() || m_pSpace->isChecked() || m_pMark->isChecked();
    const bool gpsPower = m_pGpsPower->isChecked();
    const bool group = !testData && !signal;
    for (QWidget* widget : {static_cast<QWidget*>(m_pChannel), static_cast<QWidget*>(m_pSetChannel),
                            static_cast<QWidget*>(m_pTransmit), static_cast<QWidget*>(m_pSetScan)}) {
        widget->setEnabled(group);
    }
    for (QRadioButton* button : m_pScan) {
        button->setEnabled(group);
    }
    m_pGpsPower->setEnabled(group && !transmit);
    for (QRadioButton* button : m_pGpsData) {
        button->setEnabled(group && gpsPower);
    }
    m_pTestData->setEnabled(!signal && !transmit && !gpsPower);
    for (int i = 0; i < 2; ++i) {
        m_pAlign[i]->setEnabled(!testData && m_nAlignModem == i);
    }
    m_pAlignTx->setVisible(m_nAlignModem == kAlignGmsk);
    m_pSpace->setVisible(m_nAlignModem == kAlignFfsk);
    m_pMark->setVisible(m_nAlignModem == kAlignFfsk);
    for (QPushButton* button : {m_pAlignTx, m_pSpace, m_pMark}) {
        button->setEnabled(!testData);
    }
    m_pFirmware->setEnabled(!testData && !transmit);
}

void CCalibrationDlg::OnOpened(const SRadioStatus& status) {
    if (status.m_bValid) {
        m_nAlignModem = status.m_nModem == kModemGmsk   ? kAlignGmsk
                        : status.m_nModem == kModemFfsk ? kAlignFfsk
                                                        : kNone;
    }
    SelectRadio(m_pAlignGroup, m_nAlignModem);
    if (m_State.m_nRadioChannel < kFirstSpinChannel || m_State.m_nRadioChannel > kLastSpinChannel) {
        m_State.m_nRadioChannel = kFirstSpinChannel;
    }
    m_pChannel->setValue(m_State.m_nRadioChannel);
    UpdateControls();
}

std::vector<EServiceCommand> CCalibrationDlg::ClosingCommands() const {
    std::vector<EServiceCommand> commands;
    if (m_pTestData->isChecked()) {
        commands.push_back(EServiceCommand::ModemTestDataOff);
    }
    if (m_pAlignTx->isChecked()) {
        commands.push_back(EServiceCommand::AlignmentOff);
    }
    if (m_pSpace->isChecked()) {
        commands.push_back(EServiceCommand::SpaceToneOff);
    }
    if (m_pMark->isChecked()) {
        commands.push_back(EServiceCommand::MarkToneOff);
    }
    if (m_pTransmit->isChecked()) {
        commands.push_back(EServiceCommand::ReceiveMode);
    }
    return commands;
}

bool CCalibrationDlg::RefusedInTx() {
    if (!m_pTransmit->isChecked()) {
        return false;
    }
    m_Ctx.m_Sink.ShowMessage(kMsgTxMode);
    return true;
}

void CCalibrationDlg::OnSetChannel() {
    if (RefusedInTx()) {
        return;
    }
    const int channel = m_pChannel->TakeChannel();
    m_nScanChoice = kNone;
    SelectRadio(m_pScanGroup, kNone);
    SendChannel(channel);
}

void CCalibrationDlg::OnTransmit(bool on) {
    ShowToggle(m_pTransmit, on, QT_TR_NOOP("Tx Mode"), QT_TR_NOOP("Rx Mode"));
    UpdateControls();
    if (!on) {
        Send({EServiceCommand::ReceiveMode});
        return;
    }
    Send({EServiceCommand::TransmitMode}, [this](const SCommandResult& result) {
        if (result.m_Code == EReplyCode::NotAllowed) {
            ShowToggle(m_pTransmit, false, QT_TR_NOOP("Tx Mode"), QT_TR_NOOP("Rx Mode"));
            UpdateControls();
        }
    });
}

void CCalibrationDlg::OnScanClicked(int choice) {
    if (RefusedInTx()) {
        SelectRadio(m_pScanGroup, m_nScanChoice);
        return;
    }
    m_nScanChoice = choice;
}

void CCalibrationDlg::OnSetScan() {
    if (RefusedInTx() || m_nScanChoice == kNone) {
        return;
    }
    Send({kScanCommands[m_nScanChoice]});
}

void CCalibrationDlg::SetGpsDataTexts(int choice) {
    for (int i = 0; i < 3; ++i) {
        SetCaption(m_pGpsData[i], tr(kGpsDataTexts[choice][i]));
    }
}

void CCalibrationDlg::OnGpsPower(bool on) {
    if (RefusedInTx()) {
        m_pGpsPower->setChecked(!on);
        return;
    }
    ShowToggle(m_pGpsPower, on, QT_TR_NOOP("Power Enable"), QT_TR_NOOP("Power Disable"));
    m_nGpsData = 0;
    SelectRadio(m_pGpsDataGroup, m_nGpsData);
    if (!on) {
        SetGpsDataTexts(0);
    }
    UpdateControls();
    Send({on ? EServiceCommand::GpsPowerOn : EServiceCommand::GpsPowerOff});
}

void CCalibrationDlg::OnGpsData(int choice) {
    if (RefusedInTx()) {
        SelectRadio(m_pGpsDataGroup, m_nGpsData);
        return;
    }
    m_nGpsData = choice;
    SetGpsDataTexts(choice);
    Send({kGpsDataCommands[choice]});
}

void CCalibrationDlg::OnTestData(bool on) {
    if (RefusedInTx()) {
        ShowToggle(m_pTestData, !on, QT_TR_NOOP("Enable"), QT_TR_NOOP("Disable"));
        return;
    }
    ShowToggle(m_pTestData, on, QT_TR_NOOP("Enable"), QT_TR_NOOP("Disable"));
    UpdateControls();
    Send({on ? EServiceCommand::ModemTestDataOn : EServiceCommand::ModemTestDataOff});
}

void CCalibrationDlg::OnAlignModem(int modem) {
    if (RefusedInTx()) {
        SelectRadio(m_pAlignGroup, m_nAlignModem);
        return;
    }
    if (modem == kAlignGmsk && (m_pSpace->isChecked() || m_pMark->isChecked())) {
        m_Ctx.m_Sink.ShowMessage(kMsgFfskModem);
        m_nAlignModem = kAlignFfsk;
    } else if (modem == kAlignFfsk && m_pAlignTx->isChecked()) {
        m_Ctx.m_Sink.ShowMessage(kMsgGmskModem);
        m_nAlignModem = kAlignGmsk;
    } else {
        m_nAlignModem = modem;
    }
    SelectRadio(m_pAlignGroup, m_nAlignModem);
    UpdateControls();
}

void CCalibrationDlg::OnAlignTx(bool on) {
    if (RefusedInTx()) {
        m_pAlignTx->setChecked(!on);
        return;
    }
    ShowToggle(m_pAlignTx, on, QT_TR_NOOP("Tx Enable"), QT_TR_NOOP("Tx Disable"));
    UpdateControls();
    Send({on ? EServiceCommand::AlignmentOn : EServiceCommand::AlignmentOff});
}

// Space and mark exclude each other: switching one on switches the other off first.
void CCalibrationDlg::OnTone(QPushButton* pressed, bool on) {
    if (RefusedInTx()) {
        pressed->setChecked(!on);
        return;
    }
    const bool space = pressed == m_pSpace;
    QPushButton* other = space ? m_pMark : m_pSpace;
    std::vector<EServiceCommand> commands;
    if (on && other->isChecked()) {
        if (space) {
            ShowToggle(m_pMark, false, QT_TR_NOOP("Mark Enable"), QT_TR_NOOP("Mark Disable"));
        } else {
            ShowToggle(m_pSpace, false, QT_TR_NOOP("Space Enable"), QT_TR_NOOP("Space Disable"));
        }
        commands.push_back(space ? EServiceCommand::MarkToneOff : EServiceCommand::SpaceToneOff);
    }
    if (space) {
        ShowToggle(m_pSpace, on, QT_TR_NOOP("Space Enable"), QT_TR_NOOP("Space Disable"));
        commands.push_back(on ? EServiceCommand::SpaceToneOn : EServiceCommand::SpaceToneOff);
    } else {
        ShowToggle(m_pMark, on, QT_TR_NOOP("Mark Enable"), QT_TR_NOOP("Mark Disable"));
        commands.push_back(on ? EServiceCommand::MarkToneOn : EServiceCommand::MarkToneOff);
    }
    UpdateControls();
    Send(commands);
}

// The toggle follows the radio: it changes only when the radio answered the command.
void CCalibrationDlg::OnFirmware(bool clickedOn) {
    const bool wasOn = !clickedOn;
    m_pFirmware->setChecked(wasOn);
    if (RefusedInTx()) {
        return;
    }
    Send({wasOn ? EServiceCommand::FirmwareUpgradeOff : EServiceCommand::FirmwareUpgradeOn},
         [this, wasOn](const SCommandResult& result) {
             if (result.m_bAnswered) {
                 ShowToggle(m_pFirmware, !wasOn, QT_TR_NOOP("Enable"), QT_TR_NOOP("Disable"));
             }
         });
}

void CCalibrationDlg::OnReset() {
    Send({EServiceCommand::RadioReset});
}
