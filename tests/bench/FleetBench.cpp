// Times a default fleet write (read each radio, lay the plan over it, write, read back) through the real
// serial driver against pseudo-terminal radios: one radio, then N at once. The protocol's fixed waits overlap
// and the CPU stays idle, so N radios should take no more than 1.05 x the time of one. Exits 1 when they take
// longer or a radio failed.
//
// Usage: fleet_bench [radios]   (default 16)

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "FleetTransfer.h"
#include "ImageMerge.h"
#include "PtyRadio.h"
#include "SerialPort.h"

namespace {

constexpr double kAllowedRatio = 1.05;

double ClockMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

// Writes and verifies the first count radios at once; the wall time in ms, negative when one failed.
double TimeFleet(const std::vector<std::unique_ptr<CPtyRadio>>& radios, size_t count,
                 const SRadioWrite& job) {
    std::vector<std::unique_ptr<CSerialPort>> serials;
    std::vector<SFleetPort> ports;
    for (size_t i = 0; i < count; ++i) {
        serials.push_back(std::make_unique<CSerialPort>());
        ports.push_back({radios[i]->SlavePath(), 0, radios[i]->SlavePath(), serials.back().get()});
    }
    CFleetTransfer fleet(ports, {});
    const double wall0 = ClockMs(CLOCK_MONOTONIC);
    const double cpu0 = ClockMs(CLOCK_PROCESS_CPUTIME_ID);
    fleet.StartWrite(job);
    fleet.Join();
    const double wall = ClockMs(CLOCK_MONOTONIC) - wall0;
    const double cpu = ClockMs(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    std::printf("%zu radio%s: wall %7.1f ms, CPU %5.1f ms (%.2f %% of wall)\n%s", count,
                count == 1 ? " " : "s", wall, cpu, 100.0 * cpu / wall,
                FleetSummaryText(fleet.m_Ports, fleet.m_Results).c_str());
    return fleet.AllOk() ? wall : -1.0;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t count = static_cast<size_t>(argc > 1 ? std::max(2, std::atoi(argv[1])) : 16);
    std::vector<std::unique_ptr<CPtyRadio>> radios;
    for (size_t i = 0; i < count; ++i) {
        radios.push_back(std::make_unique<CPtyRadio>());
        if (!radios.back()->Start()) {
            std::fprintf(stderr, "no pseudo-terminal: %s\n", radios.back()->m_strError.c_str());
            return 1;
        }
    }
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Uhf;
    doc.ResetToDefaults();
    for (int ch = 0; ch < kChannels; ++ch) {
        doc.m_Channel[ch].m_dRxFreq = doc.m_Channel[ch].m_dTxFreq = 450.0 + ch * 0.5;
    }
    CEepromImage image;
    image.EncodeImage(doc);
    SRadioWrite job;
    job.m_Plan = image.m_Work;
    job.m_Decided = image.m_Decided;
    for (const auto& radio : radios) {  // radios in the field: a configuration and bytes of their own
        radio->WithRadio([&image](CRadioSimulator& r) {
            r.m_Eeprom = image.m_Work;
            r.m_Eeprom[0x0E] = 0x5A;
            return 0;
        });
    }
    const double one = TimeFleet(radios, 1, job);
    const double many = TimeFleet(radios, count, job);
    if (one < 0 || many < 0) {
        std::printf("FAIL: a radio was not written and verified\n");
        return 1;
    }
    const double ratio = many / one;
    std::printf("%zu radios take %.3f x the time of one (allowed %.2f): %s\n", count, ratio, kAllowedRatio,
                ratio <= kAllowedRatio ? "ok" : "FAIL");
    return ratio <= kAllowedRatio ? 0 : 1;
}
