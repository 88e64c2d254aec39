// Verbs on a configuration's text forms: export to YAML or a channel CSV, the import of both, and the
// field-by-field diff of two configurations or of a radio and its plan.

#include <algorithm>
#include <cstdio>

#include "ChannelCsv.h"
#include "ChirpCsv.h"
#include "CliSupport.h"
#include "ConfigDiff.h"
#include "FileIo.h"
#include "LegacyImport.h"
#include "TextConfig.h"
#include "Verbs.h"

namespace {

const char kExportUsage[] =
    "Usage: kv310ctl export IN.dat -o OUT.yaml\n"
    "       kv310ctl export --channels-csv IN.dat -o OUT.csv\n"
    "       kv310ctl export --chirp-csv IN.dat -o OUT.csv\n"
    "Writes a configuration (.dat, .yaml or a 416-byte .bin image) as text: YAML with every field named and\n"
    "commented, or with --channels-csv the 16 channels as CSV for a spreadsheet. 'kv310ctl import' reads "
    "both\n"
    "back; a .dat comes back byte for byte. With --chirp-csv the programmed channels in CHIRP's columns\n"
    "(what CHIRP has no column for, two-tone, is left out and said).\n" KV310_YAML_NOT_READ_NOTE
    "  -o, --output    the file to write, or - for stdout\n";

const char kDiffUsage[] =
    "Usage: kv310ctl diff A B\n"
    "       kv310ctl diff --port PORT PLAN\n"
    "Prints one line per field that differs, with its name and both values:\n"
    "  channel 3 rx: 151.01250 -> 151.02500\n"
    "A, B and PLAN are .dat, .yaml or .bin (416-byte EEPROM image) files. With --port the radio is read and\n"
    "compared with the plan: PLAN -> RADIO, the plan as the radio would hold it once written (so values the\n"
    "radio cannot hold are no difference). Values no page shows are compared only between two files.\n"
    "Exit status: 0 equal, 1 different, 2 trouble (a file or the radio could not be "
    "read).\n" KV310_YAML_NOT_READ_NOTE KV310_PORT_OPTION_HELP;

bool Load(const std::string& path, SConfig& config) {
    if (RefuseUnreadableYaml(path)) {
        return false;
    }
    std::string error;
    if (!LoadConfig(path, config, error)) {
        PrintError(error);
        return false;
    }
    return true;
}

bool ReadText(const std::string& path, std::string& text) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(path, bytes, kMaxTextConfigBytes + 1, &error)) {
        PrintError("cannot read " + path + ": " + error);
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool WriteText(const std::string& text, const std::string& path) {
    if (path == "-") {
        PutStdout(text);  // checked as the program ends
        return true;
    }
    return SaveBytes(std::vector<uint8_t>(text.begin(), text.end()), path);
}

int RunExport(const std::vector<std::string>& words) {
    CArgs args;
    std::string in;
    std::string out;
    if (!ParseVerbArgs(args, words, {"--output"}, {"--channels-csv", "--chirp-csv"}, kExportUsage) ||
        !OnePositional(args, in, "configuration file", kExportUsage) ||
        !RequireOutput(args, out, kExportUsage)) {
        return kExitUsage;
    }
    SConfig config;
    int status = kExitOk;
    if (!LoadRecord(config.doc, in, status)) {
        return status;
    }
    if (args.Has("--channels-csv") && args.Has("--chirp-csv")) {
        PrintError("give --channels-csv or --chirp-csv, not both");
        return kExitUsage;
    }
    std::vector<std::string> notes;
    const std::string text = args.Has("--chirp-csv")      ? ExportChirpCsv(config.doc, notes)
                             : args.Has("--channels-csv") ? ExportChannelCsv(config.doc)
                                                          : ExportTextConfig(config.doc);
    for (const std::string& note : notes) {
        PrintError(note);
    }
    return WriteText(text, out) ? kExitOk : kExitFailed;
}

int RunDiff(const std::vector<std::string>& words) {
    CArgs args;
    if (!ParseVerbArgs(args, words, {"--port"}, {}, kDiffUsage)) {
        return kExitUsage;
    }
    const size_t files = args.Has("--port") ? 1 : 2;
    if (args.m_Positional.size() != files) {
        PrintError(files == 1 ? "give the plan to compare the radio with" : "give the two files to compare");
        std::fprintf(stderr, "%s", kDiffUsage);
        return kExitUsage;
    }
    SConfig a;
    SConfig b;
    if (!Load(args.m_Positional[0], a)) {
        return kExitUsage;
    }
    if (files == 2) {
        if (!Load(args.m_Positional[1], b)) {
            return kExitUsage;
        }
    } else {
        int status = kExitOk;
        if (!ReadRadioFromArgs(args, kDiffUsage, b.doc, status)) {
            return kExitUsage;  // trouble, not a difference
        }
        b.bCarried = false;
    }
    const std::vector<std::string> lines = DiffConfigs(a, b);
    for (const std::string& line : lines) {
        std::printf("%s\n", line.c_str());
    }
    return lines.empty() ? kExitOk : kExitFailed;
}

// The CHIRP list into doc's channels; what was left out or changed goes to stderr, a line each.
bool ImportChirp(const std::string& text, const std::string& name, const CArgs& args, CDataRadioDoc& doc,
                 std::string& error) {
    SChirpImport outcome;
    if (!ImportChirpCsv(text, name, args.Value("--first") ? *args.Value("--first") : "", doc, outcome,
                        error)) {
        return false;
    }
    const std::string report = ChirpImportReport(outcome);
    for (size_t start = 0; start <= report.size();) {
        const size_t end = std::min(report.find('\n', start), report.size());
        PrintError(report.substr(start, end - start));
        start = end + 1;
    }
    return true;
}

}  // namespace

int RunTextImport(const CArgs& args, const std::string& in, const std::string& out) {
    const bool chirp = args.Has("--chirp-csv");
    const bool csv = args.Has("--channels-csv") || chirp;
    if (args.Has("--channels-csv") && chirp) {
        PrintError("give --channels-csv or --chirp-csv, not both");
        return kExitUsage;
    }
    if (args.Has("--first") && !chirp) {
        PrintError("--first goes with --chirp-csv");
        return kExitUsage;
    }
    if (args.Has("--model")) {
        PrintError("--model is for KV110 files only: a text form names its model itself");
        return kExitUsage;
    }
    if (csv != args.Has("--into")) {
        PrintError(csv ? "the channel list needs the configuration to put the channels into (--into BASE.dat)"
                       : "--into goes with --channels-csv or --chirp-csv");
        return kExitUsage;
    }
    if (RefuseUnreadableYaml(in) || (csv && RefuseUnreadableYaml(*args.Value("--into")))) {
        return kExitUsage;
    }
    if (!csv && ConfigKindOf(in) != EConfigKind::Text) {
        PrintError(in +
                   ": unknown kind of file: give a .yaml text form, a channel .csv with --channels-csv, or a "
                   "KV110 .VHF/.UHF file");
        return kExitUsage;
    }
    std::string text;
    if (!ReadText(in, text)) {
        return kExitFailed;
    }
    SConfig config;
    std::string error;
    if (csv) {
        if (!Load(*args.Value("--into"), config)) {
            return kExitFailed;
        }
        if (chirp ? !ImportChirp(text, in, args, config.doc, error)
                  : !ImportChannelCsv(text, in, config.doc, error)) {
            PrintError(error + " (nothing written)");
            return kExitFailed;
        }
    } else if (!ImportTextConfig(text, in, config.doc, error)) {
        PrintError(error + " (nothing written)");
        return kExitFailed;
    }
    return SaveRecord(config.doc, out) ? kExitOk : kExitFailed;
}

const std::vector<SVerb>& TextVerbs() {
    static const std::vector<SVerb> verbs = {
        {"export", "write a configuration as YAML, or its channels as CSV", kExportUsage, RunExport},
        {"diff", "list the fields two configurations (or a radio and its plan) differ in", kDiffUsage,
         RunDiff},
    };
    return verbs;
}
