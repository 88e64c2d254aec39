#include "pages/ModemPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "TextMark.h"
#include "dialogs/ScanWarningDlg.h"
#include "pages/OptionRows.h"
#include "shared/QtMessageSink.h"
#include "shared/Translation.h"
#include "widgets/AccessibleText.h"

namespace {

constexpr const char* kMsgNoModemType = KV310_TEXT("Messages", "You should select GMSK, FFSK or AFSK!");
constexpr const char* kMsgDumbBaseBlock = KV310_TEXT("Messages", "It is not used in Dumb Mode!");
constexpr const char* kModemOn = QT_TRANSLATE_NOOP("COptionPage", "Modem Enable");
constexpr const char* kModemOff = QT_TRANSLATE_NOOP("COptionPage", "Modem Disable");

// The one-of-three modem type: setting one greys the other two.
struct STypeRow {
    EModemType m_Type;
    const char* m_pszText;
    const char* m_pszAccessible;
    int32_t CDataRadioDoc::*m_pMember;
    QCheckBox* CModemPage::*m_pControl;
};

const STypeRow kTypeRows[] = {
    {EModemType::Gmsk, QT_TRANSLATE_NOOP("COptionPage", " GMSK"),
     QT_TRANSLATE_NOOP("COptionPage", "GMSK modem"), &CDataRadioDoc::m_bModemGmsk, &CModemPage::m_pGmsk},
    {EModemType::Ffsk, QT_TRANSLATE_NOOP("COptionPage", " FFSK"),
     QT_TRANSLATE_NOOP("COptionPage", "FFSK modem"), &CDataRadioDoc::m_bModemFfsk, &CModemPage::m_pFfsk},
    {EModemType::Afsk, QT_TRANSLATE_NOOP("COptionPage", " AFSK"),
     QT_TRANSLATE_NOOP("COptionPage", "AFSK modem"), &CDataRadioDoc::m_bModemAfsk, &CModemPage::m_pAfsk},
};

// The lists of SYSTEM OPTION 2: the record stores the position. A row with a handler has a rule of its own.
struct SModemListRow {
    SRowText m_Text;
    std::vector<std::string> (*m_pTexts)();
    int32_t CDataRadioDoc::*m_pMember;
    QComboBox* CModemPage::*m_pControl;
    void (CModemPage::*m_pOnChosen)(int);
};

const SModemListRow kModemListRows[] = {
    {{QT_TRANSLATE_NOOP("COptionPage", "1. Base Block Size  1 ( byte )"), "", "",
      QT_TRANSLATE_NOOP("COptionPage", "Base block size in bytes")},
     BaseBlockSizeTexts,
     &CDataRadioDoc::m_nBaseBlockSize,
     &CModemPage::m_cbBaseBlockSize,
     nullptr},
    {{QT_TRANSLATE_NOOP("COptionPage", "2. Preamble Data Size ( bit )"), "", "",
      QT_TRANSLATE_NOOP("COptionPage", "Preamble data size in bits")},
     [] { return StepTexts(16, 136, 8); },
     &CDataRadioDoc::m_nPreambleSize,
     &CModemPage::m_cbPreamble,
     nullptr},
    {{QT_TRANSLATE_NOOP("COptionPage", "3. Wait For Busy Time ( ms )"), "", "",
      QT_TRANSLATE_NOOP("COptionPage", "Wait for busy time in milliseconds")},
     [] { return StepTexts(100, 1600, 100); },
     &CDataRadioDoc::m_nWaitBusyTime,
     &CModemPage::m_cbWaitBusy,
     nullptr},
    {{QT_TRANSLATE_NOOP("COptionPage", "4. Flow Control"), "", "",
      QT_TRANSLATE_NOOP("COptionPage", "Flow control")},
     FlowControlTexts,
     &CDataRadioDoc::m_nFlowControl,
     &CModemPage::m_cbFlowControl,
     &CModemPage::OnFlowControl},
    {{QT_TRANSLATE_NOOP("COptionPage", "5. Tx Delay Time 1 (ms) "), "", "",
      QT_TRANSLATE_NOOP("COptionPage", "Transmit delay time 1 in milliseconds")},
     [] { return StepTexts(5, 80, 5); },
     &CDataRadioDoc::m_nTxDelayTime1,
     &CModemPage::m_cbTxDelay1,
     nullptr},
    {{QT_TRANSLATE_NOOP("COptionPage", "6. Tx Delay Time 2 (ms, Tone Only) "), "", "",
      QT_TRANSLATE_NOOP("COptionPage", "Transmit delay time 2 in milliseconds, tone only")},
     [] { return StepTexts(200, 450, 50); },
     &CDataRadioDoc::m_nTxDelayTime2,
     &CModemPage::m_cbTxDelay2,
     &CModemPage::OnTxDelay2},
    {{QT_TRANSLATE_NOOP("COptionPage", "7. Number of Allowable Errors for Start Bit"), "", "",
      QT_TRANSLATE_NOOP("COptionPage", "Number of allowable errors for the start bit")},
     [] { return StepTexts(0, 3, 1); },
     &CDataRadioDoc::m_nStartBitErrors,
     &CModemPage::m_cbStartBitErrors,
     nullptr},
};

struct SModemFlagRow {
    const char* m_pszText;
    const char* m_pszAccessible;
    int32_t CDataRadioDoc::*m_pMember;
    QCheckBox* CModemPage::*m_pControl;
};

const SModemFlagRow kModemFlagRows[] = {
    {QT_TRANSLATE_NOOP("COptionPage", "Enables Tx Forcing Mode"),
     QT_TRANSLATE_NOOP("COptionPage", "Enables transmit forcing mode"), &CDataRadioDoc::m_bTxForcing,
     &CModemPage::m_pTxForcing},
    {QT_TRANSLATE_NOOP("COptionPage", "Enables Initializing Data For HT"),
     QT_TRANSLATE_NOOP("COptionPage", "Enables initializing data for the handheld"),
     &CDataRadioDoc::m_bInitDataForHt, &CModemPage::m_pInitDataForHt},
};

struct SModemEditRow {
    SRowText m_Text;
    const SEditRule* m_pRule;
    int32_t CDataRadioDoc::*m_pMember;
    CCommitEdit* CModemPage::*m_pControl;
};

const SModemEditRow kModemEditRows[] = {
    {{QT_TRANSLATE_NOOP("COptionPage", "1. Tx OFF Delay  ( 0 - 16ms, step 2ms )"),
      QT_TRANSLATE_NOOP("COptionPage", "ms"), "",
      QT_TRANSLATE_NOOP("COptionPage", "Transmit off delay in milliseconds")},
     &kTxOffDelayRule,
     &CDataRadioDoc::m_nTxOffDelay,
     &CModemPage::m_pTxOffDelay},
    {{QT_TRANSLATE_NOOP("COptionPage", "2. Tx On Delay  ( 0 - 254ms, step 2ms )"),
      QT_TRANSLATE_NOOP("COptionPage", "ms"), "",
      QT_TRANSLATE_NOOP("COptionPage", "Transmit on delay in milliseconds")},
     &kTxOnTimeRule,
     &CDataRadioDoc::m_nTxOnTime,
     &CModemPage::m_pTxOnDelay},
    {{QT_TRANSLATE_NOOP("COptionPage", "3. Rx On Delay  ( 0 - 126ms, step 2ms )"),
      QT_TRANSLATE_NOOP("COptionPage", "ms"), "",
      QT_TRANSLATE_NOOP("COptionPage", "Receive on delay in milliseconds")},
     &kRxOnDelayRule,
     &CDataRadioDoc::m_nRxOnDelay,
     &CModemPage::m_pRxOnDelay},
};

QGroupBox* AddGroup(const char* title, QWidget* parent, QVBoxLayout* column) {
    auto* group = new QGroupBox(TranslatedText("COptionPage", title), parent);
    column->addWidget(group);
    return group;
}

}  // namespace

CModemPage::CModemPage(SPageContext& context, QWidget* parent) : COptionPage(context, tr(" MODEM "), parent) {
    m_RunScanWarning = [this](const QString& state, const QString& yesEffect) {
        CScanWarningDlg dialog(state, yesEffect, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

void CModemPage::OnCreatePage() {
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);
    BuildModemSelect(AddGroup(QT_TRANSLATE_NOOP("COptionPage", " MODEM SELECT "), m_pFrame, left));
    BuildModeAndFlags(AddGroup(QT_TRANSLATE_NOOP("COptionPage", " SYSTEM OPTION 1 "), m_pFrame, left));
    left->addStretch(1);
    QGridLayout* option2 =
        BuildLists(AddGroup(QT_TRANSLATE_NOOP("COptionPage", " SYSTEM OPTION 2 "), m_pFrame, right));
    QGridLayout* option3 =
        BuildDelays(AddGroup(QT_TRANSLATE_NOOP("COptionPage", " SYSTEM OPTION 3 "), m_pFrame, right));
    for (int column = 0; column < 4; ++column) {  // the delays line up under the lists
        AlignColumn({option2, option3}, column);
    }
    right->addStretch(1);
    m_pBody->addLayout(columns);
    m_pBody->addStretch(1);

    // From now on the view keeps this page in step with the record.
    m_State.m_bModemPageReady = 1;
    RefreshFromRecord();
}

void CModemPage::BuildModemSelect(QWidget* group) {
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < static_cast<int>(std::size(kTypeRows)); ++i) {
        auto* box = new QCheckBox(TranslatedText("COptionPage", kTypeRows[i].m_pszText), group);
        NameByCaption(box, box->text(), TranslatedText("COptionPage", kTypeRows[i].m_pszAccessible));
        grid->addWidget(box, i, 0);
        this->*kTypeRows[i].m_pControl = box;
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) { OnTypeClicked(i, checked); });
    }
    m_pV23 = new QRadioButton(QStringLiteral("V23"), group);
    m_pBell202 = new QRadioButton(QStringLiteral("BELL 202"), group);
    NameByCaption(m_pV23, m_pV23->text(), tr("AFSK variant V.23"));
    NameByCaption(m_pBell202, m_pBell202->text(), tr("AFSK variant Bell 202"));
    m_pAfskGroup = new QButtonGroup(this);
    m_pAfskGroup->addButton(m_pV23, 0);
    m_pAfskGroup->addButton(m_pBell202, 1);
    auto* variants = new QHBoxLayout;
    variants->addWidget(m_pV23);
    variants->addWidget(m_pBell202);
    grid->addLayout(variants, 2, 1, 1, 2);
    connect(m_pAfskGroup, &QButtonGroup::idClicked, this, [this](int id) { m_Doc.m_bAfskBell202 = id; });

    m_pModemToggle = new QPushButton(TranslatedText("COptionPage", kModemOff), group);
    m_pModemToggle->setCheckable(true);
    // Its caption says the state ("Modem Disable"); the name follows the caption (ShowModemToggle).
    NameByCaption(m_pModemToggle, m_pModemToggle->text(), tr("Switches the modem on or off"));
    grid->addWidget(m_pModemToggle, 3, 0, 1, 3);
    connect(m_pModemToggle, &QPushButton::clicked, this, &CModemPage::OnModemToggle);

    grid->addWidget(new QLabel(tr("# MODEM BAUD RATE"), group), 4, 0, 1, 3);
    m_cbSBand = AddListRow(grid, 5,
                           {QT_TRANSLATE_NOOP("COptionPage", "S - BAND"), "bps", "",
                            QT_TRANSLATE_NOOP("COptionPage", "S-band baud rate in bits per second")},
                           {});
    m_cbNBand = AddListRow(grid, 6,
                           {QT_TRANSLATE_NOOP("COptionPage", "N - BAND"), "bps", "",
                            QT_TRANSLATE_NOOP("COptionPage", "N-band baud rate in bits per second")},
                           {});
    connect(m_cbSBand, &QComboBox::activated, this, [this](int index) { m_Doc.m_nSBandBaud = index; });
    connect(m_cbNBand, &QComboBox::activated, this, [this](int index) { m_Doc.m_nNBandBaud = index; });
}

void CModemPage::BuildModeAndFlags(QWidget* group) {
    auto* grid = new QGridLayout(group);
    m_pDumb = new QRadioButton(tr("Dumb Mode"), group);
    m_pAuto = new QRadioButton(tr("Auto Mode"), group);
    NameByCaption(m_pDumb, m_pDumb->text(), tr("Modem dumb mode"));
    NameByCaption(m_pAuto, m_pAuto->text(), tr("Modem auto mode"));
    m_pModeGroup = new QButtonGroup(this);
    m_pModeGroup->addButton(m_pDumb, 0);
    m_pModeGroup->addButton(m_pAuto, 1);
    grid->addWidget(m_pDumb, 0, 0);
    grid->addWidget(m_pAuto, 0, 1);
    connect(m_pDumb, &QRadioButton::clicked, this, &CModemPage::OnDumbMode);
    connect(m_pAuto, &QRadioButton::clicked, this, &CModemPage::OnAutoMode);
    int row = 1;
    for (const SModemFlagRow& flag : kModemFlagRows) {
        auto* box = new QCheckBox(TranslatedText("COptionPage", flag.m_pszText), group);
        NameByCaption(box, box->text(), TranslatedText("COptionPage", flag.m_pszAccessible));
        grid->addWidget(box, row++, 0, 1, 2);
        this->*flag.m_pControl = box;
        const auto member = flag.m_pMember;
        connect(box, &QCheckBox::clicked, this,
                [this, member](bool checked) { m_Doc.*member = checked ? 1 : 0; });
    }
}

QGridLayout* CModemPage::BuildLists(QWidget* group) {
    auto* grid = new QGridLayout(group);
    m_pBaseBlock = new QCheckBox(group);
    m_pBaseBlock->setAccessibleName(tr("Use a base block size"));
    grid->addWidget(m_pBaseBlock, 0, 0);
    connect(m_pBaseBlock, &QCheckBox::clicked, this, &CModemPage::OnBaseBlock);
    int row = 0;
    for (const SModemListRow& list : kModemListRows) {
        QComboBox* box = AddListRow(grid, row++, list.m_Text, list.m_pTexts(), 1);
        this->*list.m_pControl = box;
        if (list.m_pOnChosen != nullptr) {
            connect(box, &QComboBox::activated, this, list.m_pOnChosen);
        } else {
            const auto member = list.m_pMember;
            connect(box, &QComboBox::activated, this, [this, member](int index) { m_Doc.*member = index; });
        }
    }
    m_pDefault = new QPushButton(tr("D\nE\nF\nA\nU\nL\nT"), group);
    NameByCaption(m_pDefault, m_pDefault->text(), tr("Restore the default modem options"));
    m_pDefault->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_pDefault->setFixedWidth(44);
    grid->addWidget(m_pDefault, 0, 5, row, 1);
    grid->setColumnStretch(6, 1);
    connect(m_pDefault, &QPushButton::clicked, this, &CModemPage::OnDefault);
    return grid;
}

QGridLayout* CModemPage::BuildDelays(QWidget* group) {
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const SModemEditRow& edit : kModemEditRows) {
        CCommitEdit* field = AddEditRow(grid, row++, edit.m_Text, 1);
        this->*edit.m_pControl = field;
        connect(field, &CCommitEdit::Commit, this, [this, field, &edit] {
            CommitField(field, *edit.m_pRule, m_Doc.*edit.m_pMember, m_Ctx.m_Sink);
        });
    }
    grid->setColumnStretch(6, 1);
    return grid;
}

void CModemPage::ApplyModemRules() {
    ::ApplyModemRules(m_Doc);
}

void CModemPage::RefreshFromRecord() {
    ++m_nRefreshCount;
    if (!IsCreated() || m_pGmsk == nullptr) {
        return;
    }
    NormalizeModemType(m_Doc);  // the page shows one type and the record holds no other
    ShowMode();
    if (m_Doc.m_nTxOnTime == 0) {
        m_Doc.m_nTxOnTime = 20;
    }
    if (m_Doc.m_nRxOnDelay == 0) {
        m_Doc.m_nRxOnDelay = 6;
    }
    for (const SModemEditRow& edit : kModemEditRows) {
        (this->*edit.m_pControl)
            ->setText(QString::fromStdString(EditText(*edit.m_pRule, m_Doc.*edit.m_pMember)));
    }
    for (const SModemListRow& list : kModemListRows) {
        if (list.m_pControl != &CModemPage::m_cbFlowControl) {  // its entries follow the mode
            SelectIndex(this->*list.m_pControl, m_Doc.*list.m_pMember);
        }
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_pModemToggle, m_pDumb, m_pAuto, m_pTxOffDelay, m_pTxOnDelay, m_pRxOnDelay, m_cbWaitBusy,
             m_cbFlowControl, m_pDefault, m_cbTxDelay2, m_pTxForcing, m_pInitDataForHt, m_cbStartBitErrors,
             m_pBaseBlock, m_pAfsk}) {
        control->setEnabled(true);
    }
    ShowModemType();
    for (const SModemFlagRow& flag : kModemFlagRows) {
        (this->*flag.m_pControl)->setChecked(m_Doc.*flag.m_pMember != 0);
    }
    m_pBaseBlock->setChecked(m_Doc.m_bBaseBlock != 0);
    const bool autoMode = m_Doc.m_nModemMode == kModemAuto;
    m_cbBaseBlockSize->setEnabled(autoMode && m_Doc.m_bBaseBlock != 0);
    m_cbWaitBusy->setEnabled(autoMode);
    m_pBaseBlock->setEnabled(autoMode);
    if (m_Doc.m_bModemGmsk != 0) {
        m_cbTxDelay2->setEnabled(false);  // tone only
    }
}

void CModemPage::ShowMode() {
    const bool dumb = m_Doc.m_nModemMode == kModemDumb;
    const bool autoMode = m_Doc.m_nModemMode == kModemAuto;
    m_cbTxDelay1->setEnabled(!dumb);
    if (dumb) {
        FillList(m_cbFlowControl, {"RTS/CTS"}, 0);  // the stored value stays as it is
    } else {
        FillList(m_cbFlowControl, FlowControlTexts(), m_Doc.m_nFlowControl);
    }
    // A mode the page does not know shows neither button.
    m_pModeGroup->setExclusive(false);
    m_pDumb->setChecked(dumb);
    m_pAuto->setChecked(autoMode);
    m_pModeGroup->setExclusive(true);
}

void CModemPage::ShowModemType() {
    const EModemType type = ModemTypeOf(m_Doc);
    for (const STypeRow& row : kTypeRows) {
        QCheckBox* box = this->*row.m_pControl;
        box->setChecked(row.m_Type == type);
        box->setEnabled(type == EModemType::None || row.m_Type == type);
    }
    m_cbPreamble->setEnabled(true);
    const bool afsk = type == EModemType::Afsk;
    m_pV23->setEnabled(afsk);
    m_pBell202->setEnabled(afsk);
    (m_Doc.m_bAfskBell202 != 0 ? m_pBell202 : m_pV23)->setChecked(true);
    if (type == EModemType::None) {
        ShowModemToggle(false);
        return;
    }
    ShowBaudLists(type);
    SelectIndex(m_cbSBand, type == EModemType::Afsk ? 0 : m_Doc.m_nSBandBaud);
    SelectIndex(m_cbNBand, type == EModemType::Afsk ? 0 : m_Doc.m_nNBandBaud);
    ShowModemToggle(m_Doc.m_bModem != 0);
}

void CModemPage::ShowBaudLists(EModemType type) {
    const SBaudLists lists = BaudLists(type);
    FillList(m_cbSBand, lists.m_SBand, lists.m_nSChoice);
    FillList(m_cbNBand, lists.m_NBand, lists.m_nNChoice);
}

void CModemPage::ShowModemToggle(bool on) {
    m_pModemToggle->setChecked(on);
    SetCaption(m_pModemToggle, TranslatedText("COptionPage", on ? kModemOn : kModemOff));
    m_cbSBand->setEnabled(on);
    m_cbNBand->setEnabled(on);
}

void CModemPage::SwitchModemOff() {
    m_Doc.m_bModem = 0;
    ShowModemToggle(false);
}

void CModemPage::OnTypeClicked(int row, bool checked) {
    const STypeRow& chosen = kTypeRows[row];
    m_Doc.*chosen.m_pMember = checked ? 1 : 0;
    for (const STypeRow& other : kTypeRows) {
        if (other.m_Type != chosen.m_Type) {
            (this->*other.m_pControl)->setEnabled(!checked);
            if (checked) {
                (this->*other.m_pControl)->setChecked(false);
            }
        }
    }
    if (chosen.m_Type == EModemType::Gmsk) {
        m_cbTxDelay2->setEnabled(!checked);  // GMSK has no tone delay
    }
    if (chosen.m_Type == EModemType::Afsk) {
        m_pV23->setEnabled(checked);
        m_pBell202->setEnabled(checked);
    }
    if (!checked) {
        SwitchModemOff();
        return;
    }
    m_cbPreamble->setEnabled(true);
    ShowBaudLists(chosen.m_Type);
    const SBaudLists lists = BaudLists(chosen.m_Type);
    if (lists.m_bSetsRecord) {
        m_Doc.m_nSBandBaud = lists.m_nSChoice;
        m_Doc.m_nNBandBaud = lists.m_nNChoice;
    }
}

void CModemPage::OnModemToggle(bool pressed) {
    m_Doc.m_bModem = pressed ? 1 : 0;
    if (ModemTypeOf(m_Doc) == EModemType::None) {
        m_Ctx.m_Sink.ShowMessage(kMsgNoModemType);
        SwitchModemOff();
        return;
    }
    const int scanMembers = ScanMemberCount(m_Doc);
    if (pressed && scanMembers > 0) {
        const bool yes = m_RunScanWarning(QString::fromStdString(ScanWarningStateText(scanMembers)),
                                          QString::fromStdString(ScanWarningYesText()));
        if (yes) {
            ClearScanMarks(m_Doc);
            if (m_Ctx.m_View.RefreshPages) {
                m_Ctx.m_View.RefreshPages();  // the channel page must not keep showing the old marks
            }
        } else {
            pressed = false;
            m_Doc.m_bModem = 0;
        }
    }
    if (pressed) {
        const std::string notice = ModemSignallingNotice(m_Doc);
        if (!notice.empty()) {
            m_Ctx.m_Sink.ShowMessage(notice);
        }
        ShowModemToggle(true);
        return;
    }
    ShowModemToggle(false);
    m_State.m_bGmskToneWarned = 0;
    m_State.m_bFfskTwoToneWarned = 0;
}

void CModemPage::OnBaseBlock(bool checked) {
    if (checked && m_Doc.m_nModemMode == kModemDumb) {
        m_Ctx.m_Sink.ShowMessage(kMsgDumbBaseBlock);
        checked = false;
    }
    m_Doc.m_bBaseBlock = checked ? 1 : 0;
    m_pBaseBlock->setChecked(checked);
    m_cbBaseBlockSize->setEnabled(checked);
    if (!checked) {
        SelectIndex(m_cbBaseBlockSize, 0);  // shows NONE; the record keeps its size
    }
}

void CModemPage::OnFlowControl(int index) {
    if (m_Doc.m_nModemMode == kModemDumb) {
        m_Doc.m_nFlowControl = kFlowRtsCts;
        return;
    }
    m_Doc.m_nFlowControl = index;
    m_cbBaseBlockSize->setEnabled(index != kFlowNone);
    if (index == kFlowNone) {
        SelectIndex(m_cbBaseBlockSize, 0);
        m_Doc.m_nBaseBlockSize = 0;
    }
}

void CModemPage::OnTxDelay2(int index) {
    m_Doc.m_nTxDelayTime2 = index;
    const std::string refusal = TxDelay2Refusal(m_Doc.m_nModel, index);
    if (!refusal.empty()) {
        m_Ctx.m_Sink.ShowMessage(refusal);
        m_Doc.m_nTxDelayTime2 = kTxDelay2Lowest;
        SelectIndex(m_cbTxDelay2, kTxDelay2Lowest);
    }
}

void CModemPage::OnDefault() {
    ApplyModemDefaults(m_Doc);
    for (const SModemListRow& list : kModemListRows) {
        SelectIndex(this->*list.m_pControl, m_Doc.*list.m_pMember);
    }
    m_cbBaseBlockSize->setEnabled(false);
    m_pBaseBlock->setChecked(false);
}

void CModemPage::OnDumbMode() {
    if (m_Doc.m_nModemMode == kModemDumb) {
        return;  // choosing the mode it is in changes nothing
    }
    m_Doc.m_nModemMode = kModemDumb;
    FillList(m_cbFlowControl, {"NONE"}, 0);
    m_Doc.m_nFlowControl = kFlowNone;
    m_pBaseBlock->setChecked(false);
    m_Doc.m_bBaseBlock = 0;
    for (QWidget* control : {static_cast<QWidget*>(m_cbTxDelay1), static_cast<QWidget*>(m_cbBaseBlockSize),
                             static_cast<QWidget*>(m_cbWaitBusy), static_cast<QWidget*>(m_pBaseBlock)}) {
        control->setEnabled(false);
    }
}

void CModemPage::OnAutoMode() {
    if (m_Doc.m_nModemMode == kModemAuto) {
        return;
    }
    m_Doc.m_nModemMode = kModemAuto;
    FillList(m_cbFlowControl, FlowControlTexts(), kFlowXonXoff);
    m_Doc.m_nFlowControl = kFlowXonXoff;
    m_cbBaseBlockSize->setEnabled(m_Doc.m_bBaseBlock != 0);
    m_cbTxDelay1->setEnabled(true);
    m_cbWaitBusy->setEnabled(true);
    m_pBaseBlock->setEnabled(true);
}
