#pragma once
// Where the program keeps the user's files: $XDG_CONFIG_HOME or ~/.config for the port file, $XDG_DATA_HOME
// or ~/.local/share for the radio backups. On Windows, when no XDG folder is set, %APPDATA%\KV310 and
// %LOCALAPPDATA% take their place.

#include <string>

// The folder for settings; empty when the environment names none.
std::string UserConfigFolder();
// The folder for data (the backups live below it in KV310/backups); empty when the environment names none.
std::string UserDataFolder();
