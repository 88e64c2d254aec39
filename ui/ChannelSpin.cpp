#include "ChannelSpin.h"

#include <algorithm>

CChannelSpin::CChannelSpin(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 99);
    setValue(kFirstChannel);
}

void CChannelSpin::stepBy(int steps) {
    setValue(std::clamp(value() + steps, kFirstChannel, kLastChannel));
    selectAll();
}

QAbstractSpinBox::StepEnabled CChannelSpin::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < kLastChannel) {
        enabled |= StepUpEnabled;
    }
    if (value() > kFirstChannel) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

int CChannelSpin::TakeChannel() {
    interpretText();  // a number typed but not yet taken
    if (value() < kFirstChannel || value() > kLastChannel) {
        setValue(kFirstChannel);
    }
    return value();
}
