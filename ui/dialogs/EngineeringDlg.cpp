#include "dialogs/EngineeringDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "EepromMap.h"

CEngineeringDlg::CEngineeringDlg(const CImageBytes& image, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Show Engineering Settings"));
    QString channels;
    for (const std::string& step : SlotStepTexts(image)) {
        m_strSteps += QString::fromStdString(step) + QStringLiteral("\r\n");
    }
    for (int i = 1; i <= kChannels; ++i) {
        channels += QString::number(i) + (i < kChannels ? QStringLiteral("\n") : QString());
    }
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("CH"), this), 0, 0, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Step(kHz)"), this), 0, 1, Qt::AlignHCenter);
    auto* channelColumn = new QLabel(channels, this);
    channelColumn->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    grid->addWidget(channelColumn, 1, 0);
    m_pSteps =
        new QLabel(QString(m_strSteps).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed(), this);
    m_pSteps->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pSteps->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_pSteps->setFocusPolicy(Qt::StrongFocus);
    m_pSteps->setAccessibleName(tr("Step of channels 1 to 16, kHz"));
    m_pSteps->setAccessibleDescription(m_strSteps);
    grid->addWidget(m_pSteps, 1, 1);
    grid->setHorizontalSpacing(24);
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
