#include "dialogs/ChannelOptionDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <memory>

#include "ChannelSignalling.h"
#include "FrequencyRules.h"
#include "dialogs/TonePickerDlg.h"
#include "dialogs/TwoToneCodeDlg.h"
#include "dialogs/TwoToneDlg.h"
#include "shared/Translation.h"
#include "widgets/AccessibleText.h"

namespace {

struct SChoiceLine {
    const char* m_pText;
    int m_nValue;
    const char* m_pButton;  // the picker button beside it, if any (accessible description)
};

const SChoiceLine kRxLines[] = {
    {QT_TRANSLATE_NOOP("CChannelOptionDlg", "No Option"), kSigNone, nullptr},
    {"CTCSS", kSigCtcss, QT_TRANSLATE_NOOP("CChannelOptionDlg", "RX CTCSS tone")},
    {"DCS", kSigDcs, QT_TRANSLATE_NOOP("CChannelOptionDlg", "RX DCS code")},
    {QT_TRANSLATE_NOOP("CChannelOptionDlg", "Two Tone"), kSigTwoTone,
     QT_TRANSLATE_NOOP("CChannelOptionDlg", "Two-tone data")},
};
const SChoiceLine kTxLines[] = {
    {QT_TRANSLATE_NOOP("CChannelOptionDlg", "No Option"), kSigNone, nullptr},
    {"CTCSS", kSigCtcss, QT_TRANSLATE_NOOP("CChannelOptionDlg", "TX CTCSS tone")},
    {"DCS", kSigDcs, QT_TRANSLATE_NOOP("CChannelOptionDlg", "TX DCS code")},
};

CChannelOptionDlg::SSaved SaveOf(const CChannelData& ch) {
    return {ch.m_dRxCtcss,      ch.m_dTxCtcss,  ch.m_nRxDcs,   ch.m_nTxDcs,
            ch.m_nTwoToneGroup, ch.m_nRxOption, ch.m_nTxOption};
}

void Restore(CChannelData& ch, const CChannelOptionDlg::SSaved& saved) {
    ch.m_dRxCtcss = saved.m_dRxCtcss;
    ch.m_dTxCtcss = saved.m_dTxCtcss;
    ch.m_nRxDcs = saved.m_nRxDcs;
    ch.m_nTxDcs = saved.m_nTxDcs;
    ch.m_nTwoToneGroup = saved.m_nTwoToneGroup;
    ch.m_nRxOption = saved.m_nRxOption;
    ch.m_nTxOption = saved.m_nTxOption;
}

}  // namespace

CChannelOptionDlg::CChannelOptionDlg(SPageContext& context, QWidget* parent)
    : QDialog(parent), m_Doc(context.m_Doc), m_State(context.m_State), m_Sink(context.m_Sink) {
    setWindowTitle(tr("CHANNEL OPTION"));
    Build();
    m_RunPicker = [this](bool ctcss, const QString& current, QString& pick) {
        std::unique_ptr<CTonePickerDlg> picker;
        if (ctcss) {
            picker = std::make_unique<CCtcssDlg>(this);
        } else {
            picker = std::make_unique<CDcsDlg>(this);
        }
        picker->SelectValue(current);
        if (picker->exec() != QDialog::Accepted) {
            return false;
        }
        pick = picker->m_strPick;
        return true;
    };
    m_RunTwoTone = [this](int channel, QString& group) {
        CTwoToneDlg dialog(m_Doc, m_Sink, channel, this);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        group = dialog.m_strTone;
        return true;
    };
    m_RunAccessCode = [this] {
        CTwoToneCodeDlg dialog(m_Doc, m_State, m_Sink, this);
        return dialog.exec() == QDialog::Accepted;
    };
    const int channel =
        m_State.m_nCurChannel >= 1 && m_State.m_nCurChannel <= kChannels ? m_State.m_nCurChannel : 1;
    ShowChannel(channel);
}

void CChannelOptionDlg::Build() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* channelLabel = new QLabel(tr("# CHANNEL"), this);
    m_pChannelField = new QLineEdit(this);
    m_pChannelField->setReadOnly(true);
    m_pChannelField->setAlignment(Qt::AlignCenter);
    m_pChannelField->setFixedWidth(60);
    m_pChannelField->setAccessibleName(tr("Channel number"));
    channelLabel->setBuddy(m_pChannelField);
    top->addWidget(channelLabel);
    top->addWidget(m_pChannelField);
    top->addStretch(1);
    layout->addLayout(top);

    auto makeGroup = [this, layout](const char* title, const auto& lines, QButtonGroup*& group,
                                    std::vector<QPushButton*> buttons) {
        auto* box = new QGroupBox(tr(title), this);
        auto* grid = new QGridLayout(box);
        group = new QButtonGroup(box);
        int line = 0;
        for (const SChoiceLine& choice : lines) {
            auto* radio = new QRadioButton(tr(choice.m_pText), box);
            NameByCaption(radio, radio->text(),
                          QStringLiteral("%1 %2").arg(tr(title).trimmed(), tr(choice.m_pText)));
            group->addButton(radio, choice.m_nValue);
            grid->addWidget(radio, line, 0);
            if (choice.m_pButton != nullptr) {
                QPushButton* button = buttons[static_cast<size_t>(line - 1)];
                button->setParent(box);
                button->setAutoDefault(false);
                button->setMinimumWidth(80);
                // It shows its tone or code: that caption is its name, what it picks is its description.
                button->setAccessibleDescription(tr(choice.m_pButton));
                grid->addWidget(button, line, 1);
            }
            ++line;
        }
        layout->addWidget(box);
    };
    m_pRxCtcss = new QPushButton;
    m_pRxDcs = new QPushButton;
    m_pTone = new QPushButton;
    m_pTxCtcss = new QPushButton;
    m_pTxDcs = new QPushButton;
    makeGroup(QT_TR_NOOP(" RX OPTION "), kRxLines, m_pRxGroup, {m_pRxCtcss, m_pRxDcs, m_pTone});
    makeGroup(QT_TR_NOOP(" TX OPTION "), kTxLines, m_pTxGroup, {m_pTxCtcss, m_pTxDcs});
    m_pTwoToneChoice = qobject_cast<QRadioButton*>(m_pRxGroup->button(kSigTwoTone));

    auto* buttons = new QDialogButtonBox(this);
    m_pOk = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    m_pCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_pOk->setDefault(true);
    layout->addWidget(buttons);
    m_pCancel->installEventFilter(this);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChannelOptionDlg::reject);
    connect(m_pRxGroup, &QButtonGroup::idClicked, this, &CChannelOptionDlg::OnRxChoice);
    connect(m_pTxGroup, &QButtonGroup::idClicked, this, &CChannelOptionDlg::OnTxChoice);
    connect(m_pRxCtcss, &QPushButton::clicked, this, [this] { OnPick(true, true); });
    connect(m_pRxDcs, &QPushButton::clicked, this, [this] { OnPick(false, true); });
    connect(m_pTxCtcss, &QPushButton::clicked, this, [this] { OnPick(true, false); });
    connect(m_pTxDcs, &QPushButton::clicked, this, [this] { OnPick(false, false); });
    connect(m_pTone, &QPushButton::clicked, this, &CChannelOptionDlg::OnTone);
}

void CChannelOptionDlg::Tell(const std::string& text) {
    if (!text.empty()) {
        m_Sink.ShowMessageAs(text, EMessageKind::Information);
    }
}

void CChannelOptionDlg::ShowChannel(int channel) {
    m_nChannel = channel;
    m_Saved.try_emplace(channel, SaveOf(Shown()));
    m_pChannelField->setText(QString::number(channel));
    const CChannelData& ch = Shown();
    m_pRxCtcss->setText(QString::fromStdString(CtcssCaption(ch.m_dRxCtcss)));
    m_pTxCtcss->setText(QString::fromStdString(CtcssCaption(ch.m_dTxCtcss)));
    m_pRxDcs->setText(QString::fromStdString(DcsCaption(ch.m_nRxDcs)));
    m_pTxDcs->setText(QString::fromStdString(DcsCaption(ch.m_nTxDcs)));
    m_pTone->setText(TranslatedText(KV310_MESSAGES, ToneGroupCaption(ch.m_nTwoToneGroup).c_str()));
    m_nRxChoice = RxChoiceFor(m_Doc.m_nModel, ch.m_nRxOption);
    m_nTxChoice = TxChoiceFor(m_Doc.m_nModel, ch.m_nTxOption);
    m_pRxGroup->button(m_nRxChoice)->setChecked(true);
    m_pTxGroup->button(m_nTxChoice)->setChecked(true);
    UpdateButtons();
}

void CChannelOptionDlg::UpdateButtons() {
    const SOptionControls controls =
        OptionControlsFor(m_Doc.m_nModel, m_nRxChoice, m_nTxChoice, m_State.m_bTwoToneLocked != 0);
    m_pRxCtcss->setEnabled(controls.m_bRxCtcss);
    m_pRxDcs->setEnabled(controls.m_bRxDcs);
    m_pTone->setEnabled(controls.m_bTone);
    m_pTwoToneChoice->setEnabled(controls.m_bTwoToneChoice);
    m_pTxCtcss->setEnabled(controls.m_bTxCtcss);
    m_pTxDcs->setEnabled(controls.m_bTxDcs);
}

void CChannelOptionDlg::OnRxChoice(int choice) {
    if (choice == kSigTwoTone) {
        OnTwoToneChoice();
        return;
    }
    if (choice != kSigNone) {
        Tell(TakeGmskToneNotice(m_Doc, m_State));
    }
    m_nRxChoice = choice;
    Shown().m_nRxOption = choice;
    UpdateButtons();
}

void CChannelOptionDlg::OnTxChoice(int choice) {
    if (choice == kSigCtcss) {  // a DCS code on transmit is no tone: no notice
        Tell(TakeGmskToneNotice(m_Doc, m_State));
    }
    m_nTxChoice = choice;
    Shown().m_nTxOption = choice;
    UpdateButtons();
}

void CChannelOptionDlg::OnTwoToneChoice() {
    Tell(TakeGmskToneNotice(m_Doc, m_State));
    Tell(TakeFfskTwoToneNotice(m_Doc, m_State));
    bool granted = m_State.m_bTwoToneCodeOk != 0;
    if (!granted) {
        const bool enable = m_RunAccessCode && m_RunAccessCode();
        granted = enable && m_State.m_nAccessCode == kAccessCode;
        if (enable) {
            m_State.m_bTwoToneCodeOk = granted ? 1 : 0;
        }
        if (m_State.m_bTwoToneLocked) {
            // DISABLE with the code took two-tone off every channel: Cancel must not bring it back.
            for (auto& [channel, saved] : m_Saved) {
                if (saved.m_nRxOption == kSigTwoTone) {
                    saved.m_nRxOption = kSigNone;
                }
            }
        }
    }
    if (!granted) {
        // A refused or withdrawn code leaves the channel as it was (a DISABLE may have locked two-tone and
        // taken it off this channel too): show the record again.
        ShowChannel(m_nChannel);
        return;
    }
    m_nRxChoice = kSigTwoTone;
    Shown().m_nRxOption = kSigTwoTone;
    Shown().m_nTwoToneGroup = 2;
    m_pTone->setText(TranslatedText(KV310_MESSAGES, ToneGroupCaption(2).c_str()));
    UpdateButtons();
}

void CChannelOptionDlg::OnPick(bool ctcss, bool rx) {
    QString& result = ctcss ? m_strCtcss : m_strDcs;
    if (!ctcss) {
        m_strDcs.clear();
    }
    CChannelData& ch = Shown();
    // The picker opens on the channel's present value.
    const QString current = QString::fromStdString(ctcss ? FormatFixed(rx ? ch.m_dRxCtcss : ch.m_dTxCtcss, 1)
                                                         : DcsCaption(rx ? ch.m_nRxDcs : ch.m_nTxDcs));
    QString pick;
    if (!m_RunPicker || !m_RunPicker(ctcss, current, pick)) {
        return;
    }
    result = pick;
    const std::string text = pick.toStdString();
    if (ctcss) {
        (rx ? ch.m_dRxCtcss : ch.m_dTxCtcss) = FieldTextToDouble(text);
        (rx ? m_pRxCtcss : m_pTxCtcss)->setText(pick);
    } else {
        (rx ? ch.m_nRxDcs : ch.m_nTxDcs) = static_cast<int>(FieldTextToInt(text));
        (rx ? m_pRxDcs : m_pTxDcs)->setText(pick);
    }
}

void CChannelOptionDlg::OnTone() {
    m_strTone.clear();
    // The channel shown, which Tab may have moved on from the one the dialog was opened for.
    if (m_RunTwoTone && m_RunTwoTone(m_nChannel, m_strTone)) {
        m_pTone->setText(m_strTone);
    }
}

void CChannelOptionDlg::NextChannel() {
    int next = m_nChannel + 1;
    if (next > kChannels) {
        Tell(kMsgOutOfRangeChannel);
        next = 1;
        m_pChannelField->setFocus(Qt::TabFocusReason);
    }
    ShowChannel(next);
}

bool CChannelOptionDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pCancel && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        NextChannel();  // and the Tab moves the focus on as usual
    }
    return QDialog::eventFilter(watched, event);
}

void CChannelOptionDlg::reject() {
    // Every channel shown goes back to what it held when the dialog first showed it.
    for (const auto& [channel, saved] : m_Saved) {
        Restore(m_Doc.m_Channel[static_cast<size_t>(channel - 1)], saved);
    }
    QDialog::reject();
}
