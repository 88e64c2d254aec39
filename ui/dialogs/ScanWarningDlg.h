#pragma once
// The warning before the modem is enabled while channels are scan members: it says how things stand and
// what YES would do (clear every scan mark); NO leaves the modem off.

#include <QDialog>
#include <QLineEdit>

class CScanWarningDlg : public QDialog {
    Q_OBJECT
public:
    CScanWarningDlg(const QString& stateText, const QString& yesText, QWidget* parent = nullptr);

    QLineEdit* m_pState = nullptr;
    QLineEdit* m_pYesEffect = nullptr;
};
