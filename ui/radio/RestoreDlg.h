#pragma once
// Program > "Restore Radio from Backup...": lists the backups kept of radios, newest first, with what the
// transfer log says of each (time, port, adapter serial, model and sub-band, firmware). Compare reads the
// radio and lists the fields the chosen backup would change; Restore asks, sends the backup as it stands,
// reads the radio back, compares it with the backup and logs a "restore" line. The transfers run through
// the window's own CRadioTransfer, so the progress window, Cancel and the failure advice are the usual ones.

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <string>
#include <vector>

#include "EepromImage.h"
#include "radio/RadioTransfer.h"
#include "shared/PageContext.h"

class QSpinBox;

class CRestoreDlg : public QDialog {
    Q_OBJECT
public:
    // One backup the list offers.
    struct SBackupRow {
        std::string m_strPath;
        std::string m_strTime;  // "2026-12-07 15:03:22"
        std::string m_strPort;
        std::string m_strAdapterSerial;
        std::string m_strModel;
        std::string m_strFirmware;
        std::string m_strOrigin;  // the log's verb of the transfer that kept it: read, write, fleet-write...
        std::string m_strChannels;  // its first programmed channels' RX frequencies, to tell radios apart
    };

    CRestoreDlg(SPageContext& context, CRadioTransfer& transfer, QWidget* parent = nullptr);

    // The backups of folder, newest first, with the details of the transfer log's lines that name them (a
    // backup without a line gets its time and port from its name and its model from its bytes).
    static std::vector<SBackupRow> ListBackups(const std::string& folder,
                                               const std::vector<std::string>& log);

    // Fills the list again from the backup folder and the transfer log.
    void Refill();
    // Reads the radio and lists what the chosen backup would change.
    void OnCompare();
    // Asks, then restores the chosen backup (after a Compare of it).
    void OnRestore();
    // Asks, then removes the backups last read more than m_pPruneDays days ago (never the one a restore is
    // sending), says how many and logs each.
    void OnPrune();

    QTableWidget* m_pList = nullptr;
    QPlainTextEdit* m_pChanges = nullptr;
    QLabel* m_pResult = nullptr;
    QPushButton* m_pCompare = nullptr;
    QPushButton* m_pRestore = nullptr;
    QPushButton* m_pClose = nullptr;
    QSpinBox* m_pPruneDays = nullptr;
    QPushButton* m_pPrune = nullptr;
    std::vector<SBackupRow> m_Rows;

protected:
    // Escape and the close box while a compare or a restore runs: the dialog stays to show how it ended.
    void reject() override;

private:
    void OnRadioRead(bool ok);
    void AskAndRestore();  // after the read Restore asked for
    void OnRestored(bool ok);
    void OnSelectionChanged();
    // The chosen row's 416 bytes; false (said) when it cannot be read or is not 416 bytes.
    bool ChosenBackup(CImageBytes& bytes);

    SPageContext& m_Ctx;
    CRadioTransfer& m_Transfer;
    int m_nComparedRow = -1;                 // the row the radio was last compared with
    bool m_bRestoreAfterRead = false;        // Restore was pressed: the radio is read again, then asked about
    std::vector<std::string> m_Calibration;  // the radio's calibration bytes the backup would change
    CImageBytes m_Backup{};
    bool m_bModelDiffers = false;
    std::string m_strMismatch;
    int m_nFieldsChanged = 0;
};
