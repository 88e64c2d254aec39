#pragma once
// The radio's signalling tables and the arithmetic behind the EEPROM's frequency and tone fields:
// CTCSS and DCS codes, the synthesizer divider code, the transmit VCO band and the two-tone decoder's
// coefficients. Nothing here touches the image itself (EepromImage.cpp does).

#include <array>
#include <climits>
#include <cstdint>

constexpr int kCtcssTones = 49;
constexpr int kDcsCodes = 104;

// The radio's CTCSS list (Hz): the common 50-tone list without 165.5.
extern const std::array<double, kCtcssTones> kCtcssTable;
// The radio's DCS list, each code held as its octal digits read as a decimal number (023 is 23).
extern const std::array<int32_t, kDcsCodes> kDcsTable;

// Signalling codes of slot bytes 3 and 7.
constexpr int kCodeNone = 0;
constexpr int kCodeFirstCtcss = 1;     // 1-49
constexpr int kCodeFirstDcs = 50;      // 50-153
constexpr int kCodeTwoToneA = 0x9A;    // two-tone "Tone A"; 0x9B "Tone B", 0x9C "Both"
constexpr int kCodeUnknownCtcss = 49;  // a tone missing from the table is sent as the last one
constexpr int kCodeUnknownDcs = 104;   // sic: the radio gets this for a code missing from the table

// An exactly equal tone at index k gives k + 1; any other value gives 49.
int CtcssToCode(double hz);
// A code at index k gives k + 50; any other code gives 104.
int DcsToCode(int32_t dcs);
// The tone of a code 1-49; false (hz untouched) for any other code.
bool CodeToCtcss(int code, double& hz);
// The DCS code of a code 50-153; false (dcs untouched) for any other code.
bool CodeToDcs(int code, int32_t& dcs);

// Synthesizer steps.
// Step code (m_nStep) to step in Hz; the code is taken modulo 4, as its two step bits are.
int32_t StepHz(int step);
// The two step bits of slot byte 0 for a step code: 7.5 kHz 11, 6.25 kHz 10, 5 kHz 01, 2.5 kHz 00.
uint8_t StepBits(int step);
int StepFromBits(uint8_t bits);
// Whether the model row's synthesizer takes the step: rows 0 and 2 take all four, rows 1, 3 and 5 all but
// 2.5 kHz, row 4 all but 7.5 kHz.
bool RowAcceptsStep(int row, int step);

// Whether the model row's radio has the two-tone decoder (the KV310 rows 2 and 3 have none).
bool RowHasTwoTone(int row);

// The receiver's first IF as the synthesizer sees it, Hz: added to the receive frequency to get the
// synthesizer frequency (high-side injection on VHF, low-side on UHF; the KV330 uses 45.1 MHz).
int64_t ReceiveOffsetHz(int row);

// The synthesizer frequency in Hz of a channel frequency in MHz: the receive side adds the row's offset.
double SynthesizerHz(int row, double mhz, bool receive);
// Back from a divider count at a step code to the channel frequency in MHz the radio tunes.
double TunedMhz(int row, double count, int step, bool receive);

// The divider count of a synthesizer frequency in Hz at a step in Hz, rounded to the nearest count, before
// it is cut to the radio's 17 bits; kNoDividerCount for a frequency that is not a number or absurdly large.
int64_t FullDividerCount(double synthHz, int32_t stepHz);
constexpr int64_t kNoDividerCount = INT64_MIN;
// The 17-bit divider count the radio gets: the full count masked, 0 when there is none. So nothing
// outside the 17 bits is ever returned.
uint32_t DividerCount(double synthHz, int32_t stepHz);
constexpr uint32_t kDividerMask = 0x1FFFF;
constexpr int kDividerBits = 17;  // N: 11 bits, A: 6 bits

// Transmit VCO band 0, 1 or 2 for a transmit frequency in MHz.
int VcoBand(int row, double txMhz);

// The tone decoder's rounding: t = x * 1000 truncated; R = t / 10, plus one when t's last digit is 5 or more.
// So 100 * x rounded half up on its first decimal. Values too large for the radio's fields give 0.
int64_t RoundCoeff(double x);

// The two-tone tone decoder's coefficients for one tone. Offset is 20 for the groups "Tone A" and
// "Tone B", 25 for "Both".
struct STwoToneCoeff {
    uint16_t m_nX = 0;        // coefficient, 100 * K * 10000 / f rounded
    uint16_t m_nD = 0;        // duration count, duration / 2.048 ms less the offset
    uint8_t m_nK = 0;         // multiplier (six bits)
    uint8_t m_nTolLower = 0;  // lower tolerance
    uint8_t m_nTolUpper = 0;  // upper tolerance
};
int TwoToneMultiplier(double hz);
int TwoToneOffset(int group);
STwoToneCoeff TwoToneCoefficients(double hz, double durationMs, int offset);
// Back from the coefficient record: frequency in Hz with two truncated decimals (at least 300) and
// duration in ms (at least 100).
double TwoToneFrequency(uint16_t x, uint8_t kByte);
double TwoToneDuration(uint16_t d, int offset);
