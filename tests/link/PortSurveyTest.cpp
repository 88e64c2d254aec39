// The port survey over a sysfs-like tree and a process table in a temporary folder, so USB adapters,
// permissions and holders are covered without hardware.

#include "PortSurvey.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// The machine's layout in miniature; access(2) comes from a table (the tests may run as root, who may open
// anything).
class CFakePortSystem : public CLinuxPortSystem {
public:
    explicit CFakePortSystem(const std::string& root)
        : CLinuxPortSystem(root + "/sys", root + "/proc", root + "/dev", 1), m_strRoot(root) {}

    int AccessError(const std::string& device) override {
        const auto found = m_Access.find(device);
        return found == m_Access.end() ? 0 : found->second;
    }

    // A USB adapter behind ttyUSBn: the tty's device link leads to the interface below the USB device.
    void AddAdapter(int n, const std::string& product, const std::string& maker, const std::string& serial) {
        const std::string name = "ttyUSB" + std::to_string(n);
        const fs::path usb = fs::path(m_strRoot) / "sys/devices/usb1" / ("1-" + std::to_string(n));
        const fs::path port = usb / ("1-" + std::to_string(n) + ":1.0") / name;
        Write(usb / "idVendor", "0403\n");
        Write(usb / "product", product + "\n");
        Write(usb / "manufacturer", maker + "\n");
        if (!serial.empty()) {
            Write(usb / "serial", serial + "\n");
        }
        fs::create_directories(port);
        fs::create_directories(fs::path(m_strRoot) / "sys/class/tty" / name);
        fs::create_symlink(port, fs::path(m_strRoot) / "sys/class/tty" / name / "device");
        Write(fs::path(m_strRoot) / "dev" / name, "");
    }

    void Remove(int n) { fs::remove(fs::path(m_strRoot) / "dev" / ("ttyUSB" + std::to_string(n))); }
    void Replug(int n) { Write(fs::path(m_strRoot) / "dev" / ("ttyUSB" + std::to_string(n)), ""); }

    // A process holding device open on descriptor 3.
    void AddProcess(int pid, const std::string& name, const std::string& device) {
        const fs::path dir = fs::path(m_strRoot) / "proc" / std::to_string(pid);
        Write(dir / "comm", name + "\n");
        fs::create_directories(dir / "fd");
        fs::create_symlink(device, dir / "fd/3");
    }

    std::map<std::string, int> m_Access;

private:
    std::string m_strRoot;
};

class PortSurvey : public ::testing::Test {
protected:
    PortSurvey() : m_System(m_Dir.m_Path) {
        m_System.AddAdapter(0, "FT232R USB UART", "FTDI", "A9XK3L2Q");
        m_System.AddAdapter(1, "CP2102 USB to UART Bridge", "Silicon Labs", "");
        m_System.AddAdapter(2, "USB-Serial Controller", "Prolific", "P2");
    }

    CTempDir m_Dir;
    CFakePortSystem m_System;
};

TEST_F(PortSurvey, NamesEachAdapterAndSaysWhetherItCanBeUsed) {
    m_System.m_Access["/dev/ttyUSB1"] = EACCES;
    m_System.AddProcess(4242, "minicom", "/dev/ttyUSB2");
    m_System.AddProcess(1, "kv310", "/dev/ttyUSB0");  // the program itself holds no port against itself
    m_System.AddProcess(77, "bash", "/dev/pts/1");
    const std::vector<SPortInfo> ports = SurveyPorts(m_System);
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(
        PortsText(ports),
        "COM17\t/dev/ttyUSB0\tFT232R USB UART (FTDI, serial A9XK3L2Q)\tready\n"
        "COM18\t/dev/ttyUSB1\tCP2102 USB to UART Bridge (Silicon Labs)\tno permission \u2014 add yourself "
        "to the dialout group\n"
        "COM19\t/dev/ttyUSB2\tUSB-Serial Controller (Prolific, serial P2)\tin use by minicom (process "
        "4242)\n"
        "COM49\t(built in)\tSimulated radio\tready\n");
    EXPECT_EQ(ComOfAdapter(ports, "P2"), 19);
    EXPECT_EQ(ComOfAdapter(ports, "nope"), 0);
    EXPECT_EQ(ComOfAdapter(ports, ""), 0);  // an adapter without a serial number is never "the same one"

    const std::string json = PortsJson(ports);
    EXPECT_NE(
        json.find("{\"com\": \"COM17\", \"device\": \"/dev/ttyUSB0\", \"kind\": \"USB serial adapter\", "
                  "\"product\": \"FT232R USB UART\", \"maker\": \"FTDI\", \"serial\": \"A9XK3L2Q\", "
                  "\"vendor_id\": \"0403\", \"product_id\": \"\", \"usable\": true, \"state\": \"ready\"}"),
        std::string::npos)
        << json;
    EXPECT_NE(
        json.find("\"usable\": false, \"state\": \"in use by minicom (process 4242)\", \"holder_pid\": 4242, "
                  "\"holder\": \"minicom\"}"),
        std::string::npos)
        << json;
}

TEST_F(PortSurvey, TheCheckBeforeATransferGivesTheReasonAndTheFix) {
    m_System.m_Access["/dev/ttyUSB1"] = EACCES;
    m_System.AddProcess(4242, "minicom", "/dev/ttyUSB2");
    const auto check = PortCheck(m_System);
    const struct {
        int m_nCom;
        std::string m_strDevice;
        std::string m_strReason;
    } cases[] = {
        {17, "/dev/ttyUSB0", ""},
        {18, "/dev/ttyUSB1",
         "COM18 (/dev/ttyUSB1) cannot be used: no permission. Add yourself to the dialout group (sudo "
         "usermod "
         "-aG dialout $USER), then log out and in again."},
        {19, "/dev/ttyUSB2",
         "COM19 (/dev/ttyUSB2) is in use by minicom (process 4242). Close that program, then try again."},
        {0, "/dev/pts/4", ""},  // a pseudo-terminal: the open says what is wrong with it
        {49, "/tmp/sim", ""},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(check(test.m_nCom, test.m_strDevice), test.m_strReason) << test.m_nCom;
    }
}

TEST_F(PortSurvey, FindsTheCableWhenItIsUnpluggedAndPluggedInAgain) {
    // The list after each poll: the cable (ttyUSB1) goes, another port comes and goes, then the cable
    // returns.
    const std::vector<std::function<void()>> steps = {
        [] {},
        [this] { m_System.Remove(1); },
        [] {},
        [this] { m_System.Replug(1); },
    };
    size_t step = 0;
    const SPortInfo found = WaitForNewPort(m_System, 10000, [&](int ms) {
        EXPECT_EQ(ms, kNewPortPollMs);
        if (step < steps.size()) {
            steps[step++]();
        }
        return true;
    });
    EXPECT_EQ(step, steps.size());
    EXPECT_EQ(found.m_nCom, 18);
    EXPECT_EQ(found.m_strProduct, "CP2102 USB to UART Bridge");

    int polls = 0;
    const SPortInfo none = WaitForNewPort(m_System, 1000, [&](int) { return ++polls > 0; });
    EXPECT_EQ(none.m_nCom, 0);
    EXPECT_EQ(polls, 1000 / kNewPortPollMs);
}

}  // namespace
