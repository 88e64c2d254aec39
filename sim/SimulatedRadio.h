#pragma once
// COM49: the program's built-in simulated radio. InstallSimulatedRadio() (called once by the GUI and the
// command-line tool at start-up) registers it with the port names, so that COM49 appears in the port list
// and opening COM49 starts the radio behind a pseudo-terminal on first use. The radio lives until the
// program ends; its thread is joined then.

#include "PtyRadio.h"

void InstallSimulatedRadio();

// The process-wide radio behind COM49 (started on first use; null when no pseudo-terminal could be had).
CPtyRadio* SharedPtyRadio();
