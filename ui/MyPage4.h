#pragma once
// The channel configuration page: the 16 channel rows and the radio-wide timers beside them.

#include "OptionPage.h"

class CMyPage4 : public COptionPage {
    Q_OBJECT
public:
    explicit CMyPage4(CPageContext& context, QWidget* parent = nullptr);

    // Fills every control from the record; with revalidate each channel's receive frequency is checked again
    // against the current band (after a file load or a radio read).
    void RefreshFromRecord(bool revalidate);
    // Recomputes the captions of the receive and transmit option buttons.
    void UpdateOptionButtons();
    // The transmit-delay control exists only while the FFSK modem is not in use.
    void EnableTxDelay();
    void DisableTxDelay();
    // Makes the scan column visible (after a model was chosen).
    void ShowScanColumn();

    int m_nRefreshCount = 0;  // how often the page was loaded from the record
};
