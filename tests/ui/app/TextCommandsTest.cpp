// File > Export as Text, the CHIRP channel lists and File > Compare with File, through the window's
// commands.

#include <fstream>
#include <sstream>

#include "ChirpCsv.h"
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

TEST_F(ShellTest, ChirpListComesInAsOneUndoStepAndTheChannelsGoOutAgain) {
    Start();
    const std::string path = m_Dir.File("list.csv");
    std::ofstream(path) << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\n"
                           "1,RPT,146.940000,-,0.600000,Tone,100.0,FM\n"
                           "2,UHF,444.100000,+,5.000000,,88.5,FM\n";
    const std::vector<uint8_t> before = SettingsFileBytes(m_Doc);
    View().m_ChooseChirpPath = [&](bool save) { return save ? m_Dir.File("out.csv") : path; };
    m_pFrame->m_pActImportChirp->trigger();
    EXPECT_DOUBLE_EQ(m_Doc.m_Channel[0].m_dTxFreq, 146.34);
    EXPECT_EQ(m_Doc.m_Channel[0].m_nTxOption, kSigCtcss);
    ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
    EXPECT_EQ(m_Sink.m_Messages[0],
              "1 row went into the channel its Location names.\n"
              "Left out, Location 2: RX outside the band, 138\u2013174 MHz.\n"
              "The radio keeps no channel names or comments; the list's were left out.");

    m_pFrame->m_pActExportChirp->trigger();
    std::ifstream in(m_Dir.File("out.csv"), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> notes;
    EXPECT_EQ(text.str(), ExportChirpCsv(m_Doc, notes));

    View().m_History.m_Stack.undo();
    EXPECT_EQ(SettingsFileBytes(m_Doc), before);
    std::ofstream(path) << "channel,rx_mhz\n1,151.0\n";
    m_pFrame->m_pActImportChirp->trigger();
    EXPECT_EQ(SettingsFileBytes(m_Doc), before);
    EXPECT_EQ(m_Sink.m_Messages.back(),
              "list.csv: no CHIRP channel list: its first line names no Location and Frequency columns");
}
