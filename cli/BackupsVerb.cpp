// backups: lists the backups of radios newest first, with what the transfer log says of each, and removes
// those last read before a number of days ago when asked.

#include <cstdio>
#include <filesystem>
#include <map>

#include "Backup.h"
#include "CliSupport.h"
#include "FileIo.h"
#include "Format.h"
#include "TransferLog.h"
#include "TransferRecord.h"
#include "Utf8Path.h"
#include "Verbs.h"

namespace {

const char kBackupsUsage[] =
    "Usage: kv310ctl backups [--prune-older-than DAYS]\n"
    "Lists the backups of radios in " KV310_BACKUP_FOLDER_HELP
    ",\n"
    "newest first (tab-separated, header first): when the image was last read, port, adapter serial, model,\n"
    "firmware, the plan of the log's line and the file. Every distinct image read stays: an image read "
    "again\n"
    "shares the file that holds it, and nothing is removed unless asked. The simulated radio (COM49) keeps\n"
    "none.\n"
    "  --prune-older-than DAYS  remove the backups last read more than DAYS days ago (1-36500), never one a\n"
    "                  restore is using; each removal is said and logged\n";

constexpr int kMaxDays = 36500;

// What the newest log line naming a backup says of it: port, adapter serial, firmware, plan.
std::map<std::string, std::vector<std::string>> LogByBackup() {
    std::map<std::string, std::vector<std::string>> byBackup;
    std::vector<std::string> lines;
    ReadTransferLog(lines);                  // a log that cannot be read leaves the columns empty
    for (const std::string& line : lines) {  // oldest first: the newest line wins
        const std::vector<std::string> fields = SplitTransferLogLine(line);
        if (fields.size() >= 12 && !fields[11].empty()) {
            byBackup[fields[11]] = fields;
        }
    }
    return byBackup;
}

std::string ModelOf(const std::string& path) {
    std::vector<uint8_t> bytes;
    CImageBytes image{};
    if (!ReadFileBytes(path, bytes, kImageSize + 1) || bytes.size() != image.size()) {
        return "(no image)";
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    CTransferRecord record("", "", "");
    record.SetModelOf(image);
    return record.m_Entry.m_strModel.empty() ? "(blank)" : record.m_Entry.m_strModel;
}

int ListBackups() {
    const std::map<std::string, std::vector<std::string>> byBackup = LogByBackup();
    std::printf("last_read\tport\tadapter_serial\tmodel\tfirmware\tplan\tbackup\n");
    for (const std::string& path : BackupsNewestFirst()) {
        std::error_code ec;
        const auto written = std::filesystem::last_write_time(Utf8Path(path), ec);
        const auto sys = std::chrono::system_clock::now() +
                         std::chrono::duration_cast<std::chrono::system_clock::duration>(
                             written - std::filesystem::file_time_type::clock::now());
        const auto found = byBackup.find(path);
        const auto field = [&found, &byBackup](size_t i) {
            return found == byBackup.end() ? std::string() : found->second[i];
        };
        std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\n",
                    LogTimeStamp(std::chrono::system_clock::to_time_t(sys)).c_str(), field(3).c_str(),
                    field(4).c_str(), ModelOf(path).c_str(), field(5).c_str(), field(7).c_str(),
                    path.c_str());
    }
    return kExitOk;
}

int Prune(const std::string& text) {
    const bool number =
        !text.empty() && text.size() <= 5 && text.find_first_not_of("0123456789") == std::string::npos;
    const int days = number ? std::stoi(text) : 0;
    if (days < 1 || days > kMaxDays) {
        PrintError("'" + CleanText(text) + "' is no number of days: give 1-36500");
        return kExitUsage;
    }
    std::vector<std::string> failed;
    const std::vector<std::string> removed = PruneBackupsOlderThan(days, {}, &failed);
    for (const std::string& path : removed) {
        std::fprintf(stderr, "Removed %s (last read more than %d days ago)\n", path.c_str(), days);
        std::string error;
        if (!LogBackupRemoved("kv310ctl", path, days, &error)) {
            PrintError("warning: the transfer log could not be written: " + error);
        }
    }
    for (const std::string& path : failed) {
        PrintError("cannot remove " + path);
    }
    std::fprintf(stderr, "%zu backup%s removed, %zu kept.\n", removed.size(), removed.size() == 1 ? "" : "s",
                 BackupsNewestFirst().size());
    return failed.empty() ? kExitOk : kExitFailed;
}

int RunBackups(const std::vector<std::string>& words) {
    CArgs args;
    if (!ParseVerbArgs(args, words, {"--prune-older-than"}, {}, kBackupsUsage) ||
        !NoPositional(args, kBackupsUsage)) {
        return kExitUsage;
    }
    if (BackupFolder().empty()) {
        PrintError(MissingFolderText("backups", "XDG_DATA_HOME"));
        return kExitFailed;
    }
    if (const auto days = args.Value("--prune-older-than")) {
        return Prune(*days);
    }
    return ListBackups();
}

}  // namespace

const SVerb& BackupsVerb() {
    static const SVerb verb = {"backups", "list the backups of radios, or remove old ones", kBackupsUsage,
                               RunBackups};
    return verb;
}
