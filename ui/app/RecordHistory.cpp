#include "app/RecordHistory.h"

#include <QUndoCommand>
#include <algorithm>

#include "SettingsFile.h"

bool SameSettings(const CDataRadioDoc& a, const CDataRadioDoc& b) {
    // The settings file holds every setting but the service bytes the radio keeps for itself and the PLL IC.
    return a.m_ServiceBytes == b.m_ServiceBytes && a.m_nPllIc == b.m_nPllIc &&
           SettingsFileBytes(a) == SettingsFileBytes(b);
}

class CRecordStep : public QUndoCommand {
public:
    CRecordStep(CRecordHistory& history, SRecordSnapshot before, const QString& name)
        : QUndoCommand(name), m_History(history), m_Before(std::move(before)), m_After(history.Take()) {}

    void undo() override { m_History.Restore(m_Before); }
    void redo() override {
        if (m_bDone) {
            m_History.Restore(m_After);
        }
        m_bDone = true;  // pushing a step runs redo once: the record holds its change already
    }

private:
    CRecordHistory& m_History;
    SRecordSnapshot m_Before;
    SRecordSnapshot m_After;
    bool m_bDone = false;
};

CRecordHistory::CRecordHistory(CDataRadioDoc& doc, QObject* parent)
    : QObject(parent), m_Doc(doc), m_Last{doc, {}} {
    connect(&m_Stack, &QUndoStack::indexChanged, this, &CRecordHistory::Changed);
    connect(&m_Stack, &QUndoStack::cleanChanged, this, &CRecordHistory::Changed);
}

SRecordSnapshot CRecordHistory::Take() const {
    return {m_Doc, m_SaveExtra ? m_SaveExtra() : std::vector<uint8_t>()};
}

bool CRecordHistory::Record(const QString& name) {
    SRecordSnapshot now = Take();
    const auto stepped = [this](const std::vector<uint8_t>& extra) {
        return std::vector<uint8_t>(extra.begin(), extra.begin() + std::min(extra.size(), m_nCarriedFrom));
    };
    if (SameSettings(now.m_Doc, m_Last.m_Doc) && stepped(now.m_Extra) == stepped(m_Last.m_Extra)) {
        m_Last.m_Extra = std::move(now.m_Extra);
        return false;
    }
    SRecordSnapshot before = std::move(m_Last);
    m_Last = std::move(now);
    m_Stack.push(new CRecordStep(*this, std::move(before), name));
    return true;
}

void CRecordHistory::RecordFrom(const CDataRadioDoc& before, const QString& name) {
    SRecordSnapshot was{before, m_Last.m_Extra};
    m_Last = Take();
    m_Stack.push(new CRecordStep(*this, std::move(was), name));
}

void CRecordHistory::Reset() {
    m_Stack.clear();
    m_Last = Take();
    m_Stack.setClean();
    emit Changed();
}

void CRecordHistory::MarkSaved() {
    m_Last = Take();  // whatever changed without a step is in the saved file now
    m_Stack.setClean();
    emit Changed();
}

void CRecordHistory::Restore(const SRecordSnapshot& snapshot) {
    m_Doc = snapshot.m_Doc;  // the record is the settings; the window's state stays beside it
    if (m_RestoreExtra) {
        m_RestoreExtra(snapshot.m_Extra);
    }
    if (m_Refresh) {
        m_Refresh();
    }
    m_Last = Take();  // a refresh may round a value the way the pages show it
}
