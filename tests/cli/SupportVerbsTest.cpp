// What kv310ctl leaves when something goes wrong, run as a user would: the advice and the kept trace of a
// failed transfer, the transfer log, and the problem report.

#include <gtest/gtest.h>

#include <filesystem>

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
    radio.WithRadio([](CRadioSimulator& r) { return r.m_Faults.m_nSilentAfterBlock = 9; });
    // (no read first: the radio stops answering in the write itself)
    const SCliResult failed =
        RunCli({"write", "--no-backup", "--port", radio.SlavePath(), dir.File("depot.dat")});
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
    ASSERT_EQ(RunCli({"write", "--no-backup", "--port", good.SlavePath(), dir.File("depot.dat")}).nExit, 0);
    ASSERT_EQ(RunCli({"read", "--port", good.SlavePath(), "-o", dir.File("back.dat")}).nExit, 0);

    const SCliResult log = RunCli({"log", "--since", "2000-01-01"});
    ASSERT_EQ(log.nExit, 0) << log.strErr;
    const std::vector<std::string> expected = {
        "\tkv310ctl\twrite\t" + radio.SlavePath() + "\t\t1.2\tKV310 UHF\tdepot.dat\t\tWrite Fail!\t",
        "\tkv310ctl\twrite\t" + good.SlavePath() + "\t\t1.2\tKV310 UHF\tdepot.dat\t",
        "\tkv310ctl\tread\t" + good.SlavePath() + "\t\t1.2\tKV310 UHF\tback.dat\t\tok\t",
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

}  // namespace
