// Texts filled in below the window, shown in the window's language: the write check's findings, the Port
// menu's states and the summary of Program Several Radios.

#include <QMenu>
#include <QPageLayout>
#include <QPrinter>

#include "ChannelClipboard.h"
#include "ChannelSignalling.h"
#include "ConfigCheck.h"
#include "DataSheet.h"
#include "EepromLayout.h"
#include "FileIo.h"
#include "FleetTransfer.h"
#include "ImageVerify.h"
#include "LegacyImport.h"
#include "PortSurvey.h"
#include "RadioWrite.h"
#include "RunCli.h"
#include "SettingsFile.h"
#include "TransferFailure.h"
#include "app/ShellFixture.h"
#include "shared/DisplaySettings.h"
#include "shared/Translation.h"

namespace {

// COM19, a USB adapter minicom holds.
class CHeldPort : public CPortSystem {
public:
    std::vector<int> PresentPorts() override { return {19}; }
    void Identify(SPortInfo& info) override { info.m_strKind = "USB serial adapter"; }
    int AccessError(const std::string&) override { return 0; }
    std::vector<SPortHolder> Holders(const std::string&) override { return {{4242, "minicom"}}; }
};

class TranslatedTexts : public ShellTest {
protected:
    void TearDown() override { InstallLanguage(ELanguage::English); }
};

TEST_F(TranslatedTexts, TheWriteCheckThePortMenuAndTheFleetSummaryAreInGerman) {
    ASSERT_TRUE(InstallLanguage(ELanguage::German));
    m_pPortSystem = std::make_shared<CHeldPort>();
    m_Ports = {19};
    CMainWindow& frame = Start();

    m_Doc.m_Channel[0].m_dRxFreq = 150.0;
    m_Doc.m_Channel[0].m_dTxFreq = 150.0;
    m_Doc.m_Channel[0].m_nRxOption = kSigCtcss;
    m_Doc.m_Channel[0].m_dRxCtcss = 12.3;  // no such tone: an error, so the window asks
    m_Sink.m_Answers = {EAnswer::No};
    frame.m_pActWriteRadio->trigger();
    ASSERT_EQ(m_Sink.m_Questions.size(), 1u);
    const std::string& question = m_Sink.m_Questions[0];
    EXPECT_NE(question.find("Fehler: Kanal 1 RX CTCSS 12.3 Hz steht nicht in der Tontabelle des Funkgeräts; "
                            "das Funkgerät würde "),
              std::string::npos)
        << question;
    EXPECT_EQ(question.find("Channel"), std::string::npos) << question;

    // the problem report's listing of the same port stays English
    EXPECT_NE(PortsText(SurveyPorts(*m_pPortSystem)).find("in use by minicom (process 4242)"),
              std::string::npos);
    ASSERT_FALSE(frame.m_pPortMenu->actions().isEmpty());
    EXPECT_EQ(frame.m_pPortMenu->actions()[0]->text().toStdString(),
              "COM19  /dev/ttyUSB2 \u2014 USB-Seriell-Adapter \u2014 belegt von minicom (Prozess 4242)");

    // each column as wide as its German heading; the failed radio's reason below the table
    const std::vector<SFleetPort> ports = {{"COM17", 17, "/dev/ttyUSB0", nullptr},
                                           {"COM18", 18, "/dev/ttyUSB1", nullptr}};
    std::vector<SFleetResult> results(2);
    results[0].m_bOk = true;
    results[0].m_strFirmware = "1.2";
    results[0].m_dSeconds = 9.8;
    results[0].m_strVerify = "verified";
    results[1].m_dSeconds = 1.3;
    results[1].m_strFailure = "keine Antwort";
    EXPECT_EQ(FleetSummaryText(ports, results),
              "Anschluss  Firmware  Ergebnis  Sekunden  Prüfung\n"
              "COM17      1.2       ok             9.8  geprüft\n"
              "COM18      -         FEHLER         1.3  -\n"
              "COM18: keine Antwort\n");
    EXPECT_EQ(FleetVerdictText(ports, results, true, true),
              "1 von 2 Funkgeräten geschrieben und geprüft; fehlgeschlagen: COM18.");
    const std::string germanSheet = DataSheetText(BuildDataSheet(m_Doc));

    // in English the same table as kv310ctl prints it
    ASSERT_TRUE(InstallLanguage(ELanguage::English));
    EXPECT_EQ(FleetSummaryText(ports, results),
              "Port   Firmware  Result  Seconds  Verify\n"
              "COM17  1.2       ok          9.8  verified\n"
              "COM18  -         FAILED      1.3  -\n"
              "COM18: keine Antwort\n");
    const std::string englishSheet = DataSheetText(BuildDataSheet(m_Doc));
    EXPECT_NE(englishSheet.find("## CHANNEL DATA ##"), std::string::npos);
    EXPECT_NE(germanSheet.find("## KANALDATEN ##"), std::string::npos) << germanSheet;
}

// The window prints its sheet in German, and kv310ctl print --language de makes the same PDF of the file.
TEST_F(TranslatedTexts, TheGermanSheetIsTheOneKv310ctlPrintsInGerman) {
    ASSERT_TRUE(InstallLanguage(ELanguage::German));
    Start();
    m_Doc.m_Channel[0].m_dRxFreq = m_Doc.m_Channel[0].m_dTxFreq = 151.0;
    m_Doc.m_Channel[0].m_nRxOption = kSigCtcss;
    m_Doc.m_Channel[0].m_dRxCtcss = 88.5;
    m_strSavePath = m_Dir.File("plan.dat");
    ASSERT_TRUE(View().OnFileSave());
    const std::string windowPdf = m_Dir.File("window.pdf");
    View().m_RunPrintDialog = [&](QPrinter& printer) {
        // the page kv310ctl prints on: A4, a quarter inch all round, 1200 dots per inch
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(windowPdf));
        printer.setResolution(1200);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
        return true;
    };
    m_pFrame->m_pActPrint->trigger();
    ASSERT_TRUE(m_Sink.m_Messages.empty()) << m_Sink.m_Messages[0];
    for (const char* language : {"de", "en"}) {
        const std::string cliPdf = m_Dir.File(std::string("cli-") + language + ".pdf");
        const SCliResult cli = RunCli({"print", m_strSavePath, "-o", cliPdf, "--language", language});
        ASSERT_EQ(cli.nExit, 0) << cli.strErr;
        std::vector<uint8_t> window;
        std::vector<uint8_t> printed;
        ASSERT_TRUE(ReadFileBytes(windowPdf, window, 1 << 22));
        ASSERT_TRUE(ReadFileBytes(cliPdf, printed, 1 << 22));
        EXPECT_EQ(window == printed, std::string(language) == "de") << language;
    }
    EXPECT_EQ(RunCli({"print", m_strSavePath, "-o", m_Dir.File("x.pdf"), "--language", "fr"}).nExit, 2);
}

// The other texts filled in below the window, each with the start of its German form.
TEST_F(TranslatedTexts, EveryKindOfTextFilledInBelowTheWindowIsInGerman) {
    ASSERT_TRUE(InstallLanguage(ELanguage::German));
    SPortInfo missing;
    missing.m_nCom = 3;
    missing.m_strDevice = "/dev/ttyS2";
    missing.m_State = EPortState::Missing;
    STransferFailure silent;
    silent.m_Did = ERadioDid::NoAnswer;
    silent.m_strPort = "COM3";
    STransferFailure mismatch;
    mismatch.m_Stage = EStage::ReadBack;
    mismatch.m_Did = ERadioDid::Mismatch;
    mismatch.m_nDiffering = 2;
    CImageBytes sent{};
    CImageBytes backup{};
    backup[kVersionFirmwareByte] = 2;
    const SFinding warning{ESeverity::Warning, "x"};
    const struct {
        std::string text;
        const char* german;
    } cases[] = {
        {PortUnusableText(missing), "COM3 (/dev/ttyS2) ist nicht vorhanden. Das Programmierkabel anstecken"},
        {FailureAdvice(silent, kFindCableInWindow), "Das Funkgerät hat an COM3 nicht geantwortet."},
        {FailureAdvice(mismatch, nullptr), "Prüfung fehlgeschlagen: an 0x000"},
        {ShortFileText(220), "Diese Datei ist kürzer als eine Einstellungsdatei (220 von 1827 Bytes)"},
        {RestoreFirmwareByteNote(backup, sent), "Byte 0x010: die Sicherung enthält 02"},
        {CompareImages(sent, sent).m_strMessage,
         "Geprüft: das Funkgerät enthält die 416 geschriebenen Bytes."},
        {TranslatedMessage(FitToneFrequency("5", 1000.0).m_strMessage).toStdString(), "Gültige Werte 300"},
        {FindingLine(warning), "Warnung: x"},
        {DescribeImageByte(0), "Flags: Rauschsperre per Belegt-Eingang (Bit 7), Haltezeit (Bit 6)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text.rfind(c.german, 0), 0u) << c.text;
    }
    // a paste's report (a refused frequency, a row below channel 16) and a KV110 file's out-of-band notice
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv310Vhf;
    SPasteOutcome outcome;
    std::string error;
    ASSERT_TRUE(PasteChannelRows("rx_mhz\n180\n151\n", {16}, doc, true, outcome, error)) << error;
    EXPECT_EQ(PasteReport(outcome).rfind("Kanal 16: RX 180.00000 liegt außerhalb von 138\u2013174 MHz; ", 0),
              0u)
        << PasteReport(outcome);
    EXPECT_NE(PasteReport(outcome).find("\n1 Zeile passte nicht mehr unter Kanal 16 und wurde ausgelassen."),
              std::string::npos);
    CRecordingSink sink;
    DecodeLegacyImage(CLegacyImage{}, doc, false, sink);
    ASSERT_FALSE(sink.m_Messages.empty());
    EXPECT_EQ(
        sink.m_Messages.back().rfind("Die Frequenz liegt außerhalb des Bands.\r\nSie sollte im Bereich", 0),
        0u)
        << sink.m_Messages.back();
    EXPECT_NE(cases[1].text.find("(Anschluss > Kabel suchen)"), std::string::npos) << cases[1].text;
    EXPECT_NE(cases[2].text.find("2 Bytes weichen ab"), std::string::npos) << cases[2].text;
}

}  // namespace
