#include "radio/ProgressDlg.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "EepromImage.h"

namespace {

constexpr int kTextWidthPx = 520;  // about 80 characters a line

QLabel* TextLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAccessibleName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

QString CProgressDlg::StopQuestion() {
    return tr(
        "Stop the write now? The radio will hold a partly written configuration until it is written "
        "again.");
}

CProgressDlg::CProgressDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Read/Write"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_pStatus = TextLabel(tr("Transfer status"), this);
    m_pStatus->setMinimumWidth(kTextWidthPx);
    m_pAdvice = TextLabel(tr("What happened and what to try"), this);
    m_pAdvice->setTextFormat(Qt::PlainText);
    m_pAdvice->hide();
    m_pTrace = TextLabel(tr("Serial trace"), this);
    m_pTrace->setTextFormat(Qt::RichText);
    m_pTrace->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_pTrace->setAccessibleDescription(tr("Activate the link to open the folder the trace is kept in"));
    m_pTrace->hide();
    m_pBar = new QProgressBar(this);
    m_pBar->setRange(0, kImageSize);
    m_pBar->setValue(0);
    m_pBar->setAccessibleName(tr("Transfer progress"));
    m_pBar->setFocusPolicy(Qt::StrongFocus);  // where the focus waits while a transfer runs
    m_pOk = new QPushButton(tr("OK"), this);
    m_pCancel = new QPushButton(tr("Cancel"), this);
    m_pCancel->setAccessibleDescription(tr("Stops the transfer before the next block"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    layout->addWidget(m_pStatus);
    layout->addWidget(m_pAdvice);
    layout->addWidget(m_pTrace);
    layout->addWidget(m_pBar);
    layout->addStretch(1);
    layout->addLayout(buttons);
    m_OpenFolder = [](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };
    m_ConfirmStop = [this] {
        QMessageBox box(QMessageBox::Warning, windowTitle(), StopQuestion(), QMessageBox::NoButton, this);
        QPushButton* stop = box.addButton(tr("&Stop the Write"), QMessageBox::DestructiveRole);
        QPushButton* go = box.addButton(tr("&Continue Writing"), QMessageBox::RejectRole);
        box.setDefaultButton(go);  // Return and Escape go on writing
        box.setEscapeButton(go);
        box.exec();
        return box.clickedButton() == stop;
    };
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CProgressDlg::AskToStop);
    connect(m_pTrace, &QLabel::linkActivated, this, [this](const QString& link) {
        if (m_OpenFolder) {
            m_OpenFolder(QUrl(link).toLocalFile());
        }
    });
}

void CProgressDlg::SetStatus(const QString& text) {
    m_pStatus->setText(text);
    if (text.isEmpty()) {
        SetAdvice(QString());  // a new transfer begins: the advice of the one before is stale
    }
    FitToText();
}

void CProgressDlg::SetAdvice(const QString& text, const QString& tracePath) {
    m_pAdvice->setText(text);
    m_pAdvice->setVisible(!text.isEmpty());
    if (tracePath.isEmpty()) {
        m_pTrace->clear();
    } else {
        const QString folder = QFileInfo(tracePath).absolutePath();
        m_pTrace->setText(tr("The serial trace of this transfer is kept in %1")
                              .arg(QStringLiteral("<a href=\"%1\">%2</a>")
                                       .arg(QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded),
                                            tracePath.toHtmlEscaped())));
        m_pTrace->setToolTip(tr("Open %1").arg(folder));
    }
    m_pTrace->setVisible(!tracePath.isEmpty());
    FitToText();
}

void CProgressDlg::FitToText() {
    QLayout* box = layout();
    box->activate();
    const int width = std::max(this->width(), minimumSizeHint().width());
    const int needed = box->hasHeightForWidth() ? box->totalHeightForWidth(width) : sizeHint().height();
    setMinimumHeight(needed);
    if (height() < needed || !isVisible()) {
        resize(width, needed);
    }
}

void CProgressDlg::SetRunning(bool running, bool writing) {
    m_bRunning = running;
    m_bWriting = running && writing;
    if (running) {
        m_nReached = 0;
    }
    m_pOk->setEnabled(!running);
    m_pCancel->setEnabled(running);
    // Return on a running transfer does nothing; Cancel is reached by Tab, Space or a click
    for (QPushButton* button : {m_pOk, m_pCancel}) {
        button->setAutoDefault(!running);
        button->setDefault(!running && button == m_pOk);
    }
    if (running) {
        m_pBar->setFocus();
    } else {
        m_pOk->setFocus();
    }
}

void CProgressDlg::SetProgress(int address) {
    m_nReached = address > 0 ? address : m_nReached;
    m_pBar->setValue(address);
}

void CProgressDlg::ShowWhereItStopped() {
    m_pBar->setValue(m_nReached);
}

void CProgressDlg::AskToStop() {
    if (!m_bRunning) {
        return;
    }
    // the question waits while the write goes on: it may have ended by the answer
    if (m_bWriting && (!m_ConfirmStop() || !m_bRunning)) {
        return;
    }
    emit CancelRequested();
}

void CProgressDlg::reject() {
    if (m_bRunning) {
        AskToStop();
        return;
    }
    QDialog::reject();
}
