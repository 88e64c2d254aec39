#include "MyPage4.h"

CMyPage4::CMyPage4(CPageContext& context, QWidget* parent)
    : COptionPage(context, tr("Channel Configuration"), parent) {}

void CMyPage4::RefreshFromRecord(bool revalidate) {
    (void)revalidate;
    ++m_nRefreshCount;
}

void CMyPage4::UpdateOptionButtons() {}

void CMyPage4::EnableTxDelay() {}

void CMyPage4::DisableTxDelay() {}

void CMyPage4::ShowScanColumn() {}
