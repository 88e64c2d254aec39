#include "ProgramPort.h"

#include <chrono>
#include <thread>

const char* const kBuiltInRadioDevice = "COM49 (simulated radio)";

bool CRealTimeSimPort::Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) {
    // what the tests keep of every exchange would only grow in a program that runs for days
    m_Writes.clear();
    m_Waits.clear();
    m_Lines.clear();
    return CSimPort::Open(portName, baudRate, portNumber);
}

void CRealTimeSimPort::WaitMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    CSimPort::WaitMs(ms);
}

bool CProgramPort::Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) {
    m_pActive->Close();
    m_pActive = portName == kBuiltInRadioDevice ? static_cast<CRadioPort*>(&m_BuiltIn) : &m_Serial;
    return m_pActive->Open(portName, baudRate, portNumber);
}

void CProgramPort::Close() {
    m_pActive->Close();
}
