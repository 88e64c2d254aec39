#pragma once
// The receive queue between the serial watch thread (the only producer) and the protocol code (the only
// consumer). A ring of 8192 bytes that holds at most 8191, so that full and empty differ. No lock: each index
// is written by one side only; a push publishes its byte before the tail moves (release), a pop sees the byte
// once it sees the tail (acquire).

#include <array>
#include <atomic>
#include <cstdint>

class CByteQueue {
public:
    static constexpr int kSize = 8192;
    static constexpr int kCapacity = kSize - 1;

    CByteQueue() { Reset(); }

    // Clears the whole ring and both indices. Only while neither side is running.
    void Reset();
    // Bytes held: (tail - head + 8192) mod 8192.
    int Count() const;
    // False, storing nothing, when 8191 bytes are held.
    bool Push(uint8_t byte);
    // False, leaving byte untouched, when the queue is empty.
    bool Pop(uint8_t& byte);

    std::array<uint8_t, kSize> m_Buffer{};
    std::atomic<int32_t> m_nTail{0};  // where the next received byte goes; written by the producer only
    std::atomic<int32_t> m_nHead{0};  // the oldest byte not yet taken; written by the consumer only
};
