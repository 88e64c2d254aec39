// Text typed into a page and not yet left counts for every command that reads the record: each command is
// run through the window's own actions while a page's field still holds the keystrokes.

#include <fstream>
#include <functional>
#include <sstream>

#include "FileIo.h"
#include "SettingsFile.h"
#include "ShellFixture.h"
#include "TextConfig.h"

namespace {

// A page, one of its fields, the keys that type the n-th value into it and where the record keeps it.
struct SFieldCase {
    const char* m_pszName;
    int m_nPage;
    QLineEdit* (*m_Field)(CMySheet&);
    std::string (*m_Keys)(int n);
    double (*m_Read)(const CDataRadioDoc&);
    double (*m_Value)(int n);
};

const SFieldCase kFieldCases[] = {
    {"channel 2 RX frequency", kPageChannel,
     [](CMySheet& s) -> QLineEdit* { return s.m_pChannelPage->m_Rows[1]->m_pRxFreq; },
     [](int n) { return "150" + std::to_string(1000 + 25 * (n + 1)).substr(1); },
     [](const CDataRadioDoc& d) { return d.m_Channel[1].m_dRxFreq; },
     [](int n) { return 150.0 + 0.025 * (n + 1); }},
    {"Scan Speed Time", kPageSystem, [](CMySheet& s) -> QLineEdit* { return s.m_pSystemPage->m_pScanSpeed; },
     [](int n) { return std::to_string(1230 + 10 * n); },
     [](const CDataRadioDoc& d) { return double(d.m_nScanSpeed); }, [](int n) { return 1230.0 + 10 * n; }},
    {"Tx On Delay", kPageModem, [](CMySheet& s) -> QLineEdit* { return s.m_pModemPage->m_pTxOnDelay; },
     [](int n) { return std::to_string(100 + 2 * n); },
     [](const CDataRadioDoc& d) { return double(d.m_nTxOnTime); }, [](int n) { return 100.0 + 2 * n; }},
};

class PendingEdits : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        ShowActive();
        QTRY_COMPARE(m_nModelSelectRuns, 1);
    }

    // Clicks into the field and types over what it holds; the focus stays in i
    void TypeWithoutLeaving(const SFieldCase& c, const std::string& keys) {
        View().ShowPage(c.m_nPage);
        QLineEdit* field = c.m_Field(Sheet());
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClicks(field, QString::fromStdString(keys));
        ASSERT_TRUE(field->hasFocus()) << c.m_pszName;
    }

    static std::string ReadText(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

}  // namespace

TEST_F(PendingEdits, EveryCommandThatReadsTheRecordSeesTheTypedValue) {
    // Each command runs the field's value through its own road: the file, the text, the printer's record...
    const struct {
        const char* m_pszName;
        std::function<double(const SFieldCase&)> m_Run;
    } commands[] = {
        {"Save",
         [this](const SFieldCase& c) {
             m_strSavePath = m_Dir.File("typed.dat");
             m_pFrame->m_pActSave->trigger();
             std::vector<uint8_t> bytes;
             CDataRadioDoc saved;
             return ReadFileBytes(m_strSavePath, bytes, kSettingsFileSize) &&
                            ApplySettingsFileBytes(saved, bytes)
                        ? c.m_Read(saved)
                        : -1.0;
         }},
        {"Export as Text",
         [this](const SFieldCase& c) {
             const std::string path = m_Dir.File("typed.yaml");
             View().m_ChooseExportPath = [path] { return path; };
             m_pFrame->m_pActExportText->trigger();
             CDataRadioDoc exported;
             std::string error;
             return ImportTextConfig(ReadText(path), "typed.yaml", exported, error) ? c.m_Read(exported)
                                                                                    : -1.0;
         }},
        {"Print",
         [this](const SFieldCase& c) {
             double seen = -1.0;
             View().m_RunPrintDialog = [&](QPrinter&) {
                 seen = c.m_Read(m_Doc);
                 return false;
             };
             m_pFrame->m_pActPrint->trigger();
             return seen;
         }},
        {"Compare with File",
         [this](const SFieldCase& c) {
             double seen = -1.0;
             View().m_ChooseComparePath = [&] {
                 seen = c.m_Read(m_Doc);
                 return std::string();
             };
             m_pFrame->m_pActCompare->trigger();
             return seen;
         }},
        {"close",
         [this](const SFieldCase& c) {
             m_Sink.m_Questions.clear();
             m_Sink.m_DefaultAnswer = EAnswer::Cancel;
             m_pFrame->close();
             const bool asked = m_Sink.m_Questions == std::vector<std::string>{kMsgSaveChanges};
             return asked && m_pFrame->isVisible() ? c.m_Read(m_Doc) : -1.0;
         }},
    };
    for (const SFieldCase& c : kFieldCases) {
        int n = 0;
        for (const auto& command : commands) {
            View().MarkClean();
            TypeWithoutLeaving(c, c.m_Keys(n));
            EXPECT_DOUBLE_EQ(command.m_Run(c), c.m_Value(n)) << c.m_pszName << ", " << command.m_pszName;
            ++n;
        }
    }
    EXPECT_TRUE(m_Sink.m_Messages.empty()) << m_Sink.m_Messages.front();
}

TEST_F(PendingEdits, AnEntryTheFieldRefusesStopsTheCommandWithTheFieldsOwnMessage) {
    // An RX frequency out of band sends the focus on to the row's option button; the others keep it.
    const struct {
        const SFieldCase& m_Field;
        const char* m_pszKeys;
        QWidget* (*m_Focus)(CMySheet&);
    } cases[] = {
        {kFieldCases[0], "2000000",
         [](CMySheet& s) -> QWidget* { return s.m_pChannelPage->m_Rows[1]->m_pRxOption; }},
        {kFieldCases[1], "5", [](CMySheet& s) -> QWidget* { return s.m_pSystemPage->m_pScanSpeed; }},
        {kFieldCases[2], "300", [](CMySheet& s) -> QWidget* { return s.m_pModemPage->m_pTxOnDelay; }}};
    // Each command tells whether it went on: a save path asked for, the pages reloaded, a transfer started.
    bool asked = false;
    View().m_ChooseSavePath = [&] {
        asked = true;
        return m_Dir.File("refused.dat");
    };
    const struct {
        QAction* CMainFrame::*m_pAction;
        std::function<bool()> m_WentOn;
    } commands[] = {
        {&CMainFrame::m_pActSave, [&] { return asked; }},
        {&CMainFrame::m_pActNew, [&] { return Sheet().m_pChannelPage->m_nRefreshCount > 0; }},
        {&CMainFrame::m_pActWriteRadio,
         [&] {
             return Sheet().m_pEepromPage->m_pTransfer->m_pProgress != nullptr || !m_Sink.m_Questions.empty();
         }},
    };
    for (const auto& c : cases) {
        for (const auto& command : commands) {
            m_Sink.m_Messages.clear();
            m_Sink.m_Questions.clear();
            asked = false;
            Sheet().m_pChannelPage->m_nRefreshCount = 0;
            TypeWithoutLeaving(c.m_Field, c.m_pszKeys);
            (m_pFrame.get()->*command.m_pAction)->trigger();
            const std::string what = std::string(c.m_Field.m_pszName) + ", " +
                                     (m_pFrame.get()->*command.m_pAction)->text().toStdString();
            EXPECT_FALSE(command.m_WentOn()) << what;
            EXPECT_EQ(m_Sink.m_Messages.size(), 1u) << what;
            EXPECT_TRUE(c.m_Focus(Sheet())->hasFocus()) << what;
        }
    }
}
