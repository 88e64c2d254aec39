#pragma once
// The port survey on Windows, built on every platform so that a fake device table tests it anywhere.
//
// Windows knows a USB serial adapter from its device table (SetupAPI and the configuration manager): the
// friendly name ("USB-SERIAL CH340 (COM5)"), the maker, the instance id that carries the USB vendor and
// product ids and, when the adapter has one, its serial number, the port name its driver gave it, and the
// problem code of a device whose driver failed. A port another program holds shows only when it is opened:
// Windows opens a COM port for one program at a time.

#include <memory>
#include <string>
#include <vector>

#include "PortSurvey.h"

// One row of the device table: a device of the Ports class, or a USB device that may be a serial adapter.
struct SWinDevice {
    std::string m_strClass;         // the setup class: "Ports", "USB", empty for a device without a driver
    std::string m_strFriendlyName;  // "USB-SERIAL CH340 (COM5)"; the device description when it has none
    std::string m_strMaker;         // "wch.cn", "FTDI"
    std::string
        m_strInstanceId;  // "USB\VID_1A86&PID_7523\5&2A1C2F&0&2", "FTDIBUS\VID_0403+PID_6001+A9XK3L2QA\0000"
    std::string m_strParentId;  // the instance id of its parent (the USB device behind an FTDIBUS port)
    std::string m_strPortName;  // "COM5"; empty while the driver has given it no port
    int m_nProblem = 0;         // the configuration manager's problem code, 0 when it works
};

// What the Windows survey reads from the machine; the machine's own is MachineWinDeviceSource (Windows only),
// tests hand in a table.
class CWinDeviceSource {
public:
    virtual ~CWinDeviceSource() = default;
    virtual std::vector<SWinDevice> Devices() = 0;
    // The COM numbers the system knows (QueryDosDevice), also ports without a row in the device table.
    virtual std::vector<int> DosPorts() = 0;
    // The errno a trial open of device gives: 0, ENOENT when it is gone, EBUSY when another program has it.
    virtual int OpenError(const std::string& device) = 0;
    // What the machine's registry says of a port without a row (an on-board UART, a port of wine):
    // "USB serial adapter" or "Serial port".
    virtual std::string KindOfBarePort(int com) = 0;
};

class CWindowsPortSystem : public CPortSystem {
public:
    explicit CWindowsPortSystem(std::unique_ptr<CWinDeviceSource> source) : m_pSource(std::move(source)) {}
    std::vector<int> PresentPorts() override;
    void Identify(SPortInfo& info) override;
    int AccessError(const std::string& device) override { return m_pSource->OpenError(device); }
    std::vector<SPortHolder> Holders(const std::string&) override { return {}; }
    std::vector<SPortInfo> AdaptersWithoutPort() override;

private:
    std::unique_ptr<CWinDeviceSource> m_pSource;
};

// Fills vendor and product ids and the serial number from a device's instance id (or its parent's).
void ParseInstanceId(const SWinDevice& device, SPortInfo& info);
// Whether a row is a serial adapter: a Ports device, or a USB device of a maker of USB serial chips.
bool IsSerialAdapter(const SWinDevice& device);

#ifdef _WIN32
std::unique_ptr<CWinDeviceSource> MachineWinDeviceSource();
#endif
