#include "ImageTransfer.h"

bool CImageTransfer::WriteRadio() {
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

bool CImageTransfer::ReadRadio() {
    // The blocks go into a buffer of their own: a read that breaks off leaves every image as it was.
    CImageBytes received{};
    if (!ReadImage(received)) {
        return false;
    }
    m_Image.m_Read = received;
    m_Image.m_Work = received;
    if (m_Hooks.RefillMap) {
        m_Hooks.RefillMap();
    }
    m_Image.DecodeImage(m_Doc);
    if (m_Hooks.RefreshView) {
        m_Hooks.RefreshView();
    }
    return true;
}
