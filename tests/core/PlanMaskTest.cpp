// The bits a configuration decides, checked on every address and bit, and the image a write sends.

#include "PlanMask.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "EepromLayout.h"
#include "Format.h"

namespace {

// A KV330 VHF with a two-tone channel 1, a CTCSS channel 2, power save and an FFSK modem on, hang-on off.
CDataRadioDoc BaseRecord() {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv330Vhf;
    doc.ResetToDefaults();
    for (int ch = 0; ch < 2; ++ch) {
        doc.m_Channel[ch].m_dRxFreq = 150.0 + ch;
        doc.m_Channel[ch].m_dTxFreq = 150.0 + ch;
        doc.m_Channel[ch].m_nStep = kStep5000;
    }
    doc.m_Channel[0].m_nRxOption = kSigTwoTone;
    doc.m_Channel[1].m_nRxOption = kSigCtcss;
    doc.m_bPowerSave = 1;
    doc.m_bHangOn = 0;
    doc.m_bModem = 1;
    doc.m_bModemGmsk = 0;
    doc.m_bModemFfsk = 1;
    return doc;
}

// The mask of BaseRecord, address by address; every address not named is the radio's own (0).
std::map<int, uint8_t> BaseMask() {
    std::map<int, uint8_t> mask = {
        {0, 0xFF},   {1, 0xFF},   {2, 0xFF},   {3, 0xFF},   {4, 0xF6},   {5, 0xFF},   {6, 0xFF},
        {7, 0xFF},   {8, 0xFF},   {9, 0xFF},   {10, 0xFF},  {11, 0x80},  {18, 0x80},  {19, 0xFF},
        {20, 0xFF},  {21, 0xFF},  {22, 0xFF},  {23, 0xFF},  {30, 0xFF},  {31, 0xFF},  {176, 0xFF},
        {177, 0xFF}, {178, 0xFF}, {179, 0xE0}, {181, 0x83}, {183, 0xFF}, {184, 0xFF}, {186, 0x01},
        {191, 0xFF}, {192, 0xFF}, {193, 0xFF}, {224, 0xFF}, {225, 0xFF},
    };
    const uint8_t programmed[9] = {0xF7, 0xFF, 0x3F, 0xFF, 0xF7, 0xFF, 0x3F, 0xFF, 0x00};
    for (int ch = 0; ch < kChannels; ++ch) {
        for (int k = 0; k < 9; ++k) {
            const uint8_t unprogrammed = k < 2 ? 0xFF : 0x00;
            const uint8_t m = ch < 2 ? programmed[k] : unprogrammed;
            if (m != 0) {
                mask[SlotAddr(ch) + k] = m;
            }
        }
    }
    for (int k = 0; k < 10; ++k) {
        mask[CoeffAddr(0) + k] = k < 8 ? 0xFF : 0x3F;
    }
    return mask;
}

}  // namespace

TEST(PlanMask, NamesEveryBitTheConfigurationDecidesAndNoOther) {
    const struct {
        const char* name;
        std::function<void(CDataRadioDoc&, CEepromImage&)> change;
        std::map<int, uint8_t> overrides;  // addresses whose mask differs from BaseMask
    } cases[] = {
        {"base", [](CDataRadioDoc&, CEepromImage&) {}, {}},
        {"switches off, GMSK, a KV310 VHF",
         [](CDataRadioDoc& d, CEepromImage&) {
             d.m_nModel = kModelKv310Vhf;  // no two-tone: its code byte is 0, its coefficients still go out
             d.m_bPowerSave = 0;
             d.m_bHangOn = 1;
             d.m_bModem = 0;
             d.m_bModemGmsk = 1;
         },
         {{6, 0x80}, {17, 0xFF}, {19, 0xF0}, {177, 0xBF}, {182, 0xDF}}},
        {"channel 1 without two-tone, channel 2 cleared, map edits",
         [](CDataRadioDoc& d, CEepromImage& image) {
             d.m_Channel[0].m_nRxOption = kSigNone;
             d.m_Channel[1].m_dRxFreq = 0.0;
             image.SetChangeByte(0x190, 0x00);  // a typed 0 is an edit too
             image.SetChangeByte(4, 0x5A);
         },
         {{192, 0},
          {193, 0},
          {224, 0},
          {225, 0},
          {256, 0},
          {257, 0},
          {258, 0},
          {259, 0},
          {260, 0},
          {261, 0},
          {262, 0},
          {263, 0},
          {264, 0},
          {265, 0},
          {SlotAddr(1) + 2, 0},
          {SlotAddr(1) + 3, 0},
          {SlotAddr(1) + 4, 0},
          {SlotAddr(1) + 5, 0},
          {SlotAddr(1) + 6, 0},
          {SlotAddr(1) + 7, 0},
          {SlotAddr(1), 0xFF},
          {0x190, 0xFF},
          {4, 0xFF}}},
    };
    for (const auto& c : cases) {
        CDataRadioDoc doc = BaseRecord();
        CEepromImage edits;
        c.change(doc, edits);
        std::map<int, uint8_t> expected = BaseMask();
        for (const auto& [addr, m] : c.overrides) {
            expected[addr] = m;
        }
        const CImageBytes mask = PlanMask(doc, &edits);
        for (int addr = 0; addr < kImageSize; ++addr) {
            const uint8_t want = expected.count(addr) != 0 ? expected[addr] : 0;
            for (int bit = 7; bit >= 0; --bit) {
                EXPECT_EQ((mask[addr] >> bit) & 1, (want >> bit) & 1)
                    << c.name << ": address " << StrPrintf("0x%03X", addr) << " bit " << bit << " ("
                    << DescribeImageByte(addr) << ")";
            }
        }
    }
}

// Whatever the radio holds, the merge takes the plan's bits where the mask says and the radio's elsewhere; a
// slot it changed gets its checksum again, an untouched one keeps the radio's.
TEST(PlanMask, MergeTakesThePlansBitsAndKeepsTheRadiosOwn) {
    CDataRadioDoc doc = BaseRecord();
    CEepromImage plan;
    plan.EncodeImage(doc);
    const CImageBytes mask = PlanMask(doc);
    std::mt19937 random(31);
    for (int round = 0; round < 50; ++round) {
        CImageBytes radio{};
        for (uint8_t& b : radio) {
            b = static_cast<uint8_t>(random());
        }
        // slot 5 as the plan has it (unprogrammed, with the radio's leftovers in bytes 2-8)
        radio[SlotAddr(5)] = radio[SlotAddr(5) + 1] = 0;
        const CImageBytes merged = MergeOverRadio(plan.m_Work, mask, radio);
        for (int addr = 0; addr < kImageSize; ++addr) {
            const bool checksum = addr >= kSlotBase && addr < kSlotBase + kChannels * kSlotSize &&
                                  (addr - kSlotBase) % kSlotSize == kSlotChecksum;
            if (!checksum) {
                ASSERT_EQ(merged[addr], (plan.m_Work[addr] & mask[addr]) | (radio[addr] & ~mask[addr]))
                    << StrPrintf("0x%03X", addr);
            }
        }
        for (int ch = 0; ch < kChannels; ++ch) {
            const uint8_t* slot = merged.data() + SlotAddr(ch);
            const bool untouched = std::equal(slot, slot + 8, radio.begin() + SlotAddr(ch));
            EXPECT_EQ(slot[8], untouched ? radio[SlotAddr(ch) + 8] : ChannelSlotChecksum(slot)) << ch;
        }
        EXPECT_EQ(merged[SlotAddr(5) + 8], radio[SlotAddr(5) + 8]);
    }
    // a radio never programmed has nothing of its own
    for (const uint8_t fill : {0x00, 0xFF}) {
        CImageBytes blank{};
        blank.fill(fill);
        EXPECT_TRUE(IsBlankImage(blank));
        EXPECT_EQ(MergeOverRadio(plan.m_Work, mask, blank), plan.m_Work);
    }
    CImageBytes almost{};
    almost[415] = 1;
    EXPECT_FALSE(IsBlankImage(almost));
}

TEST(PlanMask, PerRadioBytesThePlanChangesAreNamed) {
    CImageBytes radio{};
    CImageBytes sent{};
    radio[0xB8] = 0x7F;
    sent[0xB8] = 0x80;
    sent[0xB6] = radio[0xB6] = 0x25;
    sent[0x10] = 3;  // the firmware byte is no per-radio value the plan writes
    EXPECT_EQ(PerRadioByteChanges(sent, radio),
              std::vector<std::string>{"byte 0x0B8: the radio holds 7F, the plan writes 80"});
}

TEST(PlanMask, DecodingTakesTheSynthesizerChipFromByte4) {
    for (const uint8_t byte4 : {0x19, 0x18}) {
        CEepromImage image;
        image.m_Work[4] = byte4;
        image.m_Work[191] = 0x03;
        CDataRadioDoc doc;
        doc.m_nPllIc = 7;
        image.DecodeImage(doc);
        EXPECT_EQ(doc.m_nPllIc, byte4 & 1);
    }
}
