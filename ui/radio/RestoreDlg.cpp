#include "radio/RestoreDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "Backup.h"
#include "ConfigCheck.h"
#include "ConfigDiff.h"
#include "FileIo.h"
#include "Format.h"
#include "ImageMeaning.h"
#include "ImageMerge.h"
#include "RadioWrite.h"
#include "Retention.h"
#include "TransferLog.h"
#include "TransferRecord.h"
#include "radio/TransferHistoryDlg.h"
#include "widgets/AccessibleText.h"

namespace {

namespace fs = std::filesystem;

enum EColumn {
    kColTime,
    kColPort,
    kColSerial,
    kColModel,
    kColFirmware,
    kColOrigin,
    kColChannels,
    kColFile,
    kColColumns
};
constexpr int kChannelsNamed = 3;  // enough to tell two radios of one model apart
constexpr size_t kLogTime = 0, kLogVerb = 2, kLogPort = 3, kLogSerial = 4, kLogFirmware = 5, kLogBackup = 11;
constexpr int kChangesShown = 40;  // a longer list is cut, with a count of the rest
constexpr int kDefaultPruneDays = 365;
constexpr int kMaxPruneDays = 36500;

bool ReadImageFile(const std::string& path, CImageBytes& image) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kImageSize + 1) || bytes.size() != static_cast<size_t>(kImageSize)) {
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

// "KV310 UHF U1": the model and, where it has more than one, the sub-band.
std::string ModelAndSubBand(const CDataRadioDoc& doc) {
    std::string text = ModelLogName(doc);
    const int row = doc.m_nModel;
    if (IsOfferedModel(row) && ModelCatalogue()[row].m_nSubBands > 1 && doc.m_nSubBand < 3) {
        text += " " + ModelCatalogue()[row].m_strCode[doc.m_nSubBand];
    }
    return text;
}

// "150.00000, 151.50000, 152.00000 +2": the first programmed channels' RX frequencies and how many more.
std::string FirstChannels(const CDataRadioDoc& doc) {
    std::string text;
    int named = 0;
    int more = 0;
    for (const CChannelData& channel : doc.m_Channel) {
        if (channel.m_dRxFreq == 0.0) {
            continue;
        }
        if (named < kChannelsNamed) {
            text += (named++ == 0 ? "" : ", ") + StrPrintf("%.5f", channel.m_dRxFreq);
        } else {
            ++more;
        }
    }
    return more > 0 ? text + StrPrintf(" +%d", more) : text;
}

// "2026-12-07_15-03-22_COM17.bin" gives "2026-12-07 15:03:22" and "COM17".
void DetailsFromName(const std::string& name, CRestoreDlg::SBackupRow& row) {
    if (name.size() < 20) {
        return;
    }
    row.m_strTime = name.substr(0, 10) + " " + name.substr(11, 8);
    std::replace(row.m_strTime.begin() + 11, row.m_strTime.end(), '-', ':');
    row.m_strPort = fs::path(name.substr(20)).stem().string();
}

}  // namespace

CRestoreDlg::CRestoreDlg(SPageContext& context, CRadioTransfer& transfer, QWidget* parent)
    : QDialog(parent), m_Ctx(context), m_Transfer(transfer) {
    setWindowTitle(tr("Restore Radio from Backup"));
    auto* layout = new QVBoxLayout(this);
    auto* listLabel = new QLabel(tr("&Backups kept, newest first:"));
    m_pList = new QTableWidget(0, kColColumns);
    m_pList->setHorizontalHeaderLabels({tr("Time"), tr("Port"), tr("Adapter serial"), tr("Model"),
                                        tr("Firmware"), tr("Kept by"), tr("First channels (RX MHz)"),
                                        tr("File")});
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->verticalHeader()->hide();
    m_pList->horizontalHeader()->setStretchLastSection(true);
    NameByCaption(m_pList, listLabel->text(), tr("Backups of radios kept by this program"));
    listLabel->setBuddy(m_pList);

    auto* changesLabel = new QLabel(tr("&What the backup would change in the radio:"));
    m_pChanges = new QPlainTextEdit;
    m_pChanges->setReadOnly(true);
    NameByCaption(m_pChanges, changesLabel->text(),
                  tr("Fields that differ between the radio and the backup"));
    changesLabel->setBuddy(m_pChanges);
    m_pResult = new QLabel;
    m_pResult->setWordWrap(true);
    m_pResult->setAccessibleName(tr("Result"));

    m_pCompare = new QPushButton(tr("&Compare with Radio"));
    m_pRestore = new QPushButton(tr("&Restore to Radio"));
    m_pClose = new QPushButton(tr("C&lose"));
    auto* daysLabel = new QLabel(tr("Older than (&days):"));
    m_pPruneDays = new QSpinBox;
    m_pPruneDays->setRange(1, kMaxPruneDays);
    m_pPruneDays->setValue(kDefaultPruneDays);
    NameByCaption(m_pPruneDays, daysLabel->text(), tr("Backups last read more than this many days ago"));
    daysLabel->setBuddy(m_pPruneDays);
    m_pPrune = new QPushButton(tr("Remove &Older Backups"));
    m_pPrune->setAccessibleDescription(tr("Removes the backups last read more than the days given ago"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(daysLabel);
    buttons->addWidget(m_pPruneDays);
    buttons->addWidget(m_pPrune);
    buttons->addStretch();
    buttons->addWidget(m_pCompare);
    buttons->addWidget(m_pRestore);
    buttons->addWidget(m_pClose);
    layout->addWidget(listLabel);
    layout->addWidget(m_pList, 1);
    layout->addWidget(changesLabel);
    layout->addWidget(m_pChanges, 1);
    layout->addWidget(m_pResult);
    layout->addLayout(buttons);

    connect(m_pCompare, &QPushButton::clicked, this, &CRestoreDlg::OnCompare);
    connect(m_pRestore, &QPushButton::clicked, this, &CRestoreDlg::OnRestore);
    connect(m_pClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pPrune, &QPushButton::clicked, this, &CRestoreDlg::OnPrune);
    connect(m_pList, &QTableWidget::itemSelectionChanged, this, &CRestoreDlg::OnSelectionChanged);
    connect(&m_Transfer, &CRadioTransfer::RadioRead, this, &CRestoreDlg::OnRadioRead);
    connect(&m_Transfer, &CRadioTransfer::Restored, this, &CRestoreDlg::OnRestored);
    Refill();
    resize(760, 520);
}

std::vector<CRestoreDlg::SBackupRow> CRestoreDlg::ListBackups(const std::string& folder,
                                                              const std::vector<std::string>& log) {
    std::vector<std::pair<fs::file_time_type, SBackupRow>> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file(error) || !NameFitsPattern(name, kBackupNamePattern)) {
            continue;
        }
        SBackupRow row;
        row.m_strPath = entry.path().string();
        DetailsFromName(name, row);
        CImageBytes bytes{};
        if (ReadImageFile(row.m_strPath, bytes) && !IsBlankImage(bytes)) {
            const CDataRadioDoc doc = DecodedImage(bytes);
            row.m_strModel = ModelAndSubBand(doc);
            row.m_strChannels = FirstChannels(doc);
        }
        // the newest line that names the backup knows the adapter and the firmware
        for (auto line = log.rbegin(); line != log.rend(); ++line) {
            const std::vector<std::string> fields = SplitTransferLogLine(*line);
            if (fields.size() > kLogBackup && fields[kLogBackup] == row.m_strPath) {
                row.m_strTime = fields[kLogTime];
                row.m_strPort = fields[kLogPort];
                row.m_strAdapterSerial = fields[kLogSerial];
                row.m_strFirmware = fields[kLogFirmware];
                row.m_strOrigin = fields[kLogVerb];
                break;
            }
        }
        found.emplace_back(entry.last_write_time(error), row);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second.m_strPath > b.second.m_strPath;
    });
    std::vector<SBackupRow> rows;
    for (auto& item : found) {
        rows.push_back(item.second);
    }
    return rows;
}

void CRestoreDlg::Refill() {
    std::vector<std::string> log;
    ReadTransferLog(log);
    const std::string folder = BackupFolder();
    m_Rows = folder.empty() ? std::vector<SBackupRow>() : ListBackups(folder, log);
    m_pList->setRowCount(static_cast<int>(m_Rows.size()));
    for (int r = 0; r < static_cast<int>(m_Rows.size()); ++r) {
        const SBackupRow& row = m_Rows[static_cast<size_t>(r)];
        const std::string cells[kColColumns] = {
            row.m_strTime,          row.m_strPort,
            row.m_strAdapterSerial, row.m_strModel,
            row.m_strFirmware,      LogWordShown(QString::fromStdString(row.m_strOrigin)).toStdString(),
            row.m_strChannels,      fs::path(row.m_strPath).filename().string()};
        for (int c = 0; c < kColColumns; ++c) {
            const std::string& text = cells[c];
            m_pList->setItem(r, c, new QTableWidgetItem(QString::fromStdString(text.empty() ? "-" : text)));
        }
    }
    m_pList->resizeColumnsToContents();
    m_pChanges->clear();
    m_pResult->setText(m_Rows.empty() ? tr("No backup has been kept yet: every read of a radio keeps one.")
                                      : tr("Choose a backup, then compare it with the radio."));
    m_nComparedRow = -1;
    if (!m_Rows.empty()) {
        m_pList->setCurrentCell(0, 0);
        m_pList->selectRow(0);
    }
    OnSelectionChanged();
}

void CRestoreDlg::OnSelectionChanged() {
    const int row = m_pList->currentRow();
    m_pCompare->setEnabled(row >= 0 && !m_Transfer.IsRunning());
    m_pRestore->setEnabled(row >= 0 && row == m_nComparedRow && !m_Transfer.IsRunning());
    m_pClose->setEnabled(!m_Transfer.IsRunning());
}

bool CRestoreDlg::ChosenBackup(CImageBytes& bytes) {
    const int row = m_pList->currentRow();
    if (row < 0 || row >= static_cast<int>(m_Rows.size())) {
        return false;
    }
    if (!ReadImageFile(m_Rows[static_cast<size_t>(row)].m_strPath, bytes)) {
        m_Ctx.m_Sink.ShowMessage(
            m_Rows[static_cast<size_t>(row)].m_strPath +
            StrPrintf(" cannot be read as a backup: a backup holds the radio's %d bytes.", kImageSize));
        return false;
    }
    return true;
}

void CRestoreDlg::OnCompare() {
    if (!ChosenBackup(m_Backup)) {
        return;
    }
    m_nComparedRow = -1;
    m_pChanges->clear();
    m_pResult->setText(tr("Reading the radio..."));
    m_pCompare->setEnabled(false);
    m_pRestore->setEnabled(false);
    m_Transfer.StartLook();
    OnSelectionChanged();  // Close waits for the read; a refusal was said
}

void CRestoreDlg::OnRadioRead(bool ok) {
    if (!ok) {
        m_bRestoreAfterRead = false;
        m_pResult->setText(tr("The radio could not be read: nothing was compared or written."));
        OnSelectionChanged();
        return;
    }
    const CImageBytes& radio = m_Transfer.m_LastRadio;
    const CDataRadioDoc radioDoc = DecodedImage(radio);
    const CDataRadioDoc backupDoc = DecodedImage(m_Backup);
    m_strMismatch = IsBlankImage(radio) || IsBlankImage(m_Backup) ? std::string()
                                                                  : BackupModelMismatch(radioDoc, backupDoc);
    const std::vector<std::string> fields = DiffConfigs(SConfig{radioDoc, true}, SConfig{backupDoc, true});
    int bytes = 0;
    for (int addr = 0; addr < kImageSize; ++addr) {
        bytes += addr != kVersionFirmwareByte && radio[addr] != m_Backup[addr] ? 1 : 0;
    }
    m_nFieldsChanged = static_cast<int>(fields.size());
    m_Calibration = CalibrationByteChanges(radio, m_Backup);
    QString text;
    if (!m_strMismatch.empty()) {
        text += tr("Model: %1.").arg(QString::fromStdString(m_strMismatch)) + QLatin1Char('\n');
    }
    for (const std::string& line : m_Calibration) {  // no field shows them, so they are named first
        text += QString::fromStdString(line) + QLatin1Char('\n');
    }
    for (int i = 0; i < m_nFieldsChanged && i < kChangesShown; ++i) {
        text += QString::fromStdString(fields[static_cast<size_t>(i)]) + QLatin1Char('\n');
    }
    if (m_nFieldsChanged > kChangesShown) {
        text += tr("... and %1 more.").arg(m_nFieldsChanged - kChangesShown) + QLatin1Char('\n');
    }
    m_pChanges->setPlainText(text);
    m_pResult->setText(bytes == 0
                           ? tr("The radio already holds this backup.")
                           : tr("%n field(s) differ; %1 of the %2 bytes would change.", "", m_nFieldsChanged)
                                 .arg(bytes)
                                 .arg(kImageSize));
    m_nComparedRow = m_pList->currentRow();
    OnSelectionChanged();
    if (m_bRestoreAfterRead) {
        m_bRestoreAfterRead = false;
        AskAndRestore();  // the read's transfer has ended: the question, then the restore, on this radio
    }
}

// The radio on the cable now may not be the one compared (the cable moved, another port was chosen): it is
// read again, its backup kept, and compared before the question.
void CRestoreDlg::OnRestore() {
    const int row = m_pList->currentRow();
    if (row < 0 || row != m_nComparedRow) {
        return;
    }
    m_bRestoreAfterRead = true;
    m_pResult->setText(tr("Reading the radio..."));
    m_pCompare->setEnabled(false);
    m_pRestore->setEnabled(false);
    m_Transfer.StartLook();
    if (!m_Transfer.IsRunning()) {
        m_bRestoreAfterRead = false;  // refused, and said
    }
    OnSelectionChanged();
}

void CRestoreDlg::AskAndRestore() {
    const int row = m_pList->currentRow();
    if (row < 0 || row != m_nComparedRow) {
        return;
    }
    const std::string name = fs::path(m_Rows[static_cast<size_t>(row)].m_strPath).filename().string();
    QString question = tr("Put the backup %1 back on the radio on COM%2?")
                           .arg(QString::fromStdString(name))
                           .arg(m_Ctx.m_State.m_nComPort);
    if (!m_strMismatch.empty()) {
        question += QStringLiteral("\r\n\r\n") +
                    tr("The backup is of another model: %1.").arg(QString::fromStdString(m_strMismatch));
    }
    if (!m_Calibration.empty()) {
        question += QStringLiteral("\r\n\r\n") + tr("The radio's own calibration changes:");
        for (const std::string& line : m_Calibration) {
            question += QStringLiteral("\r\n") + QString::fromStdString(line);
        }
    }
    question += QStringLiteral("\r\n\r\n") +
                tr("%n field(s) change; every byte of the radio becomes the backup's.", "", m_nFieldsChanged);
    if (!m_Ctx.m_Sink.AskYesNo(question.toStdString())) {
        return;
    }
    m_pResult->setText(tr("Restoring..."));
    m_pCompare->setEnabled(false);
    m_pRestore->setEnabled(false);
    MarkBackupUsed(m_Rows[static_cast<size_t>(row)].m_strPath);  // a prune by age leaves it
    m_Transfer.StartRestore(m_Backup, m_Rows[static_cast<size_t>(row)].m_strPath);
    OnSelectionChanged();
}

void CRestoreDlg::reject() {
    if (m_Transfer.IsRunning()) {
        return;  // the progress window's Cancel stops it
    }
    QDialog::reject();
}

void CRestoreDlg::OnRestored(bool ok) {
    m_nComparedRow = -1;  // the radio has changed: compare again before another restore
    if (!ok) {
        m_pResult->setText(tr("The restore failed: %1")
                               .arg(QString::fromStdString(m_Transfer.m_strLastFailure).section('\n', 0, 0)));
    } else {
        const std::string note = RestoreFirmwareByteNote(m_Backup, m_Transfer.m_LastRadio);
        QString text = tr("Restored: the radio holds the backup's %1 bytes.").arg(kImageSize);
        if (!note.empty()) {
            text += QLatin1Char(' ') + QString::fromStdString(note) + QLatin1Char('.');
        }
        m_pResult->setText(text);
    }
    OnSelectionChanged();
}

void CRestoreDlg::OnPrune() {
    const int days = m_pPruneDays->value();
    if (!m_Ctx.m_Sink.AskYesNo(
            tr("Remove every backup last read more than %n day(s) ago? A radio whose only backup it is has "
               "no other.",
               "", days)
                .toStdString())) {
        return;
    }
    std::vector<std::string> inUse;
    if (m_Ctx.m_Busy.IsBusy() && m_nComparedRow >= 0 && m_nComparedRow < static_cast<int>(m_Rows.size())) {
        inUse.push_back(
            m_Rows[static_cast<size_t>(m_nComparedRow)].m_strPath);  // a restore may be sending it
    }
    std::vector<std::string> failed;
    const std::vector<std::string> removed = PruneBackupsOlderThan(days, inUse, &failed);
    for (const std::string& path : removed) {
        LogBackupRemoved("kv310", path, days);
    }
    Refill();
    QString said = tr("%n backup(s) removed.", "", static_cast<int>(removed.size()));
    if (!failed.empty()) {
        said += QLatin1Char(' ') + tr("%n could not be removed.", "", static_cast<int>(failed.size()));
    }
    m_pResult->setText(said);
}
