#include "ChannelSignalling.h"

#include <gtest/gtest.h>

#include "ChannelTimers.h"

namespace {

CChannelData Programmed(int rxOption, int txOption) {
    CChannelData ch;
    ch.ResetToDefaults();
    ch.m_dRxFreq = 151.0;
    ch.m_dTxFreq = 151.0;
    ch.m_nRxOption = rxOption;
    ch.m_nTxOption = txOption;
    return ch;
}

TEST(OptionButtons, CaptionsAndFillsFollowTheChannel) {
    CChannelData ch = Programmed(kSigNone, kSigNone);
    EXPECT_EQ(RxOptionCaption(ch), "NO");
    EXPECT_EQ(RxOptionFill(ch), EOptionFill::Plain);
    ch.m_nRxOption = kSigCtcss;
    ch.m_dRxCtcss = 67.0;
    EXPECT_EQ(RxOptionCaption(ch), " 67.0");
    EXPECT_EQ(RxOptionFill(ch), EOptionFill::Ctcss);
    ch.m_dRxCtcss = 69.3;
    EXPECT_EQ(RxOptionFill(ch), EOptionFill::MarkedCtcss);
    ch.m_nRxOption = kSigTwoTone;
    ch.m_nTwoToneGroup = 1;
    EXPECT_EQ(RxOptionCaption(ch), "Tone B");
    EXPECT_EQ(RxOptionFill(ch), EOptionFill::TwoTone);
    ch.m_nTxOption = kSigDcs;
    ch.m_nTxDcs = 23;
    EXPECT_EQ(TxOptionCaption(ch), "023");
    EXPECT_EQ(TxOptionFill(ch), EOptionFill::Dcs);
    ch.m_dTxFreq = 0.0;  // a channel without both frequencies shows nothing
    EXPECT_EQ(RxOptionCaption(ch), "");
    EXPECT_EQ(TxOptionCaption(ch), "");
    EXPECT_EQ(TxOptionFill(ch), EOptionFill::Plain);
}

TEST(OptionButtons, ElevenTonesAreMarked) {
    int marked = 0;
    for (double hz :
         {67.0, 69.3, 159.8, 171.3, 177.3, 183.5, 189.9, 196.6, 199.5, 206.5, 229.1, 254.1, 250.3}) {
        marked += IsMarkedCtcss(hz) ? 1 : 0;
    }
    EXPECT_EQ(marked, 11);
}

struct SChoiceCase {
    int model;
    int rxOption, txOption;
    int rxChoice, txChoice;
};

const SChoiceCase kChoiceCases[] = {
    {kModelKv310Vhf, 2, 2, 2, 2}, {kModelKv310Vhf, 3, 1, 2, 1}, {kModelKv310Uhf, 1, 0, 1, 0},
    {kModelKv330Vhf, 3, 2, 3, 2}, {kModelKv330Uhf, 0, 1, 0, 1}, {kModelKv310Vhf, 0, 3, 0, 2},
};

TEST(OptionDialog, ChoicesFollowTheModel) {
    for (const SChoiceCase& c : kChoiceCases) {
        EXPECT_EQ(RxChoiceFor(c.model, c.rxOption), c.rxChoice) << c.model << " " << c.rxOption;
        EXPECT_EQ(TxChoiceFor(c.model, c.txOption), c.txChoice) << c.model << " " << c.txOption;
    }
}

TEST(OptionDialog, TheLockRuleKeepsTwoToneOffTheKv310AndWhileLocked) {
    const SOptionControls kv310 = OptionControlsFor(kModelKv310Vhf, kSigDcs, kSigCtcss, false);
    EXPECT_TRUE(kv310.m_bRxDcs);
    EXPECT_FALSE(kv310.m_bRxCtcss);
    EXPECT_FALSE(kv310.m_bTwoToneChoice);
    EXPECT_TRUE(kv310.m_bTxCtcss);
    EXPECT_FALSE(kv310.m_bTxDcs);
    const SOptionControls locked = OptionControlsFor(kModelKv330Uhf, kSigTwoTone, kSigNone, true);
    EXPECT_FALSE(locked.m_bTwoToneChoice);
    EXPECT_FALSE(locked.m_bTone);
    const SOptionControls open = OptionControlsFor(kModelKv330Uhf, kSigTwoTone, kSigNone, false);
    EXPECT_TRUE(open.m_bTwoToneChoice);
    EXPECT_TRUE(open.m_bTone);
}

TEST(OptionDialog, ModemNoticesAreGivenOnce) {
    CDataRadioDoc doc;
    SSignallingSession session;
    EXPECT_EQ(TakeGmskToneNotice(doc, session), "");
    doc.m_bModem = 1;
    doc.m_bModemGmsk = 1;
    EXPECT_EQ(TakeGmskToneNotice(doc, session), kMsgGmskTone);
    EXPECT_EQ(TakeGmskToneNotice(doc, session), "");
    doc.m_bModemFfsk = 1;
    EXPECT_EQ(TakeFfskTwoToneNotice(doc, session), kMsgFfskTwoTone);
    EXPECT_EQ(TakeFfskTwoToneNotice(doc, session), "");
    // a fresh record gives them again
    session.ForgetRecord();
    EXPECT_EQ(TakeGmskToneNotice(doc, session), kMsgGmskTone);
    EXPECT_EQ(TakeFfskTwoToneNotice(doc, session), kMsgFfskTwoTone);
}

struct SToneCase {
    bool duration;
    const char* text;
    bool accepted;
    double stored;
    const char* shown;
};

const SToneCase kToneCases[] = {
    {false, "305", true, 300.0, " 300"},      {false, "3000", true, 3000.0, "3000"},
    {false, "3000.5", false, 500.0, "500.0"}, {false, "299.9", false, 500.0, "500.0"},
    {false, "", false, 500.0, "500.0"},       {true, "95", false, 500.0, "500.0"},
    {true, "10005", true, 10000.0, "10000"},  {true, "100", true, 100.0, " 100"},
    {true, "-5", false, 500.0, "500.0"},
};

TEST(TwoToneData, FieldsAreCheckedAndCutToTenSteps) {
    for (const SToneCase& c : kToneCases) {
        const SToneFieldFit fit =
            c.duration ? FitToneDuration(c.text, 500.0) : FitToneFrequency(c.text, 500.0);
        EXPECT_EQ(fit.m_bAccepted, c.accepted) << c.text;
        EXPECT_DOUBLE_EQ(fit.m_dValue, c.stored) << c.text;
        EXPECT_EQ(fit.m_strText, c.shown) << c.text;
        const char* message = c.duration ? "Valid Settings 100 - 10000 ms" : "Valid Settings 300 - 3000 Hz";
        EXPECT_EQ(fit.m_strMessage, c.accepted ? "" : message) << c.text;
    }
}

TEST(AccessCode, UnlocksLocksAndRefusesWrongNumbers) {
    CDataRadioDoc doc;
    SSignallingSession session;
    doc.m_Channel[2].m_nRxOption = kSigTwoTone;
    std::string message;
    EXPECT_FALSE(ApplyAccessCode(doc, session, "", true, &message));
    EXPECT_EQ(message, "Wrong password!");
    EXPECT_EQ(session.m_bTwoToneLocked, 1);
    EXPECT_TRUE(ApplyAccessCode(doc, session, "7259", true, nullptr));
    EXPECT_EQ(session.m_bTwoToneLocked, 0);
    EXPECT_EQ(session.m_nAccessCode, 7259);
    EXPECT_FALSE(ApplyAccessCode(doc, session, "1234", false, &message));
    EXPECT_EQ(session.m_bTwoToneLocked, 0);
    EXPECT_EQ(doc.m_Channel[2].m_nRxOption, kSigTwoTone);
    EXPECT_TRUE(ApplyAccessCode(doc, session, "7259", false, nullptr));
    EXPECT_EQ(session.m_bTwoToneLocked, 1);
    EXPECT_EQ(doc.m_Channel[2].m_nRxOption, kSigNone);
}

struct STimeCase {
    bool on;
    const char* text;
    int value;
    const char* message;
};

const STimeCase kTimeCases[] = {
    {false, "395", 390, ""},
    {false, "405", 400, ""},
    {false, "410", 200, "Valid Settings 20 to 400"},
    {false, "15", 200, "Valid Settings 20 to 400"},
    {false, "", 200, "Valid Settings 20 to 400"},
    {true, "35", 30, ""},
    {true, "55", 50, ""},
    {true, "270", 270, ""},
    {true, "280", 50, "Valid Settings 30 to 260"},
    {true, "9999", 50, "Valid Settings 30 to 260"},
};

TEST(PowerSave, TimesSnapToTheReceiversGrid) {
    for (const STimeCase& c : kTimeCases) {
        const STimeFit fit = c.on ? FitRxOnTime(c.text) : FitRxOffTime(c.text);
        EXPECT_EQ(fit.m_nValue, c.value) << c.text;
        EXPECT_EQ(fit.m_strMessage, c.message) << c.text;
    }
}

TEST(TimerLists, PositionsAndTimesMatch) {
    EXPECT_EQ(TimeOutListTexts().size(), 100u);
    EXPECT_EQ(TimeOutListTexts().back(), "990");
    EXPECT_EQ(HangListTexts().size(), 184u);
    EXPECT_EQ(HangListTexts()[1], "180");
    EXPECT_EQ(HangListTexts().back(), "2000");
    CDataRadioDoc doc;
    doc.m_bTxTimeOut = 1;
    doc.m_nTxTimeOut = 95;
    EXPECT_EQ(TimeOutIndexOf(doc), 9);
    ApplyTimeOutIndex(doc, 9);
    EXPECT_EQ(doc.m_nTxTimeOut, 90);
    ApplyTimeOutIndex(doc, 0);
    EXPECT_EQ(doc.m_bTxTimeOut, 0);
    ApplyHangIndex(doc, 1);
    EXPECT_EQ(doc.m_nHangOnTime, 180);
    EXPECT_EQ(doc.m_bHangOn, 1);
    doc.m_nHangOnTime = 2000;
    EXPECT_EQ(HangIndexOf(doc), 183);
    doc.m_nHangOnTime = 5000;  // out of the list: its nearest end
    EXPECT_EQ(HangIndexOf(doc), 183);
    doc.m_bHangOn = 0;
    EXPECT_EQ(HangIndexOf(doc), 0);
}

}  // namespace
