#pragma once
// Channel rows on the clipboard, for spreadsheets and for other plans: the channel CSV's columns and value
// forms (ChannelCsv.h) with the header line, tab-separated as plain text (a spreadsheet takes it as cells)
// and comma-separated as text/csv.
//
//   channel<TAB>rx_mhz<TAB>tx_mhz<TAB>step_khz<TAB>width<TAB>...
//   5<TAB>151.01250<TAB>151.01250<TAB>6.25<TAB>narrow<TAB>...
//
// Pasting takes tab- or comma-separated text with or without the header line (without it the columns come in
// the CSV's order). A header may name the columns in any order and leave some out; those keep the target
// row's values. The channel column is not used: the rows go to the chosen channels. Every value passes the
// channel page's own rules as if it had been typed there: frequencies are fitted to the step grid, a value
// the page would refuse (a frequency outside the band, a tone not on the radio's list, two-tone on a model
// without it or while it is locked) leaves that value as it was, and each row tells what was changed or
// refused.

#include <string>
#include <vector>

#include "DataRadioDoc.h"

// The header line and one line per channel (1-16, in the order given).
std::string CopyChannelRows(const CDataRadioDoc& doc, const std::vector<int>& channels, char separator);

struct SPasteOutcome {
    std::vector<int> m_Channels;       // 1-based channels the rows went to, in row order
    std::vector<std::string> m_Notes;  // "channel 11: RX 180.00000 is outside 138–174 MHz; kept 151.02500"
    int m_nLeftOut = 0;                // rows that did not fit below channel 16
};

// Pastes text into doc. Row n goes to targets[n] (1-based channels, in order); rows past the last target go
// to the channels below it. False with error (doc unchanged) when the text holds no rows or its header names
// a column that does not exist. While two-tone is locked a row cannot turn it on.
bool PasteChannelRows(const std::string& text, const std::vector<int>& targets, CDataRadioDoc& doc,
                      bool twoToneLocked, SPasteOutcome& outcome, std::string& error);

// The one message of a paste that changed or refused values or left rows out; empty when all went in as
// given.
std::string PasteReport(const SPasteOutcome& outcome);
