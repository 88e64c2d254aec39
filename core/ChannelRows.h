#pragma once
// Whole channels as the Edit menu moves them: emptied, inserted, removed, moved, and several set at once.
// Channels are 1-16. An emptied channel holds what the record's reset gives a channel.

#include <string>
#include <vector>

#include "DataRadioDoc.h"

void ClearChannel(CDataRadioDoc& doc, int channel);
// An empty channel at channel; the channels below move down one and channel 16 falls off.
void InsertChannel(CDataRadioDoc& doc, int channel);
// The channels below move up one; channel 16 becomes empty.
void RemoveChannel(CDataRadioDoc& doc, int channel);
// Moves the given channels one place up (delta -1) or down (+1), the channel they pass going the other way.
// False (and nothing moved) when one of them is at the edge already.
bool MoveChannels(CDataRadioDoc& doc, std::vector<int> channels, int delta);

// Edit Selected Channels: each value set (not kUnchanged) goes to every chosen channel, through the page's
// rules: a step only where both frequencies lie on its grid, signalling only on programmed channels.
constexpr int kUnchanged = -1;
struct SBulkEdit {
    int m_nWide = kUnchanged;
    int m_nHighPower = kUnchanged;
    int m_nScan = kUnchanged;
    int m_nStep = kUnchanged;
    int m_nRxOption = kUnchanged;  // none, CTCSS or DCS
    double m_dRxCtcss = 67.0;
    int m_nRxDcs = 23;
    int m_nTxOption = kUnchanged;
    double m_dTxCtcss = 67.0;
    int m_nTxDcs = 23;
};
// Returns a line per value that a channel refused ("channel 3: step 7.5 kHz does not fit 151.00625 MHz").
std::vector<std::string> ApplyBulkEdit(CDataRadioDoc& doc, const std::vector<int>& channels,
                                       const SBulkEdit& edit);
