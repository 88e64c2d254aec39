#include "pages/SystemPage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

#include "pages/OptionRows.h"
#include "shared/Translation.h"
#include "widgets/AccessibleText.h"

namespace {

enum EGroup { kRx, kTx, kScan, kGps, kGroupCount };

const char* const kGroupTitles[kGroupCount] = {
    QT_TRANSLATE_NOOP("COptionPage", " RX OPTION "), QT_TRANSLATE_NOOP("COptionPage", " TX OPTION "),
    QT_TRANSLATE_NOOP("COptionPage", " SCAN OPTION "), QT_TRANSLATE_NOOP("COptionPage", " GPS OPTION ")};

// The check boxes, each writing one flag of the record.
struct SFlagRow {
    EGroup m_Group;
    const char* m_pszText;
    const char* m_pszAccessible;
    int32_t CDataRadioDoc::*m_pMember;
    QCheckBox* CSystemPage::*m_pControl;
};

const SFlagRow kFlagRows[] = {
    {kRx, QT_TRANSLATE_NOOP("COptionPage", " Enables Squelch"),
     QT_TRANSLATE_NOOP("COptionPage", "Enables squelch"), &CDataRadioDoc::m_bSquelch,
     &CSystemPage::m_pSquelch},
    {kTx, QT_TRANSLATE_NOOP("COptionPage", "Beep ON When Hang ON Time"),
     QT_TRANSLATE_NOOP("COptionPage", "Beep when the hang-on time runs"), &CDataRadioDoc::m_bHangOnBeep,
     &CSystemPage::m_pHangOnBeep},
    {kTx, QT_TRANSLATE_NOOP("COptionPage", "Tx Tone Generation For Data Input"),
     QT_TRANSLATE_NOOP("COptionPage", "Transmit tone generation for data input"),
     &CDataRadioDoc::m_bTxToneForData, &CSystemPage::m_pTxTone},
    {kTx, QT_TRANSLATE_NOOP("COptionPage", "Enables External Modulation"),
     QT_TRANSLATE_NOOP("COptionPage", "Enables external modulation"), &CDataRadioDoc::m_bExternalModulation,
     &CSystemPage::m_pExtModulation},
    {kGps, QT_TRANSLATE_NOOP("COptionPage", "  Enables GPS"),
     QT_TRANSLATE_NOOP("COptionPage", "Enables GPS reporting"), &CDataRadioDoc::m_bGps, &CSystemPage::m_pGps},
};

// The lists: the record stores the position, the list shows 1, 2, 3 …
struct SListRow {
    EGroup m_Group;
    SRowText m_Text;
    int m_nLast;
    int32_t CDataRadioDoc::*m_pMember;
    QComboBox* CSystemPage::*m_pControl;
};

const SListRow kListRows[] = {
    {kScan,
     {QT_TRANSLATE_NOOP("COptionPage", "# Scan Delay Time"), QT_TRANSLATE_NOOP("COptionPage", "Sec"),
      QT_TRANSLATE_NOOP("COptionPage", "( 1 - 15 sec, 1 sec step )"),
      QT_TRANSLATE_NOOP("COptionPage", "Scan delay time in seconds")},
     15,
     &CDataRadioDoc::m_nScanDelay,
     &CSystemPage::m_cbScanDelay},
    {kGps,
     {QT_TRANSLATE_NOOP("COptionPage", "# Transmission Cycle"), QT_TRANSLATE_NOOP("COptionPage", "Hour"),
      QT_TRANSLATE_NOOP("COptionPage", "( 1 - 24 Hour , 1 Hour step )"),
      QT_TRANSLATE_NOOP("COptionPage", "GPS transmission cycle in hours")},
     24,
     &CDataRadioDoc::m_nGpsCycle,
     &CSystemPage::m_cbGpsCycle},
};

// The edit fields, each checked by its rule when it is committed.
struct SEditRow {
    EGroup m_Group;
    SRowText m_Text;
    const SEditRule* m_pRule;
    int32_t CDataRadioDoc::*m_pMember;
    CCommitEdit* CSystemPage::*m_pControl;
};

const SEditRow kEditRows[] = {
    {kScan,
     {QT_TRANSLATE_NOOP("COptionPage", "# Scan Speed Time"), QT_TRANSLATE_NOOP("COptionPage", "ms"),
      QT_TRANSLATE_NOOP("COptionPage", "( 50 - 2000ms, 10ms step )"),
      QT_TRANSLATE_NOOP("COptionPage", "Scan speed time in milliseconds")},
     &kScanSpeedRule,
     &CDataRadioDoc::m_nScanSpeed,
     &CSystemPage::m_pScanSpeed},
    {kGps,
     {QT_TRANSLATE_NOOP("COptionPage", "# Data Transmission Time"), QT_TRANSLATE_NOOP("COptionPage", "Sec"),
      QT_TRANSLATE_NOOP("COptionPage", "( 1 - 10 second, 1 second step )"),
      QT_TRANSLATE_NOOP("COptionPage", "GPS data transmission time in seconds")},
     &kGpsTxTimeRule,
     &CDataRadioDoc::m_nGpsTxTime,
     &CSystemPage::m_pGpsTxTime},
    {kGps,
     {QT_TRANSLATE_NOOP("COptionPage", "# Data Delay Time"), QT_TRANSLATE_NOOP("COptionPage", "Sec"),
      QT_TRANSLATE_NOOP("COptionPage", "( 50 - 300 second, 10 second step )"),
      QT_TRANSLATE_NOOP("COptionPage", "GPS data delay time in seconds")},
     &kGpsDelayRule,
     &CDataRadioDoc::m_nGpsDelay,
     &CSystemPage::m_pGpsDelay},
};

}  // namespace

CSystemPage::CSystemPage(SPageContext& context, QWidget* parent)
    : COptionPage(context, tr(" SYSTEM OPTION  /  GPS OPTION "), parent) {}

void CSystemPage::OnCreatePage() {
    BuildControls();
    // From now on the view keeps this page in step with the record.
    if (m_Doc.m_nModel >= 0 && m_Doc.m_nModel <= kModelKv330Uhf) {
        m_State.m_bSystemPageReady = 1;
    }
    RefreshFromRecord();
}

void CSystemPage::BuildControls() {
    QGroupBox* groups[kGroupCount];
    QGridLayout* grids[kGroupCount];
    int rows[kGroupCount] = {};
    auto* columns = new QHBoxLayout;
    QVBoxLayout* column = nullptr;
    for (int g = 0; g < kGroupCount; ++g) {
        if (g % 2 == 0) {  // RX and TX on the left, SCAN and GPS on the right
            column = new QVBoxLayout;
            columns->addLayout(column, 1);
        }
        groups[g] = new QGroupBox(TranslatedText("COptionPage", kGroupTitles[g]), m_pFrame);
        grids[g] = new QGridLayout(groups[g]);
        grids[g]->setColumnStretch(4, 1);
        column->addWidget(groups[g]);
        if (g % 2 == 1) {
            column->addStretch(1);
        }
    }
    m_pBody->addLayout(columns);
    m_pBody->addStretch(1);

    for (int i = 0; i < static_cast<int>(std::size(kFlagRows)); ++i) {
        const SFlagRow& row = kFlagRows[i];
        auto* box = new QCheckBox(TranslatedText("COptionPage", row.m_pszText), groups[row.m_Group]);
        NameByCaption(box, box->text(), TranslatedText("COptionPage", row.m_pszAccessible));
        grids[row.m_Group]->addWidget(box, rows[row.m_Group]++, 0, 1, 4);
        this->*row.m_pControl = box;
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) { OnFlagClicked(i, checked); });
        if (row.m_pControl == &CSystemPage::m_pSquelch) {
            // The squelch type belongs right under the squelch switch.
            auto* types = new QButtonGroup(this);
            m_pRssiCheck = new QRadioButton(tr(" Rssi Level Check"), groups[kRx]);
            m_pBusyPortCheck = new QRadioButton(tr(" Busy Port Check"), groups[kRx]);
            NameByCaption(m_pRssiCheck, m_pRssiCheck->text(), tr("Squelch type RSSI level check"));
            NameByCaption(m_pBusyPortCheck, m_pBusyPortCheck->text(), tr("Squelch type busy port check"));
            types->addButton(m_pRssiCheck, 0);
            types->addButton(m_pBusyPortCheck, 1);
            grids[kRx]->addWidget(m_pRssiCheck, rows[kRx]++, 0, 1, 4);
            grids[kRx]->addWidget(m_pBusyPortCheck, rows[kRx]++, 0, 1, 4);
            connect(types, &QButtonGroup::idClicked, this, &CSystemPage::OnSquelchType);
        }
    }
    for (const SListRow& row : kListRows) {
        QComboBox* list =
            AddListRow(grids[row.m_Group], rows[row.m_Group]++, row.m_Text, StepTexts(1, row.m_nLast, 1));
        this->*row.m_pControl = list;
        const auto member = row.m_pMember;
        connect(list, &QComboBox::activated, this, [this, member](int index) { m_Doc.*member = index; });
    }
    for (const SEditRow& row : kEditRows) {
        CCommitEdit* edit = AddEditRow(grids[row.m_Group], rows[row.m_Group]++, row.m_Text);
        this->*row.m_pControl = edit;
        connect(edit, &CCommitEdit::Commit, this,
                [this, edit, &row] { CommitField(edit, *row.m_pRule, m_Doc.*row.m_pMember, m_Ctx.m_Sink); });
    }
    AlignColumn({grids[kRx], grids[kTx]}, 0);
    AlignColumn({grids[kScan], grids[kGps]}, 0);
    AlignColumn({grids[kScan], grids[kGps]}, 1);
    AlignColumn({grids[kScan], grids[kGps]}, 2);
}

void CSystemPage::RefreshFromRecord() {
    ++m_nRefreshCount;
    if (!IsCreated() || m_pSquelch == nullptr) {
        return;
    }
    (m_Doc.m_nSquelchType != 0 ? m_pBusyPortCheck : m_pRssiCheck)->setChecked(true);
    for (const SFlagRow& row : kFlagRows) {
        (this->*row.m_pControl)->setChecked(m_Doc.*row.m_pMember != 0);
    }
    SelectIndex(m_cbScanDelay, m_Doc.m_nScanDelay);
    m_pScanSpeed->setText(QString::number(m_Doc.m_nScanSpeed));
    ShowGpsValues();
    ShowSquelchEnables();
    if (m_State.m_bNewPending) {
        m_State.m_bNewPending = 0;
    }
}

void CSystemPage::OnFlagClicked(int row, bool checked) {
    m_Doc.*kFlagRows[row].m_pMember = checked ? 1 : 0;
    ShowSquelchEnables();
    if (kFlagRows[row].m_pControl == &CSystemPage::m_pGps) {
        ShowGpsValues();
    }
}

void CSystemPage::OnSquelchType(int type) {
    m_Doc.m_nSquelchType = type;
}

void CSystemPage::ShowSquelchEnables() {
    const bool on = m_Doc.m_bSquelch != 0;
    m_pRssiCheck->setEnabled(on);
    m_pBusyPortCheck->setEnabled(on);
}

void CSystemPage::ShowGpsValues() {
    const bool on = m_Doc.m_bGps != 0;
    m_cbGpsCycle->setEnabled(on);
    m_pGpsTxTime->setEnabled(on);
    m_pGpsDelay->setEnabled(on);
    SelectIndex(m_cbGpsCycle, m_Doc.m_nGpsCycle);
    m_pGpsTxTime->setText(QString::number(m_Doc.m_nGpsTxTime));
    m_pGpsDelay->setText(QString::number(m_Doc.m_nGpsDelay));
}
