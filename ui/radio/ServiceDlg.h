#pragma once
// What the calibration and squelch dialogs share: they hold the serial port (borrowed from the link session)
// from opening to closing, and they talk to the radio without freezing. Every exchange runs on a worker
// thread of its own (joined when it ends) while the dialog shows it is busy: its controls are greyed and the
// cursor waits. The worker reports into a recording sink; its messages are shown on the UI thread when the
// exchange is over, before the dialog applies the result.
//
// Closing (CLOSE, the hidden OK, the title bar's close box, Escape) first sends the commands that end what
// the radio is doing, then closes the port and gives it back. A close asked for during an exchange happens
// when the exchange is over.

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "ServiceLink.h"
#include "shared/PageContext.h"

class CServiceDlg : public QDialog {
    Q_OBJECT
public:
    // user names the dialog in the port-busy refusal: "the calibration dialog".
    CServiceDlg(SPageContext& context, const char* user, QWidget* parent);
    ~CServiceDlg() override;

    // Borrows the port and starts the service connection in the background; false (after saying why) when
    // another part of the program holds the port. The dialog closes itself when the port cannot be opened
    // or the radio refuses the status request.
    bool Open();
    bool IsExchanging() const { return m_Worker.joinable(); }
    // Lets a running exchange finish while events are handled (tests, and closing at the program's end).
    void WaitUntilIdle();
    bool IsConnected() const { return m_pLink != nullptr && m_pLink->m_bLinkOpen; }

    void done(int result) override;

    // Asked before the port opens, as before every transfer: why the port cannot be used (permission,
    // another program holding it), or empty. The machine's port survey; tests hand in their own.
    std::function<std::string(int com, const std::string& device)> m_CheckPort;

    QLabel* m_pStatus = nullptr;   // what the dialog is doing with the radio
    QPushButton* m_pOk = nullptr;  // hidden, as the default button
    QPushButton* m_pClose = nullptr;

protected:
    // The controls that act on the radio go into m_pBody; it is greyed during exchanges.
    QWidget* m_pBody = nullptr;
    QVBoxLayout* m_pBodyLayout = nullptr;

    // Runs work on a worker thread; then (on the UI thread, after the worker's messages) then.
    void Exchange(std::function<void(CServiceLink&)> work, std::function<void()> then = {});
    // One or more commands in a row; then gets the last one's result.
    void Send(std::vector<EServiceCommand> commands, std::function<void(const SCommandResult&)> then = {});
    void SendChannel(int channel);

    // The status record has been read (or not: status.m_bValid clear).
    virtual void OnOpened(const SRadioStatus& status) = 0;
    // The commands that end what runs on the radio, sent before the port closes.
    virtual std::vector<EServiceCommand> ClosingCommands() const { return {}; }
    // Destroyed without a close (the program ends): ends what runs on the radio and closes the port at once.
    // A dialog with closing commands calls it from its own destructor, while they can still be asked for.
    void EndNow();

    SPageContext& m_Ctx;
    CDataRadioDoc& m_Doc;
    SWindowState& m_State;

private:
    void SetExchanging(bool on);
    void OnExchangeDone(std::function<void()> then);
    void OnStarted(EServiceStart start);
    void FinishClose(int result);

    std::string m_strUser;
    QString m_strIdleStatus;      // the connection's state, shown between exchanges
    CRecordingSink m_WorkerSink;  // only the worker writes it; read after the join
    CLinkLease m_Lease;
    std::unique_ptr<CServiceLink> m_pLink;
    std::thread m_Worker;
    QPointer<QWidget> m_pFocus;  // where the keyboard was before an exchange greyed it
    int m_nPendingClose = -1;    // a close asked for during an exchange
    bool m_bClosing = false;
    bool m_bEnded = false;
};
