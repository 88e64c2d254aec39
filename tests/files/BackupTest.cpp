// Backups of read images: where they go, how they are named, and that only the newest 50 stay, by age.

#include "Backup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "FileIo.h"
#include "Retention.h"
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

TEST(Retention, NamePatternsTakeDigitsAndRuns) {
    struct {
        const char* name;
        const char* pattern;
        bool fits;
    } const cases[] = {
        {"2024-05-17_14-03-22_COM17.bin", kBackupNamePattern, true},
        {"2024-05-17_14-03-22_COM17-2.bin", kBackupNamePattern, true},
        {"0-golden.bin", kBackupNamePattern, false},
        {"2024-05-17_14-03-22_.bin.txt", kBackupNamePattern, false},
        {"2024-0a-17_14-03-22_COM1.bin", kBackupNamePattern, false},
        {"trace-ttyUSB0-1.txt", "trace-*-*.txt", true},
        {"trace-.txt", "trace-*-*.txt", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameFitsPattern(c.name, c.pattern), c.fits) << c.name << " / " << c.pattern;
    }
}

// Backups made while the clock was wrong sort after today's by name; the newest by time must still stay,
// and a file the user put in the folder is never counted or removed.
TEST(Retention, PrunesByModificationTimeAndKeepsTheUsersFilesAndTheNewBackup) {
    CTempDir dir;
    CDataHome home(dir.m_Path);
    const std::filesystem::path folder = BackupFolder();
    std::filesystem::create_directories(folder);
    const auto now = std::filesystem::file_time_type::clock::now();
    const std::vector<uint8_t> bytes(416, 0);
    for (int i = 0; i < kBackupsKept; ++i) {
        const std::string name = "2099-01-01_00-00-" + std::to_string(10 + i) + "_COM1.bin";
        ASSERT_TRUE(WriteFileAtomically((folder / name).string(), bytes, nullptr));
        std::filesystem::last_write_time(folder / name, now - std::chrono::hours(100 - i));
    }
    ASSERT_TRUE(WriteFileAtomically((folder / "0-golden.bin").string(), bytes, nullptr));
    std::filesystem::last_write_time(folder / "0-golden.bin", now - std::chrono::hours(1000));
    std::string path;
    std::string error;
    ASSERT_TRUE(SaveBackup(CImageBytes{}, "COM1", path, &error, 1700000000)) << error;
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::exists(folder / "0-golden.bin"));
    EXPECT_FALSE(std::filesystem::exists(folder / "2099-01-01_00-00-10_COM1.bin"));  // the oldest by time
    EXPECT_TRUE(std::filesystem::exists(folder / "2099-01-01_00-00-11_COM1.bin"));
    // the new file counts even when its clock time is older than every other file's
    std::filesystem::last_write_time(path, now - std::chrono::hours(5000));
    ASSERT_TRUE(WriteFileAtomically((folder / "2099-12-31_00-00-00_COM1.bin").string(), bytes, nullptr));
    EXPECT_EQ(PruneToNewest(folder.string(), kBackupNamePattern, kBackupsKept, path), 1);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(std::filesystem::exists(folder / "2099-01-01_00-00-11_COM1.bin"));
}
