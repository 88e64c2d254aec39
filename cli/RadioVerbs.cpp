// Verbs that talk to a radio over a port.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "Backup.h"
#include "BlockTransfer.h"
#include "BuiltInRadio.h"
#include "CliSupport.h"
#include "ConfigCheck.h"
#include "FileIo.h"
#include "FleetVerbs.h"
#include "Format.h"
#include "ImageVerify.h"
#include "PartlyWritten.h"
#include "PortNames.h"
#include "RunFiles.h"
#include "SerialPort.h"
#include "ServiceLink.h"
#include "Sha256.h"
#include "TracingPort.h"
#include "TransferRecord.h"
#include "Verbs.h"

namespace {

const char kReadUsage[] =
    "Usage: kv310ctl read --port PORT -o OUT.dat [--image OUT.bin] [--trace FILE]\n"
    "       kv310ctl read --port PORT --port PORT... | --ports-from-list -o FOLDER [--image X.bin] "
    "[--trace F]\n"
    "Reads the radio's configuration and saves it. On any failure OUT.dat is neither created nor changed.\n"
    "With several ports every radio is read at once into FOLDER/PORT.dat (COM17.dat, ttyUSB0.dat); --image\n"
    "and --trace then get the port's name added (trace-COM17.txt). A summary table goes to stdout.\n"
    "A copy of the image read is kept in " KV310_BACKUP_FOLDER_HELP
    ".\n"
    "  --port PORT     COMn, n, or a device path (COM49: the built-in simulated radio); may be repeated\n"
    "  --ports-from-list  every port 'kv310ctl ports' lists but the simulated radio\n"
    "  -o, --output    the settings file to write (the folder, with several ports)\n"
    "  --image FILE    also keep the raw 416-byte EEPROM image read\n"
    "  --trace FILE    save every byte sent and received (ms since the port opened, > sent, < received)\n";

const char kWriteUsage[] =
    "Usage: kv310ctl write --port PORT [--port PORT]... IN.dat [--force] [--no-verify] [--backup] "
    "[--trace F]\n"
    "Checks the configuration in IN.dat (as 'kv310ctl check' does), writes it to the radio and reads the\n"
    "radio back to prove the write. A file with errors is refused.\n"
    "With several ports every radio is written at once, each on its own; a failure on one port leaves the\n"
    "others alone. A summary table (port, firmware, result, seconds, verify) goes to stdout; "
    "the exit status\n"
    "is 0 only when every radio succeeded. --trace then saves one trace per port (trace-COM17.txt).\n"
    "  --port PORT     COMn, n, or a device path (COM49: the built-in simulated radio); may be repeated\n"
    "  --ports-from-list  every port 'kv310ctl ports' lists but the simulated radio\n"
    "  --force         write even a file with errors\n"
    "  --no-verify     do not read the radio back after the write\n"
    "  --backup        read the radio first and keep its image with the backups\n"
    "  --trace FILE    save every byte sent and received (ms since the port opened, > sent, < received)\n";

const char kStatusUsage[] =
    "Usage: kv310ctl status --port PORT [--trace FILE]\n"
    "Opens a service connection and prints the radio's status: channel, firmware version, "
    "fitted modem.\n" KV310_PORT_OPTION_HELP
    "  --trace FILE    save every byte sent and received (ms since the port opened, > sent, < received)\n";

// Shows a transfer as a bar on a terminal and as plain status lines elsewhere.
class CTransferReporter {
public:
    CTransferReporter() : m_bTerminal(::isatty(STDERR_FILENO) == 1) {}

    CTransferHooks Hooks() {
        CTransferHooks hooks;
        hooks.SetStatus = [this](const std::string& text) { Status(text); };
        hooks.SetProgress = [this](int address) { Progress(address); };
        hooks.ShowVersion = [this](const std::string& text) {
            Status("");
            std::fprintf(stderr, "Radio firmware version %s\n", text.c_str());
        };
        return hooks;
    }

    void EndBar() {
        if (m_bBarShown) {
            std::fputc('\n', stderr);
            m_bBarShown = false;
        }
    }

    // Ends the report: the last status as a plain line after a success, as the error after a failure, with
    // what happened and what to try on the lines after it.
    void Finish(bool ok, const std::string& advice = std::string()) {
        EndBar();
        if (ok && !m_strLastStatus.empty()) {
            std::fprintf(stderr, "%s\n", m_strLastStatus.c_str());
        } else if (!ok) {
            std::string text = m_strLastStatus.empty() ? "the transfer failed" : m_strLastStatus;
            // "Fail to open PORT20" and the reason on the next line read as one sentence
            for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at)) {
                text.replace(at, 1, ": ");
            }
            PrintError(text);
            if (!advice.empty()) {
                std::fprintf(stderr, "%s\n", advice.c_str());
            }
        }
        m_strLastStatus.clear();
    }

private:
    std::string m_strLastStatus;

    // A status line is held back until the next one comes, so that a failure text is printed once, as the
    // tool's error (see Finish).
    void Status(const std::string& text) {
        EndBar();
        if (!m_strLastStatus.empty()) {
            std::fprintf(stderr, "%s\n", m_strLastStatus.c_str());
        }
        m_strLastStatus = text;
    }

    void Progress(int address) {
        if (!m_bTerminal || address <= 0) {
            return;
        }
        const int percent = (address + 1) * 100 / kImageSize;
        const int filled = percent * 40 / 100;
        std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(static_cast<size_t>(filled), '#').c_str(),
                     std::string(static_cast<size_t>(40 - filled), '.').c_str(), percent);
        m_bBarShown = true;
    }

    bool m_bTerminal;
    bool m_bBarShown = false;
};

bool ParsePort(const CArgs& args, int& com, std::string& device, const char* usage) {
    const auto port = args.Value("--port");
    if (!port) {
        PrintError("--port is missing");
        std::fprintf(stderr, "%s", usage);
        return false;
    }
    if (!ParsePortArgument(*port, com, device, ProgramComResolver())) {
        PrintError("'" + CleanText(*port) + "' is no port: give COMn (1-" + std::to_string(kMaxComNumber) +
                   "), n, or a device path such as " + ComDevicePath(kFirstTtyUsb));
        return false;
    }
    if (device.empty()) {
        PrintError(StrPrintf("COM%d has no device behind it on this machine (see kv310ctl ports)", com));
        return false;
    }
    return true;
}

// The serial port of one verb, always traced: the trace is saved where --trace asks (SaveTrace), and kept
// with the failed traces when a transfer fails.
class CVerbPort {
public:
    explicit CVerbPort(const CArgs& args) : m_Trace(m_Serial), m_TracePath(args.Value("--trace")) {}
    CRadioPort& Port() { return m_Trace; }
    CTracingPort& Trace() { return m_Trace; }
    // Saves the trace, also after a failure (that is when it is wanted most). False when it cannot be saved.
    bool SaveTrace() {
        if (!m_TracePath) {
            return true;
        }
        const std::string text = m_Trace.Text();
        if (!SaveBytes(std::vector<uint8_t>(text.begin(), text.end()), *m_TracePath)) {
            return false;
        }
        std::fprintf(stderr, "Serial trace saved in %s\n", m_TracePath->c_str());
        return true;
    }

private:
    CSerialPort m_Serial;
    CTracingPort m_Trace;
    std::optional<std::string> m_TracePath;
};

// One transfer over the port, reported on stderr. True when it completed; after a write with verify, only
// when the radio read back holds what was sent.
// record gets what the transfer left; a failure keeps the port's trace and names it.
bool RunTransfer(CVerbPort& port, bool write, bool verify, int com, const std::string& device,
                 CDataRadioDoc& doc, CEepromImage& image, CTransferRecord& record) {
    CTransferReporter reporter;
    CBlockTransfer transfer(port.Port(), image, doc, reporter.Hooks());
    transfer.m_nComNumber = com;
    transfer.m_strDevice = device;
    transfer.m_CheckPort = MachinePortCheck();
    transfer.m_pStop = &StopRequested();
    bool ok = write ? transfer.WriteRadio() : transfer.ReadRadio();
    const std::string advice = ok ? std::string() : FailureAdvice(transfer.m_Failure);
    reporter.Finish(ok, advice);
    if (!ok && write && transfer.m_End != ETransferEnd::Done) {  // failed or interrupted
        const std::string partly = PartlyWrittenText(transfer.m_nBlocksWritten);
        if (!partly.empty() && advice.find(partly) == std::string::npos) {
            PrintError(partly);
        }
    }
    if (ok && write && !verify) {
        std::fprintf(stderr, "done: the radio took every block (not read back: --no-verify)\n");
    }
    std::string failure;
    if (ok && write && verify) {
        std::fprintf(stderr, "%s\n", kTextVerifying);
        const SVerifyResult result = VerifyWrite(transfer, image.m_Work);
        reporter.Finish(true);
        ok = result.m_bOk;
        failure = result.m_strMessage;
        if (ok) {
            std::fprintf(stderr, "%s\n", result.m_strMessage.c_str());
        } else {
            PrintError(result.m_strMessage);
        }
    }
    record.Finish(transfer, ok, failure);
    record.m_Entry.m_strModel = ModelLogName(doc);
    if (write && ok) {
        record.m_Entry.m_strSha256 = Sha256Hex(image.m_Work.data(), image.m_Work.size());
    }
    if (!ok && transfer.m_Failure.m_Stage != EStage::OpenPort) {
        KeepTraceOfFailure(port.Trace(), record.m_Entry.m_strPort);
    }
    return ok;
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Keeps the image just read with the backups and says where; a backup that cannot be kept is a warning.
// The backup's path, empty when none was kept.
std::string KeepBackup(const CImageBytes& image, const std::string& port) {
    std::string path;
    std::string error;
    if (!SaveBackup(image, port, path, &error)) {
        PrintError("warning: no backup was kept: " + error);
        return std::string();
    }
    std::fprintf(stderr, "Backup of the radio's configuration: %s\n", path.c_str());
    return path;
}

int RunRead(const std::vector<std::string>& words) {
    CArgs args;
    std::string out;
    int com = 0;
    std::string device;
    if (!ParseVerbArgs(args, words, {"--port", "--output", "--image", "--trace"}, {kFleetFlag}, kReadUsage) ||
        !RequireOutput(args, out, kReadUsage)) {
        return kExitUsage;
    }
    if (WantsFleet(args)) {
        return RunFleetRead(args, out);
    }
    if (!ParsePort(args, com, device, kReadUsage)) {
        return kExitUsage;
    }
    if (!CheckRunFiles({{out, "the settings file"},
                        {args.Value("--image").value_or("-"), "--image"},
                        {args.Value("--trace").value_or("-"), "--trace"}})) {
        return kExitUsage;
    }
    CatchStopSignals();
    CVerbPort port(args);
    CEepromImage image;
    CDataRadioDoc doc;
    CTransferRecord record("read", *args.Value("--port"), com, device);
    record.m_Entry.m_strPlan = FileNameOf(out);
    const bool ok = RunTransfer(port, false, false, com, device, doc, image, record);
    port.SaveTrace();
    if (ok) {
        record.m_Entry.m_strBackup = KeepBackup(image.m_Work, *args.Value("--port"));
    }
    record.Log();
    if (!ok) {
        return kExitFailed;
    }
    if (const auto imagePath = args.Value("--image")) {
        if (!SaveBytes(std::vector<uint8_t>(image.m_Work.begin(), image.m_Work.end()), *imagePath)) {
            return kExitFailed;
        }
    }
    return SaveRecord(doc, out) ? kExitOk : kExitFailed;
}

// The check before a write: warnings are printed, errors refuse the file unless forced. True to go on.
bool CheckBeforeWrite(const CDataRadioDoc& doc, const std::string& path, bool force) {
    const std::vector<SFinding> findings = CheckConfig(doc);
    for (const SFinding& finding : findings) {
        PrintError(FindingLine(finding));
    }
    const int errors = CountFindings(findings, ESeverity::Error);
    if (errors == 0) {
        return true;
    }
    if (force) {
        PrintError(StrPrintf("writing %s despite %d error%s (--force)", path.c_str(), errors,
                             errors == 1 ? "" : "s"));
        return true;
    }
    PrintError(
        StrPrintf("%s has %d error%s: nothing was sent. Mend the file (kv310ctl check lists what is "
                  "wrong) or give --force to write it anyway.",
                  path.c_str(), errors, errors == 1 ? "" : "s"));
    return false;
}

int RunWrite(const std::vector<std::string>& words) {
    CArgs args;
    int com = 0;
    std::string device;
    if (!ParseVerbArgs(args, words, {"--port", "--trace"}, {"--force", "--no-verify", "--backup", kFleetFlag},
                       kWriteUsage)) {
        return kExitUsage;
    }
    std::string in;
    if (!OnePositional(args, in, "settings file", kWriteUsage) ||
        (!WantsFleet(args) && !ParsePort(args, com, device, kWriteUsage))) {
        return kExitUsage;
    }
    CDataRadioDoc doc;
    int status = kExitOk;
    if (!LoadRecord(doc, in, status)) {
        return status;
    }
    if (!CheckBeforeWrite(doc, in, args.Has("--force"))) {
        return kExitFailed;
    }
    if (WantsFleet(args)) {
        return RunFleetWrite(args, in, doc);
    }
    if (!CheckRunFiles(
            {{in, "the settings file", false}, {args.Value("--trace").value_or("-"), "--trace"}})) {
        return kExitUsage;
    }
    CatchStopSignals();
    CVerbPort port(args);
    const std::string portName = *args.Value("--port");
    std::string backup;
    if (args.Has("--backup")) {
        CDataRadioDoc radioDoc;
        CEepromImage radioImage;
        CTransferRecord backupRecord("read", portName, com, device);
        const bool read = RunTransfer(port, false, false, com, device, radioDoc, radioImage, backupRecord);
        backup = read ? KeepBackup(radioImage.m_Work, portName) : std::string();
        backupRecord.m_Entry.m_strBackup = backup;
        backupRecord.Log();
        if (backup.empty()) {
            port.SaveTrace();
            PrintError("no backup of the radio could be kept, so nothing was written");
            return kExitFailed;
        }
        const std::string mismatch = RadioModelMismatch(radioDoc, doc);
        if (!mismatch.empty() && !args.Has("--force")) {
            port.SaveTrace();
            PrintError(mismatch + ": nothing was written. Give --force to write it anyway.");
            return kExitFailed;
        }
        if (StopRequested()) {
            port.SaveTrace();
            PrintError("stopped before the write: the radio holds what it held");
            return kExitFailed;
        }
    }
    CEepromImage image;
    CTransferRecord record("write", portName, com, device);
    record.m_Entry.m_strPlan = FileNameOf(in);
    record.m_Entry.m_strBackup = backup;
    const bool ok = RunTransfer(port, true, !args.Has("--no-verify"), com, device, doc, image, record);
    record.Log();
    return port.SaveTrace() && ok ? kExitOk : kExitFailed;
}

int RunStatus(const std::vector<std::string>& words) {
    CArgs args;
    int com = 0;
    std::string device;
    if (!ParseVerbArgs(args, words, {"--port", "--trace"}, {}, kStatusUsage)) {
        return kExitUsage;
    }
    if (!ParsePort(args, com, device, kStatusUsage) ||
        !CheckRunFiles({{args.Value("--trace").value_or("-"), "--trace"}})) {
        return kExitUsage;
    }
    CVerbPort port(args);
    CStderrSink sink;
    CServiceLink link(port.Port(), sink);
    CDataRadioDoc doc;
    const EServiceStart start = link.Start(doc, com, device);
    if (start != EServiceStart::Opened) {
        KeepTraceOfFailure(port.Trace(), *args.Value("--port"));
        port.SaveTrace();
        return kExitFailed;  // the link has said why
    }
    const CRadioStatus status = link.m_Status;
    link.End();
    if (!port.SaveTrace()) {
        return kExitFailed;
    }
    if (!status.m_bValid) {
        PrintError("the radio sent no status: check the cable, the port and that the radio is switched on");
        return kExitFailed;
    }
    if (!status.m_bComplete) {
        // a cut record or a line full of noise would be printed as if the radio had said it
        PrintError("the radio's status reply was incomplete: check the cable and try again");
        return kExitFailed;
    }
    std::printf("channel %d\nfirmware %s\nmodem %s\n", status.m_nChannel,
                VersionText(status.m_nVersion).c_str(), ModemName(status.m_nModem).c_str());
    return kExitOk;
}

}  // namespace

bool ReadRadioFromArgs(const CArgs& args, const char* usage, CDataRadioDoc& doc, int& status) {
    int com = 0;
    std::string device;
    if (!ParsePort(args, com, device, usage)) {
        status = kExitUsage;
        return false;
    }
    if (!CheckRunFiles({{args.m_Positional.empty() ? "-" : args.m_Positional[0], "the plan", false},
                        {args.Value("--trace").value_or("-"), "--trace"}})) {
        status = kExitUsage;
        return false;
    }
    CatchStopSignals();
    CVerbPort port(args);
    CEepromImage image;
    CTransferRecord record("read", *args.Value("--port"), com, device);
    const bool ok = RunTransfer(port, false, false, com, device, doc, image, record);
    record.Log();
    port.SaveTrace();
    if (!ok) {
        status = kExitFailed;
        return false;
    }
    KeepBackup(image.m_Work, *args.Value("--port"));  // like every read
    return true;
}

const std::vector<SVerb>& RadioVerbs() {
    static const std::vector<SVerb> verbs = {
        {"read", "read the radio into a settings file", kReadUsage, RunRead},
        {"write", "write a settings file to the radio", kWriteUsage, RunWrite},
#ifndef _WIN32
        SimulateVerb(),
#endif
        {"status", "show a connected radio's channel, firmware and modem", kStatusUsage, RunStatus},
    };
    return verbs;
}
