#include "dialogs/ScanWarningDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* ReadOnlyLine(const QString& text, const QString& name, QWidget* parent) {
    auto* line = new QLineEdit(text, parent);
    line->setReadOnly(true);
    line->setAccessibleName(name);
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(text) + 24);
    line->setCursorPosition(0);
    return line;
}

}  // namespace

CScanWarningDlg::CScanWarningDlg(const QString& stateText, const QString& yesText, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr(" WARNING"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The state of this program is currently"), this));
    m_pState = ReadOnlyLine(stateText, tr("Current state"), this);
    layout->addWidget(m_pState);
    layout->addWidget(new QLabel(tr("If click on YES button, "), this));
    m_pYesEffect = ReadOnlyLine(yesText, tr("What YES does"), this);
    layout->addWidget(m_pYesEffect);
    layout->addWidget(new QLabel(tr("Do you want to change this state ?"), this));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* yes = buttons->addButton(tr("YES"), QDialogButtonBox::YesRole);
    QPushButton* no = buttons->addButton(tr("NO"), QDialogButtonBox::NoRole);
    no->setDefault(true);  // keeping the scan marks is the safe answer
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    no->setFocus();
}
