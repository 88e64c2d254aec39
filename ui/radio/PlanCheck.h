#pragma once
// The check every write from the window runs before anything is sent (Write Radio, Write Whole Image,
// Program Several Radios): what in the plan would not reach the radio as it says is listed, and the user
// decides whether to write it anyway.

#include "DataRadioDoc.h"
#include "MessageSink.h"

#include <QString>
#include <functional>

// True when the write may go on: no errors, or the user said to write anyway. A warning alone goes to
// showStatus (when given) and asks nothing.
bool ConfirmPlanCheck(const CDataRadioDoc& doc, CMessageSink& sink,
                      const std::function<void(const QString&)>& showStatus);
