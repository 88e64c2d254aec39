#include "PortNames.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "SerialPort.h"
#include "TempDir.h"

namespace {

void Touch(const std::string& path, const std::string& text = std::string()) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << text;
}

}  // namespace

TEST(PortNames, ComNumbersMapToDevicesAndBack) {
    EXPECT_EQ(ComDevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(ComDevicePath(16), "/dev/ttyS15");
    EXPECT_EQ(ComDevicePath(17), "/dev/ttyUSB0");
    EXPECT_EQ(ComDevicePath(32), "/dev/ttyUSB15");
    EXPECT_EQ(ComDevicePath(33), "/dev/ttyACM0");
    EXPECT_EQ(ComDevicePath(48), "/dev/ttyACM15");
    EXPECT_EQ(ComDevicePath(0), "");
    EXPECT_EQ(ComDevicePath(50), "");
    EXPECT_EQ(ComNumberOfDevice("/dev/ttyUSB3"), 20);
    EXPECT_EQ(ComNumberOfDevice("/dev/ttyACM0"), 33);
    EXPECT_EQ(ComNumberOfDevice("/dev/ttyS1"), 2);
    EXPECT_EQ(ComNumberOfDevice("/dev/pts/4"), 0);
}

TEST(PortNames, ParsesPortArguments) {
    int com = 0;
    std::string path;
    ASSERT_TRUE(ParsePortArgument("COM3", com, path));
    EXPECT_EQ(com, 3);
    EXPECT_EQ(path, "/dev/ttyS2");
    ASSERT_TRUE(ParsePortArgument("com17", com, path));
    EXPECT_EQ(path, "/dev/ttyUSB0");
    ASSERT_TRUE(ParsePortArgument("12", com, path));
    EXPECT_EQ(com, 12);
    ASSERT_TRUE(ParsePortArgument("/dev/ttyACM1", com, path));
    EXPECT_EQ(com, 34);
    EXPECT_EQ(path, "/dev/ttyACM1");
    ASSERT_TRUE(ParsePortArgument("/tmp/some-pty", com, path));
    EXPECT_EQ(com, 0);
    for (const char* bad : {"", "COM", "COM0", "COM50", "ttyUSB0", "3x", "COMx"}) {
        EXPECT_FALSE(ParsePortArgument(bad, com, path)) << bad;
    }
}

TEST(PortNames, PermissionDeniedNamesTheDialoutGroup) {
    const std::string text = PortOpenFailureText("/dev/ttyUSB0", EACCES);
    EXPECT_NE(text.find("/dev/ttyUSB0"), std::string::npos);
    EXPECT_NE(text.find("dialout"), std::string::npos);
    EXPECT_NE(PortOpenFailureText("/dev/ttyUSB0", ENOENT).find("plugged in"), std::string::npos);
    EXPECT_NE(PortOpenFailureText("/dev/ttyS0", EIO).find("Input/output error"), std::string::npos);
}

TEST(PortNames, DescribesPortsFromSysfs) {
    CTempDir sys;
    // a USB serial adapter: tty -> port folder -> interface -> USB device holding "product"
    const std::string usbDevice = sys.m_Path + "/devices/usb1/1-1";
    Touch(usbDevice + "/product", "USB-Serial Controller\n");
    std::filesystem::create_directories(usbDevice + "/1-1:1.0/ttyUSB0");
    std::filesystem::create_directories(sys.m_Path + "/class/tty/ttyUSB0");
    std::filesystem::create_directory_symlink(usbDevice + "/1-1:1.0/ttyUSB0",
                                              sys.m_Path + "/class/tty/ttyUSB0/device");
    EXPECT_EQ(ComPortDescription(17, sys.m_Path), "USB-Serial Controller");
    EXPECT_EQ(ComPortDescription(18, sys.m_Path), "USB serial adapter");
    EXPECT_EQ(ComPortDescription(1, sys.m_Path), "Serial port");
    EXPECT_EQ(ComPortDescription(kSimulatedRadioCom, sys.m_Path), "Simulated radio");
}

TEST(SerialPortList, ListsPresentDevicesAfterThePlaceholder) {
    CTempDir root;
    const std::string sys = root.m_Path + "/sys";
    const std::string dev = root.m_Path + "/dev";
    Touch(dev + "/ttyS0");
    Touch(dev + "/ttyS1");
    Touch(sys + "/class/tty/ttyS0/type", "4\n");  // a real UART
    Touch(sys + "/class/tty/ttyS1/type", "0\n");  // nothing behind it
    Touch(dev + "/ttyUSB0");
    Touch(dev + "/ttyUSB2");
    Touch(dev + "/ttyACM0");
    std::vector<uint32_t> list{77, 78};
    CSerialPort::EnumeratePortsIn(list, sys, dev);
    EXPECT_EQ(list, (std::vector<uint32_t>{0, 1, 17, 19, 33}));
    // COM49 is the program's to resolve, not the driver's
    EXPECT_EQ(ComDevicePath(kSimulatedRadioCom), "");
    int com = 0;
    std::string path;
    ASSERT_TRUE(ParsePortArgument("COM49", com, path, [](int n) { return "/dev/sim" + std::to_string(n); }));
    EXPECT_EQ(path, "/dev/sim49");
}

TEST(SerialPort, WriteTimeOutIsTwoMsPerByteAt9600AndFourAt4800) {
    EXPECT_EQ(CSerialPort::WriteTimeoutMs(1, 9600), 2);
    EXPECT_EQ(CSerialPort::WriteTimeoutMs(24, 9600), 48);
    EXPECT_EQ(CSerialPort::WriteTimeoutMs(3, 4800), 12);
}

TEST(SerialPort, FailedOpenKeepsTheReasonAndCloseIsHarmless) {
    CSerialPort port;
    EXPECT_FALSE(port.Open("/dev/kv310-no-such-port", 9600, 16));
    EXPECT_EQ(port.m_nLastError, ENOENT);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_NE(port.OpenFailureText().find("/dev/kv310-no-such-port"), std::string::npos);
    port.Close();
    port.Close();
    EXPECT_EQ(port.m_hComm, -1);
    EXPECT_FALSE(port.m_WatchThread.joinable());
}

TEST(SerialPort, RefusesAFileThatIsNoTerminal) {
    CTempDir dir;
    Touch(dir.File("plain"));
    CSerialPort port;
    EXPECT_FALSE(port.Open(dir.File("plain"), 9600, 0));
    EXPECT_EQ(port.m_nLastError, ENOTTY);
    EXPECT_TRUE(port.IsOpen());  // the device stays open until Close, as after a refused configuration
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

TEST(SerialPort, RefusesAnUnknownBaudRate) {
    CSerialPort port;
    EXPECT_FALSE(port.Open("/dev/null", 1234, 0));
    EXPECT_EQ(port.m_nLastError, EINVAL);
    port.Close();
}
