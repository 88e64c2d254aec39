#include "PtyRadio.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

int64_t SteadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

}  // namespace

int64_t CPtyRadio::NowUs() const {
    return (SteadyNs() - m_nEpochNs) / 1000;
}

bool CPtyRadio::Start() {
    if (m_bRunning) {
        return true;
    }
    m_nMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (m_nMaster < 0 || ::grantpt(m_nMaster) != 0 || ::unlockpt(m_nMaster) != 0 ||
        ::pipe2(m_WakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_strError = std::strerror(errno);
        Stop();
        return false;
    }
    char name[128] = {};
    if (::ptsname_r(m_nMaster, name, sizeof(name)) != 0) {
        m_strError = std::strerror(errno);
        Stop();
        return false;
    }
    m_strSlavePath = name;
    // Our own slave descriptor keeps the line up between clients; the line is raw from the start so nothing
    // the radio sends is echoed or cooked before a client configures it.
    m_nSlave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    termios tio{};
    if (m_nSlave < 0 || ::tcgetattr(m_nSlave, &tio) != 0) {
        m_strError = std::strerror(errno);
        Stop();
        return false;
    }
    ::cfmakeraw(&tio);
    ::tcsetattr(m_nSlave, TCSANOW, &tio);
    m_nEpochNs = SteadyNs();
    m_bRunning = true;
    m_Thread = std::thread(&CPtyRadio::Serve, this);
    return true;
}

void CPtyRadio::Stop() {
    m_bRunning = false;
    if (m_WakePipe[1] >= 0) {
        const uint8_t wake = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(m_WakePipe[1], &wake, 1);
    }
    if (m_Thread.joinable()) {
        m_Thread.join();
    }
    CloseFd(m_nSlave);
    CloseFd(m_nMaster);
    CloseFd(m_WakePipe[0]);
    CloseFd(m_WakePipe[1]);
}

void CPtyRadio::Serve() {
    uint8_t chunk[512];
    std::vector<uint8_t> due;
    while (m_bRunning) {
        int64_t nextUs = kNever;
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            nextUs = m_Radio.NextDueUs();
        }
        timespec timeout{};
        timespec* wait = nullptr;  // nothing to send: sleep until the host writes or Stop wakes us
        if (nextUs != kNever) {
            const int64_t leftUs = std::max<int64_t>(0, nextUs - NowUs());
            timeout.tv_sec = static_cast<time_t>(leftUs / 1000000);
            timeout.tv_nsec = static_cast<long>(leftUs % 1000000) * 1000;
            wait = &timeout;
        }
        pollfd fds[2] = {{m_nMaster, POLLIN, 0}, {m_WakePipe[0], POLLIN, 0}};
        if (::ppoll(fds, 2, wait, nullptr) < 0 && errno != EINTR) {
            break;
        }
        if (fds[1].revents != 0) {
            break;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            const ssize_t n = ::read(m_nMaster, chunk, sizeof(chunk));
            if (n > 0) {
                std::lock_guard<std::mutex> lock(m_Mutex);
                m_Radio.Receive(chunk, static_cast<int>(n), NowUs());
            }
        }
        due.clear();
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Radio.TakeDue(NowUs(), due);
        }
        for (size_t done = 0; done < due.size();) {
            const ssize_t n = ::write(m_nMaster, due.data() + done, due.size() - done);
            if (n <= 0) {
                break;  // the line is full or gone: what the radio said is lost, as on a real cable
            }
            done += static_cast<size_t>(n);
        }
    }
}
