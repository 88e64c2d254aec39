// A speech user says what they see ("click INPUT"): every control that shows a caption, on every page and in
// every dialog, carries that caption in the name a screen reader hears.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QToolButton>

#include "app/ShellFixture.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/ChangeMapDlg.h"
#include "dialogs/ChannelOptionDlg.h"
#include "dialogs/CompareDlg.h"
#include "dialogs/EngineeringDlg.h"
#include "dialogs/ModelSelectDlg.h"
#include "dialogs/ScanWarningDlg.h"
#include "dialogs/TonePickerDlg.h"
#include "dialogs/TwoToneCodeDlg.h"
#include "dialogs/TwoToneDlg.h"
#include "radio/CalibrationDlg.h"
#include "radio/FleetDlg.h"
#include "radio/ProgressDlg.h"
#include "radio/SquelchDlg.h"

namespace {

// Case, spacing, line breaks, mnemonics, a label's colon and the "#" bullets of the rows do not count.
QString Spoken(QString text) {
    text.remove(QLatin1Char('&')).remove(QLatin1Char('#')).remove(QLatin1Char(':'));
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text.toLower();
}

// Every control below root with a visible caption of its own or from a label that names it, whose accessible
// name leaves that caption out.
QStringList NamesWithoutCaption(QWidget* root) {
    QStringList misses;
    auto check = [&](QWidget* control, const QString& caption) {
        // A list's accessible name is its current entry on Linux (its label is a relation there), so the
        // name that Windows reads from the control is checked for lists instead.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QString name = accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
        if (qobject_cast<QComboBox*>(control) != nullptr) {
            name = control->accessibleName().isEmpty() ? caption : control->accessibleName();
        }
        if (!Spoken(caption).isEmpty() && !Spoken(name).contains(Spoken(caption))) {
            misses << QStringLiteral("%1 \"%2\" is named \"%3\"")
                          .arg(QString::fromLatin1(control->metaObject()->className()), caption, name);
        }
    };
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QToolButton*>(button) == nullptr) {  // the toolbar's buttons show icons
            check(button, button->text());
        }
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            check(label->buddy(), label->text());
        }
    }
    return misses;
}

}  // namespace

TEST_F(ShellTest, EveryCaptionedControlOfEveryPageAndDialogCarriesItsCaptionInItsName) {
    Start();
    for (int page = 0; page < kPageCount; ++page) {
        View().ShowPage(page);
    }
    m_Doc.m_Channel[0].m_dRxFreq = m_Doc.m_Channel[0].m_dTxFreq = 151.0;
    State().m_nCurChannel = 1;
    CPageContext& ctx = View().m_Ctx;
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<CAboutDlg>());
    dialogs.push_back(std::make_unique<CCalibrationDlg>(ctx));
    dialogs.push_back(std::make_unique<CSquelchDlg>(ctx));
    dialogs.push_back(std::make_unique<CChangeMapDlg>(State(), m_Sink, 12, 9, 0x7F));
    dialogs.push_back(std::make_unique<CChannelOptionDlg>(ctx));
    dialogs.push_back(std::make_unique<CCompareDlg>("other.dat", std::vector<std::string>{"channel 3 rx"}));
    dialogs.push_back(std::make_unique<CEngineeringDlg>(CImageBytes{}));
    dialogs.push_back(std::make_unique<CFleetDlg>(ctx));
    dialogs.push_back(std::make_unique<CModelSelectDlg>());
    dialogs.push_back(std::make_unique<CProgressDlg>());
    dialogs.push_back(std::make_unique<CScanWarningDlg>(QStringLiteral("ON"), QStringLiteral("OFF")));
    dialogs.push_back(std::make_unique<CCtcssDlg>());
    dialogs.push_back(std::make_unique<CDcsDlg>());
    dialogs.push_back(std::make_unique<CTwoToneCodeDlg>(m_Doc, State(), m_Sink));
    dialogs.push_back(std::make_unique<CTwoToneDlg>(m_Doc, m_Sink, 1));
    QStringList misses = NamesWithoutCaption(m_pFrame.get());
    for (const auto& dialog : dialogs) {
        misses << NamesWithoutCaption(dialog.get());
    }
    EXPECT_TRUE(misses.isEmpty()) << misses.join(QLatin1Char('\n')).toStdString();
}
