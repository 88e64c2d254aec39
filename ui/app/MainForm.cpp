#include "app/MainForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "DataSheetPrinter.h"
#include "LegacyImport.h"
#include "PortFile.h"
#include "SerialPort.h"
#include "SettingsFile.h"
#include "dialogs/CompareDlg.h"
#include "dialogs/ModelSelectDlg.h"
#include "dialogs/TwoToneCodeDlg.h"
#include "radio/CalibrationDlg.h"
#include "radio/FleetDlg.h"
#include "radio/SquelchDlg.h"

namespace {

// The model field holds at most 10 characters.
constexpr int kModelFieldChars = 10;

QLabel* FormLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QCoreApplication::translate("CMainForm", text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLineEdit* ReadOnlyField(int width, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(width);
    return field;
}

}  // namespace

CMainForm::CMainForm(CDataRadioDoc& doc, CMessageSink& sink, CComResolver resolve, QWidget* parent,
                     std::unique_ptr<CRadioPort> device)
    : QWidget(parent),
      m_Doc(doc),
      m_Sink(sink),
      m_Link(
          [this, &device] {
              auto port =
                  std::make_unique<CTracedPort>(device ? std::move(device) : std::make_unique<CSerialPort>());
              m_pTrace = port.get();
              return port;
          }(),
          std::move(resolve)),
      m_Ctx{doc, m_State, sink, m_Link, m_Busy, {}} {
    m_Ctx.m_View = MakeSeams();
    m_Link.m_OnLend = [this] { m_pTrace->Clear(); };  // a trace holds one transfer or service dialog
    BuildForm();
    connect(&m_Busy, &CBusyState::Changed, this, &CMainForm::OnBusyChanged);
    m_ChooseOpenPath = [this] {
        return QFileDialog::getOpenFileName(this, tr("Load"), QString(), QString::fromLatin1(kOpenFilter))
            .toStdString();
    };
    m_ChooseSavePath = [this] {
        QFileDialog dialog(this, tr("Save As"), QString::fromStdString(m_strFilePath),
                           QString::fromLatin1(kSaveFilter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("dat"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0).toStdString()
                                                  : std::string();
    };
    m_RunModelSelect = [this] {
        CModelSelectDlg dialog(this);
        return dialog.exec() == QDialog::Accepted ? dialog.m_nModel : -1;
    };
    m_ChooseExportPath = [this] {
        QFileDialog dialog(this, tr("Export as Text"), QString(), tr("Text configuration (*.yaml *.yml)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("yaml"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0).toStdString()
                                                  : std::string();
    };
    m_ChooseChirpPath = [this](bool save) { return AskChirpPath(save); };
    m_ChooseComparePath = [this] {
        return QFileDialog::getOpenFileName(
                   this, tr("Compare with File"), QString(),
                   tr("Configurations (*.dat *.DAT *.yaml *.yml *.bin);;All files (*)"))
            .toStdString();
    };
    m_ChooseTracePath = [this] {
        QFileDialog dialog(this, tr("Save Serial Trace"), QString(), tr("Serial traces (*.txt *.trace)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0).toStdString()
                                                  : std::string();
    };
    m_ShowDifferences = [this](const std::string& fileName, const std::vector<std::string>& differences) {
        CCompareDlg dialog(fileName, differences, this);
        dialog.exec();
    };
    m_RunTwoToneCode = [this] {
        CTwoToneCodeDlg dialog(m_Doc, m_State, m_Sink, this);
        return dialog.exec() == QDialog::Accepted;
    };
    auto* twoTone = new QAction(tr("Enable two-tone"), this);
    twoTone->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    twoTone->setShortcutContext(Qt::WindowShortcut);
    connect(twoTone, &QAction::triggered, this, &CMainForm::OnTwoToneCondition);
    addAction(twoTone);
    m_RunPrintDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        return dialog.exec() == QDialog::Accepted;
    };
}

CMainForm::~CMainForm() {
    // The chosen port survives to the next start; a failure here has nobody left to tell.
    SavePortSetting(m_State.m_nComPort);
    delete m_pFleetDlg;  // its workers and port lease go before the link session they borrow from
    // The history's undo stack says "changed" as it clears itself, and the title it updates asks the form
    // for its saved bytes, which by then are freed: nobody listens to a history that is going away.
    m_History.blockSignals(true);
    m_History.m_Stack.blockSignals(true);
}

void CMainForm::BuildForm() {
    auto* layout = new QVBoxLayout(this);
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(8);
    m_pModelField = ReadOnlyField(130, this);
    m_cbBand = new QComboBox(this);
    m_cbBand->setMinimumWidth(200);
    m_pVersionField = ReadOnlyField(110, this);

    header->addWidget(FormLabel(QT_TR_NOOP("# MODEL :"), this), 0, 0);
    header->addWidget(m_pModelField, 0, 1);
    header->addWidget(FormLabel(QT_TR_NOOP("# BAND :"), this), 0, 2);
    header->addWidget(m_cbBand, 0, 3);
    header->addWidget(FormLabel(QT_TR_NOOP("# VERSION :"), this), 0, 4);
    header->addWidget(m_pVersionField, 0, 5);
    header->setColumnStretch(6, 1);
    layout->addLayout(header);

    m_pPlaceholder = new QFrame(this);
    m_pPlaceholder->setFrameShape(QFrame::NoFrame);
    layout->addWidget(m_pPlaceholder, 1);

    connect(m_cbBand, &QComboBox::currentIndexChanged, this, &CMainForm::OnBandChange);
}

SViewSeams CMainForm::MakeSeams() {
    SViewSeams seams;
    seams.RefreshPages = [this] { RefreshPages(); };
    // The EEPROM page shows a transfer's bytes itself (a read's image, a write's marks).
    seams.RefreshAfterLoad = [this] { RefreshAfterLoad(); };
    seams.RebuildMap = [this](bool markChanges) { RebuildMap(markChanges); };
    seams.ShowVersion = [this](const QString& text) { ShowRadioVersion(text); };
    seams.ShowStatus = [this](const QString& text) { emit StatusText(text); };
    seams.CommitPendingEdits = [this] { return CommitPendingEdits(); };
    return seams;
}

void CMainForm::ShowRadioVersion(const QString& text) {
    m_strVersion = text;
    m_pVersionField->setText(text);
}

void CMainForm::OnBusyChanged(bool busy) {
    // The record stays as the transfer found it until the transfer is over.
    m_cbBand->setEnabled(!busy);
    if (m_pSheet != nullptr) {
        m_pSheet->setEnabled(!busy);
    }
    emit BusyChanged(busy);
}

void CMainForm::StartWithFreshRecord() {
    m_pSheet = new COptionSheet(m_Ctx, m_pPlaceholder);
    auto* sheetLayout = new QVBoxLayout(m_pPlaceholder);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->addWidget(m_pSheet);

    LoadPortSetting(m_State.m_nComPort);
    m_Doc.m_nPllIc = 0;

    m_pSheet->m_pChannelPage->RefreshFromRecord(false);
    m_Doc.ResetToDefaults();
    m_State.ForgetRecord();
    if (m_State.m_bSystemPageReady) {
        m_Doc.m_nReserved3 = 0;
    }
    ReloadReadyPages();
    RefreshHeader();

    // The EEPROM page is built once now so its map exists; the Channel page is what the user sees first.
    ShowPage(kPageEeprom);
    RebuildMap(false);
    ShowPage(kPageChannel);
    StartHistory();
}

void CMainForm::OpenStartupFile(const std::string& path) {
    const ELoadResult result = LoadFile(path, true);
    m_pSheet->m_pChannelPage->RefreshFromRecord(false);
    ReloadReadyPages();
    m_State.m_bFileLoaded = 1;
    RefreshAfterLoad();
    RebuildMap(true);
    if (result == ELoadResult::Loaded) {
        StartHistory();
    } else if (result == ELoadResult::Imported) {
        m_History.Record(tr("Import KV110 File"));
    }
    if (result != ELoadResult::Unchanged) {
        // The file names its model; choosing one would throw the file away again.
        m_bModelSelectAtFirstPaint = false;
    }
}

void CMainForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    ++m_State.m_nDrawCount;
    if (m_State.m_nDrawCount == 1 && m_bModelSelectAtFirstPaint) {
        // Not from inside the paint: the dialog runs its own event loop.
        QTimer::singleShot(0, this, &CMainForm::OnModelSelect);
    }
}

void CMainForm::OnModelSelect() {
    // A model choice starts a new plan, so it asks about unsaved changes first, as New and Load do.
    if (m_Busy.Refuse(m_Sink) || !SaveChangesFirst()) {
        return;
    }
    const int row = m_RunModelSelect ? m_RunModelSelect() : -1;
    if (IsOfferedModel(row)) {
        ApplyModelSelection(row);
    }
}

void CMainForm::ApplyModelSelection(int row) {
    m_Doc.m_nModel = row;
    m_Doc.ResetToDefaults();
    m_State.ForgetRecord();
    if (m_State.m_bModemPageReady) {
        // The KV330 rules depend on the previous pass, so they run twice.
        const int passes = row == kModelKv330Vhf || row == kModelKv330Uhf ? 2 : 1;
        for (int i = 0; i < passes; ++i) {
            m_pSheet->m_pModemPage->ApplyModemRules();
            m_pSheet->m_pModemPage->RefreshFromRecord();
        }
    }
    RefreshHeader();
    m_Doc.ResetToDefaults();
    m_State.ForgetRecord();
    RefreshPages();
    ShowPage(kPageEeprom);
    RebuildMap(false);

    ShowPage(kPageChannel);
    m_State.m_bTwoToneCodeOk = 0;
    m_Doc.m_nSubBand = 0;
    SetBandList(0);
    m_pSheet->m_pChannelPage->ShowScanColumn();
    m_strFilePath.clear();
    ShowRadioVersion(QString());  // a fresh plan, no radio's
    m_History.Record(tr("Model Select"));
    MarkClean();
}

void CMainForm::OnFileNew() {
    if (m_Busy.Refuse(m_Sink) || !SaveChangesFirst()) {
        return;
    }
    m_Doc.ResetToDefaults();
    m_State.ForgetRecord();
    m_State.m_bNewPending = 1;
    RefreshPages();
    m_pSheet->m_pChannelPage->UpdateOptionButtons();
    ShowPage(kPageEeprom);
    RebuildMap(false);
    m_strFilePath.clear();
    StartHistory();
}

void CMainForm::OnFileOpen() {
    if (m_Busy.Refuse(m_Sink) || !SaveChangesFirst()) {
        return;
    }
    const std::string path = m_ChooseOpenPath ? m_ChooseOpenPath() : std::string();
    const ELoadResult result = path.empty() ? ELoadResult::Unchanged : LoadFile(path, false);
    m_pSheet->m_pChannelPage->RefreshFromRecord(false);
    ReloadReadyPages();
    m_State.m_bFileLoaded = 1;
    RefreshAfterLoad();
    RebuildMap(true);
    if (result == ELoadResult::Loaded) {
        StartHistory();
    } else if (result == ELoadResult::Imported) {
        m_History.Record(tr("Import KV110 File"));  // into the open plan, which stays unsaved
    }
}

CMainForm::ELoadResult CMainForm::LoadFile(const std::string& path, bool anyName) {
    const EFileKind kind = FileKindOf(path);
    if (kind == EFileKind::LegacyUhf || kind == EFileKind::LegacyVhf) {
        // An imported configuration is not saved anywhere yet.
        if (!ImportLegacyFile(m_Doc, path, m_Sink)) {
            return ELoadResult::Unchanged;
        }
        m_State.ForgetRecord();
        return ELoadResult::Imported;
    }
    if (kind != EFileKind::Settings && !anyName) {
        return ELoadResult::Unchanged;
    }
    bool accepted = false;
    if (!LoadSettingsForItsModel(m_Doc, path, m_Sink, &accepted) || !accepted) {
        return ELoadResult::Unchanged;
    }
    m_State.ForgetRecord();
    m_strFilePath = path;
    SetPlanName(path);
    return ELoadResult::Loaded;
}

void CMainForm::OnFilePrint() {
    if (!CommitPendingEdits()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!m_RunPrintDialog || !m_RunPrintDialog(printer)) {
        return;
    }
    std::string error;
    if (!PrintDataSheet(m_Doc, printer, &error)) {
        m_Sink.ShowMessage(error);
    }
}

void CMainForm::OnFilePrintPreview() {
    if (!CommitPendingEdits()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QString::fromStdString(DataSheetJobName(m_Doc)));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintDataSheet(m_Doc, *target, nullptr); });
    preview.exec();
}

void CMainForm::OnViewChannel() {
    ShowPage(kPageChannel);
    if (m_Doc.m_bModemFfsk && m_Doc.m_bModem) {
        m_pSheet->m_pChannelPage->DisableTxDelay();
    } else {
        m_pSheet->m_pChannelPage->EnableTxDelay();
    }
}

void CMainForm::OnViewModem() {
    ShowPage(kPageModem);
}

void CMainForm::OnViewSystem() {
    ShowPage(kPageSystem);
}

void CMainForm::OnViewEeprom() {
    ShowPage(kPageEeprom);
    RebuildMap(true);
}

void CMainForm::OnReadRadio() {
    if (!CommitPendingEdits()) {
        return;
    }
    m_pSheet->m_pEepromPage->ReadWithProgress();
}

void CMainForm::OnWriteRadio() {
    if (!CommitPendingEdits()) {
        return;
    }
    m_pSheet->m_pEepromPage->WriteWithProgress();
}

void CMainForm::OnWriteWholeImage() {
    if (!CommitPendingEdits()) {
        return;
    }
    m_pSheet->m_pEepromPage->WriteWholeImageWithProgress();
}

// A service dialog runs only while no transfer does, and only once its port is open.
template <typename TDialog>
void CMainForm::RunServiceDialog() {
    if (m_Busy.Refuse(m_Sink)) {
        return;
    }
    TDialog dialog(m_Ctx, this);
    if (dialog.Open()) {
        dialog.exec();
    }
}

void CMainForm::OnSquelch() {
    RunServiceDialog<CSquelchDlg>();
}

void CMainForm::OnCalibration() {
    RunServiceDialog<CCalibrationDlg>();
}

void CMainForm::OnProgramFleet() {
    if (!CommitPendingEdits()) {
        return;
    }
    if (m_pFleetDlg == nullptr) {
        m_pFleetDlg = new CFleetDlg(m_Ctx, this);
    }
    m_pFleetDlg->m_strPlanPath = m_pSheet->m_pEepromPage->m_pTransfer->m_strPlanPath;
    m_pFleetDlg->show();
    m_pFleetDlg->raise();
    m_pFleetDlg->activateWindow();
}

void CMainForm::OnBandChange(int index) {
    if (m_bFillingBandList || index < 0 || index == m_Doc.m_nSubBand) {
        return;
    }
    if (m_Busy.Refuse(m_Sink)) {
        SetBandList(m_Doc.m_nSubBand);
        return;
    }
    const bool anyFrequency = std::any_of(m_Doc.m_Channel.begin(), m_Doc.m_Channel.end(), [](const auto& ch) {
        return ch.m_dRxFreq != 0.0 || ch.m_dTxFreq != 0.0;
    });
    if (anyFrequency && !m_Sink.AskYesNo(kMsgClearFrequencies)) {
        SetBandList(m_Doc.m_nSubBand);
        return;
    }
    m_Doc.m_nSubBand = static_cast<uint8_t>(index);
    for (CChannelData& channel : m_Doc.m_Channel) {
        channel.m_dRxFreq = 0.0;
        channel.m_dTxFreq = 0.0;
    }
    ShowPage(kPageChannel);
    m_pSheet->m_pChannelPage->RefreshFromRecord(false);
}

void CMainForm::OnTwoToneCondition() {
    if (m_Busy.Refuse(m_Sink)) {
        return;
    }
    const bool enabled = m_RunTwoToneCode && m_RunTwoToneCode();
    if (!enabled) {
        // DISABLE may have taken two-tone off channels.
        m_pSheet->m_pChannelPage->RefreshFromRecord(false);
    }
    emit StatusText(m_State.m_bTwoToneLocked ? tr("Two-tone signalling is locked.")
                                             : tr("Two-tone signalling is unlocked."));
}

void CMainForm::ShowPage(int index) {
    m_nCurPage = index;
    m_pSheet->SetActivePage(index);
    emit PageShown(index);
}

void CMainForm::ReloadReadyPages() {
    if (m_State.m_bSystemPageReady) {
        m_pSheet->m_pSystemPage->RefreshFromRecord();
    }
    if (m_State.m_bModemPageReady) {
        m_pSheet->m_pModemPage->RefreshFromRecord();
    }
}

void CMainForm::RefreshPages() {
    m_pSheet->m_pChannelPage->RefreshFromRecord(false);
    if (m_State.m_bSystemPageReady) {
        m_Doc.m_nReserved3 = 0;
        m_pSheet->m_pSystemPage->RefreshFromRecord();
    }
    if (m_State.m_bModemPageReady) {
        m_pSheet->m_pModemPage->RefreshFromRecord();
    }
}

void CMainForm::SetBandList(int selected) {
    m_bFillingBandList = true;
    m_cbBand->clear();
    for (const std::string& text : SubBandListTexts(m_Doc.CurrentBand())) {
        m_cbBand->addItem(QString::fromStdString(text));
    }
    m_cbBand->setCurrentIndex(selected < m_cbBand->count() ? selected : -1);
    m_bFillingBandList = false;
}

void CMainForm::RefreshHeader() {
    SetBandList(m_Doc.m_nSubBand);
    m_strModel = QString::fromStdString(m_Doc.CurrentBand().m_strTitle).left(kModelFieldChars);
    m_pModelField->setText(m_strModel);
    m_pVersionField->setText(m_strVersion);
}

void CMainForm::RebuildMap(bool markChanges) {
    m_pSheet->m_pEepromPage->RefreshMap(markChanges ? 1 : 0);
}

void CMainForm::RefreshAfterLoad() {
    if (!m_State.m_bFileLoaded) {
        return;
    }
    m_State.m_bFileLoaded = 0;
    m_pSheet->m_pChannelPage->RefreshFromRecord(true);
    ReloadReadyPages();
    RefreshHeader();
}

bool CMainForm::QueryClose() {
    if (!CommitPendingEdits()) {
        return false;
    }
    if (m_pFleetDlg != nullptr && m_pFleetDlg->IsRunning()) {
        if (!m_Sink.AskYesNo(kMsgCancelTransferAndClose)) {
            return false;
        }
        m_pFleetDlg->Cancel();
        m_pFleetDlg->WaitUntilDone();
    }
    CRadioTransfer& transfer = *m_pSheet->m_pEepromPage->m_pTransfer;
    if (transfer.IsRunning()) {
        if (!m_Sink.AskYesNo(kMsgCancelTransferAndClose)) {
            return false;
        }
        transfer.Cancel();
        transfer.WaitUntilDone();
    }
    return SaveChangesFirst();
}
