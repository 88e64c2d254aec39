#include "radio/TransferHistoryDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>
#include <set>

#include "TransferLog.h"

CTransferHistoryDlg::CTransferHistoryDlg(const std::vector<std::string>& lines, const std::string& logPath,
                                         const std::string& error, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Transfer History"));
    const QStringList headers = QString::fromLatin1(kTransferLogHeader).trimmed().split(QLatin1Char('\t'));
    m_pTable = new QTableWidget(static_cast<int>(lines.size()), static_cast<int>(headers.size()), this);
    m_pTable->setHorizontalHeaderLabels(headers);
    m_pTable->setAccessibleName(tr("Transfer History"));
    m_pTable->setAccessibleDescription(
        tr("Every radio read and written, newest last; click a heading to sort"));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (size_t row = 0; row < lines.size(); ++row) {
        const std::vector<std::string> fields = SplitTransferLogLine(lines[row]);
        for (size_t column = 0; column < fields.size() && column < static_cast<size_t>(headers.size());
             ++column) {
            m_pTable->setItem(static_cast<int>(row), static_cast<int>(column),
                              new QTableWidgetItem(QString::fromStdString(fields[column])));
        }
    }
    m_pTable->setSortingEnabled(true);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pWhere =
        new QLabel(error.empty() ? tr("The log is %1").arg(QString::fromStdString(logPath))
                                 : tr("The log %1 could not be read: %2")
                                       .arg(QString::fromStdString(logPath), QString::fromStdString(error)),
                   this);
    m_pWhere->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pCopy = new QPushButton(tr("&Copy"), this);
    m_pCopy->setAccessibleName(tr("Copy"));
    m_pCopy->setAccessibleDescription(tr("Copy the selected rows, or all of them, as tab-separated text"));
    connect(m_pCopy, &QPushButton::clicked, this, &CTransferHistoryDlg::CopySelection);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_pCopy, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTable);
    layout->addWidget(m_pWhere);
    layout->addWidget(buttons);
    resize(900, 400);
}

QString CTransferHistoryDlg::SelectionText() const {
    std::set<int> rows;
    for (const QModelIndex& index : m_pTable->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    QString text = QString::fromLatin1(kTransferLogHeader);
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        if (!rows.empty() && rows.count(row) == 0) {
            continue;
        }
        QStringList fields;
        for (int column = 0; column < m_pTable->columnCount(); ++column) {
            const QTableWidgetItem* item = m_pTable->item(row, column);
            fields.push_back(item != nullptr ? item->text() : QString());
        }
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void CTransferHistoryDlg::CopySelection() {
    QApplication::clipboard()->setText(SelectionText());
}
