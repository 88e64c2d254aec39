#pragma once
// The desktop program's port: the serial driver for every device, and for the built-in radio's name the
// simulated radio in real time, inside the program. Windows has no pseudo-terminals, so there COM49 resolves
// to kBuiltInRadioDevice and reaches the radio through this port; on Linux COM49 is a pseudo-terminal and
// this port only ever opens the serial driver.

#include <memory>
#include <string>

#include "RadioPort.h"
#include "RadioSimulator.h"
#include "SerialPort.h"
#include "SimPort.h"

// The device name that stands for the program's simulated radio where it has no device of its own.
extern const char* const kBuiltInRadioDevice;

// The simulated radio on the wall clock: each wait really takes its time, so a transfer runs as long as
// with a radio and its progress can be watched.
class CRealTimeSimPort : public CSimPort {
public:
    explicit CRealTimeSimPort(CRadioSimulator& radio) : CSimPort(radio) {}
    bool Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) override;
    void WaitMs(int ms) override;
};

class CProgramPort : public CRadioPort {
public:
    CProgramPort() : m_BuiltIn(m_Radio) {}

    bool Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) override;
    void Close() override;
    std::string OpenFailureText() const override { return m_pActive->OpenFailureText(); }
    int Write(const uint8_t* data, int length) override { return m_pActive->Write(data, length); }
    using CRadioPort::Write;
    int QueuedCount() const override { return m_pActive->QueuedCount(); }
    bool PopByte(uint8_t& byte) override { return m_pActive->PopByte(byte); }
    bool TakeOverflow() override { return m_pActive->TakeOverflow(); }
    void SetDtr(bool on) override { m_pActive->SetDtr(on); }
    void SetRts(bool on) override { m_pActive->SetRts(on); }
    void WaitMs(int ms) override { m_pActive->WaitMs(ms); }

    // One radio for the program's lifetime: what was written to it is there to be read back.
    CRadioSimulator m_Radio;

private:
    CSerialPort m_Serial;
    CRealTimeSimPort m_BuiltIn;
    CRadioPort* m_pActive = &m_Serial;
};
