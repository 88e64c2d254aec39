#pragma once
// A channel's RX or TX option button: filled with the colour of its signalling, framed with a raised (or,
// while pressed, sunken) 3-D edge and captioned in black, centred on one line.

#include <QColor>
#include <QPushButton>

class COptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit COptionButton(QWidget* parent = nullptr);

    // An invalid colour keeps the button's normal background.
    void SetLook(const QString& caption, const QColor& fill);
    QColor m_Fill;
    QString m_strWhat;  // which control it is ("Channel 3 TX option"); the name adds the caption it shows

protected:
    void paintEvent(QPaintEvent* event) override;
};
