#include "dialogs/CompareDlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

CCompareDlg::CCompareDlg(const std::string& fileName, const std::vector<std::string>& differences,
                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Compare with File"));
    auto* layout = new QVBoxLayout(this);
    m_pSummary = new QLabel(Summary(fileName, differences.size()), this);
    m_pSummary->setWordWrap(true);
    m_pList = new QPlainTextEdit(this);
    m_pList->setReadOnly(true);
    m_pList->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pList->setFont(QFont(QStringLiteral("Monospace")));
    m_pList->setAccessibleName(tr("Differing fields"));
    QStringList lines;
    for (const std::string& line : differences) {
        lines << QString::fromStdString(line);
    }
    m_pList->setPlainText(lines.join(QLatin1Char('\n')));
    m_pList->setVisible(!differences.empty());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_pSummary);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);
    resize(640, differences.empty() ? 120 : 420);
}

QString CCompareDlg::Summary(const std::string& fileName, size_t count) {
    const QString file = QString::fromStdString(fileName);
    if (count == 0) {
        return tr("The configuration in the program and %1 are the same.").arg(file);
    }
    return tr("%n difference(s) between the configuration in the program (left) and %1 (right):", nullptr,
              static_cast<int>(count))
        .arg(file);
}
