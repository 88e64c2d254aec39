#pragma once
// The modeless "Read/Write" window of a radio transfer: a status line, a bar that follows the image address
// (0-416), OK and Cancel. It closes itself after a success; after a failure it stays with its text until the
// user presses OK. Closing it while the transfer runs asks the transfer to stop instead.

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

class CProgressDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProgressDlg(QWidget* parent = nullptr);

    void SetStatus(const QString& text);
    // What happened and what to try, under the status line after a failure; empty hides it.
    void SetAdvice(const QString& text);
    // While running, OK waits and Cancel stops the transfer; afterwards OK closes and Cancel is greyed.
    void SetRunning(bool running);

    QLabel* m_pStatus = nullptr;
    QLabel* m_pAdvice = nullptr;
    QProgressBar* m_pBar = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bRunning = false;

signals:
    void CancelRequested();

protected:
    void reject() override;  // Escape and the close box
};
