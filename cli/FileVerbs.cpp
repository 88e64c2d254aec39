// Verbs that work on files only: no radio, no port.

#include <cstdio>

#include "CliSupport.h"
#include "ConfigCheck.h"
#include "DataSheet.h"
#include "EepromImage.h"
#include "FileIo.h"
#include "Format.h"
#include "LegacyImport.h"
#include "Verbs.h"

namespace {

const char kNewUsage[] =
    "Usage: kv310ctl new --model MODEL [--sub-band N] -o OUT.dat\n"
    "Writes a fresh configuration for the model (every channel empty, every option at its default).\n"
    "  --model MODEL   2-5 or kv310-vhf, kv310-uhf, kv330-vhf, kv330-uhf\n"
    "  --sub-band N    0 (default) or, for UHF models, 1 (440-490 MHz)\n"
    "  -o, --output    the settings file to write\n";

const char kEncodeUsage[] =
    "Usage: kv310ctl encode IN.dat -o OUT.bin\n"
    "Writes the 416-byte EEPROM image the radio would receive for this configuration. What 'kv310ctl check'\n"
    "finds is printed as warnings.\n";

const char kCheckUsage[] =
    "Usage: kv310ctl check IN.dat\n"
    "Lists, one a line, what in the configuration would not reach the radio as the file says (errors) and\n"
    "what no page of the program would have let through (warnings). Exit 0 without errors, 1 with errors\n"
    "(also a settings file of another size than 1827 bytes), 2 when the file cannot be read.\n";

const char kDecodeUsage[] =
    "Usage: kv310ctl decode IN.bin -o OUT.dat\n"
    "Turns a 416-byte EEPROM image (e.g. from 'kv310ctl read --image') into a settings file.\n";

const char kImportUsage[] =
    "Usage: kv310ctl import IN.yaml -o OUT.dat\n"
    "       kv310ctl import --channels-csv IN.csv --into BASE.dat -o OUT.dat\n"
    "       kv310ctl import --chirp-csv IN.csv [--first LOCATION] --into BASE.dat -o OUT.dat\n"
    "       kv310ctl import IN.VHF|IN.UHF --model MODEL -o OUT.dat\n"
    "Makes a settings file from another kind of file, told by its extension:\n" KV310_YAML_IMPORT_HELP
    "  .csv            with --channels-csv: the channel list replaces the channels of BASE (.dat or .yaml);\n"
    "                  everything else is kept\n"
    "                  with --chirp-csv: a CHIRP channel list goes into channels 1-16 in its order (into\n"
    "                  the channels its Locations name when they are 1-16, rising); the channels it does\n"
    "                  not fill are emptied; rows the radio cannot hold are left out and listed\n"
    "  --first LOCATION  start at the CHIRP row with this Location\n"
    "  .VHF, .UHF      a KV110 programming file, imported for MODEL (a .UHF file needs a UHF model)\n"
    "  --model MODEL   2-5 or kv310-vhf, kv310-uhf, kv330-vhf, kv330-uhf (KV110 files only)\n"
    "  -o, --output    the settings file to write\n";

const char kShowUsage[] =
    "Usage: kv310ctl show IN.dat\n"
    "Prints the configuration's data sheet (the two printed pages) as text.\n";

int RunNew(const std::vector<std::string>& words) {
    CArgs args;
    std::string out;
    if (!ParseVerbArgs(args, words, {"--model", "--sub-band", "--output"}, {}, kNewUsage) ||
        !RequireOutput(args, out, kNewUsage)) {
        return kExitUsage;
    }
    int row = 0;
    if (!args.Value("--model") || !ParseModel(*args.Value("--model"), row)) {
        PrintError(args.Value("--model") ? "unknown model '" + CleanText(*args.Value("--model")) + "'"
                                         : "--model is missing");
        std::fprintf(stderr, "%s", kNewUsage);
        return kExitUsage;
    }
    CDataRadioDoc doc;
    doc.m_nModel = row;
    const std::string subBand = args.Value("--sub-band").value_or("0");
    if (subBand != "0" && !(subBand == "1" && ModelCatalogue()[row].m_nSubBands > 1)) {
        PrintError(StrPrintf("sub-band '%s' does not exist for the %s; it has %d", subBand.c_str(),
                             ModelText(row).c_str(), ModelCatalogue()[row].m_nSubBands));
        return kExitUsage;
    }
    doc.m_nSubBand = static_cast<uint8_t>(subBand[0] - '0');
    doc.ResetToDefaults();
    return SaveRecord(doc, out) ? kExitOk : kExitFailed;
}

int RunEncode(const std::vector<std::string>& words) {
    CArgs args;
    std::string in;
    std::string out;
    if (!ParseVerbArgs(args, words, {"--output"}, {}, kEncodeUsage) ||
        !OnePositional(args, in, "settings file", kEncodeUsage) || !RequireOutput(args, out, kEncodeUsage)) {
        return kExitUsage;
    }
    CDataRadioDoc doc;
    int status = kExitOk;
    if (!LoadRecord(doc, in, status)) {
        return status;
    }
    for (const SFinding& finding : CheckConfig(doc)) {
        PrintError("warning: " + finding.m_strText);
    }
    CEepromImage image;
    image.EncodeImage(doc);
    return SaveBytes(std::vector<uint8_t>(image.m_Work.begin(), image.m_Work.end()), out) ? kExitOk
                                                                                          : kExitFailed;
}

int RunCheck(const std::vector<std::string>& words) {
    CArgs args;
    std::string in;
    if (!ParseVerbArgs(args, words, {}, {}, kCheckUsage) ||
        !OnePositional(args, in, "settings file", kCheckUsage)) {
        return kExitUsage;
    }
    CDataRadioDoc doc;
    int status = kExitOk;
    if (!LoadRecord(doc, in, status)) {
        return status;
    }
    const std::vector<SFinding> findings = CheckConfig(doc);
    for (const SFinding& finding : findings) {
        std::printf("%s\n", FindingLine(finding).c_str());
    }
    const int errors = CountFindings(findings, ESeverity::Error);
    const int warnings = CountFindings(findings, ESeverity::Warning);
    std::fprintf(stderr, "%s: %d error%s, %d warning%s\n", in.c_str(), errors, errors == 1 ? "" : "s",
                 warnings, warnings == 1 ? "" : "s");
    return errors == 0 ? kExitOk : kExitFailed;
}

int RunDecode(const std::vector<std::string>& words) {
    CArgs args;
    std::string in;
    std::string out;
    if (!ParseVerbArgs(args, words, {"--output"}, {}, kDecodeUsage) ||
        !OnePositional(args, in, "image file", kDecodeUsage) || !RequireOutput(args, out, kDecodeUsage)) {
        return kExitUsage;
    }
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(in, bytes, kImageSize + 1, &error)) {
        PrintError("cannot read " + in + ": " + error);
        return kExitFailed;
    }
    if (bytes.size() != kImageSize) {
        PrintError(
            StrPrintf("%s is not an EEPROM image: it must be exactly %d bytes", in.c_str(), kImageSize));
        return kExitFailed;
    }
    CDataRadioDoc doc;
    CEepromImage image;
    std::copy(bytes.begin(), bytes.end(), image.m_Work.begin());
    image.DecodeImage(doc);
    return SaveRecord(doc, out) ? kExitOk : kExitFailed;
}

int RunImport(const std::vector<std::string>& words) {
    CArgs args;
    std::string in;
    std::string out;
    if (!ParseVerbArgs(args, words, {"--model", "--output", "--into", "--first"},
                       {"--channels-csv", "--chirp-csv"}, kImportUsage) ||
        !OnePositional(args, in, "file to import", kImportUsage) || !RequireOutput(args, out, kImportUsage)) {
        return kExitUsage;
    }
    const EFileKind kind = FileKindOf(in);
    if (kind != EFileKind::LegacyUhf && kind != EFileKind::LegacyVhf) {
        return RunTextImport(args, in, out);
    }
    int row = 0;
    if (!args.Value("--model") || !ParseModel(*args.Value("--model"), row)) {
        PrintError(args.Value("--model") ? "unknown model '" + CleanText(*args.Value("--model")) + "'"
                                         : "--model is missing");
        std::fprintf(stderr, "%s", kImportUsage);
        return kExitUsage;
    }
    std::vector<uint8_t> bytes;
    std::string why;
    if (!ReadFileBytes(in, bytes, kLegacyRecordSize * kLegacyRecords + 1, &why)) {
        PrintError("cannot read " + in + ": " + why);
        return kExitUsage;
    }
    if (!IsLegacyFileContent(bytes, why)) {
        PrintError(in + " is not a KV110 file: " + why + " (nothing written)");
        return kExitFailed;
    }
    CDataRadioDoc doc;
    doc.m_nModel = row;
    doc.ResetToDefaults();
    CStderrSink sink;
    if (!ImportLegacyFile(doc, in, sink)) {
        return kExitFailed;
    }
    return SaveRecord(doc, out) ? kExitOk : kExitFailed;
}

int RunShow(const std::vector<std::string>& words) {
    CArgs args;
    std::string in;
    if (!ParseVerbArgs(args, words, {}, {}, kShowUsage) ||
        !OnePositional(args, in, "settings file", kShowUsage)) {
        return kExitUsage;
    }
    CDataRadioDoc doc;
    int status = kExitOk;
    if (!LoadRecord(doc, in, status)) {
        return status;
    }
    PutStdout(DataSheetText(BuildDataSheet(doc)));
    return kExitOk;
}

}  // namespace

const std::vector<SVerb>& FileVerbs() {
    static const std::vector<SVerb> verbs = {
        {"new", "write a fresh configuration for a model", kNewUsage, RunNew},
        {"check", "list what in a settings file would not reach the radio as it says", kCheckUsage, RunCheck},
        {"encode", "turn a settings file into the radio's EEPROM image", kEncodeUsage, RunEncode},
        {"decode", "turn an EEPROM image into a settings file", kDecodeUsage, RunDecode},
        {"import", KV310_IMPORT_SUMMARY, kImportUsage, RunImport},
        {"show", "print a configuration's data sheet as text", kShowUsage, RunShow},
    };
    return verbs;
}
