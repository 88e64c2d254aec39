#include "Tones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DataRadioDoc.h"

namespace {

TEST(Tones, GivesEveryCtcssToneItsCodeAndBack) {
    for (int k = 0; k < kCtcssTones; ++k) {
        const int code = CtcssToCode(kCtcssTable[k]);
        EXPECT_EQ(code, k + 1);
        double hz = 0.0;
        ASSERT_TRUE(CodeToCtcss(code, hz));
        EXPECT_EQ(hz, kCtcssTable[k]);
    }
    EXPECT_EQ(CtcssToCode(254.1), 49);
    EXPECT_EQ(CtcssToCode(165.5), 49);
    EXPECT_EQ(CtcssToCode(67.05), 49);
    EXPECT_EQ(CtcssToCode(0.0), 49);
}

TEST(Tones, GivesEveryDcsCodeItsCodeAndBack) {
    for (int k = 0; k < kDcsCodes; ++k) {
        const int code = DcsToCode(kDcsTable[k]);
        EXPECT_EQ(code, k + 50);
        int32_t dcs = 0;
        ASSERT_TRUE(CodeToDcs(code, dcs));
        EXPECT_EQ(dcs, kDcsTable[k]);
    }
    EXPECT_EQ(DcsToCode(23), 50);
    EXPECT_EQ(DcsToCode(754), 153);
    EXPECT_EQ(DcsToCode(24), 104);
    EXPECT_EQ(DcsToCode(-1), 104);
}

TEST(Tones, RefusesCodesOutsideTheirRangeAndLeavesTheValue) {
    double hz = 1.5;
    int32_t dcs = 7;
    for (int code : {0, 50, 153, 255, -1}) {
        EXPECT_FALSE(CodeToCtcss(code, hz)) << code;
    }
    for (int code : {0, 49, 154, 0x9A, 255}) {
        EXPECT_FALSE(CodeToDcs(code, dcs)) << code;
    }
    EXPECT_EQ(hz, 1.5);
    EXPECT_EQ(dcs, 7);
}

TEST(Tones, MapsStepCodesToBitsAndTheRowsThatTakeThem) {
    EXPECT_EQ(StepBits(kStep7500), 3);
    EXPECT_EQ(StepBits(kStep6250), 2);
    EXPECT_EQ(StepBits(kStep5000), 1);
    EXPECT_EQ(StepBits(kStep2500), 0);
    for (int step = 0; step < 4; ++step) {
        EXPECT_EQ(StepFromBits(StepBits(step)), step);
    }
    EXPECT_EQ(StepHz(kStep7500), 7500);
    EXPECT_EQ(StepHz(kStep2500), 2500);
    const bool accepts[6][4] = {{true, true, true, true},  {true, true, true, false},
                                {true, true, true, true},  {true, true, true, false},
                                {false, true, true, true}, {true, true, true, false}};
    for (int row = 0; row < 6; ++row) {
        for (int step = 0; step < 4; ++step) {
            EXPECT_EQ(RowAcceptsStep(row, step), accepts[row][step]) << "row " << row << " step " << step;
        }
    }
    EXPECT_FALSE(RowAcceptsStep(2, 4));
    EXPECT_FALSE(RowAcceptsStep(2, -1));
}

TEST(Tones, PutsTheIfOnTheRightSideOfEachRow) {
    EXPECT_EQ(ReceiveOffsetHz(0), 45000000);
    EXPECT_EQ(ReceiveOffsetHz(1), -45000000);
    EXPECT_EQ(ReceiveOffsetHz(2), 45000000);
    EXPECT_EQ(ReceiveOffsetHz(3), -45000000);
    EXPECT_EQ(ReceiveOffsetHz(4), 45100000);
    EXPECT_EQ(ReceiveOffsetHz(5), -45100000);
}

TEST(Tones, RoundsDividerCountsAndKeepsThemInSeventeenBits) {
    EXPECT_EQ(DividerCount(195000000.0, 5000), 39000u);
    EXPECT_EQ(DividerCount(195002400.0, 5000), 39000u);
    EXPECT_EQ(DividerCount(195002600.0, 5000), 39001u);
    EXPECT_EQ(DividerCount(405000000.0, 6250), 64800u);
    EXPECT_EQ(DividerCount(355000000.0, 2500), 142000u & 0x1FFFF);
    EXPECT_EQ(DividerCount(-5000.0, 5000), 0x1FFFFu);
    EXPECT_EQ(DividerCount(std::numeric_limits<double>::quiet_NaN(), 5000), 0u);
    EXPECT_EQ(DividerCount(1e300, 5000), 0u);
}

TEST(Tones, RoundsCoefficientsHalfUpOnTheirFirstDecimal) {
    EXPECT_EQ(RoundCoeff(50.0), 5000);
    EXPECT_EQ(RoundCoeff(33.3333333), 3333);
    EXPECT_EQ(RoundCoeff(1.6908213), 169);
    EXPECT_EQ(RoundCoeff(1.8134715), 181);
    EXPECT_EQ(RoundCoeff(0.0049), 0);
    EXPECT_EQ(RoundCoeff(0.0051), 1);
    EXPECT_EQ(RoundCoeff(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(RoundCoeff(std::nan("")), 0);
}

TEST(Tones, ChoosesTheMultiplierForEveryWholeFrequency) {
    struct SCase {
        int from, to, k;
    };
    const SCase cases[] = {{300, 399, 1},    {400, 599, 2},    {600, 799, 3},   {800, 999, 4},
                           {1000, 1349, 5},  {1350, 1749, 8},  {1750, 2149, 9}, {2150, 2400, 11},
                           {2401, 2699, 13}, {2700, 2900, 15}, {2901, 3000, 16}};
    for (const SCase& c : cases) {
        for (int hz = c.from; hz <= c.to; ++hz) {
            ASSERT_EQ(TwoToneMultiplier(hz), c.k) << hz << " Hz";
        }
    }
    EXPECT_EQ(TwoToneMultiplier(299), 0);
    EXPECT_EQ(TwoToneMultiplier(3001), 0);
    EXPECT_EQ(TwoToneMultiplier(2900.5), 15);  // both ranges match; the later one wins
    EXPECT_EQ(TwoToneMultiplier(2400.5), 11);
}

TEST(Tones, ComputesTheCoefficientsOfA1000HzTone) {
    const STwoToneCoeff coeff = TwoToneCoefficients(1000.0, 300.0, 20);
    EXPECT_EQ(coeff.m_nK, 5);
    EXPECT_EQ(coeff.m_nX, 5000);
    EXPECT_EQ(coeff.m_nTolUpper, 169);
    EXPECT_EQ(coeff.m_nTolLower, 181);
    EXPECT_EQ(coeff.m_nD, 126);
    EXPECT_EQ(TwoToneCoefficients(1000.0, 300.0, 25).m_nD, 121);
}

TEST(Tones, WidensTheToleranceForLowTonesAndNarrowsItForHighOnes) {
    // 450 Hz: p = 4 %, K = 2, v = 44.444
    const STwoToneCoeff low = TwoToneCoefficients(450.0, 300.0, 20);
    EXPECT_EQ(low.m_nX, 4444);
    EXPECT_EQ(low.m_nTolUpper, RoundCoeff(20000.0 / 450 - 20000.0 / (450 * 1.04)));
    EXPECT_EQ(low.m_nTolLower, RoundCoeff(20000.0 / (450 * 0.96) - 20000.0 / 450));
    // 2000 Hz: p = 3 %
    const STwoToneCoeff high = TwoToneCoefficients(2000.0, 300.0, 20);
    EXPECT_EQ(high.m_nK, 9);
    EXPECT_EQ(high.m_nTolUpper, RoundCoeff(45.0 - 90000.0 / (2000 * 1.03)));
}

TEST(Tones, GivesToneOutsideTheDecoderRangeZeroCoefficients) {
    for (double hz : {0.0, -5.0, 100.0, 5000.0, std::nan("")}) {
        const STwoToneCoeff coeff = TwoToneCoefficients(hz, 300.0, 20);
        EXPECT_EQ(coeff.m_nX, 0) << hz;
        EXPECT_EQ(coeff.m_nK, 0) << hz;
        EXPECT_EQ(coeff.m_nTolLower, 0) << hz;
    }
    EXPECT_EQ(TwoToneCoefficients(1000.0, std::nan(""), 20).m_nD, 0);
    EXPECT_EQ(TwoToneCoefficients(1000.0, 20.0, 20).m_nD, 0xFFF6);  // 9.77 - 20 truncated to -10, 16 bits
}

TEST(Tones, DecodesTonesWithTruncatedDecimalsAndFloors) {
    EXPECT_DOUBLE_EQ(TwoToneFrequency(3333, 1), 300.03);
    EXPECT_EQ(TwoToneFrequency(5000, 5), 1000.0);
    EXPECT_EQ(TwoToneFrequency(5000, 0xC5), 1000.0);  // only six bits are the multiplier
    EXPECT_EQ(TwoToneFrequency(0, 5), 300.0);
    EXPECT_EQ(TwoToneFrequency(60000, 1), 300.0);
    EXPECT_EQ(TwoToneDuration(126, 20), 300.0);
    EXPECT_EQ(TwoToneDuration(121, 25), 300.0);
    EXPECT_EQ(TwoToneDuration(0, 20), 100.0);
    EXPECT_EQ(TwoToneDuration(4862, 20), 10000.0);
}

}  // namespace
