#include "dialogs/TwoToneDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ChannelSignalling.h"
#include "FrequencyRules.h"
#include "shared/Translation.h"
#include "widgets/AccessibleText.h"

namespace {

struct SToneField {
    const char* m_pLabel;
    const char* m_pUnit;
    const char* m_pName;  // the accessible description
    bool m_bDuration;
    double CChannelData::*m_pMember;
};

const SToneField kFields[4] = {
    {QT_TRANSLATE_NOOP("CTwoToneDlg", "FREQUENCY ( 300 - 3000 Hz, 10 step )"), "Hz",
     QT_TRANSLATE_NOOP("CTwoToneDlg", "Tone A frequency, Hz"), false, &CChannelData::m_dToneAFreq},
    {QT_TRANSLATE_NOOP("CTwoToneDlg", "DURATION ( 100 - 10000 ms, 10ms step ) "), "ms",
     QT_TRANSLATE_NOOP("CTwoToneDlg", "Tone A duration, ms"), true, &CChannelData::m_dToneADuration},
    {QT_TRANSLATE_NOOP("CTwoToneDlg", "FREQUENCY ( 300 - 3000 Hz, 10step )"), "Hz",
     QT_TRANSLATE_NOOP("CTwoToneDlg", "Tone B frequency, Hz"), false, &CChannelData::m_dToneBFreq},
    {QT_TRANSLATE_NOOP("CTwoToneDlg", "DURATION ( 100 - 10000 ms, 10ms step ) "), "ms",
     QT_TRANSLATE_NOOP("CTwoToneDlg", "Tone B duration, ms"), true, &CChannelData::m_dToneBDuration},
};

const char* const kGroupTexts[3] = {QT_TRANSLATE_NOOP("CTwoToneDlg", "TONE  A"),
                                    QT_TRANSLATE_NOOP("CTwoToneDlg", "TONE  B"),
                                    QT_TRANSLATE_NOOP("CTwoToneDlg", "BOTH ")};

}  // namespace

CTwoToneDlg::CTwoToneDlg(CDataRadioDoc& doc, CMessageSink& sink, int channel, QWidget* parent)
    : QDialog(parent), m_Doc(doc), m_Sink(sink), m_nChannel(channel) {
    setWindowTitle(tr(" TWO TONE DATA"));
    m_Saved = Channel();
    auto* layout = new QVBoxLayout(this);
    for (int tone = 0; tone < 2; ++tone) {
        auto* box = new QGroupBox(tone == 0 ? tr(" TONE A ") : tr(" TONE B "), this);
        auto* grid = new QGridLayout(box);
        for (int line = 0; line < 2; ++line) {
            const int index = tone * 2 + line;
            const SToneField& tone = kFields[index];
            auto* field = new CDigitEdit(9, CDigitEdit::EMode::Decimal, box);
            field->setFixedWidth(80);
            auto* label = new QLabel(tr(tone.m_pLabel), box);
            // The caption says what and in which range; which tone it is comes from the group around it.
            NameByCaption(field, box->title().simplified() + QLatin1Char(' ') + label->text(),
                          tr(tone.m_pName));
            label->setBuddy(field);
            grid->addWidget(label, line, 0);
            grid->addWidget(field, line, 1);
            grid->addWidget(new QLabel(QLatin1String(tone.m_pUnit), box), line, 2);
            m_Fields[index] = field;
            field->setText(QString::fromStdString(FormatFixed(Channel().*tone.m_pMember, 0, 4)));
            connect(field, &CDigitEdit::Left, this, [this, index] { OnFieldLeave(index); });
        }
        layout->addWidget(box);
    }
    auto* groupBox = new QGroupBox(tr(" GROUP TONE "), this);
    auto* groupLayout = new QHBoxLayout(groupBox);
    m_pGroup = new QButtonGroup(groupBox);
    for (int group = 0; group < 3; ++group) {
        auto* radio = new QRadioButton(tr(kGroupTexts[group]), groupBox);
        NameByCaption(
            radio, radio->text(),
            tr("Group tone %1").arg(TranslatedText(KV310_MESSAGES, ToneGroupCaption(group).c_str())));
        m_pGroup->addButton(radio, group);
        groupLayout->addWidget(radio);
    }
    layout->addWidget(groupBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTwoToneDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTwoToneDlg::reject);
    connect(m_pGroup, &QButtonGroup::idClicked, this, &CTwoToneDlg::OnGroup);

    const int group = std::clamp(Channel().m_nTwoToneGroup, 0, 2);
    m_pGroup->button(group)->setChecked(true);
    OnGroup(group);
    m_Fields[0]->setFocus();
}

void CTwoToneDlg::OnGroup(int group) {
    Channel().m_nTwoToneGroup = group;
    m_strTone = TranslatedText(KV310_MESSAGES, ToneGroupCaption(group).c_str());
    for (int index = 0; index < 4; ++index) {
        const bool toneA = index < 2;
        m_Fields[index]->setEnabled(group == 2 || (group == 0) == toneA);
    }
}

void CTwoToneDlg::OnFieldLeave(int index) {
    if (m_bTelling || !m_Fields[index]->isEnabled()) {
        return;
    }
    const SToneField& tone = kFields[index];
    double& stored = Channel().*tone.m_pMember;
    const std::string text = m_Fields[index]->text().toStdString();
    const SToneFieldFit fit =
        tone.m_bDuration ? FitToneDuration(text, stored) : FitToneFrequency(text, stored);
    stored = fit.m_dValue;
    m_Fields[index]->setText(QString::fromStdString(fit.m_strText));
    if (!fit.m_bAccepted) {
        m_bTelling = true;
        m_Sink.ShowMessageAs(fit.m_strMessage, EMessageKind::Information);
        m_bTelling = false;
    }
}

void CTwoToneDlg::accept() {
    // Enter takes OK without leaving the field: check what was typed first (a field left before shows a
    // stored value, which passes again unchanged).
    for (int index = 0; index < 4; ++index) {
        OnFieldLeave(index);
    }
    Channel().m_nTwoToneGroup = m_pGroup->checkedId();
    m_strTone = TranslatedText(KV310_MESSAGES, ToneGroupCaption(m_pGroup->checkedId()).c_str());
    QDialog::accept();
}

void CTwoToneDlg::reject() {
    CChannelData& ch = Channel();
    ch.m_nTwoToneGroup = m_Saved.m_nTwoToneGroup;
    for (const SToneField& tone : kFields) {
        ch.*tone.m_pMember = m_Saved.*tone.m_pMember;
    }
    QDialog::reject();
}
