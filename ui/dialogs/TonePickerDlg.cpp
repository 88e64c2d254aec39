#include "dialogs/TonePickerDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChannelSignalling.h"
#include "FrequencyRules.h"
#include "Tones.h"
#include "shared/DisplaySettings.h"

namespace {

struct SPickerShape {
    const char* m_pTitle;
    int m_nRows;
    int m_nColumns;
    int m_nColumnWidth;  // pixels (1000 and 650 twips at 96 dpi)
};

const SPickerShape kShapes[] = {
    {" CTCSS", 7, 7, 67},
    {" DCS", 8, 13, 44},
};

QString CellText(CTonePickerDlg::EKind kind, int index) {
    if (kind == CTonePickerDlg::EKind::Ctcss) {
        return QString::fromStdString(FormatFixed(kCtcssTable[static_cast<size_t>(index)], 1, 4)).trimmed();
    }
    return QString::fromStdString(DcsCaption(kDcsTable[static_cast<size_t>(index)]));
}

}  // namespace

CTonePickerDlg::CTonePickerDlg(EKind kind, QWidget* parent) : QDialog(parent) {
    const SPickerShape& shape = kShapes[kind == EKind::Ctcss ? 0 : 1];
    setWindowTitle(QLatin1String(shape.m_pTitle));
    auto* layout = new QVBoxLayout(this);
    m_pGrid = new QTableWidget(shape.m_nRows, shape.m_nColumns, this);
    m_pGrid->setAccessibleName(kind == EKind::Ctcss ? tr("CTCSS tones, Hz") : tr("DCS codes"));
    m_pGrid->horizontalHeader()->hide();
    m_pGrid->verticalHeader()->hide();
    m_pGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pGrid->setTabKeyNavigation(false);
    int index = 0;
    for (int row = 0; row < shape.m_nRows; ++row) {
        for (int column = 0; column < shape.m_nColumns; ++column, ++index) {
            auto* cell = new QTableWidgetItem(CellText(kind, index));
            cell->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
            if (kind == EKind::Ctcss && IsMarkedCtcss(kCtcssTable[static_cast<size_t>(index)])) {
                cell->setBackground(OptionFillColour(EOptionFill::MarkedCtcss));
                cell->setForeground(
                    QColor(Qt::black));  // the pale mark keeps dark text in a dark palette too
            }
            m_pGrid->setItem(row, column, cell);
        }
    }
    for (int column = 0; column < shape.m_nColumns; ++column) {
        m_pGrid->setColumnWidth(column, shape.m_nColumnWidth);
    }
    m_pGrid->resizeRowsToContents();
    const int frame = 2 * m_pGrid->frameWidth();
    m_pGrid->setFixedSize(shape.m_nColumns * shape.m_nColumnWidth + frame,
                          shape.m_nRows * m_pGrid->rowHeight(0) + frame);
    m_pGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_pGrid);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);  // Enter in the grid picks the current cell
    connect(buttons, &QDialogButtonBox::accepted, this, &CTonePickerDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pGrid, &QTableWidget::cellDoubleClicked, this, &CTonePickerDlg::accept);
    SelectValue(QString());
    m_pGrid->setFocus();
}

void CTonePickerDlg::SelectValue(const QString& text) {
    for (int row = 0; row < m_pGrid->rowCount(); ++row) {
        for (int column = 0; column < m_pGrid->columnCount(); ++column) {
            if (m_pGrid->item(row, column)->text() == text) {
                m_pGrid->setCurrentCell(row, column);
                return;
            }
        }
    }
    m_pGrid->setCurrentCell(0, 0);
}

void CTonePickerDlg::accept() {
    const QTableWidgetItem* cell = m_pGrid->currentItem();
    if (cell == nullptr) {
        return;
    }
    m_strPick = cell->text();
    QDialog::accept();
}
