// A bench of simulated radios on virtual time, one of them misbehaving: the others are written and verified
// byte for byte, the misbehaving one's result says what went wrong, and the summary names it.

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "BlockTransfer.h"
#include "EepromLayout.h"
#include "FleetTransfer.h"
#include "ImageMerge.h"
#include "SimPort.h"

namespace {

struct SBenchRadio {
    CRadioSimulator m_Radio;
    CSimPort m_Port{m_Radio};
};

class FleetTransferTest : public ::testing::Test {
protected:
    FleetTransferTest() {
        MakeBench();
        for (int addr = 0; addr < kImageSize; ++addr) {
            m_Image[addr] = static_cast<uint8_t>(addr * 7 + 1);
        }
        m_Written = m_Image;
        m_Written[kVersionFirmwareByte] = 2;  // what a 1.2 radio is sent there
    }

    // Fresh radios, each on its own port.
    void MakeBench() {
        m_Bench.clear();
        m_Ports.clear();
        for (int i = 0; i < kRadios; ++i) {
            m_Bench.push_back(std::make_unique<SBenchRadio>());
            m_Ports.push_back({"COM" + std::to_string(17 + i), 17 + i, "/dev/ttyUSB" + std::to_string(i),
                               &m_Bench.back()->m_Port});
        }
    }

    static constexpr int kRadios = 3;
    std::vector<std::unique_ptr<SBenchRadio>> m_Bench;
    std::vector<SFleetPort> m_Ports;
    CImageBytes m_Image{};
    CImageBytes m_Written{};
};

struct SFaultCase {
    const char* m_szName;
    void (*m_Inject)(SBenchRadio& radio);
    const char* m_szFailure;
    const char* m_szVerify;
};

const SFaultCase kFaultCases[] = {
    // every radio is read first, so a radio that refuses or never answers fails in that read
    {"refused", [](SBenchRadio& b) { b.m_Radio.m_Faults.m_bRefuse = true; }, "Read Fail..!", ""},
    {"silent", [](SBenchRadio& b) { b.m_Radio.m_Faults.m_bSilent = true; },
     "Communication Error !!!   Check your radio connection to PC !!!", ""},
    {"nak storm",
     [](SBenchRadio& b) {
         b.m_Radio.m_Faults.m_nNakBlock = 5;
         b.m_Radio.m_Faults.m_nNakCount = 100;
     },
     "Write Fail!", ""},
    {"worn cell", [](SBenchRadio& b) { b.m_Radio.m_Faults.m_nWrongByteAddress = 0x123; },
     "Verify failed: at 0x123 the radio holds", "FAILED"},
    {"no device", [](SBenchRadio& b) { b.m_Port.m_nOpenError = EACCES; }, "Fail to open PORT18: ", ""},
};

TEST_F(FleetTransferTest, OneMisbehavingRadioFailsAloneAndIsNamed) {
    for (const SFaultCase& fault : kFaultCases) {
        SCOPED_TRACE(fault.m_szName);
        MakeBench();
        fault.m_Inject(*m_Bench[1]);
        std::vector<int> done;
        std::mutex doneMutex;
        SFleetHooks hooks;
        hooks.Done = [&](int index) {
            std::lock_guard<std::mutex> lock(doneMutex);
            done.push_back(index);
        };
        CFleetTransfer fleet(m_Ports, hooks);
        fleet.StartWrite(m_Image, true);
        fleet.Join();

        EXPECT_EQ(done.size(), 3u);
        EXPECT_FALSE(fleet.AllOk());
        for (int i : {0, 2}) {
            const SFleetResult& result = fleet.m_Results[static_cast<size_t>(i)];
            EXPECT_TRUE(result.m_bOk) << result.m_strFailure;
            EXPECT_EQ(result.m_strFirmware, "1.2");
            EXPECT_EQ(result.m_strVerify, "verified");
            EXPECT_EQ(m_Bench[static_cast<size_t>(i)]->m_Radio.m_Eeprom, m_Written);
        }
        const SFleetResult& bad = fleet.m_Results[1];
        EXPECT_FALSE(bad.m_bOk);
        EXPECT_TRUE(bad.m_bDone);
        EXPECT_EQ(bad.m_strFailure.rfind(fault.m_szFailure, 0), 0u) << bad.m_strFailure;
        EXPECT_EQ(bad.m_strFailure.find('\n'), std::string::npos);
        EXPECT_EQ(bad.m_strVerify, fault.m_szVerify);

        const std::string summary = FleetSummaryText(m_Ports, fleet.m_Results);
        EXPECT_NE(summary.find("COM18  " + std::string(bad.m_strFirmware.empty() ? "-   " : "1.2 ")),
                  std::string::npos)
            << summary;
        EXPECT_NE(summary.find("\nCOM18: " + bad.m_strFailure + "\n"), std::string::npos) << summary;
        EXPECT_EQ(FleetVerdictText(m_Ports, fleet.m_Results, true, true),
                  "2 of 3 radios written and verified; failed: COM18.");
    }
}

// A write cancelled half-way says once that the radio holds a mix, and which blocks it holds.
TEST_F(FleetTransferTest, ACancelledWriteSaysOnceWhatTheRadioHolds) {
    CFleetTransfer* running = nullptr;
    SFleetHooks hooks;
    const CRadioSimulator& radio = m_Bench[0]->m_Radio;  // answers on the worker's thread, as the hook runs
    hooks.SetProgress = [&](int, int address) {
        const bool writing =
            std::find(radio.m_Events.begin(), radio.m_Events.end(), "write request") != radio.m_Events.end();
        if (writing && address >= 4 * kImageBlockSize) {  // in the write, not the read before it
            running->Cancel();
        }
    };
    CFleetTransfer fleet(std::vector<SFleetPort>(m_Ports.begin(), m_Ports.begin() + 1), hooks);
    running = &fleet;
    fleet.StartWrite(m_Image, true);
    fleet.Join();
    ASSERT_FALSE(fleet.m_Results[0].m_bOk);
    EXPECT_EQ(fleet.m_Results[0].m_strFailure,
              "Write cancelled; partly written: blocks 0\u20134 are new, 5\u201325 are not; the radio still "
              "holds a mixed configuration \u2014 write again");
}

TEST_F(FleetTransferTest, ReadGivesEachRadioItsOwnImage) {
    for (size_t i = 0; i < m_Bench.size(); ++i) {
        m_Bench[i]->m_Radio.m_Eeprom.fill(static_cast<uint8_t>(0x10 + i));
    }
    CFleetTransfer fleet(m_Ports, {});
    fleet.StartRead();
    fleet.Join();
    ASSERT_TRUE(fleet.AllOk());
    for (size_t i = 0; i < m_Bench.size(); ++i) {
        EXPECT_EQ(fleet.m_Results[i].m_Bytes, m_Bench[i]->m_Radio.m_Eeprom);
        EXPECT_EQ(fleet.m_Results[i].m_strVerify, "");
    }
    EXPECT_EQ(FleetVerdictText(m_Ports, fleet.m_Results, false, false), "All 3 radios read.");
}

// The backup is taken of what each radio held; a backup that cannot be kept stops only that radio's write.
TEST_F(FleetTransferTest, BackupThatCannotBeKeptStopsOnlyThatWrite) {
    for (size_t i = 0; i < m_Bench.size(); ++i) {
        m_Bench[i]->m_Radio.m_Eeprom.fill(static_cast<uint8_t>(0x40 + i));
    }
    std::vector<CImageBytes> kept(m_Bench.size());
    SFleetHooks hooks;
    hooks.KeepBackup = [&](int index, const CImageBytes& before, std::string& error) {
        kept[static_cast<size_t>(index)] = before;
        error = index == 2 ? "the disk is full" : "";
        return index != 2;
    };
    CFleetTransfer fleet(m_Ports, hooks);
    fleet.StartWrite(m_Image, false);
    fleet.Join();
    EXPECT_EQ(kept[2][0], 0x42);
    EXPECT_EQ(m_Bench[2]->m_Radio.m_Eeprom[0], 0x42);  // never written
    EXPECT_EQ(fleet.m_Results[2].m_strFailure,
              "no backup of the radio could be kept (the disk is full), so nothing was written");
    EXPECT_EQ(kept[0][0], 0x40);
    EXPECT_EQ(m_Bench[0]->m_Radio.m_Eeprom, m_Written);
    EXPECT_EQ(fleet.m_Results[0].m_strVerify, "skipped");
}

TEST(FleetSummary, LinesUpTheColumns) {
    const std::vector<SFleetPort> ports = {{"COM17", 17, "", nullptr}, {"/dev/pts/4", 0, "", nullptr}};
    std::vector<SFleetResult> results(2);
    results[0].m_bOk = true;
    results[0].m_strFirmware = "1.2";
    results[0].m_strVerify = "verified";
    results[0].m_dSeconds = 9.84;
    results[1].m_strFailure = "Write Fail..!";
    results[1].m_dSeconds = 1.25;
    EXPECT_EQ(FleetSummaryText(ports, results),
              "Port        Firmware  Result  Seconds  Verify\n"
              "COM17       1.2       ok          9.8  verified\n"
              "/dev/pts/4  -         FAILED      1.2  -\n"
              "/dev/pts/4: Write Fail..!\n");
}

}  // namespace

// Three radios of one configuration, each with bytes of its own (service bytes, the chip flag, leftovers at
// unused addresses): the plan read from one of them, written to all three with the defaults, leaves every
// radio as it was at every address; a never-programmed fourth gets the plan whole.
TEST_F(FleetTransferTest, APlanWrittenOverRadiosOfItsConfigurationLeavesEachAsItWas) {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Uhf;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = doc.m_Channel[0].m_dTxFreq = 451.0;
    CEepromImage plan;
    plan.EncodeImage(doc);
    plan.m_Work[kVersionFirmwareByte] = 2;
    std::vector<CImageBytes> held;
    for (int i = 0; i < kRadios; ++i) {
        CImageBytes image = plan.m_Work;
        image[4] = static_cast<uint8_t>(image[4] | (i & 1));       // the chip flag
        image[0x0E] = static_cast<uint8_t>(0x30 + i);              // service byte 4
        image[0xBB] = static_cast<uint8_t>(0x11 * (i + 1));        // an unused address
        image[CoeffAddr(5) + 1] = static_cast<uint8_t>(0x40 + i);  // an old coefficient
        m_Bench[static_cast<size_t>(i)]->m_Radio.m_Eeprom = image;
        held.push_back(image);
    }
    m_Bench.push_back(std::make_unique<SBenchRadio>());
    m_Bench.back()->m_Radio.m_Eeprom.fill(0xFF);  // never programmed
    m_Ports.push_back({"COM30", 30, "/dev/ttyUSB9", &m_Bench.back()->m_Port});
    SRadioWrite job;
    job.m_Plan = plan.m_Work;
    job.m_Decided = plan.m_Decided;
    CFleetTransfer fleet(m_Ports, SFleetHooks());
    fleet.StartWrite(job);
    fleet.Join();
    ASSERT_TRUE(fleet.AllOk()) << FleetSummaryText(fleet.m_Ports, fleet.m_Results);
    for (int i = 0; i < kRadios; ++i) {
        EXPECT_EQ(m_Bench[static_cast<size_t>(i)]->m_Radio.m_Eeprom, held[static_cast<size_t>(i)]) << i;
        EXPECT_TRUE(fleet.m_Results[static_cast<size_t>(i)].m_bKeptOwn);
        EXPECT_EQ(fleet.m_Results[static_cast<size_t>(i)].m_strVerify, "verified");
    }
    EXPECT_EQ(m_Bench.back()->m_Radio.m_Eeprom, plan.m_Work);
    EXPECT_FALSE(fleet.m_Results.back().m_bKeptOwn);
}
