#pragma once
// The narrow port the radio protocols talk through: open and close the link, write bytes, take what the
// radio sent, raise or drop DTR and RTS, wait a number of milliseconds. The program uses the serial driver
// (CSerialPort, real sleeps); the tests use a simulated radio on virtual time (CSimPort).
//
// The protocols pace themselves: write a frame, wait a fixed time, then drain whatever arrived.

#include <cstdint>
#include <string>
#include <vector>

class CRadioPort {
public:
    virtual ~CRadioPort() = default;

    // portName is a device path (see ComDevicePath); portNumber is the 0-based COM index.
    virtual bool Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) = 0;
    virtual void Close() = 0;
    // Why the last Open failed, as a sentence for the user (empty when it did not fail).
    virtual std::string OpenFailureText() const = 0;

    // Blocks until the bytes are on their way, at most a deadline that grows with the length; returns how
    // many got out (fewer than length means the device stopped taking bytes).
    virtual int Write(const uint8_t* data, int length) = 0;
    // Bytes received and not yet taken, and taking them one by one.
    virtual int QueuedCount() const = 0;
    virtual bool PopByte(uint8_t& byte) = 0;
    // True once after bytes from the radio were dropped because the receive queue was full.
    virtual bool TakeOverflow() { return false; }

    virtual void SetDtr(bool on) = 0;
    virtual void SetRts(bool on) = 0;
    virtual void WaitMs(int ms) = 0;

    int Write(const std::vector<uint8_t>& bytes) {
        return Write(bytes.data(), static_cast<int>(bytes.size()));
    }
};

// What every protocol says when the port itself lets it down.
extern const char* const kTextBytesLost;    // the receive queue overflowed
extern const char* const kTextPortStalled;  // the adapter stopped taking bytes

// Takes every queued byte: reads the count once, then pops that many (bytes arriving meanwhile stay queued).
std::vector<uint8_t> DrainQueue(CRadioPort& port);
