#pragma once
// A private folder for one test, removed with everything in it when the test ends.

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include <stdlib.h>

#ifdef _WIN32
// MinGW has neither setenv nor unsetenv; the tests point the program at their own folders with them.
inline int setenv(const char* name, const char* value, int overwrite) {
    return overwrite != 0 || std::getenv(name) == nullptr ? ::_putenv_s(name, value) : 0;
}
inline int unsetenv(const char* name) {
    return ::_putenv_s(name, "");
}
#endif

class CTempDir {
public:
    CTempDir() {
#ifdef _WIN32
        // no mkdtemp: a random name that create_directory finds free
        std::random_device seed;
        for (int attempt = 0; attempt < 100 && m_Path.empty(); ++attempt) {
            const std::filesystem::path path =
                std::filesystem::temp_directory_path() / ("kv310-test-" + std::to_string(seed()));
            std::error_code error;
            if (std::filesystem::create_directory(path, error)) {
                m_Path = path.generic_string();
            }
        }
#else
        std::string pattern = (std::filesystem::temp_directory_path() / "kv310-test-XXXXXX").string();
        m_Path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
#endif
    }
    ~CTempDir() {
        std::error_code ignored;
        std::filesystem::permissions(m_Path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_Path, ignored);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    std::string File(const std::string& name) const {
        return m_Path + "/" + name;
    }

    std::string m_Path;
};
