#pragma once
// The channel page's frequency rules: the decimal point the page supplies while the user types digits,
// fitting a frequency to the synthesizer's step grid, the band check, and what happens when the user leaves
// an RX or TX field. The page itself only moves the texts, the focus and the messages these rules produce.
//
// Frequencies are MHz in the record and in the fields ("%.5f"); the grid tests work in Hz.

#include <string>
#include <vector>

#include "DataRadioDoc.h"

// Locale-free number texts: the fields always use a point, whatever the desktop's language.
// The leading numeric part of at most maxChars characters of text; empty or non-numeric gives 0.
double FieldTextToDouble(const std::string& text, size_t maxChars = 9);
// The decimal integer of the leading digits (a sign allowed) of at most maxChars characters; none gives 0.
long long FieldTextToInt(const std::string& text, size_t maxChars = 9);
// printf's "%*.*f": value with decimals places, right-aligned in width characters.
std::string FormatFixed(double value, int decimals, int width = 0);

constexpr int kFrequencyFieldChars = 9;

// The field's text after the user changed it, with the caret kept behind the same digit it followed.
struct SFrequencyText {
    std::string m_strText;
    int m_nCaret = 0;
    bool m_bChanged = false;
};
// Three characters with a point lose it; more than three without a point (or with the first point after the
// third character) get a single point after the third character. "1511" -> "151.1", "15." -> "15".
SFrequencyText NormaliseFrequencyText(const std::string& text, int caret);

// Step width in Hz of a step code (0 = 7.5 kHz, 1 = 6.25 kHz, 2 = 5 kHz, 3 = 2.5 kHz).
double StepWidthHz(int code);
// The step codes the model's synthesizer takes, in the order the fitting tries them.
std::vector<int> StepCodesOf(int model);
bool ModelTakesStep(int model, int code);
// True when hz is a whole number of steps of the code's width (exact double test, as the radio's tool did).
bool IsOnStepGrid(double hz, int code);

// The record's current sub-band limits, both inclusive; 0 MHz (unprogrammed) is never outside.
struct SBandLimits {
    double m_dLower = 0.0;
    double m_dUpper = 0.0;
    double Middle() const { return (m_dLower + m_dUpper) / 2.0; }
    bool IsOutside(double mhz) const { return mhz > m_dUpper || (mhz > 0.0 && mhz < m_dLower); }
    bool Contains(double mhz) const { return mhz >= m_dLower && mhz <= m_dUpper; }
};
SBandLimits CurrentBandLimits(const CDataRadioDoc& doc);

struct SFrequencyFit {
    double m_dValue = 0.0;  // MHz
    int m_nStep = kStep6250;
    bool m_bOutOfBand = false;
};
// RX fitted to a grid it shares with TX; failing that moved onto TX's grid, or (TX empty or on no grid of the
// model) onto the 6.25 kHz grid, in both cases onto an even number of steps.
SFrequencyFit ValidateRxFrequency(int model, const SBandLimits& band, double rxMhz, double txMhz);
// TX cut down onto the grid of the step it shares with RX, else of currentStep. The step returned is always
// one the model takes.
SFrequencyFit ValidateTxFrequency(int model, const SBandLimits& band, double rxMhz, double txMhz,
                                  int currentStep);

// Where the keyboard goes after leaving a field.
enum class ERowFocus { Unchanged, RxOption, TxOption };

// One channel row as the page shows it: the two field texts go in, the texts to show come out, together with
// the message to show (empty for none) and where the focus goes.
struct SRowEdit {
    std::string m_strRx;
    std::string m_strTx;
    std::string m_strMessage;
    ERowFocus m_Focus = ERowFocus::Unchanged;
};

// Leaving the RX or TX field of channel (1-16): fits and checks the row, writes the channel's frequencies
// and step into the record and the texts to show into row. Fields that hold what the record holds, on a
// grid of its step, are kept as they are, out of the band too (see OutOfBandNote).
void LeaveRxField(CDataRadioDoc& doc, int channel, SRowEdit& row);
void LeaveTxField(CDataRadioDoc& doc, int channel, SRowEdit& row);

// A channel (1-16) whose frequencies lie outside the record's band, as a file or a radio may hold them: the
// page shows it as it is and marks it, the write check stops at it. Empty when both are in the band.
// "Channel 3: 180.00000 MHz is outside 138–174 MHz"
std::string OutOfBandNote(const CDataRadioDoc& doc, int channel);

// A frequency as the fields show it: "%.5f", empty for 0 (not programmed).
std::string FrequencyFieldText(double mhz);
