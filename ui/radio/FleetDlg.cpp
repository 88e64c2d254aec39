#include "radio/FleetDlg.h"

#include <QEventLoop>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QVBoxLayout>

#include "Backup.h"
#include "BuiltInRadio.h"
#include "ConfigCheck.h"
#include "EepromImage.h"
#include "ImageMerge.h"
#include "SerialPort.h"
#include "Sha256.h"
#include "TextMark.h"
#include "TransferLog.h"
#include "TransferRecord.h"
#include "radio/PlanCheck.h"
#include "radio/PortList.h"
#include "shared/DisplaySettings.h"
#include "shared/QtMessageSink.h"
#include "shared/Translation.h"
#include "widgets/AccessibleText.h"

namespace {

std::vector<CFleetDlg::SChoice> DefaultChoices() {
    std::vector<CFleetDlg::SChoice> choices;
    std::vector<uint32_t> list = DefaultPortList();
    list.push_back(kSimulatedPortCom);
    for (size_t i = 1; i < list.size(); ++i) {
        const int com = static_cast<int>(list[i]);
        if (com < kPortMenuLimit) {
            choices.push_back({QStringLiteral("COM%1").arg(com), PortEntryText(com), com, std::string()});
        }
    }
    return choices;
}

const char* const kMsgStopFleetWrite =
    KV310_TEXT("Messages",
               "Stop writing the radios now? A radio stopped half-way holds a partly written configuration "
               "until it is written again.");

}  // namespace

CFleetDlg::CFleetDlg(SPageContext& context, QWidget* parent) : QDialog(parent), m_Ctx(context) {
    setWindowTitle(tr("Program Several Radios"));
    setModal(false);
    // as a single transfer opens its port: COM49 reaches the built-in radio on every system
    m_MakePort = [](const SChoice&) { return MakeProgramPort(); };

    auto* layout = new QVBoxLayout(this);
    auto* listLabel = new QLabel(tr("&Tick the ports of the radios to write the current configuration to:"));
    m_pPorts = new QListWidget;
    NameByCaption(m_pPorts, listLabel->text(), tr("Ports to program"));
    listLabel->setBuddy(m_pPorts);
    m_pVerify = new QCheckBox(tr("&Read each radio back to verify the write"));
    m_pVerify->setChecked(true);
    m_pBackup = new QCheckBox(tr("Keep a &backup file of each radio before the write"));
    m_pBackup->setChecked(true);

    m_pTable = new QTableWidget(0, kColColumns);
    m_pTable->setHorizontalHeaderLabels({tr("Port"), tr("Progress"), tr("State")});
    m_pTable->setAccessibleName(tr("Progress of each radio"));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setStretchLastSection(true);

    auto* summaryLabel = new QLabel(tr("S&ummary:"));
    m_pSummary = new QPlainTextEdit;
    m_pSummary->setReadOnly(true);
    m_pSummary->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pSummary->setAccessibleName(tr("Summary of the radios written"));
    summaryLabel->setBuddy(m_pSummary);

    m_pWrite = new QPushButton(tr("&Write to Ticked Radios"));
    m_pCancel = new QPushButton(tr("&Cancel"));
    m_pClose = new QPushButton(tr("C&lose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pWrite);
    buttons->addWidget(m_pCancel);
    buttons->addWidget(m_pClose);

    layout->addWidget(listLabel);
    layout->addWidget(m_pPorts);
    layout->addWidget(m_pVerify);
    layout->addWidget(m_pBackup);
    layout->addWidget(m_pTable, 1);
    layout->addWidget(summaryLabel);
    layout->addWidget(m_pSummary);
    layout->addLayout(buttons);

    // Return in the port list ticks or unticks the port; no button is pressed by Return, so a reflex key
    // never starts writing several radios at once.
    for (QPushButton* button : {m_pWrite, m_pCancel, m_pClose}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(m_pPorts, &QListWidget::itemActivated, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    connect(m_pWrite, &QPushButton::clicked, this, &CFleetDlg::StartWrite);
    // a radio stopped half-way holds a mix: the Cancel button asks first, No being the default
    connect(m_pCancel, &QPushButton::clicked, this, [this] {
        if (IsRunning() && m_Ctx.m_Sink.AskYesNo(kMsgStopFleetWrite)) {
            Cancel();
        }
    });
    connect(m_pClose, &QPushButton::clicked, this, &QDialog::hide);
    SetChoices(DefaultChoices());
    SetRunning(false);
    resize(640, 520);
}

CFleetDlg::~CFleetDlg() {
    m_pFleet.reset();  // cancels and joins before anything the workers post to is gone
}

void CFleetDlg::SetChoices(const std::vector<SChoice>& choices) {
    m_Choices = choices;
    m_pPorts->clear();
    for (const SChoice& choice : m_Choices) {
        auto* item = new QListWidgetItem(choice.m_strText, m_pPorts);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::AccessibleTextRole, tr("Program the radio on %1").arg(choice.m_strName));
    }
}

void CFleetDlg::Post(std::function<void()> f) {
    QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

SFleetHooks CFleetDlg::WorkerHooks() {
    SFleetHooks hooks;
    hooks.SetStatus = [this](int index, const std::string& text) {
        Post([this, index, text] {
            if (QTableWidgetItem* item = m_pTable->item(index, kColState)) {
                item->setText(QString::fromStdString(OneLineText(ToDisplayText(text).toStdString())));
            }
        });
    };
    hooks.SetProgress = [this](int index, int address) {
        Post([this, index, address] {
            if (auto* bar = qobject_cast<QProgressBar*>(m_pTable->cellWidget(index, kColProgress))) {
                bar->setValue(address == 0 ? 0 : address + 1);
            }
        });
    };
    hooks.Done = [this](int index) { Post([this, index] { OnPortDone(index); }); };
    hooks.CheckPort = PortCheck(*m_pPortSystem);
    return hooks;
}

void CFleetDlg::BuildRows(const std::vector<SFleetPort>& ports) {
    m_pTable->setRowCount(static_cast<int>(ports.size()));
    for (int row = 0; row < static_cast<int>(ports.size()); ++row) {
        const QString name = QString::fromStdString(ports[static_cast<size_t>(row)].m_strName);
        m_pTable->setItem(row, kColPort, new QTableWidgetItem(name));
        auto* bar = new QProgressBar;
        bar->setRange(0, kImageSize);
        bar->setAccessibleName(tr("Progress of the radio on %1").arg(name));
        m_pTable->setCellWidget(row, kColProgress, bar);
        m_pTable->setItem(row, kColState, new QTableWidgetItem(tr("waiting")));
    }
    m_pTable->resizeColumnToContents(kColPort);
    // every radio's row in sight, up to the four that fit beside the summary
    const int shown = std::min(static_cast<int>(ports.size()), 4);
    m_pTable->setMinimumHeight(m_pTable->horizontalHeader()->sizeHint().height() +
                               shown * m_pTable->verticalHeader()->defaultSectionSize() +
                               2 * m_pTable->frameWidth() + 2);
}

void CFleetDlg::StartWrite() {
    if (IsRunning() || m_Ctx.m_Busy.Refuse(m_Ctx.m_Sink)) {
        return;
    }
    // Text still typed in the main window's page belongs to the configuration the radios get.
    if (m_Ctx.m_View.CommitPendingEdits && !m_Ctx.m_View.CommitPendingEdits()) {
        return;
    }
    std::vector<SFleetPort> ports;
    m_PortObjects.clear();
    for (int row = 0; row < m_pPorts->count(); ++row) {
        if (m_pPorts->item(row)->checkState() != Qt::Checked) {
            continue;
        }
        const SChoice& choice = m_Choices[static_cast<size_t>(row)];
        m_PortObjects.push_back(m_MakePort(choice));
        const std::string device =
            choice.m_strDevice.empty() ? m_Ctx.m_Link.DevicePath(choice.m_nComNumber) : choice.m_strDevice;
        ports.push_back(
            {choice.m_strName.toStdString(), choice.m_nComNumber, device, m_PortObjects.back().get()});
    }
    if (ports.empty()) {
        m_Ctx.m_Sink.ShowMessage(KV310_TEXT("Messages", "Tick the port of at least one radio to write to."));
        return;
    }
    if (!ConfirmPlanCheck(m_Ctx.m_Doc, m_Ctx.m_Sink, m_Ctx.m_View.ShowStatus)) {
        return;
    }
    // Holding the program's port keeps the service dialogs off the cables while the radios are written.
    std::string refusal;
    m_Lease = m_Ctx.m_Link.Borrow(tr("the writing of several radios").toStdString(), &refusal);
    if (!m_Lease) {
        m_Ctx.m_Sink.ShowMessage(refusal);
        return;
    }
    CEepromImage image;  // encoded once; every worker gets its own copy of the bytes
    image.EncodeImage(m_Ctx.m_Doc);
    image.ApplyChangeBytes();

    m_bVerify = m_pVerify->isChecked();
    SRadioWrite job;
    job.m_Plan = image.m_Work;
    job.m_Decided = image.m_Decided;
    job.m_bVerify = m_bVerify;
    m_nDone = 0;
    m_pSummary->clear();
    m_Backups.assign(ports.size(), std::string());
    BuildRows(ports);
    m_Ctx.m_Busy.Begin(tr("the writing of several radios"));
    SetRunning(true);
    SFleetHooks hooks = WorkerHooks();
    // The fleet runs one of these at a time; each writes only its own port's slot.
    if (m_pBackup->isChecked()) {  // every radio is read first either way, and keeps its own bytes
        hooks.KeepBackup = [this, names = ports](int index, const CImageBytes& before, std::string& error) {
            const size_t i = static_cast<size_t>(index);
            return SaveBackup(before, names[i].m_strName, m_Backups[i], &error);
        };
    }
    CDataRadioDoc model;  // copied for the workers: the record stays with the window
    model.m_nModel = m_Ctx.m_Doc.m_nModel;
    model.m_nSubBand = m_Ctx.m_Doc.m_nSubBand;
    hooks.CheckRadio = [model](int, const CImageBytes& before, std::string& error) {
        const std::string mismatch = RadioModelMismatch(DecodedImage(before), model);
        error = mismatch.empty()
                    ? std::string()
                    : tr("%1: nothing was written").arg(QString::fromStdString(mismatch)).toStdString();
        return mismatch.empty();
    };
    m_pFleet = std::make_unique<CFleetTransfer>(std::move(ports), hooks);
    m_pFleet->StartWrite(job);
}

void CFleetDlg::OnPortDone(int index) {
    const SFleetResult& result = m_pFleet->m_Results[static_cast<size_t>(index)];
    if (auto* bar = qobject_cast<QProgressBar*>(m_pTable->cellWidget(index, kColProgress))) {
        bar->setValue(result.m_bOk ? kImageSize : bar->value());
    }
    const QString state = result.m_bOk ? tr("ok: firmware %1, %2 s, %3")
                                             .arg(QString::fromStdString(result.m_strFirmware))
                                             .arg(NumberText(result.m_dSeconds, 1))
                                             .arg(TranslatedText(KV310_MESSAGES, result.m_strVerify.c_str()))
                                       : tr("FAILED: %1").arg(QString::fromStdString(result.m_strFailure));
    m_pTable->item(index, kColState)->setText(state);
    if (++m_nDone == static_cast<int>(m_pFleet->m_Ports.size())) {
        OnAllDone();
    }
}

void CFleetDlg::OnAllDone() {
    m_pFleet->Join();
    m_Lease.Release();
    LogResults();
    const std::string summary = FleetSummaryText(m_pFleet->m_Ports, m_pFleet->m_Results) + "\n" +
                                FleetVerdictText(m_pFleet->m_Ports, m_pFleet->m_Results, true, m_bVerify);
    std::string notes;
    for (size_t i = 0; i < m_pFleet->m_Results.size(); ++i) {
        if (!m_pFleet->m_Results[i].m_strNotice.empty()) {
            notes += tr("%1: the radio's own value changed: %2")
                         .arg(QString::fromStdString(m_pFleet->m_Ports[i].m_strName),
                              QString::fromStdString(m_pFleet->m_Results[i].m_strNotice))
                         .toStdString() +
                     "\n";
        }
    }
    m_pSummary->setPlainText(QString::fromStdString(summary + (notes.empty() ? "" : "\n" + notes)));
    m_Ctx.m_Busy.End();
    SetRunning(false);
    if (m_Ctx.m_View.ShowStatus) {
        m_Ctx.m_View.ShowStatus(QString::fromStdString(
            FleetVerdictText(m_pFleet->m_Ports, m_pFleet->m_Results, true, m_bVerify)));
    }
    emit Finished(m_pFleet->AllOk());
}

void CFleetDlg::Cancel() {
    if (IsRunning()) {
        m_pFleet->Cancel();
        m_pCancel->setEnabled(false);
    }
}

void CFleetDlg::WaitUntilDone() {
    if (!IsRunning()) {
        return;
    }
    QEventLoop loop;
    connect(this, &CFleetDlg::Finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void CFleetDlg::SetRunning(bool running) {
    m_pWrite->setEnabled(!running);
    m_pPorts->setEnabled(!running);
    m_pVerify->setEnabled(!running);
    m_pBackup->setEnabled(!running);
    m_pCancel->setEnabled(running);
}

// One line of the transfer log per radio.
void CFleetDlg::LogResults() {
    for (size_t i = 0; i < m_pFleet->m_Results.size(); ++i) {
        const SFleetResult& result = m_pFleet->m_Results[i];
        CTransferRecord record("kv310", "fleet-write", m_pFleet->m_Ports[i].m_strName);
        record.m_Entry.m_strModel = ModelLogName(m_Ctx.m_Doc);
        if (!m_strPlanPath.empty()) {
            record.SetPlan(m_strPlanPath);
        }
        if (result.m_bOk) {
            record.SetSent(result.m_Bytes);
        }
        record.Finish(-1, result.m_bOk, result.m_strFailure);
        record.m_Entry.m_strFirmware = result.m_strFirmware;
        record.m_Entry.m_dSeconds = result.m_dSeconds;
        record.m_Entry.m_strBackup = i < m_Backups.size() ? m_Backups[i] : std::string();
        std::string error;
        if (!record.Log(&error) && m_Ctx.m_View.ShowStatus) {
            m_Ctx.m_View.ShowStatus(
                tr("The transfer log could not be written: %1").arg(QString::fromStdString(error)));
        }
    }
}
