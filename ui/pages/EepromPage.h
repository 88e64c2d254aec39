#pragma once
// The EEPROM page: the radio's 416-byte EEPROM image as a map, and the place radio reads and writes start
// from. It owns the four image buffers for the program's lifetime.
//
// The map shows what the next write sends: the record's encoding with the engineer's pending byte edits
// laid over it (in bold). Cells whose byte changed since the marks were last cleared are marked.

#include <QPushButton>
#include <QTableView>
#include <functional>

#include "EepromImage.h"
#include "dialogs/ChangeMapDlg.h"
#include "dialogs/EngineeringDlg.h"
#include "pages/EepromMapModel.h"
#include "pages/OptionPage.h"
#include "radio/RadioTransfer.h"

// "Discard 3 byte edits that were not written?"
std::string DiscardEditsQuestion(int count);

class CEepromPage : public COptionPage {
    Q_OBJECT
public:
    explicit CEepromPage(SPageContext& context, QWidget* parent = nullptr);

    // Re-encodes the record into the working image; displayMode 1 marks the bytes that changed, 0 does not.
    void RefreshMap(int displayMode);
    // Fills the map from the working image, without marks (after a read replaced it).
    void FillMap();
    // Start a transfer with the radio on the chosen port, in the modeless "Read/Write" window.
    void WriteWithProgress();
    void WriteWholeImageWithProgress();  // the radio's own bytes reset, asked first
    void ReadWithProgress();

    // "Clear Changes": every mark goes, and so do the pending byte edits once the user agreed to lose them.
    void OnClearChanges();
    // "Show Settings": the step of every channel slot.
    void OnShowSettings();
    // Double-click (or Enter) on a map cell: grid row and column, 1-based as the labels are row and column 0.
    void EditByte(int row, int column);

    // The model index of the cell at grid row and column.
    QModelIndex CellIndex(int row, int column) const { return m_pModel->index(row - 1, column - 1); }

    CEepromImage m_Image;
    CRadioTransfer* m_pTransfer = nullptr;
    int m_nMapRefreshCount = 0;  // how often the map was rebuilt
    int m_nLastDisplayMode = -1;

    CEepromMapModel* m_pModel = nullptr;
    QTableView* m_pMap = nullptr;
    QPushButton* m_pClearChanges = nullptr;
    QPushButton* m_pShowSettings = nullptr;

    // How the two dialogs run (modally; tests answer them themselves). They return the dialog's result.
    std::function<int(CChangeMapDlg&)> m_RunChangeMap;
    std::function<int(CEngineeringDlg&)> m_RunSettings;

protected:
    void OnCreatePage() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTransferFinished(bool write, bool ok);
};
