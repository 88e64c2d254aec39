// kv310ctl write interrupted (Ctrl+C, SIGTERM) once the radio has taken block N, against radios behind
// pseudo-terminals. The moment comes from the radio's own count of the blocks it stored, not from a time: the
// program stops between blocks, sends the leave frame, says which blocks are new (as the radio itself counts
// them), keeps the serial trace, logs the transfer and exits 1.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>

#include "FileIo.h"
#include "PartlyWritten.h"
#include "PtyRadio.h"
#include "RunCli.h"
#include "SettingsFile.h"
#include "TempDir.h"
#include "TransferLog.h"

namespace {

constexpr int kStopAfterBlock = 5;

// The write blocks this radio stored, and whether it was told to leave programming mode after them.
struct SRadioSaw {
    int nBlocks = 0;
    bool bLeft = false;
};

SRadioSaw Saw(CPtyRadio& radio) {
    return radio.WithRadio([](CRadioSimulator& r) {
        SRadioSaw saw;
        bool writing = false;  // the read before the write sent blocks too
        for (const std::string& event : r.m_Events) {
            if (event == "write request") {
                writing = true;
                saw.nBlocks = 0;
            }
            saw.nBlocks += writing && event.rfind("block ", 0) == 0 ? 1 : 0;
            saw.bLeft = event == "leave" || (saw.bLeft && event.rfind("block ", 0) != 0);
        }
        saw.bLeft = saw.bLeft && !r.m_bProgramming;
        return saw;
    });
}

std::string SaveInterruptedPlan(const CTempDir& dir) {
    CDataRadioDoc doc;
    doc.m_nModel = 3;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = doc.m_Channel[0].m_dTxFreq = 431.125;
    CRecordingSink sink;
    EXPECT_TRUE(OnSaveDocument(doc, dir.File("plan.dat"), sink));
    return dir.File("plan.dat");
}

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadTransferLog(lines));
    return lines;
}

// What one interrupted radio must have left: the leave frame after its last block, the blocks it stored named
// as the new ones, and a log line that says the write was cancelled.
void ExpectCleanStop(CPtyRadio& radio, const SCliResult& result, const std::string& logLine,
                     const char* verb) {
    const SRadioSaw saw = Saw(radio);
    EXPECT_GE(saw.nBlocks, kStopAfterBlock + 1);
    EXPECT_LT(saw.nBlocks, kImageBlocks) << "the write went on to the end";
    EXPECT_TRUE(saw.bLeft) << "no leave frame after the last block";
    // a single write says it on stderr, a fleet in its table's row for the radio
    const std::string said = result.strErr + result.strOut;
    EXPECT_NE(said.find(PartlyWrittenText(saw.nBlocks)), std::string::npos)
        << "the radio stored " << saw.nBlocks << " blocks:\n"
        << said;
    const std::vector<std::string> fields = SplitTransferLogLine(logLine);
    ASSERT_EQ(fields.size(), static_cast<size_t>(kTransferLogColumns)) << logLine;
    EXPECT_EQ(fields[2], verb);
    EXPECT_EQ(fields[3], radio.SlavePath());
    EXPECT_EQ(fields[9].rfind("Write cancelled", 0), 0u) << fields[9];
}

// The traces the message names, each of which must be there.
int KeptTraces(const std::string& err) {
    const std::string said = "The serial trace of this transfer is kept in ";
    int kept = 0;
    for (size_t at = err.find(said); at != std::string::npos; at = err.find(said, at + 1)) {
        const size_t start = at + said.size();
        const std::string path = err.substr(start, err.find('\n', start) - start);
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
        kept += std::filesystem::exists(path) ? 1 : 0;
    }
    return kept;
}

class CliInterrupt : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(CliInterrupt, AWriteStopsBetweenBlocksLeavesProgrammingAndSaysWhatTheRadioHolds) {
    CPtyRadio radio;
    ASSERT_TRUE(radio.Start()) << radio.m_strError;
    CTempDir dir;
    const size_t logged = LogLines().size();
    const int signal = GetParam();
    // --force: the simulated radio holds a KV310 VHF, the plan is a KV310 UHF's
    const SCliResult result = RunCliSignalled(
        {"write", "--force", "--no-backup", "--port", radio.SlavePath(), SaveInterruptedPlan(dir)},
        [&] { return Saw(radio).nBlocks > kStopAfterBlock ? signal : 0; });
    EXPECT_EQ(result.nExit, 1) << result.strErr;
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), logged + 2);  // the read first, then the write
    ExpectCleanStop(radio, result, lines.back(), "write");
    EXPECT_EQ(KeptTraces(result.strErr), 1) << result.strErr;
}

TEST_P(CliInterrupt, AFleetWriteStopsEveryRadioBetweenBlocks) {
    std::vector<std::unique_ptr<CPtyRadio>> radios;
    std::vector<std::string> words;
    CTempDir dir;
    words = {"write", "--force", "--no-backup",
             SaveInterruptedPlan(dir)};  // the blocks counted are the write's
    for (int i = 0; i < 3; ++i) {
        radios.push_back(std::make_unique<CPtyRadio>());
        ASSERT_TRUE(radios.back()->Start()) << radios.back()->m_strError;
        words.insert(words.end(), {"--port", radios.back()->SlavePath()});
    }
    const size_t logged = LogLines().size();
    const int signal = GetParam();
    const SCliResult result = RunCliSignalled(words, [&] {
        for (const auto& radio : radios) {
            if (Saw(*radio).nBlocks <= kStopAfterBlock) {
                return 0;
            }
        }
        return signal;
    });
    EXPECT_EQ(result.nExit, 1) << result.strErr;
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), logged + 3);
    for (const auto& radio : radios) {
        SCOPED_TRACE(radio->SlavePath());
        std::string line;
        for (size_t i = logged; i < lines.size(); ++i) {
            line = SplitTransferLogLine(lines[i])[3] == radio->SlavePath() ? lines[i] : line;
        }
        ExpectCleanStop(*radio, result, line, "fleet-write");
    }
    EXPECT_EQ(KeptTraces(result.strErr), 3) << result.strErr;
}

INSTANTIATE_TEST_SUITE_P(SigintAndSigterm, CliInterrupt, ::testing::Values(SIGINT, SIGTERM),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGINT ? "Sigint" : "Sigterm");
                         });
