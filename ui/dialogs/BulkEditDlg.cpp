#include "dialogs/BulkEditDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include "ChannelSignalling.h"
#include "FrequencyRules.h"
#include "Tones.h"
#include "shared/DisplaySettings.h"

namespace {

const char* const kUnchangedText = QT_TRANSLATE_NOOP("CBulkEditDlg", "(unchanged)");

// Each item's data: the value, or kUnchanged.
QComboBox* Choice(const std::vector<std::pair<QString, int>>& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->addItem(QCoreApplication::translate("CBulkEditDlg", kUnchangedText), kUnchanged);
    for (const auto& [text, value] : items) {
        list->addItem(text, value);
    }
    return list;
}

// Signalling as one list: none, every CTCSS tone, every DCS code. The data packs the kind and the table
// position: kind * 1000 + position.
QComboBox* SignallingChoice(QWidget* parent) {
    std::vector<std::pair<QString, int>> items{{QObject::tr("None"), kSigNone * 1000}};
    for (size_t i = 0; i < kCtcssTable.size(); ++i) {
        items.emplace_back(
            QStringLiteral("CTCSS %1 Hz").arg(QString::fromStdString(CtcssCaption(kCtcssTable[i])).trimmed()),
            kSigCtcss * 1000 + static_cast<int>(i));
    }
    for (size_t i = 0; i < kDcsTable.size(); ++i) {
        items.emplace_back(QStringLiteral("DCS %1").arg(QString::fromStdString(DcsCaption(kDcsTable[i]))),
                           kSigDcs * 1000 + static_cast<int>(i));
    }
    return Choice(items, parent);
}

void TakeSignalling(const QComboBox* list, int& option, double& ctcss, int& dcs) {
    const int data = list->currentData().toInt();
    if (data == kUnchanged) {
        return;
    }
    option = data / 1000;
    if (option == kSigCtcss) {
        ctcss = kCtcssTable[static_cast<size_t>(data % 1000)];
    } else if (option == kSigDcs) {
        dcs = kDcsTable[static_cast<size_t>(data % 1000)];
    }
}

}  // namespace

CBulkEditDlg::CBulkEditDlg(const CDataRadioDoc& doc, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Edit Selected Channels"));
    auto* form = new QFormLayout(this);
    m_cbWide = Choice({{tr("Narrow"), 0}, {tr("Wide"), 1}}, this);
    m_cbPower = Choice({{tr("Low"), 0}, {tr("High"), 1}}, this);
    m_cbScan = Choice({{tr("No"), 0}, {tr("Yes"), 1}}, this);
    std::vector<std::pair<QString, int>> steps;
    for (const int code : StepCodesOf(doc.m_nModel)) {
        steps.emplace_back(tr("%1 kHz").arg(NumberText(StepWidthHz(code) / 1000.0, -1)), code);
    }
    m_cbStep = Choice(steps, this);
    m_cbRx = SignallingChoice(this);
    m_cbTx = SignallingChoice(this);
    const std::pair<const char*, QComboBox*> rows[] = {
        {QT_TR_NOOP("&Bandwidth"), m_cbWide},   {QT_TR_NOOP("&Power"), m_cbPower},
        {QT_TR_NOOP("&Scan member"), m_cbScan}, {QT_TR_NOOP("S&tep"), m_cbStep},
        {QT_TR_NOOP("&RX signalling"), m_cbRx}, {QT_TR_NOOP("T&X signalling"), m_cbTx},
    };
    for (const auto& [caption, list] : rows) {
        auto* label = new QLabel(tr(caption), this);
        label->setBuddy(list);
        list->setAccessibleName(label->text().remove(QLatin1Char('&')));
        form->addRow(label, list);
    }
    m_cbStep->setAccessibleDescription(tr("Kept only on channels whose frequencies lie on the step's grid"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void CBulkEditDlg::accept() {
    m_Edit.m_nWide = m_cbWide->currentData().toInt();
    m_Edit.m_nHighPower = m_cbPower->currentData().toInt();
    m_Edit.m_nScan = m_cbScan->currentData().toInt();
    m_Edit.m_nStep = m_cbStep->currentData().toInt();
    TakeSignalling(m_cbRx, m_Edit.m_nRxOption, m_Edit.m_dRxCtcss, m_Edit.m_nRxDcs);
    TakeSignalling(m_cbTx, m_Edit.m_nTxOption, m_Edit.m_dTxCtcss, m_Edit.m_nTxDcs);
    QDialog::accept();
}
