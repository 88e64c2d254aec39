#pragma once
// What cannot be read or seen in a shown window: a text below 4.5:1 against what it is drawn on, the box
// of a check box or radio button, or the edge of a channel's option button, without a pixel of 3:1 against
// the window behind it (measured in the picture the window draws).

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <string>
#include <vector>

#include "shared/DisplaySettings.h"
#include "widgets/OptionButton.h"

// The strongest contrast any pixel of area has with background.
inline double StrongestContrast(const QImage& image, const QRect& area, const QColor& background) {
    double strongest = 1.0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            strongest = std::max(strongest, ContrastRatio(image.pixelColor(x, y), background));
        }
    }
    return strongest;
}

inline std::vector<std::string> ContrastFaults(QWidget* top) {
    std::vector<std::string> faults;
    const auto say = [&faults](const QWidget* widget, const char* what, double ratio) {
        const QString who = widget->accessibleName().isEmpty()
                                ? QString::fromLatin1(widget->metaObject()->className())
                                : widget->accessibleName();
        faults.push_back(who.toStdString() + ": " + what + " at " + std::to_string(ratio).substr(0, 4) +
                         ":1");
    };
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(top) || widget->width() <= 0) {
            continue;
        }
        const QPalette& palette = widget->palette();
        const QPalette::ColorGroup group = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const double windowText =
            ContrastRatio(palette.color(group, QPalette::WindowText), palette.color(group, QPalette::Window));
        if (auto* option = qobject_cast<COptionButton*>(widget)) {
            const QColor fill = OptionFill(option->m_Fill, palette);
            const QColor under = fill.isValid() ? fill : palette.color(QPalette::Button);
            // the palette's own text, and its greyed text while a transfer runs, read on the fill
            for (const QPalette::ColorGroup state : {QPalette::Active, QPalette::Disabled}) {
                const double text = ContrastRatio(palette.color(state, QPalette::ButtonText), under);
                if (text < 4.5) {
                    say(option, state == QPalette::Active ? "text" : "greyed text", text);
                }
            }
            const QImage image = option->grab().toImage();
            const double edge =
                StrongestContrast(image, QRect(0, 0, image.width(), 1), palette.color(QPalette::Window));
            if (edge < 3.0) {
                say(option, "edge", edge);
            }
        } else if (qobject_cast<QCheckBox*>(widget) != nullptr ||
                   qobject_cast<QRadioButton*>(widget) != nullptr) {
            auto* button = static_cast<QAbstractButton*>(widget);
            QStyleOptionButton box;
            box.initFrom(button);
            const bool check = qobject_cast<QCheckBox*>(widget) != nullptr;
            const QRect indicator = button->style()->subElementRect(
                check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &box, button);
            const double edge =
                StrongestContrast(button->grab().toImage(), indicator, palette.color(QPalette::Window));
            if (widget->isEnabled() && edge < 3.0) {
                say(button, "box", edge);
            }
            if (!button->text().isEmpty() && windowText < 4.5) {
                say(button, "text", windowText);
            }
        } else if ((qobject_cast<QLabel*>(widget) != nullptr &&
                    !static_cast<QLabel*>(widget)->text().isEmpty()) ||
                   qobject_cast<QGroupBox*>(widget) != nullptr) {
            if (windowText < 4.5) {
                say(widget, "text", windowText);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button != nullptr && !button->text().isEmpty()) {
            const double text = ContrastRatio(palette.color(group, QPalette::ButtonText),
                                              palette.color(group, QPalette::Button));
            if (text < 4.5) {
                say(button, "text", text);
            }
        }
    }
    return faults;
}
