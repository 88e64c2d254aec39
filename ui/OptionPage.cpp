#include "OptionPage.h"

COptionPage::COptionPage(CDataRadioDoc& doc, const QString& title, QWidget* parent)
    : QWidget(parent), m_Doc(doc) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_pFrame = new QGroupBox(title, this);
    outer->addWidget(m_pFrame);
    m_pBody = new QVBoxLayout(m_pFrame);
}

void COptionPage::EnsureCreated() {
    if (m_bCreated) {
        return;
    }
    m_bCreated = true;
    OnCreatePage();
}
