// Verbs that help when something goes wrong: the ports and who may use them, the transfer log, and a
// problem report to send.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "CliSupport.h"
#include "FailedTrace.h"
#include "PortSurvey.h"
#include "ProblemReport.h"
#include "TextConfig.h"
#include "TransferLog.h"
#include "TransferRecord.h"
#include "Verbs.h"
#include "Version.h"

namespace {

const char kPortsUsage[] =
    "Usage: kv310ctl ports [--json] [--wait-new [SECONDS]]\n"
    "Lists the serial ports present, one a line: COM name, device, what it is (a USB adapter's product,\n"
    "maker and serial number) and whether you can use it now (ready, no permission, in use by a program).\n"
    "  --json          the same as a JSON array, for scripts\n"
    "  --wait-new [SECONDS]  wait (default 60 s) for the programming cable to be plugged in, then print the\n"
    "                  port that appeared; exit 1 when none did\n";

const char kLogUsage[] =
    "Usage: kv310ctl log [--since DATE] [--plan FILE]\n"
    "Prints the transfer log (tab-separated, header first): every read, write, restore and status request "
    "of\n"
    "a radio by kv310 or kv310ctl, refused and stopped ones too, with time, port, adapter serial, firmware,\n"
    "model, the plan as given, SHA-256 of the bytes written, result, seconds, backup, the plan's resolved\n"
    "path and the SHA-256 of the plan file; the older files the log moved to at 10 MB come first.\n"
    "  --since DATE    only lines from DATE on: YYYY-MM-DD or YYYY-MM-DD HH:MM\n"
    "  --plan FILE     only the radios that got FILE (found by the SHA-256 of its bytes, under any name)\n";

const char kReportUsage[] =
    "Usage: kv310ctl report -o FILE.tar.gz [--config PLAN]\n"
    "Writes a problem report to send: the version and build, the operating system, the port listing, the\n"
    "serial traces of the last failed transfers (only their frames' kinds and block numbers) and the last\n"
    "200 lines of the transfer log. Nothing else from the machine goes in (backups are named below the data\n"
    "folder, plans only by their digest, no home folder in a port's path).\n"
    "  -o, --output    the archive to write, or - for stdout\n"
    "  --config PLAN   also the configuration in PLAN (.dat or .yaml), as YAML, and the whole "
    "traces\n" KV310_YAML_NOT_READ_NOTE;

constexpr int kDefaultWaitSeconds = 60;
constexpr int kMaxWaitSeconds = 3600;

// --wait-new takes an optional number: give it its default when none follows.
std::vector<std::string> WithWaitDefault(std::vector<std::string> words) {
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--wait-new") {
            continue;
        }
        const bool number = i + 1 < words.size() && !words[i + 1].empty() &&
                            words[i + 1].find_first_not_of("0123456789") == std::string::npos;
        if (!number) {
            words.insert(words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                         std::to_string(kDefaultWaitSeconds));
        }
    }
    return words;
}

// "1" .. "3600"; anything else (a word, a number past an int) is no time to wait.
int WaitSeconds(const std::string& text) {
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return std::atoi(text.c_str());
}

int RunPorts(const std::vector<std::string>& words) {
    CArgs args;
    if (!ParseVerbArgs(args, WithWaitDefault(words), {"--wait-new"}, {"--json"}, kPortsUsage) ||
        !NoPositional(args, kPortsUsage)) {
        return kExitUsage;
    }
    const bool json = args.Has("--json");
    const std::unique_ptr<CPortSystem> system = MachinePortSystem();
    if (const auto wait = args.Value("--wait-new")) {
        const int seconds = WaitSeconds(*wait);
        if (seconds < 1 || seconds > kMaxWaitSeconds) {
            PrintError("'" + *wait + "' is no time to wait: give 1-3600 seconds");
            return kExitUsage;
        }
        std::fprintf(stderr, "Unplug the programming cable, then plug it in (waiting up to %d s).\n",
                     seconds);
        const SPortInfo found = WaitForNewPort(*system, seconds * 1000, [](int ms) {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            return true;
        });
        if (found.m_nCom == 0) {
            PrintError("no port appeared: check the cable and its USB socket, then try again");
            return kExitFailed;
        }
        std::fprintf(stderr, "The programming cable is COM%d.\n", found.m_nCom);
        std::printf("%s", json ? PortsJson({found}).c_str() : PortsText({found}).c_str());
        return kExitOk;
    }
    const std::vector<SPortInfo> ports = SurveyPorts(*system);
    std::printf("%s", json ? PortsJson(ports).c_str() : PortsText(ports).c_str());
    return kExitOk;
}

int RunLog(const std::vector<std::string>& words) {
    CArgs args;
    if (!ParseVerbArgs(args, words, {"--since", "--plan"}, {}, kLogUsage) || !NoPositional(args, kLogUsage)) {
        return kExitUsage;
    }
    std::vector<std::string> lines;
    std::string error;
    if (!ReadTransferLog(lines, &error)) {
        PrintError("cannot read the transfer log " + TransferLogPath() + ": " + error);
        return kExitFailed;
    }
    if (const auto since = args.Value("--since")) {
        std::vector<std::string> selected;
        if (!TransferLogSince(lines, *since, selected)) {
            PrintError("'" + *since + "' is no date: give YYYY-MM-DD or YYYY-MM-DD HH:MM");
            return kExitUsage;
        }
        lines = selected;
    }
    if (const auto plan = args.Value("--plan")) {
        const std::string digest = FileSha256(*plan);
        if (digest.empty()) {
            PrintError("cannot read " + *plan);
            return kExitFailed;
        }
        lines = TransferLogOfPlan(lines, digest);
    }
    std::printf("%s", kTransferLogHeader);
    for (const std::string& line : lines) {
        std::printf("%s\n", line.c_str());
    }
    return kExitOk;
}

int RunReport(const std::vector<std::string>& words) {
    CArgs args;
    std::string out;
    if (!ParseVerbArgs(args, words, {"--output", "--config"}, {}, kReportUsage) ||
        !RequireOutput(args, out, kReportUsage) || !NoPositional(args, kReportUsage)) {
        return kExitUsage;
    }
    SReportInputs inputs;
    inputs.m_strProgram = std::string("kv310ctl ") + ProgramVersion();
    inputs.m_strPorts = PortsText(SurveyPorts(*MachinePortSystem()));
    if (const auto config = args.Value("--config")) {
        CDataRadioDoc doc;
        int status = kExitOk;
        if (!LoadRecord(doc, *config, status)) {
            return status;
        }
        inputs.m_strConfigYaml = ExportTextConfig(doc);
        inputs.m_bWholeTraces = true;  // the configuration is given: the traces' images may go too
    }
    SProblemReport report;
    std::string error;
    if (!BuildProblemReport(inputs, report, &error)) {
        PrintError("cannot write " + out + ": " + error);
        return kExitFailed;
    }
    for (const std::string& warning : report.m_Warnings) {
        PrintError("warning: " + warning);
    }
    if (!SaveBytes(report.m_Archive, out)) {  // "-": stdout
        return kExitFailed;
    }
    std::fprintf(stderr, "Problem report written to %s, holding:\n", out == "-" ? "stdout" : out.c_str());
    for (const std::string& name : report.m_Names) {
        std::fprintf(stderr, "  %s\n", name.c_str());
    }
    return kExitOk;
}

}  // namespace

const std::vector<SVerb>& SupportVerbs() {
    static const std::vector<SVerb> verbs = {
        {"ports", "list the serial ports, who may use them, or wait for the cable", kPortsUsage, RunPorts},
        {"log", "print the log of every radio read and written", kLogUsage, RunLog},
        BackupsVerb(),
        {"report", "write a problem report to send", kReportUsage, RunReport},
    };
    return verbs;
}
