#include "BuiltInRadio.h"

#include <memory>
#include <mutex>

#include "ProgramPort.h"
#include "SerialPort.h"

#ifdef _WIN32

// No pseudo-terminals: COM49 is the radio inside the program's port, every other number a port of the
// machine.
CComResolver ProgramComResolver() {
    return [](int com) {
        return com == kSimulatedRadioCom ? std::string(kBuiltInRadioDevice) : ComDevicePath(com);
    };
}

std::unique_ptr<CRadioPort> MakeProgramPort() {
    return std::make_unique<CProgramPort>();
}

#else

CPtyRadio* SharedPtyRadio() {
    static std::mutex mutex;
    static std::unique_ptr<CPtyRadio> radio;  // destroyed (and joined) at exit
    static bool failed = false;
    std::lock_guard<std::mutex> lock(mutex);
    if (!radio && !failed) {
        auto started = std::make_unique<CPtyRadio>();
        if (started->Start()) {
            radio = std::move(started);
        } else {
            failed = true;
        }
    }
    return radio.get();
}

std::string BuiltInRadioPath() {
    CPtyRadio* radio = SharedPtyRadio();
    return radio != nullptr ? radio->SlavePath() : std::string();
}

CComResolver ProgramComResolver() {
    return [](int com) { return com == kSimulatedRadioCom ? BuiltInRadioPath() : ComDevicePath(com); };
}

std::unique_ptr<CRadioPort> MakeProgramPort() {
    return std::make_unique<CSerialPort>();
}

#endif
