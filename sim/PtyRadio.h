#pragma once
// The simulated radio in real time, behind a pseudo-terminal: a thread serves the master side and the
// program opens the slave path like any serial device. A pseudo-terminal has no baud rate (bytes pass at
// once), so the radio paces what it sends itself, one byte every 1042 us as at 9600 baud. It keeps its own
// slave descriptor open so that a client closing the port does not hang the master up.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "RadioSimulator.h"

class CPtyRadio {
public:
    CPtyRadio() = default;
    ~CPtyRadio() { Stop(); }
    CPtyRadio(const CPtyRadio&) = delete;
    CPtyRadio& operator=(const CPtyRadio&) = delete;

    // Creates the pseudo-terminal and starts serving it. False (with the reason in m_strError) when the
    // system refuses a pseudo-terminal.
    bool Start();
    // Stops serving, joins the thread and closes the pseudo-terminal.
    void Stop();

    // The slave device to open, e.g. /dev/pts/3.
    const std::string& SlavePath() const { return m_strSlavePath; }

    // Runs f on the radio while the serving thread keeps its hands off (set faults, read the EEPROM).
    template <class F>
    auto WithRadio(F f) {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return f(m_Radio);
    }

    std::string m_strError;

private:
    void Serve();
    int64_t NowUs() const;

    CRadioSimulator m_Radio;
    std::mutex m_Mutex;
    int m_nMaster = -1;
    int m_nSlave = -1;
    int m_WakePipe[2] = {-1, -1};
    std::string m_strSlavePath;
    std::thread m_Thread;
    std::atomic<bool> m_bRunning{false};
    int64_t m_nEpochNs = 0;
};
