#pragma once
// Files the tool names by when it made them: the backups of radios, the traces of failed transfers, and the
// time column of the transfer log. One stamp, one way to make a name unique and one message for a missing
// folder serve them all:
//
//   backups/2024-05-17_14-03-22_COM17.bin     traces/2026-12-07_15-40-02_COM17.txt
//   backups/2024-05-17_14-03-22_COM17-2.bin   (a second file in the same second)
//
// Which of them stay is Retention.h's rule (the newest N by modification time); backups all stay (Backup.h).

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// A kind of dated file: its folder below the data folder, its extension and how many stay.
struct SDatedKind {
    const char* m_pszWhat;       // "backups": what the folder holds, for messages
    const char* m_pszSubfolder;  // "KV310/backups", below the data folder
    const char* m_pszExtension;  // ".bin"
    int m_nKept;                 // the newest this many stay; 0: every one
};

// The local time of when as format gives it (strftime).
std::string LocalTimeText(std::time_t when, const char* format);

// "2024-05-17_14-03-22": the stamp that starts a dated file's name.
std::string FileNameStamp(std::time_t when);

// "2026-12-07 15:40:02": the transfer log's time column (a date compares as text).
std::string LogTimeStamp(std::time_t when);

// stem + extension, or stem + "-2" + extension, "-3" ... : the first that does not exist yet.
std::string UniquePath(const std::string& stem, const std::string& extension);

// The wildcard pattern of the names SaveDatedFile makes for extension: "####-##-##_##-##-##_*.bin".
std::string DatedNamePattern(const std::string& extension);

// "no folder for backups: set HOME, or XDG_DATA_HOME to an absolute path": what to say when the environment
// names no folder for what (xdgVariable is the variable that would name one).
std::string MissingFolderText(const std::string& what, const char* xdgVariable);

// The folder of kind; empty when the environment names no data folder.
std::string DatedFolder(const SDatedKind& kind);

// Saves bytes as a new file of kind named by when and the port (creating the folder), then removes the
// oldest of its kind beyond kind.m_nKept, never the new one. True with the new file's path.
bool SaveDatedFile(const SDatedKind& kind, const std::vector<uint8_t>& bytes, const std::string& portName,
                   std::string& path, std::string* error, std::time_t when);

// The part of a file name that names a port: "COM17", "/dev/ttyUSB0" gives "ttyUSB0", "/dev/pts/3" "pts-3".
std::string PortFileNamePart(const std::string& portName);

// The files of kind, newest first (the user's own files in the folder are not listed).
std::vector<std::string> DatedFiles(const SDatedKind& kind);
