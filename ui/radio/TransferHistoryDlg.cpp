#include "radio/TransferHistoryDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <set>

#include "TransferLog.h"
#include "shared/Translation.h"

namespace {

// The log's columns in its order, each with the heading the table shows.
const char* const kHeadings[kTransferLogColumns] = {
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Time"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Program"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Transfer"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Port"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Adapter Serial Number"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Firmware"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Model"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Plan"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "SHA-256 of the Bytes Written"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Result"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Seconds"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Backup"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "Plan File"),
    QT_TRANSLATE_NOOP("CTransferHistoryDlg", "SHA-256 of the Plan File"),
};
constexpr int kTimeColumn = 0;
constexpr int kVerbColumn = 2;
constexpr int kResultColumn = 9;
constexpr int kSecondsColumn = 10;

// The words the log writes in its transfer and result columns, as the table shows them.
struct SLogWord {
    const char* m_pszLogged;
    const char* m_pszShown;
};
const SLogWord kLogWords[] = {
    {"read", QT_TRANSLATE_NOOP("CTransferHistoryDlg", "read")},
    {"write", QT_TRANSLATE_NOOP("CTransferHistoryDlg", "write")},
    {"restore", QT_TRANSLATE_NOOP("CTransferHistoryDlg", "restore")},
    {"status", QT_TRANSLATE_NOOP("CTransferHistoryDlg", "status")},
    {"fleet-write", QT_TRANSLATE_NOOP("CTransferHistoryDlg", "fleet write")},
    {"fleet-read", QT_TRANSLATE_NOOP("CTransferHistoryDlg", "fleet read")},
    {"ok", QT_TRANSLATE_NOOP("CTransferHistoryDlg", "ok")},
    {"failed", QT_TRANSLATE_NOOP("CTransferHistoryDlg", "failed")},
};

}  // namespace

QString LogWordShown(const QString& logged) {
    for (const SLogWord& word : kLogWords) {
        if (logged == QLatin1String(word.m_pszLogged)) {
            return QCoreApplication::translate("CTransferHistoryDlg", word.m_pszShown);
        }
    }
    return logged;
}

namespace {

// A cell as the table shows it: a word of the log's own in the window's language, a failure's reason looked
// up like a message; the logged text itself is kept beside it, for Copy.
QTableWidgetItem* LogCell(QTableWidgetItem* item, int column, const QString& logged) {
    QString shown = logged;
    if (column == kVerbColumn || column == kResultColumn) {
        for (const SLogWord& word : kLogWords) {
            if (logged == QLatin1String(word.m_pszLogged)) {
                shown = QCoreApplication::translate("CTransferHistoryDlg", word.m_pszShown);
            }
        }
        if (column == kResultColumn && shown == logged) {
            shown = TranslatedMessage(logged.toStdString());
        }
    }
    item->setText(shown);
    item->setData(Qt::UserRole, logged);
    return item;
}

// A cell of the seconds column sorts by its number ("10.2" after "9.1"); an empty one first.
class CNumberItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        bool mine = false;
        bool theirs = false;
        const double a = text().toDouble(&mine);
        const double b = other.text().toDouble(&theirs);
        if (mine && theirs) {
            return a < b;
        }
        return mine == theirs ? QTableWidgetItem::operator<(other) : theirs;
    }
};

}  // namespace

CTransferHistoryDlg::CTransferHistoryDlg(const std::vector<std::string>& lines, const std::string& logPath,
                                         const std::string& error, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Transfer History"));
    QStringList headers;
    for (const char* heading : kHeadings) {
        headers << tr(heading);
    }
    m_pTable = new QTableWidget(static_cast<int>(lines.size()), static_cast<int>(headers.size()), this);
    m_pTable->setHorizontalHeaderLabels(headers);
    m_pTable->setAccessibleName(tr("Transfer History"));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (size_t row = 0; row < lines.size(); ++row) {
        const std::vector<std::string> fields = SplitTransferLogLine(lines[row]);
        for (size_t column = 0; column < fields.size() && column < static_cast<size_t>(headers.size());
             ++column) {
            const int at = static_cast<int>(column);
            const QString text = QString::fromStdString(fields[column]);
            m_pTable->setItem(
                static_cast<int>(row), at,
                LogCell(at == kSecondsColumn ? new CNumberItem : new QTableWidgetItem, at, text));
        }
    }
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTable->installEventFilter(this);

    auto* sortLabel = new QLabel(tr("&Sort by:"), this);
    m_cbSortBy = new QComboBox(this);
    m_cbSortBy->addItems(headers);
    m_cbSortBy->setAccessibleName(tr("Sort by"));
    sortLabel->setBuddy(m_cbSortBy);
    m_pDescending = new QCheckBox(tr("&Descending"), this);
    m_pDescending->setAccessibleName(tr("Descending"));
    auto* sorting = new QHBoxLayout;
    sorting->addWidget(sortLabel);
    sorting->addWidget(m_cbSortBy);
    sorting->addWidget(m_pDescending);
    sorting->addStretch(1);
    connect(m_cbSortBy, &QComboBox::currentIndexChanged, this, [this](int column) {
        SortBy(column, m_pDescending->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
    connect(m_pDescending, &QCheckBox::toggled, this, [this](bool descending) {
        SortBy(m_cbSortBy->currentIndex(), descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
    connect(m_pTable->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &CTransferHistoryDlg::OnSorted);

    m_pWhere =
        new QLabel(error.empty() ? tr("The log is %1").arg(QString::fromStdString(logPath))
                                 : tr("The log %1 could not be read: %2")
                                       .arg(QString::fromStdString(logPath), QString::fromStdString(error)),
                   this);
    m_pWhere->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pCopy = new QPushButton(tr("Co&py"), this);  // Alt+C is Close's
    m_pCopy->setAccessibleName(tr("Copy"));
    m_pCopy->setAccessibleDescription(
        tr("Copy the selected rows, or all of them, as tab-separated text under the header (also Ctrl+C)"));
    connect(m_pCopy, &QPushButton::clicked, this, &CTransferHistoryDlg::CopySelection);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_pCopy, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sorting);
    layout->addWidget(m_pTable);
    layout->addWidget(m_pWhere);
    layout->addWidget(buttons);
    setTabOrder(m_cbSortBy, m_pDescending);
    setTabOrder(m_pDescending, m_pTable);
    resize(900, 400);
    // The log's own order until the user picks another: oldest first.
    m_pTable->setSortingEnabled(true);
    SortBy(kTimeColumn, Qt::AscendingOrder);
    m_pTable->setFocus();
}

void CTransferHistoryDlg::SortBy(int column, Qt::SortOrder order) {
    if (column >= 0) {
        m_pTable->sortByColumn(column, order);
        OnSorted(column, order);
    }
}

void CTransferHistoryDlg::OnSorted(int column, Qt::SortOrder order) {
    const QSignalBlocker quietList(m_cbSortBy);
    const QSignalBlocker quietBox(m_pDescending);
    m_cbSortBy->setCurrentIndex(column);
    m_pDescending->setChecked(order == Qt::DescendingOrder);
    const QTableWidgetItem* heading = m_pTable->horizontalHeaderItem(column);
    const QString name = heading != nullptr ? heading->text() : QString();
    const bool up = order == Qt::AscendingOrder;
    const QString how = column == kTimeColumn      ? (up ? tr("oldest first") : tr("newest first"))
                        : column == kSecondsColumn ? (up ? tr("shortest first") : tr("longest first"))
                                                   : (up ? tr("A to Z") : tr("Z to A"));
    m_pTable->setAccessibleDescription(
        tr("Every radio read and written, sorted by %1, %2. Sort by and Descending change the order; Ctrl+C "
           "copies the selected rows with the header")
            .arg(name, how));
}

bool CTransferHistoryDlg::eventFilter(QObject* watched, QEvent* event) {
    // The table's own Ctrl+C copies one cell without its heading; here it copies what Copy copies.
    if (watched == m_pTable &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            if (event->type() == QEvent::KeyPress) {
                CopySelection();
            }
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
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
            fields.push_back(item != nullptr ? item->data(Qt::UserRole).toString() : QString());
        }
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void CTransferHistoryDlg::CopySelection() {
    QApplication::clipboard()->setText(SelectionText());
}
