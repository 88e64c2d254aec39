#pragma once
// COM49: the program's built-in simulated radio, a pseudo-terminal served by a thread of the program. It
// starts on first use and lives until the program ends (its thread is joined then). Windows has no
// pseudo-terminals: there COM49 is kBuiltInRadioDevice, a radio inside the program's own port
// (ProgramPort.h).

#include <memory>
#include <string>

#include "PortNames.h"
#include "PtyRadio.h"
#include "RadioPort.h"

#ifndef _WIN32
// The process-wide radio behind COM49 (started on first use; null when no pseudo-terminal could be had).
CPtyRadio* SharedPtyRadio();

// The pseudo-terminal of that radio, empty when it cannot start.
std::string BuiltInRadioPath();
#endif

// COM numbers as the program sees them: the fixed device mapping, and COM49 for the simulated radio.
CComResolver ProgramComResolver();

// The port the desktop program opens the devices of ProgramComResolver through.
std::unique_ptr<CRadioPort> MakeProgramPort();
