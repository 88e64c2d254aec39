#pragma once
// The files one run of a verb reads and writes, checked before a radio is touched: a run that would fail to
// save its trace, or save it over its own settings file, must say so before it programs anything, so that
// its words and its exit status always agree.

#include <string>
#include <vector>

struct SRunFile {
    std::string m_strPath;
    std::string m_strWhat;  // what it is to the user: "the settings file", "--trace", "COM17's image"
    bool m_bOutput = true;
};

// False (with the reason on stderr) when two of the files are one file (by device and inode where both
// exist, else by their absolute paths), or an output cannot be written: its folder is missing or not
// writable, it is a folder, a pipe or a socket (a pipe with no reader would block the run for ever).
// Devices such as a terminal are written in place; "-" is stdout and is never compared.
bool CheckRunFiles(const std::vector<SRunFile>& files);
