#pragma once
// The program keeps the COM numbering of its Port menu and port file. On Linux a COM number stands for a
// device:
//   COM1-16   /dev/ttyS0-15     (on-board UARTs)
//   COM17-32  /dev/ttyUSB0-15   (USB serial adapters, the usual programming cable)
//   COM33-48  /dev/ttyACM0-15   (USB modem-class adapters)
//   COM49     the built-in simulated radio, behind a pseudo-terminal
// On Windows COMn is the device "\\.\COMn" for every n from 1 to 255 (the form that also reaches COM10 and
// above); COM49 is the simulated radio there too, kept inside the program's own port (ProgramPort.h), so a
// machine's own COM49 cannot be used.
// Every tool also takes an explicit device path.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr int kFirstTtyS = 1;
constexpr int kFirstTtyUsb = 17;
constexpr int kFirstTtyAcm = 33;
constexpr int kSimulatedRadioCom = 49;
#ifdef _WIN32
constexpr int kMaxComNumber = 255;
#else
constexpr int kMaxComNumber = 49;
#endif

// Device path of a COM number, empty for COM49 (only the program knows where its simulated radio is) and for
// numbers that map to nothing.
std::string ComDevicePath(int com);

// How the program turns a COM number into a device: the fixed mapping above plus its own simulated radio.
// The program builds one at start-up and hands it to whatever opens ports.
using CComResolver = std::function<std::string(int com)>;

// COM number of a device path (the reverse mapping), 0 when the path is none of the mapped devices.
int ComNumberOfDevice(const std::string& path);

// A line for menus: the USB product name from sysfs when there is one, "Simulated radio" for COM49.
// sysRoot lets tests point at a fake /sys.
std::string ComPortDescription(int com, const std::string& sysRoot = "/sys");

// A PORT argument of the command line: "COM3" (any case), "3" or a device path ("/dev/ttyUSB0").
// Fills com (0 when a path maps to no COM number) and path (the device to open, through resolve when given).
// False for anything else.
bool ParsePortArgument(const std::string& text, int& com, std::string& path,
                       const CComResolver& resolve = nullptr);

// The sentence shown when opening device failed with errno err. Permission problems name the dialout group
// (on Windows: the port is held by another program).
std::string PortOpenFailureText(const std::string& device, int err);

// The COM number of a Windows device name ("COM3", "com12"), 0 for anything else.
int ComNumberOfDosName(const std::string& name);
// The COM numbers among a list of device names as QueryDosDevice gives them (each ends with a NUL, the
// list with a second one), ascending and each once.
std::vector<uint32_t> ComNumbersOfDosNames(const char* names, size_t size);
