#pragma once
// One row of the channel page, made from the column table: number, RX frequency, RX option, TX frequency,
// TX option, bandwidth, power and scan. The page makes sixteen of them and connects their signals.

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "widgets/DigitEdit.h"
#include "widgets/OptionButton.h"

enum class EChannelColumn { Number, RxFreq, RxOption, TxFreq, TxOption, Wide, HighPower, Scan };

struct SChannelColumn {
    EChannelColumn m_Kind;
    const char* m_pHeading;
    int m_nWidth;
    const char* m_pWhat;  // the control's accessible name after "Channel n "
    const char* m_pOff;   // a two-state box's caption when released, and when pressed
    const char* m_pOn;
};

extern const SChannelColumn kChannelColumns[8];

class CChannelRow {
public:
    // channel: 1-16; gridRow: where the row goes in the page's grid.
    CChannelRow(int channel, QGridLayout& grid, int gridRow, QWidget* parent);

    QWidget* Widget(EChannelColumn kind) const;
    // The two-state boxes' captions from their states ("Narrow"/"Wide", "Low"/"High").
    void CaptionToggles();
    // "Channel 3 RX frequency": which control of the row a column is, for its accessible name.
    QString What(const SChannelColumn& col) const;

    int m_nChannel;
    QLabel* m_pNumber = nullptr;
    CDigitEdit* m_pRxFreq = nullptr;
    COptionButton* m_pRxOption = nullptr;
    CDigitEdit* m_pTxFreq = nullptr;
    COptionButton* m_pTxOption = nullptr;
    QPushButton* m_pWide = nullptr;
    QPushButton* m_pHighPower = nullptr;
    QCheckBox* m_pScan = nullptr;
};
