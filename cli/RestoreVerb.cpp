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
#include "TransferLog.h"
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
    "  --force         restore even a backup of another model or sub-band without asking\n"
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
        PrintError(path + StrPrintf(" holds %zu bytes; a backup holds the radio's %d: nothing was sent",
                                    bytes.size(), kImageSize));
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
    CDataRadioDoc backupDoc;
    image.DecodeImage(backupDoc);

    SCliWrite write;
    write.m_pszVerb = "restore";
    write.m_pszUsage = kRestoreUsage;
    write.m_strPlanName = std::filesystem::path(in).filename().string();
    const bool blankBackup = IsBlankImage(image.m_Work);
    if (!blankBackup) {
        write.m_strModel = ModelLogName(backupDoc);
    }
    write.m_Job.m_Plan = image.m_Work;
    write.m_Job.m_bRestore = true;
    const bool force = args.Has("--force");
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
