#pragma once
// The per-user port file: remembers the chosen serial port between runs.
//
//   <config folder>/<m_strModelName>.ini   e.g. ~/.config/KV310.ini
//   offset 0, 4 bytes: m_nComPort, the 1-based COM number, 32-bit signed little-endian
//
// Despite its extension the file is binary, without sections or keys. The config folder is $XDG_CONFIG_HOME
// when it is set to an absolute path, else $HOME/.config.

#include <cstdint>
#include <string>

#include "DataRadioDoc.h"

constexpr size_t kPortFileSize = 4;

// The folder that holds the per-user settings, without a trailing slash; empty when neither variable is set.
std::string UserConfigFolder();

// The full path of the port file for this record's model name.
std::string PortFilePath(const CDataRadioDoc& doc);

// Reads the stored COM number into m_nComPort. A missing, unreadable or short file sets m_nComPort to 0 (no
// port chosen) and returns false.
bool LoadPortSetting(CDataRadioDoc& doc, std::string* error = nullptr);

// Writes the 4 bytes of m_nComPort, creating the config folder when it does not exist yet. The file is
// replaced whole or not at all.
bool SavePortSetting(const CDataRadioDoc& doc, std::string* error = nullptr);

// The programming cable beside the port file: when the chosen port is a USB adapter with a serial number,
// <config folder>/<m_strModelName>.adapter holds that serial number as one line of text, so that the program
// finds the same cable again when the system gives it another device name. The port file stays 4 bytes.
std::string AdapterFilePath(const CDataRadioDoc& doc);
// The remembered serial number; empty when none is remembered.
std::string LoadAdapterSerial(const CDataRadioDoc& doc);
// Remembers serial; an empty one removes the file (the chosen port is no such adapter).
bool SaveAdapterSerial(const CDataRadioDoc& doc, const std::string& serial, std::string* error = nullptr);

// The 0-based port index the serial users open for a stored COM number; -1 when no port is chosen.
inline int32_t PortIndexOf(int32_t comPort) {
    return comPort > 0 ? comPort - 1 : -1;
}
