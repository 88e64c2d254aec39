// The language and appearance choices, the colours chosen per palette, and the texts from below the window
// in the window's language.

#include <QFile>
#include <QMenu>

#include "BlockTransfer.h"
#include "DataRadioDoc.h"
#include "ModelBand.h"
#include "PartlyWritten.h"
#include "PortFile.h"
#include "TransferFailure.h"
#include "app/DisplayMenus.h"
#include "app/PseudoTranslator.h"
#include "app/ShellFixture.h"
#include "shared/DisplaySettings.h"
#include "shared/Translation.h"
#include "widgets/OptionButton.h"

namespace {

class DisplaySettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        ::setenv("XDG_CONFIG_HOME", m_Dir.File("config").c_str(), 1);
    }
    CTempDir m_Dir;
};

TEST_F(DisplaySettingsFile, KeepsEachChoiceBesideThePortFileWhoseFourBytesStay) {
    ASSERT_TRUE(SavePortSetting(3));
    const std::string portFile = m_Dir.File("config/KV310.ini");
    for (const ELanguage language :
         {ELanguage::System, ELanguage::English, ELanguage::German, ELanguage::Spanish}) {
        for (const EAppearance appearance : {EAppearance::System, EAppearance::Light, EAppearance::Dark}) {
            ASSERT_TRUE(SaveDisplaySettings({language, appearance}));
            const SDisplaySettings read = LoadDisplaySettings();
            EXPECT_EQ(read.m_Language, language);
            EXPECT_EQ(read.m_Appearance, appearance);
        }
    }
    EXPECT_EQ(DisplaySettingsPath().toStdString(), m_Dir.File("config/KV310-display.ini"));
    QFile port(QString::fromStdString(portFile));
    ASSERT_TRUE(port.open(QIODevice::ReadOnly));
    EXPECT_EQ(port.readAll(), QByteArray("\x03\x00\x00\x00", 4));
}

TEST_F(DisplaySettingsFile, AMissingOrGarbledFileGivesTheDefaults) {
    for (const char* content : {"", "language=klingon\nappearance=neon\n", "\xff\xfe garbage", "language"}) {
        const QString path = DisplaySettingsPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        const SDisplaySettings read = LoadDisplaySettings();
        EXPECT_EQ(read.m_Language, ELanguage::System) << content;
        EXPECT_EQ(read.m_Appearance, EAppearance::System) << content;
    }
    ::setenv("XDG_CONFIG_HOME", m_Dir.File("config/KV310-display.ini/below-a-file").c_str(), 1);
    EXPECT_FALSE(SaveDisplaySettings({ELanguage::German, EAppearance::Dark}));
}

TEST(ContrastRatio, MatchesTheGuidelinesFigures) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(Qt::white, Qt::white), 1.0, 0.01);
    EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
}

TEST(Palettes, EveryColourTheWindowChoosesIsReadableInLightAndDark) {
    EnsureApplication();
    for (const EAppearance appearance : {EAppearance::Light, EAppearance::Dark}) {
        ApplyAppearance(appearance);
        const QPalette palette = QApplication::palette();
        SCOPED_TRACE(appearance == EAppearance::Dark ? "dark" : "light");
        EXPECT_EQ(IsDarkPalette(palette), appearance == EAppearance::Dark);
        if (appearance == EAppearance::Light) {
            EXPECT_EQ(MapMarkColour(palette).rgb() & 0xFFFFFF, 0xFFCCFFu);  // the mark as it always was
        }
        EXPECT_GE(ContrastRatio(MapTextColour(palette), MapMarkColour(palette)), 4.5);
        EXPECT_GE(ContrastRatio(MapTextColour(palette), MapPlainColour(palette)), 4.5);
        EXPECT_GE(ContrastRatio(MapFrameColour(palette), MapMarkColour(palette)), 3.0);
        // the selected channel rows
        EXPECT_GE(ContrastRatio(palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight)),
                  4.5);
        // disabled fields
        EXPECT_GE(ContrastRatio(palette.color(QPalette::Disabled, QPalette::Text),
                                palette.color(QPalette::Disabled, QPalette::Base)),
                  4.5);
        EXPECT_GE(ContrastRatio(palette.color(QPalette::Disabled, QPalette::ButtonText),
                                palette.color(QPalette::Disabled, QPalette::Button)),
                  4.5);
    }
    ApplyAppearance(EAppearance::System);
}

// The option buttons draw themselves: their caption must keep its contrast on the plain button in both.
TEST(Palettes, AnOptionButtonsCaptionStandsOutInLightAndDark) {
    EnsureApplication();
    for (const EAppearance appearance : {EAppearance::Light, EAppearance::Dark}) {
        ApplyAppearance(appearance);
        COptionButton button;
        button.resize(80, 24);
        button.SetLook(QStringLiteral("WWWWWW"), QColor());
        const QImage image = button.grab().toImage();
        const QColor background = QApplication::palette().color(QPalette::Button);
        double best = 1.0;
        for (int y = 4; y < image.height() - 4; ++y) {
            for (int x = 4; x < image.width() - 4; ++x) {
                best = std::max(best, ContrastRatio(image.pixelColor(x, y), background));
            }
        }
        EXPECT_GE(best, 4.5) << (appearance == EAppearance::Dark ? "dark" : "light");
    }
    ApplyAppearance(EAppearance::System);
}

TEST(MessagesBelowTheWindow, AreShownInTheWindowsLanguageAndTheRadiosLinesStayInEnglish) {
    EnsureApplication();
    STransferFailure failure;
    failure.m_bWrite = true;
    failure.m_Did = ERadioDid::NoAnswer;
    failure.m_strPort = "COM3";
    ASSERT_TRUE(InstallLanguage(ELanguage::English));
    const QString english = TranslatedMessage(FailureMessage(kTextWriteFail, failure, kFindCableInWindow));
    EXPECT_TRUE(english.startsWith(QStringLiteral("Write Fail!\nThe radio did not answer on COM3.")))
        << english.toStdString();

    ASSERT_TRUE(InstallLanguage(ELanguage::German));
    const QString german = TranslatedMessage(FailureMessage(kTextWriteFail, failure, kFindCableInWindow));
    EXPECT_FALSE(german.startsWith(QStringLiteral("Write Fail!"))) << german.toStdString();
    EXPECT_TRUE(german.contains(QStringLiteral("COM3"))) << german.toStdString();
    EXPECT_EQ(german.count(QLatin1Char('\n')), english.count(QLatin1Char('\n')));
    // the values go into the translated sentence
    const std::string model = ModelSelectText(ModelCatalogue()[kFirstOfferedModel]);
    EXPECT_NE(model.find("MHz bis"), std::string::npos) << model;
    EXPECT_EQ(PartlyWrittenText(5).substr(0, 59), "teilweise geschrieben: Blöcke 0–4 sind neu, 5–25 nicht");

    CPseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    // each line of a message made of marked lines is translated on its own
    const QString lines = TranslatedMessage(std::string(kTextReadFail) + "\r\n" + kTextCommError);
    EXPECT_EQ(lines.count(QChar(CPseudoTranslator::kOpen)), 2) << lines.toStdString();
    QCoreApplication::removeTranslator(&pseudo);
    ASSERT_TRUE(InstallLanguage(ELanguage::English));
    EXPECT_EQ(LookUpText(KV310_MESSAGES, "Write Fail!"), "Write Fail!");
}

}  // namespace

namespace {

QAction* Entry(QMenu* menu, const char* text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == QLatin1String(text)) {
            return action;
        }
    }
    ADD_FAILURE() << "no entry " << text;
    return nullptr;
}

TEST_F(ShellTest, TheViewMenusLanguageAndAppearanceAreKeptBesideThePortFile) {
    CMainWindow& frame = Start();
    QMenu* appearance = frame.m_pDisplayMenus->m_pAppearanceMenu;
    QMenu* language = frame.m_pDisplayMenus->m_pLanguageMenu;

    Entry(appearance, "&Dark")->trigger();
    EXPECT_TRUE(IsDarkPalette(QApplication::palette()));
    EXPECT_EQ(LoadDisplaySettings().m_Appearance, EAppearance::Dark);
    Entry(appearance, "L&ight")->trigger();
    EXPECT_FALSE(IsDarkPalette(QApplication::palette()));

    // the language changes at the next start, and the window says so once
    Entry(language, "&English")->trigger();
    m_Sink.m_Messages.clear();
    m_Sink.m_Kinds.clear();
    Entry(language, "&Deutsch")->trigger();
    Entry(language, "&Deutsch")->trigger();
    EXPECT_EQ(LoadDisplaySettings().m_Language, ELanguage::German);
    EXPECT_EQ(LoadDisplaySettings().m_Appearance, EAppearance::Light);
    ASSERT_EQ(m_Sink.m_Messages.size(), 1u);
    EXPECT_EQ(m_Sink.m_Kinds[0], EMessageKind::Information);
    EXPECT_TRUE(Entry(language, "&Deutsch")->isChecked());
    ApplyAppearance(EAppearance::System);
}

}  // namespace
