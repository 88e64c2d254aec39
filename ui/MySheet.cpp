#include "MySheet.h"

CMySheet::CMySheet(CPageContext& context, QWidget* parent)
    : QStackedWidget(parent),
      m_Doc(context.m_Doc),
      m_pSystemPage(new CMyPage2(context)),
      m_pModemPage(new CMyPage3(context)),
      m_pChannelPage(new CMyPage4(context)),
      m_pEepromPage(new CComDlg(context)) {
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
