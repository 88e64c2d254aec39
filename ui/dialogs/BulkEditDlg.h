#pragma once
// Edit Selected Channels: one dialog that sets bandwidth, power, scan membership, step and RX and TX
// signalling for every selected channel at once. A list left at "(unchanged)" changes nothing.

#include <QComboBox>
#include <QDialog>

#include "ChannelRows.h"

class CBulkEditDlg : public QDialog {
    Q_OBJECT
public:
    CBulkEditDlg(const CDataRadioDoc& doc, QWidget* parent = nullptr);

    SBulkEdit m_Edit;  // filled on OK
    QComboBox* m_cbWide = nullptr;
    QComboBox* m_cbPower = nullptr;
    QComboBox* m_cbScan = nullptr;
    QComboBox* m_cbStep = nullptr;
    QComboBox* m_cbRx = nullptr;
    QComboBox* m_cbTx = nullptr;

    void accept() override;
};
