#pragma once
// File names are UTF-8 strings everywhere in the program. A std::filesystem::path made of one must read it
// as UTF-8: on Windows the library turns a plain narrow string into a path through the C library's "C"
// locale, byte by byte, so "Zürich" would become "ZÃ¼rich", a folder that does not exist (its string()
// gives UTF-8 back, which is why only the way in needs this).

#include <filesystem>
#include <string>

inline std::filesystem::path Utf8Path(const std::string& name) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
#else
    return std::filesystem::path(name);
#endif
}
