#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "DataRadioDoc.h"
#include "FileIo.h"
#include "FullDisk.h"
#include "RunCli.h"
#include "SettingsFile.h"
#include "TempDir.h"

namespace {

int CountPages(const std::string& pdf) {
    int pages = 0;
    for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1)) {
        if (pdf.compare(at, 12, "/Type /Pages") != 0) {
            ++pages;
        }
    }
    return pages;
}

}  // namespace

TEST(CliPrint, WritesATwoPagePdfWithoutADisplay) {
    CTempDir dir;
    CDataRadioDoc doc;
    doc.m_nModel = 5;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = 450.0;
    doc.m_Channel[0].m_dTxFreq = 460.0;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(doc, dir.File("s.dat"), sink));

    // as on a server or in a terminal session: no display and no platform chosen
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::unsetenv("QT_QPA_PLATFORM");
    ::unsetenv("XDG_RUNTIME_DIR");  // Qt warns about it; the user is told nothing they cannot act on
    const SCliResult result = RunCli({"print", dir.File("s.dat"), "-o", dir.File("sheet.pdf")});
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ASSERT_EQ(result.nExit, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "");
    EXPECT_EQ(result.strErr, "");

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(dir.File("sheet.pdf"), bytes, 1 << 24));
    const std::string pdf(bytes.begin(), bytes.end());
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(CountPages(pdf), 2);
}

TEST(CliPrint, BadInputWritesNothing) {
    CTempDir dir;
    EXPECT_EQ(RunCli({"print", dir.File("none.dat"), "-o", dir.File("x.pdf")}).nExit, 2);  // unreadable
    EXPECT_EQ(RunCli({"print", "-o", dir.File("x.pdf")}).nExit, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.pdf")));
}

#ifndef _WIN32
TEST(CliPrint, AFullDiskSaysSoOnceAndLeavesTheEarlierSheetWhole) {
    CTempDir dir;
    CRecordingSink sink;
    ASSERT_TRUE(OnSaveDocument(CDataRadioDoc(), dir.File("s.dat"), sink));
    const std::string sheet = dir.File("sheet.pdf");
    ASSERT_TRUE(WriteFileAtomically(sheet, {'o', 'l', 'd'}));
    SCliResult result;
    {
        CFullDisk full(4096);  // room for its messages, none for a sheet
        result = RunCli({"print", dir.File("s.dat"), "-o", sheet});
    }
    EXPECT_EQ(result.nExit, 1);
    EXPECT_EQ(result.strErr, "kv310ctl: Cannot write " + sheet + ": File too large\n");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(sheet, bytes, 100));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.m_Path), {}), 2) << "a half-written file";
}
#endif
