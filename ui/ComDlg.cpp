#include "ComDlg.h"

CComDlg::CComDlg(CDataRadioDoc& doc, CMessageSink& sink, QWidget* parent)
    : COptionPage(doc, tr("EEPROM Read/Write"), parent), m_Sink(sink) {}

void CComDlg::OnCreatePage() {}

void CComDlg::RefreshMap(int displayMode) {
    m_Image.EncodeImage(m_Doc);
    ++m_nMapRefreshCount;
    m_nLastDisplayMode = displayMode;
}

void CComDlg::WriteWithProgress() {
    m_Sink.ShowMessage("Writing to the radio is not available in this version yet.");
}

void CComDlg::ReadWithProgress() {
    m_Sink.ShowMessage("Reading from the radio is not available in this version yet.");
}
