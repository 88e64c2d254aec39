#pragma once
// Runs a radio read or write for the application without freezing it. The UI thread encodes the record and
// hands a private copy of the 416 bytes to a worker thread, which only moves bytes and posts its status,
// progress, firmware version and PLL IC back; when the worker is done the UI thread takes the result: after a
// complete read it stores the image and decodes it into the record. Nothing but the UI thread touches the
// record or the image buffers.

#include <QObject>
#include <QPointer>
#include <functional>
#include <thread>

#include "EepromImage.h"
#include "ImageTransfer.h"
#include "radio/ProgressDlg.h"
#include "shared/PageContext.h"

class CRadioTransfer : public QObject {
    Q_OBJECT
public:
    CRadioTransfer(CPageContext& context, CEepromImage& image, QWidget* dialogParent);
    ~CRadioTransfer() override;  // stops and joins a running worker

    // Opens (or focuses) the progress window and starts the transfer on the chosen port. Refused with a
    // message while another transfer or a service dialog holds the port.
    void Start(bool write);
    bool IsRunning() const { return m_Worker.joinable(); }
    // Asks the worker to stop before its next block; the window says so when it has.
    void Cancel();
    // Lets the worker finish (or stop, after Cancel) while the window keeps painting.
    void WaitUntilDone();

    // Lays the EEPROM window's pending byte edits over the freshly encoded image before a write.
    std::function<void(CEepromImage& image)> m_ApplyMapChanges;
    // Fills the EEPROM map from the working image after a read replaced it.
    std::function<void()> m_FillMap;

    // Program menu options: read the radio back after a write and compare (on by default), and keep a backup
    // of what the radio held before a write. Every successful read keeps a backup anyway.
    bool m_bVerify = true;
    bool m_bBackupBeforeWrite = false;
    std::string m_strLastBackup;  // the path of the newest backup, empty when none was kept
    std::string m_strPlanName;    // the settings file last loaded or saved, for the transfer log
    std::string m_strLastTrace;   // where the trace of the last failed transfer was kept

    QPointer<CProgressDlg> m_pProgress;
    bool m_bLastOk = false;
    ETransferEnd m_LastEnd = ETransferEnd::Done;

signals:
    void Finished(bool write, bool ok);

private:
    struct SOutcome {
        bool m_bOk = false;
        ETransferEnd m_End = ETransferEnd::Done;
        std::string m_strFailure;
        CImageBytes m_Bytes{};   // what went out, or what came in
        CImageBytes m_Before{};  // what the radio held before a write, when a backup was asked for
        bool m_bHaveBefore = false;
        std::string m_strBackup;  // where m_Before was kept, before the write began
        int m_nVersion = -1;
        STransferFailure m_Failure;
        double m_dSeconds = 0.0;
    };

    // Lists what in the record would not reach the radio as it stands; true when the write may go on.
    bool ConfirmCheck();
    // plan: the configuration's model and sub-band, copied for the worker; a backup read that finds another
    // model in the radio writes nothing, and neither does a backup that cannot be kept (a full disk).
    // backupPort names the port in the backup's file name.
    static void RunWrite(CImageTransfer& transfer, SOutcome& job, bool verify, bool backupFirst,
                         const CDataRadioDoc& plan, const std::string& backupPort);
    void KeepBackup(const CImageBytes& image, const QString& what);
    // What a failure leaves: the advice under the status line and the serial trace, kept and named.
    void ReportFailure(const SOutcome& outcome);
    void LogTransfer(bool write, const SOutcome& outcome, const std::string& backup);

    void ShowProgressWindow();
    CTransferHooks WorkerHooks();
    void OnWorkerDone(bool write, const SOutcome& outcome);
    // Runs f on the UI thread, later; dropped if this object is gone by then.
    void Post(std::function<void()> f);

    CPageContext& m_Ctx;
    CEepromImage& m_Image;
    QWidget* m_pDialogParent;
    CLinkLease m_Lease;
    std::thread m_Worker;
};
