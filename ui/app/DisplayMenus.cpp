#include "app/DisplayMenus.h"

#include <QActionGroup>
#include <QMenu>

#include "MessageSink.h"
#include "shared/DisplaySettings.h"

namespace {

struct SChoice {
    QString m_strName;
    int m_nValue;
};

// Adds one checkable, mutually exclusive action per choice to menu, the current one checked; choose(value)
// runs when one is picked.
template <class Choose>
void AddChoices(QMenu* menu, std::initializer_list<SChoice> choices, int current, const QString& tip,
                QObject* owner, Choose choose) {
    auto* group = new QActionGroup(menu);
    for (const SChoice& choice : choices) {
        QAction* action = menu->addAction(choice.m_strName);
        action->setCheckable(true);
        action->setChecked(choice.m_nValue == current);
        action->setActionGroup(group);
        action->setStatusTip(tip);
        const int value = choice.m_nValue;
        QObject::connect(action, &QAction::triggered, owner, [choose, value] { choose(value); });
    }
}

}  // namespace

CDisplayMenus::CDisplayMenus(QMenu* view, CMessageSink& sink) : QObject(view), m_Sink(sink) {
    const SDisplaySettings settings = LoadDisplaySettings();
    view->addSeparator();
    m_pLanguageMenu = view->addMenu(tr("&Language"));
    // each language is named in itself, so that it is found whatever the window speaks
    AddChoices(m_pLanguageMenu,
               {{tr("&System"), int(ELanguage::System)},
                {QStringLiteral("&English"), int(ELanguage::English)},
                {QStringLiteral("&Deutsch"), int(ELanguage::German)},
                {QStringLiteral("Es&pa\u00f1ol"), int(ELanguage::Spanish)}},
               int(settings.m_Language), tr("Show the window in this language from the next start"), this,
               [this](int language) { OnLanguage(language); });

    m_pAppearanceMenu = view->addMenu(tr("&Appearance"));
    AddChoices(m_pAppearanceMenu,
               {{tr("&System"), int(EAppearance::System)},
                {tr("L&ight"), int(EAppearance::Light)},
                {tr("&Dark"), int(EAppearance::Dark)}},
               int(settings.m_Appearance), tr("Draw the window in light or dark colours"), this,
               [this](int appearance) { OnAppearance(appearance); });
}

void CDisplayMenus::OnLanguage(int language) {
    SDisplaySettings settings = LoadDisplaySettings();
    const bool changed = LanguageCode(settings.m_Language) != LanguageCode(ELanguage(language));
    settings.m_Language = ELanguage(language);
    if (!SaveDisplaySettings(settings)) {
        Remember();
        return;
    }
    if (changed) {
        m_Sink.ShowMessageAs(
            tr("The window shows the language chosen when the program starts again.").toStdString(),
            EMessageKind::Information);
    }
}

void CDisplayMenus::OnAppearance(int appearance) {
    SDisplaySettings settings = LoadDisplaySettings();
    settings.m_Appearance = EAppearance(appearance);
    ApplyAppearance(settings.m_Appearance);
    if (!SaveDisplaySettings(settings)) {
        Remember();
    }
}

void CDisplayMenus::Remember() {
    m_Sink.ShowMessage(
        tr("The choice cannot be remembered: %1 cannot be written. It holds until the program "
           "ends.")
            .arg(DisplaySettingsPath().isEmpty() ? tr("the settings folder") : DisplaySettingsPath())
            .toStdString());
}
