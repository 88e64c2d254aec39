#pragma once
// What every verb of kv310ctl shares: exit codes, the stderr message sink, model names, record files.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "Args.h"
#include "DataRadioDoc.h"
#include "MessageSink.h"

// The --port line of the verbs' usage texts, and what the backups folder is called, as this platform has them
// (macros, so that they join the usage texts' literals).
#ifdef _WIN32
#define KV310_PORT_OPTION_HELP "  --port PORT     COMn or n (1-255), or a device path such as \\\\.\\COM3\n"
#define KV310_BACKUP_FOLDER_HELP "%XDG_DATA_HOME%\\KV310\\backups (else %LOCALAPPDATA%\\KV310\\backups)"
#else
#define KV310_PORT_OPTION_HELP \
    "  --port PORT     COMn, n, or a device path (COM49: the built-in simulated radio)\n"
#define KV310_BACKUP_FOLDER_HELP "$XDG_DATA_HOME/KV310/backups (else ~/.local/share/KV310/backups)"
#endif

// Until the Windows build reads YAML text forms (it writes them), its help says so and every verb refuses a
// .yaml with kExitUsage, like any kind of file it cannot read. Goes when KV310_NO_YAML goes.
#ifdef KV310_NO_YAML
#define KV310_YAML_IMPORT_HELP "  .yaml, .yml     not read on Windows yet: import it with the Linux build\n"
#define KV310_IMPORT_SUMMARY \
    "turn a channel .csv or a KV110 file into a settings file (.yaml: not on Windows)"
#define KV310_YAML_NOT_READ_NOTE "A .yaml file is not read on Windows yet: use a .dat settings file.\n"
#else
#define KV310_YAML_NOT_READ_NOTE ""
#define KV310_YAML_IMPORT_HELP                                                                            \
    "  .yaml, .yml     a configuration's text form (see 'kv310ctl export'); a fault names its line and\n" \
    "                  field, and nothing is written\n"
#define KV310_IMPORT_SUMMARY "turn a .yaml, a channel .csv or a KV110 file into a settings file"
#endif

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Messages go to stderr, one line each ("\r\n" of the radio texts becomes a blank). Questions cannot be
// answered in a script: they are printed and answered no.
class CStderrSink : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override;
    // "error: " before a refusal, "warning: " before a warning.
    void ShowMessageAs(const std::string& text, EMessageKind kind) override;
    bool AskYesNo(const std::string& question) override;
};

// From here on SIGINT (Ctrl+C), SIGTERM and SIGHUP (a closed terminal) only set StopRequested: a transfer
// stops between blocks, takes the radio out of programming mode and says what it holds. The first signal says
// so on stderr; further ones do not cut it short (SIGQUIT, Ctrl+\, still ends the program at once).
void CatchStopSignals();
const std::atomic<bool>& StopRequested();

// A value of the user's made fit for a message: control characters escaped (\x1b), cut after maxChars.
std::string CleanText(const std::string& text, size_t maxChars = 120);

// Puts text on stdout, keeping the reason when it cannot be written (stdio forgets it once the buffer is
// dropped); FinishStdout says it at the end.
void PutStdout(const std::string& text);

// Flushes and closes stdout: output that could not be written (a full disk, a closed pipe) is a failure,
// never a success. Returns status, or kExitFailed after "cannot write the output: No space left on device".
int FinishStdout(int status);

// Prints "kv310ctl: text" to stderr.
void PrintError(const std::string& text);

// Parses one verb's words; on a usage error prints it with the verb's usage and returns false.
bool ParseVerbArgs(CArgs& args, const std::vector<std::string>& words,
                   const std::vector<std::string>& valueOptions, const std::vector<std::string>& flagOptions,
                   const char* usage);

// MODEL: a catalogue row 2-5 or kv310-vhf, kv310-uhf, kv330-vhf, kv330-uhf (any case).
bool ParseModel(const std::string& text, int& row);

// True (after saying so) when path is a YAML text form and this build cannot read one; the verb then returns
// kExitUsage. Always false where YAML is read.
bool RefuseUnreadableYaml(const std::string& path);

// Loads a configuration told by its extension (.dat, .yaml/.yml, a 416-byte .bin image), as diff and export
// do. False with the reason on stderr and the verb's exit status in status: kExitUsage when the file cannot
// be read at all (missing, no access, a kind no verb reads), kExitFailed when it holds no whole configuration
// (a settings file of another size than the format's, a corrupted model row, a YAML fault).
bool LoadRecord(CDataRadioDoc& doc, const std::string& path, int& status);

// Saves doc; false with the reason on stderr.
bool SaveRecord(const CDataRadioDoc& doc, const std::string& path);

// Writes raw bytes crash-safely; false with the reason on stderr.
bool SaveBytes(const std::vector<uint8_t>& bytes, const std::string& path);

// The value of --output, or a usage error.
bool RequireOutput(const CArgs& args, std::string& path, const char* usage);

// A verb that takes no positional word: any is a usage error ("unexpected word 'foo'").
bool NoPositional(const CArgs& args, const char* usage);

// The one positional word a verb takes (what names it in the message), or a usage error.
bool OnePositional(const CArgs& args, std::string& path, const char* what, const char* usage);
