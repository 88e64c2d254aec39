#include "app/DisplayMenus.h"

#include <QActionGroup>
#include <QMenu>

#include "MessageSink.h"
#include "shared/DisplaySettings.h"

CDisplayMenus::CDisplayMenus(QMenu* view, CMessageSink& sink) : QObject(view), m_Sink(sink) {
    const SDisplaySettings settings = LoadDisplaySettings();
    view->addSeparator();
    m_pLanguageMenu = view->addMenu(tr("&Language"));
    auto* languages = new QActionGroup(m_pLanguageMenu);
    // each language is named in itself, so that it is found whatever the window speaks
    const struct {
        QString m_strName;
        ELanguage m_Language;
    } languageItems[] = {{tr("&System"), ELanguage::System},
                         {QStringLiteral("&English"), ELanguage::English},
                         {QStringLiteral("&Deutsch"), ELanguage::German},
                         {QStringLiteral("Es&pa\u00f1ol"), ELanguage::Spanish}};
    for (const auto& item : languageItems) {
        QAction* action = m_pLanguageMenu->addAction(item.m_strName);
        action->setCheckable(true);
        action->setChecked(item.m_Language == settings.m_Language);
        action->setActionGroup(languages);
        action->setStatusTip(tr("Show the window in this language from the next start"));
        const int language = int(item.m_Language);
        connect(action, &QAction::triggered, this, [this, language] { OnLanguage(language); });
    }

    m_pAppearanceMenu = view->addMenu(tr("&Appearance"));
    auto* appearances = new QActionGroup(m_pAppearanceMenu);
    const struct {
        QString m_strName;
        EAppearance m_Appearance;
    } appearanceItems[] = {{tr("&System"), EAppearance::System},
                           {tr("L&ight"), EAppearance::Light},
                           {tr("&Dark"), EAppearance::Dark}};
    for (const auto& item : appearanceItems) {
        QAction* action = m_pAppearanceMenu->addAction(item.m_strName);
        action->setCheckable(true);
        action->setChecked(item.m_Appearance == settings.m_Appearance);
        action->setActionGroup(appearances);
        action->setStatusTip(tr("Draw the window in light or dark colours"));
        const int appearance = int(item.m_Appearance);
        connect(action, &QAction::triggered, this, [this, appearance] { OnAppearance(appearance); });
    }
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
