#include "pages/ChannelPage.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "ChannelSignalling.h"
#include "ChannelTimers.h"
#include "dialogs/ChannelOptionDlg.h"
#include "shared/DisplaySettings.h"
#include "shared/Translation.h"

namespace {

QComboBox* MakeList(const std::vector<std::string>& texts, const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (const std::string& text : texts) {
        list->addItem(TranslatedText(KV310_MESSAGES, text.c_str()));
    }
    list->setAccessibleName(QCoreApplication::translate("CChannelPage", name));
    return list;
}

QCheckBox* MakeCheck(const char* text, QWidget* parent) {
    auto* box = new QCheckBox(QCoreApplication::translate("CChannelPage", text), parent);
    return box;
}

// "label [control] unit" on one line of a grid.
void AddLine(QGridLayout& grid, int line, const char* label, QWidget* control, const char* unit) {
    auto* text = new QLabel(QCoreApplication::translate("CChannelPage", label), control->parentWidget());
    text->setBuddy(control);
    grid.addWidget(text, line, 0);
    grid.addWidget(control, line, 1);
    grid.addWidget(new QLabel(QCoreApplication::translate("CChannelPage", unit), control->parentWidget()),
                   line, 2);
}

}  // namespace

CChannelPage::CChannelPage(SPageContext& context, QWidget* parent)
    : COptionPage(context, tr("Channel Configuration"), parent) {}

CChannelPage::~CChannelPage() {
    // The widgets go first, while the rows that point at them are still there: the channel selection watches
    // the number labels and looks each up in the rows as it is removed. Left to QWidget, the labels went
    // after the rows, and closing the window could crash. While they go the selection looks at nothing.
    m_bClosing = true;
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void CChannelPage::OnCreatePage() {
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildRows(), 0, Qt::AlignTop);
    columns->addSpacing(12);
    columns->addWidget(BuildPanel(), 0, Qt::AlignTop);
    columns->addStretch(1);
    m_pBody->addLayout(columns);
    m_pBody->addStretch(1);
    SetTabOrder();
    RefreshFromRecord(false);
}

QWidget* CChannelPage::BuildRows() {
    auto* area = new QWidget(m_pFrame);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    for (int column = 0; column < 8; ++column) {
        auto* heading = new QLabel(tr(kChannelColumns[column].m_pHeading), area);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column);
        if (kChannelColumns[column].m_Kind == EChannelColumn::Scan) {
            m_pScanHeading = heading;
        }
    }
    for (int channel = 1; channel <= kChannels; ++channel) {
        m_Rows.push_back(std::make_unique<CChannelRow>(channel, *grid, channel, area));
        ConnectRow(*m_Rows.back());
    }
    return area;
}

void CChannelPage::ConnectRow(CChannelRow& row) {
    const int n = row.m_nChannel;
    connect(row.m_pRxFreq, &CDigitEdit::Left, this, [this, n] { OnRxFieldLeave(n); });
    connect(row.m_pTxFreq, &CDigitEdit::Left, this, [this, n] { OnTxFieldLeave(n); });
    connect(row.m_pRxOption, &QPushButton::clicked, this, [this, n] { OnOptionButton(n); });
    connect(row.m_pTxOption, &QPushButton::clicked, this, [this, n] { OnOptionButton(n); });
    connect(row.m_pWide, &QPushButton::clicked, this, [this, n] { OnRowToggles(n); });
    connect(row.m_pHighPower, &QPushButton::clicked, this, [this, n] { OnRowToggles(n); });
    connect(row.m_pScan, &QCheckBox::clicked, this, [this, n] { OnRowToggles(n); });
    for (CDigitEdit* field : {row.m_pRxFreq, row.m_pTxFreq}) {
        connect(field, &CDigitEdit::PasteRefused, this, &CChannelPage::OnPasteRefused);
    }
}

void CChannelPage::OnPasteRefused(const QString& clip) {
    if (!m_Ctx.m_View.ShowStatus) {
        return;
    }
    const QString first = clip.trimmed().section(QLatin1Char('\n'), 0, 0).left(24);
    m_Ctx.m_View.ShowStatus(
        tr("A frequency field takes one number; the clipboard holds \"%1\". To paste channel rows, click a "
           "channel number first.")
            .arg(first));
}

QWidget* CChannelPage::BuildPanel() {
    auto* panel = new QWidget(m_pFrame);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* timers = new QGridLayout;
    m_cbTimeOut = MakeList(TimeOutListTexts(), QT_TR_NOOP("Time out Timer, seconds"), panel);
    m_cbHang = MakeList(HangListTexts(), QT_TR_NOOP("Hang Timer, ms"), panel);
    AddLine(*timers, 0, QT_TR_NOOP("Time out Timer"), m_cbTimeOut, QT_TR_NOOP("sec."));
    AddLine(*timers, 1, QT_TR_NOOP("Hang Timer"), m_cbHang, QT_TR_NOOP("ms."));
    layout->addLayout(timers);

    m_pBusyLockout = MakeCheck(QT_TR_NOOP("Busy channel lockout"), panel);
    m_pMatchedSat = MakeCheck(QT_TR_NOOP("Enables Tx matched SAT"), panel);
    m_pTxDelay = MakeCheck(QT_TR_NOOP("Tx Delay"), panel);
    for (QWidget* box : {m_pBusyLockout, m_pMatchedSat, m_pTxDelay}) {
        layout->addWidget(box);
    }

    auto* saving = new QGroupBox(panel);
    auto* savingLayout = new QVBoxLayout(saving);
    m_pPowerSave = MakeCheck(QT_TR_NOOP("Power Save"), saving);
    savingLayout->addWidget(m_pPowerSave);
    auto* times = new QGridLayout;
    m_pRxOffTime = new CDigitEdit(4, CDigitEdit::EMode::Whole, saving);
    m_pRxOffTime->setAccessibleName(tr("Power save RX off time, ms"));
    m_pRxOnTime = new CDigitEdit(4, CDigitEdit::EMode::Whole, saving);
    m_pRxOnTime->setAccessibleName(tr("Power save RX on time, ms"));
    m_cbPowerSaveDelay =
        MakeList(PowerSaveDelayTexts(), QT_TR_NOOP("Power save Delay Time, seconds"), saving);
    for (QWidget* field : {static_cast<QWidget*>(m_pRxOffTime), static_cast<QWidget*>(m_pRxOnTime)}) {
        field->setFixedWidth(60);
        field->setEnabled(false);
    }
    m_cbPowerSaveDelay->setEnabled(false);
    AddLine(*times, 0, QT_TR_NOOP("Rx Off Time"), m_pRxOffTime, QT_TR_NOOP("ms."));
    AddLine(*times, 1, QT_TR_NOOP("Rx On Time"), m_pRxOnTime, QT_TR_NOOP("ms."));
    AddLine(*times, 2, QT_TR_NOOP("Delay Time"), m_cbPowerSaveDelay, QT_TR_NOOP("sec."));
    savingLayout->addLayout(times);
    layout->addWidget(saving);

    connect(m_cbTimeOut, &QComboBox::currentIndexChanged, this,
            [this](int index) { ApplyTimeOutIndex(m_Doc, index); });
    connect(m_cbHang, &QComboBox::currentIndexChanged, this,
            [this](int index) { ApplyHangIndex(m_Doc, index); });
    connect(m_pBusyLockout, &QCheckBox::clicked, this, &CChannelPage::OnBusyLockout);
    connect(m_pMatchedSat, &QCheckBox::clicked, this,
            [this](bool checked) { m_Doc.m_bTxMatchedSat = checked; });
    connect(m_pTxDelay, &QCheckBox::clicked, this, [this](bool checked) { m_Doc.m_bTxDelay = checked; });
    connect(m_pPowerSave, &QCheckBox::clicked, this, &CChannelPage::OnPowerSave);
    connect(m_cbPowerSaveDelay, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_pPowerSave->isChecked()) {
            m_Doc.m_nPowerSaveDelay = index;
        }
    });
    connect(m_pRxOffTime, &CDigitEdit::Left, this, &CChannelPage::OnRxOffTimeLeave);
    connect(m_pRxOnTime, &CDigitEdit::Left, this, &CChannelPage::OnRxOnTimeLeave);
    return panel;
}

void CChannelPage::SetTabOrder() {
    // Row by row: the two frequencies first (that is where the typing is), then the row's options, width,
    // power and scan, so that Tab reaches every control of a channel before the next one.
    std::vector<QWidget*> order;
    for (const auto& row : m_Rows) {
        order.insert(order.end(), {row->m_pRxFreq, row->m_pTxFreq, row->m_pRxOption, row->m_pTxOption,
                                   row->m_pWide, row->m_pHighPower, row->m_pScan});
    }
    order.insert(order.end(), {m_cbTimeOut, m_pBusyLockout, m_pPowerSave, m_pRxOffTime, m_pRxOnTime,
                               m_cbPowerSaveDelay, m_pMatchedSat, m_cbHang, m_pTxDelay});
    for (size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void CChannelPage::Tell(const std::string& text, EMessageKind kind) {
    if (!text.empty()) {
        ++m_nToldCount;
        m_Ctx.m_Sink.ShowMessageAs(text, kind);
    }
}

void CChannelPage::OnRxFieldLeave(int channel) {
    if (m_bInLeave || channel < 1 || channel > kChannels) {
        return;
    }
    CChannelRow& row = Row(channel);
    SRowEdit edit{row.m_pRxFreq->text().toStdString(), row.m_pTxFreq->text().toStdString(), {}, {}};
    LeaveRxField(m_Doc, channel, edit);
    ApplyRowEdit(channel, edit);
}

void CChannelPage::OnTxFieldLeave(int channel) {
    if (m_bInLeave || channel < 1 || channel > kChannels) {
        return;
    }
    CChannelRow& row = Row(channel);
    SRowEdit edit{row.m_pRxFreq->text().toStdString(), row.m_pTxFreq->text().toStdString(), {}, {}};
    LeaveTxField(m_Doc, channel, edit);
    ApplyRowEdit(channel, edit);
}

void CChannelPage::ApplyRowEdit(int channel, const SRowEdit& edit) {
    CChannelRow& row = Row(channel);
    for (auto [field, text] :
         {std::pair{row.m_pRxFreq, &edit.m_strRx}, std::pair{row.m_pTxFreq, &edit.m_strTx}}) {
        const QString shown = QString::fromStdString(*text);
        if (field->text() != shown) {
            field->setText(shown);
        }
    }
    UpdateOptionButtons();
    if (!edit.m_strMessage.empty()) {
        m_bInLeave = true;
        Tell(edit.m_strMessage, EMessageKind::Stop);
        m_bInLeave = false;
    }
    if (edit.m_Focus != ERowFocus::Unchanged) {
        (edit.m_Focus == ERowFocus::RxOption ? row.m_pRxOption : row.m_pTxOption)
            ->setFocus(Qt::OtherFocusReason);
    }
}

void CChannelPage::UpdateOptionButtons() {
    for (const auto& row : m_Rows) {
        const CChannelData& ch = Channel(row->m_nChannel);
        MarkOutOfBand(*row);
        row->m_pRxOption->SetLook(TranslatedText(KV310_MESSAGES, RxOptionCaption(ch).c_str()),
                                  OptionFillColour(RxOptionFill(ch)));
        row->m_pTxOption->SetLook(TranslatedText(KV310_MESSAGES, TxOptionCaption(ch).c_str()),
                                  OptionFillColour(TxOptionFill(ch)));
    }
}

void CChannelPage::changeEvent(QEvent* event) {
    COptionPage::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && IsCreated()) {
        for (const auto& row : m_Rows) {
            MarkOutOfBand(*row);
        }
    }
}

void CChannelPage::MarkOutOfBand(CChannelRow& row) {
    const QString note = TranslatedMessage(OutOfBandNote(m_Doc, row.m_nChannel));
    const SBandLimits band = CurrentBandLimits(m_Doc);
    const CChannelData& ch = Channel(row.m_nChannel);
    for (auto [field, mhz] :
         {std::pair{row.m_pRxFreq, ch.m_dRxFreq}, std::pair{row.m_pTxFreq, ch.m_dTxFreq}}) {
        const bool outside = band.IsOutside(mhz);
        QPalette look;  // only the background is the field's own; the rest follows the appearance
        if (outside) {
            look.setColor(QPalette::Base, OutOfBandColour(palette()));
        }
        field->setPalette(look);
        field->setToolTip(outside ? note : QString());
        field->setAccessibleDescription(outside ? note : QString());
    }
}

void CChannelPage::OnOptionButton(int channel) {
    m_State.m_nCurChannel = channel;
    const CChannelData& ch = Channel(channel);
    if (ch.m_dRxFreq == 0.0 || ch.m_dTxFreq == 0.0) {
        Tell(kMsgFillFrequencies, EMessageKind::Stop);
        return;
    }
    if (m_RunOptionDialog) {
        m_RunOptionDialog();
    } else {
        CChannelOptionDlg dialog(m_Ctx, this);
        dialog.exec();
    }
    // Cancel puts values back too, so the captions are redrawn either way.
    UpdateOptionButtons();
}

void CChannelPage::OnRowToggles(int channel) {
    CChannelRow& row = Row(channel);
    CChannelData& ch = Channel(channel);
    ch.m_bWide = row.m_pWide->isChecked() ? 1 : 0;
    ch.m_bHighPower = row.m_pHighPower->isChecked() ? 1 : 0;
    ch.m_bScan = row.m_pScan->isChecked() ? 1 : 0;
    row.CaptionToggles();
}

void CChannelPage::OnBusyLockout(bool checked) {
    m_Doc.m_bBusyLockout = checked ? 1 : 0;
    if (!checked) {
        m_pMatchedSat->setChecked(false);
        m_Doc.m_bTxMatchedSat = 0;
    }
    m_pMatchedSat->setEnabled(checked);
}

void CChannelPage::OnPowerSave(bool checked) {
    m_Doc.m_bPowerSave = checked ? 1 : 0;
    for (QWidget* control : {static_cast<QWidget*>(m_pRxOffTime), static_cast<QWidget*>(m_pRxOnTime),
                             static_cast<QWidget*>(m_cbPowerSaveDelay)}) {
        control->setEnabled(checked);
    }
    // Switched off, the controls show their idle values; the record keeps the times for next time.
    const QSignalBlocker quiet(m_cbPowerSaveDelay);
    m_cbPowerSaveDelay->setCurrentIndex(
        checked ? std::clamp(m_Doc.m_nPowerSaveDelay, 0, kPowerSaveDelayItems - 1) : 0);
    m_pRxOffTime->setText(QString::number(checked ? m_Doc.m_nPowerSaveOnTime : 0));
    m_pRxOnTime->setText(QString::number(checked ? m_Doc.m_nPowerSaveOffTime : 0));
}

void CChannelPage::OnRxOffTimeLeave() {
    if (m_bInLeave || !m_pPowerSave->isChecked()) {
        return;
    }
    const STimeFit fit = FitRxOffTime(m_pRxOffTime->text().toStdString());
    m_Doc.m_nPowerSaveOnTime = fit.m_nValue;
    m_pRxOffTime->setText(QString::number(fit.m_nValue));
    if (!fit.m_strMessage.empty()) {
        m_bInLeave = true;
        Tell(fit.m_strMessage, EMessageKind::Information);
        m_bInLeave = false;
        m_pRxOffTime->setFocus(Qt::OtherFocusReason);
        m_pRxOffTime->selectAll();
    }
}

void CChannelPage::OnRxOnTimeLeave() {
    if (m_bInLeave || !m_pPowerSave->isChecked()) {
        return;
    }
    const STimeFit fit = FitRxOnTime(m_pRxOnTime->text().toStdString());
    m_Doc.m_nPowerSaveOffTime = fit.m_nValue;
    m_pRxOnTime->setText(QString::number(fit.m_nValue));
    if (!fit.m_strMessage.empty()) {
        m_bInLeave = true;
        Tell(fit.m_strMessage, EMessageKind::Information);
        m_bInLeave = false;
        m_pRxOnTime->setFocus(Qt::OtherFocusReason);
        m_pRxOnTime->selectAll();
    }
}

void CChannelPage::EnableTxDelay() {
    if (m_pTxDelay != nullptr) {
        m_pTxDelay->setEnabled(true);
    }
}

void CChannelPage::DisableTxDelay() {
    m_Doc.m_bTxDelay = 0;
    if (m_pTxDelay != nullptr) {
        m_pTxDelay->setChecked(false);
        m_pTxDelay->setEnabled(false);
    }
}

void CChannelPage::ShowScanColumn() {
    if (m_pScanHeading == nullptr) {
        return;
    }
    m_pScanHeading->setVisible(true);
    for (const auto& row : m_Rows) {
        row->m_pScan->setVisible(true);
    }
}

void CChannelPage::CommitFocusedField() {
    // The window's own focus field: while another window (the fleet window, say) is active it still holds
    // the text typed last.
    QWidget* focus = window()->focusWidget();
    if (focus == nullptr || !IsCreated()) {
        return;
    }
    for (const auto& row : m_Rows) {
        if (focus == row->m_pRxFreq) {
            OnRxFieldLeave(row->m_nChannel);
        } else if (focus == row->m_pTxFreq) {
            OnTxFieldLeave(row->m_nChannel);
        }
    }
    if (focus == m_pRxOffTime) {
        OnRxOffTimeLeave();
    } else if (focus == m_pRxOnTime) {
        OnRxOnTimeLeave();
    }
}

bool CChannelPage::CommitPending() {
    const int told = m_nToldCount;
    CommitFocusedField();
    return m_nToldCount == told && COptionPage::CommitPending();
}

void CChannelPage::ResetAndRefresh() {
    m_Doc.ResetToDefaults();
    m_State.ForgetRecord();
    RefreshFromRecord(false);
    if (m_Ctx.m_View.RefreshPages) {
        m_Ctx.m_View.RefreshPages();
    }
}

void CChannelPage::RefreshFromRecord(bool revalidate) {
    ++m_nRefreshCount;
    if (!IsCreated()) {
        return;
    }
    for (const auto& row : m_Rows) {
        const CChannelData& ch = Channel(row->m_nChannel);
        row->m_pWide->setChecked(ch.m_bWide != 0);
        row->m_pHighPower->setChecked(ch.m_bHighPower != 0);
        row->m_pScan->setChecked(ch.m_bScan != 0);
        row->m_pRxFreq->setText(QString::fromStdString(FrequencyFieldText(ch.m_dRxFreq)));
        row->m_pTxFreq->setText(QString::fromStdString(FrequencyFieldText(ch.m_dTxFreq)));
        if (revalidate && OutOfBandNote(m_Doc, row->m_nChannel).empty()) {
            OnRxFieldLeave(row->m_nChannel);
        }
    }
    if (revalidate) {
        // a channel outside the band is shown as the file holds it, named here, and left for the write check
        std::string notes;
        for (int channel = 1; channel <= kChannels; ++channel) {
            const std::string note = OutOfBandNote(m_Doc, channel);
            notes += note.empty() ? "" : (notes.empty() ? "" : "\n") + note;
        }
        Tell(notes, EMessageKind::Warning);
    }
    {
        const QSignalBlocker quietHang(m_cbHang);
        const QSignalBlocker quietTimeOut(m_cbTimeOut);
        m_cbHang->setCurrentIndex(HangIndexOf(m_Doc));
        m_cbTimeOut->setCurrentIndex(TimeOutIndexOf(m_Doc));
    }
    m_pTxDelay->setChecked(m_Doc.m_bTxDelay != 0);
    if (m_Doc.m_bModemFfsk) {
        if (m_Doc.m_bModem) {
            DisableTxDelay();
        } else {
            EnableTxDelay();
        }
    }
    m_pBusyLockout->setChecked(m_Doc.m_bBusyLockout != 0);
    m_pPowerSave->setChecked(m_Doc.m_bPowerSave != 0);
    for (const auto& row : m_Rows) {
        OnRowToggles(row->m_nChannel);
    }
    m_pMatchedSat->setChecked(m_Doc.m_bTxMatchedSat != 0);
    OnBusyLockout(m_Doc.m_bBusyLockout != 0);
    UpdateOptionButtons();
    // The lists show a time of their own grid: the record follows what is shown.
    ApplyTimeOutIndex(m_Doc, m_cbTimeOut->currentIndex());
    ApplyHangIndex(m_Doc, m_cbHang->currentIndex());
    OnPowerSave(m_pPowerSave->isChecked());
}
