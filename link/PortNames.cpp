#include "PortNames.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "Format.h"

namespace {

#ifndef _WIN32

struct SDeviceFamily {
    int m_nFirstCom;
    const char* m_pszPrefix;  // device name without its number
};

constexpr SDeviceFamily kFamilies[] = {
    {kFirstTtyS, "ttyS"},
    {kFirstTtyUsb, "ttyUSB"},
    {kFirstTtyAcm, "ttyACM"},
};
constexpr int kFamilyPorts = 16;

const SDeviceFamily* FamilyOf(int com) {
    for (const SDeviceFamily& family : kFamilies) {
        if (com >= family.m_nFirstCom && com < family.m_nFirstCom + kFamilyPorts) {
            return &family;
        }
    }
    return nullptr;
}

std::string DeviceName(int com) {
    const SDeviceFamily* family = FamilyOf(com);
    return family == nullptr ? std::string()
                             : family->m_pszPrefix + std::to_string(com - family->m_nFirstCom);
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

#endif

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

constexpr char kWin32DevicePrefix[] = "\\\\.\\";  // \\.\ before COMn

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (text.size() < length) {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) !=
            std::toupper(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

bool IsDevicePath(const std::string& text) {
#ifdef _WIN32
    return StartsWithNoCase(text, kWin32DevicePrefix);
#else
    return !text.empty() && text[0] == '/';
#endif
}

// The device as the user knows it: COM3 rather than \\.\COM3.
std::string ShownDevice(const std::string& device) {
    const std::string bare = device.substr(StartsWithNoCase(device, kWin32DevicePrefix) ? 4 : 0);
    return ComNumberOfDosName(bare) != 0 ? bare : device;
}

}  // namespace

#ifdef _WIN32

std::string ComDevicePath(int com) {
    return com >= 1 && com <= kMaxComNumber ? kWin32DevicePrefix + std::string("COM") + std::to_string(com)
                                            : std::string();
}

int ComNumberOfDevice(const std::string& path) {
    return StartsWithNoCase(path, kWin32DevicePrefix) ? ComNumberOfDosName(path.substr(4)) : 0;
}

std::string ComPortDescription(int com, const std::string&) {
    return com >= 1 && com <= kMaxComNumber ? "Serial port" : std::string();
}

#else

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

#endif

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
    if (IsDevicePath(text)) {
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
    const std::string shown = ShownDevice(device);
    switch (err) {
        case EACCES:
        case EPERM:
#ifdef _WIN32
            return shown +
                   " is in use by another program (a terminal, another programming tool). Close that "
                   "program, then try again.";
#else
            return "Permission denied on " + device +
                   ". Add your user to the 'dialout' group (sudo usermod -aG dialout $USER), then log out "
                   "and in again.";
#endif
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return shown + " is not present. Is the programming cable plugged in?";
        case EBUSY:
            return shown + " is in use by another program.";
        default:
            return StrPrintf("%s cannot be opened: %s.", shown.c_str(), std::strerror(err));
    }
}

int ComNumberOfDosName(const std::string& name) {
    constexpr int kMaxDosCom = 255;  // Windows numbers its COM ports up to here
    if (name.size() <= 3 || !StartsWithNoCase(name, "COM")) {
        return 0;
    }
    int number = 0;
    for (size_t i = 3; i < name.size() && name[i] >= '0' && name[i] <= '9' && number <= kMaxDosCom; ++i) {
        number = number * 10 + (name[i] - '0');
    }
    return number <= kMaxDosCom ? number : 0;
}

std::vector<uint32_t> ComNumbersOfDosNames(const char* names, size_t size) {
    std::vector<uint32_t> numbers;
    for (size_t at = 0; at < size && names[at] != '\0';) {
        const size_t length = strnlen(names + at, size - at);
        if (const int com = ComNumberOfDosName(std::string(names + at, length)); com != 0) {
            numbers.push_back(static_cast<uint32_t>(com));
        }
        at += length + 1;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}
