#include "MyPage3.h"

CMyPage3::CMyPage3(CPageContext& context, QWidget* parent)
    : COptionPage(context, tr("Modem Option"), parent) {}

void CMyPage3::OnCreatePage() {
    // From now on the view keeps this page in step with the record.
    m_Doc.m_bModemPageReady = 1;
    RefreshFromRecord();
}

void CMyPage3::RefreshFromRecord() {
    ++m_nRefreshCount;
}

void CMyPage3::ApplyModemRules() {}
