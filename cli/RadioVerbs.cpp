// Verbs that talk to a radio over a port.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "Backup.h"
#include "BuiltInRadio.h"
#include "CliSupport.h"
#include "ConfigCheck.h"
#include "FaultOption.h"
#include "FileIo.h"
#include "FleetVerbs.h"
#include "Format.h"
#include "ImageMerge.h"
#include "ImageTransfer.h"
#include "ImageVerify.h"
#include "LinkFrames.h"
#include "PartlyWritten.h"
#include "PortNames.h"
#include "RunFiles.h"
#include "SerialPort.h"
#include "ServiceLink.h"
#include "Sha256.h"
#include "TracingPort.h"
#include "TransferSupport.h"
#include "Utf8Path.h"
#include "Verbs.h"
#include "WriteVerbs.h"

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
    "Usage: kv310ctl write --port PORT [--port PORT]... IN.dat [--force] [--no-verify] [--no-backup] "
    "[--whole-image] [--trace F]\n"
    "Checks the configuration in IN.dat (as 'kv310ctl check' does), reads the radio, writes the "
    "configuration\n"
    "over what the radio holds and reads the radio back to prove the write. A file with errors is refused.\n"
    "Only the bits the configuration decides change; the radio keeps its own bytes (service bytes, the\n"
    "synthesizer chip flag, unused addresses). The image read first is kept with the backups, and a radio\n"
    "of another model or sub-band is refused. A raw image (.bin, a backup) goes back with 'kv310ctl "
    "restore'.\n"
    "With several ports every radio is written at once, each on its own; a failure on one port leaves the\n"
    "others alone. A summary table (port, firmware, result, seconds, verify) goes to stdout; "
    "the exit status\n"
    "is 0 only when every radio succeeded. --trace then saves one trace per port (trace-COM17.txt).\n"
    "  --port PORT     COMn, n, or a device path (COM49: the built-in simulated radio); may be repeated\n"
    "  --ports-from-list  every port 'kv310ctl ports' lists but the simulated radio\n"
    "  --force         write even a file with errors, or to a radio of another model\n"
    "  --no-verify     do not read the radio back after the write\n"
    "  --no-backup     keep no backup file of what the radio held (it is still read, and keeps its own "
    "bytes)\n"
    "  --backup        keep a backup file (the default, kept for older scripts)\n"
    "  --whole-image   send the file's whole image: resets the radio's own bytes, its calibration (service\n"
    "                  bytes 0-11) and synthesizer chip flag among them\n"
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

    STransferHooks Hooks() {
        STransferHooks hooks;
        hooks.SetStatus = [this](const std::string& text) { Status(text); };
        hooks.SetProgress = [this](int address) { Progress(address); };
        hooks.ShowVersion = [this](const std::string& text) {
            Status("");
            std::fprintf(stderr, "Radio firmware version %s\n", text.c_str());
        };
        return hooks;
    }

    // Forgets the held status line: the caller says what happened instead.
    void Discard() { m_strLastStatus.clear(); }

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

// The port of one verb, opened as the desktop program opens it, always traced: the trace is saved where
// --trace asks (SaveTrace), and kept with the failed traces when a transfer fails.
class CVerbPort {
public:
    explicit CVerbPort(const CArgs& args)
        : m_pPort(MakeProgramPort()), m_Trace(*m_pPort), m_TracePath(args.Value("--trace")) {}
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
    std::unique_ptr<CRadioPort> m_pPort;  // the serial driver, or the built-in radio for COM49
    CTracingPort m_Trace;
    std::optional<std::string> m_TracePath;
};

// One read over the port, reported on stderr; true when it completed. record gets what the transfer left; a
// failure keeps the port's trace and names it.
bool ReadOverPort(CVerbPort& port, int com, const std::string& device, CDataRadioDoc& doc,
                  CEepromImage& image, CTransferRecord& record) {
    CTransferReporter reporter;
    CImageTransfer transfer(port.Port(), image, doc, reporter.Hooks());
    transfer.m_nComNumber = com;
    transfer.m_strDevice = device;
    transfer.m_CheckPort = MachinePortCheck();
    transfer.m_pStop = &StopRequested();
    const bool ok = transfer.ReadRadio();
    reporter.Finish(ok, ok ? std::string() : FailureAdvice(transfer.m_Failure, kFindCableCommand));
    FinishRecord(record, transfer, ok);
    if (ok) {  // a read that failed read no model
        record.m_Entry.m_strModel = ModelLogName(doc);
    }
    if (!ok && transfer.m_Failure.m_Stage != EStage::OpenPort) {
        KeepTraceOfFailure(port.Trace(), record.m_Entry.m_strPort);
    }
    return ok;
}

// Keeps the image just read with the backups and says where; a backup that cannot be kept is a warning.
// The backup's path, empty when none was kept (the simulated radio keeps none).
std::string KeepBackup(const CImageBytes& image, const std::string& port, int com) {
    if (com == kSimulatedRadioCom) {
        return std::string();
    }
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
    CTransferRecord record = CliRecord("read", *args.Value("--port"), com, device);
    bool ok = ReadOverPort(port, com, device, doc, image, record);
    port.SaveTrace();
    if (ok) {
        record.m_Entry.m_strBackup = KeepBackup(image.m_Work, *args.Value("--port"), com);
        // the log says ok only for a configuration that was saved
        const auto imagePath = args.Value("--image");
        if (imagePath &&
            !SaveBytes(std::vector<uint8_t>(image.m_Work.begin(), image.m_Work.end()), *imagePath)) {
            ok = false;
            record.m_Entry.m_strResult = "read, but the image could not be saved in " + *imagePath;
        } else if (!SaveRecord(doc, out)) {
            ok = false;
            record.m_Entry.m_strResult = "read, but the configuration could not be saved in " + out;
        }
    }
    if (ok) {
        record.SetPlan(out);  // the digest of the file just saved
    } else {
        record.m_Entry.m_strPlan = out;
    }
    LogRecord(record);
    return ok ? kExitOk : kExitFailed;
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

// A raw image read through the record would lose every byte the record does not hold.
bool IsRawImagePath(const std::string& path) {
    std::string ext = Utf8Path(path).extension().string();
    for (char& c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return ext == ".bin";
}

int RunWrite(const std::vector<std::string>& words) {
    CArgs args;
    int com = 0;
    std::string device;
    if (!ParseVerbArgs(args, words, {"--port", "--trace"},
                       {"--force", "--no-verify", "--backup", "--no-backup", "--whole-image", kFleetFlag},
                       kWriteUsage)) {
        return kExitUsage;
    }
    std::string in;
    if (!OnePositional(args, in, "settings file", kWriteUsage)) {
        return kExitUsage;
    }
    if (args.Has("--backup") && args.Has("--no-backup")) {
        PrintError("--backup and --no-backup ask for opposite things: give one of them");
        return kExitUsage;
    }
    if (IsRawImagePath(in)) {
        PrintError(in +
                   " is a raw EEPROM image (a backup): 'write' takes a settings file (.dat, .yaml). To put "
                   "a backup back on a radio as it stands: kv310ctl restore --port PORT " +
                   in);
        return kExitUsage;
    }
    if (!WantsFleet(args) && !ParsePort(args, com, device, kWriteUsage)) {
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
    CEepromImage image;
    image.EncodeImage(doc);
    image.ApplyChangeBytes();
    SCliWrite write;
    write.m_pszVerb = "write";
    write.m_pszUsage = kWriteUsage;
    write.m_strPlanPath = in;
    write.m_strModel = ModelLogName(doc);
    write.m_Job.m_Plan = image.m_Work;
    write.m_Job.m_Decided = image.m_Decided;
    write.m_Job.m_bWholeImage = args.Has("--whole-image");
    write.m_bKeepBackup = !args.Has("--no-backup");
    write.m_Job.m_bVerify = !args.Has("--no-verify");
    const bool force = args.Has("--force");
    write.m_CheckRadio = [&doc, force](const CDataRadioDoc& radio, std::string& error) {
        const std::string mismatch = RadioModelMismatch(radio, doc);
        if (mismatch.empty() || force) {
            return true;
        }
        error = mismatch + ": nothing was written. Give --force to write it anyway.";
        return false;
    };
    return RunCliWrite(args, write);
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
    CTransferRecord record = CliRecord("status", *args.Value("--port"), com, device);
    // every end is logged, and a radio that did not answer keeps its trace like a failed transfer
    const auto fail = [&](const std::string& why, bool say) {
        if (say) {
            PrintError(why);
        }
        record.Finish(link.m_Status.m_bValid ? link.m_Status.m_nVersion : -1, false, why);
        LogRecord(record);
        KeepTraceOfFailure(port.Trace(), *args.Value("--port"));
        port.SaveTrace();
        return kExitFailed;
    };
    const EServiceStart start = link.Start(com, device);
    if (start != EServiceStart::Opened) {
        // the link has said why
        return fail(start == EServiceStart::Refused ? kTextStatusError : "the port could not be opened",
                    false);
    }
    const SRadioStatus status = link.m_Status;
    link.End();
    if (!status.m_bValid) {
        return fail("the radio sent no status: check the cable, the port and that the radio is switched on",
                    true);
    }
    if (!status.m_bComplete) {
        // a cut record or a line full of noise would be printed as if the radio had said it
        return fail("the radio's status reply was incomplete: check the cable and try again", true);
    }
    record.Finish(status.m_nVersion, true);
    LogRecord(record);
    if (!port.SaveTrace()) {
        return kExitFailed;
    }
    std::printf("channel %d\nfirmware %s\nmodem %s\n", status.m_nChannel,
                VersionText(status.m_nVersion).c_str(), ModemName(status.m_nModem).c_str());
    return kExitOk;
}

}  // namespace

namespace {

// The log's result of a write that ended before the radio was written: why, said as a refusal.
std::string NotWrittenResult(const SRadioWriteResult& result) {
    const std::string why = ResultLogText(false, result.m_strFailure);
    switch (result.m_Step) {
        case EWriteStep::ReadFirst:
            return "not written: the radio could not be read first: " + why;
        case EWriteStep::KeepBackup:
        case EWriteStep::CheckRadio:
            return result.m_End == ETransferEnd::Cancelled ? "stopped before the write: nothing was written"
                                                           : "refused: " + why;
        default:
            return why;
    }
}

// A write that the radio took no block of, because a stop came before the first: nothing was written.
bool StoppedBeforeFirstBlock(const SRadioWriteResult& result) {
    return result.m_Step == EWriteStep::Write && result.m_End == ETransferEnd::Cancelled &&
           result.m_nBlocksWritten == 0;
}

}  // namespace

int RunCliWrite(const CArgs& args, const SCliWrite& write) {
    int com = 0;
    std::string device;
    if (!ParsePort(args, com, device, write.m_pszUsage)) {
        return kExitUsage;
    }
    CatchStopSignals();
    CVerbPort port(args);
    const std::string portName = *args.Value("--port");
    CTransferReporter reporter;
    CBlockTransfer transfer(port.Port(), reporter.Hooks());
    transfer.m_nComNumber = com;
    transfer.m_strDevice = device;
    transfer.m_CheckPort = MachinePortCheck();
    transfer.m_pStop = &StopRequested();
    CTransferRecord readRecord = CliRecord("read", portName, com, device);
    CTransferRecord record = CliRecord(write.m_pszVerb, portName, com, device);
    if (!write.m_strPlanPath.empty()) {
        record.SetPlan(write.m_strPlanPath);
    }
    record.m_Entry.m_strModel = write.m_strModel;
    std::string backup;

    SRadioWriteHooks hooks;
    hooks.KeepBackup = [&](const CImageBytes& radio, std::string& error) {
        reporter.Finish(true);
        const bool keep = write.m_bKeepBackup && com != kSimulatedRadioCom;
        if (keep) {
            backup = KeepBackup(radio, portName, com);
        }
        FinishRecord(readRecord, transfer, true);
        readRecord.SetModelOf(radio);
        readRecord.m_Entry.m_strBackup = backup;
        LogRecord(readRecord);
        error =
            "no backup of the radio could be kept, so nothing was written (--no-backup writes without one)";
        return !keep || !backup.empty();
    };
    if (write.m_Job.m_bWholeImage) {
        std::fprintf(stderr, "%s\n", kTextWholeImageResets);
    }
    hooks.CheckRadio = [&](const CImageBytes& radio, std::string& error) {
        return !write.m_CheckRadio || write.m_CheckRadio(DecodedImage(radio), error);
    };
    hooks.Notice = [&](const std::string& line) {
        reporter.Finish(true);
        std::fprintf(stderr, "The radio's own value changes: %s\n", line.c_str());
    };
    hooks.Status = [&](const std::string& text) {
        reporter.Finish(true);
        std::fprintf(stderr, "%s\n", text.c_str());
    };
    const SRadioWriteResult result = RunRadioWrite(transfer, write.m_Job, hooks);
    const bool ok = result.m_bOk;
    const bool stoppedFirst = StoppedBeforeFirstBlock(result);
    std::string logFailure = result.m_strFailure;
    switch (result.m_Step) {
        case EWriteStep::ReadFirst:
            reporter.Finish(false, FailureAdvice(result.m_Failure, kFindCableCommand));
            PrintError("the radio could not be read first, so nothing was written");
            logFailure = NotWrittenResult(result);
            break;
        case EWriteStep::KeepBackup:
        case EWriteStep::CheckRadio:
            reporter.Finish(true);
            PrintError(result.m_strFailure);
            logFailure = NotWrittenResult(result);
            break;
        case EWriteStep::Write: {
            if (stoppedFirst) {
                reporter.Finish(true);
                PrintError(kTextStoppedBeforeWrite);
                logFailure = "stopped before the write: nothing was written";
                break;
            }
            const std::string advice = FailureAdvice(result.m_Failure, kFindCableCommand);
            reporter.Finish(false, advice);
            const std::string partly =
                result.m_End != ETransferEnd::Done ? PartlyWrittenText(result.m_nBlocksWritten) : "";
            if (!partly.empty() && advice.find(partly) == std::string::npos) {
                PrintError(partly);
            }
            if (!partly.empty()) {  // the log keeps what the radio holds, not only "Write Fail!"
                logFailure = ResultLogText(false, result.m_strFailure) + " " + partly;
            }
            break;
        }
        case EWriteStep::Verify:
        case EWriteStep::Done:
            if (result.m_End == ETransferEnd::Cancelled) {
                reporter.Discard();  // "Read cancelled. Nothing was changed." is not true of the write
            }
            reporter.Finish(true);
            if (!result.m_bVerified) {
                std::fprintf(stderr, "done: the radio took every block (not read back: --no-verify)\n");
            } else if (ok) {
                std::fprintf(stderr, "%s\n", result.m_Verify.m_strMessage.c_str());
            } else {
                PrintError(result.m_Verify.m_strMessage);
            }
            break;
    }
    const bool wrote =
        !stoppedFirst && (result.m_Step == EWriteStep::Write || result.m_Step == EWriteStep::Verify ||
                          result.m_Step == EWriteStep::Done);
    if (wrote && write.m_Job.m_bRestore && !ok && result.m_Step == EWriteStep::Write) {
        // "write again" is for a plan: a half-restored radio gets the same backup again
        std::fprintf(stderr,
                     "The backup is kept as it was: restore it again (kv310ctl restore --port %s %s).\n",
                     portName.c_str(), write.m_strPlanPath.c_str());
    }
    if (wrote && write.m_Job.m_bRestore) {
        const std::string note = RestoreFirmwareByteNote(write.m_Job.m_Plan, result.m_Sent);
        if (!note.empty()) {
            std::fprintf(stderr, "%s\n", note.c_str());
        }
        if (ok && result.m_bVerified) {
            std::fprintf(stderr, "Restored: the radio holds the backup's %d bytes%s.\n", kImageSize,
                         note.empty() ? "" : " (byte 16 as its firmware takes it)");
        }
    }
    // every run is logged as the verb it was, a refused or stopped one with why
    record.Finish(result.m_nVersion, ok, logFailure);
    record.m_Entry.m_strBackup = backup;
    if (ok) {
        record.SetSent(result.m_Sent);
    }
    LogRecord(record);
    const bool lineUsed = result.m_Failure.m_Stage != EStage::OpenPort &&
                          result.m_Step != EWriteStep::CheckRadio && result.m_Step != EWriteStep::KeepBackup;
    if (!ok && !stoppedFirst && lineUsed) {
        KeepTraceOfFailure(port.Trace(), portName);
    }
    return port.SaveTrace() && ok ? kExitOk : kExitFailed;
}

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
    CTransferRecord record = CliRecord("read", *args.Value("--port"), com, device);
    const bool ok = ReadOverPort(port, com, device, doc, image, record);
    LogRecord(record);
    port.SaveTrace();
    if (!ok) {
        status = kExitFailed;
        return false;
    }
    KeepBackup(image.m_Work, *args.Value("--port"), com);  // like every read
    return true;
}

#ifdef _WIN32
// Windows has no pseudo-terminals to serve a radio on; both programs have one built in instead.
const char kWindowsSimulateUsage[] =
    "Usage: kv310ctl simulate\n"
    "On Windows the simulated radio is built in: give --port COM49 to read, write or status (it starts\n"
    "blank in each run of kv310ctl; a write is verified against it). Windows has no pseudo-terminals,\n"
    "so no radio is served for another program here.\n";

int RunWindowsSimulate(const std::vector<std::string>&) {
    PrintError(
        "Windows needs COM49 for the simulated radio: it is built into kv310ctl and kv310 (for example "
        "kv310ctl write --port COM49 plan.dat). There are no pseudo-terminals here to serve one on.");
    return kExitFailed;
}
#endif

const std::vector<SVerb>& RadioVerbs() {
    static const std::vector<SVerb> verbs = {
        {"read", "read the radio into a settings file", kReadUsage, RunRead},
        {"write", "write a settings file to the radio", kWriteUsage, RunWrite},
        RestoreVerb(),
#ifdef _WIN32
        {"simulate", "on Windows: the simulated radio is COM49, built in", kWindowsSimulateUsage,
         RunWindowsSimulate},
#else
        SimulateVerb(),
#endif
        {"status", "show a connected radio's channel, firmware and modem", kStatusUsage, RunStatus},
    };
    return verbs;
}
