// Times a full write and a full read through the real serial driver against the simulated radio behind a
// pseudo-terminal, beside the protocol's floor: its fixed waits plus the bytes the host writes at 9600 baud
// (the host's writes block until the bytes are on the wire; the radio's bytes arrive during the waits).
// A pseudo-terminal passes the host's bytes at once, so there the floor is the waits alone.
// Also reports the CPU time of the whole process (driver, watch thread and radio): it should stay near zero.
//
// Usage: link_bench [rounds]

#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "ImageTransfer.h"
#include "LinkFrames.h"
#include "PtyRadio.h"
#include "SerialPort.h"

namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;

struct CFloor {
    int m_nWaitsMs;
    int m_nHostBytes;
    double TotalMs() const { return m_nWaitsMs + m_nHostBytes * kByteMs; }
};

constexpr int kStartWaitsMs = kWaitAfterOpenMs + kWaitAfterEnterMs + kWaitForReplyMs;
constexpr int kShortFrames = 3;  // enter, request, leave

constexpr CFloor kWriteFloor{kStartWaitsMs + kImageBlocks * (kWaitBeforeChecksumMs + kWaitForReplyMs),
                             3 * kShortFrames + kImageBlocks*(kBlockFrameSize + 2)};
constexpr CFloor kReadFloor{kStartWaitsMs + kImageBlocks * kWaitForReplyMs,
                            3 * kShortFrames + kImageBlocks * 2};

double ClockMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

bool Measure(const char* name, const CFloor& floor, bool (CImageTransfer::*run)(), CImageTransfer& transfer) {
    const double wall0 = ClockMs(CLOCK_MONOTONIC);
    const double cpu0 = ClockMs(CLOCK_PROCESS_CPUTIME_ID);
    const bool ok = (transfer.*run)();
    const double wall = ClockMs(CLOCK_MONOTONIC) - wall0;
    const double cpu = ClockMs(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    std::printf(
        "%-5s %s  wall %7.1f ms | floor %7.1f ms (waits %d + %d bytes at 9600 = %.1f), %+5.1f %% | "
        "pty floor %d ms, %+5.1f %% | CPU %5.1f ms (%.2f %% of wall)\n",
        name, ok ? "ok  " : "FAIL", wall, floor.TotalMs(), floor.m_nWaitsMs, floor.m_nHostBytes,
        floor.m_nHostBytes * kByteMs, 100.0 * (wall - floor.TotalMs()) / floor.TotalMs(), floor.m_nWaitsMs,
        100.0 * (wall - floor.m_nWaitsMs) / floor.m_nWaitsMs, cpu, 100.0 * cpu / wall);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    CPtyRadio radio;
    if (!radio.Start()) {
        std::fprintf(stderr, "no pseudo-terminal: %s\n", radio.m_strError.c_str());
        return 1;
    }
    CSerialPort port;
    CDataRadioDoc doc;
    CEepromImage image;
    CImageTransfer transfer(port, image, doc);
    transfer.m_nComNumber = 0;
    transfer.m_strDevice = radio.SlavePath();
    bool ok = true;
    for (int round = 0; round < rounds; ++round) {
        ok = Measure("write", kWriteFloor, &CImageTransfer::WriteRadio, transfer) && ok;
        ok = Measure("read", kReadFloor, &CImageTransfer::ReadRadio, transfer) && ok;
    }
    return ok ? 0 : 1;
}
