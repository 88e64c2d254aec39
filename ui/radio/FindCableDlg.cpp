#include "radio/FindCableDlg.h"

#include <QVBoxLayout>

#include "PortNames.h"

CFindCableDlg::CFindCableDlg(CPortSystem& system, QWidget* parent)
    : QDialog(parent), m_System(system), m_Watch(system.PresentPorts()) {
    setWindowTitle(tr("Find the Cable"));
    m_pPrompt = new QLabel(tr("Unplug the programming cable, then plug it in."), this);
    m_pPrompt->setAccessibleName(m_pPrompt->text());
    auto* note = new QLabel(tr("The port that appears is selected for reading and writing the radio."), this);
    note->setWordWrap(true);
    m_pCancel = new QPushButton(tr("Cancel"), this);
    m_pCancel->setAccessibleName(tr("Cancel"));
    m_pCancel->setAccessibleDescription(tr("Stop waiting and keep the port chosen before"));
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pPrompt);
    layout->addWidget(note);
    layout->addWidget(m_pCancel, 0, Qt::AlignRight);
    m_Timer.setInterval(kNewPortPollMs);
    connect(&m_Timer, &QTimer::timeout, this, &CFindCableDlg::Poll);
    m_Timer.start();
}

void CFindCableDlg::Poll() {
    const int com = m_Watch.Poll(m_System.PresentPorts());
    if (com == 0) {
        return;
    }
    m_Timer.stop();
    m_Found = SurveyDevice(m_System, com, ComDevicePath(com));
    accept();
}
