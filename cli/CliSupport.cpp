#include "CliSupport.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "ConfigDiff.h"
#include "ConfigFields.h"
#include "FileIo.h"
#include "SettingsFile.h"

namespace {

std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') {
            continue;
        }
        if (c == '\n') {
            if (!line.empty() && line.back() != ' ') {
                line += ' ';
            }
            continue;
        }
        line += c;
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::atomic<bool> s_bStop{false};  // set only by StopSignal
int s_nStdoutError = 0;            // the first reason stdout could not be written

#ifdef _WIN32
constexpr const char* kStillStopping =
    "kv310ctl: still stopping: the radio is being taken out of programming mode (Ctrl+Break ends at once)\n";
#else
constexpr const char* kStillStopping =
    "kv310ctl: still stopping: the radio is being taken out of programming mode (Ctrl+\\ ends at once)\n";
#endif

// Only async-signal-safe calls here: the message goes out with write().
void SayFromSignal(const char* text) {
#ifdef _WIN32
    std::fputs(text, stderr);  // Windows runs the handler on a thread of its own
#else
    const ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    static_cast<void>(ignored);
#endif
}

// The first signal asks the transfer to stop; it takes the radio out of programming mode before the program
// ends. Further ones do not cut that short: the leave frame goes out first.
void StopSignal([[maybe_unused]] int signal) {
#ifdef _WIN32
    std::signal(signal, StopSignal);  // Windows resets the handler before calling it
#endif
    if (!s_bStop.exchange(true)) {
        SayFromSignal("kv310ctl: stopping: the radio is being taken out of programming mode\n");
    } else {
        SayFromSignal(kStillStopping);
    }
}

// A settings file on stdin ("-"), held to the format's size like any other.
bool LoadStdin(CDataRadioDoc& doc, int& status) {
    std::vector<uint8_t> bytes(kSettingsFileSize + 1);
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), stdin);
    bytes.resize(got);
    status = kExitFailed;
    if (got != kSettingsFileSize) {
        PrintError(WrongSizeText("the settings file on stdin", got));
        return false;
    }
    const int32_t model = static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                               static_cast<uint32_t>(bytes[3]) << 24);
    CDataRadioDoc loaded = FreshRecord(model, 0);
    if (!ApplySettingsFileBytes(loaded, bytes)) {
        PrintError(std::string("the settings file on stdin: ") + kMsgCorruptFile);
        return false;
    }
    doc = loaded;
    return true;
}

}  // namespace

void PutStdout(const std::string& text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() && s_nStdoutError == 0) {
        s_nStdoutError = errno != 0 ? errno : EIO;
    }
}

int FinishStdout(int status) {
    errno = 0;
    bool failed = std::fflush(stdout) != 0;
    int error = s_nStdoutError != 0 ? s_nStdoutError : errno;
    failed = failed || std::ferror(stdout) != 0;
    if (std::fclose(stdout) != 0 && !failed) {
        failed = true;
        error = errno;
    }
    if (!failed) {
        return status;
    }
    PrintError(std::string("cannot write the output: ") + std::strerror(error != 0 ? error : EIO));
    return status == kExitOk ? kExitFailed : status;
}

void CatchStopSignals() {
    std::signal(SIGINT, StopSignal);
    std::signal(SIGTERM, StopSignal);
#ifdef SIGHUP
    std::signal(SIGHUP, StopSignal);  // a closed terminal or a dropped ssh session
#endif
}

const std::atomic<bool>& StopRequested() {
    return s_bStop;
}

std::string CleanText(const std::string& text, size_t maxChars) {
    std::string clean;
    for (size_t i = 0; i < text.size(); ++i) {
        if (clean.size() >= maxChars) {
            return clean + "...";
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            clean += escaped;
        } else {
            clean += static_cast<char>(c);
        }
    }
    return clean;
}

void CStderrSink::ShowMessage(const std::string& text) {
    PrintError(OneLine(text));
}

void CStderrSink::ShowMessageAs(const std::string& text, EMessageKind kind) {
    const char* prefix = kind == EMessageKind::Stop      ? "error: "
                         : kind == EMessageKind::Warning ? "warning: "
                                                         : "";
    PrintError(prefix + OneLine(text));
}

bool CStderrSink::AskYesNo(const std::string& question) {
    PrintError(OneLine(question) + " (answered no)");
    return false;
}

void PrintError(const std::string& text) {
    // a value of the user's may hold escape sequences: never let them reach the terminal raw
    std::fprintf(stderr, "kv310ctl: %s\n", CleanText(text, std::string::npos).c_str());
}

bool ParseVerbArgs(CArgs& args, const std::vector<std::string>& words,
                   const std::vector<std::string>& valueOptions, const std::vector<std::string>& flagOptions,
                   const char* usage) {
    std::string error;
    if (!args.Parse(words, valueOptions, flagOptions, error)) {
        PrintError(error);
        std::fprintf(stderr, "%s", usage);
        return false;
    }
    return true;
}

bool ParseModel(const std::string& text, int& row) {
    static const char* const kNames[] = {"kv310-vhf", "kv310-uhf", "kv330-vhf", "kv330-uhf"};
    const std::string lower = Lower(text);
    for (int i = 0; i < 4; ++i) {
        if (lower == kNames[i]) {
            row = kFirstOfferedModel + i;
            return true;
        }
    }
    if (text.size() == 1 && text[0] >= '0' + kFirstOfferedModel && text[0] <= '0' + kLastOfferedModel) {
        row = text[0] - '0';
        return true;
    }
    return false;
}

bool RefuseUnreadableYaml([[maybe_unused]] const std::string& path) {
#ifdef KV310_NO_YAML
    const std::string lower = Lower(path);
    for (const char* extension : {".yaml", ".yml"}) {
        const std::string ending(extension);
        if (lower.size() >= ending.size() &&
            lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0) {
            PrintError(path +
                       ": YAML text forms are not read on Windows yet: import it with the Linux build, or "
                       "use a .dat settings file");
            return true;
        }
    }
#endif
    return false;
}

bool LoadRecord(CDataRadioDoc& doc, const std::string& path, int& status) {
    if (path == "-") {
        return LoadStdin(doc, status);
    }
    if (RefuseUnreadableYaml(path)) {
        status = kExitUsage;
        return false;
    }
    SConfig config;
    std::string error;
    bool unreadable = false;
    if (!LoadConfig(path, config, error, &unreadable)) {
        PrintError(error);
        status = unreadable ? kExitUsage : kExitFailed;
        return false;
    }
    doc = config.doc;
    return true;
}

bool SaveRecord(const CDataRadioDoc& doc, const std::string& path) {
    return SaveBytes(SettingsFileBytes(doc), path);
}

bool SaveBytes(const std::vector<uint8_t>& bytes, const std::string& path) {
    if (path == "-") {
        PutStdout(std::string(bytes.begin(), bytes.end()));  // checked as the program ends
        return true;
    }
    std::string error;
    if (!WriteFileAtomically(path, bytes, &error)) {
        PrintError(std::string(kMsgCannotSave) + " " + path + ": " + error);
        return false;
    }
    return true;
}

bool RequireOutput(const CArgs& args, std::string& path, const char* usage) {
    const auto output = args.Value("--output");
    if (!output || output->empty()) {
        PrintError("the output file is missing (-o FILE)");
        std::fprintf(stderr, "%s", usage);
        return false;
    }
    path = *output;
    return true;
}

bool NoPositional(const CArgs& args, const char* usage) {
    if (args.m_Positional.empty()) {
        return true;
    }
    PrintError("unexpected word '" + args.m_Positional[0] + "'");
    std::fprintf(stderr, "%s", usage);
    return false;
}

bool OnePositional(const CArgs& args, std::string& path, const char* what, const char* usage) {
    if (args.m_Positional.size() != 1) {
        PrintError(args.m_Positional.empty() ? std::string("the ") + what + " is missing"
                                             : std::string("expected one ") + what);
        std::fprintf(stderr, "%s", usage);
        return false;
    }
    path = args.m_Positional[0];
    return true;
}
