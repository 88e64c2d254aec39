#include <gtest/gtest.h>

#include "EepromImage.h"
#include "EepromLayout.h"
#include "EepromMap.h"

namespace {

TEST(EepromMap, DescribesEveryKindOfByteFromTheLayout) {
    const struct {
        int m_nAddress;
        const char* m_pszText;
    } cases[] = {
        {0,
         "Flags: busy-port squelch (bit 7), hang-on (bit 6), TX time-out on (bit 5), TX delay (bit 4), busy "
         "channel lockout (bit 3), TX on matched signalling (bit 2), GPS (bit 1), any channel scans (bit 0)"},
        {1, "TX time-out / 10 s"},
        {4,
         "Scan delay + 1 (bits 7-4), always set (bit 3), UHF model (bit 2), GPS (bit 1), PLL IC MB15A02SL "
         "(bit "
         "0)"},
        {5, "(scan speed - 10) / 10"},
        {6, "Power save on (bit 7), power-save delay (bits 6-4), (power-save off time - 30) / 20 (bits 3-0)"},
        {7, "(power-save on time - 20) / 10"},
        {17, "Hang-on time code (hang-on / 2 - 90) / 5"},
        {20, "TX on time / 2"},
        {23, "(GPS delay - 50) / 10"},
        {31, "GPS cycle + 1"},
        {176, "Preamble size (bits 7-4), base block size + 1 (bits 3-0)"},
        {27, "Service bytes 8-11 (byte 2 of 4)"},
        {32,
         "Channel 1: step (bits 7-6), narrow (bit 5), high power (bit 4), RX divider N bits 10-8 (bits 2-0)"},
        {32 + 9 + 1, "Channel 2: RX divider N bits 7-0"},
        {175, "Channel 16: slot checksum"},
        {184, "Service byte 13"},
        {185, "Unused (always 0)"},
        {191, "Model row + 1 (bits 3-0), sub-band (bits 7-4)"},
        {193, "Channel 1: tone A tolerance, upper"},
        {226, "Channel 2: tone B tolerance, lower"},
        {256 + 10 * 2 + 1, "Channel 3 two-tone: tone A coefficient X_A (high byte)"},
        {415, "Channel 16 two-tone: tone B multiplier K_B"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescribeImageByte(c.m_nAddress), c.m_pszText) << c.m_nAddress;
    }
    for (int address = 0; address < kImageSize; ++address) {
        EXPECT_FALSE(DescribeImageByte(address).empty()) << address;
    }
}

// Each number of the table goes into its bits through its scale and comes back: the lowest, the next and the
// highest field value (a field whose 0 means none has no 1).
TEST(EepromMap, EveryScaledFieldOfTheTableCarriesItsValueBothWays) {
    for (const SImageField& field : ImageFields()) {
        if (field.m_eRule != EFieldRule::Number && field.m_eRule != EFieldRule::NumberOrNone) {
            continue;
        }
        const int32_t highest = (1 << field.m_Bits.m_nWidth) - 1;
        const bool none = field.m_eRule == EFieldRule::NumberOrNone;
        for (const int32_t bits : {none ? 2 : 0, none ? 3 : 1, highest}) {
            CDataRadioDoc doc;
            if (field.m_pOnlyIf != nullptr) {
                doc.*field.m_pOnlyIf = 1;
            }
            const int32_t value = ScaledFromField(field.m_Scale, bits);
            doc.*field.m_pMember = value;
            CEepromImage image;
            image.EncodeImage(doc);
            const int32_t stored = image.m_Work[field.m_Bits.m_nAddr] >> field.m_Bits.m_nShift & highest;
            EXPECT_EQ(stored, bits) << ImageFieldName(field) << " = " << value;
            CDataRadioDoc back;
            image.DecodeImage(back);
            EXPECT_EQ(back.*field.m_pMember, value) << ImageFieldName(field);
        }
    }
}

TEST(EepromMap, ReadsTheAccessCodeFromItsLeadingDigits) {
    EXPECT_EQ(AccessCodeFromText("7259"), kAccessCode);
    EXPECT_EQ(AccessCodeFromText("7259x"), kAccessCode);
    EXPECT_EQ(AccessCodeFromText(""), 0);
    EXPECT_EQ(AccessCodeFromText("x7259"), 0);
    EXPECT_EQ(AccessCodeFromText("1234567899999"), 123456789);  // only the first 9 characters count
}

TEST(EepromMap, TakesOneOrTwoHexadecimalDigits) {
    const struct {
        const char* m_pszText;
        EHexInput m_Result;
        uint8_t m_nValue;
    } cases[] = {{"", EHexInput::Empty, 0x55},  {"a", EHexInput::Ok, 0x0A},  {"7F", EHexInput::Ok, 0x7F},
                 {"00", EHexInput::Ok, 0x00},   {"G", EHexInput::Bad, 0x55}, {"7g", EHexInput::Bad, 0x55},
                 {"123", EHexInput::Bad, 0x55}, {" 1", EHexInput::Bad, 0x55}};
    for (const auto& c : cases) {
        uint8_t value = 0x55;
        EXPECT_EQ(ParseHexByte(c.m_pszText, value), c.m_Result) << c.m_pszText;
        EXPECT_EQ(value, c.m_nValue) << c.m_pszText;
    }
}

TEST(EepromMap, NamesCellAddressesAndSlotSteps) {
    EXPECT_EQ(MapAddress(12, 9), 184);
    EXPECT_EQ(MapAddressText(12, 9), "0xb8");
    EXPECT_EQ(MapAddressText(26, 16), "0x19f");
    CImageBytes image{};
    image[32] = 0x80;       // channel 1: 6.25 kHz
    image[32 + 9] = 0xC0;   // channel 2: 7.5 kHz
    image[32 + 18] = 0x40;  // channel 3: 5 kHz
    const std::vector<std::string> steps = SlotStepTexts(image);
    ASSERT_EQ(steps.size(), 16u);
    EXPECT_EQ(steps[0], "6.25");
    EXPECT_EQ(steps[1], "7.50");
    EXPECT_EQ(steps[2], "5.00");
    EXPECT_EQ(steps[15], "2.50");
}

TEST(EepromMap, AnAcceptedEditIsKeptPendingEvenWhenItIsZero) {
    CEepromImage image;
    CDataRadioDoc doc;
    image.m_Work.fill(0x11);
    AcceptMapEdit(image, doc, 184, 0x7F);
    AcceptMapEdit(image, doc, 40, 0x00);
    EXPECT_EQ(doc.m_ServiceBytes[13], 0x7F);
    EXPECT_EQ(doc.m_ServiceBytes[12], 0x11);  // taken from byte 182
    image.m_Work.fill(0x22);                  // a fresh encoding
    image.ApplyChangeBytes();
    EXPECT_EQ(image.m_Work[184], 0x7F);
    EXPECT_EQ(image.m_Work[40], 0x00);  // both edits reach the write, the zero too
    EXPECT_EQ(image.m_Work[41], 0x22);
    image.ClearChangeBytes();
    image.m_Work.fill(0x22);
    image.ApplyChangeBytes();
    EXPECT_EQ(image.m_Work[40], 0x22);
}

}  // namespace
