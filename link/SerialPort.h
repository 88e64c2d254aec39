#pragma once
// The serial port driver: one COM port to the radio's programming cable. Open configures the device raw
// 8N1 and starts the watch thread, which moves every received byte into m_QueueRead; the protocols write
// their frames, wait a fixed time and drain the queue. Close wakes and joins the watch thread.
//
// Two builds of it: termios on Linux (SerialPort.cpp), the Win32 communications API on Windows
// (SerialPortWin32.cpp, device paths "\\.\COM3"). Both behave alike towards the protocols.
//
// Threads: the caller's thread opens, closes, writes and pops; ThreadWatchComm reads and pushes. The queue
// is the only thing they share besides m_bKeepWatching.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "ByteQueue.h"
#include "RadioPort.h"

class CSerialPort : public CRadioPort {
public:
    CSerialPort() { m_QueueRead.Reset(); }
    ~CSerialPort() override { Close(); }  // the watch thread must never outlive the object
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens portName (a device path, see ComDevicePath) at baudRate (9600, or 4800 to take the radio out of
    // programming mode), raw 8 data bits, no parity, 1 stop bit, DTR and RTS raised, and starts watching.
    // portNumber is the 0-based COM index. Starts with an empty receive queue. On failure the OS reason is
    // kept (OpenFailureText).
    bool Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) override;
    // Ends watching (joins the thread), discards what the device still holds and closes it. Bytes already
    // queued stay in m_QueueRead. Harmless on a closed port.
    void Close() override;
    std::string OpenFailureText() const override;

    int Write(const uint8_t* data, int length) override;
    using CRadioPort::Write;
    // Never blocks: returns what the device holds, up to maxLength. Only the watch thread calls it.
    int Read(uint8_t* buffer, int maxLength);

    int QueuedCount() const override { return m_QueueRead.Count(); }
    bool PopByte(uint8_t& byte) override { return m_QueueRead.Pop(byte); }
    bool TakeOverflow() override { return m_bQueueOverflow.exchange(false); }
    void SetDtr(bool on) override;
    void SetRts(bool on) override;
    void WaitMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    // The COM numbers present on this machine, placeholder 0 first (see PortNames.h for the mapping).
    static void EnumeratePorts(std::vector<uint32_t>& list);
#ifndef _WIN32
    // The same over another /sys and /dev, for tests.
    static void EnumeratePortsIn(std::vector<uint32_t>& list, const std::string& sysRoot,
                                 const std::string& devRoot);
#endif

    // A write may take this long before it gives up: 19200 / baud ms per byte (2 at 9600, 4 at 4800), about
    // twice the time on the wire, plus kWriteGraceMs for the scheduler and the adapter's USB frame.
    static int WriteTimeoutMs(int length, uint32_t baudRate) {
        return length * static_cast<int>(19200 / (baudRate == 0 ? 9600 : baudRate));
    }
    static constexpr int kWriteGraceMs = 20;

#ifdef _WIN32
    bool IsOpen() const {
        return m_hComm != nullptr;
    }
    void* m_hComm = nullptr;        // the open device (a HANDLE), null when closed
    void* m_hWakeEvent = nullptr;   // Close signals it to end the watch thread's wait
    void* m_hReadEvent = nullptr;   // the watch thread's overlapped reads
    void* m_hWriteEvent = nullptr;  // Write's overlapped writes
#else
    bool IsOpen() const {
        return m_hComm >= 0;
    }
    int m_hComm = -1;              // the open device, -1 when closed
    int m_WakePipe[2] = {-1, -1};  // Close writes here to end the watch thread's poll
#endif
    std::string m_strPortName;
    std::atomic<bool> m_bKeepWatching{false};  // the watch thread's keep-running flag
    std::thread m_WatchThread;
    std::atomic<bool> m_bWatching{false};  // the watch thread runs; it clears this as it ends
    uint16_t m_nPortNumber = 0;
    uint32_t m_nBaudRate = 9600;
    CByteQueue m_QueueRead;

    int m_nLastError =
        0;  // errno (Windows: the system error code) of the last failed Open, 0 after a good one
    // Set by the watch thread when a burst found the queue full and was dropped; the protocol that owns the
    // port reports it (never the watch thread: it must not open windows).
    std::atomic<bool> m_bQueueOverflow{false};
    // Optional data-arrived notice (portNumber), called from the watch thread. Nothing relies on it.
    std::function<void(uint16_t)> m_OnDataArrived;

private:
    static void ThreadWatchComm(CSerialPort* port);
    bool Configure(uint32_t baudRate);
    bool WaitForOutput(std::chrono::steady_clock::time_point deadline);
    void Fail(int err) {
        m_nLastError = err;
    }
    // Queues a burst whole, or drops it whole when it does not fit ("m_QueueRead FULL!": the owner of the
    // port reports it through TakeOverflow).
    // Starts the watch thread on an open, configured device; when it cannot start, closes the device again.
    bool StartWatching() {
        m_bKeepWatching = true;
        m_bWatching = true;
        try {
            m_WatchThread = std::thread(ThreadWatchComm, this);
        } catch (const std::system_error& error) {
            Fail(error.code().value());
            m_bWatching = false;
            Close();
            return false;
        }
        return true;
    }
    void Enqueue(const uint8_t* chunk, int n) {
        if (n < CByteQueue::kSize - m_QueueRead.Count()) {
            for (int i = 0; i < n; ++i) {
                m_QueueRead.Push(chunk[i]);
            }
        } else {
            m_bQueueOverflow = true;
        }
    }
#ifdef _WIN32
    // Waits for the first byte up to a short idle time (or the wake event) and reads what is there.
    // -1 when the device failed for good (it went away).
    int ReadWaiting(uint8_t* buffer, int maxLength);
    int OutputPending() const;
#endif
};
