#include "dialogs/ChangeMapDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "EepromMap.h"
#include "TextMark.h"
#include "widgets/AccessibleText.h"

const char* const kMsgWrongMapPassword = KV310_TEXT("Messages", "Wrong password!");
const char* const kMsgInputHexa = KV310_TEXT("Messages", "Input Hexa code!");
const char* const kMsgWrongHexa = KV310_TEXT("Messages", "Wrong Hexa data input");

CChangeMapDlg::CChangeMapDlg(SSignallingSession& session, CMessageSink& sink, int row, int column,
                             uint8_t value, QWidget* parent)
    : QDialog(parent),
      m_strAddress(QString::fromStdString(MapAddressText(row, column))),
      m_strValue(QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper()),
      m_nRow(static_cast<uint8_t>(row - 1)),
      m_nColumn(static_cast<uint8_t>(column - 1)),
      m_nValue(value),
      m_Session(session),
      m_Sink(sink) {
    setWindowTitle(tr(" CHANGE EEPROM MAP"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr(" Do you want to change EEPROM map?"), this));

    auto* form = new QFormLayout;
    m_pPassword = new QLineEdit(this);
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPassword->setAccessibleName(tr("Access code"));
    m_pInput = new QPushButton(tr("INPUT"), this);
    NameByCaption(m_pInput, m_pInput->text(), tr("Check the access code"));
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(m_pPassword);
    codeRow->addWidget(m_pInput);
    form->addRow(tr("&Access code:"), codeRow);
    static_cast<QLabel*>(form->labelForField(codeRow))->setBuddy(m_pPassword);

    m_pAddress = new QLineEdit(m_strAddress, this);
    m_pAddress->setReadOnly(true);
    m_pAddress->setAccessibleName(tr("EEPROM address"));
    form->addRow(tr("Address:"), m_pAddress);

    m_pValue = new QLineEdit(m_strValue, this);
    m_pValue->setMaxLength(2);
    m_pValue->setEnabled(false);
    m_pValue->setAccessibleName(tr("Value (hex) of EEPROM address %1").arg(m_strAddress));
    form->addRow(tr("&Value (hex):"), m_pValue);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    m_pCancel = buttons->button(QDialogButtonBox::Cancel);
    m_pOk->setEnabled(false);  // until the access code was accepted
    layout->addWidget(buttons);

    m_pInput->setAutoDefault(true);
    m_pInput->setDefault(true);
    connect(m_pInput, &QPushButton::clicked, this, &CChangeMapDlg::OnInput);
    connect(m_pValue, &QLineEdit::textEdited, this, &CChangeMapDlg::OnValueEdited);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChangeMapDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChangeMapDlg::reject);
    m_pPassword->setFocus();
}

void CChangeMapDlg::OnInput() {
    m_strPassword = m_pPassword->text();
    m_Session.m_nAccessCode = AccessCodeFromText(m_strPassword.toStdString());
    if (m_Session.m_nAccessCode != kAccessCode) {
        m_Sink.ShowMessage(kMsgWrongMapPassword);
        m_pPassword->setFocus();
        m_pPassword->selectAll();
        return;
    }
    m_pValue->setEnabled(true);
    m_pOk->setEnabled(true);
    m_pOk->setDefault(true);
    m_pValue->setFocus();
    m_pValue->selectAll();
}

void CChangeMapDlg::OnValueEdited(const QString& text) {
    uint8_t value = m_nValue;
    switch (ParseHexByte(text.toStdString(), value)) {
        case EHexInput::Empty:
            m_strValue.clear();
            m_Sink.ShowMessage(kMsgInputHexa);
            break;
        case EHexInput::Bad:
            m_Sink.ShowMessage(kMsgWrongHexa);
            // The text goes back to what it was, so the field never shows what OK would not take.
            m_pValue->setText(m_strValue);
            break;
        case EHexInput::Ok:
            m_nValue = value;
            m_strValue = text;
            break;
    }
    m_pValue->setFocus();
}

void CChangeMapDlg::accept() {
    if (!m_pOk->isEnabled()) {
        return;  // Enter before the access code was accepted
    }
    m_bAccepted = true;
    QDialog::accept();
}
