#include "MySheet.h"

CMySheet::CMySheet(CDataRadioDoc& doc, CMessageSink& sink, QWidget* parent)
    : QStackedWidget(parent),
      m_Doc(doc),
      m_pSystemPage(new CMyPage2(doc)),
      m_pModemPage(new CMyPage3(doc)),
      m_pChannelPage(new CMyPage4(doc)),
      m_pEepromPage(new CComDlg(doc, sink)) {
    // The order of adding fixes the indices.
    addWidget(m_pChannelPage);
    addWidget(m_pModemPage);
    addWidget(m_pEepromPage);
    addWidget(m_pSystemPage);
    SetActivePage(kPageChannel);
}

COptionPage* CMySheet::Page(int index) const {
    return qobject_cast<COptionPage*>(widget(index));
}

void CMySheet::SetActivePage(int index) {
    COptionPage* page = Page(index);
    if (page == nullptr) {
        return;
    }
    page->EnsureCreated();
    setCurrentIndex(index);
}
