#pragma once
// The radio's side of the programming link, on a clock given by the caller (microseconds). It takes the
// host's bytes with the time they arrived and answers by scheduling bytes with the time each one has fully
// arrived at the host (one byte every 1042 us at 9600 baud). The same radio serves the unit tests on
// virtual time (CSimPort) and a pseudo-terminal in real time (CPtyRadio).
//
// It holds a 416-byte EEPROM, a firmware version byte, a status record (channel, version, fitted modem),
// a log of everything it received, and faults it injects on request.

#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <vector>

#include "EepromImage.h"

constexpr int64_t kByteTimeUs = 1042;    // 10 bits at 9600 baud
constexpr int64_t kTurnaroundUs = 2000;  // the radio's time to think before it answers
// Block 0 goes out after the host drained the 0xAA reply (100 ms after the request) and is whole before its
// next drain (200 ms): 140 ms plus 23 ms of bytes leaves both drains about 40 ms of slack in real time.
constexpr int64_t kFirstBlockDelayUs = 140000;
constexpr int64_t kFrameGapUs = 500000;  // a frame not completed within this is dropped
constexpr int64_t kNever = std::numeric_limits<int64_t>::max();

// The sim's answer to a service command it accepts. The host only cares that some non-zero byte came.
constexpr uint8_t kServiceAck = 0xA1;
// What a radio with a garbled line answers to a service command: bytes that mean nothing to the host.
constexpr uint8_t kServiceGarbage[] = {0x3C, 0xF0, 0x0F};

struct SRadioFaults {
    bool m_bSilent = false;          // never answers anything
    bool m_bRefuse = false;          // answers 0x55 to the write, read and status requests
    bool m_bDoubleReady = false;     // answers a request 0xAA 0xAA version
    bool m_bNoReady = false;         // answers a request with m_Noise only (no 0x55, no 0xAA)
    std::vector<uint8_t> m_Noise;    // bytes sent before the answer to a request
    int m_nNakBlock = -1;            // refuses (0x58) write block k ...
    int m_nNakCount = 0;             // ... this many times
    int m_nGarbledAnswerBlock = -1;  // answers write block k with kServiceGarbage and does not store it
    int m_nBadSumBlock = -1;         // sends read block k with a wrong checksum ...
    int m_nBadSumCount = 0;          // ... this many times
    int m_nWrongAddressBlock = -1;   // sends read block k with another block's address ...
    int m_nWrongAddressCount = 0;
    int m_nShortBlock = -1;  // sends only the first 15 bytes of read block k ...
    int m_nShortCount = 0;
    int m_nSilentAfterBlock = -1;  // goes silent after write or read block k
    int m_nSilentAfterWriteBlock =
        -1;  // goes silent after write block k (a read before the write goes through)
    bool m_bTransmitNotAllowed = false;  // answers the transmit command 0x65
    int m_nIgnoredCommand = -1;          // a service command byte it never answers
    int m_nWrongByteAddress = -1;    // a worn cell: a written block stores this address with bit 0 flipped
    bool m_bServiceGarbage = false;  // answers every service command (status included) with garbage
    uint8_t m_nServiceRefusal = 0;   // when set (0x55, 0x65): the answer to every service-mode command
    int m_nStatusBytes = 4;          // sends only this many bytes of the status record
};

struct STimedByte {
    int64_t m_nDueUs;
    uint8_t m_nByte;
};

class CRadioSimulator {
public:
    CRadioSimulator();

    // The host's bytes, all arrived at nowUs.
    void Receive(const uint8_t* data, int length, int64_t nowUs);
    // Moves the bytes due by nowUs to out; returns how many.
    int TakeDue(int64_t nowUs, std::vector<uint8_t>& out);
    // When the next scheduled byte is due (kNever when none).
    int64_t NextDueUs() const { return m_Outbox.empty() ? kNever : m_Outbox.front().m_nDueUs; }

    CImageBytes m_Eeprom{};
    uint8_t m_nVersion = 0x12;
    uint8_t m_nChannel = 1;
    uint8_t m_nModem = 0xA1;
    uint8_t m_nServiceReply = kServiceAck;  // the answer to an accepted test, GPS, squelch or reset command
    SRadioFaults m_Faults;

    std::vector<uint8_t> m_Received;  // every byte the host sent, in order
    std::vector<std::string>
        m_Events;  // what the radio made of them: "enter", "write request", "block 3" ...
    bool m_bProgramming = false;
    bool m_bServiceMode = false;
    bool m_bTransmitting = false;
    int m_nBlockSends = 0;  // read blocks sent, resends included

private:
    enum class EMode { Command, WriteBlocks, ReadBlocks };

    void Process(int64_t nowUs);
    void HandleCommand(uint8_t command, uint8_t argument, uint8_t check, int64_t nowUs);
    bool AnswerRequest(int64_t nowUs);
    void HandleServiceCommand(uint8_t command, uint8_t argument, int64_t nowUs);
    void HandleWriteBlock(int64_t nowUs);
    void HandleAck(int64_t nowUs);
    void SendBlock(int block, int64_t atUs);
    void Send(const std::vector<uint8_t>& bytes, int64_t atUs);
    void Log(const std::string& event) { m_Events.push_back(event); }

    EMode m_Mode = EMode::Command;
    int m_nBlock = 0;
    bool m_bGoneSilent = false;
    std::vector<uint8_t> m_Pending;  // the frame being received
    int64_t m_nPendingSinceUs = 0;
    int64_t m_nLastDueUs = 0;
    std::deque<STimedByte> m_Outbox;
};
