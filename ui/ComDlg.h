#pragma once
// The EEPROM page: the radio's 416-byte EEPROM image as a map, and the place radio reads and writes start
// from. It owns the four image buffers for the program's lifetime.

#include "EepromImage.h"
#include "MessageSink.h"
#include "OptionPage.h"

class CComDlg : public COptionPage {
    Q_OBJECT
public:
    CComDlg(CDataRadioDoc& doc, CMessageSink& sink, QWidget* parent = nullptr);

    // Re-encodes the record into the working image; displayMode 1 marks the bytes that changed, 0 does not.
    void RefreshMap(int displayMode);
    // Start a transfer with the radio on the chosen port.
    void WriteWithProgress();
    void ReadWithProgress();

    CEepromImage m_Image;
    int m_nMapRefreshCount = 0;  // how often the map was rebuilt
    int m_nLastDisplayMode = -1;

protected:
    void OnCreatePage() override;

private:
    CMessageSink& m_Sink;
};
