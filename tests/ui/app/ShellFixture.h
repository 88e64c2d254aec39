#pragma once
// A main window on the offscreen platform with every dialog answered by the test: message boxes by a
// recording sink, file dialogs by paths, the model choice by a row, the Port menu by a fake port list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "BuiltInRadio.h"
#include "TempDir.h"
#include "app/AppWindow.h"
#include "app/MainForm.h"
#include "app/MainWindow.h"
#include "app/SystemFonts.h"

inline void EnsureApplication() {
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "kv310-test";
        static char* argv[] = {name, nullptr};
        const bool chooseFace = ChooseFontEngine(argc, argv);  // as the program does
        new QApplication(argc, argv);                          // lives until the test program ends
        if (chooseFace) {
            ChooseSansSerifFace();
        }
    }
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        ::setenv("XDG_CONFIG_HOME", m_Dir.File("config").c_str(), 1);
    }

    // Creates the main window the way the program starts it.
    CMainWindow& Start() {
        m_pFrame = std::make_unique<CMainWindow>(m_Doc, m_Sink);
        m_pFrame->m_PortLister = [this] { return m_Ports; };
        if (m_pPortSystem) {
            m_pFrame->m_pPortSystem = m_pPortSystem;
        }
        m_pFrame->m_RunAbout = [this] { ++m_nAboutRuns; };
        m_pView = CreateMainForm(*m_pFrame, m_Doc, m_Sink, ProgramComResolver());
        CMainForm& view = *m_pView;
        view.m_RunModelSelect = [this] {
            ++m_nModelSelectRuns;
            return m_nModelAnswer;
        };
        view.m_ChooseOpenPath = [this] { return m_strOpenPath; };
        view.m_ChooseSavePath = [this] { return m_strSavePath; };
        StartMainWindow(*m_pFrame, view);
        return *m_pFrame;
    }

    // Shows the window, makes it the active one and lets the first paint happen.
    void ShowActive() {
        m_pFrame->show();
        m_pFrame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_pFrame.get()));
        QApplication::processEvents();
    }

    CMainForm& View() { return *m_pView; }
    SWindowState& State() { return View().m_State; }
    COptionSheet& Sheet() { return *View().m_pSheet; }

    CTempDir m_Dir;
    CDataRadioDoc m_Doc;  // outlives the window, which writes the port file when it goes
    CRecordingSink m_Sink;
    std::vector<uint32_t> m_Ports;
    std::shared_ptr<CPortSystem> m_pPortSystem;  // unset: the machine's
    int m_nModelAnswer = -1;
    int m_nModelSelectRuns = 0;
    int m_nAboutRuns = 0;
    std::string m_strOpenPath;
    std::string m_strSavePath;
    std::unique_ptr<CMainWindow> m_pFrame;
    CMainForm* m_pView = nullptr;  // owned by the frame
};
