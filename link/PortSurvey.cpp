#include "PortSurvey.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "Format.h"
#include "PortNames.h"
#include "SerialPort.h"
#include "TextMark.h"

#ifdef _WIN32
#include "PortSurveyWindows.h"
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

struct SStateText {
    EPortState m_State;
    const char* m_szShort;  // the listing's column
};

constexpr SStateText kStateTexts[] = {
    {EPortState::Ready, KV310_TEXT("Messages", "ready")},
#ifdef _WIN32
    {EPortState::NoPermission, KV310_TEXT("Messages", "no permission")},
#else
    {EPortState::NoPermission,
     KV310_TEXT("Messages", "no permission \u2014 add yourself to the dialout group")},
#endif
    {EPortState::InUse, KV310_TEXT("Messages", "in use")},
    {EPortState::Missing, KV310_TEXT("Messages", "not present")},
};

struct SProblemAdvice {
    int m_nProblem;
    const char* m_pszAdvice;  // %d: the code
};

// The configuration manager's codes a USB serial adapter shows most; any other gets the last line.
constexpr SProblemAdvice kProblemAdvice[] = {
    {1, KV310_TEXT(
            "Messages",
            "the adapter has no driver set up (code %d); install the driver the adapter's maker supplies")},
    {10,
     KV310_TEXT(
         "Messages",
         "the adapter's driver did not start it (code %d); use the driver the adapter's maker supplies, or "
         "another cable")},
    {22, KV310_TEXT("Messages", "the adapter is disabled (code %d); enable it in Device Manager")},
    {28, KV310_TEXT("Messages",
                    "no driver is installed for the adapter (code %d); install the driver the adapter's "
                    "maker supplies")},
    {43, KV310_TEXT("Messages",
                    "Windows stopped the adapter after it reported a fault (code %d); plug it into another "
                    "USB socket, or use another cable")},
    {0, KV310_TEXT("Messages",
                   "the adapter's driver reports a problem (code %d); see the adapter in Device Manager, or "
                   "use another cable")},
};

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += StrPrintf("\\u%04x", static_cast<unsigned>(c));
        } else {
            out += c;
        }
    }
    return out + "\"";
}

#ifndef _WIN32
std::string UpperHex(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string ReadSysfsLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\0')) {
        line.pop_back();
    }
    return line;
}

// A process table entry's number; 0 for a name that is none (or too long to be one: std::stoi would throw).
int ProcessId(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return 0;
    }
    return std::stoi(text);
}
#endif

}  // namespace

#ifndef _WIN32

CLinuxPortSystem::CLinuxPortSystem(std::string sysRoot, std::string procRoot, std::string devRoot, int ownPid)
    : m_strSysRoot(std::move(sysRoot)),
      m_strProcRoot(std::move(procRoot)),
      m_strDevRoot(std::move(devRoot)),
      m_nOwnPid(ownPid < 0 ? static_cast<int>(::getpid()) : ownPid) {}

std::vector<int> CLinuxPortSystem::PresentPorts() {
    std::vector<uint32_t> list;
    CSerialPort::EnumeratePortsIn(list, m_strSysRoot, m_strDevRoot);
    std::vector<int> ports;
    for (size_t i = 1; i < list.size(); ++i) {  // the first is the menu's placeholder
        ports.push_back(static_cast<int>(list[i]));
    }
    return ports;
}

// /sys/class/tty/ttyUSB0/device is the adapter's port or interface; the USB device that names its product,
// maker and serial number is the first folder above it with an idVendor.
void CLinuxPortSystem::Identify(SPortInfo& info) {
    info.m_strKind = info.m_nCom >= kFirstTtyAcm   ? KV310_TEXT("Messages", "USB modem adapter")
                     : info.m_nCom >= kFirstTtyUsb ? KV310_TEXT("Messages", "USB serial adapter")
                                                   : KV310_TEXT("Messages", "Serial port");
    const std::string name = fs::path(info.m_strDevice).filename().string();
    std::error_code error;
    fs::path dir = fs::canonical(fs::path(m_strSysRoot) / "class/tty" / name / "device", error);
    for (int up = 0; !error && up < 4 && !dir.empty(); ++up, dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", error)) {
            continue;
        }
        info.m_strProduct = ReadSysfsLine(dir / "product");
        info.m_strMaker = ReadSysfsLine(dir / "manufacturer");
        info.m_strSerial = ReadSysfsLine(dir / "serial");
        info.m_strVendorId = UpperHex(ReadSysfsLine(dir / "idVendor"));
        info.m_strProductId = UpperHex(ReadSysfsLine(dir / "idProduct"));
        if (info.m_nCom < kFirstTtyUsb) {
            info.m_strKind = "USB serial adapter";
        }
        return;
    }
}

int CLinuxPortSystem::AccessError(const std::string& device) {
    return ::access(device.c_str(), R_OK | W_OK) == 0 ? 0 : errno;
}

std::vector<SPortHolder> CLinuxPortSystem::Holders(const std::string& device) {
    std::vector<SPortHolder> holders;
    std::error_code error;
    for (const fs::directory_entry& process : fs::directory_iterator(m_strProcRoot, error)) {
        const int pid = ProcessId(process.path().filename().string());
        if (pid <= 0 || pid == m_nOwnPid) {
            continue;
        }
        std::error_code fdError;  // another user's descriptors cannot be read: that process is passed by
        for (const fs::directory_entry& fd : fs::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError).string() == device) {
                holders.push_back({pid, ReadSysfsLine(process.path() / "comm")});
                break;
            }
        }
    }
    std::sort(holders.begin(), holders.end(),
              [](const SPortHolder& a, const SPortHolder& b) { return a.m_nPid < b.m_nPid; });
    return holders;
}

std::unique_ptr<CPortSystem> MachinePortSystem() {
    return std::make_unique<CLinuxPortSystem>();
}

#else

std::unique_ptr<CPortSystem> MachinePortSystem() {
    return std::make_unique<CWindowsPortSystem>(MachineWinDeviceSource());
}

#endif

SPortInfo SurveyDevice(CPortSystem& system, int com, const std::string& device) {
    SPortInfo info;
    info.m_nCom = com;
    info.m_strDevice = device;
    if (com == kSimulatedRadioCom) {
        info.m_strDevice.clear();  // its pseudo-terminal exists only once something opens COM49
        info.m_strKind = KV310_TEXT("Messages", "Simulated radio");
        return info;
    }
    system.Identify(info);
    const int err = system.AccessError(device);
    if (err == ENOENT || err == ENODEV || err == ENXIO) {
        info.m_State = EPortState::Missing;
    } else if (err == EACCES || err == EPERM) {
        info.m_State = EPortState::NoPermission;
    } else if (err == EBUSY) {  // Windows: another program has it, and the system does not say which
        info.m_State = EPortState::InUse;
    } else if (const std::vector<SPortHolder> holders = system.Holders(device); !holders.empty()) {
        info.m_State = EPortState::InUse;
        info.m_Holder = holders.front();
    }
    return info;
}

std::vector<SPortInfo> SurveyPorts(CPortSystem& system) {
    std::vector<SPortInfo> ports;
    for (const int com : system.PresentPorts()) {
        if (com != kSimulatedRadioCom) {  // a machine's own COM49 is hidden behind the simulated radio
            ports.push_back(SurveyDevice(system, com, ComDevicePath(com)));
        }
    }
    const std::vector<SPortInfo> failed = system.AdaptersWithoutPort();
    ports.insert(ports.end(), failed.begin(), failed.end());
    ports.push_back(SurveyDevice(system, kSimulatedRadioCom, std::string()));
    return ports;
}

std::string PortStateText(const SPortInfo& info) {
    if (info.m_State == EPortState::InUse) {
        if (info.m_Holder.m_nPid == 0) {
            return LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "in use by another program"));
        }
        if (info.m_Holder.m_strName.empty()) {
            return TextPrintf(KV310_MESSAGES,
                              KV310_TEXT("Messages", "in use by another program (process %d)"),
                              info.m_Holder.m_nPid);
        }
        return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "in use by %s (process %d)"),
                          info.m_Holder.m_strName.c_str(), info.m_Holder.m_nPid);
    }
    if (info.m_State == EPortState::DriverFailed) {
        return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "driver failed (code %d)"), info.m_nProblem);
    }
    for (const SStateText& text : kStateTexts) {
        if (text.m_State == info.m_State) {
            return LookUpText(KV310_MESSAGES, text.m_szShort);
        }
    }
    return std::string();
}

std::string PortWhatText(const SPortInfo& info) {
    if (info.m_strProduct.empty()) {
        return LookUpText(KV310_MESSAGES, info.m_strKind.c_str());
    }
    std::string text = info.m_strProduct;
    std::string details = info.m_strMaker;
    if (!info.m_strSerial.empty()) {
        details += (details.empty() ? "" : ", ") +
                   TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "serial %s"), info.m_strSerial.c_str());
    }
    return details.empty() ? text : text + " (" + details + ")";
}

std::string DriverProblemAdvice(int problem) {
    for (const SProblemAdvice& advice : kProblemAdvice) {
        if (advice.m_nProblem == problem || advice.m_nProblem == 0) {
            return TextPrintf(KV310_MESSAGES, advice.m_pszAdvice, problem);
        }
    }
    return std::string();
}

std::string PortUnusableText(const SPortInfo& info) {
    const std::string name =
        info.m_nCom > 0 ? StrPrintf("COM%d (%s)", info.m_nCom, info.m_strDevice.c_str()) : info.m_strDevice;
    if (info.m_State == EPortState::DriverFailed) {
        return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%s has no port: %s."),
                          PortWhatText(info).c_str(), DriverProblemAdvice(info.m_nProblem).c_str());
    }
    switch (info.m_State) {
        case EPortState::Ready:
            return std::string();
        case EPortState::NoPermission:
            return TextPrintf(
                KV310_MESSAGES,
                KV310_TEXT("Messages",
                           "%s cannot be used: no permission. Add yourself to the dialout group "
                           "(sudo usermod -aG dialout $USER), then log out and in again."),
                name.c_str());
        case EPortState::InUse:
            return TextPrintf(KV310_MESSAGES,
                              KV310_TEXT("Messages", "%s is %s. Close that program, then try again."),
                              name.c_str(), PortStateText(info).c_str());
        case EPortState::Missing:
            return TextPrintf(KV310_MESSAGES,
                              KV310_TEXT("Messages",
                                         "%s is not present. Plug in the programming cable, or pick its port "
                                         "(Port > Find the Cable)."),
                              name.c_str());
        case EPortState::DriverFailed:
            break;
    }
    return std::string();
}

std::string PortsText(const std::vector<SPortInfo>& ports) {
    const CEnglishTexts english;  // a listing for scripts and problem reports, in every language the same
    std::string text;
    for (const SPortInfo& port : ports) {
        if (port.m_State == EPortState::DriverFailed) {  // no port, but the advice the user needs
            text += "-\t(no port)\t" + PortWhatText(port) + "\t" + PortStateText(port) + ": " +
                    DriverProblemAdvice(port.m_nProblem) + "\n";
            continue;
        }
        text += StrPrintf("COM%d\t%s\t%s\t%s\n", port.m_nCom,
                          port.m_strDevice.empty() ? "(built in)" : port.m_strDevice.c_str(),
                          PortWhatText(port).c_str(), PortStateText(port).c_str());
    }
    return text;
}

std::string PortsJson(const std::vector<SPortInfo>& ports) {
    std::string json = "[";
    for (size_t i = 0; i < ports.size(); ++i) {
        const SPortInfo& port = ports[i];
        json += i == 0 ? "\n  {" : ",\n  {";
        json += "\"com\": " + JsonString(port.m_nCom > 0 ? StrPrintf("COM%d", port.m_nCom) : std::string());
        json += ", \"device\": " + JsonString(port.m_strDevice);
        json += ", \"kind\": " + JsonString(port.m_strKind);
        json += ", \"product\": " + JsonString(port.m_strProduct);
        json += ", \"maker\": " + JsonString(port.m_strMaker);
        json += ", \"serial\": " + JsonString(port.m_strSerial);
        json += ", \"vendor_id\": " + JsonString(port.m_strVendorId);
        json += ", \"product_id\": " + JsonString(port.m_strProductId);
        json += ", \"usable\": " + std::string(port.m_State == EPortState::Ready ? "true" : "false");
        json += ", \"state\": " + JsonString(PortStateText(port));
        if (port.m_State == EPortState::DriverFailed) {
            json += StrPrintf(", \"problem\": %d", port.m_nProblem);
            json += ", \"advice\": " + JsonString(DriverProblemAdvice(port.m_nProblem));
        }
        if (port.m_State == EPortState::InUse) {
            json += StrPrintf(", \"holder_pid\": %d", port.m_Holder.m_nPid);
            json += ", \"holder\": " + JsonString(port.m_Holder.m_strName);
        }
        json += "}";
    }
    return json + (ports.empty() ? "]\n" : "\n]\n");
}

int CNewPortWatch::Poll(const std::vector<int>& now) {
    int appeared = 0;
    for (const int com : now) {
        if (appeared == 0 && std::find(m_Before.begin(), m_Before.end(), com) == m_Before.end()) {
            appeared = com;
        }
    }
    m_Before = now;
    return appeared;
}

SPortInfo WaitForNewPort(CPortSystem& system, int timeoutMs, const std::function<bool(int ms)>& wait) {
    CNewPortWatch watch(system.PresentPorts());
    for (int waited = 0; waited < timeoutMs; waited += kNewPortPollMs) {
        if (!wait(kNewPortPollMs)) {
            break;
        }
        if (const int com = watch.Poll(system.PresentPorts()); com != 0) {
            return SurveyDevice(system, com, ComDevicePath(com));
        }
    }
    return SPortInfo();
}

int ComOfAdapter(const std::vector<SPortInfo>& ports, const std::string& serial) {
    if (serial.empty()) {
        return 0;
    }
    for (const SPortInfo& port : ports) {
        if (port.m_strSerial == serial) {
            return port.m_nCom;
        }
    }
    return 0;
}

std::function<std::string(int com, const std::string& device)> PortCheck(CPortSystem& system) {
    return [&system](int com, const std::string& device) {
        if (com <= 0 || com == kSimulatedRadioCom || device != ComDevicePath(com)) {
            return std::string();
        }
        return PortUnusableText(SurveyDevice(system, com, device));
    };
}
