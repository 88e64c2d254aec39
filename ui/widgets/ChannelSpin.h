#pragma once
// The channel field of the service dialogs: an edit with arrows. The arrows stay within 1 to 16, but the
// field takes any two-digit number typed, so that SET can say what it does with one out of range (it sends
// channel 1 instead).

#include <QSpinBox>

constexpr int kFirstSpinChannel = 1;
constexpr int kLastSpinChannel = 16;

class CChannelSpin : public QSpinBox {
    Q_OBJECT
public:
    explicit CChannelSpin(QWidget* parent = nullptr);

    void stepBy(int steps) override;

    // The channel to send: the field's number, or 1 (shown in the field) when it is outside 1 to 16.
    int TakeChannel();

protected:
    StepEnabled stepEnabled() const override;
};
