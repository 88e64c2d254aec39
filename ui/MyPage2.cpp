#include "MyPage2.h"

CMyPage2::CMyPage2(CPageContext& context, QWidget* parent)
    : COptionPage(context, tr("System Option / GPS"), parent) {}

void CMyPage2::OnCreatePage() {
    // From now on the view keeps this page in step with the record.
    m_Doc.m_bSystemPageReady = 1;
    RefreshFromRecord();
}

void CMyPage2::RefreshFromRecord() {
    ++m_nRefreshCount;
}
