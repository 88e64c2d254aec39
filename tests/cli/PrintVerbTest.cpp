#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "DataRadioDoc.h"
#include "FileIo.h"
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
    const SCliResult result = RunCli({"print", dir.File("s.dat"), "-o", dir.File("sheet.pdf")});
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ASSERT_EQ(result.nExit, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "");

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
