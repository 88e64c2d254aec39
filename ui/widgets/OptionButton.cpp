#include "widgets/OptionButton.h"
#include "shared/DisplaySettings.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

COptionButton::COptionButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void COptionButton::SetLook(const QString& caption, const QColor& fill) {
    if (caption == text() && fill == m_Fill) {
        return;
    }
    m_Fill = fill;
    setText(caption);
    // The name says which control it is and what it shows, as a speech user names it by its caption.
    setAccessibleName(caption.isEmpty() ? m_strWhat : m_strWhat + QStringLiteral(": ") + caption);
    setAccessibleDescription(caption.isEmpty() ? tr("no frequency yet") : caption);
    update();
}

void COptionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    const QColor fill = OptionFill(m_Fill, palette());  // the tone's hue, deep in a dark palette
    painter.fillRect(area, fill.isValid() ? fill : palette().color(QPalette::Button));
    const bool pressed = isDown();
    // the raised edge as the option buttons always had it; in a dark palette its lit edge keeps 3:1
    const bool dark = IsDarkPalette(palette());
    const QColor shade = dark ? palette().color(QPalette::Shadow) : QColor(100, 100, 100);
    const QColor light = dark ? ControlOutlineColour(palette()) : QColor(Qt::white);
    const QColor& topLeft = pressed ? shade : light;
    const QColor& bottomRight = pressed ? light : shade;
    painter.setPen(topLeft);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());

    QRect textArea = area.adjusted(2, 2, -2, -2);
    if (pressed) {
        textArea.translate(1, 1);
    }
    painter.setPen(OptionInk(fill, palette(), isEnabled()));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        // Keyboard users need to see where they are.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = area.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
