#include "SimPort.h"

#include "PortNames.h"

bool CSimPort::Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) {
    m_strPortName = portName;
    m_nBaudRate = baudRate;
    m_nPortNumber = portNumber;
    if (m_nOpenError != 0) {
        return false;
    }
    m_bOpen = true;
    m_Queue.Reset();
    ++m_nOpenCount;
    return true;
}

void CSimPort::Close() {
    if (m_bOpen) {
        ++m_nCloseCount;
    }
    m_bOpen = false;
}

std::string CSimPort::OpenFailureText() const {
    return m_nOpenError == 0 ? std::string() : PortOpenFailureText(m_strPortName, m_nOpenError);
}

int CSimPort::Write(const uint8_t* data, int length) {
    if (!m_bOpen || length <= 0) {
        return 0;
    }
    if (m_nStallAfterWrites >= 0 && static_cast<int>(m_Writes.size()) >= m_nStallAfterWrites) {
        WaitMs(2 * length + 20);  // the driver gives up at its deadline
        return 0;
    }
    m_Writes.push_back({m_nNowUs, std::vector<uint8_t>(data, data + length)});
    const int64_t byteUs = kByteTimeUs * 9600 / (m_nBaudRate == 0 ? 9600 : m_nBaudRate);
    for (int i = 0; i < length; ++i) {
        m_nNowUs += byteUs;  // a write returns once its bytes are on the wire
        m_Radio.Receive(data + i, 1, m_nNowUs);
    }
    Deliver();
    if (m_OnWrite) {
        m_OnWrite();
    }
    return length;
}

void CSimPort::WaitMs(int ms) {
    m_Waits.push_back(ms);
    m_nNowUs += static_cast<int64_t>(ms) * 1000;
    Deliver();
}

void CSimPort::Deliver() {
    std::vector<uint8_t> due;
    m_Radio.TakeDue(m_nNowUs, due);
    if (!m_bOpen) {
        return;  // nobody listens on a closed port
    }
    for (uint8_t b : due) {
        m_Queue.Push(b);
    }
}

std::vector<uint8_t> CSimPort::Written() const {
    std::vector<uint8_t> all;
    for (const SPortWrite& write : m_Writes) {
        all.insert(all.end(), write.m_Bytes.begin(), write.m_Bytes.end());
    }
    return all;
}
