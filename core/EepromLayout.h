#pragma once
// Where every setting lives in the radio's 416-byte EEPROM image. Multi-byte values are little-endian.
//
//   0x000  0  flags: 7 busy-port squelch, 6 hang-on, 5 TX time-out, 4 TX delay, 3 busy lockout,
//              2 TX on matched signalling, 1 GPS, 0 any channel scans
//   0x001  1  TX time-out                  0x002-3  scan bit per channel (0-7, 8-15)
//   0x004  4  7-4 scan delay, 3 always, 2 UHF, 1 GPS, 0 PLL IC
//   0x005  5  scan speed                   0x006  power save: 7 on, 6-4 delay, 3-0 off time
//   0x007  7  power-save on time
//   0x008-9   programmed bit per channel  0x00A  3-0 first, 7-4 last programmed channel
//   0x00B  11 7 TX tone for data, 6-0 service byte 2     0x00C-0x00F  0x23, 0x1D, service bytes 4, 5
//   0x010  16 service byte 0 (the write puts the firmware's value here)
//   0x011  17 hang-on time code                      0x012  7 hang-on beep, 6-0 service byte 1
//   0x013  19 modem: 7 GMSK, 6 TX forcing, 5 dumb mode, 4 modem on, 3-0 baud code
//   0x014-7   TX on time, TX off delay, RX on delay, GPS delay
//   0x018-0x01D  0x11, 0x0F, service bytes 8-11          0x01E-F  GPS TX time, GPS cycle
//   0x020-0x0AF  16 channel slots of 9 bytes (below)
//   0x0B0 176 7-4 preamble, 3-0 base block size          0x0B1 177 7 Bell 202, 6 AFSK, 5-4 start bit
//              errors, 3-0 wait busy                     0x0B2 178 7-4 TX delay 1, 3 KV310 UHF, 2 init
//              data for HT, 1-0 flow control             0x0B3 179 7-5 TX delay 2
//   0x0B4-0x0BA  0x40, squelch/base block/model bits, service byte 12, VHF 0xFF, service byte 13, 0,
//                external modulation                     0x0BF 191 7-4 sub-band, 3-0 model row
//   0x0C0-0x0DF  tone A tolerances, 2 per channel (lower, upper)
//   0x0E0-0x0FF  tone B tolerances
//   0x100-0x19F  two-tone coefficient records, 10 per channel
//
// Channel slot: 0 7-6 step bits, 5 narrow, 4 high power, 2-0 RX divider N 10-8 · 1 RX N 7-0 ·
// 2 RX swallow A · 3 RX signalling code · 4 7 RX DCS, 6 RX CTCSS, 5-4 VCO band, 2-0 TX N 10-8 ·
// 5 TX N 7-0 · 6 TX A · 7 TX signalling code · 8 checksum.
// Coefficient record: 0 X_A, 2 D_A, 4 X_B, 6 D_B (16 bits each), 8 K_A, 9 K_B.
//
// How each system and modem field holds its setting (scale and offset, the record's member) is in one table,
// ImageFields(): the encoder, the decoder and the map's names all read it.

#include <cstdint>
#include <span>
#include <string>

#include "DataRadioDoc.h"
#include "TextMark.h"

// Every field carries the name the EEPROM map shows in a cell's tool-tip, marked to be looked up there.
// A bit field of the image: address, lowest bit and width.
struct SBits {
    uint16_t m_nAddr;
    uint8_t m_nShift;
    uint8_t m_nWidth;
    const char* m_pszName;
};
// A one-bit flag.
struct SFlag {
    uint16_t m_nAddr;
    uint8_t m_nBit;
    const char* m_pszName;
};
// Whole bytes: m_nCount of them from m_nAddr (two for a little-endian 16-bit value). Used as the address.
struct SByte {
    uint16_t m_nAddr;
    const char* m_pszName;
    uint8_t m_nCount = 1;
    constexpr operator uint16_t() const { return m_nAddr; }
};

constexpr uint8_t Bit(int bit) {
    return static_cast<uint8_t>(1u << bit);
}

// System bytes
constexpr SFlag kBusyPortSquelch{0, 7, KV310_TEXT("Messages", "busy-port squelch")};
constexpr SFlag kHangOnFlag{0, 6, KV310_TEXT("Messages", "hang-on")};
constexpr SFlag kTxTimeOutFlag{0, 5, KV310_TEXT("Messages", "TX time-out on")};
constexpr SFlag kTxDelayFlag{0, 4, KV310_TEXT("Messages", "TX delay")};
constexpr SFlag kBusyLockoutFlag{0, 3, KV310_TEXT("Messages", "busy channel lockout")};
constexpr SFlag kTxMatchedSatFlag{0, 2, KV310_TEXT("Messages", "TX on matched signalling")};
constexpr SFlag kGpsFlagInFlags{0, 1, KV310_TEXT("Messages", "GPS")};
constexpr SFlag kAnyScanFlag{0, 0, KV310_TEXT("Messages", "any channel scans")};
constexpr SBits kTxTimeOut{1, 0, 8, KV310_TEXT("Messages", "TX time-out")};
constexpr SByte kScanLow{2, KV310_TEXT("Messages", "scan list, channels 1-8")};    // channels 0-7
constexpr SByte kScanHigh{3, KV310_TEXT("Messages", "scan list, channels 9-16")};  // channels 8-15
constexpr SBits kScanDelay{4, 4, 4, KV310_TEXT("Messages", "scan delay")};
constexpr SFlag kAlwaysSet4{4, 3, KV310_TEXT("Messages", "always set")};
constexpr SFlag kUhfFlag{4, 2, KV310_TEXT("Messages", "UHF model")};
constexpr SFlag kGpsFlag{4, 1, KV310_TEXT("Messages", "GPS")};
constexpr SFlag kPllIcFlag{4, 0, KV310_TEXT("Messages", "PLL IC MB15A02SL")};
constexpr SBits kScanSpeed{5, 0, 8, KV310_TEXT("Messages", "scan speed")};
constexpr SFlag kPowerSaveFlag{6, 7, KV310_TEXT("Messages", "power save on")};
constexpr SBits kPowerSaveDelay{6, 4, 3, KV310_TEXT("Messages", "power-save delay")};
constexpr SBits kPowerSaveOffTime{6, 0, 4, KV310_TEXT("Messages", "power-save off time")};
constexpr SBits kPowerSaveOnTime{7, 0, 8, KV310_TEXT("Messages", "power-save on time")};
constexpr SByte kProgrammedLow{8, KV310_TEXT("Messages", "programmed channels 1-8")};
constexpr SByte kProgrammedHigh{9, KV310_TEXT("Messages", "programmed channels 9-16")};
constexpr SBits kFirstChannel{10, 0, 4, KV310_TEXT("Messages", "first programmed channel")};
constexpr SBits kLastChannel{10, 4, 4, KV310_TEXT("Messages", "last programmed channel")};
constexpr SFlag kTxToneForDataFlag{11, 7, KV310_TEXT("Messages", "TX tone for data")};
constexpr SBits kService2{11, 0, 7, KV310_TEXT("Messages", "service byte 2")};
constexpr SByte kConst12{12, KV310_TEXT("Messages", "constant 0x23")};
constexpr SByte kService3{13, KV310_TEXT("Messages", "service byte 3 (0x1D)")};
constexpr SByte kService4{14, KV310_TEXT("Messages", "service byte 4")};
constexpr SByte kService5{15, KV310_TEXT("Messages", "service byte 5")};
constexpr SByte kFirmwareByte{
    16, KV310_TEXT("Messages", "service byte 0 (set by the firmware version on a write)")};  // service byte 0
constexpr SBits kHangOnCode{17, 0, 8, KV310_TEXT("Messages", "hang-on")};
constexpr SFlag kHangOnBeepFlag{18, 7, KV310_TEXT("Messages", "hang-on beep")};
constexpr SBits kService1{18, 0, 7, KV310_TEXT("Messages", "service byte 1")};
constexpr SFlag kGmskFlag{19, 7, KV310_TEXT("Messages", "GMSK modem")};
constexpr SFlag kTxForcingFlag{19, 6, KV310_TEXT("Messages", "TX forcing")};
constexpr SFlag kDumbModeFlag{19, 5, KV310_TEXT("Messages", "dumb mode")};
constexpr SFlag kModemFlag{19, 4, KV310_TEXT("Messages", "modem on")};
constexpr SBits kBaudCode{19, 0, 4, KV310_TEXT("Messages", "baud code")};
constexpr SBits kTxOnTime{20, 0, 8, KV310_TEXT("Messages", "TX on time")};
constexpr SBits kTxOffDelay{21, 0, 8, KV310_TEXT("Messages", "TX off delay")};
constexpr SBits kRxOnDelay{22, 0, 8, KV310_TEXT("Messages", "RX on delay")};
constexpr SBits kGpsDelay{23, 0, 8, KV310_TEXT("Messages", "GPS delay")};
constexpr SByte kService6{24, KV310_TEXT("Messages", "service byte 6 (0x11)")};
constexpr SByte kService7{25, KV310_TEXT("Messages", "service byte 7 (0x0F)")};
constexpr SByte kService8{26, KV310_TEXT("Messages", "service bytes 8-11"),
                          4};  // service bytes 8-11 at 26-29
constexpr SBits kGpsTxTime{30, 0, 8, KV310_TEXT("Messages", "GPS TX time")};
constexpr SBits kGpsCycle{31, 0, 8, KV310_TEXT("Messages", "GPS cycle")};

// Channel slots
constexpr uint16_t kSlotBase = 32;
constexpr int kSlotSize = 9;
constexpr SBits kSlotStepBits{0, 6, 2, KV310_TEXT("Messages", "step")};
constexpr SFlag kSlotNarrowFlag{0, 5, KV310_TEXT("Messages", "narrow")};
constexpr SFlag kSlotHighPowerFlag{0, 4, KV310_TEXT("Messages", "high power")};
constexpr SBits kSlotRxNHigh{0, 0, 3, KV310_TEXT("Messages", "RX divider N bits 10-8")};
constexpr SBits kSlotRxNLow{1, 0, 8, KV310_TEXT("Messages", "RX divider N bits 7-0")};
constexpr SBits kSlotRxA{2, 0, 6, KV310_TEXT("Messages", "RX swallow count A")};
constexpr SByte kSlotRxCode{3, KV310_TEXT("Messages", "RX signalling code")};
constexpr SFlag kSlotRxDcsFlag{4, 7, KV310_TEXT("Messages", "RX DCS")};
constexpr SFlag kSlotRxCtcssFlag{4, 6, KV310_TEXT("Messages", "RX CTCSS")};
constexpr SBits kSlotVcoBand{4, 4, 2, KV310_TEXT("Messages", "TX VCO band")};
constexpr SBits kSlotTxNHigh{4, 0, 3, KV310_TEXT("Messages", "TX divider N bits 10-8")};
constexpr SBits kSlotTxNLow{5, 0, 8, KV310_TEXT("Messages", "TX divider N bits 7-0")};
constexpr SBits kSlotTxA{6, 0, 6, KV310_TEXT("Messages", "TX swallow count A")};
constexpr SByte kSlotTxCode{7, KV310_TEXT("Messages", "TX signalling code")};
constexpr SByte kSlotChecksum{8, KV310_TEXT("Messages", "slot checksum")};

// Modem timing and model bytes
constexpr SBits kPreambleSize{176, 4, 4, KV310_TEXT("Messages", "preamble size")};
constexpr SBits kBaseBlockSize{176, 0, 4, KV310_TEXT("Messages", "base block size")};
constexpr SFlag kBell202Flag{177, 7, KV310_TEXT("Messages", "AFSK Bell 202")};
constexpr SFlag kAfskFlag{177, 6, KV310_TEXT("Messages", "AFSK modem")};
constexpr SBits kStartBitErrors{177, 4, 2, KV310_TEXT("Messages", "start bit errors")};
constexpr SBits kWaitBusyTime{177, 0, 4, KV310_TEXT("Messages", "wait busy time")};
constexpr SBits kTxDelayTime1{178, 4, 4, KV310_TEXT("Messages", "TX delay time 1")};
constexpr SFlag kKv310UhfFlag{178, 3, KV310_TEXT("Messages", "KV310 UHF")};
constexpr SFlag kInitDataForHtFlag{178, 2, KV310_TEXT("Messages", "init data for HT")};
constexpr SBits kFlowControl{178, 0, 2, KV310_TEXT("Messages", "flow control")};
constexpr SBits kTxDelayTime2{179, 5, 3, KV310_TEXT("Messages", "TX delay time 2")};
constexpr SByte kConst180{180, KV310_TEXT("Messages", "constant 0x40")};
constexpr SFlag kBaseBlockFlag{181, 7, KV310_TEXT("Messages", "base block")};
constexpr uint8_t kAlwaysSet181 = 0x64;  // bits 6, 5 and 2
constexpr SFlag kSquelchOffFlag{181, 1, KV310_TEXT("Messages", "squelch off")};
constexpr SFlag kKv310Flag{181, 0, KV310_TEXT("Messages", "KV310")};
constexpr SByte kService12{182, KV310_TEXT("Messages", "service byte 12")};
constexpr SByte kVhfByte{183, KV310_TEXT("Messages", "VHF model (0xFF)")};
constexpr SByte kService13{184, KV310_TEXT("Messages", "service byte 13")};
constexpr SFlag kExternalModulationFlag{186, 0, KV310_TEXT("Messages", "external modulation")};
constexpr SBits kModelRow{191, 0, 4, KV310_TEXT("Messages", "model row")};
constexpr SBits kSubBand{191, 4, 4, KV310_TEXT("Messages", "sub-band")};

// Two-tone data
constexpr SByte kToneATolBase{
    192, KV310_TEXT("Messages", "tone A tolerance")};  // lower at 192 + 2i, upper at 193 + 2i
constexpr SByte kToneBTolBase{224, KV310_TEXT("Messages", "tone B tolerance")};
constexpr SByte kCoeffBase{256, KV310_TEXT("Messages", "two-tone coefficients")};
constexpr int kCoeffSize = 10;
constexpr SByte kCoeffXA{0, KV310_TEXT("Messages", "tone A coefficient X_A"), 2};
constexpr SByte kCoeffDA{2, KV310_TEXT("Messages", "tone A duration count D_A"), 2};
constexpr SByte kCoeffXB{4, KV310_TEXT("Messages", "tone B coefficient X_B"), 2};
constexpr SByte kCoeffDB{6, KV310_TEXT("Messages", "tone B duration count D_B"), 2};
constexpr SByte kCoeffKA{8, KV310_TEXT("Messages", "tone A multiplier K_A")};
constexpr SByte kCoeffKB{9, KV310_TEXT("Messages", "tone B multiplier K_B")};

constexpr uint16_t SlotAddr(int channel) {
    return static_cast<uint16_t>(kSlotBase + kSlotSize * channel);
}
constexpr uint16_t CoeffAddr(int channel) {
    return static_cast<uint16_t>(kCoeffBase + kCoeffSize * channel);
}

// How a field holds a number of the record: field = (value / m_nPer - m_nOffset) / m_nDiv, in whole numbers
// cut toward zero; a read gives value = (field * m_nDiv + m_nOffset) * m_nPer.
struct SScale {
    int m_nPer = 1;
    int m_nOffset = 0;
    int m_nDiv = 1;
};

// What the encoder and the decoder do with a field of the table.
enum class EFieldRule : uint8_t {
    Own,     // written and read by code of its own (service bytes, channel bits, model bits, modem type)
    Number,  // m_pMember through m_Scale
    NumberOrNone,  // as Number, but 0 (none) stays 0 both ways
    Flag,          // m_pMember not 0 sets the bit; a read gives 1 or 0
    FlagBit,       // as Flag, but a read gives the bit's own value (4 for bit 2)
    FlagOff,       // set while m_pMember is 0; a read gives 0 when set, else 1
    Copy,          // as Flag when written; never read (the radio acts on the other copy)
};

// One field of the system and modem area: where it lies, how it holds its setting and what the map calls it.
struct SImageField {
    SBits m_Bits;  // whole bytes have a width of 8 and m_nCount of them
    uint8_t m_nCount = 1;
    EFieldRule m_eRule = EFieldRule::Own;
    int32_t CDataRadioDoc::*m_pMember = nullptr;
    SScale m_Scale{};
    int32_t CDataRadioDoc::*m_pOnlyIf = nullptr;  // written only while this member is not 0
    const char* m_pszWhat = "";                   // the map's name: m_pszWhat, the scale's formula, m_pszUnit
    const char* m_pszUnit = "";
};

// The system and modem fields in address order; channel slots and two-tone records are not in it.
std::span<const SImageField> ImageFields();
// The table's row for the field at bits' address and lowest bit.
const SImageField& ImageField(SBits bits);
// A record value into its field (before masking), and a field back into the value.
int64_t ScaledToField(const SScale& scale, int64_t value);
int32_t ScaledFromField(const SScale& scale, int32_t field);
// The map's name of a field: "(scan speed - 10) / 10", "TX time-out / 10 s".
std::string ImageFieldName(const SImageField& field);

// What the byte at address holds, for people reading the map: "Channel 3: RX divider N bits 7-0",
// "Flags: busy-port squelch (bit 7), hang-on (bit 6), ...", "Channel 1 two-tone: tone A coefficient X_A (low
// byte)". Built from the fields above; an address no field covers is "Unused (always 0)".
std::string DescribeImageByte(int address);
