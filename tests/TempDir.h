#pragma once
// A private folder for one test, removed with everything in it when the test ends.

#include <filesystem>
#include <string>

#include <stdlib.h>

class CTempDir {
public:
    CTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv310-test-XXXXXX").string();
        m_Path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~CTempDir() {
        std::error_code ignored;
        std::filesystem::permissions(m_Path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_Path, ignored);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    std::string File(const std::string& name) const { return m_Path + "/" + name; }

    std::string m_Path;
};
