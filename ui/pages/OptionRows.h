#pragma once
// The shapes the option pages repeat: a labelled row of a group ("# Scan Delay Time", the control, its unit
// and its hint), lists whose position is what the record stores, and an edit field checked by its rule.

#include <QComboBox>
#include <QGridLayout>
#include <string>
#include <vector>

#include "EditRules.h"
#include "MessageSink.h"
#include "widgets/CommitEdit.h"

struct SRowText {
    const char* m_pszLabel;
    const char* m_pszUnit;        // may be ""
    const char* m_pszHint;        // may be ""
    const char* m_pszAccessible;  // what the row sets, for the accessible description
};

// The row takes the grid's columns from column on: label, control, unit, hint.
QComboBox* AddListRow(QGridLayout* grid, int row, const SRowText& text, const std::vector<std::string>& items,
                      int column = 0);
CCommitEdit* AddEditRow(QGridLayout* grid, int row, const SRowText& text, int column = 0);

// Replaces a list's entries and selects one of them.
void FillList(QComboBox* list, const std::vector<std::string>& items, int32_t selected);
// Selects a record's list position; a position the list does not have (a decoded -1, say) shows no selection.
void SelectIndex(QComboBox* list, int32_t index);

// Runs a field's check on its text and writes the outcome to the record and the field. A refused entry is
// told to the user and the focus goes back into the field. Returns whether the entry was taken.
bool CommitField(CCommitEdit* edit, const SEditRule& rule, int32_t& member, CMessageSink& sink);

// Gives a column the same width in every grid, so that groups stacked above each other line up.
void AlignColumn(const std::vector<QGridLayout*>& grids, int column);
