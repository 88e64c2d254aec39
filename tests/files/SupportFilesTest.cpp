// The files kept for when something goes wrong: the transfer log, the failed traces, the problem report and
// its archive writer, and the fingerprint of what was written.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "FailedTrace.h"
#include "FileIo.h"
#include "ProblemReport.h"
#include "Retention.h"
#include "Sha256.h"
#include "TarGz.h"
#include "TempDir.h"
#include "TransferLog.h"
#include "UserFolders.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// What the system's own tar finds in an archive: "name size" lines, and the files unpacked below folder.
std::string SystemTarListing(const std::string& archive, const std::string& folder) {
    fs::create_directories(folder);
    const std::string command = "tar -xzf '" + archive + "' -C '" + folder + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<std::string> lines;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            lines.push_back(fs::relative(entry.path(), folder).string() + " " +
                            std::to_string(entry.file_size()));
        }
    }
    std::sort(lines.begin(), lines.end());
    std::string listing;
    for (const std::string& line : lines) {
        listing += line + "\n";
    }
    return listing;
}

TEST(Sha256, MatchesTheStandardsVectors) {
    const struct {
        std::string m_strInput;
        const char* m_szDigest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",  // 56 bytes: the length needs a 2nd
                                                                      // block
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000, 'a'), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3"},
    };
    for (const auto& test : cases) {
        const std::vector<uint8_t> bytes(test.m_strInput.begin(), test.m_strInput.end());
        EXPECT_EQ(Sha256Hex(bytes), test.m_szDigest) << test.m_strInput.size();
    }
}

TEST(TarGz, TheSystemsTarUnpacksWhatWasPacked) {
    CTempDir dir;
    std::vector<uint8_t> big(70000);  // more than one stored deflate block
    for (size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<uint8_t>(i * 7 + i / 300);
    }
    const std::vector<STarEntry> entries = {
        {"r/empty.txt", {}},
        {"r/exact.bin", std::vector<uint8_t>(512, 0x5A)},
        {"r/sub/big.bin", big},
    };
    std::vector<uint8_t> tar;
    ASSERT_TRUE(TarArchive(entries, 1700000000, tar));
    ASSERT_TRUE(WriteFileAtomically(dir.File("a.tar.gz"), Gzip(tar)));
    EXPECT_LT(Gzip(tar).size(), tar.size() / 4);  // the report's logs and traces are as repetitive
    EXPECT_EQ(SystemTarListing(dir.File("a.tar.gz"), dir.File("out")),
              "r/empty.txt 0\nr/exact.bin 512\nr/sub/big.bin 70000\n");
    std::vector<uint8_t> unpacked;
    ASSERT_TRUE(ReadFileBytes(dir.File("out/r/sub/big.bin"), unpacked, 1 << 20));
    EXPECT_EQ(unpacked, big);

    for (const char* bad : {"/etc/passwd", "../up", ""}) {
        std::string error;
        EXPECT_FALSE(TarArchive({{bad, {}}}, 0, tar, &error)) << bad;
        EXPECT_NE(error.find("cannot be a name"), std::string::npos);
    }
}

TEST(TransferLog, TwoWritersAtOnceLeaveWholeLinesUnderOneHeader) {
    CTempDir dir;
    const std::string path = dir.File("state/KV310/transfers.tsv");
    constexpr int kLinesEach = 300;
    auto writer = [&](const char* program) {
        for (int i = 0; i < kLinesEach; ++i) {
            STransferLogEntry entry;
            entry.m_strProgram = program;
            entry.m_strVerb = "write";
            entry.m_strPort = "COM17";
            entry.m_strPlan = std::string(200, 'p');  // long lines interleave first when writes are split
            entry.m_strResult = "ok";
            EXPECT_TRUE(AppendTransferLog(entry, nullptr, path, 1700000000 + i));
        }
    };
    std::thread first(writer, "kv310");
    std::thread second(writer, "kv310ctl");
    first.join();
    second.join();

    const std::string text = ReadText(path);
    EXPECT_EQ(text.rfind(kTransferLogHeader, 0), 0u);
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines, nullptr, path));
    ASSERT_EQ(lines.size(), 2u * kLinesEach);
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = SplitTransferLogLine(line);
        ASSERT_EQ(fields.size(), static_cast<size_t>(kTransferLogColumns)) << line;
        EXPECT_TRUE(fields[1] == "kv310" || fields[1] == "kv310ctl") << line;
        EXPECT_EQ(fields[7].size(), 200u);
    }
}

TEST(TransferLog, AFieldCannotBreakItsLineAndSinceSelectsByDate) {
    STransferLogEntry entry;
    entry.m_strTime = "2026-12-07 15:40:02";
    entry.m_strResult = "Write Fail!\nThe radio\tstopped";
    entry.m_dSeconds = 9.04;
    EXPECT_EQ(TransferLogLine(entry),
              "2026-12-07 15:40:02\t\t\t\t\t\t\t\t\tWrite Fail! The radio stopped\t9.0\t\t\t\n");

    const std::vector<std::string> lines = {"2026-12-06 23:59:59\ta", "2026-12-07 08:00:00\tb",
                                            "2026-12-08 00:00:01\tc"};
    const struct {
        const char* m_szSince;
        bool m_bValid;
        size_t m_nSelected;
    } cases[] = {
        {"2026-12-07", true, 2},  {"2026-12-07 09:00", true, 1}, {"2026-12-09", true, 0},
        {"07.12.2026", false, 0}, {"2026-12", false, 0},         {"2026-12-07 9", false, 0},
    };
    for (const auto& test : cases) {
        std::vector<std::string> selected;
        EXPECT_EQ(TransferLogSince(lines, test.m_szSince, selected), test.m_bValid) << test.m_szSince;
        EXPECT_EQ(selected.size(), test.m_nSelected) << test.m_szSince;
    }
}

TEST(FailedTrace, KeepsTheNewestTwentyByAgeAndLeavesOtherFilesAlone) {
    const std::string folder = FailedTraceFolder();
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder + "/notes.txt") << "mine";
    std::vector<std::string> written;
    for (int i = 0; i < 25; ++i) {
        std::string path;
        ASSERT_TRUE(
            KeepFailedTrace("12.000 > 87 00 87\n", "/dev/ttyUSB0", path, nullptr, 1700000000 + i * 60));
        // the names run the other way round: age, not the name, decides what goes
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(100 - i));
        written.push_back(path);
    }
    std::vector<std::string> kept = FailedTraces();
    EXPECT_EQ(kept, std::vector<std::string>(written.rbegin(), written.rbegin() + kFailedTracesKept));
    EXPECT_EQ(ReadText(written.back()), "12.000 > 87 00 87\n");

    // the file just written stays even when its clock says it is the oldest
    fs::last_write_time(written.back(), fs::file_time_type::clock::now() - std::chrono::hours(1000));
    PruneToNewest(folder, "####-##-##_##-##-##_*.txt", 3, written.back());
    kept = FailedTraces();
    EXPECT_EQ(kept, (std::vector<std::string>{written[23], written[22], written[24]}));
    EXPECT_TRUE(fs::exists(folder + "/notes.txt"));
}

TEST(ProblemReport, HoldsExactlyWhatTheReadmeSays) {
    CTempDir dir;
    fs::remove_all(FailedTraceFolder());
    std::string trace;
    ASSERT_TRUE(KeepFailedTrace("1.000 > 87 00 87\n", "COM17", trace, nullptr, 1700000000));
    for (int i = 0; i < kReportLogLines + 5; ++i) {
        STransferLogEntry entry;
        entry.m_strVerb = "read";
        entry.m_strPort = "COM" + std::to_string(i);
        ASSERT_TRUE(AppendTransferLog(entry));
    }
    for (const bool withConfig : {false, true}) {
        SCOPED_TRACE(withConfig);
        SReportInputs inputs;
        inputs.m_strProgram = "kv310ctl 9.9";
        inputs.m_strPorts = "COM49\t(built in)\tSimulated radio\tready\n";
        inputs.m_strConfigYaml = withConfig ? "format: 1\n" : "";
        const std::string archive = dir.File(withConfig ? "with.tar.gz" : "without.tar.gz");
        std::vector<std::string> names;
        ASSERT_TRUE(WriteProblemReport(archive, inputs, nullptr, &names));
        const std::string out = dir.File(withConfig ? "with" : "without");
        const std::string listing = SystemTarListing(archive, out);
        std::string expected = withConfig ? "kv310-report/config.yaml 10\n" : "";
        expected += "kv310-report/ports.txt 39\nkv310-report/traces/" + fs::path(trace).filename().string() +
                    " 17\nkv310-report/transfers.tsv ";
        EXPECT_EQ(listing.substr(0, expected.size()), expected);
        EXPECT_NE(listing.find("kv310-report/version.txt "), std::string::npos);
        EXPECT_EQ(names.size(), withConfig ? 5u : 4u);

        std::vector<std::string> lines;
        ASSERT_TRUE(ReadTransferLog(lines, nullptr, out + "/kv310-report/transfers.tsv"));
        ASSERT_EQ(lines.size(), static_cast<size_t>(kReportLogLines));
        EXPECT_EQ(SplitTransferLogLine(lines.back())[3], "COM204");
        const std::string version = ReadText(out + "/kv310-report/version.txt");
        EXPECT_EQ(version.rfind("program: kv310ctl 9.9\nbuilt with: ", 0), 0u) << version;
        EXPECT_NE(version.find("\nsystem: Linux "), std::string::npos) << version;
    }
}

TEST(TransferLog, ARecordAfterALineCutOffStartsOnItsOwnLine) {
    CTempDir dir;
    const std::string path = dir.File("transfers.tsv");
    std::ofstream(path) << kTransferLogHeader << "2026-12-0";  // a log cut off mid-line
    STransferLogEntry entry;
    entry.m_strTime = "2026-12-08 01:38:21";
    ASSERT_TRUE(AppendTransferLog(entry, nullptr, path));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines, nullptr, path));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("2026-12-08 01:38:21\t", 0), 0u) << lines[1];
    std::vector<std::string> selected;
    ASSERT_TRUE(TransferLogSince(lines, "2026-12-08", selected));
    EXPECT_EQ(selected.size(), 1u);
}

// A full log moves to transfers.1.tsv and the older ones up; reading takes them oldest first and, when the
// budget is short, keeps the newest records.
TEST(TransferLog, RotatesAFullLogAndReadsFromTheNewestRecordBack) {
    CTempDir dir;
    const std::string path = dir.File("transfers.tsv");
    for (int n = 1; n <= kTransferLogOldKept; ++n) {
        std::ofstream(dir.File("transfers." + std::to_string(n) + ".tsv"))
            << kTransferLogHeader << "2026-01-0" << (kTransferLogOldKept + 1 - n) << " 00:00:00\told" << n
            << "\n";
    }
    {
        std::ofstream big(path);
        big << kTransferLogHeader;
        const std::string line = "2026-02-01 00:00:00\tbig\t" + std::string(200, 'x') + "\n";
        for (uintmax_t size = 0; size < kTransferLogRotateBytes; size += line.size()) {
            big << line;
        }
    }
    STransferLogEntry entry;
    entry.m_strTime = "2026-03-01 00:00:00";
    entry.m_strProgram = "newest";
    ASSERT_TRUE(AppendTransferLog(entry, nullptr, path));
    EXPECT_EQ(ReadText(path), kTransferLogHeader + TransferLogLine(entry));
    EXPECT_LT(fs::file_size(dir.File("transfers.2.tsv")), 1000u);  // old1 moved up; old3 went
    EXPECT_EQ(TransferLogFiles(path).size(), static_cast<size_t>(kTransferLogOldKept + 1));

    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTransferLog(lines, nullptr, path));
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(SplitTransferLogLine(lines[0])[1], "old2");
    EXPECT_EQ(SplitTransferLogLine(lines[1])[1], "old1");
    EXPECT_EQ(SplitTransferLogLine(lines.back())[1], "newest");

    ASSERT_TRUE(ReadTransferLog(lines, nullptr, path, 1000));  // a budget far below the log's size
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(SplitTransferLogLine(lines.back())[1], "newest");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.rfind("2026-0", 0), 0u) << line;  // whole lines only
    }
}

TEST(ProblemReport, NamesBackupsByTheirPlaceAndWarnsWhenTheLogCannotBeRead) {
    CTempDir dir;
    STransferLogEntry entry;
    entry.m_strVerb = "read";
    entry.m_strBackup = UserDataFolder() + "/KV310/backups/2026-12-07_15-40-02_COM17.bin";
    ASSERT_TRUE(AppendTransferLog(entry));
    entry.m_strBackup = "/home/someone/elsewhere/old.bin";
    // private names: a plan's name and folder, a port's path in the home folder
    entry.m_strPlan = "/home/someone/Frequenzplan M\u00fcller.dat";
    entry.m_strPlanResolved = entry.m_strPlan;
    entry.m_strPlanSha256 = "ab12";
    const char* home = std::getenv("HOME");
    entry.m_strPort = std::string(home != nullptr ? home : "/root") + "/radios/pty-a";
    ASSERT_TRUE(AppendTransferLog(entry));
    std::vector<std::string> warnings;
    std::vector<STarEntry> entries = ProblemReportEntries(SReportInputs(), &warnings);
    EXPECT_TRUE(warnings.empty());
    const auto log = std::find_if(entries.begin(), entries.end(), [](const STarEntry& e) {
        return e.m_strName == "kv310-report/transfers.tsv";
    });
    ASSERT_NE(log, entries.end());
    const std::string text(log->m_Bytes.begin(), log->m_Bytes.end());
    EXPECT_NE(text.find("\tKV310/backups/2026-12-07_15-40-02_COM17.bin\t\t\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\told.bin\t(plan.dat)\tab12\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\tread\t~/radios/pty-a\t"), std::string::npos) << text;
    EXPECT_EQ(text.find("Frequenzplan"), std::string::npos) << text;
    EXPECT_EQ(text.find("/home/"), std::string::npos) << text;
    EXPECT_EQ(text.find(UserDataFolder()), std::string::npos) << text;

    const std::string logPath = TransferLogPath();
    fs::rename(logPath, logPath + ".kept");
    fs::create_directories(logPath);  // a log that cannot be read
    entries = ProblemReportEntries(SReportInputs(), &warnings);
    fs::remove_all(logPath);
    fs::rename(logPath + ".kept", logPath);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("the transfer log could not be read"), std::string::npos) << warnings[0];
    for (const STarEntry& e : entries) {
        EXPECT_NE(e.m_strName, "kv310-report/transfers.tsv");
    }
}

}  // namespace

// Without the configuration a report's traces keep what went over the line, not what the radio holds.
TEST(ProblemReport, ReducesATraceToItsFramesAndBlockNumbers) {
    const std::string data16 = " 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10";
    const struct {
        std::string line;
        std::string reduced;
    } cases[] = {
        {"100.000 > 87 00 87", "100.000 > 87 00 87"},
        {"1200.500 < AA 12", "1200.500 < AA 12"},
        {"1300.000 > FF 99 14 00 10", "1300.000 > FF 99 14 00 10"},
        {"1300.100 >" + data16, "1300.100 > (16 bytes left out)"},
        {"1400.000 < FF 99 14 01 00" + data16 + " 77", "1400.000 < FF 99 14 01 00 (17 more bytes left out)"},
        {"1500.000 < 12 34 56 78", "1500.000 < (4 bytes left out)"},
        {"Frequenzplan M\u00fcller", "(a line left out)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReducedTrace(c.line + "\n"), c.reduced + "\n") << c.line;
    }
}
