// kv310ctl print: the data sheet as a two-page PDF, made without a display.

#include <cstdio>

#include "CliSupport.h"
#include "DataSheetPdf.h"
#include "Verbs.h"

namespace {

const char kPrintUsage[] =
    "Usage: kv310ctl print IN.dat -o OUT.pdf [--language en|de|es]\n"
    "Renders the configuration's two-page data sheet to a PDF file, as the program prints it: in English\n"
    "(the default), or in German or Spanish as the program prints it in that language.\n";

int RunPrint(const std::vector<std::string>& words) {
    CArgs args;
    std::string out;
    if (!ParseVerbArgs(args, words, {"--output", "--language"}, {}, kPrintUsage) ||
        !RequireOutput(args, out, kPrintUsage)) {
        return kExitUsage;
    }
    const std::string language = args.Value("--language").value_or("en");
    if (language != "en" && language != "de" && language != "es") {
        PrintError("unknown language \"" + language + "\": give en, de or es");
        std::fprintf(stderr, "%s", kPrintUsage);
        return kExitUsage;
    }
    if (args.m_Positional.size() != 1) {
        PrintError(args.m_Positional.empty() ? "the settings file is missing" : "expected one settings file");
        std::fprintf(stderr, "%s", kPrintUsage);
        return kExitUsage;
    }
    CDataRadioDoc doc;
    int status = kExitOk;
    if (!LoadRecord(doc, args.m_Positional[0], status)) {
        return status;
    }
    std::string error;
    if (!PrintDataSheetToPdf(doc, out, &error, language)) {
        PrintError(error);  // it names the file and says why
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

const SVerb& PrintVerb() {
    static const SVerb verb = {"print", "render a configuration's data sheet to PDF", kPrintUsage, RunPrint};
    return verb;
}
