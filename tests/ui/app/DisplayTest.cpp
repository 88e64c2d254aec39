// The window in every language and appearance: every page and dialog opened in English, German, Spanish,
// a pseudo-translation and the dark palette; no text cut off, none that escaped the catalogue, nothing larger
// than a 1366x768 screen; a screenshot of each kept in the build folder (screenshots/<variant>/). Run again
// with QT_SCALE_FACTOR=2 (the second CTest entry) for the 200 % shots.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>
#include <functional>

#include "PortSurvey.h"
#include "app/ContrastFaults.h"
#include "app/MissRecorder.h"
#include "app/PseudoTranslator.h"
#include "app/ShellFixture.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/BulkEditDlg.h"
#include "dialogs/ChangeMapDlg.h"
#include "dialogs/ChannelOptionDlg.h"
#include "dialogs/CompareDlg.h"
#include "dialogs/EngineeringDlg.h"
#include "dialogs/ModelSelectDlg.h"
#include "dialogs/ScanWarningDlg.h"
#include "dialogs/TonePickerDlg.h"
#include "dialogs/TwoToneCodeDlg.h"
#include "dialogs/TwoToneDlg.h"
#include "pages/PageIndex.h"
#include "radio/CalibrationDlg.h"
#include "radio/FindCableDlg.h"
#include "radio/FleetDlg.h"
#include "radio/ProgressDlg.h"
#include "radio/RestoreDlg.h"
#include "radio/SquelchDlg.h"
#include "radio/TransferHistoryDlg.h"
#include "shared/DisplaySettings.h"

namespace {

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;

struct SVariant {
    const char* m_pszName;
    ELanguage m_Language;
    bool m_bPseudo;
    EAppearance m_Appearance;
};

const SVariant kVariants[] = {
    {"english", ELanguage::English, false, EAppearance::Light},
    {"german", ELanguage::German, false, EAppearance::Light},
    {"spanish", ELanguage::Spanish, false, EAppearance::Light},
    {"pseudo", ELanguage::English, true, EAppearance::Light},
    {"dark", ELanguage::English, false, EAppearance::Dark},
};

// Texts that are the same in every language: names of things, numbers and units.
bool IsNameOrNumber(const QString& text) {
    static const QRegularExpression name(QStringLiteral(
        "^\\s*(KV\\d+.*|COM\\d+.*|(CTCSS|DCS) [0-9.]+( Hz)?|[UV]\\d+ : [0-9 -]+ MHz|MB15\\w+|V23|BELL "
        "202|CTCSS|DCS|GPS|RSSI|dBm|Hz|kHz|MHz|ms|sec|mW|W|"
        "Deutsch|English|Espa\u00f1ol|&Deutsch|&English|Es&pa\u00f1ol|[A-F0-9\\s.:x/%+\\-#()]*)\\s*$"));
    return name.match(text).hasMatch();
}

std::string Describe(const QWidget* widget, const QString& text) {
    const QString who = widget->accessibleName().isEmpty()
                            ? QString::fromLatin1(widget->metaObject()->className())
                            : widget->accessibleName();
    return (who + QStringLiteral(" \"") + text + QStringLiteral("\"")).toStdString();
}

// The width a button needs to show its text whole: a push button's text and margins (its size hint is at
// least 80 pixels however short its text), a check box's or radio button's indicator beside its text.
int NeededWidth(const QAbstractButton* button) {
    if (!button->inherits("QPushButton")) {
        return button->sizeHint().width();
    }
    int widest = 0;
    for (const QString& line : QString(button->text()).remove(QLatin1Char('&')).split(QLatin1Char('\n'))) {
        widest = std::max(widest, button->fontMetrics().horizontalAdvance(line));
    }
    const QStyle* style = button->style();
    return widest + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

// What is wrong with a shown window: texts cut off, texts without the pseudo-translation's marker.
std::vector<std::string> Faults(QWidget* top, bool pseudo) {
    std::vector<std::string> faults;
    const auto checkMarker = [&](const QWidget* widget, const QString& text) {
        if (pseudo && !text.isEmpty() && !text.contains(QChar(CPseudoTranslator::kOpen)) &&
            !IsNameOrNumber(text)) {
            faults.push_back("not translated: " + Describe(widget, text));
        }
    };
    const auto checkWidth = [&](const QWidget* widget, const QString& text, int needed) {
        if (needed > widget->width()) {
            faults.push_back("cut off: " + Describe(widget, text) + " needs " + std::to_string(needed) +
                             " px, has " + std::to_string(widget->width()));
        }
    };
    checkMarker(top, top->windowTitle());
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(top) || widget->width() <= 0) {
            continue;
        }
        // what the pointer and a screen reader tell of it
        checkMarker(widget, widget->toolTip());
        checkMarker(widget, widget->accessibleName());
        checkMarker(widget, widget->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            checkMarker(label, label->text());
            if (!label->wordWrap() && !label->text().isEmpty()) {
                checkWidth(label, label->text(), label->minimumSizeHint().width());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->parentWidget() != nullptr && button->parentWidget()->inherits("QToolBar")) {
                continue;  // icons; their texts are the actions' and checked with the menus
            }
            checkMarker(button, button->text());
            if (!button->text().isEmpty()) {
                checkWidth(button, button->text(), NeededWidth(button));
            }
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int item = 0; item < list->count() && !list->property("kv310ListsData").toBool(); ++item) {
                checkMarker(list, list->itemText(item));
            }
        } else if (auto* table = qobject_cast<QTableView*>(widget)) {
            for (int column = 0; table->model() != nullptr && column < table->model()->columnCount();
                 ++column) {
                checkMarker(table, table->model()->headerData(column, Qt::Horizontal).toString());
            }
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            checkMarker(group, group->title());
            checkWidth(group, group->title(), group->fontMetrics().horizontalAdvance(group->title()));
        }
    }
    return faults;
}

void CheckMenus(const QList<QAction*>& actions, const QWidget* owner, std::vector<std::string>& faults) {
    for (const QAction* action : actions) {
        if (action->isSeparator() || action->text().isEmpty()) {
            continue;
        }
        for (const QString& text : {action->text(), action->statusTip()}) {
            if (!text.isEmpty() && !text.contains(QChar(CPseudoTranslator::kOpen)) && !IsNameOrNumber(text)) {
                faults.push_back("not translated: menu " + Describe(owner, text));
            }
        }
        if (action->menu() != nullptr) {
            CheckMenus(action->menu()->actions(), owner, faults);
        }
    }
}

class WindowDisplay : public ShellTest, public ::testing::WithParamInterface<SVariant> {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        const SVariant& variant = GetParam();
        ASSERT_TRUE(InstallLanguage(variant.m_Language));
        if (variant.m_bPseudo) {
            QCoreApplication::installTranslator(&m_Pseudo);
        } else if (variant.m_Language != ELanguage::English) {
            m_pMisses = std::make_unique<CMissRecorder>(
                QStringLiteral(KV310_TRANSLATIONS_DIR "/kv310_%1.ts").arg(LanguageCode(variant.m_Language)));
            ASSERT_TRUE(m_pMisses->m_bLoaded);
            m_pMisses->m_Ignored = {"Scan is on", "Scan is switched off"};  // the scan warning's below
            QCoreApplication::installTranslator(m_pMisses.get());
        }
        ApplyAppearance(variant.m_Appearance);
        const bool doubled = qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2");
        m_strFolder =
            QStringLiteral(KV310_SCREENSHOT_DIR "/%1%2")
                .arg(QLatin1String(variant.m_pszName), doubled ? QStringLiteral("-200") : QString());
        QDir().mkpath(m_strFolder);
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(&m_Pseudo);
        if (m_pMisses) {
            QCoreApplication::removeTranslator(m_pMisses.get());
        }
        InstallLanguage(ELanguage::English);
        ApplyAppearance(EAppearance::System);
        ShellTest::TearDown();
    }

    // Checks one shown window and keeps its picture.
    void Look(QWidget* top, const QString& name) {
        QApplication::processEvents();
        const QSize size =
            top->isWindow() && top->inherits("QMainWindow") ? top->minimumSizeHint() : top->size();
        EXPECT_LE(size.width(), kScreenWidth) << name.toStdString() << " is wider than the screen";
        EXPECT_LE(size.height(), kScreenHeight) << name.toStdString() << " is taller than the screen";
        for (const std::string& fault : Faults(top, GetParam().m_bPseudo)) {
            ADD_FAILURE() << name.toStdString() << ": " << fault;
        }
        // the dark palette's colours are the program's own: text at 4.5:1, a control's edge at 3:1
        for (const std::string& fault : GetParam().m_Appearance == EAppearance::Dark
                                            ? ContrastFaults(top)
                                            : std::vector<std::string>()) {
            ADD_FAILURE() << name.toStdString() << ": too faint: " << fault;
        }
        EXPECT_TRUE(top->grab().save(m_strFolder + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    CPseudoTranslator m_Pseudo;
    std::unique_ptr<CMissRecorder> m_pMisses;  // German and Spanish: texts given to tr() it does not hold
    QString m_strFolder;
};

TEST_P(WindowDisplay, EveryPageAndDialogFitsTheScreenWithEveryTextWhole) {
    // every fill an option button has: CTCSS, a marked CTCSS, DCS, two-tone, none
    const struct {
        int m_nRx;
        double m_dCtcss;
    } options[] = {{kSigCtcss, 88.5}, {kSigCtcss, 69.3}, {kSigDcs, 0.0}, {kSigTwoTone, 0.0}, {kSigNone, 0.0}};
    for (size_t ch = 0; ch < std::size(options); ++ch) {
        m_Doc.m_Channel[ch].m_dRxFreq = m_Doc.m_Channel[ch].m_dTxFreq = 151.0;
        m_Doc.m_Channel[ch].m_nRxOption = m_Doc.m_Channel[ch].m_nTxOption = options[ch].m_nRx;
        m_Doc.m_Channel[ch].m_dRxCtcss = m_Doc.m_Channel[ch].m_dTxCtcss = options[ch].m_dCtcss;
        m_Doc.m_Channel[ch].m_nRxDcs = m_Doc.m_Channel[ch].m_nTxDcs = 23;
    }
    CMainWindow& frame = Start();
    frame.resize(kScreenWidth, kScreenHeight);
    frame.show();
    const char* const pageNames[kPageCount] = {"page-channel", "page-modem", "page-eeprom", "page-system"};
    for (int page = 0; page < kPageCount; ++page) {
        Sheet().SetActivePage(page);
        Look(&frame, QLatin1String(pageNames[page]));
    }
    for (QAction* action : frame.menuBar()->actions()) {
        emit action->menu()->aboutToShow();  // the Port menu is filled as it opens
    }
    if (GetParam().m_bPseudo) {
        std::vector<std::string> faults;
        CheckMenus(frame.menuBar()->actions(), &frame, faults);
        for (const std::string& fault : faults) {
            ADD_FAILURE() << fault;
        }
    }

    SPageContext& context = View().m_Ctx;
    const std::unique_ptr<CPortSystem> ports = MachinePortSystem();
    const CImageBytes image{};
    const std::vector<std::pair<const char*, std::function<QDialog*()>>> dialogs = {
        {"about", [&] { return new CAboutDlg(&frame); }},
        {"bulk-edit", [&] { return new CBulkEditDlg(m_Doc, &frame); }},
        {"change-map", [&] { return new CChangeMapDlg(State(), m_Sink, 1, 1, 0x5A, &frame); }},
        {"channel-option", [&] { return new CChannelOptionDlg(context, &frame); }},
        {"compare", [&] { return new CCompareDlg("plan.dat", {"CH 1 RX: 150.0000 / 151.0000"}, &frame); }},
        {"engineering", [&] { return new CEngineeringDlg(image, &frame); }},
        {"model-select", [&] { return new CModelSelectDlg(&frame); }},
        {"scan-warning",
         [&] {
             return new CScanWarningDlg(QCoreApplication::translate("CModemPage", "Scan is on"),
                                        QCoreApplication::translate("CModemPage", "Scan is switched off"),
                                        &frame);
         }},
        {"ctcss", [&] { return new CCtcssDlg(&frame); }},
        {"dcs", [&] { return new CDcsDlg(&frame); }},
        {"two-tone-code", [&] { return new CTwoToneCodeDlg(m_Doc, State(), m_Sink, &frame); }},
        {"two-tone", [&] { return new CTwoToneDlg(m_Doc, m_Sink, 1, &frame); }},
        {"calibration", [&] { return new CCalibrationDlg(context, &frame); }},
        {"squelch", [&] { return new CSquelchDlg(context, &frame); }},
        {"find-cable", [&] { return new CFindCableDlg(*ports, &frame); }},
        {"fleet", [&] { return new CFleetDlg(context, &frame); }},
        {"progress", [&] { return new CProgressDlg(&frame); }},
        {"restore", [&] { return new CRestoreDlg(context, *Sheet().m_pEepromPage->m_pTransfer, &frame); }},
        {"transfer-history",
         [&] {
             return new CTransferHistoryDlg({}, m_Dir.File("state/transfers.log"), std::string(), &frame);
         }},
    };
    for (const auto& [name, make] : dialogs) {
        std::unique_ptr<QDialog> dialog(make());
        dialog->show();
        Look(dialog.get(), QLatin1String(name));
        dialog->close();
    }
    if (m_pMisses) {
        for (const std::string& miss : m_pMisses->m_Misses) {
            ADD_FAILURE() << "in no catalogue: " << miss;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, WindowDisplay, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<SVariant>& info) {
                             return std::string(info.param.m_pszName);
                         });

}  // namespace
