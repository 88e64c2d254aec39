#include "FrequencyRules.h"

#include <gtest/gtest.h>

namespace {

struct SNormaliseCase {
    const char* text;
    int caret;
    const char* expected;
    int expectedCaret;
};

const SNormaliseCase kNormaliseCases[] = {
    {"151", 3, "151", 3},              // three digits wait for the fourth
    {"1511", 4, "151.1", 5},           // the fourth digit brings the point
    {"15.", 3, "15", 2},               // three characters with a point lose it
    {"151.12", 6, "151.12", 6},        // a point after the third digit stays
    {"1511.2", 6, "151.12", 6},        // a point further right moves to its place
    {"151125", 6, "151.125", 7},       // pasted digits
    {"1591.0125", 3, "159.10125", 3},  // a digit typed in the middle keeps the caret behind it
    {"15.0125", 2, "15.0125", 2},      // a point before the fourth character is left alone
    {"", 0, "", 0},
};

TEST(FrequencyText, NormalisesThePointAndKeepsTheCaret) {
    for (const SNormaliseCase& c : kNormaliseCases) {
        const SFrequencyText out = NormaliseFrequencyText(c.text, c.caret);
        EXPECT_EQ(out.m_strText, c.expected) << c.text;
        EXPECT_EQ(out.m_nCaret, c.expectedCaret) << c.text;
        EXPECT_EQ(out.m_bChanged, std::string(c.text) != c.expected) << c.text;
    }
}

TEST(FrequencyText, TypingDigitsOneByOneGivesTheFrequency) {
    std::string text;
    for (char digit : std::string("151125")) {
        text.push_back(digit);
        text = NormaliseFrequencyText(text, static_cast<int>(text.size())).m_strText;
    }
    EXPECT_EQ(text, "151.125");
}

TEST(FrequencyText, ReadsTheLeadingNumberWithoutTheDesktopLocale) {
    EXPECT_DOUBLE_EQ(FieldTextToDouble("151.0125"), 151.0125);
    EXPECT_DOUBLE_EQ(FieldTextToDouble("151.01250xyz"), 151.0125);
    EXPECT_DOUBLE_EQ(FieldTextToDouble("123456789012"), 123456789.0);  // nine characters count
    EXPECT_DOUBLE_EQ(FieldTextToDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(FieldTextToDouble("abc"), 0.0);
    EXPECT_EQ(FieldTextToInt(" 7259"), 7259);
    EXPECT_EQ(FormatFixed(151.0125, 5), "151.01250");
    EXPECT_EQ(FormatFixed(67.0, 1, 5), " 67.0");
}

struct SGridCase {
    double mhz;
    int code;
    bool on;
};

const SGridCase kGridCases[] = {
    {151.0125, kStep7500, true},  {151.0123, kStep7500, false}, {151.0125, kStep6250, true},
    {151.0, kStep5000, true},     {151.0075, kStep2500, true},  {151.0075, kStep5000, false},
    {415.0075, kStep6250, false}, {415.0075, kStep5000, false}, {0.0, kStep6250, true},
};

TEST(StepGrid, TellsWholeStepsOfEachWidth) {
    for (const SGridCase& c : kGridCases) {
        EXPECT_EQ(IsOnStepGrid(c.mhz * 1000000.0, c.code), c.on) << c.mhz << " code " << c.code;
    }
}

TEST(StepGrid, EachModelTriesItsOwnSteps) {
    EXPECT_EQ(StepCodesOf(kModelKv310Vhf), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(StepCodesOf(kModelKv310Uhf), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(StepCodesOf(kModelKv330Vhf), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(StepCodesOf(kModelKv330Uhf), (std::vector<int>{1, 2}));
}

enum EField { Rx, Tx };

struct SLeaveCase {
    int model;
    int subBand;
    int stepBefore;
    EField left;
    const char* rx;
    const char* tx;
    const char* shownRx;
    const char* shownTx;
    int step;
    const char* message;
    ERowFocus focus;
};

constexpr ERowFocus kStay = ERowFocus::Unchanged;
constexpr ERowFocus kRxOpt = ERowFocus::RxOption;
constexpr ERowFocus kTxOpt = ERowFocus::TxOption;
constexpr int V310 = kModelKv310Vhf;
constexpr int U310 = kModelKv310Uhf;
constexpr int U330 = kModelKv330Uhf;

const SLeaveCase kLeaveCases[] = {
    // model sub step field  rx            tx           shown rx     shown tx     step message focus
    {V310, 0, 2, Rx, "151.0123", "", "151.01250", "151.01250", 1, "",
     kStay},  // 24161 steps, odd, up to 24162
    {V310, 0, 2, Rx, "151.0125", "", "151.01250", "151.01250", 0, "", kStay},  // on the 7.5 kHz grid first
    {V310, 0, 2, Rx, "151.0123", "151.00000", "151.01250", "151.00000", 1, "", kStay},  // onto TX's grid
    {V310, 0, 2, Rx, "151.0075", "151.00000", "151.00750", "151.00000", 3, "",
     kStay},  // a shared grid keeps RX
    {V310, 0, 2, Rx, "180", "", "156.00000", "156.00000", 0, "Valid Range : 138 to 174MHz", kRxOpt},
    {V310, 0, 2, Rx, "180", "150.00000", "150.00000", "150.00000", 0, "Valid Range : 138 to 174MHz", kRxOpt},
    {V310, 0, 2, Rx, "100", "", "156.00000", "156.00000", 0, "Valid Range : 138 to 174MHz", kRxOpt},
    {V310, 0, 2, Rx, "138", "", "138.00000", "138.00000", 0, "", kStay},  // the limits are in the band
    {V310, 0, 2, Rx, "174", "", "174.00000", "174.00000", 0, "", kStay},
    {V310, 0, 2, Rx, "151.0125", "151.0001", "151.01250", "151.0001", 0, "", kStay},  // TX on no grid
    {V310, 0, 2, Rx, "", "", "", "", 2, "", kStay},
    {V310, 0, 2, Rx, "", "151.00000", "", "151.00000", 2, "", kStay},  // RX cleared: no "0.00000"
    {V310, 0, 2, Tx, "151.00000", "180", "151.00000", "151.00000", 1, "Valid Range 138 to 174MHz", kTxOpt},
    {V310, 0, 2, Tx, "", "151.0000", "151.00000", "151.00000", 1, "", kStay},  // TX alone moves to RX
    {V310, 0, 2, Tx, "151.00000", "", "151.00000", "151.00000", 2, "", kStay},
    {V310, 0, 2, Tx, "", "", "", "", 2, "", kStay},
    {V310, 0, 1, Tx, "151.01250", "151.0001", "151.01250", "151.00000", 1, "", kStay},  // cut onto the step
    {U330, 0, 2, Rx, "415.0075", "", "415.01250", "415.01250", 1, "", kStay},  // 66401 steps, up to 66402
    {U330, 0, 0, Tx, "415.01250", "415.0030", "415.01250", "415.00000", 1, "", kStay},  // 7.5 kHz not kept
    {U310, 1, 2, Rx, "445", "", "445.00000", "445.00000", 1, "", kStay},
    {U310, 1, 2, Rx, "430", "", "465.00000", "465.00000", 0, "Valid Range : 440 to 490MHz", kRxOpt},
};

TEST(LeaveField, FitsChecksAndStoresTheRow) {
    for (const SLeaveCase& c : kLeaveCases) {
        CDataRadioDoc doc;
        doc.m_nModel = c.model;
        doc.m_nSubBand = static_cast<uint8_t>(c.subBand);
        CChannelData& ch = doc.m_Channel[4];
        ch.m_nStep = c.stepBefore;
        // the field left held another frequency before the user typed into it
        ch.m_dRxFreq = c.left == Rx ? 1.0 : FieldTextToDouble(c.rx);
        ch.m_dTxFreq = c.left == Tx ? 1.0 : FieldTextToDouble(c.tx);
        SRowEdit row{c.rx, c.tx, "", kStay};
        (c.left == Rx ? LeaveRxField : LeaveTxField)(doc, 5, row);
        const std::string what = std::string(c.left == Rx ? "RX " : "TX ") + c.rx + " / " + c.tx;
        EXPECT_EQ(row.m_strRx, c.shownRx) << what;
        EXPECT_EQ(row.m_strTx, c.shownTx) << what;
        EXPECT_EQ(ch.m_nStep, c.step) << what;
        EXPECT_EQ(row.m_strMessage, c.message) << what;
        EXPECT_EQ(row.m_Focus, c.focus) << what;
        EXPECT_DOUBLE_EQ(ch.m_dRxFreq, FieldTextToDouble(c.shownRx)) << what;
        EXPECT_DOUBLE_EQ(ch.m_dTxFreq, FieldTextToDouble(c.shownTx)) << what;
    }
}

// A field left as it was loaded or read changes the channel only where it is not whole as it stands.
TEST(LeaveField, AFieldLeftUnchangedKeepsAWholeChannelAsItIs) {
    const struct {
        int model;
        int step;
        double rx, tx;
        int stepAfter;
        double rxAfter, txAfter;
    } cases[] = {
        {U310, 2, 411.125, 416.125, 2, 411.125, 416.125},  // 5 kHz kept, though 6.25 kHz fits both too
        {U310, 0, 420.0, 0.0, 0, 420.0, 0.0},              // receive-only stays receive-only
        {V310, 1, 151.00625, 151.00625, 1, 151.00625, 151.00625},  // on its grid within a hertz
        {V310, 2, 151.0125, 151.0125, 0, 151.0125, 151.0125},      // off its own grid: fitted again
        {U330, 0, 415.0125, 415.0125, 1, 415.0125, 415.0125},      // a step the model lacks: fitted again
        {V310, 2, 180.0, 180.0, 2, 180.0, 180.0},     // outside the band: kept for the write check to stop
        {V310, 2, 180.0037, 180.0, 0, 156.0, 180.0},  // and off its grid as well: fitted into the band
    };
    for (const auto& c : cases) {
        for (EField left : {Rx, Tx}) {
            CDataRadioDoc doc;
            doc.m_nModel = c.model;
            CChannelData& ch = doc.m_Channel[0];
            ch.m_nStep = c.step;
            ch.m_dRxFreq = c.rx;
            ch.m_dTxFreq = c.tx;
            SRowEdit row{FrequencyFieldText(c.rx), FrequencyFieldText(c.tx), "", kStay};
            (left == Rx ? LeaveRxField : LeaveTxField)(doc, 1, row);
            if (left == Tx && c.rxAfter != c.rx) {
                continue;  // leaving TX cuts TX onto the grid; only RX is moved into the band
            }
            const std::string what = (left == Rx ? "RX " : "TX ") + FrequencyFieldText(c.rx);
            EXPECT_EQ(ch.m_nStep, c.stepAfter) << what;
            EXPECT_NEAR(ch.m_dRxFreq, c.rxAfter, 1e-9) << what;
            EXPECT_NEAR(ch.m_dTxFreq, c.txAfter, 1e-9) << what;
            EXPECT_EQ(row.m_strTx, FrequencyFieldText(c.txAfter)) << what;
        }
    }
}

TEST(LeaveField, AChannelOutsideTheBandIsNamedWithTheFirstFrequencyOutside) {
    const struct {
        double rx, tx;
        const char* note;
    } cases[] = {
        {151.0, 151.0, ""},
        {0.0, 0.0, ""},
        {180.0, 151.0, "Channel 2: 180.00000 MHz is outside 138\u2013174 MHz"},
        {151.0, 120.5, "Channel 2: 120.50000 MHz is outside 138\u2013174 MHz"},
    };
    for (const auto& c : cases) {
        CDataRadioDoc doc;
        doc.m_nModel = V310;
        doc.m_Channel[1].m_dRxFreq = c.rx;
        doc.m_Channel[1].m_dTxFreq = c.tx;
        EXPECT_EQ(OutOfBandNote(doc, 2), c.note);
    }
}

TEST(LeaveField, TouchesOnlyItsOwnChannel) {
    CDataRadioDoc doc;
    SRowEdit row{"151.0125", "", "", kStay};
    LeaveRxField(doc, 16, row);
    EXPECT_DOUBLE_EQ(doc.m_Channel[15].m_dRxFreq, 151.0125);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(doc.m_Channel[static_cast<size_t>(i)].m_dRxFreq, 0.0);
    }
}

}  // namespace
