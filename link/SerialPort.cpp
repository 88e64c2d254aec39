#include "SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "PortNames.h"

namespace {

constexpr int kWatchChunk = 2048;

speed_t SpeedOf(uint32_t baudRate) {
    switch (baudRate) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        default:
            return B0;
    }
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

void SetLines(int fd, int bits, bool on) {
    // A pseudo-terminal has no modem lines and refuses this; the radio is none the worse for it.
    if (fd >= 0) {
        ::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &bits);
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
    // Bytes left from the last session are as stale as what the device still holds (a late 0x55 would
    // otherwise be taken for the answer to the next request). No producer runs now.
    m_QueueRead.Reset();
    m_bQueueOverflow = false;
    if (portName.empty()) {
        Fail(ENOENT);
        return false;
    }
    if (::pipe2(m_WakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        Fail(errno);
        return false;
    }
    m_hComm = ::open(portName.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_hComm < 0) {
        Fail(errno);
        CloseFd(m_WakePipe[0]);
        CloseFd(m_WakePipe[1]);
        return false;
    }
    // Exclusive from the open on: a second opener, also through a link to the device and also as root (whom
    // TIOCEXCL does not stop), is refused while we hold the port.
    if (::flock(m_hComm, LOCK_EX | LOCK_NB) != 0) {
        Fail(errno == EWOULDBLOCK ? EBUSY : errno);
        return false;  // the device stays open; the caller's Close closes it
    }
    if (!Configure(baudRate)) {
        return false;  // the device stays open; the caller's Close closes it
    }
    return StartWatching();
}

bool CSerialPort::Configure(uint32_t baudRate) {
    const speed_t speed = SpeedOf(baudRate);
    termios tio{};
    if (speed == B0 || ::tcgetattr(m_hComm, &tio) != 0) {
        Fail(speed == B0 ? EINVAL : errno);
        return false;
    }
    ::ioctl(m_hComm, TIOCEXCL);  // nobody else may open the port while we use it
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;  // a read returns at once with what is there
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(m_hComm, TCSANOW, &tio) != 0) {
        Fail(errno);
        return false;
    }
    // Only what came in before we looked is stale. Output is never thrown away: on a pseudo-terminal it
    // would be bytes the other side has not read yet.
    ::tcflush(m_hComm, TCIFLUSH);
    SetLines(m_hComm, TIOCM_DTR | TIOCM_RTS, true);
    return true;
}

void CSerialPort::Close() {
    m_bKeepWatching = false;
    if (m_WakePipe[1] >= 0) {
        const uint8_t wake = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(m_WakePipe[1], &wake, 1);
    }
    if (m_WatchThread.joinable()) {
        m_WatchThread.join();
    }
    if (m_hComm >= 0) {
        ::tcflush(m_hComm, TCIFLUSH);  // Write has drained the output already
        ::ioctl(m_hComm, TIOCNXCL);
    }
    CloseFd(m_hComm);
    CloseFd(m_WakePipe[0]);
    CloseFd(m_WakePipe[1]);
}

std::string CSerialPort::OpenFailureText() const {
    return m_nLastError == 0 ? std::string() : PortOpenFailureText(m_strPortName, m_nLastError);
}

// Waits until the device has sent everything, polling its output queue rather than draining without end: an
// adapter that stopped taking bytes must not hang the caller. False at the deadline.
bool CSerialPort::WaitForOutput(std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        int pending = 0;
        if (::ioctl(m_hComm, TIOCOUTQ, &pending) != 0 || pending <= 0) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

int CSerialPort::Write(const uint8_t* data, int length) {
    if (m_hComm < 0 || length <= 0) {
        return 0;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(WriteTimeoutMs(length, m_nBaudRate) + kWriteGraceMs);
    int done = 0;
    while (done < length) {
        const ssize_t n = ::write(m_hComm, data + done, static_cast<size_t>(length - done));
        if (n > 0) {
            done += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if ((n == 0 || errno == EAGAIN) && Clock::now() < deadline) {
            // The device takes no more now: wait for room, but only until the deadline.
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd out{m_hComm, POLLOUT, 0};
            ::poll(&out, 1, static_cast<int>(std::max<int64_t>(1, left.count())));
            continue;
        }
        break;  // an error or the write time-out
    }
    // The radio times its frames from the last byte on the wire (e.g. 50 ms between data and checksum).
    if (done == length && WaitForOutput(deadline)) {
        return done;
    }
    // What is still queued will not go out in time; throw it away so that closing the device cannot
    // wait for it either.
    int pending = 0;
    ::ioctl(m_hComm, TIOCOUTQ, &pending);
    ::tcflush(m_hComm, TCOFLUSH);
    return std::max(0, done - std::max(1, pending));
}

int CSerialPort::Read(uint8_t* buffer, int maxLength) {
    int held = 0;
    if (m_hComm < 0 || ::ioctl(m_hComm, FIONREAD, &held) != 0 || held <= 0) {
        return 0;
    }
    const ssize_t n = ::read(m_hComm, buffer, static_cast<size_t>(maxLength));
    return n > 0 ? static_cast<int>(n) : 0;
}

void CSerialPort::SetDtr(bool on) {
    SetLines(m_hComm, TIOCM_DTR, on);
}

void CSerialPort::SetRts(bool on) {
    SetLines(m_hComm, TIOCM_RTS, on);
}

void CSerialPort::ThreadWatchComm(CSerialPort* port) {
    uint8_t chunk[kWatchChunk];
    while (port->m_bKeepWatching.load()) {
        pollfd fds[2] = {{port->m_hComm, POLLIN, 0}, {port->m_WakePipe[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (fds[1].revents != 0) {
            break;  // Close is waiting for us
        }
        int received = 0;
        if ((fds[0].revents & POLLIN) != 0) {
            for (int n = port->Read(chunk, kWatchChunk); n > 0; n = port->Read(chunk, kWatchChunk)) {
                received += n;
                port->Enqueue(chunk, n);
            }
        }
        if (received == 0 && (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            // The device went away (a cable pulled out): nothing more will arrive, and poll would not wait
            // again but spin. The protocols see an empty queue and report it.
            break;
        }
        if (received > 0 && port->m_OnDataArrived) {
            port->m_OnDataArrived(port->m_nPortNumber);
        }
    }
    port->m_bWatching = false;
}

void CSerialPort::EnumeratePorts(std::vector<uint32_t>& list) {
    EnumeratePortsIn(list, "/sys", "/dev");
}

void CSerialPort::EnumeratePortsIn(std::vector<uint32_t>& list, const std::string& sysRoot,
                                   const std::string& devRoot) {
    namespace fs = std::filesystem;
    std::error_code error;
    list.clear();
    list.push_back(0);  // the menu builder reads from the second element on
    for (int com = kFirstTtyS; com < kSimulatedRadioCom; ++com) {
        const std::string device = ComDevicePath(com);
        const std::string name = fs::path(device).filename().string();
        if (!fs::exists(fs::path(devRoot) / name, error)) {
            continue;
        }
        if (com < kFirstTtyUsb) {
            // Every machine has /dev/ttyS0-31; only those with a UART behind them report a type other than 0.
            std::ifstream typeFile(fs::path(sysRoot) / "class/tty" / name / "type");
            int type = 0;
            if (!(typeFile >> type) || type == 0) {
                continue;
            }
        }
        list.push_back(static_cast<uint32_t>(com));
    }
}
