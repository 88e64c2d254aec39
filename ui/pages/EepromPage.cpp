#include "pages/EepromPage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>

#include "EepromMap.h"
#include "shared/DisplaySettings.h"

namespace {

// The current cell keeps its mark visible: a frame instead of the selection colour.
QString MapStyleSheet(const QPalette& palette) {
    return QStringLiteral(
               "QTableView { selection-background-color: transparent; selection-color: %1; }"
               "QTableView::item:selected { border: 2px solid %2; }")
        .arg(MapTextColour(palette).name(), MapFrameColour(palette).name());
}

// The grid's widths were 760 twips for the label column and 570 for a byte (15 twips a pixel).
constexpr int kLabelColumnPx = 760 / 15;
constexpr int kByteColumnPx = 570 / 15;

}  // namespace

CEepromPage::CEepromPage(SPageContext& context, QWidget* parent)
    : COptionPage(context, tr("EEPROM Read/Write"), parent),
      m_pTransfer(new CRadioTransfer(context, m_Image, this)),
      m_pModel(new CEepromMapModel(m_Image, this)) {
    m_pTransfer->setParent(this);
    m_pTransfer->m_FillMap = [this] {
        // The radio's image replaces everything: edits typed against the old one are not carried over.
        m_Image.ClearChangeBytes();
        FillMap();
    };
    m_pTransfer->m_ApplyMapChanges = [](CEepromImage& image) { image.ApplyChangeBytes(); };
    connect(m_pTransfer, &CRadioTransfer::Finished, this, &CEepromPage::OnTransferFinished);
    m_RunChangeMap = [](CChangeMapDlg& dialog) { return dialog.exec(); };
    m_RunSettings = [](CEngineeringDlg& dialog) { return dialog.exec(); };
}

void CEepromPage::OnCreatePage() {
    // The map starts from a first encoding, nothing marked.
    m_Image.EncodeImage(m_Doc);
    FillMap();
    m_pMap = new QTableView(this);
    m_pMap->setModel(m_pModel);
    m_pMap->setAccessibleName(tr("EEPROM map"));
    m_pMap->setAccessibleDescription(
        tr("The radio's 416 EEPROM bytes in hexadecimal, 16 a row. Press Enter or double-click a byte to "
           "change it."));
    m_pMap->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pMap->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pMap->setTabKeyNavigation(false);  // Tab moves on to the buttons
    m_pMap->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pMap->horizontalHeader()->setDefaultSectionSize(kByteColumnPx);
    m_pMap->verticalHeader()->setFixedWidth(kLabelColumnPx);
    m_pMap->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_pMap->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pMap->verticalHeader()->setDefaultSectionSize(m_pMap->fontMetrics().height() + 4);
    // The current cell keeps its mark visible: a frame instead of the selection colour.
    m_pMap->setStyleSheet(MapStyleSheet(palette()));
    m_pMap->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_pMap->installEventFilter(this);
    connect(m_pMap, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { EditByte(index.row() + 1, index.column() + 1); });
    m_pBody->addWidget(m_pMap, 1, Qt::AlignLeft);

    auto* buttons = new QHBoxLayout;
    m_pClearChanges = new QPushButton(tr("Clear Changes"), this);
    m_pClearChanges->setAccessibleName(tr("Clear Changes"));
    m_pClearChanges->setToolTip(tr("Removes every mark from the map and drops the bytes changed by hand."));
    m_pShowSettings = new QPushButton(tr("Show Settings"), this);
    m_pShowSettings->setAccessibleName(tr("Show Settings"));
    m_pShowSettings->setToolTip(tr("Shows the synthesizer step of every channel."));
    buttons->addWidget(m_pClearChanges);
    buttons->addWidget(m_pShowSettings);
    buttons->addStretch(1);
    m_pBody->addLayout(buttons);
    connect(m_pClearChanges, &QPushButton::clicked, this, &CEepromPage::OnClearChanges);
    connect(m_pShowSettings, &QPushButton::clicked, this, &CEepromPage::OnShowSettings);
    setTabOrder(m_pMap, m_pClearChanges);
    setTabOrder(m_pClearChanges, m_pShowSettings);
}

bool CEepromPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pMap && event->type() == QEvent::PaletteChange) {
        // the appearance changed: the frame and the text of the current cell follow the palette
        const QString sheet = MapStyleSheet(QApplication::palette());
        if (m_pMap->styleSheet() != sheet) {
            m_pMap->setStyleSheet(sheet);
        }
    }
    if (watched == m_pMap && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = m_pMap->currentIndex();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) && current.isValid()) {
            EditByte(current.row() + 1, current.column() + 1);
            return true;
        }
    }
    return COptionPage::eventFilter(watched, event);
}

void CEepromPage::RefreshMap(int displayMode) {
    m_Image.EncodeImage(m_Doc);
    m_Image.ApplyChangeBytes();
    m_pModel->Update(m_Image.m_Work, displayMode == 1);
    m_Image.m_Snapshot = m_Image.m_Work;
    ++m_nMapRefreshCount;
    m_nLastDisplayMode = displayMode;
}

void CEepromPage::FillMap() {
    m_pModel->Fill(m_Image.m_Work);
    m_Image.m_Snapshot = m_Image.m_Work;
}

std::string DiscardEditsQuestion(int count) {
    return (count == 1
                ? QCoreApplication::translate("CEepromPage", "Discard 1 byte edit that was not written?")
                : QCoreApplication::translate("CEepromPage", "Discard %1 byte edits that were not written?")
                      .arg(count))
        .toStdString();
}

void CEepromPage::OnClearChanges() {
    int pending = 0;
    for (int address = 0; address < kImageSize; ++address) {
        pending += m_Image.HasChangeByte(address) ? 1 : 0;
    }
    // A typed byte is work the radio has not seen yet; the marks alone cost nothing to lose.
    if (pending > 0 && !m_Ctx.m_Sink.AskYesNo(DiscardEditsQuestion(pending))) {
        return;
    }
    m_Image.ClearChangeBytes();
    // Without the edits the map shows the record's own encoding again, unmarked.
    m_Image.EncodeImage(m_Doc);
    m_pModel->Fill(m_Image.m_Work);
    m_Image.m_Snapshot = m_Image.m_Work;
    if (m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(pending == 0 ? tr("Cleared the change marks.")
                                : pending == 1
                                    ? tr("Cleared the change marks and 1 byte edit.")
                                    : tr("Cleared the change marks and %1 byte edits.").arg(pending));
    }
}

void CEepromPage::OnShowSettings() {
    CEngineeringDlg dialog(m_Image.m_Work, this);
    m_RunSettings(dialog);
}

void CEepromPage::EditByte(int row, int column) {
    if (row < 1 || row >= kMapRows || column < 1 || column >= kMapColumns) {
        return;
    }
    const int address = MapAddress(row, column);
    CChangeMapDlg dialog(m_State, m_Ctx.m_Sink, row, column, m_pModel->m_Shown[address], this);
    m_RunChangeMap(dialog);
    if (!dialog.m_bAccepted) {
        return;
    }
    AcceptMapEdit(m_Image, m_Doc, address, dialog.m_nValue);
    m_pModel->SetByte(address, dialog.m_nValue);
    m_pModel->PendingChanged();
}

void CEepromPage::OnTransferFinished(bool write, bool ok) {
    if (write && ok) {
        // The map shows exactly what went out; every byte that differs from what it showed is marked.
        m_pModel->Update(m_Image.m_Work, true);
        m_Image.m_Snapshot = m_Image.m_Work;
    }
}

void CEepromPage::WriteWithProgress() {
    m_pTransfer->Start(true);
}

void CEepromPage::WriteWholeImageWithProgress() {
    m_pTransfer->StartWholeImageWrite();
}

void CEepromPage::ReadWithProgress() {
    m_pTransfer->Start(false);
}
