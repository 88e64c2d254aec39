#pragma once
// The modem page: which modem is fitted, whether it is on, its baud rates, framing and timing.

#include "OptionPage.h"

class CMyPage3 : public COptionPage {
    Q_OBJECT
public:
    explicit CMyPage3(CPageContext& context, QWidget* parent = nullptr);

    // Sets every control's value and enabled state from the record.
    void RefreshFromRecord();
    // Re-applies the rules that tie the modem settings together (after a model was chosen).
    void ApplyModemRules();

    int m_nRefreshCount = 0;  // how often the page was loaded from the record

protected:
    void OnCreatePage() override;
};
