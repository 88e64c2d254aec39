#pragma once
// The option sheet: hosts the editing pages and shows exactly one of them. It has no tab strip, no OK or
// Apply: the user switches pages through the view's menu and toolbar commands, and every page writes the
// record at once, so the sheet never collects or commits anything.

#include <QStackedWidget>

#include "pages/ChannelPage.h"
#include "pages/EepromPage.h"
#include "pages/ModemPage.h"
#include "pages/PageIndex.h"
#include "pages/SystemPage.h"

class COptionSheet : public QStackedWidget {
    Q_OBJECT
public:
    COptionSheet(SPageContext& context, QWidget* parent = nullptr);

    // Makes the page the visible one, building its window the first time.
    void SetActivePage(int index);
    int GetActiveIndex() const { return currentIndex(); }
    COptionPage* Page(int index) const;

    CDataRadioDoc& m_Doc;
    CSystemPage* m_pSystemPage;
    CModemPage* m_pModemPage;
    CChannelPage* m_pChannelPage;
    CEepromPage* m_pEepromPage;
};
