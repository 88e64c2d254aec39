#pragma once
// Channel rows on the clipboard, for spreadsheets and for other plans: the channel CSV's columns and value
// forms (ChannelCsv.h) with the header line, tab-separated as plain text (a spreadsheet takes it as cells)
// and comma-separated as text/csv.
//
//   channel<TAB>rx_mhz<TAB>tx_mhz<TAB>step_khz<TAB>width<TAB>...
//   5<TAB>151.01250<TAB>151.01250<TAB>6.25<TAB>narrow<TAB>...
//
// Pasting takes tab- or comma-separated text with or without the header line. A header may name the columns
// in any order and leave some out (those keep the target row's values); it may use the channel page's
// captions ("CH", "Rx Freq(MHz)", "Tx Power") or plain words ("Channel", "Rx MHz"), and a column it names
// that is not a channel column is left out with a note. Without a header the cells decide: a first column of
// whole numbers 1-16 is the channel number (the CSV's order follows), a first column of anything else is
// the first value column (rx_mhz, tx_mhz, ...); a first column that is one in some rows and the other in
// others is asked about. The channel column is not used: the rows go to the chosen channels, and a single
// row goes to every chosen channel. Every value passes the channel page's own rules as if it had been typed
// there: frequencies are fitted to the step grid, a value the page would refuse (a frequency outside the
// band, a tone not on the radio's list, two-tone on a model without it or while it is locked, a step off the
// frequencies' grid) leaves that value as it was, a refused signalling value leaves the whole signalling of
// its side (RX or TX) as it was, and each row tells what it holds afterwards.
//
// Text whose first line is a CHIRP header (Location, Frequency, ...) is read as a CHIRP list (ChirpCsv.h):
// each row the radio can hold replaces a chosen channel whole, and each row it cannot is named.

#include <string>
#include <vector>

#include "DataRadioDoc.h"

// The header line and one line per channel (1-16, in the order given).
std::string CopyChannelRows(const CDataRadioDoc& doc, const std::vector<int>& channels, char separator);

// Without a header: whether the first column holds channel numbers.
enum class EFirstColumn { Decide, Channel, Value };

struct SPasteOutcome {
    std::vector<int> m_Channels;       // 1-based channels the rows went to, in row order
    std::vector<std::string> m_Notes;  // "channel 11: RX 180.00000 is outside 138–174 MHz; kept 151.02500"
    int m_nLeftOut = 0;                // rows that did not fit below channel 16
    std::vector<std::string> m_Ignored;  // headings that name no channel column, left out
    std::string m_strColumns;  // without a header: the columns the cells were read as ("rx_mhz, tx_mhz")
    bool m_bAskFirstColumn = false;  // the first column is unclear: ask, then paste with the answer
};

// Pastes text into doc. Row n goes to targets[n] (1-based channels, in order); rows past the last target go
// to the channels below it; a single row goes to every target. False with error (doc unchanged) when the
// text holds no rows or its header names no channel column, and when firstColumn is Decide and the first
// column is unclear (m_bAskFirstColumn set, error the question). While two-tone is locked a row cannot turn
// it on.
bool PasteChannelRows(const std::string& text, const std::vector<int>& targets, CDataRadioDoc& doc,
                      bool twoToneLocked, SPasteOutcome& outcome, std::string& error,
                      EFirstColumn firstColumn = EFirstColumn::Decide);

// What the paste changed or refused, one line each, or left out; empty when all went in as given.
std::string PasteReport(const SPasteOutcome& outcome);
