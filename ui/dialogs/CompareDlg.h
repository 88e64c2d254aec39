#pragma once
// "Compare with File": the differences between the configuration in the program and a file, one line per
// field ("channel 3 rx: 151.01250 -> 151.02500"), in a read-only text the user can select and copy.

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <string>
#include <vector>

class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    CCompareDlg(const std::string& fileName, const std::vector<std::string>& differences,
                QWidget* parent = nullptr);

    // "3 differences between the configuration in the program (left) and plan.yaml (right):"
    static QString Summary(const std::string& fileName, size_t count);

    QLabel* m_pSummary = nullptr;
    QPlainTextEdit* m_pList = nullptr;
};
