#pragma once
// The per-user port file: remembers the chosen serial port between runs.
//
//   <config folder>/KV310.ini   e.g. ~/.config/KV310.ini
//   offset 0, 4 bytes: the chosen port, its 1-based COM number, 32-bit signed little-endian
//
// Despite its extension the file is binary, without sections or keys. The config folder is $XDG_CONFIG_HOME
// when it is set to an absolute path, else $HOME/.config.

#include <cstdint>
#include <string>

constexpr size_t kPortFileSize = 4;
// The name of the port file and the adapter file without their extensions.
constexpr const char* kPortFileStem = "KV310";

// The folder that holds the per-user settings, without a trailing slash; empty when neither variable is set.
std::string UserConfigFolder();

// The full path of the port file.
std::string PortFilePath();

// Reads the stored COM number into comPort. A missing, unreadable or short file sets comPort to 0 (no port
// chosen) and returns false.
bool LoadPortSetting(int32_t& comPort, std::string* error = nullptr);

// Writes the 4 bytes of comPort, creating the config folder when it does not exist yet. The file is
// replaced whole or not at all.
bool SavePortSetting(int32_t comPort, std::string* error = nullptr);

// The programming cable beside the port file: when the chosen port is a USB adapter with a serial number,
// <config folder>/KV310.adapter holds that serial number as one line of text, so that the program
// finds the same cable again when the system gives it another device name. The port file stays 4 bytes.
std::string AdapterFilePath();
// The remembered serial number; empty when none is remembered.
std::string LoadAdapterSerial();
// Remembers serial; an empty one removes the file (the chosen port is no such adapter).
bool SaveAdapterSerial(const std::string& serial, std::string* error = nullptr);

// The 0-based port index the serial users open for a stored COM number; -1 when no port is chosen.
inline int32_t PortIndexOf(int32_t comPort) {
    return comPort > 0 ? comPort - 1 : -1;
}
