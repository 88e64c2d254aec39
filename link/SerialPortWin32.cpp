// The serial driver on Windows: the Win32 communications API with overlapped I/O on "\\.\COMn".
//
// The watch thread does not wait with WaitCommEvent: some drivers (wine's over a pseudo-terminal among them)
// answer it at once with an empty mask, which would make the thread spin. It waits in an overlapped ReadFile
// instead, whose interval time-out makes it return a few milliseconds after the last byte of a burst, and in
// the wake event that Close signals.

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "Format.h"
#include "PortNames.h"
#include "SerialPort.h"

namespace {

constexpr int kWatchChunk = 2048;
constexpr DWORD kDeviceQueueBytes = 4096;
constexpr DWORD kReadIntervalMs = 3;    // a read returns after the line was quiet this long
constexpr DWORD kEmptyReadPauseMs = 2;  // and the next starts after this pause, so a driver that
                                        // returns empty at once cannot make the thread spin
constexpr int kMaxFailedReads = 3;      // read errors in a row that mean the device went away

HANDLE Handle(void* h) {
    return static_cast<HANDLE>(h);
}

void CloseHandleOf(void*& h) {
    if (h != nullptr) {
        ::CloseHandle(Handle(h));
        h = nullptr;
    }
}

void* NewEvent() {
    return ::CreateEventA(nullptr, TRUE, FALSE, nullptr);  // manual reset, not signalled
}

bool KnownBaudRate(uint32_t baudRate) {
    constexpr uint32_t kRates[] = {1200, 2400, 4800, 9600, 19200, 38400};
    return std::find(std::begin(kRates), std::end(kRates), baudRate) != std::end(kRates);
}

// The errno that PortOpenFailureText explains for a system error of CreateFile; 0 for the others.
int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:  // a COM port is opened exclusively: another program holds it
        case ERROR_SHARING_VIOLATION:
            return EACCES;
        case ERROR_INVALID_PARAMETER:
            return EINVAL;
        default:
            return 0;
    }
}

std::string SystemText(DWORD error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = length > 0 && text != nullptr ? std::string(text, length) : std::string();
    ::LocalFree(text);
    while (!result.empty() &&
           (result.back() == '\n' || result.back() == '\r' || result.back() == ' ' || result.back() == '.')) {
        result.pop_back();
    }
    return result.empty() ? StrPrintf("system error %lu", static_cast<unsigned long>(error)) : result;
}

void Escape(void* comm, DWORD function) {
    // A pseudo-terminal behind wine has no modem lines and refuses this; the radio is none the worse for it.
    if (comm != nullptr) {
        ::EscapeCommFunction(Handle(comm), function);
    }
}

}  // namespace

bool CSerialPort::Open(const std::string& portName, uint32_t baudRate, uint16_t portNumber) {
    Close();  // a second watch thread must never start while the first still runs
    m_bKeepWatching = false;
    m_nPortNumber = portNumber;
    m_nBaudRate = baudRate;
    m_nLastError = 0;
    m_strPortName = portName;
    m_QueueRead.Reset();  // bytes from the last session are stale
    m_bQueueOverflow = false;
    if (portName.empty()) {
        Fail(ERROR_FILE_NOT_FOUND);
        return false;
    }
    m_hWakeEvent = NewEvent();
    m_hReadEvent = NewEvent();
    m_hWriteEvent = NewEvent();
    if (m_hWakeEvent == nullptr || m_hReadEvent == nullptr || m_hWriteEvent == nullptr) {
        Fail(static_cast<int>(::GetLastError()));
        Close();
        return false;
    }
    // No sharing: nobody else may open the port while we use it.
    const HANDLE comm = ::CreateFileA(portName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (comm == INVALID_HANDLE_VALUE) {
        Fail(static_cast<int>(::GetLastError()));
        Close();
        return false;
    }
    m_hComm = comm;
    if (!Configure(baudRate)) {
        return false;  // the device stays open; the caller's Close closes it
    }
    return StartWatching();
}

bool CSerialPort::Configure(uint32_t baudRate) {
    const HANDLE comm = Handle(m_hComm);
    if (!KnownBaudRate(baudRate)) {
        Fail(ERROR_INVALID_PARAMETER);
        return false;
    }
    ::SetupComm(comm, kDeviceQueueBytes, kDeviceQueueBytes);
    // Only what came in before we looked is stale; output is never thrown away.
    ::PurgeComm(comm, PURGE_RXABORT | PURGE_RXCLEAR);

    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = kReadIntervalMs;  // a read waits for its first byte, then returns once
    timeouts.ReadTotalTimeoutMultiplier = 0;         // the line has been quiet this long
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = static_cast<DWORD>(WriteTimeoutMs(1, baudRate));
    timeouts.WriteTotalTimeoutConstant = kWriteGraceMs;
    if (!::SetCommTimeouts(comm, &timeouts)) {
        Fail(static_cast<int>(::GetLastError()));
        return false;
    }

    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!::GetCommState(comm, &dcb)) {
        Fail(static_cast<int>(::GetLastError()));
        return false;
    }
    dcb.BaudRate = baudRate;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.XonLim = 100;
    dcb.XoffLim = 100;
    // The programming cable has no handshake lines: a port left with hardware flow control by another
    // program would never send a byte. An error must not stop reading until someone clears it either.
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!::SetCommState(comm, &dcb)) {
        Fail(static_cast<int>(::GetLastError()));
        return false;
    }
    return true;
}

void CSerialPort::Close() {
    m_bKeepWatching = false;
    if (m_hWakeEvent != nullptr) {
        ::SetEvent(Handle(m_hWakeEvent));
    }
    if (m_WatchThread.joinable()) {
        m_WatchThread.join();
    }
    if (m_hComm != nullptr) {
        ::PurgeComm(Handle(m_hComm), PURGE_RXABORT | PURGE_RXCLEAR);  // Write has drained the output already
    }
    CloseHandleOf(m_hComm);
    CloseHandleOf(m_hWakeEvent);
    CloseHandleOf(m_hReadEvent);
    CloseHandleOf(m_hWriteEvent);
}

std::string CSerialPort::OpenFailureText() const {
    if (m_nLastError == 0) {
        return std::string();
    }
    const int err = ErrnoOf(static_cast<DWORD>(m_nLastError));
    if (err != 0 || m_strPortName.empty()) {
        return PortOpenFailureText(m_strPortName, err);
    }
    const int com = ComNumberOfDevice(m_strPortName);
    const std::string shown = com != 0 ? StrPrintf("COM%d", com) : m_strPortName;
    return shown + " cannot be opened: " + SystemText(static_cast<DWORD>(m_nLastError)) + ".";
}

int CSerialPort::OutputPending() const {
    DWORD errors = 0;
    COMSTAT status{};
    if (m_hComm == nullptr || !::ClearCommError(Handle(m_hComm), &errors, &status)) {
        return 0;
    }
    return static_cast<int>(status.cbOutQue);
}

// Waits until the device has sent everything, looking at its output queue rather than flushing without end:
// an adapter that stopped taking bytes must not hang the caller. False at the deadline.
bool CSerialPort::WaitForOutput(std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        if (OutputPending() <= 0) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

int CSerialPort::Write(const uint8_t* data, int length) {
    if (m_hComm == nullptr || length <= 0) {
        return 0;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(WriteTimeoutMs(length, m_nBaudRate) + kWriteGraceMs);
    const HANDLE comm = Handle(m_hComm);
    OVERLAPPED overlapped{};
    overlapped.hEvent = Handle(m_hWriteEvent);
    ::ResetEvent(overlapped.hEvent);
    DWORD done = 0;
    if (!::WriteFile(comm, data, static_cast<DWORD>(length), &done, &overlapped)) {
        done = 0;
        if (::GetLastError() == ERROR_IO_PENDING) {
            // The write time-outs bound it already; this bounds it against a driver that ignores them.
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (::WaitForSingleObject(overlapped.hEvent, static_cast<DWORD>(std::max<int64_t>(
                                                             1, left.count()))) != WAIT_OBJECT_0) {
                ::CancelIo(comm);
            }
            ::GetOverlappedResult(comm, &overlapped, &done, TRUE);  // what got out, also when cancelled
        }
    }
    const int written = static_cast<int>(done);
    // The radio times its frames from the last byte on the wire (e.g. 50 ms between data and checksum).
    if (written == length && WaitForOutput(deadline)) {
        return written;
    }
    // What is still queued will not go out in time; throw it away so that closing cannot wait for it.
    const int pending = OutputPending();
    ::PurgeComm(comm, PURGE_TXABORT | PURGE_TXCLEAR);
    DWORD errors = 0;
    ::ClearCommError(comm, &errors, nullptr);
    return std::max(0, written - std::max(1, pending));
}

int CSerialPort::Read(uint8_t* buffer, int maxLength) {
    DWORD errors = 0;
    COMSTAT status{};
    if (m_hComm == nullptr || maxLength <= 0 || !::ClearCommError(Handle(m_hComm), &errors, &status) ||
        status.cbInQue == 0) {
        return 0;
    }
    // The time-outs make this return at once with what the driver holds.
    return std::max(0, ReadWaiting(buffer, std::min<int>(maxLength, static_cast<int>(status.cbInQue))));
}

int CSerialPort::ReadWaiting(uint8_t* buffer, int maxLength) {
    const HANDLE comm = Handle(m_hComm);
    OVERLAPPED overlapped{};
    overlapped.hEvent = Handle(m_hReadEvent);
    ::ResetEvent(overlapped.hEvent);
    DWORD n = 0;
    if (::ReadFile(comm, buffer, static_cast<DWORD>(maxLength), &n, &overlapped)) {
        return static_cast<int>(n);
    }
    if (::GetLastError() != ERROR_IO_PENDING) {
        DWORD errors = 0;
        ::ClearCommError(comm, &errors, nullptr);
        return -1;
    }
    const HANDLE waits[2] = {overlapped.hEvent, Handle(m_hWakeEvent)};
    if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
        ::CancelIo(comm);  // Close is waiting for us; what was read meanwhile is still taken
    }
    n = 0;
    if (!::GetOverlappedResult(comm, &overlapped, &n, TRUE) && n == 0 &&
        ::GetLastError() != ERROR_OPERATION_ABORTED) {
        DWORD errors = 0;
        ::ClearCommError(comm, &errors, nullptr);
        return -1;
    }
    return static_cast<int>(n);
}

void CSerialPort::ThreadWatchComm(CSerialPort* port) {
    uint8_t chunk[kWatchChunk];
    int failedReads = 0;
    while (port->m_bKeepWatching.load()) {
        int n = port->ReadWaiting(chunk, kWatchChunk);
        if (n < 0) {
            // A port that fails reading again and again went away (a cable pulled out): nothing more will
            // arrive. The protocols see an empty queue and report it.
            if (++failedReads >= kMaxFailedReads) {
                break;
            }
            n = 0;
        } else {
            failedReads = 0;
        }
        if (n == 0) {
            ::WaitForSingleObject(Handle(port->m_hWakeEvent), kEmptyReadPauseMs);
            continue;
        }
        for (; n > 0; n = port->Read(chunk, kWatchChunk)) {
            port->Enqueue(chunk, n);
        }
        if (port->m_OnDataArrived) {
            port->m_OnDataArrived(port->m_nPortNumber);
        }
    }
    port->m_bWatching = false;
}

void CSerialPort::SetDtr(bool on) {
    Escape(m_hComm, on ? SETDTR : CLRDTR);
}

void CSerialPort::SetRts(bool on) {
    Escape(m_hComm, on ? SETRTS : CLRRTS);
}

void CSerialPort::EnumeratePorts(std::vector<uint32_t>& list) {
    list.clear();
    list.push_back(0);  // the menu builder reads from the second element on
    std::vector<uint32_t> found;
    // Every COM device name the system knows ...
    std::vector<char> names(65535);
    const DWORD size = ::QueryDosDeviceA(nullptr, names.data(), static_cast<DWORD>(names.size()));
    if (size > 0) {
        found = ComNumbersOfDosNames(names.data(), size);
    }
    // ... and the ports that the serial drivers announce (a USB adapter shows up here at once).
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        for (DWORD index = 0;; ++index) {
            char valueName[256];
            DWORD valueNameSize = sizeof(valueName);
            char data[64] = {};
            DWORD dataSize = sizeof(data) - 1;
            DWORD type = 0;
            const LONG result = ::RegEnumValueA(key, index, valueName, &valueNameSize, nullptr, &type,
                                                reinterpret_cast<BYTE*>(data), &dataSize);
            if (result == ERROR_NO_MORE_ITEMS) {
                break;
            }
            if (result == ERROR_SUCCESS && type == REG_SZ) {
                if (const int com = ComNumberOfDosName(data); com != 0) {
                    found.push_back(static_cast<uint32_t>(com));
                }
            }
        }
        ::RegCloseKey(key);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    list.insert(list.end(), found.begin(), found.end());
}
