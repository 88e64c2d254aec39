// The desktop program's port: the built-in radio by its device name, in real time, the serial driver for
// every other device.

#include <gtest/gtest.h>

#include "ImageTransfer.h"
#include "PortNames.h"
#include "ProgramPort.h"

namespace {

TEST(ProgramPort, WritesAndReadsBackTheBuiltInRadioAcrossOpens) {
    CProgramPort port;
    CDataRadioDoc written;
    written.m_nModel = kModelKv310Uhf;
    written.ResetToDefaults();
    written.m_Channel[3].m_dRxFreq = 440.125;
    CEepromImage writtenImage;
    std::string status;
    STransferHooks hooks;
    hooks.SetStatus = [&](const std::string& text) { status = text; };
    CImageTransfer writer(port, writtenImage, written, hooks);
    writer.m_nComNumber = kSimulatedRadioCom;
    writer.m_strDevice = kBuiltInRadioDevice;
    ASSERT_TRUE(writer.WriteRadio()) << status;
    EXPECT_EQ(port.m_Radio.m_Eeprom, writtenImage.m_Work);

    CDataRadioDoc read;
    read.m_nModel = kModelKv310Vhf;
    read.ResetToDefaults();
    CEepromImage readImage;
    CImageTransfer reader(port, readImage, read, hooks);
    reader.m_nComNumber = kSimulatedRadioCom;
    reader.m_strDevice = kBuiltInRadioDevice;
    ASSERT_TRUE(reader.ReadRadio()) << status;
    EXPECT_EQ(readImage.m_Work, writtenImage.m_Work);
    EXPECT_DOUBLE_EQ(read.m_Channel[3].m_dRxFreq, 440.125);
}

TEST(ProgramPort, OtherDevicesGoToTheSerialDriver) {
    struct SRow {
        const char* m_strDevice;
        bool m_bOpens;
    };
    const SRow rows[] = {
        {kBuiltInRadioDevice, true},
        {"no-such-device-kv310", false},  // the serial driver's failure, not the radio
        {kBuiltInRadioDevice, true},      // and back again
    };
    CProgramPort port;
    for (const SRow& row : rows) {
        SCOPED_TRACE(row.m_strDevice);
        EXPECT_EQ(port.Open(row.m_strDevice, 9600, kSimulatedRadioCom - 1), row.m_bOpens);
        EXPECT_EQ(port.OpenFailureText().empty(), row.m_bOpens);
        port.Close();
    }
}

}  // namespace
