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

    void SetStatus(const QString& text);
    // What happened and what to try, under the status line after a failure; empty hides it. tracePath: the
    // file the serial trace was kept in, shown as a link to its folder; empty shows none.
    void SetAdvice(const QString& text, const QString& tracePath = QString());
    // While running, OK waits and Cancel stops the transfer; afterwards OK closes and Cancel is greyed.
    void SetRunning(bool running);

    QLabel* m_pStatus = nullptr;
    QLabel* m_pAdvice = nullptr;
    QLabel* m_pTrace = nullptr;  // "The serial trace of this transfer is kept in <path>"
    QProgressBar* m_pBar = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bRunning = false;
    // Opens a folder in the desktop's file manager; tests see which.
    std::function<void(const QString& folder)> m_OpenFolder;

signals:
    void CancelRequested();

protected:
    void reject() override;  // Escape and the close box

private:
    // Gives the window the height its wrapped texts need at its width.
    void FitToText();
};
