#include "PortFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "FileIo.h"
#include "TempDir.h"

namespace {

// Points XDG_CONFIG_HOME and HOME at private folders for one test and puts them back afterwards.
class PortFile : public ::testing::Test {
protected:
    void SetUp() override {
        Remember("XDG_CONFIG_HOME", m_strOldXdg, m_bHadXdg);
        Remember("HOME", m_strOldHome, m_bHadHome);
        ::setenv("XDG_CONFIG_HOME", (m_Dir.m_Path + "/xdg").c_str(), 1);
        ::setenv("HOME", (m_Dir.m_Path + "/home").c_str(), 1);
    }
    void TearDown() override {
        Restore("XDG_CONFIG_HOME", m_strOldXdg, m_bHadXdg);
        Restore("HOME", m_strOldHome, m_bHadHome);
    }

    static void Remember(const char* name, std::string& value, bool& had) {
        const char* old = std::getenv(name);
        had = old != nullptr;
        value = had ? old : "";
    }
    static void Restore(const char* name, const std::string& value, bool had) {
        if (had) {
            ::setenv(name, value.c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }

    std::vector<uint8_t> Stored(const std::string& path) {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(ReadFileBytes(path, bytes, 64));
        return bytes;
    }

    CTempDir m_Dir;
    int32_t m_nComPort = 0;
    std::string m_strOldXdg, m_strOldHome;
    bool m_bHadXdg = false, m_bHadHome = false;
};

TEST_F(PortFile, LivesInTheXdgConfigFolderUnderTheModelName) {
    EXPECT_EQ(PortFilePath(), m_Dir.m_Path + "/xdg/KV310.ini");
}

TEST_F(PortFile, FallsBackToDotConfigInHomeWhenXdgIsUnsetOrRelative) {
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(PortFilePath(), m_Dir.m_Path + "/home/.config/KV310.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/folder", 1);
    EXPECT_EQ(PortFilePath(), m_Dir.m_Path + "/home/.config/KV310.ini");
}

TEST_F(PortFile, WritesFourLittleEndianBytesAndCreatesMissingFolders) {
    ::unsetenv("XDG_CONFIG_HOME");  // neither home/ nor home/.config exists yet
    m_nComPort = 3;
    ASSERT_TRUE(SavePortSetting(m_nComPort));
    EXPECT_EQ(Stored(m_Dir.m_Path + "/home/.config/KV310.ini"),
              (std::vector<uint8_t>{0x03, 0x00, 0x00, 0x00}));

    m_nComPort = 0x01020311;
    ASSERT_TRUE(SavePortSetting(m_nComPort));
    EXPECT_EQ(Stored(PortFilePath()), (std::vector<uint8_t>{0x11, 0x03, 0x02, 0x01}));
}

TEST_F(PortFile, ReadsBackWhatWasWrittenIncludingNegativeValues) {
    for (const int32_t value : {1, 17, 49, 300, -2, INT32_MIN}) {
        m_nComPort = value;
        ASSERT_TRUE(SavePortSetting(m_nComPort));
        int32_t other = 99;
        ASSERT_TRUE(LoadPortSetting(other));
        EXPECT_EQ(other, value);
    }
}

TEST_F(PortFile, MissingOrShortFileMeansNoPortChosen) {
    m_nComPort = 7;
    std::string error;
    EXPECT_FALSE(LoadPortSetting(m_nComPort, &error));
    EXPECT_EQ(m_nComPort, 0);
    EXPECT_FALSE(error.empty());

    std::filesystem::create_directories(m_Dir.m_Path + "/xdg");
    ASSERT_TRUE(WriteFileAtomically(PortFilePath(), {0x05, 0x00, 0x00}));
    m_nComPort = 7;
    EXPECT_FALSE(LoadPortSetting(m_nComPort, &error));
    EXPECT_EQ(m_nComPort, 0);
    EXPECT_EQ(error, "the file is shorter than 4 bytes");
}

TEST_F(PortFile, IgnoresBytesAfterTheFirstFour) {
    std::filesystem::create_directories(m_Dir.m_Path + "/xdg");
    ASSERT_TRUE(WriteFileAtomically(PortFilePath(), {0x21, 0x00, 0x00, 0x00, 0xFF, 0xFF}));
    ASSERT_TRUE(LoadPortSetting(m_nComPort));
    EXPECT_EQ(m_nComPort, 33);
}

TEST_F(PortFile, AFailedWriteSaysWhyAndLeavesTheOldFile) {
    m_nComPort = 4;
    ASSERT_TRUE(SavePortSetting(m_nComPort));
    // A config "folder" that is a plain file cannot hold the port file, even for root.
    ASSERT_TRUE(WriteFileAtomically(m_Dir.m_Path + "/blocker", {0x00}));
    ::setenv("XDG_CONFIG_HOME", (m_Dir.m_Path + "/blocker/sub").c_str(), 1);
    std::string error;
    EXPECT_FALSE(SavePortSetting(m_nComPort, &error));
    EXPECT_NE(error.find("blocker"), std::string::npos) << error;

    ::setenv("XDG_CONFIG_HOME", (m_Dir.m_Path + "/xdg").c_str(), 1);
    EXPECT_EQ(Stored(PortFilePath()), (std::vector<uint8_t>{0x04, 0x00, 0x00, 0x00}));
}

TEST(PortIndex, CountsFromZeroAndHasNoneForUnsetOrNonsenseNumbers) {
    EXPECT_EQ(PortIndexOf(1), 0);
    EXPECT_EQ(PortIndexOf(49), 48);
    EXPECT_EQ(PortIndexOf(0), -1);
    EXPECT_EQ(PortIndexOf(-5), -1);
    EXPECT_EQ(PortIndexOf(INT32_MIN), -1);
}

}  // namespace
