#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "PortFile.h"
#include "PortNames.h"
#include "app/DisplayMenus.h"
#include "dialogs/AboutDlg.h"
#include "pages/PageIndex.h"

static void InitKv310Resources() {
    Q_INIT_RESOURCE(kv310);
}

namespace {

// The part before the line break is the status-bar prompt, the part after it the tool-tip.
void SetPromptAndTip(QAction* action, const char* statusAndTip) {
    const QStringList parts =
        QCoreApplication::translate("CMainWindow", statusAndTip).split(QLatin1Char('\n'));
    action->setStatusTip(parts.value(0));
    if (parts.size() > 1) {
        action->setToolTip(parts.value(1));
    }
}

}  // namespace

CMainWindow::CMainWindow(CDataRadioDoc& doc, CMessageSink& sink, QWidget* parent)
    : QMainWindow(parent), m_Doc(doc), m_Sink(sink) {
    InitKv310Resources();
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/radio.svg")));
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    // The size the window returns to from maximised: most of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(screen->availableGeometry().size() * 0.9);
    }
}

QAction* CMainWindow::MakeAction(const char* text, const char* statusAndTip, const char* icon) {
    auto* action = new QAction(tr(text), this);
    if (statusAndTip != nullptr) {
        SetPromptAndTip(action, statusAndTip);
    }
    if (icon != nullptr) {
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
    }
    return action;
}

void CMainWindow::BuildMenus() {
    m_pActNew = MakeAction(QT_TR_NOOP("&New\tCtrl+N"),
                           QT_TR_NOOP("Create a new document\nCreate a new Document"), "new");
    m_pActNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_pActOpen = MakeAction(QT_TR_NOOP("&Load... \tCtrl+O"),
                            QT_TR_NOOP("Open an existing document\nLoad from file"), "open");
    m_pActOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_pActSave =
        MakeAction(QT_TR_NOOP("&Save\tCtrl+S"), QT_TR_NOOP("Save the active document\nSave to file"), "save");
    m_pActSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_pActSaveAs = MakeAction(QT_TR_NOOP("Save &As...\tCtrl+Shift+S"),
                              QT_TR_NOOP("Save under another name\nSave As"), nullptr);
    m_pActSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_pActExportText = MakeAction(QT_TR_NOOP("&Export as Text..."),
                                  QT_TR_NOOP("Save the configuration as YAML text\nExport as Text"), nullptr);
    m_pActImportChirp = MakeAction(
        QT_TR_NOOP("&Import Channels from CHIRP CSV..."),
        QT_TR_NOOP(
            "Put a CHIRP channel list (a repeater list, another radio's plan) into the channels\nImport "
            "Channels from CHIRP CSV"),
        nullptr);
    m_pActExportChirp = MakeAction(
        QT_TR_NOOP("Export Channels as &CHIRP CSV..."),
        QT_TR_NOOP("Save the programmed channels as a CHIRP channel list\nExport Channels as CHIRP CSV"),
        nullptr);
    m_pActCompare = MakeAction(
        QT_TR_NOOP("Co&mpare with File..."),
        QT_TR_NOOP("List the fields that differ from a .dat, .yaml or .bin file\nCompare with File"),
        nullptr);
    m_pActPrint =
        MakeAction(QT_TR_NOOP("&Print...\tCtrl+P"), QT_TR_NOOP("Print the active document\nPrint"), "print");
    m_pActPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_pActPreview =
        MakeAction(QT_TR_NOOP("Print Pre&view"),
                   QT_TR_NOOP("Show the data sheet as it will be printed\nPrint Preview"), "preview");
    m_pActExit = MakeAction(QT_TR_NOOP("E&xit"), QT_TR_NOOP("Quit the application\nExit"), nullptr);
    connect(m_pActExit, &QAction::triggered, this, &QWidget::close);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({m_pActNew, m_pActOpen, m_pActSave, m_pActSaveAs});
    file->addSeparator();
    file->addActions({m_pActExportText, m_pActImportChirp, m_pActExportChirp, m_pActCompare});
    file->addSeparator();
    file->addActions({m_pActPrint, m_pActPreview});
    file->addSeparator();
    file->addAction(m_pActExit);

    m_pActModelSelect = MakeAction(QT_TR_NOOP("&Model Select\tCtrl + M"),
                                   QT_TR_NOOP("Choose the radio model\nModel Select"), nullptr);
    m_pActModelSelect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_pActSquelch =
        MakeAction(QT_TR_NOOP("&Squelch\t"), QT_TR_NOOP("SETTING SQUELCH\nSetting Squelch"), "squelch");
    m_pActCalibration =
        MakeAction(QT_TR_NOOP("&Calibration\t"), QT_TR_NOOP("Calibration\nCalibration"), "calibration");
    m_pActFleet = MakeAction(
        QT_TR_NOOP("Program Several &Radios..."),
        QT_TR_NOOP("Write this configuration to several radios at once\nProgram Several Radios"), nullptr);
    QMenu* program = menuBar()->addMenu(tr("&Program"));
    program->addAction(m_pActModelSelect);
    program->addSeparator();
    program->addActions({m_pActSquelch, m_pActCalibration});
    m_pActVerify = MakeAction(QT_TR_NOOP("&Verify After Write"),
                              QT_TR_NOOP("Read the radio back after a write and compare\nVerify"), nullptr);
    m_pActVerify->setCheckable(true);
    m_pActVerify->setChecked(true);
    m_pActBackup = MakeAction(
        QT_TR_NOOP("Keep &Backup File Before Write"),
        QT_TR_NOOP("Keep a file of what the radio holds before writing over it (the radio is read first "
                   "either way, and keeps its own bytes)\nBackup File"),
        nullptr);
    m_pActBackup->setCheckable(true);
    m_pActBackup->setChecked(true);
    m_pActRestore =
        MakeAction(QT_TR_NOOP("Rest&ore Radio from Backup..."),
                   QT_TR_NOOP("Put a kept backup back on the radio as it stands\nRestore Radio"), nullptr);
    m_pActSaveTrace = MakeAction(
        QT_TR_NOOP("Save Serial &Trace..."),
        QT_TR_NOOP("Save every byte of the last transfer or service dialog\nSerial Trace"), nullptr);
    program->addSeparator();
    program->addActions({m_pActVerify, m_pActBackup, m_pActSaveTrace});
    program->addSeparator();
    program->addAction(m_pActFleet);
    program->addAction(m_pActRestore);
    BuildSupportActions();
    program->addAction(m_pActHistory);

    // Alt+P is Program's: the Port menu takes its second letter.
    m_pPortMenu = menuBar()->addMenu(tr("P&ort"));
    // A cable plugged in since the last look gets its entry when the menu opens.
    connect(m_pPortMenu, &QMenu::aboutToShow, this, &CMainWindow::BuildPortMenu);

    m_pActToolbar =
        MakeAction(QT_TR_NOOP("&Toolbar"), QT_TR_NOOP("Show or hide the toolbar\nToggle ToolBar"), nullptr);
    m_pActStatusBar = MakeAction(QT_TR_NOOP("&Status Bar"),
                                 QT_TR_NOOP("Show or hide the status bar\nToggle StatusBar"), nullptr);
    m_PageActions[kPageChannel] =
        MakeAction(QT_TR_NOOP("&Channel\t"), QT_TR_NOOP("CHANNEL DATA\nChannel Configuration"), nullptr);
    m_PageActions[kPageModem] =
        MakeAction(QT_TR_NOOP("M&odem\t"), QT_TR_NOOP("MODEM OPTION\nModem Option"), nullptr);
    m_PageActions[kPageEeprom] =
        MakeAction(QT_TR_NOOP("&EEPROM W/R\t"), QT_TR_NOOP("Select Write / Read\nCOMUNICATION"), nullptr);
    m_PageActions[kPageSystem] = MakeAction(QT_TR_NOOP("S&ystem / GPS\t"),
                                            QT_TR_NOOP("SYSTEM OPTION / GPS\nSystem option / GPS"), nullptr);
    m_PageButtons[kPageChannel] =
        MakeAction(QT_TR_NOOP("Channel"), QT_TR_NOOP("CHANNEL DATA\nChannel Configuration"), "channel");
    m_PageButtons[kPageModem] =
        MakeAction(QT_TR_NOOP("Modem"), QT_TR_NOOP("MODEM OPTION\nModem Option"), "modem");
    m_PageButtons[kPageEeprom] =
        MakeAction(QT_TR_NOOP("EEPROM"), QT_TR_NOOP("Read/Write\nEEPROM Read/Write"), "eeprom");
    m_PageButtons[kPageSystem] =
        MakeAction(QT_TR_NOOP("System"), QT_TR_NOOP("SYSTEM OPTION / GPS\nSystem option / GPS"), "system");
    for (int page = 0; page < kPageCount; ++page) {
        m_PageActions[page]->setCheckable(true);
        m_PageButtons[page]->setCheckable(true);
    }
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addActions({m_pActToolbar, m_pActStatusBar});
    view->addSeparator();
    view->addActions({m_PageActions[kPageChannel], m_PageActions[kPageModem], m_PageActions[kPageEeprom],
                      m_PageActions[kPageSystem]});
    m_pDisplayMenus = new CDisplayMenus(view, m_Sink);

    m_pActAbout =
        MakeAction(QT_TR_NOOP("&About KV310 ..."), QT_TR_NOOP("Display program information\nAbout"), nullptr);
    connect(m_pActAbout, &QAction::triggered, this, &CMainWindow::OnAbout);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(m_pActReport);
    help->addSeparator();
    help->addAction(m_pActAbout);

    m_pActReadRadio =
        MakeAction(QT_TR_NOOP("Rea&d Radio"), QT_TR_NOOP("Read the radio's settings\nRead Radio"), "read");
    m_pActWriteRadio = MakeAction(QT_TR_NOOP("&Write Radio"),
                                  QT_TR_NOOP("Write these settings to the radio\nWrite Radio"), "write");
    m_pActWriteWhole = MakeAction(
        QT_TR_NOOP("Write Whole &Image to Radio..."),
        QT_TR_NOOP("Write the plan's whole image, resetting the radio's calibration and own bytes (asks "
                   "first)\nWrite Whole Image"),
        nullptr);
    // on the toolbar too, but a toolbar is out of the keyboard's reach
    program->insertActions(m_pActModelSelect, {m_pActReadRadio, m_pActWriteRadio, m_pActWriteWhole});
    program->insertSeparator(m_pActModelSelect);
}

void CMainWindow::BuildToolBar() {
    m_pToolBar = addToolBar(tr("Standard"));
    m_pToolBar->setObjectName(QStringLiteral("standardToolBar"));
    m_pToolBar->setIconSize(QSize(32, 32));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pToolBar->addActions({m_pActNew, m_pActOpen, m_pActSave, m_pActPrint});
    m_pToolBar->addSeparator();
    m_pToolBar->addActions({m_pActReadRadio, m_pActWriteRadio});
    m_pToolBar->addSeparator();
    m_pToolBar->addActions({m_PageButtons[kPageChannel], m_PageButtons[kPageModem],
                            m_PageButtons[kPageEeprom], m_PageButtons[kPageSystem]});
    m_pToolBar->addSeparator();
    m_pToolBar->addActions({m_pActSquelch, m_pActCalibration});

    m_pActToolbar->setCheckable(true);
    m_pActToolbar->setChecked(true);
    connect(m_pActToolbar, &QAction::toggled, m_pToolBar, &QWidget::setVisible);
}

void CMainWindow::BuildStatusBar() {
    m_wndStatusBar = statusBar();
    // The idle text; prompts of the commands cover it while the pointer rests on them.
    m_pReady = new QLabel(tr("Ready"), m_wndStatusBar);
    m_wndStatusBar->addWidget(m_pReady, 1);
    m_pPortPane = new QLabel(m_wndStatusBar);
    m_pPortPane->setToolTip(tr("The serial port the radio is read and written on (Port menu)"));
    m_wndStatusBar->addPermanentWidget(m_pPortPane);
    m_pActStatusBar->setCheckable(true);
    m_pActStatusBar->setChecked(true);
    connect(m_pActStatusBar, &QAction::toggled, m_wndStatusBar, &QWidget::setVisible);
}

void CMainWindow::BuildPortMenu() {
    std::array<bool, kPortMenuLimit> present{};
    for (const uint32_t com : m_PortLister ? m_PortLister() : std::vector<uint32_t>()) {
        if (com > 0 && com < kPortMenuLimit) {
            present[com] = true;
        }
    }
    present[kSimulatedPortCom] = true;
    m_nPortIndex = PortIndexOf(m_pState->m_nComPort);

    m_pPortMenu->clear();
    for (QAction* action : m_PortActions) {
        action->deleteLater();
    }
    m_PortActions.clear();
    // One port at a time: the entries look like radio items, and none is marked until a port is chosen.
    auto* group = new QActionGroup(m_pPortMenu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int com = 1; com < kPortMenuLimit; ++com) {
        if (!present[com]) {
            continue;
        }
        const std::string device = com == kSimulatedPortCom ? std::string() : ComDevicePath(com);
        auto* action = new QAction(PortEntryText(SurveyDevice(*m_pPortSystem, com, device)), this);
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setData(com);
        action->setStatusTip(tr("Use COM%1 for the radio").arg(com));
        connect(action, &QAction::triggered, this, [this, com] { OnPortCommand(com); });
        m_pPortMenu->addAction(action);
        m_PortActions.push_back(action);
    }
    // an adapter whose driver failed has no port to pick, but the menu says what is wrong with it
    for (const SPortInfo& adapter : m_pPortSystem->AdaptersWithoutPort()) {
        auto* action = new QAction(PortEntryText(adapter), this);
        action->setEnabled(false);
        action->setStatusTip(QString::fromStdString(PortUnusableText(adapter)));
        action->setToolTip(action->statusTip());
        m_pPortMenu->addAction(action);
        m_PortActions.push_back(action);
    }
    m_pPortMenu->addSeparator();
    m_pPortMenu->addAction(m_pActFindCable);
    UpdatePortChecks();
}

void CMainWindow::OnPortCommand(int com) {
    m_nPortIndex = com - 1;
    m_pState->m_nComPort = com;
    SavePortFile();
    // the cable is remembered by its serial number too, so it is found again under another name
    const std::string device = com == kSimulatedPortCom ? std::string() : ComDevicePath(com);
    SaveAdapterSerial(device.empty() ? std::string() : SurveyDevice(*m_pPortSystem, com, device).m_strSerial);
    UpdatePortChecks();
}

void CMainWindow::UpdatePortChecks() {
    for (QAction* action : m_PortActions) {
        action->setChecked(action->data().toInt() == m_nPortIndex + 1);
    }
    m_pPortPane->setText(m_nPortIndex >= 0 ? QStringLiteral(" COM%1 ").arg(m_nPortIndex + 1)
                                           : tr(" No port selected "));
}

void CMainWindow::OnPageShown(int index) {
    m_nCurPage = index;
    UpdatePageChecks();
}

void CMainWindow::OnStatusText(const QString& text) {
    m_wndStatusBar->showMessage(text);
}

void CMainWindow::OnBusyChanged(bool busy) {
    for (QAction* action : {m_pActNew, m_pActOpen, m_pActModelSelect, m_pActReadRadio, m_pActWriteRadio,
                            m_pActWriteWhole, m_pActSquelch, m_pActCalibration, m_pActSaveTrace}) {
        action->setEnabled(!busy);
    }
    m_pPortMenu->setEnabled(!busy);
}

void CMainWindow::UpdatePageChecks() {
    for (int page = 0; page < kPageCount; ++page) {
        m_PageActions[page]->setChecked(page == m_nCurPage);
        m_PageButtons[page]->setChecked(page == m_nCurPage);
    }
}

void CMainWindow::SavePortFile() {
    std::string error;
    if (!SavePortSetting(m_pState->m_nComPort, &error) && m_wndStatusBar != nullptr) {
        m_wndStatusBar->showMessage(
            tr("The port choice could not be saved in %1: %2")
                .arg(QString::fromStdString(PortFilePath()), QString::fromStdString(error)),
            10000);
    }
}

void CMainWindow::OnAbout() {
    if (m_RunAbout) {
        m_RunAbout();
        return;
    }
    CAboutDlg about(this);
    about.exec();
}

void CMainWindow::closeEvent(QCloseEvent* event) {
    if (!m_CanClose || m_CanClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}
