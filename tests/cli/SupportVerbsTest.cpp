// What kv310ctl leaves when something goes wrong, run as a user would: the advice and the kept trace of a
// failed transfer, the transfer log, and the problem report.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "DataRadioDoc.h"
#include "PtyRadio.h"
#include "RunCli.h"
#include "SettingsFile.h"
#include "TempDir.h"

namespace {

std::string Between(const std::string& text, const std::string& before, char end) {
    const size_t at = text.find(before);
    if (at == std::string::npos) {
        return std::string();
    }
    const size_t start = at + before.size();
    return text.substr(start, text.find(end, start) - start);
}

TEST(CliSupport, AFailedWriteSaysWhatToTryKeepsItsTraceAndEveryTransferIsLogged) {
    CTempDir dir;
    CRecordingSink sink;
    CDataRadioDoc doc;
    doc.m_nModel = 3;
    doc.ResetToDefaults();
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("depot.dat"), sink));

    CPtyRadio radio;
    ASSERT_TRUE(radio.Start()) << radio.m_strError;
    radio.WithRadio([](CRadioSimulator& r) { return r.m_Faults.m_nSilentAfterWriteBlock = 9; });
    // (the read first goes through: the radio stops answering in the write itself)
    const SCliResult failed =
        RunCli({"write", "--force", "--no-backup", "--port", radio.SlavePath(), dir.File("depot.dat")});
    EXPECT_EQ(failed.nExit, 1);
    EXPECT_NE(
        failed.strErr.find("kv310ctl: Write Fail!\nThe radio stopped answering at block 10 of 26; partly "
                           "written: blocks 0\u20139 are new, 10\u201325 are not;"),
        std::string::npos)
        << failed.strErr;
    const std::string trace = Between(failed.strErr, "The serial trace of this transfer is kept in ", '\n');
    ASSERT_TRUE(std::filesystem::exists(trace)) << failed.strErr;
    EXPECT_NE(trace.find("/KV310/traces/"), std::string::npos);

    CPtyRadio good;
    ASSERT_TRUE(good.Start()) << good.m_strError;
    ASSERT_EQ(
        RunCli({"write", "--force", "--no-backup", "--port", good.SlavePath(), dir.File("depot.dat")}).nExit,
        0);
    ASSERT_EQ(RunCli({"read", "--port", good.SlavePath(), "-o", dir.File("back.dat")}).nExit, 0);

    const SCliResult log = RunCli({"log", "--since", "2000-01-01"});
    ASSERT_EQ(log.nExit, 0) << log.strErr;
    const std::string depot = dir.File("depot.dat");
    const std::vector<std::string> expected = {
        "\tkv310ctl\twrite\t" + radio.SlavePath() + "\t\t1.2\tKV310 UHF\t" + depot +
            "\t\tWrite Fail! partly written: blocks 0\u20139 are new, 10\u201325 are not;",
        "\tkv310ctl\twrite\t" + good.SlavePath() + "\t\t1.2\tKV310 UHF\t" + depot + "\t",
        "\tkv310ctl\tread\t" + good.SlavePath() + "\t\t1.2\tKV310 UHF\t" + dir.File("back.dat") + "\t\tok\t",
    };
    size_t at = log.strOut.find('\n');  // after the header
    for (const std::string& line : expected) {
        at = log.strOut.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << "\n" << log.strOut;
    }
    EXPECT_NE(log.strOut.find("\tok\t", log.strOut.find("depot.dat\t", log.strOut.find("Write Fail!"))),
              std::string::npos);
    EXPECT_EQ(RunCli({"log", "--since", "yesterday"}).nExit, 2);

    const SCliResult report =
        RunCli({"report", "-o", dir.File("r.tar.gz"), "--config", dir.File("depot.dat")});
    ASSERT_EQ(report.nExit, 0) << report.strErr;
    EXPECT_NE(report.strErr.find("  kv310-report/traces/" + std::filesystem::path(trace).filename().string()),
              std::string::npos)
        << report.strErr;
    EXPECT_NE(report.strErr.find("  kv310-report/config.yaml\n"), std::string::npos);
}

TEST(CliSupport, PortsListsTheSimulatedRadioAsTextAndJson) {
    const SCliResult text = RunCli({"ports"});
    ASSERT_EQ(text.nExit, 0);
    EXPECT_NE(text.strOut.find("COM49\t(built in)\tSimulated radio\tready\n"), std::string::npos)
        << text.strOut;
    const SCliResult json = RunCli({"ports", "--json"});
    EXPECT_NE(json.strOut.find("{\"com\": \"COM49\", \"device\": \"\", \"kind\": \"Simulated radio\""),
              std::string::npos)
        << json.strOut;
    EXPECT_EQ(RunCli({"ports", "--wait-new", "0"}).nExit, 2);
}

TEST(CliSupport, ImpossibleDatesExtraWordsAndRepeatedFlagsAreUsageErrors) {
    CTempDir dir;
    const struct {
        std::vector<std::string> m_Words;
        const char* m_szSays;
    } cases[] = {
        {{"log", "2026-12-01"}, "unexpected word '2026-12-01'"},
        {{"log", "--since", "2026-13-45"}, "'2026-13-45' is no date"},
        {{"log", "--since", "2026-02-30"}, "'2026-02-30' is no date"},
        {{"log", "--since", "2026-12-01 24:00"}, "is no date"},
        {{"ports", "foo"}, "unexpected word 'foo'"},
        {{"ports", "--wait-new", "abc"}, "unexpected word 'abc'"},
        {{"ports", "--wait-new", "4294967297"}, "'4294967297' is no time to wait"},
        {{"ports", "--json", "--json"}, "option --json is given more than once"},
        {{"report", "-o", dir.File("r.tar.gz"), "extra"}, "unexpected word 'extra'"},
    };
    for (const auto& test : cases) {
        const SCliResult result = RunCli(test.m_Words);
        SCOPED_TRACE(test.m_Words[1]);
        EXPECT_EQ(result.nExit, 2) << result.strErr;
        EXPECT_NE(result.strErr.find(test.m_szSays), std::string::npos) << result.strErr;
        EXPECT_EQ(result.strErr.find("Unplug the programming cable"), std::string::npos);  // no waiting
    }
    EXPECT_EQ(RunCli({"log", "--since", "2024-02-29 23:59"}).nExit, 0);  // a leap day is a date
}

TEST(CliSupport, ReportToStdoutIsACompressedArchive) {
    const SCliResult report = RunCli({"report", "-o", "-"});
    ASSERT_EQ(report.nExit, 0) << report.strErr;
    ASSERT_GT(report.strOut.size(), 10u);
    EXPECT_EQ(report.strOut.substr(0, 4), std::string("\x1f\x8b\x08\x00", 4));
    EXPECT_EQ(report.strOut[10] & 0x07, 0x03);  // the final block, compressed with the fixed codes
    EXPECT_NE(report.strErr.find("Problem report written to stdout"), std::string::npos) << report.strErr;
    EXPECT_FALSE(std::filesystem::exists("-"));
}

// The radio's own count of the blocks it took.
int BlocksTaken(CPtyRadio& radio) {
    return radio.WithRadio([](CRadioSimulator& r) {
        // the write's blocks: those after its request (the read before it sent blocks too)
        const auto request = std::find(r.m_Events.rbegin(), r.m_Events.rend(), "write request");
        if (request == r.m_Events.rend()) {
            return 0;
        }
        return static_cast<int>(std::count_if(request.base(), r.m_Events.end(), [](const std::string& e) {
            return e.rfind("block ", 0) == 0;
        }));
    });
}

// A closed terminal (SIGHUP) or Ctrl+C pressed twice mid-write: the radio still leaves programming mode, and
// the stop is said, logged and traced.
TEST(CliSupport, HangUpOrASecondCtrlCMidWriteStillTakesTheRadioOutOfProgrammingMode) {
    CTempDir dir;
    CRecordingSink sink;
    CDataRadioDoc doc;
    doc.m_nModel = 3;
    doc.ResetToDefaults();
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("depot.dat"), sink));
    const struct {
        const char* m_szName;
        std::vector<int> m_Signals;
    } cases[] = {{"hang-up", {SIGHUP}}, {"Ctrl+C twice", {SIGINT, SIGINT}}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.m_szName);
        CPtyRadio radio;
        ASSERT_TRUE(radio.Start()) << radio.m_strError;
        CRunningCli write({"write", "--force", "--no-backup", "--port", radio.SlavePath(),
                           dir.File("depot.dat"), "--no-verify"});
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (BlocksTaken(radio) < 3 && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_GE(BlocksTaken(radio), 3);
        for (const int signal : test.m_Signals) {
            write.Signal(signal);
        }
        const SCliResult result = write.Wait();
        EXPECT_EQ(result.nExit, 1) << result.strErr;
        EXPECT_NE(result.strErr.find("stopping: the radio is being taken out of programming mode"),
                  std::string::npos)
            << result.strErr;
        EXPECT_NE(result.strErr.find("Write cancelled"), std::string::npos) << result.strErr;
        EXPECT_NE(result.strErr.find("The serial trace of this transfer is kept in"), std::string::npos);
        EXPECT_LT(BlocksTaken(radio), 26);
        radio.WithRadio([](CRadioSimulator& r) {
            EXPECT_FALSE(r.m_bProgramming);
            EXPECT_EQ(r.m_Events.back(), "leave");
            return 0;
        });
        const SCliResult log = RunCli({"log"});
        EXPECT_NE(log.strOut.find(radio.SlavePath() + "\t\t1.2\tKV310 UHF\t" + dir.File("depot.dat") +
                                  "\t\tWrite cancelled."),
                  std::string::npos)
            << log.strOut;
    }
}

// What the log keeps of failures that moved no configuration: a read that failed names no model, and a status
// request the radio did not answer is logged and traced.
TEST(CliSupport, AFailedReadNamesNoModelAndASilentStatusIsLoggedAndTraced) {
    CTempDir dir;
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start()) << radio.m_strError;
    radio.WithRadio([](CRadioSimulator& r) { return r.m_Faults.m_bRefuse = true; });
    EXPECT_EQ(RunCli({"read", "--port", radio.SlavePath(), "-o", dir.File("x.dat")}).nExit, 1);
    radio.WithRadio([](CRadioSimulator& r) { return r.m_Faults.m_bSilent = true; });
    const SCliResult status = RunCli({"status", "--port", radio.SlavePath()});
    EXPECT_EQ(status.nExit, 1);
    EXPECT_NE(status.strErr.find("The serial trace of this transfer is kept in"), std::string::npos)
        << status.strErr;
    const SCliResult log = RunCli({"log"});
    EXPECT_NE(log.strOut.find("\tkv310ctl\tread\t" + radio.SlavePath() + "\t\t\t\t" + dir.File("x.dat") +
                              "\t\tRead Fail..!\t"),
              std::string::npos)
        << log.strOut;
    EXPECT_NE(
        log.strOut.find("\tkv310ctl\tstatus\t" + radio.SlavePath() + "\t\t\t\t\t\tthe radio sent no status"),
        std::string::npos)
        << log.strOut;
}

}  // namespace
