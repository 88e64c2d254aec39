// The data sheet rendered to PDF as the command-line tool does it: no display, no application object.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

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
    // as kv310ctl runs on a machine without a display: only the tool's own arguments choose the platform
    ::unsetenv("QT_QPA_PLATFORM");
    ::unsetenv("DISPLAY");
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
    // the cases after this one in the same process (one process for all of them under wine) draw offscreen
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

#ifdef _WIN32

TEST(DataSheetPdf, PlacesEveryTextAtItsTwipsPositionInNinePointCourier) {
    GTEST_SKIP()
        << "the text positions are read back with pdftotext (poppler-utils), which is not there under "
           "wine; the Linux build checks them on the same drawing code";
}

#else

// Words of one page with their top-left corners in points, as poppler's pdftotext -bbox finds them.
struct SWord {
    double x, y;
    std::string text;
};

std::vector<SWord> PageWords(const std::string& pdf, int page) {
    const std::string command = "pdftotext -bbox -f " + std::to_string(page) + " -l " + std::to_string(page) +
                                " '" + pdf + "' - 2>/dev/null";
    std::vector<SWord> words;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return words;
    }
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        SWord word{};
        char text[256];
        if (std::sscanf(line, " <word xMin=\"%lf\" yMin=\"%lf\" %*[^>]>%255[^<]", &word.x, &word.y, text) ==
            3) {
            word.text = text;
            words.push_back(word);
        }
    }
    ::pclose(pipe);
    return words;
}

const SWord* Find(const std::vector<SWord>& words, const std::string& text, int nth = 0) {
    for (const SWord& word : words) {
        if (word.text == text && nth-- == 0) {
            return &word;
        }
    }
    return nullptr;
}

// Twips from the printable area's corner to points on the paper (the PDF's margin is a quarter inch).
double PaperPoints(int twips) {
    return (twips + 360) / 20.0;
}

TEST(DataSheetPdf, PlacesEveryTextAtItsTwipsPositionInNinePointCourier) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    CTempDir dir;
    const std::string path = dir.File("sheet.pdf");
    std::string error;
    ASSERT_TRUE(PrintDataSheetToPdf(ProgrammedUhfRadio(), path, &error)) << error;

    const std::vector<SWord> page1 = PageWords(path, 1);
    const SWord* heading = Find(page1, "=====");
    ASSERT_NE(heading, nullptr);
    EXPECT_NEAR(heading->x, PaperPoints(3400), 0.5);
    EXPECT_NEAR(heading->y, PaperPoints(600), 0.5);
    // "* MODEL" at 400: the word starts two characters (2 x 108 twips) further right.
    const SWord* model = Find(page1, "MODEL");
    ASSERT_NE(model, nullptr);
    EXPECT_NEAR(model->x, PaperPoints(400 + 2 * 108), 0.5);
    EXPECT_NEAR(model->y, PaperPoints(900), 0.5);
    ASSERT_NE(Find(page1, "UHF"), nullptr);
    const SWord* hangOn = Find(page1, "HANG-ON");
    ASSERT_NE(hangOn, nullptr);
    EXPECT_NEAR(hangOn->x, PaperPoints(9400), 0.5);
    EXPECT_NEAR(hangOn->y, PaperPoints(1900), 0.5);
    // Channel 1's CTCSS tone sits above its "(CTCSS)" line.
    const SWord* tone = Find(page1, "67.0");
    ASSERT_NE(tone, nullptr);
    EXPECT_NEAR(tone->y, PaperPoints(1750 + 700 - 115), 0.5);
    EXPECT_EQ(Find(page1, "OPTION"), nullptr);

    const std::vector<SWord> page2 = PageWords(path, 2);
    const SWord* option = Find(page2, "OPTION");
    ASSERT_NE(option, nullptr);
    EXPECT_NEAR(option->x, PaperPoints(4000 + 6 * 108), 0.5);
    EXPECT_NEAR(option->y, PaperPoints(900), 0.5);
    EXPECT_EQ(Find(page2, "HANG-ON"), nullptr);
}

#endif  // _WIN32

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
#ifdef _WIN32
    GTEST_SKIP()
        << "wine's font database does not report the face it substitutes for Courier New as fixed-pitch";
#endif
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
