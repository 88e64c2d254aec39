#include "pages/OptionPage.h"

#include <algorithm>

#include "widgets/CommitEdit.h"

COptionPage::COptionPage(SPageContext& context, const QString& title, QWidget* parent)
    : QWidget(parent), m_Ctx(context), m_Doc(context.m_Doc), m_State(context.m_State) {
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

bool COptionPage::CommitPending() {
    if (!m_bCreated) {
        return true;
    }
    QList<CCommitEdit*> fields = findChildren<CCommitEdit*>();
    // A field left while another window had opened is still holding its text; the focused one goes first.
    std::stable_partition(fields.begin(), fields.end(),
                          [this](CCommitEdit* field) { return field == window()->focusWidget(); });
    for (CCommitEdit* field : fields) {
        if (!field->CommitPending()) {
            return false;
        }
    }
    return true;
}
