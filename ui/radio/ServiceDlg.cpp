#include "radio/ServiceDlg.h"

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QMetaObject>
#include <QThread>
#include "LinkFrames.h"
#include "PortSurvey.h"
#include "widgets/AccessibleText.h"

namespace {

CPortSystem& ServicePorts() {
    static const std::unique_ptr<CPortSystem> system = MachinePortSystem();
    return *system;
}

}  // namespace

CServiceDlg::CServiceDlg(SPageContext& context, const char* user, QWidget* parent)
    : QDialog(parent),
      m_CheckPort(PortCheck(ServicePorts())),
      m_Ctx(context),
      m_Doc(context.m_Doc),
      m_State(context.m_State),
      m_strUser(user) {
    auto* layout = new QVBoxLayout(this);
    m_pBody = new QWidget(this);
    m_pBodyLayout = new QVBoxLayout(m_pBody);
    m_pBodyLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pBody);

    m_pStatus = new QLabel(this);
    m_pStatus->setWordWrap(true);
    m_pStatus->setAccessibleName(tr("Radio connection status"));
    // It holds the keyboard while an exchange greys the controls, so that a key meant for a control cannot
    // land on CLOSE.
    m_pStatus->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(m_pStatus);

    auto* buttons = new QHBoxLayout;
    m_pOk = new QPushButton(tr("OK"), this);
    m_pOk->hide();
    m_pOk->setAutoDefault(false);  // Enter belongs to the channel field's SET, not to closing
    m_pClose = new QPushButton(tr("CLOSE"), this);
    NameByCaption(m_pClose, m_pClose->text(), tr("Close the dialog and the port"));
    m_pClose->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pClose);
    layout->addLayout(buttons);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pClose, &QPushButton::clicked, this, &QDialog::reject);
}

CServiceDlg::~CServiceDlg() {
    EndNow();
}

void CServiceDlg::EndNow() {
    if (m_Worker.joinable()) {
        m_Worker.join();
    }
    if (IsConnected()) {
        for (EServiceCommand command : ClosingCommands()) {
            m_pLink->Send(command);
        }
        m_pLink->End();
    }
}

bool CServiceDlg::Open() {
    std::string refusal;
    m_Lease = m_Ctx.m_Link.Borrow(m_strUser, &refusal);
    if (!m_Lease) {
        m_Ctx.m_Sink.ShowMessage(refusal);
        return false;
    }
    m_pLink = std::make_unique<CServiceLink>(m_Lease.Port(), m_WorkerSink);
    m_pLink->m_CheckPort = m_CheckPort;
    const int com = m_State.m_nComPort;
    const std::string device = m_Ctx.m_Link.DevicePath(com);
    m_pStatus->setText(tr("Connecting to the radio on COM%1...").arg(com));
    auto start = std::make_shared<EServiceStart>(EServiceStart::OpenFailed);
    Exchange(
        [start, com, device](CServiceLink& link) {
            *start = link.Start(com, device);  // the status is applied on this thread afterwards
        },
        [this, start] { OnStarted(*start); });
    return true;
}

void CServiceDlg::OnStarted(EServiceStart start) {
    if (start != EServiceStart::Opened) {
        m_bEnded = true;
        m_Lease.Release();
        QDialog::done(QDialog::Rejected);
        return;
    }
    const SRadioStatus& status = m_pLink->m_Status;
    if (status.m_bValid) {
        m_State.m_nRadioChannel = status.m_nChannel;
        if (m_Ctx.m_View.ShowVersion) {
            m_Ctx.m_View.ShowVersion(QString::fromStdString(VersionText(status.m_nVersion)));
        }
        m_strIdleStatus = tr("Connected to the radio on COM%1 (firmware %2).")
                              .arg(m_State.m_nComPort)
                              .arg(QString::fromStdString(VersionText(status.m_nVersion)));
    } else {
        m_strIdleStatus =
            tr("The radio sent no status. Check that it is connected and switched on; commands "
               "are sent all the same.");
    }
    m_pStatus->setText(m_strIdleStatus);
    OnOpened(status);
}

void CServiceDlg::Exchange(std::function<void(CServiceLink&)> work, std::function<void()> then) {
    if (m_Worker.joinable() || m_pLink == nullptr) {
        return;  // one exchange at a time; the controls are greyed meanwhile
    }
    SetExchanging(true);
    m_Worker = std::thread([this, work = std::move(work), then = std::move(then)]() mutable {
        work(*m_pLink);
        QMetaObject::invokeMethod(
            this, [this, then = std::move(then)]() mutable { OnExchangeDone(std::move(then)); },
            Qt::QueuedConnection);
    });
}

void CServiceDlg::Send(std::vector<EServiceCommand> commands,
                       std::function<void(const SCommandResult&)> then) {
    auto result = std::make_shared<SCommandResult>();
    Exchange(
        [commands = std::move(commands), result](CServiceLink& link) {
            for (EServiceCommand command : commands) {
                *result = link.Send(command);
            }
        },
        [result, then = std::move(then)] {
            if (then) {
                then(*result);
            }
        });
}

void CServiceDlg::SendChannel(int channel) {
    Exchange([channel](CServiceLink& link) { link.SelectChannel(channel); });
}

void CServiceDlg::OnExchangeDone(std::function<void()> then) {
    m_Worker.join();
    SetExchanging(false);
    std::vector<std::string> messages;
    messages.swap(m_WorkerSink.m_Messages);
    for (const std::string& text : messages) {
        m_Ctx.m_Sink.ShowMessage(text);
    }
    if (then) {
        then();
    }
    if (m_nPendingClose >= 0 && !m_bEnded && !m_Worker.joinable()) {
        done(std::exchange(m_nPendingClose, -1));
    }
}

void CServiceDlg::SetExchanging(bool on) {
    if (on) {
        if (!m_strIdleStatus.isEmpty()) {
            m_pStatus->setText(tr("Waiting for the radio..."));
        }
        m_pFocus = focusWidget();
        m_pStatus->setFocus();
        m_pBody->setEnabled(false);
        setCursor(Qt::WaitCursor);
        return;
    }
    m_pBody->setEnabled(true);
    unsetCursor();
    if (!m_strIdleStatus.isEmpty()) {
        m_pStatus->setText(m_strIdleStatus);
    }
    if (m_pFocus != nullptr && m_pFocus->isEnabled() && m_pFocus->isVisible()) {
        m_pFocus->setFocus();
    }
}

void CServiceDlg::WaitUntilIdle() {
    while (m_Worker.joinable()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (m_Worker.joinable()) {
            QThread::msleep(1);  // the worker's end comes as an event; no need to spin for it
        }
    }
}

void CServiceDlg::done(int result) {
    if (m_bEnded) {
        QDialog::done(result);
        return;
    }
    if (m_Worker.joinable()) {
        m_nPendingClose = result;
        m_pClose->setEnabled(false);
        return;
    }
    if (!IsConnected()) {
        FinishClose(result);
        return;
    }
    if (m_bClosing) {
        return;
    }
    m_bClosing = true;
    m_strIdleStatus.clear();
    m_pStatus->setText(tr("Closing the port..."));
    m_pClose->setEnabled(false);
    Exchange(
        [commands = ClosingCommands()](CServiceLink& link) {
            for (EServiceCommand command : commands) {
                link.Send(command);
            }
            link.End();
        },
        [this, result] { FinishClose(result); });
}

void CServiceDlg::FinishClose(int result) {
    m_bEnded = true;
    m_Lease.Release();
    QDialog::done(result);
}
