#pragma once
// Where the program keeps the user's files: $XDG_CONFIG_HOME or ~/.config for the port file, $XDG_DATA_HOME
// or ~/.local/share for the radio backups, $XDG_STATE_HOME or ~/.local/state for the transfer log. On
// Windows, when no XDG folder is set, %APPDATA%\KV310 and %LOCALAPPDATA% take their place.

#include <string>

// The folder for settings; empty when the environment names none.
std::string UserConfigFolder();
// The folder for data (the backups live below it in KV310/backups); empty when the environment names none.
std::string UserDataFolder();
// The folder for state that is neither setting nor data ($XDG_STATE_HOME, else ~/.local/state; on Windows
// %LOCALAPPDATA%): the transfer log lives below it in KV310.
std::string UserStateFolder();
