#pragma once
// The main form: model, band and version across the top, the option sheet below. It receives every command of
// the menus and the toolbar and keeps the form in step with the settings record. It owns the link session
// (the one serial port) and the busy state, and hands both to the pages in their context. It knows nothing of
// the main window: it tells it about page changes, status texts and the busy state through signals.

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DataRadioDoc.h"
#include "LinkSession.h"
#include "MessageSink.h"
#include "TextMark.h"
#include "TracingPort.h"
#include "app/RecordHistory.h"
#include "pages/OptionSheet.h"
#include "shared/PageContext.h"

class QPrinter;
class CFleetDlg;

constexpr const char* kMsgClearFrequencies =
    KV310_TEXT("Messages", "All frequencies will be cleared.\r\n\r\nDo you want to continue?");
constexpr const char* kMsgSaveChanges = KV310_TEXT(
    "Messages",
    "The settings have changed since they were last loaded or saved.\r\n\r\nDo you want to save them?");
constexpr const char* kOpenFilter = "Data Files (*.dat *.DAT);;KV110 Files (*.UHF *.VHF *.uhf *.vhf)";
constexpr const char* kSaveFilter = "Data Files (*.dat *.DAT)";
constexpr const char* kMsgCancelTransferAndClose =
    KV310_TEXT("Messages",
               "A radio transfer is running.\r\n\r\nStop it and close the program? A write stopped now "
               "leaves the radio holding a partly written configuration until it is written again.");

class CMainForm : public QWidget {
    Q_OBJECT
public:
    // resolve turns the Port menu's COM numbers into devices (the program's simulated radio among them);
    // device is the port they are opened through, the serial driver when none is given.
    CMainForm(CDataRadioDoc& doc, CMessageSink& sink, CComResolver resolve, QWidget* parent = nullptr,
              std::unique_ptr<CRadioPort> device = nullptr);
    ~CMainForm() override;

    // Runs once after the frame exists: builds the sheet, reads the port file, resets the record, fills the
    // form and the Port menu, and leaves the Channel page in front.
    void StartWithFreshRecord();
    // Loads a settings file named on the command line, as the Load command would.
    void OpenStartupFile(const std::string& path);

    // Commands
    void OnModelSelect();
    void OnFileNew();
    void OnFileOpen();
    // Save writes to the plan's own file; a plan without one, and Save As, ask for a name first.
    bool OnFileSave();
    bool OnFileSaveAs();
    // The configuration as YAML text, and its differences from a .dat, .yaml or .bin file.
    void OnFileExportText();
    void OnFileCompare();
    void OnFileImportChirp();  // a CHIRP channel list into the channels
    void OnFileExportChirp();
    // The serial trace of the last transfer or service dialog, to a file.
    void OnSaveTrace();
    // The settings file the configuration was last loaded from or saved to, named in the transfer log.
    void SetPlanName(const std::string& path);
    // Program menu options of the radio write.
    void SetVerifyAfterWrite(bool on);
    void SetBackupBeforeWrite(bool on);
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnViewChannel();
    void OnViewModem();
    void OnViewSystem();
    void OnViewEeprom();
    void OnReadRadio();
    void OnWriteRadio();
    void OnWriteWholeImage();  // Program > Write Whole Image to Radio...
    void OnSquelch();
    void OnCalibration();
    void OnProgramFleet();  // the modeless "Program Several Radios" window
    void OnRestoreRadio();  // the modeless "Restore Radio from Backup" window
    void OnBandChange(int index);
    // Ctrl+Shift+T: the access code that unlocks or locks two-tone signalling.
    void OnTwoToneCondition();
    std::function<bool()> m_RunTwoToneCode;  // true when closed with ENABLE

    // Operations the commands share
    // Asks the page in front to commit what is typed in it, as leaving the field would; false when a field's
    // rule refused the entry and the command must not go on. Every command that reads or replaces the record
    // asks first.
    bool CommitPendingEdits();
    void ShowPage(int index);
    void RefreshPages();
    void RefreshHeader();
    // The firmware version of the radio the record came from; empty when it holds no radio's settings.
    void ShowRadioVersion(const QString& text);
    void RebuildMap(bool markChanges);
    void RefreshAfterLoad();
    // Reads a settings file (".dat", or any name but a KV110 one when anyName is set, as on the command line)
    // or imports a KV110 file with the model check.
    enum class ELoadResult { Unchanged, Loaded, Imported };
    ELoadResult LoadFile(const std::string& path, bool anyName);
    void ApplyModelSelection(int row);

    // Unsaved changes: the record's file bytes against those last loaded, saved or freshly reset.
    bool HasUnsavedChanges() const;
    void MarkClean();
    // A fresh undo history from the record as it is now, which counts as saved (New, Load).
    void StartHistory();
    // Asks whether to cancel a running transfer and whether to save unsaved changes; false when the window
    // must stay open.
    bool QueryClose();
    // Asks whether to save unsaved changes before they are replaced (New, Load, close); false when the user
    // cancelled or the save failed.
    bool SaveChangesFirst();
    bool IsBusy() const { return m_Busy.IsBusy(); }

    // Where the dialogs come from; tests answer them without opening windows.
    std::function<std::string()> m_ChooseOpenPath;
    std::function<std::string()> m_ChooseSavePath;    // Save As; empty when cancelled
    std::function<int()> m_RunModelSelect;            // the chosen catalogue row, -1 when closed without one
    std::function<bool(QPrinter&)> m_RunPrintDialog;  // false when cancelled
    std::function<std::string()> m_ChooseExportPath;
    std::function<std::string()> m_ChooseComparePath;
    std::function<std::string(bool save)> m_ChooseChirpPath;  // the CHIRP list to read or write
    std::function<std::string()> m_ChooseTracePath;
    std::function<void(const std::string& fileName, const std::vector<std::string>& differences)>
        m_ShowDifferences;
    bool m_bModelSelectAtFirstPaint = true;

    CDataRadioDoc& m_Doc;
    CMessageSink& m_Sink;
    SWindowState m_State;  // what the window keeps beside the record; pages reach it through m_Ctx
    CRecordHistory m_History{m_Doc};
    std::string m_strFilePath;         // the settings file loaded or saved last; empty for a new plan
    CTracingPort* m_pTrace = nullptr;  // around the serial port, owned by m_Link
    CLinkSession m_Link;               // the one serial port every radio link borrows; opened per transfer
    CBusyState m_Busy;
    SPageContext m_Ctx;
    int m_nCurPage = 0;
    QString m_strModel;
    QString m_strVersion;
    QLineEdit* m_pModelField = nullptr;
    QLineEdit* m_pVersionField = nullptr;
    QComboBox* m_cbBand = nullptr;
    QFrame* m_pPlaceholder = nullptr;
    COptionSheet* m_pSheet = nullptr;
    QPointer<CFleetDlg> m_pFleetDlg;  // made at first use, kept for its summary
    std::vector<uint8_t> m_CleanBytes;

signals:
    void PageShown(int index);             // the View menu and the toolbar follow it
    void StatusText(const QString& text);  // for the main window's status bar
    void BusyChanged(bool busy);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    template <typename TDialog>
    void RunServiceDialog();
    bool WriteTextFile(const std::string& path, const std::string& text, const QString& done);
    std::string AskChirpPath(bool save);
    void BuildForm();
    bool SaveTo(const std::string& path);
    void ReloadReadyPages();
    void SetBandList(int selected);
    void OnBusyChanged(bool busy);
    SViewSeams MakeSeams();
    bool m_bFillingBandList = false;
};
