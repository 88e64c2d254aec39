// The data sheet rendered to PDF as the command-line tool does it: no display, no application object.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>

#include "DataSheetPrinter.h"
#include "FileIo.h"
#include "TempDir.h"

namespace {

std::string ReadText(const std::string& path) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes, 1 << 22));
    return std::string(bytes.begin(), bytes.end());
}

CDataRadioDoc ProgrammedUhfRadio() {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv330Uhf;
    doc.ResetToDefaults();
    doc.m_Channel[0].m_dRxFreq = 445.125;
    doc.m_Channel[0].m_dTxFreq = 445.125;
    doc.m_Channel[0].m_nRxOption = kSigCtcss;
    doc.m_Channel[0].m_dRxCtcss = 67.0;
    doc.m_Channel[1].m_dRxFreq = 460.0;
    doc.m_Channel[1].m_nTxOption = kSigDcs;
    doc.m_Channel[1].m_nTxDcs = 23;
    doc.m_bGps = 1;
    return doc;
}

TEST(DataSheetPdf, WritesTwoPagesWithoutADisplayOrApplication) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    CTempDir dir;
    const std::string path = dir.File("sheet.pdf");
    std::string error;
    ASSERT_TRUE(PrintDataSheetToPdf(ProgrammedUhfRadio(), path, &error)) << error;
    const std::string pdf = ReadText(path);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
    EXPECT_EQ(pdf.find("/Count 1"), std::string::npos);
    // The job name is the document title.
    EXPECT_EQ(DataSheetJobName(ProgrammedUhfRadio()), "KV330 UHF DATA SHEET");
    // The call can be repeated in the same process.
    ASSERT_TRUE(PrintDataSheetToPdf(CDataRadioDoc(), dir.File("second.pdf"), &error)) << error;
    EXPECT_NE(ReadText(dir.File("second.pdf")).find("/Count 2"), std::string::npos);
}

TEST(DataSheetPdf, AnUnwritablePathFailsWithTheReasonAndAnExistingFileIsReplacedWhole) {
    CTempDir dir;
    std::string error;
    EXPECT_FALSE(PrintDataSheetToPdf(CDataRadioDoc(), dir.File("missing/sheet.pdf"), &error));
    EXPECT_NE(error.find("Cannot write"), std::string::npos) << error;
    EXPECT_NE(error.find("missing/sheet.pdf"), std::string::npos) << error;

    const std::string path = dir.File("kept.pdf");
    ASSERT_TRUE(WriteFileAtomically(path, {'o', 'l', 'd'}));
    // An existing file is replaced whole.
    EXPECT_TRUE(PrintDataSheetToPdf(CDataRadioDoc(), path, &error)) << error;
    EXPECT_EQ(ReadText(path).rfind("%PDF-", 0), 0u);
}

TEST(DataSheetFont, IsAMonospacedNinePointFontSizedInTwips) {
    int argc = 1;
    char name[] = "print-test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const QFont font = DataSheetFont();
    EXPECT_EQ(font.pixelSize(), 180);
    const QFontInfo info(font);
    EXPECT_TRUE(info.fixedPitch()) << info.family().toStdString();
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
}

}  // namespace
