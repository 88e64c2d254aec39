// kv310ctl: the command-line face of KV310 PC Programmer, for scripted programming runs and file conversions.
// Only requested output goes to stdout; messages go to stderr. Exit 0 success, 1 failure, 2 usage error.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "BuiltInRadio.h"
#include "CliSupport.h"
#include "Verbs.h"
#include "Version.h"

namespace {

std::vector<SVerb> AllVerbs() {
    std::vector<SVerb> verbs = FileVerbs();
    const std::vector<SVerb>& text = TextVerbs();
    verbs.insert(verbs.end(), text.begin(), text.end());
#ifdef KV310_HAVE_PRINT
    verbs.push_back(PrintVerb());
#endif
    const std::vector<SVerb>& radio = RadioVerbs();
    verbs.insert(verbs.end(), radio.begin(), radio.end());
    const std::vector<SVerb>& support = SupportVerbs();
    verbs.insert(verbs.end(), support.begin(), support.end());
    return verbs;
}

void PrintOverview(FILE* out) {
    std::fprintf(out,
                 "Usage: kv310ctl VERB [OPTIONS]\n"
                 "Programs KV310/KV330 data radios and converts their configuration files.\n\n"
                 "Verbs:\n");
    for (const SVerb& verb : AllVerbs()) {
        std::fprintf(out, "  %-9s %s\n", verb.name, verb.summary);
    }
    std::fprintf(out,
                 "\nMODEL is a catalogue row 2-5 or kv310-vhf, kv310-uhf, kv330-vhf, kv330-uhf.\n"
#ifdef _WIN32
                 "PORT is COMn or n (COM1-255, see kv310ctl ports; COM49 the built-in simulated radio),\n"
                 "or a device path such as \\\\.\\COM3.\n"
#else
                 "PORT is COMn, n, or a device path (COM1-16 /dev/ttyS0-15, COM17-32 /dev/ttyUSB0-15,\n"
                 "COM33-48 /dev/ttyACM0-15, COM49 the built-in simulated radio).\n"
#endif
                 "Run 'kv310ctl help VERB' or 'kv310ctl VERB --help' for a verb's options,\n"
                 "'kv310ctl --version' for the version.\n");
}

bool WantsHelp(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        if (word == "--") {
            return false;
        }
        if (word == "--help" || word == "-h") {
            return true;
        }
    }
    return false;
}

#ifdef _WIN32
// The console shows what the program prints as UTF-8 ("Zürich", "東京"), as long as it runs; the
// command line and file names are UTF-8 through the program's manifest (cmake/utf8.manifest).
class CUtf8Console {
public:
    CUtf8Console() : m_nOutput(::GetConsoleOutputCP()), m_nInput(::GetConsoleCP()) {
        ::SetConsoleOutputCP(CP_UTF8);
        ::SetConsoleCP(CP_UTF8);
    }
    ~CUtf8Console() {
        if (m_nOutput != 0) {  // 0: no console (output into a file or a pipe)
            ::SetConsoleOutputCP(m_nOutput);
            ::SetConsoleCP(m_nInput);
        }
    }

private:
    UINT m_nOutput;
    UINT m_nInput;
};
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    const CUtf8Console console;
#endif
    if (argc < 2) {
        PrintOverview(stderr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || (name == "help" && argc == 2)) {
        PrintOverview(stdout);
        return kExitOk;
    }
    if (name == "help") {  // help VERB: that verb's help
        for (const SVerb& verb : AllVerbs()) {
            if (argv[2] == std::string(verb.name) && argc == 3) {
                std::printf("%s", verb.usage);
                return FinishStdout(kExitOk);
            }
        }
        PrintError("no verb '" + CleanText(argv[2]) + "' to help with (see kv310ctl --help)");
        return kExitUsage;
    }
    if (name == "--version") {
        std::printf("kv310ctl %s\n", ProgramVersion());
        return kExitOk;
    }
    const std::vector<std::string> words(argv + 2, argv + argc);
    for (const SVerb& verb : AllVerbs()) {
        if (name == verb.name) {
            if (WantsHelp(words)) {
                std::printf("%s", verb.usage);
                return FinishStdout(kExitOk);
            }
            return FinishStdout(verb.run(words));
        }
    }
    PrintError("unknown verb '" + CleanText(name) + "' (see kv310ctl --help)");
    return kExitUsage;
}
