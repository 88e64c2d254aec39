#include "shared/DisplaySettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QSaveFile>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>
#include <cmath>

#include "TextMark.h"
#include "UserFolders.h"

static void InitTranslationResources() {
    Q_INIT_RESOURCE(kv310_translations);
}

namespace {

struct SWord {
    const char* m_pszWord;
    int m_nValue;
};

constexpr SWord kLanguageWords[] = {{"system", int(ELanguage::System)},
                                    {"en", int(ELanguage::English)},
                                    {"de", int(ELanguage::German)},
                                    {"es", int(ELanguage::Spanish)}};
constexpr SWord kAppearanceWords[] = {{"system", int(EAppearance::System)},
                                      {"light", int(EAppearance::Light)},
                                      {"dark", int(EAppearance::Dark)}};

template <size_t N>
const char* WordOf(const SWord (&words)[N], int value) {
    for (const SWord& word : words) {
        if (word.m_nValue == value) {
            return word.m_pszWord;
        }
    }
    return words[0].m_pszWord;
}

template <size_t N>
int ValueOf(const SWord (&words)[N], const QString& text) {
    for (const SWord& word : words) {
        if (text == QLatin1String(word.m_pszWord)) {
            return word.m_nValue;
        }
    }
    return words[0].m_nValue;
}

// What the program started with, for the System appearance.
struct SPlatformLook {
    bool m_bKnown = false;
    QString m_strStyle;
    QPalette m_Palette;
};

SPlatformLook& PlatformLook() {
    static SPlatformLook look;
    return look;
}

QString& InstalledLanguageCode() {
    static QString code = QStringLiteral("en");
    return code;
}

QTranslator*& InstalledTranslator(int which) {
    static QTranslator* installed[2] = {nullptr, nullptr};
    return installed[which];
}

// Replaces the catalogue in slot `which` (0: the window's, 1: Qt's own) with `path`, or removes it.
bool Install(int which, const QString& path) {
    QTranslator*& slot = InstalledTranslator(which);
    if (slot != nullptr) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
        slot = nullptr;
    }
    if (path.isEmpty()) {
        return true;
    }
    auto* translator = new QTranslator;
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    slot = translator;
    return true;
}

// The relative luminance of a colour, as the contrast ratio needs it.
double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// Moves a colour away from its background, darker on a light one and lighter on a dark one, until the
// two have a contrast of 4.5:1.
QColor Readable(QColor colour, const QColor& background) {
    const bool lighten = background.lightness() < 128;
    for (int step = 0; step < 40 && ContrastRatio(colour, background) < 4.5; ++step) {
        colour = lighten ? colour.lighter(112) : colour.darker(112);
        if (lighten && colour.value() == 0) {
            colour = QColor(0x20, 0x20, 0x20);
        }
    }
    return colour;
}

// The selection and the disabled fields readable: the selection's text on its colour, and the text of a
// disabled field on its background, both at 4.5:1 at least.
QPalette ReadablePalette(QPalette palette) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight,
                         Readable(palette.color(group, QPalette::Highlight),
                                  palette.color(group, QPalette::HighlightedText)));
    }
    const struct {
        QPalette::ColorRole m_Text;
        QPalette::ColorRole m_Background;
    } pairs[] = {{QPalette::WindowText, QPalette::Window},
                 {QPalette::Text, QPalette::Base},
                 {QPalette::ButtonText, QPalette::Button}};
    for (const auto& pair : pairs) {
        palette.setColor(QPalette::Disabled, pair.m_Text,
                         Readable(palette.color(QPalette::Disabled, pair.m_Text),
                                  palette.color(QPalette::Disabled, pair.m_Background)));
    }
    return palette;
}

// Fusion in a dark palette fills an unticked check box or radio button with the base colour and draws its
// edge darker than the window: a black shape on dark grey. This style draws the edge in a colour that keeps
// 3:1 against the window.
class COutlinedStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const bool box = element == PE_IndicatorCheckBox || element == PE_IndicatorItemViewItemCheck;
        if ((!box && element != PE_IndicatorRadioButton) || !IsDarkPalette(option->palette)) {
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(ControlOutlineColour(option->palette), 1.2));
        painter->setBrush(Qt::NoBrush);
        const QRectF edge = QRectF(option->rect).adjusted(0.6, 0.6, -0.6, -0.6);
        if (box) {
            painter->drawRoundedRect(edge, 2, 2);
        } else {
            painter->drawEllipse(edge);
        }
        painter->restore();
    }
};

}  // namespace

QString DisplaySettingsPath() {
    const std::string folder = UserConfigFolder();
    if (folder.empty()) {
        return {};
    }
    return QString::fromStdString(folder) + QStringLiteral("/KV310-display.ini");
}

SDisplaySettings LoadDisplaySettings() {
    SDisplaySettings settings;
    QFile file(DisplaySettingsPath());
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return settings;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(256)).trimmed();
        const QString key = line.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = line.section(QLatin1Char('='), 1).trimmed();
        if (key == QLatin1String("language")) {
            settings.m_Language = ELanguage(ValueOf(kLanguageWords, value));
        } else if (key == QLatin1String("appearance")) {
            settings.m_Appearance = EAppearance(ValueOf(kAppearanceWords, value));
        }
    }
    return settings;
}

bool SaveDisplaySettings(const SDisplaySettings& settings) {
    const QString path = DisplaySettingsPath();
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    const QString text = QStringLiteral("language=%1\nappearance=%2\n")
                             .arg(QLatin1String(WordOf(kLanguageWords, int(settings.m_Language))),
                                  QLatin1String(WordOf(kAppearanceWords, int(settings.m_Appearance))));
    file.write(text.toUtf8());
    return file.commit();
}

QString LanguageCode(ELanguage language) {
    if (language == ELanguage::System) {
        const QString system = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
        return system == QLatin1String("de") || system == QLatin1String("es") ? system : QStringLiteral("en");
    }
    return QLatin1String(WordOf(kLanguageWords, int(language)));
}

bool InstallLanguage(ELanguage language) {
    InitTranslationResources();
    // the texts filled in below the window layer are looked up in the same catalogue
    SetTextLookup([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
    const QString code = LanguageCode(language);
    InstalledLanguageCode() = code;
    if (code == QLatin1String("en")) {
        Install(1, QString());
        return Install(0, QString());
    }
    Install(1, QStringLiteral(":/translations/qtbase_%1.qm").arg(code));
    return Install(0, QStringLiteral(":/translations/kv310_%1.qm").arg(code));
}

QString NumberText(double value, int decimals) {
    QLocale locale(InstalledLanguageCode());
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return decimals < 0 ? locale.toString(value, 'g', QLocale::FloatingPointShortest)
                        : locale.toString(value, 'f', decimals);
}

void ApplyAppearance(EAppearance appearance) {
    SPlatformLook& look = PlatformLook();
    if (!look.m_bKnown) {
        look.m_bKnown = true;
        look.m_strStyle = QApplication::style()->name();
        look.m_Palette = QApplication::palette();
    }
    switch (appearance) {
        case EAppearance::System:
            QApplication::setStyle(QStyleFactory::create(look.m_strStyle));
            QApplication::setPalette(look.m_Palette);
            break;
        case EAppearance::Light:
            QApplication::setStyle(QStyleFactory::create(look.m_strStyle));
            if (IsDarkPalette(look.m_Palette) && IsDarkPalette(QApplication::style()->standardPalette())) {
                QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            }
            QApplication::setPalette(ReadablePalette(
                IsDarkPalette(look.m_Palette) ? QApplication::style()->standardPalette() : look.m_Palette));
            break;
        case EAppearance::Dark:
            if (IsDarkPalette(look.m_Palette)) {
                QApplication::setStyle(new COutlinedStyle(QStyleFactory::create(look.m_strStyle)));
                QApplication::setPalette(ReadablePalette(look.m_Palette));
            } else {
                QApplication::setStyle(new COutlinedStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
                QApplication::setPalette(ReadablePalette(DarkPalette()));
            }
            break;
    }
}

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

QPalette DarkPalette() {
    const QColor window(0x30, 0x30, 0x30);
    const QColor base(0x1E, 0x1E, 0x1E);
    const QColor text(0xEE, 0xEE, 0xEE);
    const QColor faded(0x9A, 0x9A, 0x9A);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3C, 0x3C, 0x3C));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(0xFF, 0x80, 0x80));
    palette.setColor(QPalette::ToolTipBase, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, faded);
    palette.setColor(QPalette::Highlight, QColor(0x2F, 0x65, 0xCA));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x7F, 0xB4, 0xFF));
    palette.setColor(QPalette::LinkVisited, QColor(0xC0, 0x9A, 0xFF));
    palette.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    palette.setColor(QPalette::Midlight, QColor(0x44, 0x44, 0x44));
    palette.setColor(QPalette::Mid, QColor(0x28, 0x28, 0x28));
    palette.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x18));
    palette.setColor(QPalette::Shadow, Qt::black);
    // Disabled fields stay legible (4.5:1 on their background) while plainly greyed.
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, faded);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x50, 0x50, 0x50));
    return palette;
}

QColor MapMarkColour(const QPalette& palette) {
    return IsDarkPalette(palette) ? QColor(0x6E, 0x2A, 0x6E) : QColor::fromRgb(0xFFCCFF);
}

QColor MapPlainColour(const QPalette& palette) {
    return IsDarkPalette(palette) ? palette.color(QPalette::Base) : QColor::fromRgb(0xFFFFFF);
}

QColor MapTextColour(const QPalette& palette) {
    return IsDarkPalette(palette) ? palette.color(QPalette::Text) : QColor(Qt::black);
}

QColor MapFrameColour(const QPalette& palette) {
    return IsDarkPalette(palette) ? QColor(0x9C, 0xC8, 0xFF) : QColor(0x20, 0x20, 0x80);
}

QColor OptionFillColour(EOptionFill fill) {
    switch (fill) {
        case EOptionFill::Ctcss:
            return QColor(255, 255, 204);
        case EOptionFill::MarkedCtcss:
            return QColor(255, 204, 255);
        case EOptionFill::Dcs:
            return QColor(204, 255, 255);
        case EOptionFill::TwoTone:
            return QColor(245, 240, 240);
        case EOptionFill::Plain:
            break;
    }
    return QColor();
}

QColor OptionFill(const QColor& lightFill, const QPalette& palette) {
    if (!lightFill.isValid() || !IsDarkPalette(palette)) {
        return lightFill;
    }
    // the tone's hue, deep enough that the greyed text of a transfer stays readable on it
    QColor fill = QColor::fromHsl(lightFill.hslHue(), std::min(lightFill.hslSaturation(), 150), 0x44);
    const QColor greyed = palette.color(QPalette::Disabled, QPalette::ButtonText);
    for (int step = 0; step < 20 && ContrastRatio(greyed, fill) < 4.5; ++step) {
        fill = fill.darker(110);
    }
    return fill;
}

QColor OptionInk(const QColor& fill, const QPalette& palette, bool enabled) {
    const bool dark = IsDarkPalette(palette);
    const QColor background = fill.isValid() ? fill : palette.color(QPalette::Button);
    if (enabled) {
        return Readable(dark ? palette.color(QPalette::ButtonText) : QColor(Qt::black), background);
    }
    return Readable(palette.color(QPalette::Disabled, QPalette::ButtonText), background);
}

QColor OutOfBandColour(const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text);
    QColor mark = IsDarkPalette(palette) ? QColor(0x6A, 0x22, 0x22) : QColor(0xFF, 0xC8, 0xC8);
    for (int step = 0; step < 20 && ContrastRatio(text, mark) < 4.5; ++step) {
        mark = IsDarkPalette(palette) ? mark.darker(110) : mark.lighter(104);
    }
    return mark;
}

QColor ControlOutlineColour(const QPalette& palette) {
    QColor outline(0x9A, 0x9A, 0x9A);
    for (int step = 0; step < 20 && ContrastRatio(outline, palette.color(QPalette::Window)) < 3.0; ++step) {
        outline = outline.lighter(110);
    }
    return outline;
}

QPixmap RadioPicture(int size, const QPalette& palette) {
    const QPixmap drawing = QIcon(QStringLiteral(":/icons/radio.svg")).pixmap(size, size);
    if (!IsDarkPalette(palette)) {
        return drawing;
    }
    QPixmap lit(drawing.size());
    lit.setDevicePixelRatio(drawing.devicePixelRatio());
    lit.fill(Qt::transparent);
    QPainter painter(&lit);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD8, 0xDE, 0xE4));
    const QRectF plate(QPointF(0, 0), QSizeF(drawing.size()) / drawing.devicePixelRatio());
    painter.drawRoundedRect(plate, plate.width() / 8, plate.width() / 8);
    painter.drawPixmap(0, 0, drawing);
    return lit;
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
