#pragma once
// The record's history behind Edit > Undo and Redo. A step keeps the whole record before and after it (a
// settings record is under 2 KB), so a step cannot miss a member. Undo and redo put the record back and let
// the view refresh its pages the way a load does; the window's state (port, page flags, the two-tone lock,
// notices given) is not in the record and so not part of a step.
//
// A step also covers the EEPROM map's pending byte edits, which live outside the record (m_SaveExtra and
// m_RestoreExtra reach them).
//
// Steps are taken by name when something may have changed the record: a control the user worked, a dialog
// closed, a command of the Edit menu, a model choice, a radio read. A step that changed nothing is not kept.

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "DataRadioDoc.h"

// The two records hold the same settings (as their files and images would carry them).
bool SameSettings(const CDataRadioDoc& a, const CDataRadioDoc& b);

// What a step keeps: the record and the state beside it.
struct SRecordSnapshot {
    CDataRadioDoc m_Doc;
    std::vector<uint8_t> m_Extra;
};

class CRecordHistory : public QObject {
    Q_OBJECT
public:
    explicit CRecordHistory(CDataRadioDoc& doc, QObject* parent = nullptr);

    // Takes a step named name ("Channel 5 RX frequency", "Paste 3 Channels") when the record differs from
    // how the last step left it. True when a step was taken.
    bool Record(const QString& name);
    // A step whose record before is given (an Edit command that prepared its change on a copy).
    void RecordFrom(const CDataRadioDoc& before, const QString& name);
    // A fresh history starting at the record as it is now, which counts as saved (New, Load).
    void Reset();
    // The record as it is now is the saved one.
    void MarkSaved();
    bool IsModified() const { return !m_Stack.isClean(); }

    CDataRadioDoc& m_Doc;
    QUndoStack m_Stack;
    SRecordSnapshot m_Last;           // as the last step (or undo, or redo) left things
    std::function<void()> m_Refresh;  // the pages from the record, after an undo or redo
    std::function<std::vector<uint8_t>()> m_SaveExtra;
    std::function<void(const std::vector<uint8_t>&)> m_RestoreExtra;
    // Extra bytes from this offset on are carried with a step but never make one (the version of the radio
    // the record came from: undo of a read takes it away, a write that shows it changed nothing).
    size_t m_nCarriedFrom = SIZE_MAX;

signals:
    void Changed();  // a step was taken, undone or redone, or the saved state moved

private:
    friend class CRecordStep;
    SRecordSnapshot Take() const;
    void Restore(const SRecordSnapshot& snapshot);
};
