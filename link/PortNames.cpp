#include "PortNames.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "Format.h"

namespace {

struct CDeviceFamily {
    int m_nFirstCom;
    const char* m_strPrefix;  // device name without its number
};

constexpr CDeviceFamily kFamilies[] = {
    {kFirstTtyS, "ttyS"},
    {kFirstTtyUsb, "ttyUSB"},
    {kFirstTtyAcm, "ttyACM"},
};
constexpr int kFamilyPorts = 16;

const CDeviceFamily* FamilyOf(int com) {
    for (const CDeviceFamily& family : kFamilies) {
        if (com >= family.m_nFirstCom && com < family.m_nFirstCom + kFamilyPorts) {
            return &family;
        }
    }
    return nullptr;
}

std::string DeviceName(int com) {
    const CDeviceFamily* family = FamilyOf(com);
    return family == nullptr ? std::string()
                             : family->m_strPrefix + std::to_string(com - family->m_nFirstCom);
}

std::string ReadLine(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

bool AllDigits(const std::string& text) {
    if (text.empty() || text.size() > 3) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ComDevicePath(int com) {
    const std::string name = DeviceName(com);
    return name.empty() ? name : "/dev/" + name;
}

int ComNumberOfDevice(const std::string& path) {
    for (int com = kFirstTtyS; com < kSimulatedRadioCom; ++com) {
        if (path == "/dev/" + DeviceName(com)) {
            return com;
        }
    }
    return 0;
}

std::string ComPortDescription(int com, const std::string& sysRoot) {
    if (com == kSimulatedRadioCom) {
        return "Simulated radio";
    }
    const std::string name = DeviceName(com);
    if (name.empty()) {
        return std::string();
    }
    // /sys/class/tty/ttyUSB0/device is the adapter's port or interface; the USB device that names its
    // product sits one or two folders above it.
    std::error_code error;
    std::filesystem::path dir =
        std::filesystem::canonical(std::filesystem::path(sysRoot) / "class/tty" / name / "device", error);
    for (int up = 0; !error && up < 4 && !dir.empty(); ++up) {
        const std::string product = ReadLine(dir / "product");
        if (!product.empty()) {
            return product;
        }
        dir = dir.parent_path();
    }
    if (com < kFirstTtyUsb) {
        return "Serial port";
    }
    return com < kFirstTtyAcm ? "USB serial adapter" : "USB modem adapter";
}

bool ParsePortArgument(const std::string& text, int& com, std::string& path, const CComResolver& resolve) {
    std::string number = text;
    if (text.size() > 3 && (text[0] == 'C' || text[0] == 'c') && (text[1] == 'O' || text[1] == 'o') &&
        (text[2] == 'M' || text[2] == 'm')) {
        number = text.substr(3);
    }
    if (AllDigits(number)) {
        const int n = std::atoi(number.c_str());
        if (n < 1 || n > kMaxComNumber) {
            return false;
        }
        com = n;
        path = resolve ? resolve(n) : ComDevicePath(n);
        return true;
    }
    if (!text.empty() && text[0] == '/') {
        com = ComNumberOfDevice(text);
        path = text;
        return true;
    }
    return false;
}

std::string PortOpenFailureText(const std::string& device, int err) {
    if (device.empty()) {
        return "This port has no device behind it.";
    }
    switch (err) {
        case EACCES:
        case EPERM:
            return "Permission denied on " + device +
                   ". Add your user to the 'dialout' group (sudo usermod -aG dialout $USER), then log out "
                   "and in again.";
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return device + " is not present. Is the programming cable plugged in?";
        case EBUSY:
            return device + " is in use by another program.";
        default:
            return StrPrintf("%s cannot be opened: %s.", device.c_str(), std::strerror(err));
    }
}
