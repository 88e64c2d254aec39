#pragma once
// read and write on several ports at once: --port given more than once, or --ports-from-list. Each port gets
// its own serial port and worker; a summary table goes to stdout at the end.

#include <string>

#include "Args.h"
#include "DataRadioDoc.h"

// The fleet options of read and write, besides the single-port ones.
extern const char* const kFleetFlag;  // "--ports-from-list"

// True when the words ask for more than one port.
bool WantsFleet(const CArgs& args);

// Writes doc (already loaded and checked) to every port; --no-verify, --backup and --trace as for one port
// (a trace per port, the port's name added to the file name). The exit status: 0 only when every radio
// succeeded.
int RunFleetWrite(const CArgs& args, const std::string& plan, CDataRadioDoc& doc);

// Reads every port into folder/PORT.dat (--image and --trace per port as for the write). Ports whose files
// would be one file (r_1 and r-1 both give r-1.dat) are refused before any radio is touched.
int RunFleetRead(const CArgs& args, const std::string& folder);
