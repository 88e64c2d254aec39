// kv310ctl simulate: serves simulated radios on pseudo-terminals until interrupted (not on Windows, which has
// no pseudo-terminals).

#include <signal.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>

#include "CliSupport.h"
#include "FaultOption.h"
#include "FileIo.h"
#include "Format.h"
#include "LinkFrames.h"
#include "PtyRadio.h"
#include "Verbs.h"

namespace {

const char kSimulateUsage[] =
    "Usage: kv310ctl simulate [--count N] [--image IN.bin] [--firmware X.Y] [--reply HEXBYTE] "
    "[--fault FAULT]...\n"
    "Serves a simulated radio behind a pseudo-terminal: prints its device path, serves until interrupted\n"
    "(Ctrl-C), then prints what it received.\n"
    "  --count N       serve N radios (1-16), each on its own pseudo-terminal: one path a line, then what\n"
    "                  each received; every radio starts alike\n"
    "  --image FILE    the radio's EEPROM at start (416 bytes; default all zero)\n"
    "  --firmware X.Y  the firmware version it reports (default 1.2)\n"
    "  --reply HEXBYTE its answer to an accepted service command (default A1)\n"
    "  --fault FAULT   refuse | silent | double-ready | no-ready | noise:HEXBYTES | nak:BLOCK[:TIMES]\n"
    "                  | bad-checksum:BLOCK[:TIMES] | wrong-address:BLOCK[:TIMES]"
    " | short-block:BLOCK[:TIMES]\n"
    "                  | silent-after:BLOCK | not-allowed (transmit answered 0x65)\n"
    "                  | garbage (service commands answered with meaningless bytes)\n"
    "                  | service-refusal:HEXBYTE (every service command answered so, e.g. 65)\n"
    "                  | short-status:HEXCOUNT (only the first COUNT bytes of the status record; COUNT\n"
    "                  in hex, e.g. 02)\n";

constexpr int kMaxSimulatedRadios = 16;

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    return parsed.ec == std::errc() && parsed.ptr == end;
}

int RunSimulate(const std::vector<std::string>& words) {
    CArgs args;
    if (!ParseVerbArgs(args, words, {"--count", "--image", "--firmware", "--reply", "--fault"}, {},
                       kSimulateUsage)) {
        return kExitUsage;
    }
    int count = 1;
    if (const auto countText = args.Value("--count")) {
        if (!ParseInt(*countText, count) || count < 1 || count > kMaxSimulatedRadios) {
            PrintError("'" + CleanText(*countText) +
                       StrPrintf("' is no count of radios: give 1-%d", kMaxSimulatedRadios));
            return kExitUsage;
        }
    }
    SRadioFaults faults;
    for (const std::string& fault : args.Values("--fault")) {
        std::string error;
        if (!ParseFaultOption(fault, faults, error)) {
            PrintError(error);
            return kExitUsage;
        }
    }
    uint8_t version = 0x12;
    if (const auto firmware = args.Value("--firmware")) {
        if (!ParseFirmwareVersion(*firmware, version)) {
            PrintError("'" + CleanText(*firmware) +
                       "' is no firmware version: give MAJOR.MINOR, each 0-15, e.g. 1.2");
            return kExitUsage;
        }
    }
    uint8_t reply = kServiceAck;
    if (const auto text = args.Value("--reply")) {
        if (!ParseHexByteArg(*text, reply)) {
            PrintError("'" + CleanText(*text) + "' is no reply byte: give one byte in hex, e.g. A1");
            return kExitUsage;
        }
    }
    CImageBytes eeprom{};
    if (const auto imagePath = args.Value("--image")) {
        std::vector<uint8_t> bytes;
        std::string error;
        if (!ReadFileBytes(*imagePath, bytes, kImageSize + 1, &error)) {
            PrintError("cannot read " + *imagePath + ": " + error);
            return kExitFailed;
        }
        if (bytes.size() != kImageSize) {
            PrintError(StrPrintf("%s is not an EEPROM image: it must be exactly %d bytes", imagePath->c_str(),
                                 kImageSize));
            return kExitFailed;
        }
        std::copy(bytes.begin(), bytes.end(), eeprom.begin());
    }

    // Ctrl-C and kill end the serving; block them so sigwait takes them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::vector<std::unique_ptr<CPtyRadio>> radios;
    for (int i = 0; i < count; ++i) {
        auto radio = std::make_unique<CPtyRadio>();
        radio->WithRadio([&](CRadioSimulator& r) {
            r.m_Eeprom = eeprom;
            r.m_nVersion = version;
            r.m_nServiceReply = reply;
            r.m_Faults = faults;
        });
        if (!radio->Start()) {
            PrintError("cannot start the simulated radio: " + radio->m_strError);
            return kExitFailed;
        }
        std::printf("%s\n", radio->SlavePath().c_str());
        std::fflush(stdout);  // the path is what a script waits for, before anything said on stderr
        std::fprintf(stderr, "Simulated radio on %s (firmware %s); Ctrl-C ends it.\n",
                     radio->SlavePath().c_str(), VersionText(version).c_str());
        radios.push_back(std::move(radio));
    }
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);

    for (std::unique_ptr<CPtyRadio>& radio : radios) {
        radio->Stop();
        if (count > 1) {
            std::printf("radio on %s:\n", radio->SlavePath().c_str());
        }
        radio->WithRadio([](CRadioSimulator& r) {
            for (const std::string& event : r.m_Events) {
                std::printf("%s\n", event.c_str());
            }
            std::printf("received %zu bytes\n", r.m_Received.size());
            return 0;
        });
    }
    return kExitOk;
}

}  // namespace

const SVerb& SimulateVerb() {
    static const SVerb verb = {"simulate", "serve a simulated radio on a pseudo-terminal", kSimulateUsage,
                               RunSimulate};
    return verb;
}
