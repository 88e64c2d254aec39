#pragma once
// The EEPROM page: the radio's 416-byte EEPROM image as a map, and the place radio reads and writes start
// from. It owns the four image buffers for the program's lifetime.

#include "EepromImage.h"
#include "OptionPage.h"
#include "RadioTransfer.h"

class CComDlg : public COptionPage {
    Q_OBJECT
public:
    explicit CComDlg(CPageContext& context, QWidget* parent = nullptr);

    // Re-encodes the record into the working image; displayMode 1 marks the bytes that changed, 0 does not.
    void RefreshMap(int displayMode);
    // Fills the map from the working image, without marks (after a read replaced it).
    void FillMap();
    // Start a transfer with the radio on the chosen port, in the modeless "Read/Write" window.
    void WriteWithProgress();
    void ReadWithProgress();
    // The page's OK: takes the radio out of programming mode.
    bool LeaveProgramming();

    CEepromImage m_Image;
    CRadioTransfer* m_pTransfer = nullptr;
    int m_nMapRefreshCount = 0;  // how often the map was rebuilt
    int m_nLastDisplayMode = -1;

protected:
    void OnCreatePage() override;
};
