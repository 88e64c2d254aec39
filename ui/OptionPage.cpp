#include "OptionPage.h"

COptionPage::COptionPage(CPageContext& context, const QString& title, QWidget* parent)
    : QWidget(parent), m_Ctx(context), m_Doc(context.m_Doc) {
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
