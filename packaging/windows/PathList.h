#pragma once
// Adding a folder to a PATH value and taking it out again, leaving every other entry as it was. The
// installer's helper (kv310-path.exe) reads and writes the registry's value whole, however long it is;
// these are its string operations, kept apart so that they are tested on every system.

#include <string>

// The longest value Windows lets an environment variable have (in UTF-16 units); a longer PATH is refused.
constexpr size_t kMaxPathValue = 32767;

// path with folder at its end, unless an entry already names folder (letter case and a trailing backslash
// aside): then path as it was. Empty entries in path stay as they are.
std::wstring PathWithFolder(const std::wstring& path, const std::wstring& folder);

// path without the entries that name folder; the others, empty ones included, in their order.
std::wstring PathWithoutFolder(const std::wstring& path, const std::wstring& folder);
