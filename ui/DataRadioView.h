#pragma once
// The main form: model, band and version across the top, the option sheet below. It receives every command of
// the menus and the toolbar and keeps the form in step with the settings record.

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DataRadioDoc.h"
#include "MessageSink.h"
#include "MySheet.h"
#include "SerialPort.h"

class CMainFrame;
class QPrinter;

constexpr const char* kMsgClearFrequencies =
    "All frequencies will be cleared.\r\n\r\nDo you want to continue?";
constexpr const char* kMsgSaveChanges =
    "The settings have changed since they were last loaded or saved.\r\n\r\nDo you want to save them?";
constexpr const char* kOpenFilter = "Data Files (*.dat *.DAT);;KV110 Files (*.UHF *.VHF *.uhf *.vhf)";
constexpr const char* kSaveFilter = "Data Files (*.dat *.DAT)";

class CDataRadioView : public QWidget {
    Q_OBJECT
public:
    CDataRadioView(CDataRadioDoc& doc, CMessageSink& sink, CMainFrame& frame, QWidget* parent = nullptr);
    ~CDataRadioView() override;

    // Runs once after the frame exists: builds the sheet, reads the port file, resets the record, fills the
    // form and the Port menu, and leaves the Channel page in front.
    void OnInitialUpdate();
    // Loads a settings file named on the command line, as the Load command would.
    void OpenStartupFile(const std::string& path);

    // Commands
    void OnModelSelect();
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnViewChannel();
    void OnViewModem();
    void OnViewSystem();
    void OnViewEeprom();
    void OnReadRadio();
    void OnWriteRadio();
    void OnSquelch();
    void OnCalibration();
    void OnBandChange(int index);
    void OnPllIcChange(int index);

    // Operations the commands share
    void ShowPage(int index);
    void RefreshPages();
    void RefreshHeader();
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
    // Asks whether to save unsaved changes; false when the window must stay open.
    bool QueryClose();

    // Where the dialogs come from; tests answer them without opening windows.
    std::function<std::string()> m_ChooseOpenPath;
    std::function<std::string()> m_ChooseSavePath;
    std::function<int()> m_RunModelSelect;            // the chosen catalogue row, -1 when closed without one
    std::function<bool(QPrinter&)> m_RunPrintDialog;  // false when cancelled
    bool m_bModelSelectAtFirstPaint = true;

    CDataRadioDoc& m_Doc;
    CMessageSink& m_Sink;
    CMainFrame& m_Frame;
    QString m_strModel;
    QString m_strVersion;
    QLineEdit* m_pModelField = nullptr;
    QLineEdit* m_pVersionField = nullptr;
    QComboBox* m_cbBand = nullptr;
    QComboBox* m_cbPllIc = nullptr;
    QLabel* m_pPllIcLabel = nullptr;
    QFrame* m_pPlaceholder = nullptr;
    CMySheet* m_pSheet = nullptr;
    CSerialPort m_Serial;  // the one serial port every radio link uses; opened per transfer
    std::vector<uint8_t> m_CleanBytes;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildForm();
    void ReloadReadyPages();
    void SetBandList(int selected);
    bool m_bFillingBandList = false;
};
