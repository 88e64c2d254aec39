// The write every program runs: read, merge the plan over the radio's own bytes, write, read back; and the
// restore of a backup. Against the simulated radio, with the radio's bytes compared at every address.

#include "RadioWrite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "EepromLayout.h"
#include "ImageMerge.h"
#include "SettingsFile.h"
#include "SimPort.h"

namespace {

// A KV310 VHF as a radio in the field holds it: a configuration, plus bytes of its own at addresses the
// layout keeps at 0, old two-tone coefficients of a channel without two-tone, the chip flag, service bytes.
CImageBytes FieldRadio() {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Vhf;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = doc.m_Channel[0].m_dTxFreq = 150.0;
    doc.m_Channel[0].m_nRxOption = kSigCtcss;
    doc.m_Channel[0].m_dRxCtcss = 100.0;
    doc.m_Channel[3].m_dRxFreq = doc.m_Channel[3].m_dTxFreq = 160.0;
    doc.m_ServiceBytes[12] = 0x7F;
    CEepromImage image;
    image.EncodeImage(doc);
    CImageBytes radio = image.m_Work;
    for (const int addr :
         {0x0B9, 0x0BB, 0x0BC, 0x0BD, 0x0BE, 0x00B, 0x00E, 0x00F, 0x012, 0x01A, 0x01B, 0x01C}) {
        radio[addr] = static_cast<uint8_t>(radio[addr] | (0x41 + addr % 7));
    }
    for (int k = 0; k < 10; ++k) {
        radio[CoeffAddr(3) + k] = static_cast<uint8_t>(0x10 + k);
    }
    radio[4] |= 0x01;
    radio[0x010] = 2;  // as the simulated firmware 1.2 takes it
    return radio;
}

// The radio's image read back into a record, through the settings file, as `read` and `write` carry it.
CDataRadioDoc ThroughSettingsFile(const CImageBytes& radio) {
    CEepromImage image;
    image.m_Work = radio;
    CDataRadioDoc read;
    image.DecodeImage(read);
    CDataRadioDoc loaded;
    EXPECT_TRUE(ApplySettingsFileBytes(loaded, SettingsFileBytes(read)));
    return loaded;
}

SRadioWrite PlanOf(CDataRadioDoc doc) {
    CEepromImage image;
    image.EncodeImage(doc);
    SRadioWrite job;
    job.m_Plan = image.m_Work;
    job.m_Decided = image.m_Decided;
    return job;
}

}  // namespace

TEST(RadioWrite, LeavesTheRadioAsItWasWhereThePlanChangesNothing) {
    const CImageBytes field = FieldRadio();
    CImageBytes blank{};
    blank.fill(0xFF);
    CDataRadioDoc other = ThroughSettingsFile(field);
    other.m_Channel[3].m_dRxFreq = 161.0;  // the technician's one change
    CDataRadioDoc uhf = other;
    uhf.m_nModel = kModelKv310Uhf;
    const struct {
        const char* name;
        CImageBytes radio;
        CDataRadioDoc plan;
        bool wholeImage;
        bool restore;
        bool fault;        // the radio refuses every request
        EWriteStep step;   // where it ends
        bool expectRadio;  // the radio then holds what it held (else the plan or backup, merged as said)
        int checks;        // calls of the model check
    } cases[] = {
        {"read and written back", field, ThroughSettingsFile(field), false, false, false, EWriteStep::Done,
         true, 1},
        {"one field changed", field, other, false, false, false, EWriteStep::Done, false, 1},
        {"never programmed", blank, other, false, false, false, EWriteStep::Done, false, 0},
        {"another model", field, uhf, false, false, false, EWriteStep::CheckRadio, true, 1},
        {"whole image", field, other, true, false, false, EWriteStep::Done, false, 1},
        {"restore", blank, other, false, true, false, EWriteStep::Done, false, 0},
        {"radio refuses the read", field, other, false, false, true, EWriteStep::ReadFirst, true, 0},
    };
    for (const auto& c : cases) {
        CRadioSimulator sim;
        sim.m_Eeprom = c.radio;
        sim.m_Faults.m_bRefuse = c.fault;
        CSimPort port(sim);
        CBlockTransfer transfer(port, STransferHooks());
        SRadioWrite job = PlanOf(c.plan);
        job.m_bWholeImage = c.wholeImage;
        job.m_bRestore = c.restore;
        if (c.restore) {
            job.m_Plan = field;  // the backup, sent as it stands
        }
        int checks = 0;
        std::vector<std::string> notices;
        SRadioWriteHooks hooks;
        hooks.CheckRadio = [&](const CImageBytes& radio, std::string& error) {
            ++checks;
            CEepromImage image;
            image.m_Work = radio;
            CDataRadioDoc doc;
            image.DecodeImage(doc);
            error = "another model";
            return doc.m_nModel == c.plan.m_nModel;
        };
        hooks.Notice = [&](const std::string& line) { notices.push_back(line); };
        const SRadioWriteResult result = RunRadioWrite(transfer, job, hooks);
        EXPECT_EQ(result.m_Step, c.step) << c.name;
        EXPECT_EQ(result.m_bOk, c.step == EWriteStep::Done) << c.name << ": " << result.m_strFailure;
        EXPECT_EQ(checks, c.checks) << c.name;
        EXPECT_EQ(result.m_bKeptOwn,
                  !c.wholeImage && !c.restore && c.radio != blank && c.step == EWriteStep::Done)
            << c.name;
        if (c.expectRadio) {
            EXPECT_EQ(sim.m_Eeprom, c.radio) << c.name;
            continue;
        }
        const bool merged = !c.wholeImage && !c.restore && c.radio != blank;
        CImageBytes want = c.restore ? field
                           : merged  ? MergeOverRadio(job.m_Plan, job.m_Decided, c.radio)
                                     : job.m_Plan;
        want[kVersionFirmwareByte] = 2;
        EXPECT_EQ(sim.m_Eeprom, want) << c.name;
        EXPECT_EQ(result.m_Sent, want) << c.name;
        EXPECT_TRUE(result.m_bVerified && result.m_Verify.m_bOk) << c.name;
        // only the bits the plan decides (and the checksum of the changed slot) moved
        for (int addr = 0; addr < kImageSize && merged; ++addr) {
            const uint8_t moved = static_cast<uint8_t>(sim.m_Eeprom[addr] ^ c.radio[addr]);
            if (addr != SlotAddr(3) + kSlotChecksum) {
                EXPECT_EQ(moved & ~job.m_Decided[addr], 0) << c.name << " at " << addr;
            }
        }
    }
}

TEST(RadioWrite, SaysWhenThePlanWritesOverTheRadiosServiceBytes) {
    const CImageBytes field = FieldRadio();
    CDataRadioDoc plan = ThroughSettingsFile(field);
    plan.m_ServiceBytes[13] = 0x80;
    CRadioSimulator sim;
    sim.m_Eeprom = field;
    sim.m_Eeprom[0x0B8] = 0x7F;
    CSimPort port(sim);
    CBlockTransfer transfer(port, STransferHooks());
    std::vector<std::string> notices;
    SRadioWriteHooks hooks;
    hooks.Notice = [&](const std::string& line) { notices.push_back(line); };
    ASSERT_TRUE(RunRadioWrite(transfer, PlanOf(plan), hooks).m_bOk);
    EXPECT_EQ(notices, std::vector<std::string>{"byte 0x0B8: the radio holds 7F, the plan writes 80"});
    EXPECT_EQ(sim.m_Eeprom[0x0B8], 0x80);

    CImageBytes backup = field;
    backup[kVersionFirmwareByte] = 3;
    EXPECT_EQ(RestoreFirmwareByteNote(backup, field),
              "byte 0x010: the backup holds 03, the radio's firmware takes 02 (every write sets it)");
    EXPECT_EQ(RestoreFirmwareByteNote(field, field), "");
}

namespace {

// Asks for a stop at its n-th wait after an enter frame (the read's is the first, the write's the second).
class CStoppingPort : public CSimPort {
public:
    CStoppingPort(CRadioSimulator& radio, std::atomic<bool>& stop, int atEnterWait)
        : CSimPort(radio), m_Stop(stop), m_nAt(atEnterWait) {}
    void WaitMs(int ms) override {
        if (ms == kWaitAfterEnterMs && ++m_nEnterWaits == m_nAt) {
            m_Stop = true;
        }
        CSimPort::WaitMs(ms);
    }
    int Frames(std::vector<uint8_t> frame) const {
        return static_cast<int>(std::count_if(m_Writes.begin(), m_Writes.end(),
                                              [&frame](const SPortWrite& w) { return w.m_Bytes == frame; }));
    }

private:
    std::atomic<bool>& m_Stop;
    int m_nAt;
    int m_nEnterWaits = 0;
};

}  // namespace

// Ctrl+C between the read and the first block: the radio is left as it was, and nothing says "partly
// written".
TEST(RadioWrite, AStopBeforeTheFirstBlockIsAStopBeforeTheWrite) {
    const CImageBytes field = FieldRadio();
    const struct {
        const char* name;
        bool inBackupHook;  // the stop comes while the backup is kept
        int atEnterWait;    // or while the radio enters programming mode for the write
        int enters;         // enter frames sent
        EWriteStep step;
    } cases[] = {
        {"while the backup is kept", true, 0, 1, EWriteStep::CheckRadio},
        {"while entering programming mode", false, 2, 2, EWriteStep::Write},
    };
    for (const auto& c : cases) {
        CRadioSimulator sim;
        sim.m_Eeprom = field;
        std::atomic<bool> stop{false};
        CStoppingPort port(sim, stop, c.atEnterWait);
        CBlockTransfer transfer(port, STransferHooks());
        transfer.m_pStop = &stop;
        SRadioWriteHooks hooks;
        hooks.KeepBackup = [&](const CImageBytes&, std::string&) {
            stop = stop || c.inBackupHook;
            return true;
        };
        const SRadioWriteResult result = RunRadioWrite(transfer, PlanOf(ThroughSettingsFile(field)), hooks);
        EXPECT_EQ(result.m_Step, c.step) << c.name;
        EXPECT_EQ(result.m_End, ETransferEnd::Cancelled) << c.name;
        EXPECT_EQ(result.m_nBlocksWritten, 0) << c.name;
        EXPECT_EQ(result.m_strFailure, kTextStoppedBeforeWrite) << c.name;
        EXPECT_EQ(sim.m_Eeprom, field) << c.name;
        EXPECT_EQ(port.Frames({0x87, 0x00, 0x87}), c.enters) << c.name;
        EXPECT_EQ(port.Frames({0x76, 0x57, 0xCD}), 0) << c.name << ": a write request went out";
        EXPECT_FALSE(port.m_bOpen) << c.name;
    }
}

TEST(RadioWrite, RestoresTheBackupAsItStandsOverARadioHoldingOtherBytes) {
    const CImageBytes backup = FieldRadio();
    CImageBytes radio = backup;
    radio[0x0B9] ^= 0x10;            // a byte of the radio's own
    radio[SlotAddr(3) + 1] ^= 0x04;  // and a channel's
    radio[0x021] = 0x5A;
    for (const bool given : {false, true}) {
        CRadioSimulator sim;
        sim.m_Eeprom = radio;
        CSimPort port(sim);
        CBlockTransfer transfer(port, STransferHooks());
        SRadioWrite job;
        job.m_Plan = backup;
        job.m_bRestore = true;
        job.m_bHaveRadio = given;
        job.m_Radio = radio;
        const SRadioWriteResult result = RunRadioWrite(transfer, job);
        EXPECT_TRUE(result.m_bOk) << given << ": " << result.m_strFailure;
        EXPECT_EQ(sim.m_Eeprom, backup) << given;
    }
}

TEST(RadioWrite, FailsWhenTheRadioReadsBackOtherBytesThanWentOut) {
    CRadioSimulator sim;
    sim.m_Eeprom = FieldRadio();
    sim.m_Faults.m_nWrongByteAddress = 0x021;
    CSimPort port(sim);
    CBlockTransfer transfer(port, STransferHooks());
    const SRadioWriteResult result = RunRadioWrite(transfer, PlanOf(ThroughSettingsFile(FieldRadio())));
    EXPECT_FALSE(result.m_bOk);
    EXPECT_EQ(result.m_Step, EWriteStep::Verify);
    EXPECT_EQ(result.m_End, ETransferEnd::Failed);
    EXPECT_EQ(result.m_nBlocksWritten, 26);
    EXPECT_EQ(result.m_strFailure.rfind("Verify failed: at 0x021 the radio holds 0x", 0), 0u)
        << result.m_strFailure;
}
