#pragma once
// The system page: the radio-wide receive, transmit, scan and GPS reporting options.

#include "OptionPage.h"

class CMyPage2 : public COptionPage {
    Q_OBJECT
public:
    explicit CMyPage2(CPageContext& context, QWidget* parent = nullptr);

    // Sets every control's value and enabled state from the record.
    void RefreshFromRecord();

    int m_nRefreshCount = 0;  // how often the page was loaded from the record

protected:
    void OnCreatePage() override;
};
