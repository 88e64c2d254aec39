#include "widgets/ChannelSpin.h"

#include <algorithm>

CChannelSpin::CChannelSpin(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 99);
    setValue(kFirstSpinChannel);
}

void CChannelSpin::stepBy(int steps) {
    setValue(std::clamp(value() + steps, kFirstSpinChannel, kLastSpinChannel));
    selectAll();
}

QAbstractSpinBox::StepEnabled CChannelSpin::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < kLastSpinChannel) {
        enabled |= StepUpEnabled;
    }
    if (value() > kFirstSpinChannel) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

int CChannelSpin::TakeChannel() {
    interpretText();  // a number typed but not yet taken
    if (value() < kFirstSpinChannel || value() > kLastSpinChannel) {
        setValue(kFirstSpinChannel);
    }
    return value();
}
