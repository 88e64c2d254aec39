// The Windows side of the port names: the COM numbers among the system's device names (these run on every
// platform), and on Windows the device paths, the hints and a port that is not there.

#include <gtest/gtest.h>

#include <cerrno>

#include "PortNames.h"
#include "SerialPort.h"

namespace {

std::vector<uint32_t> Numbers(const std::string& names) {
    return ComNumbersOfDosNames(names.data(), names.size());
}

}  // namespace

TEST(DosPortNames, ComNamesInAnyCaseGiveTheirNumbers) {
    const struct {
        const char* name;
        int com;
    } cases[] = {
        {"COM1", 1}, {"com12", 12}, {"Com255", 255}, {"COM", 0},   {"COM0", 0}, {"COM256", 0},
        {"COMX", 0}, {"LPT1", 0},   {"CO", 0},       {"COM3a", 3}, {"", 0},     {"COM99999999999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComNumberOfDosName(c.name), c.com) << c.name;
    }
}

TEST(DosPortNames, ListIsSortedWithEachPortOnce) {
    using namespace std::string_literals;
    EXPECT_EQ(Numbers("C:\0COM12\0AUX\0com3\0NUL\0COM3\0COM\0\0"s), (std::vector<uint32_t>{3, 12}));
    EXPECT_EQ(Numbers("\0"s), std::vector<uint32_t>{});
    EXPECT_EQ(Numbers("COM7"s), std::vector<uint32_t>{7});  // a list cut off without its last NUL
}

#ifdef _WIN32

TEST(WindowsPorts, EveryComNumberIsAWin32DevicePath) {
    EXPECT_EQ(ComDevicePath(3), "\\\\.\\COM3");
    EXPECT_EQ(ComDevicePath(49), "\\\\.\\COM49");  // no simulated radio here: a port like the others
    EXPECT_EQ(ComDevicePath(255), "\\\\.\\COM255");
    EXPECT_EQ(ComDevicePath(256), "");
    EXPECT_EQ(ComNumberOfDevice("\\\\.\\com21"), 21);
    int com = 0;
    std::string path;
    ASSERT_TRUE(ParsePortArgument("COM120", com, path));
    EXPECT_EQ(path, "\\\\.\\COM120");
    ASSERT_TRUE(ParsePortArgument("\\\\.\\COM5", com, path));
    EXPECT_EQ(com, 5);
    EXPECT_FALSE(ParsePortArgument("/dev/ttyUSB0", com, path));
}

TEST(WindowsPorts, HintsNameThePortAndTheProgramHoldingIt) {
    const std::string busy = PortOpenFailureText("\\\\.\\COM4", EACCES);
    EXPECT_EQ(busy.rfind("COM4 is in use by another program", 0), 0u) << busy;
    EXPECT_EQ(busy.find("dialout"), std::string::npos);
    EXPECT_NE(PortOpenFailureText("\\\\.\\COM4", ENOENT).find("COM4 is not present"), std::string::npos);
}

TEST(WindowsPorts, AMissingPortIsNotPresentAndCloseIsHarmless) {
    CSerialPort port;
    EXPECT_FALSE(port.Open(ComDevicePath(231), 9600, 230));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_NE(port.OpenFailureText().find("COM231 is not present"), std::string::npos)
        << port.OpenFailureText();
    port.Close();
    port.Close();
    EXPECT_FALSE(port.m_WatchThread.joinable());
}

#endif
