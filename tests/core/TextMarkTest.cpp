#include "TextMark.h"

#include <gtest/gtest.h>

namespace {

// The one translation the installed lookup gives for every text (a lookup is a plain function).
const char* g_Translation = nullptr;

std::string Translate(const char*, const char* text) {
    return g_Translation != nullptr ? g_Translation : text;
}

class TextPrintfTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetTextLookup(nullptr);
        g_Translation = nullptr;
    }
};

}  // namespace

// A translation is used only when its conversions are the English format's, one for one, in order.
TEST_F(TextPrintfTest, UsesATranslationOnlyWithTheSameConversions) {
    const struct {
        const char* translation;
        const char* expected;
    } cases[] = {
        {"Kanal %d %s %.5f MHz", "Kanal 3 RX 145.01250 MHz"},                       // good: used
        {"Kanal %d, %s: %.5f MHz (100 %%)", "Kanal 3, RX: 145.01250 MHz (100 %)"},  // %% is no conversion
        {"Kanal %d %s MHz", "Channel 3 RX 145.01250 MHz"},                          // one missing
        {"Kanal %d %s %.5f MHz %s", "Channel 3 RX 145.01250 MHz"},                  // one extra
        {"%s Kanal %d %.5f MHz", "Channel 3 RX 145.01250 MHz"},                     // reordered
        {"Kanal %d %s %.2f MHz", "Channel 3 RX 145.01250 MHz"},                     // written otherwise
        {"Kanal %2$s %1$d %3$.5f MHz", "Channel 3 RX 145.01250 MHz"},               // positions: none here
        {"Kanal %d %s %.5f MHz %", "Channel 3 RX 145.01250 MHz"},                   // a lone % at the end
        {"Kanal %d %s %.5f MHz %n", "Channel 3 RX 145.01250 MHz"},                  // %n writes: never
        {"Kanal %ld %s %.5f MHz", "Channel 3 RX 145.01250 MHz"},                    // another width
    };
    for (const auto& c : cases) {
        g_Translation = c.translation;
        SetTextLookup(Translate);
        EXPECT_EQ(TextPrintf("Messages", "Channel %d %s %.5f MHz", 3, "RX", 145.0125), c.expected)
            << c.translation;
    }
}

TEST_F(TextPrintfTest, WithoutALookupTheTextIsEnglish) {
    g_Translation = "Kanal %d";
    EXPECT_EQ(TextPrintf("Messages", "Channel %d", 7), "Channel 7");
    EXPECT_EQ(LookUpText("Messages", "Channel"), "Channel");
    EXPECT_TRUE(SameConversions("%-8s  %7.1f %zu %lld", "%-8s: %7.1f, %zu; %lld"));
    EXPECT_FALSE(SameConversions("%-8s", "%8s"));
}

TEST_F(TextPrintfTest, WhileEnglishIsAskedForATextStaysEnglish) {
    g_Translation = "Kanal %d";
    SetTextLookup(Translate);
    {
        const CEnglishTexts english;
        EXPECT_EQ(TextPrintf("Messages", "Channel %d", 7), "Channel 7");
        EXPECT_EQ(LookUpText("Messages", "Channel %d"), "Channel %d");
    }
    EXPECT_EQ(TextPrintf("Messages", "Channel %d", 7), "Kanal 7");
}
