#include "BlockTransfer.h"

bool CBlockTransfer::WriteRadio() {
    m_Image.EncodeImage(m_Doc);
    if (m_Hooks.ApplyMapChanges) {
        m_Hooks.ApplyMapChanges(m_Image);
    } else {
        m_Image.ApplyChangeBytes();
    }
    if (!WriteImage(m_Image.m_Work)) {
        return false;
    }
    if (m_Hooks.RefreshView) {
        m_Hooks.RefreshView();
    }
    return true;
}

bool CBlockTransfer::ReadRadio() {
    if (!ReadImage(m_Image.m_Read)) {
        return false;
    }
    m_Image.m_Work = m_Image.m_Read;
    m_Doc.m_bFileLoaded = 1;
    if (m_Hooks.RefillMap) {
        m_Hooks.RefillMap();
    }
    m_Image.DecodeImage(m_Doc);
    if (m_Hooks.RefreshView) {
        m_Hooks.RefreshView();
    }
    return true;
}
