#pragma once
// The serial ports the Port menu offers, in the program's COM numbering.

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "PortSurvey.h"

// COM numbers present on the machine (0 entries and numbers of 50 and up are ignored by the menu).
using CPortLister = std::function<std::vector<uint32_t>()>;

// The ports the serial driver finds on this machine.
std::vector<uint32_t> DefaultPortList();

// The built-in simulated radio, offered on every machine.
constexpr int kSimulatedPortCom = 49;  // kSimulatedRadioCom of the link
constexpr int kPortMenuLimit = 50;

// "COM17  /dev/ttyUSB0 — FT232R USB UART": the COM name first, then where it leads.
QString PortEntryText(int com);

// The same from a survey: what is behind the port (a USB adapter's product, maker and serial number) and,
// when it cannot be used now, why ("in use by minicom (process 4242)").
QString PortEntryText(const SPortInfo& info);
