#pragma once
// The port of the unit tests: a simulated radio on a virtual clock. Writing hands the bytes to the radio
// (each takes its time on the wire), waiting moves the clock, and what the radio has sent by then lands in
// the receive queue. No test ever sleeps.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ByteQueue.h"
#include "RadioPort.h"
#include "RadioSimulator.h"

struct SPortWrite {
    int64_t m_nAtUs;  // when the host started writing
    std::vector<uint8_t> m_Bytes;
};

struct SLineChange {
    int64_t m_nAtUs;
    char m_cLine;  // 'D' DTR, 'R' RTS
    bool m_bOn;
};

class CSimPort : public CRadioPort {
public:
    explicit CSimPort(CRadioSimulator& radio) : m_Radio(radio) {}

    bool Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) override;
    void Close() override;
    std::string OpenFailureText() const override;
    int Write(const uint8_t* data, int length) override;
    using CRadioPort::Write;
    int QueuedCount() const override { return m_Queue.Count(); }
    bool PopByte(uint8_t& byte) override { return m_Queue.Pop(byte); }
    bool TakeOverflow() override { return std::exchange(m_bOverflow, false); }
    void SetDtr(bool on) override { m_Lines.push_back({m_nNowUs, 'D', on}); }
    void SetRts(bool on) override { m_Lines.push_back({m_nNowUs, 'R', on}); }
    void WaitMs(int ms) override;

    // Every byte the host wrote, in order.
    std::vector<uint8_t> Written() const;

    CRadioSimulator& m_Radio;
    int64_t m_nNowUs = 0;
    bool m_bOpen = false;
    int m_nOpenCount = 0;
    int m_nCloseCount = 0;
    std::string m_strPortName;
    uint32_t m_nBaudRate = 0;
    uint16_t m_nPortNumber = 0;
    int m_nOpenError = 0;  // when set, Open fails with this errno
    CByteQueue m_Queue;
    std::vector<SPortWrite> m_Writes;
    std::vector<SLineChange> m_Lines;
    std::vector<int> m_Waits;         // every wait, in ms
    int m_nStallAfterWrites = -1;     // from this many writes on, the device takes no more bytes
    bool m_bOverflow = false;         // the next TakeOverflow reports dropped bytes
    std::function<void()> m_OnWrite;  // after every write, e.g. to cancel a transfer part-way

private:
    void Deliver();
};
