#pragma once
// A port that records every chunk of bytes going through another port, for a serial trace:
//
//   12.345 > 87 00 87        milliseconds since the port was first opened, three decimals
//   1113.120 < AA 12         '>' bytes to the radio, '<' bytes from it, upper-case hex
//
// Bytes from the radio are taken one by one; the bytes taken between two other calls form one chunk, stamped
// with the time the first of them was taken. The trace is kept in memory (Text()); kv310ctl saves it with
// --trace, the desktop program wraps its port in one for "Save serial trace…".

#include <functional>
#include <memory>
#include <string>

#include "RadioPort.h"
#include "SerialPort.h"

class CTracingPort : public CRadioPort {
public:
    // A clock in ms; the default is the steady clock. Tests on virtual time hand in the simulated clock.
    using CClockMs = std::function<double()>;
    explicit CTracingPort(CRadioPort& inner, CClockMs clock = {});

    bool Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) override;
    void Close() override;
    std::string OpenFailureText() const override { return m_Inner.OpenFailureText(); }
    int Write(const uint8_t* data, int length) override;
    using CRadioPort::Write;
    int QueuedCount() const override { return m_Inner.QueuedCount(); }
    bool PopByte(uint8_t& byte) override;
    bool TakeOverflow() override { return m_Inner.TakeOverflow(); }
    void SetDtr(bool on) override;
    void SetRts(bool on) override;
    void WaitMs(int ms) override;

    // Every line so far, each ending in '\n' (bytes still being collected included).
    std::string Text();
    void Clear();

private:
    double Now() const;
    void FlushReceived();
    void AddLine(double atMs, char direction, const uint8_t* data, int length);

    CRadioPort& m_Inner;
    CClockMs m_Clock;
    bool m_bStarted = false;
    double m_dOriginMs = 0.0;
    std::string m_strText;
    std::string m_strReceived;  // bytes taken since the last other call
    double m_dReceivedAtMs = 0.0;
};

// The serial driver with its trace around it, as one port the link session can own.
struct SSerialPortHolder {
    CSerialPort m_Serial;
};
class CTracedSerialPort : private SSerialPortHolder, public CTracingPort {
public:
    CTracedSerialPort() : CTracingPort(m_Serial) {}
};

// Any port with its trace around it, owning the port.
struct SOwnedPortHolder {
    std::unique_ptr<CRadioPort> m_pOwned;
};
class CTracedPort : private SOwnedPortHolder, public CTracingPort {
public:
    explicit CTracedPort(std::unique_ptr<CRadioPort> port)
        : SOwnedPortHolder{std::move(port)}, CTracingPort(*m_pOwned) {}
};
