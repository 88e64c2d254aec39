#pragma once
// The View menu's Language and Appearance entries: each choice is remembered beside the port file. The
// appearance changes at once; the language when the program starts again (the window is built in one).

#include <QObject>

class QMenu;
class CMessageSink;

class CDisplayMenus : public QObject {
    Q_OBJECT
public:
    // Adds the two submenus to `view`; the sink tells when a choice cannot be remembered.
    CDisplayMenus(QMenu* view, CMessageSink& sink);

    QMenu* m_pLanguageMenu = nullptr;
    QMenu* m_pAppearanceMenu = nullptr;

private:
    void OnLanguage(int language);
    void OnAppearance(int appearance);
    void Remember();

    CMessageSink& m_Sink;
};
