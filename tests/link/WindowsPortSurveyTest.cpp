// The Windows port survey over a fake device table: the rows SetupAPI and the configuration manager give for
// a working FTDI adapter with a serial number, a CH340 without one that another program holds, an adapter
// whose driver failed, and devices that are no serial adapters. Runs on every platform.

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

#include "PortNames.h"
#include "PortSurveyWindows.h"

namespace {

class CFakeDeviceSource : public CWinDeviceSource {
public:
    std::vector<SWinDevice> Devices() override { return m_Devices; }
    std::vector<int> DosPorts() override { return m_DosPorts; }
    int OpenError(const std::string& device) override {
        const auto found = m_OpenErrors.find(device);
        return found == m_OpenErrors.end() ? 0 : found->second;
    }
    std::string KindOfBarePort(int) override { return "Serial port"; }

    std::vector<SWinDevice> m_Devices;
    std::vector<int> m_DosPorts;
    std::map<std::string, int> m_OpenErrors;
};

std::unique_ptr<CWindowsPortSystem> ThreeAdapters() {
    auto source = std::make_unique<CFakeDeviceSource>();
    source->m_Devices = {
        {"Ports", "USB Serial Port (COM3)", "FTDI", "FTDIBUS\\VID_0403+PID_6001+A9XK3L2QA\\0000",
         "USB\\VID_0403&PID_6001\\A9XK3L2Q", "COM3", 0},
        {"Ports", "USB-SERIAL CH340 (COM5)", "wch.cn", "USB\\VID_1A86&PID_7523\\5&2A1C2F&0&2",
         "USB\\ROOT_HUB30\\4&1B3A&0&0", "COM5", 0},
        {"Ports", "Prolific USB-to-Serial Comm Port", "Prolific", "USB\\VID_067B&PID_2303\\6&3B0C&0&1",
         "USB\\ROOT_HUB30\\4&1B3A&0&0", "", 10},
        // a broken webcam is no serial adapter; a working hub is none either
        {"", "USB Camera", "", "USB\\VID_046D&PID_0825\\1A2B", "", "", 28},
        {"USB", "USB Root Hub", "(Standard USB HUBs)", "USB\\ROOT_HUB30\\4&1B3A&0&0", "", "", 0},
    };
    source->m_DosPorts = {1, 5};  // COM1: an on-board port without a row of its own
    source->m_OpenErrors[ComDevicePath(5)] = EBUSY;
    return std::make_unique<CWindowsPortSystem>(std::move(source));
}

TEST(WindowsPortSurvey, ListsEveryAdapterWithNameSerialAndAdvice) {
    auto system = ThreeAdapters();
    std::vector<SPortInfo> ports = SurveyPorts(*system);
    ASSERT_FALSE(ports.empty());
    EXPECT_EQ(ports.back().m_strKind, "Simulated radio");  // COM49, in both programs on every system
    ports.pop_back();
    const std::string advice =
        "the adapter's driver did not start it (code 10); use the driver the adapter's maker supplies, or "
        "another cable";
    EXPECT_EQ(PortsText(ports),
              "COM1\t" + ComDevicePath(1) + "\tSerial port\tready\n" + "COM3\t" + ComDevicePath(3) +
                  "\tUSB Serial Port (FTDI, serial A9XK3L2Q)\tready\n" + "COM5\t" + ComDevicePath(5) +
                  "\tUSB-SERIAL CH340 (wch.cn)\tin use by another program\n" +
                  "-\t(no port)\tProlific USB-to-Serial Comm Port (Prolific)\tdriver failed "
                  "(code 10): " +
                  advice + "\n");
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports[1].m_strVendorId + ":" + ports[1].m_strProductId, "0403:6001");
    EXPECT_EQ(ports[2].m_strVendorId + ":" + ports[2].m_strProductId, "1A86:7523");
    EXPECT_EQ(ports[2].m_strSerial, "");  // Windows made its instance id up: no serial number
    EXPECT_EQ(ComOfAdapter(ports, "A9XK3L2Q"), 3);

    const std::string json = PortsJson(ports);
    EXPECT_NE(json.find("\"product\": \"USB Serial Port\", \"maker\": \"FTDI\", \"serial\": \"A9XK3L2Q\", "
                        "\"vendor_id\": \"0403\", \"product_id\": \"6001\", \"usable\": true"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("{\"com\": \"\", \"device\": \"\", \"kind\": \"USB serial adapter\", \"product\": "
                        "\"Prolific USB-to-Serial Comm Port\", \"maker\": \"Prolific\", \"serial\": \"\", "
                        "\"vendor_id\": \"067B\", \"product_id\": \"2303\", \"usable\": false, \"state\": "
                        "\"driver failed (code 10)\", \"problem\": 10, \"advice\": \"" +
                        advice + "\"}"),
              std::string::npos)
        << json;
    EXPECT_EQ(PortUnusableText(ports[3]),
              "Prolific USB-to-Serial Comm Port (Prolific) has no port: " + advice + ".");

    // the check before a transfer: the held port says so, the others pass
    const auto check = PortCheck(*system);
    EXPECT_EQ(check(5, ComDevicePath(5)), "COM5 (" + ComDevicePath(5) +
                                              ") is in use by another program. Close that program, then try "
                                              "again.");
    EXPECT_EQ(check(3, ComDevicePath(3)), "");
}

TEST(WindowsPortSurvey, ReadsIdsAndSerialNumbersOfEachForm) {
    const struct {
        const char* m_pszId;
        const char* m_pszParent;
        const char* m_pszIds;  // "vendor:product:serial"
    } cases[] = {
        {"USB\\VID_0403&PID_6015\\DK0aBc12", "", "0403:6015:DK0aBc12"},  // the serial keeps its case
        {"usb\\vid_10c4&pid_ea60\\0001", "", "10C4:EA60:0001"},
        {"USB\\VID_1A86&PID_7523\\5&2A1C2F&0&2", "", "1A86:7523:"},
        {"FTDIBUS\\VID_0403+PID_6010+FT4XYZA\\0000", "", "0403:6010:FT4XYZ"},
        {"FTDIBUS\\VID_0403+PID_6001+A9XK3L2QA\\0000", "USB\\VID_0403&PID_6001\\A9XK3L2Q",
         "0403:6001:A9XK3L2Q"},
        {"ACPI\\PNP0501\\1", "ACPI\\PNP0A08\\0", "::"},
        {"USB\\VID_12&PID_34\\X", "", "::"},  // too short to be ids
    };
    for (const auto& test : cases) {
        SWinDevice device;
        device.m_strInstanceId = test.m_pszId;
        device.m_strParentId = test.m_pszParent;
        SPortInfo info;
        ParseInstanceId(device, info);
        EXPECT_EQ(info.m_strVendorId + ":" + info.m_strProductId + ":" + info.m_strSerial, test.m_pszIds)
            << test.m_pszId;
    }
}

TEST(WindowsPortSurvey, EveryProblemCodeGetsAdvice) {
    for (const int code : {1, 10, 22, 28, 43, 31}) {
        const std::string advice = DriverProblemAdvice(code);
        EXPECT_NE(advice.find("(code " + std::to_string(code) + ")"), std::string::npos) << advice;
    }
    EXPECT_NE(DriverProblemAdvice(28).find("install the driver"), std::string::npos);
}

}  // namespace
