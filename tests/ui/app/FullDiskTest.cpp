// Saving, exporting and printing to a PDF when the disk is full: the window says so, the earlier file stays
// whole, nothing half-written is left beside it, and the plan still counts as unsaved.

#ifndef _WIN32

#include <QPrinter>
#include <filesystem>

#include "FileIo.h"
#include "FullDisk.h"
#include "SettingsFile.h"
#include "app/ShellFixture.h"
#include "pages/ChannelPage.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    ReadFileBytes(path, bytes, 1 << 20);
    return bytes;
}

// Files the safe write left behind in folder (its temporary files start with ".kv310-").
int LeftOvers(const std::string& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().filename().string().rfind(".kv310-", 0) == 0 ? 1 : 0;
    }
    return count;
}

}  // namespace

TEST_F(ShellTest, ASaveOrExportThatMeetsAFullDiskSaysSoAndKeepsTheEarlierFile) {
    Start();
    m_strSavePath = m_Dir.File("plan.dat");
    ASSERT_TRUE(View().OnFileSave());
    const std::vector<uint8_t> saved = Bytes(m_strSavePath);
    const std::string yaml = m_Dir.File("plan.yaml");
    ASSERT_TRUE(WriteFileAtomically(yaml, {'o', 'l', 'd', '\n'}));
    View().m_ChooseExportPath = [&] { return yaml; };
    const std::string pdf = m_Dir.File("sheet.pdf");  // File > Print, "Print to File"
    ASSERT_TRUE(WriteFileAtomically(pdf, {'%', 'P', 'D', 'F'}));
    View().m_RunPrintDialog = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };

    ShowActive();
    QTRY_COMPARE(m_nModelSelectRuns, 1);  // no model chosen: KV310 VHF stays
    CDigitEdit* field = Sheet().m_pChannelPage->m_Rows[3]->m_pRxFreq;
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("1510125"));
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_EQ(m_pFrame->windowTitle().toStdString(), "KV310 - PC PROGRAMMER - plan.dat*");
    {
        CFullDisk full;
        m_pFrame->m_pActSave->trigger();
        m_pFrame->m_pActExportText->trigger();
        m_pFrame->m_pActPrint->trigger();
    }
    EXPECT_EQ(m_Sink.m_Messages,
              (std::vector<std::string>{std::string(kMsgCannotSave) + "\n" + m_strSavePath +
                                            " could not be written: File too large. Nothing on the disk was "
                                            "changed; free some space or choose another place with File > "
                                            "Save As.",
                                        "Cannot write " + yaml + ": File too large.",
                                        "Cannot write " + pdf + ": File too large"}));
    EXPECT_EQ(Bytes(m_strSavePath), saved);
    EXPECT_EQ(Bytes(yaml), (std::vector<uint8_t>{'o', 'l', 'd', '\n'}));
    EXPECT_EQ(Bytes(pdf), (std::vector<uint8_t>{'%', 'P', 'D', 'F'}));
    EXPECT_EQ(LeftOvers(m_Dir.m_Path), 0);
    EXPECT_TRUE(View().HasUnsavedChanges());
    EXPECT_EQ(m_pFrame->windowTitle().toStdString(), "KV310 - PC PROGRAMMER - plan.dat*");

    // with room again, the same command saves
    m_pFrame->m_pActSave->trigger();
    EXPECT_EQ(Bytes(m_strSavePath), SettingsFileBytes(m_Doc));
    EXPECT_EQ(m_pFrame->windowTitle().toStdString(), "KV310 - PC PROGRAMMER - plan.dat");
}

#endif  // _WIN32
