// File > Export as Text and File > Compare with File, through the window's commands.

#include <fstream>
#include <sstream>

#include "SettingsFile.h"
#include "TextConfig.h"
#include "app/ShellFixture.h"
#include "dialogs/CompareDlg.h"

TEST_F(ShellTest, ExportAsTextWritesYamlThatReadsBackToTheSameRecord) {
#ifdef KV310_NO_YAML
    GTEST_SKIP()
        << "this build has no yaml-cpp (scripts/build-yaml-windows), so the exported text cannot be read "
           "back";
#endif
    Start();
    m_Doc.m_Channel[2].m_dRxFreq = 151.0125;
    m_Doc.m_Channel[2].m_dTxFreq = 151.0125;
    const std::string path = m_Dir.File("plan.yaml");
    View().m_ChooseExportPath = [&] { return path; };
    m_pFrame->m_pActExportText->trigger();
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    CDataRadioDoc back;
    std::string error;
    ASSERT_TRUE(ImportTextConfig(text.str(), "plan.yaml", back, error)) << error;
    EXPECT_EQ(SettingsFileBytes(back), SettingsFileBytes(m_Doc));
    EXPECT_TRUE(m_Sink.m_Messages.empty());
}

TEST_F(ShellTest, CompareWithFileListsTheDifferingFieldsOrSaysWhyItCannot) {
#ifdef KV310_NO_YAML
    GTEST_SKIP()
        << "this build has no yaml-cpp (scripts/build-yaml-windows), so the exported text cannot be read "
           "back";
#endif
    Start();
    CDataRadioDoc other = m_Doc;
    other.m_Channel[2].m_dRxFreq = 151.025;
    CRecordingSink quiet;
    ASSERT_TRUE(OnSaveDocument(other, m_Dir.File("other.dat"), quiet));
    std::string shownName;
    std::vector<std::string> shown;
    View().m_ShowDifferences = [&](const std::string& name, const std::vector<std::string>& lines) {
        shownName = name;
        shown = lines;
    };
    View().m_ChooseComparePath = [&] { return m_Dir.File("other.dat"); };
    m_pFrame->m_pActCompare->trigger();
    EXPECT_EQ(shownName, "other.dat");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("channel 3 rx"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("151.02500"), std::string::npos) << shown[0];
    EXPECT_EQ(CCompareDlg::Summary("other.dat", 1).toStdString(),
              "1 difference(s) between the configuration in the program (left) and other.dat (right):");

    std::ofstream(m_Dir.File("bad.yaml")) << "model: KV310 VHF\nchannels: 7\n";
    View().m_ChooseComparePath = [&] { return m_Dir.File("bad.yaml"); };
    m_pFrame->m_pActCompare->trigger();
    ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
    EXPECT_NE(m_Sink.m_Messages[0].find("bad.yaml:2"), std::string::npos) << m_Sink.m_Messages[0];
}
