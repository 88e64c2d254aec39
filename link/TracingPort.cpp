#include "TracingPort.h"

#include <chrono>

#include "Format.h"

CTracingPort::CTracingPort(CRadioPort& inner, CClockMs clock) : m_Inner(inner), m_Clock(std::move(clock)) {
    if (!m_Clock) {
        m_Clock = [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            return std::chrono::duration<double, std::milli>(now).count();
        };
    }
}

double CTracingPort::Now() const {
    return m_Clock() - m_dOriginMs;
}

bool CTracingPort::Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) {
    FlushReceived();
    // a transfer and its verify open the port twice: one time line for the whole trace
    if (!m_bStarted) {
        m_dOriginMs = m_Clock();
        m_bStarted = true;
    }
    return m_Inner.Open(portName, baudRate, portNumber);
}

void CTracingPort::Close() {
    FlushReceived();
    m_Inner.Close();
}

int CTracingPort::Write(const uint8_t* data, int length) {
    FlushReceived();
    const double at = Now();
    const int written = m_Inner.Write(data, length);
    AddLine(at, '>', data, written);
    return written;
}

bool CTracingPort::PopByte(uint8_t& byte) {
    if (!m_Inner.PopByte(byte)) {
        return false;
    }
    if (m_strReceived.empty()) {
        m_dReceivedAtMs = Now();
    }
    m_strReceived.push_back(static_cast<char>(byte));
    return true;
}

void CTracingPort::SetDtr(bool on) {
    FlushReceived();
    m_Inner.SetDtr(on);
}

void CTracingPort::SetRts(bool on) {
    FlushReceived();
    m_Inner.SetRts(on);
}

void CTracingPort::WaitMs(int ms) {
    FlushReceived();
    m_Inner.WaitMs(ms);
}

std::string CTracingPort::Text() {
    FlushReceived();
    return m_strText;
}

void CTracingPort::Clear() {
    m_strText.clear();
    m_strReceived.clear();
    m_bStarted = false;
}

void CTracingPort::FlushReceived() {
    if (!m_strReceived.empty()) {
        AddLine(m_dReceivedAtMs, '<', reinterpret_cast<const uint8_t*>(m_strReceived.data()),
                static_cast<int>(m_strReceived.size()));
        m_strReceived.clear();
    }
}

void CTracingPort::AddLine(double atMs, char direction, const uint8_t* data, int length) {
    if (length <= 0) {
        return;
    }
    std::string line = StrPrintf("%.3f %c", atMs, direction);
    for (int i = 0; i < length; ++i) {
        line += StrPrintf(" %02X", data[i]);
    }
    m_strText += line + "\n";
}
