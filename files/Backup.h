#pragma once
// Backups of what radios held: every successful read keeps its 416-byte image in the per-user data folder,
// $XDG_DATA_HOME/KV310/backups (else ~/.local/share/KV310/backups), named by date, time and port:
//
//   2024-05-17_14-03-22_COM17.bin      (a second backup in the same second gets "-2", "-3" ...)
//
// Only the newest kBackupsKept stay, by modification time; files of other names in the folder are the user's
// and are never removed. A backup is a plain EEPROM image: `kv310ctl decode` turns it back into
// a settings file. The desktop program calls SaveBackup after each successful read and shows the path.

#include <ctime>
#include <string>

#include "DatedFiles.h"
#include "EepromImage.h"

constexpr int kBackupsKept = 50;
// The names SaveBackup makes (see Retention.h for the pattern's wildcards).
constexpr const char* kBackupNamePattern = "####-##-##_##-##-##_*.bin";

// The folder backups go to; empty when neither XDG_DATA_HOME nor HOME is set.
std::string BackupFolder();

// Saves the image (creating the folder), then removes the oldest backups beyond kBackupsKept. portName is
// what the user chose ("COM17", "/dev/ttyUSB0" gives "ttyUSB0", "/dev/pts/3" "pts-3"). True with
// the new file's path in path; false with the reason in error.
bool SaveBackup(const CImageBytes& image, const std::string& portName, std::string& path, std::string* error,
                std::time_t when = std::time(nullptr));
