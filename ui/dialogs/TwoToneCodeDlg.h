#pragma once
// "CHANGE TWO TONE CONDITION": the access code that unlocks (ENABLE) or locks (DISABLE) two-tone signalling.
// Escape and the close box act as DISABLE. The dialog closes accepted after ENABLE, rejected otherwise,
// whether the code was right or not.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "ChannelSignalling.h"
#include "DataRadioDoc.h"
#include "MessageSink.h"

class CTwoToneCodeDlg : public QDialog {
    Q_OBJECT
public:
    CTwoToneCodeDlg(CDataRadioDoc& doc, SSignallingSession& session, CMessageSink& sink,
                    QWidget* parent = nullptr);

    void accept() override;  // ENABLE
    void reject() override;  // DISABLE

    CDataRadioDoc& m_Doc;
    SSignallingSession& m_Session;
    CMessageSink& m_Sink;
    QLineEdit* m_pCode = nullptr;
    QPushButton* m_pEnable = nullptr;
    QPushButton* m_pDisable = nullptr;
    bool m_bCodeAccepted = false;
};
