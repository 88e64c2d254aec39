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

#include "BlockTransfer.h"
#include "EepromImage.h"
#include "RadioWrite.h"
#include "radio/ProgressDlg.h"
#include "shared/PageContext.h"

class CRadioTransfer : public QObject {
    Q_OBJECT
public:
    CRadioTransfer(SPageContext& context, CEepromImage& image, QWidget* dialogParent);
    ~CRadioTransfer() override;  // stops and joins a running worker

    // Opens (or focuses) the progress window and starts the transfer on the chosen port. Refused with a
    // message while another transfer or a service dialog holds the port. A write reads the radio first and
    // changes only the bits the configuration decides (ImageMerge.h); a radio of another model, or a backup
    // that cannot be kept, is asked about before anything is written.
    void Start(bool write);
    // A write of the plan's whole image, the radio's own bytes reset: asked before anything is sent.
    void StartWholeImageWrite();
    // Reads the radio without touching the record or the images (kept as a backup and logged like every
    // read); m_LastRadio holds it when RadioRead reports success.
    void StartLook();
    // Sends backup as it stands (only byte 16 follows the firmware), reads the radio back and compares; logs
    // a "restore" line naming backupName. The radio was read just before (StartLook): no read of its own.
    void StartRestore(const CImageBytes& backup, const std::string& backupName);
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
    // file of what the radio held before a write (the radio is read first either way). Every successful
    // read keeps a backup anyway.
    bool m_bVerify = true;
    bool m_bBackupBeforeWrite = true;
    std::string m_strLastBackup;  // the path of the newest backup, empty when none was kept
    std::string m_strPlanPath;    // the settings file last loaded or saved, for the transfer log
    std::string m_strLastTrace;   // where the trace of the last failed transfer was kept

    CImageBytes m_LastRadio{};     // what the radio held after the last StartLook or StartRestore
    std::string m_strLastFailure;  // the last transfer's failure text, empty after a success
    std::string m_strLastNote;     // what the last write said of the radio's own bytes
    QPointer<CProgressDlg> m_pProgress;
    bool m_bLastOk = false;
    ETransferEnd m_LastEnd = ETransferEnd::Done;

signals:
    void Finished(bool write, bool ok);  // a read or write of the configuration
    void RadioRead(bool ok);             // StartLook
    void Restored(bool ok);              // StartRestore
    void Done();                         // after every one of them

private:
    enum class EJob { Read, Write, Look, Restore };
    struct SOutcome {
        EJob m_Job = EJob::Read;
        bool m_bOk = false;
        ETransferEnd m_End = ETransferEnd::Done;
        std::string m_strFailure;
        CImageBytes m_Bytes{};   // what went out, or what came in
        CImageBytes m_Before{};  // what the radio held before a write, when a backup was asked for
        bool m_bHaveBefore = false;
        bool m_bKeptOwn = false;             // the radio's own bytes were kept in what went out
        std::vector<std::string> m_Notices;  // the radio's own values the write changed
        bool m_bWriteBegan = false;          // blocks went to the radio (not stopped at the read first)
        bool m_bVerifyFailed = false;        // written, then read back wrong or not at all
        EWriteStep m_Step = EWriteStep::ReadFirst;  // where a write ended
        bool m_bKeepBackupFile = true;              // a write keeps a backup file of what the radio held
        bool m_bModelAccepted = false;              // the user chose to write over a radio of another model
        std::string m_strBackupPort;                // the port's part of the backup's name
        std::string m_strBackup;                    // where m_Before was kept, before the write began
        int m_nVersion = -1;
        STransferFailure m_Failure;
        double m_dSeconds = 0.0;
    };

    // On the worker: the write of RadioWrite.h. plan: the configuration's model and sub-band, copied for the
    // worker; a radio read first that holds another model writes nothing.
    static void RunWrite(CBlockTransfer& transfer, SOutcome& job, const SRadioWrite& write,
                         const CDataRadioDoc& plan, const std::function<void(const std::string&)>& status);
    void Start(bool write, bool wholeImage);
    // After a write stopped at the model check or at its backup: asks whether to go on, and goes on (with
    // the radio's image already read) when the user says so. True when it went on.
    bool GoOnAfterRefusal(const SOutcome& outcome);
    // Borrows the port and starts the worker for job; false when refused (said).
    bool Launch(SOutcome job, const SRadioWrite& write, const CDataRadioDoc& plan, const QString& what);
    void KeepBackup(const CImageBytes& image, const QString& what);
    // What a failure leaves: the advice under the status line and the serial trace, kept and named.
    void ReportFailure(const SOutcome& outcome);
    void LogTransfer(const SOutcome& outcome, const std::string& backup);
    // "Written and verified: KV310 UHF U1 on COM22, 12.7 s"
    QString SuccessText(bool write, const SOutcome& outcome) const;

    void ShowProgressWindow();
    STransferHooks WorkerHooks();
    void OnWorkerDone(const SOutcome& outcome);
    // Runs f on the UI thread, later; dropped if this object is gone by then.
    void Post(std::function<void()> f);

    SPageContext& m_Ctx;
    CEepromImage& m_Image;
    QWidget* m_pDialogParent;
    CLinkLease m_Lease;
    std::thread m_Worker;
    std::string m_strRestoreName;  // the path of the backup a running restore sends
    SRadioWrite m_LastWrite;       // what the running (or last) write sends, to go on after a question
};
