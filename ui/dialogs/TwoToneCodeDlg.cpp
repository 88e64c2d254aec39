#include "dialogs/TwoToneCodeDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ChannelSignalling.h"
#include "widgets/AccessibleText.h"

CTwoToneCodeDlg::CTwoToneCodeDlg(CDataRadioDoc& doc, SSignallingSession& session, CMessageSink& sink,
                                 QWidget* parent)
    : QDialog(parent), m_Doc(doc), m_Session(session), m_Sink(sink) {
    setWindowTitle(tr("CHANGE TWO TONE CONDITION"));
    auto* layout = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    auto* label = new QLabel(tr("INPUT PASSWORD : "), this);
    m_pCode = new QLineEdit(this);
    m_pCode->setEchoMode(QLineEdit::Password);
    m_pCode->setAlignment(Qt::AlignCenter);
    NameByCaption(m_pCode, label->text(), tr("Access code"));
    label->setBuddy(m_pCode);
    line->addWidget(label);
    line->addWidget(m_pCode);
    layout->addLayout(line);
    auto* buttons = new QDialogButtonBox(this);
    m_pEnable = buttons->addButton(tr("ENABLE"), QDialogButtonBox::AcceptRole);
    m_pDisable = buttons->addButton(tr("DISABLE"), QDialogButtonBox::RejectRole);
    m_pEnable->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTwoToneCodeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTwoToneCodeDlg::reject);
    m_pCode->setFocus();
}

void CTwoToneCodeDlg::accept() {
    std::string message;
    m_bCodeAccepted = ApplyAccessCode(m_Doc, m_Session, m_pCode->text().toStdString(), true, &message);
    if (!m_bCodeAccepted) {
        m_Sink.ShowMessageAs(message, EMessageKind::Information);
    }
    QDialog::accept();
}

void CTwoToneCodeDlg::reject() {
    std::string message;
    m_bCodeAccepted = ApplyAccessCode(m_Doc, m_Session, m_pCode->text().toStdString(), false, &message);
    if (!m_bCodeAccepted) {
        m_Sink.ShowMessageAs(message, EMessageKind::Information);
    }
    QDialog::reject();
}
