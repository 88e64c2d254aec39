// The image a write sends over a radio: the plan's decided bits, the radio's own everywhere else.

#include "ImageMerge.h"

#include <gtest/gtest.h>

#include <random>

#include "EepromLayout.h"
#include "Format.h"
#include "ImageMeaning.h"
#include "RandomRecord.h"

namespace {

// The slot checksum as the radio computes it, written out here rather than taken from the codec.
uint8_t SlotSum(const uint8_t* slot) {
    if (slot[0] == 0 && slot[1] == 0 && slot[2] == 0) {
        return 0;
    }
    unsigned sum = 0;
    for (int k = 0; k < 8; ++k) {
        sum += slot[k];
    }
    return static_cast<uint8_t>(0xFF - sum % 256);
}

bool IsChecksum(int addr) {
    return addr >= kSlotBase && addr < kSlotBase + kChannels * kSlotSize &&
           (addr - kSlotBase) % kSlotSize == kSlotChecksum;
}

}  // namespace

// For random plans over random radios of the same model (every byte random but the model byte), the image
// sent decodes to the plan in every field a settings file carries, empties the plan's empty channels, and
// differs from the radio only in the bits the encoder decided (and the checksums that follow from them).
TEST(ImageMerge, RandomPlansOverRandomRadiosDecodeToThePlanAndKeepTheRadiosOwnBits) {
    CRandomRecord random(4141);
    std::mt19937 bytes(99);
    for (int row = 2; row <= 5; ++row) {
        for (int n = 0; n < 60; ++n) {
            const CDataRadioDoc doc = random.Make(row);
            CEepromImage plan;
            CDataRadioDoc encoded = doc;
            plan.EncodeImage(encoded);
            CImageBytes radio{};
            for (uint8_t& b : radio) {
                b = static_cast<uint8_t>(bytes());
            }
            radio[kModelRow.m_nAddr] = plan.m_Work[kModelRow.m_nAddr];
            const CImageBytes sent = MergeOverRadio(plan.m_Work, plan.m_Decided, radio);
            const std::string where = StrPrintf("row %d plan %d", row, n);

            CEepromImage back;
            back.m_Work = sent;
            CDataRadioDoc decoded = DefaultRecord(row == 2 ? 3 : 2);
            back.DecodeImage(decoded);
            CDataRadioDoc expected = doc;
            for (int k = 0; k < 12; ++k) {  // the radio's calibration, which no settings file carries
                expected.m_ServiceBytes[k] = decoded.m_ServiceBytes[k];
            }
            expected.m_ServiceBytes[12] =
                static_cast<uint8_t>((doc.m_ServiceBytes[12] & ~0x20) | (radio[182] & 0x20));
            ExpectRecordSurvived(expected, decoded, where);
            EXPECT_EQ(MeaningDifferences(plan.m_Work, sent), std::vector<std::string>()) << where;
            EXPECT_EQ(decoded.m_nPllIc, radio[4] & 1) << where;  // the chip the radio carries

            for (int addr = 0; addr < kImageSize; ++addr) {
                if (!IsChecksum(addr)) {
                    ASSERT_EQ((sent[addr] ^ radio[addr]) & ~plan.m_Decided[addr], 0)
                        << where << StrPrintf(": 0x%03X outside the decided bits", addr);
                }
            }
            for (int ch = 0; ch < kChannels; ++ch) {
                const uint8_t* slot = sent.data() + SlotAddr(ch);
                if (doc.m_Channel[ch].m_dRxFreq == 0.0) {
                    EXPECT_EQ(std::vector<uint8_t>(slot, slot + 9), std::vector<uint8_t>(9, 0)) << where;
                } else {
                    EXPECT_EQ(slot[8], SlotSum(slot)) << where << " channel " << ch + 1;
                }
            }
            if (HasFailure()) {
                return;
            }
        }
    }
}

// A radio that held a CTCSS channel 3 (slot 0000240d4411170d55 once merged over) and a plan that leaves the
// channel empty: the slot goes out as nine zeros. The radio's divider bytes with bits 6-7 set are sent whole
// from the plan, so no frequency moves.
TEST(ImageMerge, AnEmptiedChannelIsNineZerosAndDividerBytesAreThePlansWhole) {
    CDataRadioDoc doc = DefaultRecord(kModelKv330Vhf);
    doc.m_Channel[0].m_dRxFreq = doc.m_Channel[0].m_dTxFreq = 150.0;
    CEepromImage plan;
    plan.EncodeImage(doc);
    CImageBytes radio = plan.m_Work;
    const uint8_t old[9] = {0x47, 0x3A, 0x24, 0x0D, 0x44, 0x11, 0x17, 0x0D, 0x55};
    std::copy(old, old + 9, radio.begin() + SlotAddr(2));
    radio[SlotAddr(0) + 2] |= 0xC0;
    radio[SlotAddr(0) + 6] |= 0xC0;
    const CImageBytes sent = MergeOverRadio(plan.m_Work, plan.m_Decided, radio);
    EXPECT_EQ(std::vector<uint8_t>(sent.begin() + SlotAddr(2), sent.begin() + SlotAddr(2) + 9),
              std::vector<uint8_t>(9, 0));
    EXPECT_EQ(sent[SlotAddr(0) + 2], plan.m_Work[SlotAddr(0) + 2]);
    EXPECT_EQ(sent[SlotAddr(0) + 6], plan.m_Work[SlotAddr(0) + 6]);
    EXPECT_EQ(sent[SlotAddr(0) + 8], SlotSum(sent.data() + SlotAddr(0)));
}

// What stays the radio's: service bytes 0-11, the chip flag, the constants and byte 16; what is the plan's
// although a switch is off: power save's delay and off time, hang time, the baud code, AFSK under GMSK.
TEST(ImageMerge, TheDecidedBitsAreThePlansFieldsAndNotTheRadiosOwnBytes) {
    CDataRadioDoc doc = DefaultRecord(kModelKv310Vhf);
    doc.m_bPowerSave = 0;
    doc.m_bHangOn = 0;
    doc.m_bModem = 0;
    doc.m_bModemGmsk = 1;
    CEepromImage plan;
    plan.EncodeImage(doc);
    const struct {
        uint16_t addr;
        uint8_t decided;
    } cases[] = {
        {0x004, 0xF6},  // scan delay, UHF, GPS; bit 3 always set and bit 0 the chip flag are the radio's
        {0x006, 0xFF},  // power save on, delay and off time, also while it is off
        {0x00B, 0x80},  // TX tone for data; service byte 2 is the radio's
        {0x00C, 0x00}, {0x00D, 0x00}, {0x00E, 0x00}, {0x00F, 0x00}, {0x010, 0x00},
        {0x011, 0xFF},  // hang time, also while hang-on is off
        {0x012, 0x80},  // hang-on beep; service byte 1 is the radio's
        {0x013, 0xFF},  // the modem byte with its baud code while the modem is off
        {0x018, 0x00}, {0x019, 0x00}, {0x01A, 0x00}, {0x01D, 0x00}, {0x0B1, 0xFF},  // AFSK under GMSK too
        {0x0B4, 0x00},                                                              // constant 0x40
        {0x0B6, 0xDF},                                               // service byte 12 but its constant bit 5
        {0x0B7, 0xFF}, {0x0B8, 0xFF}, {0x020, 0xFF}, {0x028, 0xFF},  // an empty slot, checksum included
    };
    for (const auto& c : cases) {
        EXPECT_EQ(plan.m_Decided[c.addr], c.decided) << StrPrintf("0x%03X", c.addr);
    }
    CEepromImage edited;
    edited.EncodeImage(doc);
    edited.SetChangeByte(0x00E, 0x31);  // a byte typed in the map is decided whole
    edited.ApplyChangeBytes();
    EXPECT_EQ(edited.m_Decided[0x00E], 0xFF);
}

TEST(ImageMerge, ARadioBlankButForAFewBytesGetsThePlanWhole) {
    CDataRadioDoc doc = DefaultRecord(kModelKv310Uhf);
    CEepromImage plan;
    plan.EncodeImage(doc);
    for (const uint8_t fill : {0x00, 0xFF}) {
        CImageBytes radio{};
        radio.fill(fill);
        radio[0x10] = 0x03;  // the firmware's byte
        for (int k = 0; k < kBlankImageStrays - 1; ++k) {
            radio[0x100 + k] = 0x5A;
        }
        EXPECT_TRUE(IsBlankImage(radio));
        EXPECT_EQ(MergeOverRadio(plan.m_Work, plan.m_Decided, radio), plan.m_Work);
        radio[0x150] = 0x5A;
        radio[0x151] = 0x5A;
        EXPECT_FALSE(IsBlankImage(radio)) << "a used radio";
    }
}

TEST(ImageMerge, PerRadioBytesThePlanChangesAreNamed) {
    CImageBytes radio{};
    CImageBytes sent{};
    radio[0xB8] = 0x7F;
    sent[0xB8] = 0x80;
    sent[0xB6] = radio[0xB6] = 0x25;
    sent[0x10] = 3;  // the firmware byte is no per-radio value the plan writes
    EXPECT_EQ(PerRadioByteChanges(sent, radio),
              std::vector<std::string>{"byte 0x0B8: the radio holds 7F, the plan writes 80"});
}

TEST(ImageMerge, ADifferenceInMeaningNamesTheField) {
    CDataRadioDoc doc = DefaultRecord(kModelKv330Vhf);
    doc.m_Channel[2].m_dRxFreq = doc.m_Channel[2].m_dTxFreq = 151.0125;
    doc.m_Channel[2].m_nStep = kStep6250;
    CEepromImage plan;
    plan.EncodeImage(doc);
    CImageBytes radio = plan.m_Work;
    radio[SlotAddr(2) + 1] = static_cast<uint8_t>(radio[SlotAddr(2) + 1] + 1);  // 64 steps up: 400 kHz
    EXPECT_EQ(MeaningDifferences(plan.m_Work, radio),
              std::vector<std::string>{"Channel 3 RX: plan 151.01250, radio 151.41250"});
}

TEST(ImageMerge, DecodingTakesTheSynthesizerChipFromByte4) {
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
