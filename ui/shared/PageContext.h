#pragma once
// What the pages and dialogs of the form are handed when they are made: the settings record, the window's
// state beside it, the message sink, the link session that owns the serial port, the busy state of a running
// transfer, and the view's seams (refreshes and the header fields). A page talks to nothing else of the
// program.

#include <QObject>
#include <QString>
#include <functional>

#include "DataRadioDoc.h"
#include "LinkSession.h"
#include "MessageSink.h"
#include "shared/WindowState.h"

// Whether a radio transfer runs. While it does, the commands that change the record or need the port are
// disabled, and any that is reached all the same is refused with a sentence that says why.
class CBusyState : public QObject {
    Q_OBJECT
public:
    bool IsBusy() const { return !m_strWhat.isEmpty(); }
    // what: "the radio read", "the radio write"
    void Begin(const QString& what);
    void End();
    // True (after telling the user) while busy: the caller must not go on.
    bool Refuse(CMessageSink& sink) const;

    QString m_strWhat;

signals:
    void Changed(bool busy);
};

// The view's operations a page or dialog may ask for; each is set by the view.
struct SViewSeams {
    std::function<void()> RefreshPages;                    // every ready page from the record
    std::function<void()> RefreshAfterLoad;                // after a whole-record change (read, load)
    std::function<void(bool markChanges)> RebuildMap;      // encode and show the EEPROM map
    std::function<void(const QString& text)> ShowVersion;  // the form's version field
    std::function<void(const QString& text)> ShowStatus;   // the main window's status bar
    std::function<bool()> CommitPendingEdits;              // typed text into the record; false: stop
};

struct SPageContext {
    CDataRadioDoc& m_Doc;
    SWindowState& m_State;
    CMessageSink& m_Sink;
    CLinkSession& m_Link;
    CBusyState& m_Busy;
    SViewSeams m_View;
};
