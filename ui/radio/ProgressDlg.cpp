#include "radio/ProgressDlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "EepromImage.h"

CProgressDlg::CProgressDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Read/Write"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_pStatus = new QLabel(this);
    m_pStatus->setWordWrap(true);
    m_pStatus->setMinimumWidth(420);
    m_pStatus->setAccessibleName(tr("Transfer status"));
    m_pStatus->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pAdvice = new QLabel(this);
    m_pAdvice->setWordWrap(true);
    m_pAdvice->setAccessibleName(tr("What happened and what to try"));
    m_pAdvice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pAdvice->hide();
    m_pBar = new QProgressBar(this);
    m_pBar->setRange(0, kImageSize);
    m_pBar->setValue(0);
    m_pBar->setAccessibleName(tr("Transfer progress"));
    m_pOk = new QPushButton(tr("OK"), this);
    m_pCancel = new QPushButton(tr("Cancel"), this);
    m_pCancel->setAccessibleDescription(tr("Stops the transfer before the next block"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    layout->addWidget(m_pStatus);
    layout->addWidget(m_pAdvice);
    layout->addWidget(m_pBar);
    layout->addLayout(buttons);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CProgressDlg::CancelRequested);
}

void CProgressDlg::SetStatus(const QString& text) {
    m_pStatus->setText(text);
    if (text.isEmpty()) {
        SetAdvice(QString());  // a new transfer begins: the advice of the one before is stale
    }
}

void CProgressDlg::SetAdvice(const QString& text) {
    m_pAdvice->setText(text);
    m_pAdvice->setVisible(!text.isEmpty());
}

void CProgressDlg::SetRunning(bool running) {
    m_bRunning = running;
    m_pOk->setEnabled(!running);
    m_pCancel->setEnabled(running);
    (running ? m_pCancel : m_pOk)->setDefault(true);
    (running ? m_pCancel : m_pOk)->setFocus();
}

void CProgressDlg::reject() {
    if (m_bRunning) {
        emit CancelRequested();
        return;
    }
    QDialog::reject();
}
