#include "EepromImage.h"
#include "EepromLayout.h"
#include "SettingsFile.h"
#include "pages/OptionPageFixture.h"

namespace {

struct SEntry {
    const char* typed;
    int32_t stored;
    const char* shown;
    const char* message;  // "" when the entry is taken
};

}  // namespace

TEST_F(OptionPageTest, TheGpsAndScanFieldsTakeRoundOrRefuseWhatIsTypedAndKeepTheFocusOnARefusal) {
    CSystemPage& page = SystemPage();
    EXPECT_EQ(State().m_bSystemPageReady, 1);
    Press(page.m_pGps);
    const struct {
        CCommitEdit* field;
        int32_t CDataRadioDoc::*member;
        std::vector<SEntry> entries;
    } cases[] = {
        {page.m_pGpsDelay,
         &CDataRadioDoc::m_nGpsDelay,
         {{"55", 50, "50", ""}, {"305", 300, "300", ""}, {"310", 300, "300", "Valid Settings 50 - 300"}}},
        {page.m_pGpsTxTime,
         &CDataRadioDoc::m_nGpsTxTime,
         {{"0", 5, "5", "Valid Settings 1 - 10"},
          {"11", 5, "5", "Valid Settings 1 - 10"},
          {"1", 1, "1", ""},
          {"10", 10, "10", ""}}},
        {page.m_pScanSpeed,
         &CDataRadioDoc::m_nScanSpeed,
         {{"2005", 2000, "2000", ""},
          {"2010", 50, "  50", "Valid Settings 50 - 2000 ms"},
          {"fast", 50, "  50", "Valid Settings 50 - 2000 ms"}}},
    };
    for (const auto& c : cases) {
        for (const SEntry& entry : c.entries) {
            Type(c.field, entry.typed);
            const std::string what = c.field->accessibleName().toStdString() + " " + entry.typed;
            EXPECT_EQ(m_Doc.*c.member, entry.stored) << what;
            EXPECT_EQ(c.field->text().toStdString(), entry.shown) << what;
            const Texts messages = TakeMessages();
            if (*entry.message == '\0') {
                EXPECT_TRUE(messages.empty()) << what;
                EXPECT_FALSE(c.field->hasFocus()) << what;  // Tab went on
            } else {
                EXPECT_EQ(messages, Texts{entry.message}) << what;
                EXPECT_TRUE(c.field->hasFocus()) << what;
            }
        }
    }
}

TEST_F(OptionPageTest, ReturnCommitsAFieldAndLeavingAnUntouchedOneChangesNothing) {
    CSystemPage& page = SystemPage();
    Type(page.m_pScanSpeed, "1234", Qt::Key_Return);
    EXPECT_EQ(m_Doc.m_nScanSpeed, 1230);
    EXPECT_EQ(page.m_pScanSpeed->text().toStdString(), "1230");
    EXPECT_TRUE(page.m_pScanSpeed->hasFocus());

    m_Doc.m_nScanSpeed = 35;  // as a read might bring it; only a typed entry is checked
    page.RefreshFromRecord();
    Focus(page.m_pScanSpeed);
    QTest::keyClick(page.m_pScanSpeed, Qt::Key_Tab);
    EXPECT_EQ(m_Doc.m_nScanSpeed, 35);
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(OptionPageTest, GpsAndSquelchSwitchesGreyTheirControlsAndKeepTheirValues) {
    CSystemPage& page = SystemPage();
    m_Doc.m_nGpsCycle = 7;
    m_Doc.m_nGpsDelay = 120;
    m_Doc.m_nSquelchType = 1;
    page.RefreshFromRecord();
    EXPECT_FALSE(page.m_cbGpsCycle->isEnabled());
    EXPECT_FALSE(page.m_pGpsDelay->isEnabled());
    Press(page.m_pGps);
    EXPECT_EQ(m_Doc.m_bGps, 1);
    EXPECT_TRUE(page.m_cbGpsCycle->isEnabled() && page.m_pGpsTxTime->isEnabled() &&
                page.m_pGpsDelay->isEnabled());
    EXPECT_EQ(page.m_cbGpsCycle->currentText().toStdString(), "8");
    EXPECT_EQ(page.m_pGpsDelay->text().toStdString(), "120");
    Press(page.m_pGps);
    EXPECT_EQ(m_Doc.m_bGps, 0);
    EXPECT_FALSE(page.m_pGpsTxTime->isEnabled());
    EXPECT_EQ(m_Doc.m_nGpsCycle, 7);

    EXPECT_TRUE(page.m_pBusyPortCheck->isChecked());
    Press(page.m_pSquelch);
    EXPECT_EQ(m_Doc.m_bSquelch, 0);
    EXPECT_FALSE(page.m_pRssiCheck->isEnabled() || page.m_pBusyPortCheck->isEnabled());
    EXPECT_EQ(m_Doc.m_nSquelchType, 1);
    Press(page.m_pSquelch);
    Press(page.m_pRssiCheck);
    EXPECT_EQ(m_Doc.m_nSquelchType, 0);
}

TEST_F(OptionPageTest, ListsShowThePositionPlusOneAndADecodedMinusOneShowsNothingUntilChosen) {
    CSystemPage& page = SystemPage();
    EXPECT_EQ(page.m_cbScanDelay->currentText().toStdString(), "4");
    m_Doc.m_nScanDelay = -1;  // an image byte of 0
    m_Doc.m_nGpsCycle = -1;
    m_Doc.m_bGps = 1;
    page.RefreshFromRecord();
    EXPECT_EQ(page.m_cbScanDelay->currentIndex(), -1);
    EXPECT_EQ(page.m_cbGpsCycle->currentIndex(), -1);
    EXPECT_EQ(m_Doc.m_nScanDelay, -1);
    Choose(page.m_cbGpsCycle, 23);
    EXPECT_EQ(m_Doc.m_nGpsCycle, 23);
    EXPECT_EQ(page.m_cbGpsCycle->currentText().toStdString(), "24");
    Choose(page.m_cbScanDelay, 14);
    EXPECT_EQ(m_Doc.m_nScanDelay, 14);
}

TEST_F(OptionPageTest, ASettingsFileShowsOnTheSystemPageAndAnEditReachesTheImage) {
    CSystemPage& page = SystemPage();
    CDataRadioDoc file;
    file.m_bGps = 1;
    file.m_nGpsDelay = 250;
    file.m_nGpsTxTime = 9;
    file.m_nScanSpeed = 700;
    file.m_bExternalModulation = 1;
    file.m_nModemMode = 2;
    m_strOpenPath = m_Dir.File("system.dat");
    ASSERT_TRUE(OnSaveDocument(file, m_strOpenPath, m_Sink));
    View().OnFileOpen();
    EXPECT_EQ(page.m_pGpsDelay->text().toStdString(), "250");
    EXPECT_EQ(page.m_pGpsTxTime->text().toStdString(), "9");
    EXPECT_EQ(page.m_pScanSpeed->text().toStdString(), "700");
    EXPECT_TRUE(page.m_pExtModulation->isChecked());
    EXPECT_TRUE(page.m_pGpsDelay->isEnabled());

    Type(page.m_pGpsDelay, "80");
    Type(page.m_pScanSpeed, "1500");
    CEepromImage image;
    image.EncodeImage(m_Doc);
    EXPECT_EQ(image.m_Work[kGpsDelay.m_nAddr], (80 - 50) / 10);
    EXPECT_EQ(image.m_Work[kScanSpeed.m_nAddr], (1500 - 10) / 10);
}
