#pragma once
// " CHANGE EEPROM MAP": changes one byte of the map behind the access code. The value edit opens only after
// "INPUT" accepted the code; every change of it is checked at once (one or two hexadecimal digits). OK is
// offered only then, so a dialog closed without the code never leaves an edit behind.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "ChannelSignalling.h"
#include "MessageSink.h"

extern const char* const kMsgWrongPassword;  // "Wrong password!"
extern const char* const kMsgInputHexa;      // "Input Hexa code!"
extern const char* const kMsgWrongHexa;      // "Wrong Hexa data input"

class CChangeMapDlg : public QDialog {
    Q_OBJECT
public:
    // row and column of the map grid (1-based: the labels are row and column 0); value: the byte there.
    CChangeMapDlg(SSignallingSession& session, CMessageSink& sink, int row, int column, uint8_t value,
                  QWidget* parent = nullptr);

    QString m_strAddress;
    QString m_strValue;
    QString m_strPassword;
    uint8_t m_nRow;     // row - 1
    uint8_t m_nColumn;  // column - 1
    uint8_t m_nValue;   // the value being edited: its last valid entry
    bool m_bAccepted = false;

    QLineEdit* m_pPassword = nullptr;
    QPushButton* m_pInput = nullptr;
    QLineEdit* m_pAddress = nullptr;
    QLineEdit* m_pValue = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;

    void accept() override;

private:
    void OnInput();
    void OnValueEdited(const QString& text);

    SSignallingSession& m_Session;  // keeps the password typed
    CMessageSink& m_Sink;
};
