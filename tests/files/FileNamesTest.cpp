// Plans and folders named beyond the ANSI code page of a Windows machine ("Straße-東京.dat"): written,
// read and appended to under their own names (on Windows through the program's UTF-8 code page, and
// paths made with Utf8Path).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "FileIo.h"
#include "TempDir.h"
#include "Utf8Path.h"

namespace {

namespace fs = std::filesystem;

TEST(FileNames, BeyondTheAnsiCodePageKeepTheirNames) {
    CTempDir dir;
    const struct {
        const char* m_pszFolder;
        const char* m_pszName;
    } cases[] = {
        {"", "Straße-東京.dat"},
        {"Zürich-東京", "plan.dat"},
        {"Ωmega", "Kanał 5.yaml"},
    };
    for (const auto& test : cases) {
        const std::string folder =
            dir.m_Path + (test.m_pszFolder[0] != '\0' ? "/" + std::string(test.m_pszFolder) : "");
        fs::create_directories(Utf8Path(folder));
        const std::string path = folder + "/" + test.m_pszName;
        const std::vector<uint8_t> bytes = {0x4B, 0x56, 0x00, 0xFF};
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path, bytes, &error)) << test.m_pszName << ": " << error;
        std::vector<uint8_t> back;
        ASSERT_TRUE(ReadFileBytes(path, back, 1024, &error)) << test.m_pszName << ": " << error;
        EXPECT_EQ(back, bytes);
        ASSERT_TRUE(AppendLineAtomically(path + ".log", "head", "line", &error)) << error;

        // the system knows the files by these names, not by a garbled spelling of them
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(Utf8Path(folder))) {
            const auto name = entry.path().filename().u8string();
            names.emplace_back(name.begin(), name.end());
        }
        EXPECT_NE(std::find(names.begin(), names.end(), test.m_pszName), names.end()) << test.m_pszName;
        EXPECT_NE(std::find(names.begin(), names.end(), std::string(test.m_pszName) + ".log"), names.end());
    }
}

}  // namespace
