// The port survey's readers of sysfs and /proc on a fake tree built from the fuzzer's bytes: a serial port's
// type, a USB adapter's product, maker and serial number, and a process (its name in the process table, its
// comm and what its descriptor links to). Whatever the files hold, the survey and its listings must not
// fault.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PortSurvey.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The parts of the input between 0xFF bytes; missing ones are empty.
std::vector<std::string> Parts(const uint8_t* data, size_t size, size_t count) {
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF) {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(data[i]);
        }
    }
    parts.resize(count);
    return parts;
}

// A file or folder name out of any text: no slash, no NUL, never "", "." or "..".
std::string FileName(std::string text) {
    for (char& c : text) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    return text.empty() || text == "." || text == ".." ? "x" + text : text.substr(0, 200);
}

// A folder in memory where there is one: the tree is made anew for every input.
fs::path ScratchFolder() {
    std::error_code error;
    return fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path root = ScratchFolder() / ("kv310-fuzz-ports-" + std::to_string(::getpid()));
    std::error_code error;
    fs::remove_all(root, error);
    // type of ttyS0, product, maker, serial of the adapter behind ttyUSB0, a process's name, comm, fd link
    const std::vector<std::string> part = Parts(data, size, 7);
    Write(root / "sys/class/tty/ttyS0/type", part[0]);
    Write(root / "dev/ttyS0", "");
    const fs::path usb = root / "sys/devices/usb1/1-1";
    Write(usb / "idVendor", "0403\n");
    Write(usb / "product", part[1]);
    Write(usb / "manufacturer", part[2]);
    Write(usb / "serial", part[3]);
    fs::create_directories(usb / "1-1:1.0/ttyUSB0", error);
    fs::create_directories(root / "sys/class/tty/ttyUSB0", error);
    fs::create_symlink(usb / "1-1:1.0/ttyUSB0", root / "sys/class/tty/ttyUSB0/device", error);
    Write(root / "dev/ttyUSB0", "");
    const fs::path process = root / "proc" / FileName(part[4]);
    Write(process / "comm", part[5]);
    fs::create_directories(process / "fd", error);
    if (!part[6].empty() && part[6].find('\0') == std::string::npos) {
        fs::create_symlink(part[6], process / "fd/3", error);
    }

    CLinuxPortSystem system((root / "sys").string(), (root / "proc").string(), (root / "dev").string(), 1);
    const std::vector<SPortInfo> ports = SurveyPorts(system);
    PortsText(ports);
    PortsJson(ports);
    for (const SPortInfo& info : ports) {
        PortWhatText(info);
        PortUnusableText(info);
    }
    const std::string device = part[6].empty() ? "/dev/ttyUSB0" : part[6];
    system.Holders(device);
    PortCheck(system)(0, device);
    return 0;
}
