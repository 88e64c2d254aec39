#pragma once
// Port > Find the Cable...: "Unplug the programming cable, then plug it in". The dialog watches the port
// list and ends as soon as a port appears, naming it; the frame then selects that port.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "PortSurvey.h"

class CFindCableDlg : public QDialog {
    Q_OBJECT
public:
    CFindCableDlg(CPortSystem& system, QWidget* parent = nullptr);

    // Looks at the list once (the timer calls it every kNewPortPollMs); accepts when a port appeared.
    void Poll();

    SPortInfo m_Found;  // the port that appeared (m_nCom 0 until one did)
    QLabel* m_pPrompt = nullptr;
    QPushButton* m_pCancel = nullptr;
    QTimer m_Timer;

private:
    CPortSystem& m_System;
    CNewPortWatch m_Watch;
};
