#pragma once
// The serial ports as a user knows them: COM name, device, what is behind it (a USB adapter's product, maker
// and serial number), and whether this user can use it now (permission, another program holding it).
//
// Everything the survey learns from the machine goes through CPortSystem: on Linux the device's sysfs entry
// and the process table in /proc, on Windows the device table of SetupAPI and the configuration manager
// (WindowsPortSurvey.h). Tests hand in a system built on a temporary sysfs-like tree and a fake process
// table, or on a fake device table.

#include <functional>
#include <memory>
#include <string>
#include <vector>

// DriverFailed: a USB serial adapter is plugged in but its driver did not give it a port (Windows lists it
// with a problem code).
enum class EPortState { Ready, NoPermission, InUse, Missing, DriverFailed };

struct SPortHolder {
    int m_nPid = 0;
    std::string m_strName;  // the program, as the process table names it ("minicom")
};

struct SPortInfo {
    int m_nCom = 0;            // 0 for a device without a COM number
    std::string m_strDevice;   // "/dev/ttyUSB0", "\\.\COM3"; empty for the simulated radio
    std::string m_strKind;     // "USB serial adapter", "Serial port", "Simulated radio"
    std::string m_strProduct;  // a USB adapter's product and maker as the system reports them
    std::string m_strMaker;
    std::string m_strSerial;    // a USB adapter's serial number, empty when it has none
    std::string m_strVendorId;  // a USB adapter's vendor and product ids, four hex digits ("0403")
    std::string m_strProductId;
    EPortState m_State = EPortState::Ready;
    SPortHolder m_Holder;  // who holds it, when m_State is InUse (pid 0: a program the system does not name)
    int m_nProblem = 0;    // the driver's problem code, when m_State is DriverFailed
};

class CPortSystem {
public:
    virtual ~CPortSystem() = default;
    // COM numbers of the ports present, ascending, without the simulated radio.
    virtual std::vector<int> PresentPorts() = 0;
    // Fills what is behind info's device: kind, and for a USB adapter product, maker and serial.
    virtual void Identify(SPortInfo& info) = 0;
    // The errno opening the device for reading and writing would give this user; 0 when it is allowed.
    virtual int AccessError(const std::string& device) = 0;
    // The other processes that hold the device open.
    virtual std::vector<SPortHolder> Holders(const std::string& device) = 0;
    // Adapters present without a working port (their driver failed), listed after the ports.
    virtual std::vector<SPortInfo> AdaptersWithoutPort() { return {}; }
};

#ifndef _WIN32
// The machine's own: /sys/class/tty, /proc/*/fd and access(2). The roots let tests point it elsewhere.
class CLinuxPortSystem : public CPortSystem {
public:
    explicit CLinuxPortSystem(std::string sysRoot = "/sys", std::string procRoot = "/proc",
                              std::string devRoot = "/dev", int ownPid = -1);
    std::vector<int> PresentPorts() override;
    void Identify(SPortInfo& info) override;
    int AccessError(const std::string& device) override;
    std::vector<SPortHolder> Holders(const std::string& device) override;

protected:
    std::string m_strSysRoot;
    std::string m_strProcRoot;
    std::string m_strDevRoot;
    int m_nOwnPid;  // this program's process never counts as a holder
};
#endif

// The port system of the machine the program runs on.
std::unique_ptr<CPortSystem> MachinePortSystem();

// Every port present, ascending by COM number, then the adapters without a port, the simulated radio last.
std::vector<SPortInfo> SurveyPorts(CPortSystem& system);
// One device (com 0 when it has none).
SPortInfo SurveyDevice(CPortSystem& system, int com, const std::string& device);

// "ready", "no permission — add yourself to the dialout group", "in use by minicom (process 4242)",
// "driver failed (code 10)".
std::string PortStateText(const SPortInfo& info);
// "FT232R USB UART (FTDI, serial A9XK3L2Q)", or the kind when there is no product.
std::string PortWhatText(const SPortInfo& info);
// What a driver's problem code means and what to do: "the adapter's driver did not start it (code 10); use
// the driver the adapter's maker supplies, or another cable".
std::string DriverProblemAdvice(int problem);
// Why the port cannot be used now and what to do, or empty when it can.
std::string PortUnusableText(const SPortInfo& info);

// The listing of kv310ctl ports and the problem report: one line a port, tab-separated: COM, device, what it
// is, state; in English whatever the window's language.
std::string PortsText(const std::vector<SPortInfo>& ports);
// The same as a JSON array of objects, for scripts.
std::string PortsJson(const std::vector<SPortInfo>& ports);

// Watches the list of ports for one that appears: each Poll compares the list with the one before.
class CNewPortWatch {
public:
    explicit CNewPortWatch(std::vector<int> present) : m_Before(std::move(present)) {}
    // The COM number of a port in now that was not in the list before, 0 when none.
    int Poll(const std::vector<int>& now);

private:
    std::vector<int> m_Before;
};

// Waits for a port to appear: every poll compares the list with the one before, so a cable unplugged and
// plugged in again counts. wait(ms) sleeps (virtual time in tests) and returns false to stop early.
// Returns the port that appeared, or com 0 when none did within timeoutMs.
SPortInfo WaitForNewPort(CPortSystem& system, int timeoutMs, const std::function<bool(int ms)>& wait);
constexpr int kNewPortPollMs = 250;

// The COM number of the USB adapter with this serial number, 0 when none of the ports is it.
int ComOfAdapter(const std::vector<SPortInfo>& ports, const std::string& serial);

// The check a transfer makes before it opens its port: the reason it cannot be used, or empty. Devices
// without a COM number (a pseudo-terminal) and the simulated radio are always allowed.
std::function<std::string(int com, const std::string& device)> PortCheck(CPortSystem& system);
