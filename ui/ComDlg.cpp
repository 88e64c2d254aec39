#include "ComDlg.h"

CComDlg::CComDlg(CPageContext& context, QWidget* parent)
    : COptionPage(context, tr("EEPROM Read/Write"), parent),
      m_pTransfer(new CRadioTransfer(context, m_Image, this)) {
    m_pTransfer->setParent(this);
    m_pTransfer->m_FillMap = [this] { FillMap(); };
}

void CComDlg::OnCreatePage() {}

void CComDlg::RefreshMap(int displayMode) {
    m_Image.EncodeImage(m_Doc);
    ++m_nMapRefreshCount;
    m_nLastDisplayMode = displayMode;
}

void CComDlg::FillMap() {
    m_Image.m_Snapshot = m_Image.m_Work;
}

void CComDlg::WriteWithProgress() {
    m_pTransfer->Start(true);
}

void CComDlg::ReadWithProgress() {
    m_pTransfer->Start(false);
}

bool CComDlg::LeaveProgramming() {
    std::string refusal;
    CLinkLease lease = m_Ctx.m_Link.Borrow("leaving programming mode", &refusal);
    if (!lease) {
        m_Ctx.m_Sink.ShowMessage(refusal);
        return false;
    }
    CImageTransfer transfer(lease.Port(), {});
    transfer.m_nComNumber = m_Doc.m_nComPort;
    transfer.m_strDevice = m_Ctx.m_Link.DevicePath(m_Doc.m_nComPort);
    return transfer.LeaveProgramming();
}
