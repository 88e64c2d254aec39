// kv310: the desktop programmer. An optional settings file named on the command line is opened at start.

#include <QApplication>
#include <QStringList>

#include "BuiltInRadio.h"
#include "DataRadioDoc.h"
#include "Version.h"
#include "app/AppWindow.h"
#include "app/MainForm.h"
#include "app/MainWindow.h"
#include "app/SystemFonts.h"
#include "shared/DisplaySettings.h"
#include "shared/QtMessageSink.h"

int main(int argc, char* argv[]) {
    const bool chooseFace = ChooseFontEngine(argc, argv);
    QApplication app(argc, argv);
    if (chooseFace) {
        ChooseSansSerifFace();
    }
    QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(ProgramVersion()));
    QApplication::setDesktopFileName(QStringLiteral("kv310"));
    const SDisplaySettings display = LoadDisplaySettings();
    InstallLanguage(display.m_Language);
    if (display.m_Appearance != EAppearance::System) {
        ApplyAppearance(display.m_Appearance);
    }

    // The one settings record lives as long as the program.
    CDataRadioDoc doc;
    CQtMessageSink sink;
    CMainWindow frame(doc, sink);
    sink.m_pParent = &frame;
    // COM49: the simulated radio
    CMainForm* view = CreateMainForm(frame, doc, sink, ProgramComResolver(), MakeProgramPort());
    StartMainWindow(frame, *view);

    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        view->OpenStartupFile(args.at(1).toStdString());
    }
    frame.showMaximized();
    return QApplication::exec();
}
