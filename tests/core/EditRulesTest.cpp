#include "EditRules.h"

#include <gtest/gtest.h>

TEST(EditRules, LeadingIntegerReadsTheLeadingNumberLikeTheEditors) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"2005", 2005},
        {" 100", 100},
        {"-7", -7},
        {"+12ms", 12},
        {"abc", 0},
        {"", 0},
        {"12x34", 12},
        {"- 5", 0},
        {"99999999999", INT32_MAX},
        {"-99999999999", INT32_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingInteger(c.text), c.value) << c.text;
    }
}

TEST(EditRules, EachFieldRoundsChecksAndRefusesAsItsRuleSays) {
    const struct {
        const SEditRule* rule;
        const char* text;
        int32_t current;
        bool accepted;
        int32_t value;
        const char* shown;
    } cases[] = {
        {&kScanSpeedRule, "2005", 100, true, 2000, "2000"},
        {&kScanSpeedRule, "55", 100, true, 50, "  50"},
        {&kScanSpeedRule, "2010", 100, false, 50, "  50"},
        {&kScanSpeedRule, "fast", 300, false, 50, "  50"},
        {&kScanSpeedRule, "99999999999", 300, false, 50, "  50"},
        {&kGpsDelayRule, "55", 100, true, 50, "50"},
        {&kGpsDelayRule, "305", 100, true, 300, "300"},
        {&kGpsDelayRule, "310", 120, false, 120, "120"},
        {&kGpsTxTimeRule, "0", 5, false, 5, "5"},
        {&kGpsTxTimeRule, "11", 5, false, 5, "5"},
        {&kGpsTxTimeRule, "1", 5, true, 1, "1"},
        {&kGpsTxTimeRule, "10", 5, true, 10, "10"},
        {&kTxOffDelayRule, "7", 0, true, 6, "6"},
        {&kTxOffDelayRule, "17", 0, true, 16, "16"},
        {&kTxOffDelayRule, "18", 4, false, 0, "0"},
        {&kTxOnTimeRule, "255", 20, true, 254, "254"},
        {&kRxOnDelayRule, "127", 6, true, 126, "126"},
        {&kRxOnDelayRule, "128", 6, false, 0, "0"},
        {&kRxOnDelayRule, "-1", 6, true, 0, "0"},
    };
    for (const auto& c : cases) {
        const SEditOutcome outcome = CheckEdit(*c.rule, c.text, c.current);
        EXPECT_EQ(outcome.m_bAccepted, c.accepted) << c.rule->m_pszRefusal << " " << c.text;
        EXPECT_EQ(outcome.m_nValue, c.value) << c.rule->m_pszRefusal << " " << c.text;
        EXPECT_EQ(outcome.m_strText, c.shown) << c.rule->m_pszRefusal << " " << c.text;
    }
}

TEST(EditRules, StepTextsCountFromFirstToLast) {
    EXPECT_EQ(StepTexts(5, 80, 5).size(), 16u);
    EXPECT_EQ(StepTexts(16, 136, 8).back(), "136");
    EXPECT_EQ(StepTexts(200, 450, 50), (std::vector<std::string>{"200", "250", "300", "350", "400", "450"}));
}
