#include "pages/OptionSheet.h"

COptionSheet::COptionSheet(SPageContext& context, QWidget* parent)
    : QStackedWidget(parent),
      m_Doc(context.m_Doc),
      m_pSystemPage(new CSystemPage(context)),
      m_pModemPage(new CModemPage(context)),
      m_pChannelPage(new CChannelPage(context)),
      m_pEepromPage(new CEepromPage(context)) {
    // The order of adding fixes the indices.
    addWidget(m_pChannelPage);
    addWidget(m_pModemPage);
    addWidget(m_pEepromPage);
    addWidget(m_pSystemPage);
    SetActivePage(kPageChannel);
}

COptionPage* COptionSheet::Page(int index) const {
    return qobject_cast<COptionPage*>(widget(index));
}

void COptionSheet::SetActivePage(int index) {
    COptionPage* page = Page(index);
    if (page == nullptr) {
        return;
    }
    page->EnsureCreated();
    setCurrentIndex(index);
}
