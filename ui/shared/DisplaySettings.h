#pragma once
// The window's language and appearance: chosen in the View menu, remembered in KV310-display.ini beside the
// port file (KV310.ini keeps its 4 bytes), and applied when the program starts. Without a choice the language
// follows the system's locale and the appearance is the platform's own.
//
// The colours the window picks itself come from here, one for each palette, so that a dark palette gets
// marks and text that keep their contrast.

#include <QColor>
#include <QPalette>
#include <QPixmap>
#include <QString>

#include "ChannelSignalling.h"

class QApplication;

enum class ELanguage { System, English, German, Spanish };
enum class EAppearance { System, Light, Dark };

struct SDisplaySettings {
    ELanguage m_Language = ELanguage::System;
    EAppearance m_Appearance = EAppearance::System;
};

// The file beside the port file; empty when the environment names no config folder.
QString DisplaySettingsPath();
// What the file says; a missing or unreadable file, or an unknown word in it, gives the defaults.
SDisplaySettings LoadDisplaySettings();
// Writes the file; false when it cannot be written.
bool SaveDisplaySettings(const SDisplaySettings& settings);

// The catalogue name of a language ("de", "es"; "en" for English), the system's for ELanguage::System.
QString LanguageCode(ELanguage language);
// Installs the window's catalogue and Qt's own for the language (English needs none); a later call
// replaces the earlier one. Returns whether the window's catalogue was found (always true for English).
bool InstallLanguage(ELanguage language);
// A number inside a sentence as the installed language writes it ("3,8" in German and Spanish); the
// frequency fields keep the point the radio trade uses, and do not come here. decimals < 0: as few as the
// value needs ("6,25", "5").
QString NumberText(double value, int decimals);

// Applies an appearance to the application: the platform's style and palette as the program started
// (System), the platform's style with its standard light palette (Light), or the Fusion style with a dark
// palette (Dark).
void ApplyAppearance(EAppearance appearance);

// Whether a palette is dark: its window background darker than its text.
bool IsDarkPalette(const QPalette& palette);
// The dark palette the Dark appearance uses.
QPalette DarkPalette();
// The EEPROM map's colours: the background of a changed byte (0xFFCCFF in a light palette), of every other
// byte, and the text on both.
QColor MapMarkColour(const QPalette& palette);
QColor MapPlainColour(const QPalette& palette);
QColor MapTextColour(const QPalette& palette);
// The frame of the map's current cell.
QColor MapFrameColour(const QPalette& palette);
// The light fill of a channel's option button for its signalling (a pale tone colour); invalid for Plain
// (the button's own background). The CTCSS picker marks the same eleven tones with MarkedCtcss's.
QColor OptionFillColour(EOptionFill fill);
// A channel's option button: its fill for the light fill its signalling has (a pale tone colour; invalid for
// none), darkened in a dark palette with its hue kept, and the text on it, enabled or greyed, at 4.5:1.
QColor OptionFill(const QColor& lightFill, const QPalette& palette);
QColor OptionInk(const QColor& fill, const QPalette& palette, bool enabled);
// The outline of a check box's or radio button's box in a dark palette: 3:1 against the window.
QColor ControlOutlineColour(const QPalette& palette);
// The radio's picture (a dark drawing) as the dialogs show it: on a light plate in a dark palette.
QPixmap RadioPicture(int size, const QPalette& palette);
// The background of a frequency field whose frequency lies outside the band, its text readable on it.
QColor OutOfBandColour(const QPalette& palette);
// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it (1 to 21).
double ContrastRatio(const QColor& first, const QColor& second);
