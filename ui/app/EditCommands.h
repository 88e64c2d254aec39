#pragma once
// The Edit menu: undo and redo of every change to the record, and the channel page's row commands (cut,
// copy, paste, delete, insert, remove, move, Edit Selected Channels), also on the rows' right-click menu.
// It watches the pages' controls so that each change the user makes becomes one named step of the record's
// history, and keeps the window title's modified mark.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "ChannelRows.h"

class CMainWindow;
class CMainForm;
class CChannelSelection;
class CRecordHistory;

class CEditCommands : public QObject {
    Q_OBJECT
public:
    // Adds the Edit menu to the frame, after the File menu.
    CEditCommands(CMainWindow& frame, CMainForm& view);

    void OnUndo();
    void OnRedo();
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnDelete();
    void OnInsert();
    void OnRemove();
    void OnMove(int delta);
    void OnEditSelected();

    // Where Edit Selected Channels gets its values; tests answer it. False when cancelled.
    std::function<bool(SBulkEdit&)> m_RunBulkEdit;

    CMainWindow& m_Frame;
    CMainForm& m_View;
    CRecordHistory& m_History;
    CChannelSelection* m_pSelection = nullptr;  // made with the channel page
    QMenu* m_pMenu = nullptr;
    QAction* m_pActUndo = nullptr;
    QAction* m_pActRedo = nullptr;
    QAction* m_pActCut = nullptr;
    QAction* m_pActCopy = nullptr;
    QAction* m_pActPaste = nullptr;
    QAction* m_pActDelete = nullptr;
    QAction* m_pActInsert = nullptr;
    QAction* m_pActRemove = nullptr;
    QAction* m_pActMoveUp = nullptr;
    QAction* m_pActMoveDown = nullptr;
    QAction* m_pActEditSelected = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* Add(const char* text, const char* tip, const QList<QKeySequence>& keys,
                 void (CEditCommands::*run)());
    // What a row command did: the history step, the status bar's text (also the first line of the details'
    // message), the details (shown in a message when not empty) and the rows selected afterwards.
    struct SRowResult {
        QString m_strStep;
        QString m_strStatus;
        std::string m_strDetails;
        std::vector<int> m_Select;
    };
    // Changes the record for the chosen channels; false when it changed nothing (the status says why).
    using FRowChange = std::function<bool(const std::vector<int>& channels, SRowResult& result)>;
    // Every row command: not during a transfer, typed text committed, channels chosen (none stops the
    // command with the same status text), the change, then the pages from the record, one history step, the
    // selection on the rows moved and one status text.
    void RunRowCommand(const FRowChange& change);
    bool Begin();
    std::vector<int> Chosen();
    // The text field of the window that has the focus, when it takes typing: Cut, Copy and Paste are its own.
    QLineEdit* FocusedField() const;
    bool PasteRows(const std::vector<int>& targets, SRowResult& result);
    // The channels' rows on the clipboard: tab-separated as text, comma-separated as text/csv.
    void Copy(const std::vector<int>& channels);
    void WatchControls();
    void OnBusyChanged(bool busy);
    void UpdateUndoActions();
    void UpdateTitle();
    bool m_bBusy = false;
    QString m_strBusyStep;  // the step a transfer's end takes ("Read Radio")
};

// "Channel 5" or "3 Channels", for the history's step names.
QString ChannelsText(const std::vector<int>& channels);
