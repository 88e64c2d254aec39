#pragma once
// Backups of what radios held: every successful read keeps its 416-byte image in the per-user data folder,
// $XDG_DATA_HOME/KV310/backups (else ~/.local/share/KV310/backups), named by date, time and port:
//
//   2024-05-17_14-03-22_COM17.bin      (a second backup in the same second gets "-2", "-3" ...)
//
// A radio has no serial number and one cable programs many radios, so no count of files can tell which one
// is some radio's last backup: every distinct image stays. An image read again that a backup already holds
// byte for byte shares that file, whose modification time becomes the time of its last read (the transfer
// log names the file for every read). Backups go only when the user asks, by age (PruneBackupsOlderThan),
// and the callers keep none of the simulated radio (COM49). Files of other names in the folder are the user's and are
// never removed. A backup is a plain EEPROM image: `kv310ctl decode` turns it back into a settings file.

#include <ctime>
#include <string>
#include <vector>

#include "DatedFiles.h"
#include "EepromImage.h"

// The names SaveBackup makes (see Retention.h for the pattern's wildcards).
constexpr const char* kBackupNamePattern = "####-##-##_##-##-##_*.bin";

// The folder backups go to; empty when neither XDG_DATA_HOME nor HOME is set.
std::string BackupFolder();

// Saves the image (creating the folder), or, when a backup already holds exactly these bytes, marks that one
// read at when. portName is what the user chose ("COM17", "/dev/ttyUSB0" gives "ttyUSB0", "/dev/pts/3"
// "pts-3"). True with the backup's path in path; false with the reason in error. Nothing is ever removed.
bool SaveBackup(const CImageBytes& image, const std::string& portName, std::string& path, std::string* error,
                std::time_t when = std::time(nullptr));

// Marks a backup as just used (a restore reads it): its age starts again, so that a prune by age running
// beside the restore leaves it. Files outside the backups' folder are left as they are.
void MarkBackupUsed(const std::string& path, std::time_t when = std::time(nullptr));

// The backups newest first (by the time of their last read).
std::vector<std::string> BackupsNewestFirst();

// Removes the backups whose last read is more than days days before now, never one of inUse. The paths
// removed, oldest first; the ones that could not be removed are in failed.
std::vector<std::string> PruneBackupsOlderThan(int days, const std::vector<std::string>& inUse,
                                               std::vector<std::string>* failed = nullptr,
                                               std::time_t now = std::time(nullptr));

// What keeps image from being restored as a configuration, said as a whole sentence: its model byte names no
// model this tool programs ("byte 0x0BF holds 9C, which names no model"), or it does not decode as a
// configuration of its model (the first byte that decodes into other values). Empty for a configuration and
// for a blank image (a radio never programmed).
std::string BackupImageProblem(const CImageBytes& image);
