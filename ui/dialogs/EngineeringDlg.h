#pragma once
// "Show Engineering Settings": the synthesizer step of every channel slot of the working image.

#include <QDialog>
#include <QLabel>

#include "EepromImage.h"

class CEngineeringDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEngineeringDlg(const CImageBytes& image, QWidget* parent = nullptr);

    QString m_strSteps;  // one line per slot, each ended by CR LF
    QLabel* m_pSteps = nullptr;
};
