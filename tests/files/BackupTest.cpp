// Backups of read images: where they go, how they are named, that every distinct image stays, and that only
// the user's prune by age removes any.

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

    image[0] = 1;
    ASSERT_TRUE(SaveBackup(image, "COM17", path, &error, at));
    EXPECT_EQ(path, dir.m_Path + "/KV310/backups/2024-05-17_14-03-22_COM17.bin");
    image[0] = 2;
    ASSERT_TRUE(SaveBackup(image, "COM17", path, &error, at));
    EXPECT_EQ(path, dir.m_Path + "/KV310/backups/2024-05-17_14-03-22_COM17-2.bin");
    image[0] = 3;
    ASSERT_TRUE(SaveBackup(image, "\\\\.\\COM3", path, &error, at));  // a Windows device path
    EXPECT_EQ(path, dir.m_Path + "/KV310/backups/2024-05-17_14-03-22_COM3.bin");
    // the same bytes read again share the file that holds them
    image[0] = 1;
    ASSERT_TRUE(SaveBackup(image, "COM4", path, &error, at + 60));
    EXPECT_EQ(path, dir.m_Path + "/KV310/backups/2024-05-17_14-03-22_COM17.bin");
    EXPECT_EQ(BackupsNewestFirst().front(), path);
}

// One radio read once, then a simulated radio read 200 times with changing images, and three more radios:
// every radio's image is still among the backups; only a prune by age removes any, and never one in use.
TEST(Backup, KeepsEveryDistinctImageUntilAPruneByAgeThatSparesOnesInUse) {
    CTempDir dir;
    CDataHome home("");  // unset in effect: not an absolute path
    const std::string oldHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    ::setenv("HOME", dir.m_Path.c_str(), 1);
    EXPECT_EQ(BackupFolder(), dir.m_Path + "/.local/share/KV310/backups");
    const std::time_t now = 1700000000;
    const auto radio = [](int n) {
        CImageBytes image{};
        image[0] = static_cast<uint8_t>(n);
        image[1] = static_cast<uint8_t>(n >> 8);
        return image;
    };
    std::vector<std::string> radios(4);
    ASSERT_TRUE(SaveBackup(radio(1000), "COM17", radios[0], nullptr, now - 40 * 86400));
    for (int i = 0; i < 200; ++i) {
        std::string path;
        ASSERT_TRUE(SaveBackup(radio(i % 60), "COM18", path, nullptr, now - 86400 + i));
    }
    for (int i = 1; i < 4; ++i) {
        ASSERT_TRUE(SaveBackup(radio(1000 + i), "COM2" + std::to_string(i), radios[i], nullptr, now));
    }
    const std::vector<std::string> kept = BackupsNewestFirst();
    EXPECT_EQ(kept.size(), 64u);  // 60 distinct images of one radio and four others
    for (int i = 0; i < 4; ++i) {
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(radios[i], bytes, kImageSize + 1)) << radios[i];
        EXPECT_EQ(bytes[0], static_cast<uint8_t>((1000 + i) & 0xFF));
    }
    EXPECT_EQ(kept.back(), radios[0]);

    // older than 30 days: only the first radio's, and not while a restore uses it
    EXPECT_TRUE(PruneBackupsOlderThan(30, {radios[0]}, nullptr, now).empty());
    MarkBackupUsed(radios[0], now - 31 * 86400);
    EXPECT_EQ(PruneBackupsOlderThan(30, {}, nullptr, now), std::vector<std::string>{radios[0]});
    EXPECT_FALSE(std::filesystem::exists(radios[0]));
    EXPECT_EQ(BackupsNewestFirst().size(), 63u);
    EXPECT_EQ(PruneBackupsOlderThan(0, {}, nullptr, now + 1).size(), 63u);
    ::setenv("HOME", oldHome.c_str(), 1);
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

// Files made while the clock was wrong sort after today's by name (the traces keep their newest 50); the
// newest by time must still stay, and a file the user put in the folder is never counted or removed.
TEST(Retention, PrunesByModificationTimeAndKeepsTheUsersFilesAndTheNewBackup) {
    CTempDir dir;
    CDataHome home(dir.m_Path);
    const std::filesystem::path folder = BackupFolder();
    std::filesystem::create_directories(folder);
    const auto now = std::filesystem::file_time_type::clock::now();
    const std::vector<uint8_t> bytes(416, 0);
    constexpr int kKept = 50;
    for (int i = 0; i < kKept; ++i) {
        const std::string name = "2099-01-01_00-00-" + std::to_string(10 + i) + "_COM1.bin";
        ASSERT_TRUE(WriteFileAtomically((folder / name).string(), bytes, nullptr));
        std::filesystem::last_write_time(folder / name, now - std::chrono::hours(100 - i));
    }
    ASSERT_TRUE(WriteFileAtomically((folder / "0-golden.bin").string(), bytes, nullptr));
    std::filesystem::last_write_time(folder / "0-golden.bin", now - std::chrono::hours(1000));
    const std::string path = (folder / "2023-11-14_22-13-20_COM1.bin").string();
    ASSERT_TRUE(WriteFileAtomically(path, bytes, nullptr));
    EXPECT_EQ(PruneToNewest(folder.string(), kBackupNamePattern, kKept, path), 1);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::exists(folder / "0-golden.bin"));
    EXPECT_FALSE(std::filesystem::exists(folder / "2099-01-01_00-00-10_COM1.bin"));  // the oldest by time
    EXPECT_TRUE(std::filesystem::exists(folder / "2099-01-01_00-00-11_COM1.bin"));
    // the new file counts even when its clock time is older than every other file's
    std::filesystem::last_write_time(path, now - std::chrono::hours(5000));
    ASSERT_TRUE(WriteFileAtomically((folder / "2099-12-31_00-00-00_COM1.bin").string(), bytes, nullptr));
    EXPECT_EQ(PruneToNewest(folder.string(), kBackupNamePattern, kKept, path), 1);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(std::filesystem::exists(folder / "2099-01-01_00-00-11_COM1.bin"));
}
