#pragma once
// Program > Transfer History...: the transfer log as a table, sorted by any column (a heading's click, or
// "Sort by" and "Descending" from the keyboard), its selection (or all of it) copied as tab-separated text
// for a spreadsheet or a message, by the Copy button or Ctrl+C alike.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <string>
#include <vector>

// A word the transfer log writes in its verb or result column ("fleet-write"), in the window's language.
QString LogWordShown(const QString& logged);

class CTransferHistoryDlg : public QDialog {
    Q_OBJECT
public:
    // lines: the log's lines after its header, oldest first; error: why the log could not be read, or empty.
    CTransferHistoryDlg(const std::vector<std::string>& lines, const std::string& logPath,
                        const std::string& error, QWidget* parent = nullptr);

    // The selected rows, or every row when none is selected, as tab-separated lines under the header, in the
    // order the table shows them.
    QString SelectionText() const;
    void CopySelection();

    QTableWidget* m_pTable = nullptr;
    QComboBox* m_cbSortBy = nullptr;  // the column the rows are sorted by
    QCheckBox* m_pDescending = nullptr;
    QPushButton* m_pCopy = nullptr;
    QLabel* m_pWhere = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SortBy(int column, Qt::SortOrder order);
    // The table's description says the order its rows are shown in.
    void OnSorted(int column, Qt::SortOrder order);
};
