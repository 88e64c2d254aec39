#include "Tones.h"

#include <cmath>

#include "DataRadioDoc.h"

const std::array<double, kCtcssTones> kCtcssTable = {
    67.0,  69.3,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,  94.8,  97.4,  100.0,
    103.5, 107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7,
    159.8, 162.2, 167.9, 171.3, 173.8, 177.3, 179.9, 183.5, 186.2, 189.9, 192.8, 196.6, 199.5,
    203.5, 206.5, 210.7, 218.1, 225.7, 229.1, 233.6, 241.8, 250.3, 254.1};

const std::array<int32_t, kDcsCodes> kDcsTable = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

int CtcssToCode(double hz) {
    for (int k = 0; k < kCtcssTones; ++k) {
        if (kCtcssTable[k] == hz) {
            return k + kCodeFirstCtcss;
        }
    }
    return kCodeUnknownCtcss;
}

int DcsToCode(int32_t dcs) {
    for (int k = 0; k < kDcsCodes; ++k) {
        if (kDcsTable[k] == dcs) {
            return k + kCodeFirstDcs;
        }
    }
    return kCodeUnknownDcs;
}

bool CodeToCtcss(int code, double& hz) {
    if (code < kCodeFirstCtcss || code >= kCodeFirstCtcss + kCtcssTones) {
        return false;
    }
    hz = kCtcssTable[code - kCodeFirstCtcss];
    return true;
}

bool CodeToDcs(int code, int32_t& dcs) {
    if (code < kCodeFirstDcs || code >= kCodeFirstDcs + kDcsCodes) {
        return false;
    }
    dcs = kDcsTable[code - kCodeFirstDcs];
    return true;
}

int32_t StepHz(int step) {
    static constexpr int32_t kStepHz[4] = {7500, 6250, 5000, 2500};
    return kStepHz[step & 3];
}

uint8_t StepBits(int step) {
    return static_cast<uint8_t>(3 - (step & 3));
}

int StepFromBits(uint8_t bits) {
    return 3 - (bits & 3);
}

bool RowAcceptsStep(int row, int step) {
    if (step < kStep7500 || step > kStep2500) {
        return false;
    }
    if (row == kModelKv330Vhf) {
        return step != kStep7500;
    }
    if (!IsVhfRow(row)) {
        return step != kStep2500;
    }
    return true;
}

bool RowHasTwoTone(int row) {
    return row == 0 || row == 1 || row == kModelKv330Vhf || row == kModelKv330Uhf;
}

int64_t ReceiveOffsetHz(int row) {
    const int64_t offset = (row == kModelKv330Vhf || row == kModelKv330Uhf) ? 45100000 : 45000000;
    return IsVhfRow(row) ? offset : -offset;
}

double SynthesizerHz(int row, double mhz, bool receive) {
    return mhz * 1000000.0 + (receive ? static_cast<double>(ReceiveOffsetHz(row)) : 0.0);
}

double TunedMhz(int row, double count, int step, bool receive) {
    return (count * StepHz(step) - (receive ? static_cast<double>(ReceiveOffsetHz(row)) : 0.0)) / 1000000.0;
}

int64_t FullDividerCount(double synthHz, int32_t stepHz) {
    const double count = std::nearbyint(synthHz / stepHz);
    // a frequency far outside any band (a settings file is loaded unchecked) must not become undefined
    // behaviour on the way to the 17 bits the radio has for it
    if (!std::isfinite(count) || std::fabs(count) > 1e15) {
        return kNoDividerCount;
    }
    return static_cast<int64_t>(count);
}

uint32_t DividerCount(double synthHz, int32_t stepHz) {
    const int64_t count = FullDividerCount(synthHz, stepHz);
    return count == kNoDividerCount ? 0 : static_cast<uint32_t>(count) & kDividerMask;
}

int VcoBand(int row, double txMhz) {
    const double low = IsVhfRow(row) ? 157.0 : 463.0;
    const double high = IsVhfRow(row) ? 165.0 : 477.0;
    if (txMhz < low) {
        return 0;
    }
    return txMhz < high ? 1 : 2;
}

int64_t RoundCoeff(double x) {
    const double scaled = x * 1000.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) > 1e15) {
        return 0;
    }
    const int64_t t = static_cast<int64_t>(scaled);
    return t % 10 >= 5 ? t / 10 + 1 : t / 10;
}

int TwoToneMultiplier(double hz) {
    // open intervals, applied in this order: where two meet, the later one wins
    struct SRange {
        double above, below;
        int k;
    };
    static constexpr SRange kRanges[] = {
        {2900, 3001, 16}, {2699, 2901, 15}, {2400, 2700, 13}, {2149, 2401, 11},
        {1749, 2150, 9},  {1349, 1750, 8},  {999, 1350, 5},   {799, 1000, 4},
        {599, 800, 3},    {399, 600, 2},    {299, 400, 1},
    };
    int k = 0;
    for (const SRange& range : kRanges) {
        if (hz > range.above && hz < range.below) {
            k = range.k;
        }
    }
    return k;
}

int TwoToneOffset(int group) {
    return group == 2 ? 25 : 20;
}

STwoToneCoeff TwoToneCoefficients(double hz, double durationMs, int offset) {
    STwoToneCoeff coeff;
    const int k = TwoToneMultiplier(hz);
    coeff.m_nK = static_cast<uint8_t>(k & 0x3F);
    // the tone decoder counts a 8 MHz clock over 8 periods; a tone outside 300-3000 Hz has no multiplier
    // and gets zero coefficients rather than a division by zero
    if (k != 0) {
        const double v = k * 8000000.0 / (hz * 8 * 100);
        const double p = hz < 500 ? 0.04 : (hz >= 2000 && hz <= 3000 ? 0.03 : 0.035);
        const double vHigh = k * 10000.0 / (hz * (1 + p));
        const double vLow = k * 10000.0 / (hz * (1 - p));
        coeff.m_nX = static_cast<uint16_t>(RoundCoeff(v) & 0xFFFF);
        coeff.m_nTolUpper = static_cast<uint8_t>(RoundCoeff(v - vHigh) & 0xFF);
        coeff.m_nTolLower = static_cast<uint8_t>(RoundCoeff(vLow - v) & 0xFF);
    }
    const double d = durationMs / 2.048 - offset;
    if (std::isfinite(d) && std::fabs(d) < 1e15) {
        coeff.m_nD = static_cast<uint16_t>(static_cast<int64_t>(d) & 0xFFFF);
    }
    return coeff;
}

double TwoToneFrequency(uint16_t x, uint8_t kByte) {
    const int64_t k = kByte & 0x3F;
    if (x == 0) {
        return 300.0;  // a zero coefficient: the lowest tone
    }
    const double hz = static_cast<double>(100 * k * 1000000 / x) / 100.0;
    return hz < 300.0 ? 300.0 : hz;
}

double TwoToneDuration(uint16_t d, int offset) {
    const double ms = (static_cast<int64_t>((d + offset) * 2.048 / 10) + 1) * 10.0;
    return ms < 100.0 ? 100.0 : ms;
}
