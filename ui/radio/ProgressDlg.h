#pragma once
// The modeless "Read/Write" window of a radio transfer: a status line, a bar that follows the image address
// (0-416), OK and Cancel. It closes itself after a success; after a failure it stays with its text until the
// user presses OK. Closing it while the transfer runs asks the transfer to stop instead.
//
// Every text is shown whole: the window grows to the height its wrapped lines need, and the serial trace
// of a failure is a link that opens the folder it is kept in.

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <functional>

class CProgressDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProgressDlg(QWidget* parent = nullptr);
    // "Stop the write now? The radio will hold a partly written configuration ..."
    static QString StopQuestion();

    void SetStatus(const QString& text);
    // What happened and what to try, under the status line after a failure; empty hides it. tracePath: the
    // file the serial trace was kept in, shown as a link to its folder; empty shows none.
    void SetAdvice(const QString& text, const QString& tracePath = QString());
    // While running, OK waits and Cancel stops the transfer; afterwards OK closes and Cancel is greyed.
    // While a transfer runs no button is the default, so a reflex Return stops nothing; a write (writing)
    // is stopped, by Cancel or Escape, only once the user has said so (m_ConfirmStop).
    void SetRunning(bool running, bool writing = false);
    // The bar at an image address; a failed or cancelled transfer's last move to 0 is undone by
    // ShowWhereItStopped, so the bar shows how far it got.
    void SetProgress(int address);
    void ShowWhereItStopped();

    QLabel* m_pStatus = nullptr;
    QLabel* m_pAdvice = nullptr;
    QLabel* m_pTrace = nullptr;  // "The serial trace of this transfer is kept in <path>"
    QProgressBar* m_pBar = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bRunning = false;
    bool m_bWriting = false;
    int m_nReached = 0;  // the bar's last value above 0 in this transfer
    // Asks whether to stop a write half-way; true stops it. Tests answer it.
    std::function<bool()> m_ConfirmStop;
    // Opens a folder in the desktop's file manager; tests see which.
    std::function<void(const QString& folder)> m_OpenFolder;

signals:
    void CancelRequested();

protected:
    void reject() override;  // Escape and the close box

private:
    // Cancel's and Escape's request: asked first for a write.
    void AskToStop();
    // Gives the window the height its wrapped texts need at its width.
    void FitToText();
};
