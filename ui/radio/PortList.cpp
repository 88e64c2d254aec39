#include "radio/PortList.h"

#include "PortNames.h"
#include "SerialPort.h"
#include "TextMark.h"

std::vector<uint32_t> DefaultPortList() {
    std::vector<uint32_t> list;
    CSerialPort::EnumeratePorts(list);
    return list;
}

QString PortEntryText(int com) {
    QString text = QStringLiteral("COM%1").arg(com);
    // The simulated radio's device exists only once it was started; its description says enough.
    const std::string device = com == kSimulatedRadioCom ? std::string() : ComDevicePath(com);
    // (on Windows the link knows COM49 only as a serial port; the radio there is the program's own)
    // (the port's kind in the window's language: the kinds are marked where the port survey names them)
    const std::string description = LookUpText(
        KV310_MESSAGES, com == kSimulatedRadioCom ? "Simulated radio" : ComPortDescription(com).c_str());
    if (!device.empty()) {
        text += QStringLiteral("  ") + QString::fromStdString(device);
    }
    if (!description.empty()) {
        text += (device.empty() ? QStringLiteral("  ") : QStringLiteral(" \u2014 ")) +
                QString::fromStdString(description);
    }
    return text;
}

QString PortEntryText(const SPortInfo& info) {
    if (info.m_State == EPortState::DriverFailed) {  // no port: the adapter, and what its driver did
        return QString::fromStdString(PortWhatText(info) + " \u2014 " + PortStateText(info) + ": " +
                                      DriverProblemAdvice(info.m_nProblem));
    }
    QString text = QStringLiteral("COM%1").arg(info.m_nCom);
    if (!info.m_strDevice.empty()) {
        text += QStringLiteral("  ") + QString::fromStdString(info.m_strDevice) + QStringLiteral(" \u2014 ");
    } else {
        text += QStringLiteral("  ");
    }
    text += QString::fromStdString(PortWhatText(info));
    if (info.m_State != EPortState::Ready) {
        text += QStringLiteral(" \u2014 ") + QString::fromStdString(PortStateText(info));
    }
    return text;
}
