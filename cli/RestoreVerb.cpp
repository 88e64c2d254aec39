// restore: puts a backup's 416 bytes back on a radio as they stand, then reads the radio back and compares.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "CliSupport.h"
#include "ConfigCheck.h"
#include "FileIo.h"
#include "Format.h"
#include "ImageMerge.h"
#include "RunFiles.h"
#include "Backup.h"
#include "TransferRecord.h"
#include "Utf8Path.h"
#include "Verbs.h"
#include "WriteVerbs.h"

namespace {

const char kRestoreUsage[] =
    "Usage: kv310ctl restore --port PORT BACKUP.bin [--force] [--trace FILE]\n"
    "Puts a backup back on the radio: reads the radio (and keeps what it held with the backups), sends the\n"
    "backup's 416 bytes as they stand, then reads the radio back and compares it with the backup. Only byte\n"
    "16, which every write sets from the radio's firmware version, may differ; the output says so.\n"
    "A backup of another model or sub-band than the radio is asked about first (refused when no one can\n"
    "answer). Backups are kept in " KV310_BACKUP_FOLDER_HELP
    "; 'kv310ctl log' names the one of each transfer.\n"
    "  --port PORT     COMn, n, or a device path (COM49: the built-in simulated radio)\n"
    "A file whose model byte names no model, or that does not decode as a configuration of its model, is\n"
    "refused. A backup being restored is never removed by 'kv310ctl backups --prune-older-than'.\n"
    "  --force         restore even a backup of another model or sub-band without asking, or a file that\n"
    "                  is no configuration (said before it is sent)\n"
    "  --trace FILE    save every byte sent and received (ms since the port opened, > sent, < received)\n";

// Asks on the terminal whether to go on; no terminal is a no.
bool AskToGoOn(const std::string& question) {
    if (::isatty(STDIN_FILENO) != 1) {
        return false;
    }
    std::fprintf(stderr, "%s [y/N] ", question.c_str());
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        return false;
    }
    return answer == "y" || answer == "Y" || answer == "yes";
}

// The backup's 416 bytes; false (said, with the exit status) when it cannot be read or is no image.
bool LoadBackupImage(const std::string& path, CImageBytes& image, int& status) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kImageSize + 1)) {
        PrintError("cannot read " + path);
        status = kExitUsage;
        return false;
    }
    if (bytes.size() != static_cast<size_t>(kImageSize)) {
        // only kImageSize + 1 bytes were read: the file's own size says what it holds
        std::error_code ec;
        const uintmax_t size = std::filesystem::file_size(Utf8Path(path), ec);
        const std::string held =
            ec ? "more bytes" : StrPrintf("%llu bytes", static_cast<unsigned long long>(size));
        PrintError(path + " holds " + held +
                   StrPrintf("; a backup holds the radio's %d: nothing was sent", kImageSize));
        status = kExitFailed;
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

int RunRestore(const std::vector<std::string>& words) {
    CArgs args;
    if (!ParseVerbArgs(args, words, {"--port", "--trace"}, {"--force"}, kRestoreUsage)) {
        return kExitUsage;
    }
    std::string in;
    if (!OnePositional(args, in, "backup", kRestoreUsage) ||
        !CheckRunFiles({{in, "the backup", false}, {args.Value("--trace").value_or("-"), "--trace"}})) {
        return kExitUsage;
    }
    CEepromImage image;
    int status = kExitOk;
    if (!LoadBackupImage(in, image.m_Work, status)) {
        return status;
    }
    const std::string problem = BackupImageProblem(image.m_Work);
    const bool force = args.Has("--force");
    if (!problem.empty() && !force) {
        PrintError(in + " is no configuration to restore: " + problem +
                   ". Nothing was sent; give --force to send its bytes as they stand.");
        CTransferRecord record("kv310ctl", "restore", args.Value("--port").value_or(""));
        record.SetPlan(in);
        record.Finish(-1, false, "refused: " + problem);
        std::string error;
        if (!record.Log(&error)) {
            PrintError("warning: the transfer log could not be written: " + error);
        }
        return kExitFailed;
    }
    if (!problem.empty()) {
        PrintError("warning: sending " + in + " as it stands although " + problem + " (--force)");
    }
    MarkBackupUsed(in);  // a prune by age leaves a backup being restored
    CDataRadioDoc backupDoc;
    image.DecodeImage(backupDoc);

    SCliWrite write;
    write.m_pszVerb = "restore";
    write.m_pszUsage = kRestoreUsage;
    write.m_strPlanPath = in;
    const bool blankBackup = IsBlankImage(image.m_Work);
    if (!blankBackup) {
        write.m_strModel = ModelLogName(backupDoc);
    }
    write.m_Job.m_Plan = image.m_Work;
    write.m_Job.m_bRestore = true;
    write.m_CheckRadio = [&](const CDataRadioDoc& radio, std::string& error) {
        if (blankBackup || force) {
            return true;
        }
        const std::string said =
            BackupModelMismatch(radio, backupDoc);  // "the radio is a KV310 VHF, the ..."
        if (said.empty()) {
            return true;
        }
        if (AskToGoOn(said + ". Restore it anyway?")) {
            return true;
        }
        error = said + ": nothing was written. Give --force to restore it anyway.";
        return false;
    };
    return RunCliWrite(args, write);
}

}  // namespace

const SVerb& RestoreVerb() {
    static const SVerb verb = {"restore", "put a backup back on the radio as it stands", kRestoreUsage,
                               RunRestore};
    return verb;
}
