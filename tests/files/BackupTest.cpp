// Backups of read images: where they go, how they are named, and that only the newest 50 stay.

#include "Backup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "FileIo.h"
#include "TempDir.h"

namespace {

// Points XDG_DATA_HOME at a folder of the test's own, and back when it ends.
class CDataHome {
public:
    explicit CDataHome(const std::string& path) : m_strOld(std::getenv("XDG_DATA_HOME")) {
        ::setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~CDataHome() { ::setenv("XDG_DATA_HOME", m_strOld.c_str(), 1); }
    std::string m_strOld;
};

}  // namespace

TEST(Backup, KeepsTheImageUnderTheDataFolderNamedByDateTimeAndPort) {
    CTempDir dir;
    CDataHome home(dir.m_Path);
    CImageBytes image{};
    image[191] = 0x03;
    std::string path;
    std::string error;
    std::tm when{};
    when.tm_year = 124, when.tm_mon = 4, when.tm_mday = 17, when.tm_hour = 14, when.tm_min = 3,
    when.tm_sec = 22;
    when.tm_isdst = -1;
    const std::time_t at = std::mktime(&when);
    ASSERT_TRUE(SaveBackup(image, "/dev/ttyUSB0", path, &error, at)) << error;
    EXPECT_EQ(path, dir.m_Path + "/KV310/backups/2024-05-17_14-03-22_ttyUSB0.bin");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes, 1000));
    EXPECT_EQ(bytes, std::vector<uint8_t>(image.begin(), image.end()));

    ASSERT_TRUE(SaveBackup(image, "COM17", path, &error, at));
    EXPECT_EQ(path, dir.m_Path + "/KV310/backups/2024-05-17_14-03-22_COM17.bin");
    ASSERT_TRUE(SaveBackup(image, "COM17", path, &error, at));
    EXPECT_EQ(path, dir.m_Path + "/KV310/backups/2024-05-17_14-03-22_COM17-2.bin");
    ASSERT_TRUE(SaveBackup(image, "\\\\.\\COM3", path, &error, at));  // a Windows device path
    EXPECT_EQ(path, dir.m_Path + "/KV310/backups/2024-05-17_14-03-22_COM3.bin");
}

TEST(Backup, FallsBackToTheHomeFolderAndKeepsOnlyTheNewestFifty) {
    CTempDir dir;
    CDataHome home("");  // unset in effect: not an absolute path
    const std::string oldHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    ::setenv("HOME", dir.m_Path.c_str(), 1);
    EXPECT_EQ(BackupFolder(), dir.m_Path + "/.local/share/KV310/backups");
    CImageBytes image{};
    std::string path;
    std::string first;
    for (int i = 0; i < kBackupsKept + 3; ++i) {
        image[0] = static_cast<uint8_t>(i);
        ASSERT_TRUE(SaveBackup(image, "COM1", path, nullptr, 1700000000 + 60 * i));
        first = first.empty() ? path : first;
    }
    ::setenv("HOME", oldHome.c_str(), 1);
    int count = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(dir.m_Path + "/.local/share/KV310/backups")) {
        count += entry.path().extension() == ".bin" ? 1 : 0;
    }
    EXPECT_EQ(count, kBackupsKept);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_TRUE(std::filesystem::exists(path));
}
