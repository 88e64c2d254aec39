// The machine's device table on Windows: SetupAPI lists the present devices, the configuration manager
// tells their problem codes and parents, the device's registry key its port name. Texts come through the
// wide functions and go on as UTF-8.

#include <windows.h>
// after windows.h
#include <cfgmgr32.h>
#include <setupapi.h>

#include <cerrno>

#include "PortNames.h"
#include "PortSurveyWindows.h"
#include "SerialPort.h"

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return std::string();
    }
    std::string out(static_cast<size_t>(size - 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::string Property(HDEVINFO set, SP_DEVINFO_DATA& data, DWORD property) {
    wchar_t buffer[512] = {};
    DWORD type = 0;
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &data, property, &type, reinterpret_cast<BYTE*>(buffer),
                                             sizeof buffer - sizeof(wchar_t), nullptr) ||
        type != REG_SZ) {
        return std::string();
    }
    return Utf8(buffer);
}

std::string InstanceId(DEVINST instance) {
    wchar_t id[MAX_DEVICE_ID_LEN + 1] = {};
    return ::CM_Get_Device_IDW(instance, id, MAX_DEVICE_ID_LEN, 0) == CR_SUCCESS ? Utf8(id) : std::string();
}

// "COM5" from the device's own registry key, where its driver writes the port it gave it.
std::string PortName(HDEVINFO set, SP_DEVINFO_DATA& data) {
    const HKEY key = ::SetupDiOpenDevRegKey(set, &data, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    wchar_t name[64] = {};
    DWORD size = sizeof name - sizeof(wchar_t);
    DWORD type = 0;
    const bool ok = ::RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name),
                                       &size) == ERROR_SUCCESS &&
                    type == REG_SZ;
    ::RegCloseKey(key);
    return ok ? Utf8(name) : std::string();
}

class CMachineWinDeviceSource : public CWinDeviceSource {
public:
    std::vector<SWinDevice> Devices() override {
        std::vector<SWinDevice> devices;
        const HDEVINFO set =
            ::SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
        if (set == INVALID_HANDLE_VALUE) {
            return devices;
        }
        SP_DEVINFO_DATA data{};
        data.cbSize = sizeof data;
        for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &data); ++i) {
            SWinDevice device;
            device.m_strClass = Property(set, data, SPDRP_CLASS);
            device.m_strInstanceId = InstanceId(data.DevInst);
            const bool usb = device.m_strInstanceId.rfind("USB\\", 0) == 0 ||
                             device.m_strInstanceId.rfind("FTDIBUS\\", 0) == 0;
            if (device.m_strClass != "Ports" && !usb) {
                continue;  // neither a port nor a USB device that might be an adapter
            }
            ULONG status = 0;
            ULONG problem = 0;
            if (::CM_Get_DevNode_Status(&status, &problem, data.DevInst, 0) == CR_SUCCESS &&
                (status & DN_HAS_PROBLEM) != 0) {
                device.m_nProblem = static_cast<int>(problem);
            }
            if (device.m_strClass != "Ports" && device.m_nProblem == 0) {
                continue;  // a working USB device of another class (a hub, a mouse)
            }
            device.m_strFriendlyName = Property(set, data, SPDRP_FRIENDLYNAME);
            if (device.m_strFriendlyName.empty()) {
                device.m_strFriendlyName = Property(set, data, SPDRP_DEVICEDESC);
            }
            device.m_strMaker = Property(set, data, SPDRP_MFG);
            DEVINST parent = 0;
            if (::CM_Get_Parent(&parent, data.DevInst, 0) == CR_SUCCESS) {
                device.m_strParentId = InstanceId(parent);
            }
            device.m_strPortName = PortName(set, data);
            devices.push_back(device);
        }
        ::SetupDiDestroyDeviceInfoList(set);
        return devices;
    }

    std::vector<int> DosPorts() override {
        std::vector<uint32_t> list;
        CSerialPort::EnumeratePorts(list);
        std::vector<int> ports;
        for (size_t i = 1; i < list.size(); ++i) {  // the first is the menu's placeholder
            ports.push_back(static_cast<int>(list[i]));
        }
        return ports;
    }

    // Windows opens a COM port for one program at a time: access denied means another program has it.
    int OpenError(const std::string& device) override {
        const HANDLE handle = ::CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle);
            return 0;
        }
        switch (::GetLastError()) {
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
                return ENOENT;
            case ERROR_ACCESS_DENIED:
            case ERROR_SHARING_VIOLATION:
                return EBUSY;
            default:
                return 0;  // the transfer's own open says what went wrong
        }
    }

    // The registry's SERIALCOMM map names the driver behind each COM name (\Device\VCP0 for an FTDI
    // adapter, \Device\Serial0 for an on-board UART).
    std::string KindOfBarePort(int com) override {
        std::string kind = "Serial port";
        HKEY key = nullptr;
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return kind;
        }
        const std::string wanted = "COM" + std::to_string(com);
        wchar_t name[256];
        wchar_t data[64];
        for (DWORD i = 0;; ++i) {
            DWORD nameSize = 256;
            DWORD dataSize = sizeof data - sizeof(wchar_t);
            DWORD type = 0;
            if (::RegEnumValueW(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                                &dataSize) != ERROR_SUCCESS) {
                break;
            }
            data[dataSize / sizeof(wchar_t)] = L'\0';
            if (type == REG_SZ && Utf8(data) == wanted) {
                const std::string driver = Utf8(name);
                for (const char* usb : {"VCP", "USB", "Silab", "Prolific"}) {
                    if (driver.find(usb) != std::string::npos) {
                        kind = "USB serial adapter";
                    }
                }
                break;
            }
        }
        ::RegCloseKey(key);
        return kind;
    }
};

}  // namespace

std::unique_ptr<CWinDeviceSource> MachineWinDeviceSource() {
    return std::make_unique<CMachineWinDeviceSource>();
}
