#include "PortSurveyWindows.h"

#include <algorithm>
#include <cctype>

#include "PortNames.h"

namespace {

// Makers of USB serial chips whose adapters show up as a USB device without a port when their driver fails.
constexpr const char* kSerialChipVendors[] = {
    "0403",  // FTDI
    "1A86",  // WCH (CH340, CH341)
    "067B",  // Prolific (PL2303)
    "10C4",  // Silicon Labs (CP210x)
};

std::string UpperId(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The four hex digits after key ("VID_") in id (upper case), empty when there are none.
std::string IdAfter(const std::string& id, const std::string& key) {
    const size_t at = id.find(key);
    if (at == std::string::npos || at + key.size() + 4 > id.size()) {
        return std::string();
    }
    const std::string digits = id.substr(at + key.size(), 4);
    return std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isxdigit(c) != 0; })
               ? digits
               : std::string();
}

// "USB\VID_0403&PID_6001\A9XK3L2Q": the last part is the adapter's serial number. Windows makes up one
// with '&' in it ("5&2A1C2F&0&2") for an adapter that has none. The serial number keeps its case.
bool ParseUsbId(const std::string& id, SPortInfo& info) {
    const std::string upper = UpperId(id);
    if (upper.rfind("USB\\", 0) != 0 || IdAfter(upper, "VID_").empty()) {
        return false;
    }
    info.m_strVendorId = IdAfter(upper, "VID_");
    info.m_strProductId = IdAfter(upper, "PID_");
    const size_t slash = id.rfind('\\');
    const std::string last = id.substr(slash + 1);
    if (slash > 3 && last.find('&') == std::string::npos) {
        info.m_strSerial = last;
    }
    return true;
}

// FTDI's own bus: "FTDIBUS\VID_0403+PID_6001+A9XK3L2QA\0000", the serial number with the chip's port
// letter after it.
bool ParseFtdiId(const std::string& id, SPortInfo& info) {
    const std::string upper = UpperId(id);
    if (upper.rfind("FTDIBUS\\", 0) != 0 || IdAfter(upper, "VID_").empty()) {
        return false;
    }
    info.m_strVendorId = IdAfter(upper, "VID_");
    info.m_strProductId = IdAfter(upper, "PID_");
    const size_t plus = upper.find('+', upper.find("PID_"));
    const size_t slash = plus == std::string::npos ? std::string::npos : id.find('\\', plus);
    if (slash != std::string::npos && slash > plus + 2) {
        info.m_strSerial = id.substr(plus + 1, slash - plus - 2);  // without the port letter
    }
    return true;
}

// "USB-SERIAL CH340 (COM5)" without its port: the listing names the port already.
std::string WithoutPortName(const std::string& name, const std::string& port) {
    const std::string suffix = " (" + port + ")";
    if (!port.empty() && name.size() > suffix.size() &&
        UpperId(name.substr(name.size() - suffix.size())) == UpperId(suffix)) {
        return name.substr(0, name.size() - suffix.size());
    }
    return name;
}

void Describe(const SWinDevice& device, SPortInfo& info) {
    info.m_strProduct = WithoutPortName(device.m_strFriendlyName, device.m_strPortName);
    info.m_strMaker = device.m_strMaker;
    ParseInstanceId(device, info);
    info.m_strKind = info.m_strVendorId.empty() ? "Serial port" : "USB serial adapter";
}

}  // namespace

void ParseInstanceId(const SWinDevice& device, SPortInfo& info) {
    // an FTDI port's own id names the chip; the USB device above it carries the serial number as it is
    if (!ParseUsbId(device.m_strInstanceId, info) && !ParseUsbId(device.m_strParentId, info)) {
        ParseFtdiId(device.m_strInstanceId, info);
    }
}

bool IsSerialAdapter(const SWinDevice& device) {
    if (device.m_strClass == "Ports") {
        return true;
    }
    SPortInfo info;
    ParseInstanceId(device, info);
    return std::any_of(std::begin(kSerialChipVendors), std::end(kSerialChipVendors),
                       [&info](const char* vendor) { return info.m_strVendorId == vendor; });
}

std::vector<int> CWindowsPortSystem::PresentPorts() {
    std::vector<int> ports = m_pSource->DosPorts();
    for (const SWinDevice& device : m_pSource->Devices()) {
        const int com = ComNumberOfDosName(device.m_strPortName);
        if (com > 0 && device.m_nProblem == 0) {
            ports.push_back(com);
        }
    }
    std::sort(ports.begin(), ports.end());
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    return ports;
}

void CWindowsPortSystem::Identify(SPortInfo& info) {
    for (const SWinDevice& device : m_pSource->Devices()) {
        if (device.m_nProblem == 0 && ComNumberOfDosName(device.m_strPortName) == info.m_nCom &&
            info.m_nCom > 0) {
            Describe(device, info);
            return;
        }
    }
    info.m_strKind = m_pSource->KindOfBarePort(info.m_nCom);
}

std::vector<SPortInfo> CWindowsPortSystem::AdaptersWithoutPort() {
    std::vector<SPortInfo> adapters;
    for (const SWinDevice& device : m_pSource->Devices()) {
        if (device.m_nProblem == 0 || !IsSerialAdapter(device)) {
            continue;
        }
        SPortInfo info;
        Describe(device, info);
        if (info.m_strProduct.empty()) {
            info.m_strProduct = "USB serial adapter";
        }
        info.m_State = EPortState::DriverFailed;
        info.m_nProblem = device.m_nProblem;
        adapters.push_back(info);
    }
    return adapters;
}
