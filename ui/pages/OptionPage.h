#pragma once
// The common shape of the option sheet's pages: each page edits the settings record directly and builds its
// window the first time the sheet shows it (like a property page), so a page that was never shown has nothing
// to refresh. A page gets its context (record, sink, link session, busy state, the view's seams) when it is
// made and reaches nothing else.

#include <QGroupBox>
#include <QVBoxLayout>
#include <QWidget>

#include "pages/PendingEdits.h"
#include "shared/PageContext.h"

class COptionPage : public QWidget, public CPendingEdits {
    Q_OBJECT
public:
    COptionPage(SPageContext& context, const QString& title, QWidget* parent = nullptr);

    // Builds the page's controls once; the sheet calls it whenever the page becomes the active one.
    void EnsureCreated();
    bool IsCreated() const { return m_bCreated; }
    // Commits every edit field of the page that holds typed text, the focused one first.
    bool CommitPending() override;

    SPageContext& m_Ctx;
    CDataRadioDoc& m_Doc;   // m_Ctx.m_Doc
    SWindowState& m_State;  // m_Ctx.m_State

protected:
    // Fills the page's frame with its controls and loads them from the record.
    virtual void OnCreatePage() {}

    QGroupBox* m_pFrame = nullptr;   // the page's titled frame
    QVBoxLayout* m_pBody = nullptr;  // where the page's controls go

private:
    bool m_bCreated = false;
};
