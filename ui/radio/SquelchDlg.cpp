#include "radio/SquelchDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include "widgets/AccessibleText.h"

CSquelchDlg::CSquelchDlg(SPageContext& context, QWidget* parent)
    : CServiceDlg(context, "the squelch dialog", parent) {
    setWindowTitle(tr("SQUELCH"));
    BuildControls();
    ShowPreset(false);
}

void CSquelchDlg::BuildControls() {
    auto* frame = new QGroupBox(tr(" SQUELCH "), m_pBody);
    m_pBodyLayout->addWidget(frame);
    auto* grid = new QGridLayout(frame);
    const auto label = [frame](const char* text) { return new QLabel(tr(text), frame); };
    const auto button = [frame](const char* text, const QString& name) {
        auto* pushButton = new QPushButton(tr(text), frame);
        NameByCaption(pushButton, pushButton->text(), name);
        return pushButton;
    };

    m_pChannel = new CChannelSpin(frame);
    m_pChannel->setAccessibleName(tr("Radio channel"));
    m_pSetChannel = button(QT_TR_NOOP("SET"), tr("Set the radio channel"));
    m_pSetChannel->setDefault(true);  // Enter in the channel field sends it
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(m_pChannel);
    channelRow->addWidget(m_pSetChannel);
    channelRow->addStretch(1);
    grid->addWidget(label(QT_TR_NOOP("Change Channel ")), 0, 0);
    grid->addLayout(channelRow, 0, 1);

    m_pCustom = button(QT_TR_NOOP(" Custom Define ? "), tr("Custom squelch levels"));
    m_pCustom->setCheckable(true);
    grid->addWidget(label(QT_TR_NOOP(" Use Preset ")), 1, 0);
    grid->addWidget(m_pCustom, 1, 1);

    m_pSetOpen = button(QT_TR_NOOP("SET (OPEN)"), tr("Store the present RF level as the opening level"));
    grid->addWidget(label(QT_TR_NOOP("1. Set RF signal level for opening\n    and press SET")), 2, 0);
    grid->addWidget(m_pSetOpen, 2, 1);
    m_pSetClose = button(QT_TR_NOOP("SET (CLOSE)"), tr("Store the present RF level as the closing level"));
    grid->addWidget(label(QT_TR_NOOP("2. Set RF signal level for closing\n    and press SET")), 3, 0);
    grid->addWidget(m_pSetClose, 3, 1);
    m_pSave = button(QT_TR_NOOP("SAVE"), tr("Save the squelch levels in the radio"));
    grid->addWidget(m_pSave, 4, 1);

    auto* preset = new QGroupBox(tr("Your Default Squelch Settings"), frame);
    auto* presetGrid = new QGridLayout(preset);
    const auto level = [preset](const QString& name) {
        auto* field = new QLineEdit(preset);
        field->setReadOnly(true);
        field->setAccessibleName(name);
        field->setMaximumWidth(80);
        return field;
    };
    m_pUnmuted = level(tr("Preset unmuted level in dBm"));
    m_pMuted = level(tr("Preset muted level in dBm"));
    presetGrid->addWidget(new QLabel(tr("Unmuted"), preset), 0, 0);
    presetGrid->addWidget(m_pUnmuted, 0, 1);
    presetGrid->addWidget(new QLabel(QStringLiteral("dBm"), preset), 0, 2);
    presetGrid->addWidget(new QLabel(tr("Muted"), preset), 1, 0);
    presetGrid->addWidget(m_pMuted, 1, 1);
    presetGrid->addWidget(new QLabel(QStringLiteral("dBm"), preset), 1, 2);
    m_pDefault = new QPushButton(tr("DEFAULT"), preset);
    NameByCaption(m_pDefault, m_pDefault->text(), tr("Return the radio to the preset squelch levels"));
    presetGrid->addWidget(m_pDefault, 0, 3, 2, 1);
    grid->addWidget(preset, 5, 0, 1, 2);

    m_pUnmuted->setText(QString::fromLatin1(kTextUnmutedPreset));
    m_pMuted->setText(QString::fromLatin1(kTextMutedPreset));

    connect(m_pSetChannel, &QPushButton::clicked, this, [this] { SendChannel(m_pChannel->TakeChannel()); });
    connect(m_pCustom, &QPushButton::clicked, this, &CSquelchDlg::OnCustom);
    connect(m_pSetOpen, &QPushButton::clicked, this, [this] {
        Send({EServiceCommand::SquelchStoreOpening});
        m_pSetClose->setEnabled(true);
    });
    connect(m_pSetClose, &QPushButton::clicked, this,
            [this] { Send({EServiceCommand::SquelchStoreClosing}); });
    connect(m_pSave, &QPushButton::clicked, this, &CSquelchDlg::OnSave);
    connect(m_pDefault, &QPushButton::clicked, this, &CSquelchDlg::OnDefault);
}

void CSquelchDlg::OnOpened(const SRadioStatus&) {
    // The dialog's channel stays 1 whatever the radio listens on.
    ShowPreset(false);
}

// The preset state: only the channel, the custom toggle and DEFAULT act (and SAVE after DEFAULT, which
// leaves it as it was).
void CSquelchDlg::ShowPreset(bool saveAvailable) {
    m_pCustom->setChecked(false);
    m_pSetOpen->setEnabled(false);
    m_pSetClose->setEnabled(false);
    m_pSave->setEnabled(saveAvailable);
}

void CSquelchDlg::OnCustom(bool on) {
    SetCaption(m_pCustom, on ? tr("Custom Mode") : tr("Custom Define?"));
    m_pSetOpen->setEnabled(on);
    m_pSetClose->setEnabled(on);
    m_pSave->setEnabled(on);
}

void CSquelchDlg::OnSave() {
    Send({EServiceCommand::SquelchSave});
    SetCaption(m_pCustom, tr("Custom Define ?"));
    ShowPreset(false);
}

void CSquelchDlg::OnDefault() {
    SetCaption(m_pCustom, tr("Custom Define ?"));
    ShowPreset(m_pSave->isEnabled());
    Send({EServiceCommand::SquelchFactoryDefault});
}
