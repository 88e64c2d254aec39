#include "FleetVerbs.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>

#include "Backup.h"
#include "BuiltInRadio.h"
#include "CliSupport.h"
#include "ConfigCheck.h"
#include "EepromImage.h"
#include "FleetTransfer.h"
#include "Format.h"
#include "ImageMerge.h"
#include "PortNames.h"
#include "RunFiles.h"
#include "SerialPort.h"
#include "Sha256.h"
#include "TracingPort.h"
#include "TransferLog.h"
#include "TransferSupport.h"
#include "Utf8Path.h"

const char* const kFleetFlag = "--ports-from-list";

namespace {

namespace fs = std::filesystem;

constexpr int kBarWidth = 30;
constexpr size_t kStateWidth = 48;

// The port objects of one radio of the fleet: its own port, made as for a single transfer (so COM49 is the
// built-in radio and a device path a serial port), traced when --trace asks for it.
struct SFleetLine {
    std::unique_ptr<CRadioPort> m_pPort = MakeProgramPort();
    CTracingPort m_Trace{*m_pPort};
    std::string m_strNote;    // printed after the run: where the backup went
    std::string m_strBackup;  // the backup's path, for the log
    std::string m_strSaved;   // a read: the settings file it was saved in
};

// "trace.txt" for pts-3 gives "trace-pts-3.txt", in the same folder.
std::string PerPortPath(const std::string& path, const std::string& portName) {
    const fs::path given = Utf8Path(path);
    fs::path named = given;
    named.replace_filename(given.stem().string() + "-" + PortFileNamePart(portName) +
                           given.extension().string());
    return named.string();
}

// One line per port on a terminal, redrawn in place (port, bar, state); elsewhere one plain status line per
// change, each naming its port. Called from every worker: one mutex keeps the lines whole.
class CFleetReporter {
public:
    explicit CFleetReporter(const std::vector<SFleetPort>& ports)
        : m_bTerminal(::isatty(STDERR_FILENO) == 1),
          m_Ports(ports),
          m_States(ports.size(), "waiting"),
          m_Addresses(ports.size(), 0) {
        for (const SFleetPort& port : ports) {
            m_nNameWidth = std::max(m_nNameWidth, port.m_strName.size());
        }
        if (m_bTerminal) {
            for (size_t i = 0; i < ports.size(); ++i) {
                std::fprintf(stderr, "%s\n", Line(i).c_str());
            }
        }
    }

    void Status(int index, const std::string& text) {
        std::lock_guard<std::mutex> lock(m_Mutex);
        const size_t i = static_cast<size_t>(index);
        m_States[i] = OneLineText(text);
        if (m_bTerminal) {
            Redraw(i);
        } else {
            std::fprintf(stderr, "%s: %s\n", m_Ports[i].m_strName.c_str(), m_States[i].c_str());
        }
    }

    void Progress(int index, int address) {
        std::lock_guard<std::mutex> lock(m_Mutex);
        const size_t i = static_cast<size_t>(index);
        m_Addresses[i] = address;
        if (m_bTerminal) {
            Redraw(i);
        }
    }

    void Done(int index, const SFleetResult& result) {
        std::lock_guard<std::mutex> lock(m_Mutex);
        const size_t i = static_cast<size_t>(index);
        m_States[i] = result.m_bOk ? "done" : "FAILED: " + result.m_strFailure;
        if (result.m_bOk) {
            m_Addresses[i] = kImageSize - 1;
        }
        if (m_bTerminal) {
            Redraw(i);
        }
    }

private:
    std::string Line(size_t i) const {
        const int address = m_Addresses[i];
        const int percent = address <= 0 ? 0 : (address + 1) * 100 / kImageSize;
        const int filled = percent * kBarWidth / 100;
        std::string state = m_States[i];
        if (state.size() > kStateWidth) {
            state = state.substr(0, kStateWidth - 3) + "...";
        }
        std::string name = m_Ports[i].m_strName;
        name.resize(m_nNameWidth, ' ');
        return StrPrintf(
            "%s [%s%s] %3d%% %s", name.c_str(), std::string(static_cast<size_t>(filled), '#').c_str(),
            std::string(static_cast<size_t>(kBarWidth - filled), '.').c_str(), percent, state.c_str());
    }

    // The cursor stays below the block of lines: go up to line i, rewrite it, come back down.
    void Redraw(size_t i) const {
        const size_t up = m_Ports.size() - i;
        std::fprintf(stderr, "\033[%zuA\r%s\033[K\033[%zuB\r", up, Line(i).c_str(), up);
        std::fflush(stderr);
    }

    const bool m_bTerminal;
    const std::vector<SFleetPort>& m_Ports;
    std::vector<std::string> m_States;
    std::vector<int> m_Addresses;
    size_t m_nNameWidth = 0;
    std::mutex m_Mutex;
};

// Whether two device paths open one device: a link and the device it names, or two links to it.
bool SameDevice(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
#ifndef _WIN32
    struct stat infoA {};
    struct stat infoB {};
    if (::stat(a.c_str(), &infoA) == 0 && ::stat(b.c_str(), &infoB) == 0) {
        return S_ISCHR(infoA.st_mode) && S_ISCHR(infoB.st_mode)
                   ? infoA.st_rdev == infoB.st_rdev
                   : infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
    }
#endif
    return false;
}

// One port of --port, as the single-port verbs take it. False with the message printed.
bool AddPort(const std::string& text, std::vector<SFleetPort>& ports) {
    SFleetPort port;
    port.m_strName = text;
    if (!ParsePortArgument(text, port.m_nComNumber, port.m_strDevice, ProgramComResolver())) {
        PrintError("'" + CleanText(text) + "' is no port: give COMn (1-" + std::to_string(kMaxComNumber) +
                   "), n, or a device path such as " + ComDevicePath(kFirstTtyUsb));
        return false;
    }
    if (port.m_strDevice.empty()) {
        PrintError(StrPrintf("COM%d has no device behind it on this machine (see kv310ctl ports)",
                             port.m_nComNumber));
        return false;
    }
    for (const SFleetPort& other : ports) {
        if (SameDevice(other.m_strDevice, port.m_strDevice)) {
            // two workers on one cable would corrupt both transfers
            PrintError(CleanText(text) + " is given twice (as " + CleanText(other.m_strName) +
                       "): give each radio's port once");
            return false;
        }
    }
    ports.push_back(port);
    return true;
}

// The ports of --port and --ports-from-list (every port present but the simulated radio). False with the
// exit status when they cannot all be used.
bool CollectPorts(const CArgs& args, std::vector<SFleetPort>& ports, int& status) {
    status = kExitUsage;
    for (const std::string& text : args.Values("--port")) {
        if (!AddPort(text, ports)) {
            return false;
        }
    }
    if (args.Has(kFleetFlag)) {
        std::vector<uint32_t> list;
        CSerialPort::EnumeratePorts(list);
        for (size_t i = 1; i < list.size(); ++i) {
            const int com = static_cast<int>(list[i]);
            if (com != kSimulatedRadioCom && !AddPort(StrPrintf("COM%d", com), ports)) {
                return false;
            }
        }
    }
    if (ports.empty()) {
        status = kExitFailed;
        PrintError(
            "no serial port was found to program (see kv310ctl ports); plug the cables in or give --port");
        return false;
    }
    return true;
}

// The serial ports of the fleet, each traced: --trace saves the traces, a failure keeps its own.
std::vector<std::unique_ptr<SFleetLine>> MakeLines(std::vector<SFleetPort>& ports) {
    std::vector<std::unique_ptr<SFleetLine>> lines;
    for (SFleetPort& port : ports) {
        lines.push_back(std::make_unique<SFleetLine>());
        port.m_pPort = &lines.back()->m_Trace;
    }
    return lines;
}

SFleetHooks ReporterHooks(CFleetReporter& reporter, CFleetTransfer*& fleet) {
    SFleetHooks hooks;
    hooks.SetStatus = [&reporter](int index, const std::string& text) { reporter.Status(index, text); };
    hooks.SetProgress = [&reporter](int index, int address) { reporter.Progress(index, address); };
    hooks.Done = [&reporter, &fleet](int index) {
        reporter.Done(index, fleet->m_Results[static_cast<size_t>(index)]);
    };
    hooks.CheckPort = MachinePortCheck();
    return hooks;
}

// One line of the transfer log per radio of the fleet. plan: the plan as the user gave it (a write).
void LogFleet(const CFleetTransfer& fleet, std::vector<std::unique_ptr<SFleetLine>>& lines, bool write,
              const std::string& model, const std::string& plan) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const SFleetResult& result = fleet.m_Results[i];
        CTransferRecord record("kv310ctl", write ? "fleet-write" : "fleet-read", fleet.m_Ports[i].m_strName);
        record.m_Entry.m_strModel = model;
        if (write) {
            record.SetPlan(plan);
        } else if (result.m_bOk) {
            record.SetPlan(lines[i]->m_strSaved);
            record.SetModelOf(result.m_Bytes);
        }
        if (write && result.m_bOk) {
            record.SetSent(result.m_Bytes);
        }
        record.Finish(-1, result.m_bOk, result.m_strFailure);
        record.m_Entry.m_strFirmware = result.m_strFirmware;
        record.m_Entry.m_dSeconds = result.m_dSeconds;
        record.m_Entry.m_strBackup = lines[i]->m_strBackup;
        LogRecord(record);
    }
}

// After the run: the notes and traces of each port, the summary on stdout, the verdict on stderr.
int Report(const CArgs& args, const CFleetTransfer& fleet, std::vector<std::unique_ptr<SFleetLine>>& lines,
           bool write, bool verify) {
    bool saved = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& name = fleet.m_Ports[i].m_strName;
        if (!fleet.m_Results[i].m_bOk && !args.Has("--trace")) {
            KeepTraceOfFailure(lines[i]->m_Trace, name);
        }
        if (!lines[i]->m_strNote.empty()) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), lines[i]->m_strNote.c_str());
        }
        if (const auto trace = args.Value("--trace")) {
            const std::string text = lines[i]->m_Trace.Text();
            const std::string path = PerPortPath(*trace, name);
            if (SaveBytes(std::vector<uint8_t>(text.begin(), text.end()), path)) {
                std::fprintf(stderr, "%s: serial trace saved in %s\n", name.c_str(), path.c_str());
            } else {
                saved = false;
            }
        }
    }
    std::printf("%s", FleetSummaryText(fleet.m_Ports, fleet.m_Results).c_str());
    std::fflush(stdout);
    const std::string verdict = FleetVerdictText(fleet.m_Ports, fleet.m_Results, write, verify);
    if (!fleet.AllOk()) {
        PrintError(verdict);
        return kExitFailed;
    }
    std::fprintf(stderr, "%s\n", verdict.c_str());
    return saved ? kExitOk : kExitFailed;
}

std::string ReadPath(const std::string& folder, const SFleetPort& port) {
    return (Utf8Path(folder) / (PortFileNamePart(port.m_strName) + ".dat")).string();
}

// Every file the fleet will write (and the plan it reads), checked before any radio is touched: two ports
// whose names clean up alike would otherwise save into one file.
bool CheckFleetFiles(const CArgs& args, const std::vector<SFleetPort>& ports, const std::string& plan,
                     const std::string& folder) {
    std::vector<SRunFile> files;
    if (!plan.empty()) {
        files.push_back({plan, "the settings file", false});
    }
    for (const SFleetPort& port : ports) {
        const std::string name = CleanText(port.m_strName);
        if (!folder.empty()) {
            files.push_back({ReadPath(folder, port), name + "'s settings file"});
        }
        if (const auto image = args.Value("--image")) {
            files.push_back({PerPortPath(*image, port.m_strName), name + "'s image"});
        }
        if (const auto trace = args.Value("--trace")) {
            files.push_back({PerPortPath(*trace, port.m_strName), name + "'s trace"});
        }
    }
    return CheckRunFiles(files);
}

// Saves a radio read into the folder (and its image and backup); false with the reason in failure.
bool SaveRead(const CArgs& args, const std::string& folder, const SFleetPort& port, const CImageBytes& bytes,
              SFleetLine& line, std::string& failure) {
    std::string& note = line.m_strNote;
    CEepromImage image;
    image.m_Read = bytes;
    image.m_Work = bytes;
    CDataRadioDoc doc;
    image.DecodeImage(doc);
    std::string backup;
    std::string error;
    if (port.m_nComNumber == kSimulatedRadioCom) {
        note.clear();
    } else {
        note = SaveBackup(bytes, port.m_strName, backup, &error)
                   ? "backup of the radio's configuration: " + backup
                   : "warning: no backup was kept: " + error;
        line.m_strBackup = backup;
    }
    const std::string out = ReadPath(folder, port);
    if (!SaveRecord(doc, out)) {
        failure = "the configuration read could not be saved in " + out;
        return false;
    }
    line.m_strSaved = out;
    note += (note.empty() ? "" : "; ") + std::string("saved in ") + out;
    if (const auto imagePath = args.Value("--image")) {
        const std::string path = PerPortPath(*imagePath, port.m_strName);
        if (!SaveBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()), path)) {
            failure = "the image read could not be saved in " + path;
            return false;
        }
    }
    return true;
}

}  // namespace

bool WantsFleet(const CArgs& args) {
    return args.Values("--port").size() > 1 || args.Has(kFleetFlag);
}

int RunFleetWrite(const CArgs& args, const std::string& plan, CDataRadioDoc& doc) {
    std::vector<SFleetPort> ports;
    int status = kExitUsage;
    if (!CollectPorts(args, ports, status)) {
        return status;
    }
    if (!CheckFleetFiles(args, ports, plan, "")) {
        return kExitUsage;
    }
    CatchStopSignals();
    std::vector<std::unique_ptr<SFleetLine>> lines = MakeLines(ports);
    // encoded once: every worker gets its own copy of these bytes
    CEepromImage image;
    image.EncodeImage(doc);
    image.ApplyChangeBytes();

    CFleetReporter reporter(ports);
    CFleetTransfer* fleet = nullptr;
    SFleetHooks hooks = ReporterHooks(reporter, fleet);
    // every radio is read first (its own bytes are kept); --no-backup only keeps no backup file of it
    if (!args.Has("--no-backup")) {
        hooks.KeepBackup = [&lines, &ports](int index, const CImageBytes& before, std::string& error) {
            const size_t i = static_cast<size_t>(index);
            std::string path;
            if (ports[i].m_nComNumber == kSimulatedRadioCom) {
                return true;
            }
            if (!SaveBackup(before, ports[i].m_strName, path, &error)) {
                return false;
            }
            lines[i]->m_strNote = "backup of the radio's configuration: " + path;
            lines[i]->m_strBackup = path;
            return true;
        };
    }
    {
        const bool force = args.Has("--force");
        hooks.CheckRadio = [&doc, force](int, const CImageBytes& before, std::string& error) {
            const std::string mismatch = RadioModelMismatch(DecodedImage(before), doc);
            if (!mismatch.empty() && !force) {
                error = mismatch + ": nothing was written (--force writes it anyway)";
                return false;
            }
            if (StopRequested()) {
                error = "stopped before the write: the radio holds what it held";
                return false;
            }
            return true;
        };
    }
    CFleetTransfer transfer(ports, hooks);
    transfer.m_pStop = &StopRequested();
    fleet = &transfer;
    const bool verify = !args.Has("--no-verify");
    SRadioWrite job;
    job.m_Plan = image.m_Work;
    job.m_Decided = image.m_Decided;
    job.m_bWholeImage = args.Has("--whole-image");
    job.m_bVerify = verify;
    transfer.StartWrite(job);
    transfer.Join();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& notice = transfer.m_Results[i].m_strNotice;
        if (!notice.empty()) {
            lines[i]->m_strNote +=
                (lines[i]->m_strNote.empty() ? "" : "; ") + ("the radio's own value changes: " + notice);
        }
    }
    LogFleet(transfer, lines, true, ModelLogName(doc), plan);
    return Report(args, transfer, lines, true, verify);
}

int RunFleetRead(const CArgs& args, const std::string& folder) {
    std::vector<SFleetPort> ports;
    int status = kExitUsage;
    if (!CollectPorts(args, ports, status)) {
        return status;
    }
    std::error_code error;
    fs::create_directories(Utf8Path(folder), error);
    if (!fs::is_directory(Utf8Path(folder))) {
        PrintError("cannot make the folder " + folder + " for the files read: " + error.message());
        return kExitFailed;
    }
    if (!CheckFleetFiles(args, ports, "", folder)) {
        return kExitUsage;
    }
    CatchStopSignals();
    std::vector<std::unique_ptr<SFleetLine>> lines = MakeLines(ports);
    CFleetReporter reporter(ports);
    CFleetTransfer* fleet = nullptr;
    CFleetTransfer transfer(ports, ReporterHooks(reporter, fleet));
    transfer.m_pStop = &StopRequested();
    fleet = &transfer;
    transfer.StartRead();
    transfer.Join();
    // decoded and saved here, on the main thread, once every worker has ended
    for (size_t i = 0; i < ports.size(); ++i) {
        SFleetResult& result = transfer.m_Results[i];
        if (result.m_bOk) {
            result.m_bOk = SaveRead(args, folder, ports[i], result.m_Bytes, *lines[i], result.m_strFailure);
        }
    }
    LogFleet(transfer, lines, false, std::string(), std::string());
    return Report(args, transfer, lines, false, false);
}
