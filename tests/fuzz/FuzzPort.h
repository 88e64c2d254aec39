#pragma once
// The port of the reply fuzzers: whatever the fuzzer made up is what "the radio" sends. Each wait delivers
// the next chunk of the input (its first byte says how long the chunk is), so a reply can arrive whole,
// split, late, doubled or not at all.

#include <cstddef>
#include <cstdint>
#include <string>

#include "ByteQueue.h"
#include "RadioPort.h"

class CFuzzPort : public CRadioPort {
public:
    CFuzzPort(const uint8_t* data, size_t size) : m_pData(data), m_nSize(size) {}

    bool Open(const std::string&, uint32_t, uint16_t) override {
        m_Queue.Reset();
        return true;
    }
    void Close() override {}
    std::string OpenFailureText() const override { return std::string(); }
    int Write(const uint8_t*, int length) override { return length; }
    using CRadioPort::Write;
    int QueuedCount() const override { return m_Queue.Count(); }
    bool PopByte(uint8_t& byte) override { return m_Queue.Pop(byte); }
    void SetDtr(bool) override {}
    void SetRts(bool) override {}
    void WaitMs(int) override {
        if (m_nAt >= m_nSize) {
            return;
        }
        size_t length = m_pData[m_nAt++] % 48;
        for (; length > 0 && m_nAt < m_nSize; --length) {
            m_Queue.Push(m_pData[m_nAt++]);
        }
    }

private:
    const uint8_t* m_pData;
    size_t m_nSize;
    size_t m_nAt = 0;
    CByteQueue m_Queue;
};
