#pragma once
// What in a configuration would not reach the radio as the record says, found before it is written.
//
// Errors: the radio would be programmed differently from the record (a synthesizer divider too large for
// its 17 bits, a step the model's synthesizer lacks, a value cut to its field's width, a tone or code
// missing from the radio's tables, signalling the radio has no code for). Warnings: the radio gets what the
// record says, but no editor of the program would have produced it (a frequency outside the model's
// sub-band or off the channel's step grid, a value outside the range its page offers).
//
// The checks use the encoder itself (EncodeImage and the arithmetic in Tones.h), never a copy of it.

#include <string>
#include <vector>

#include "DataRadioDoc.h"

enum class ESeverity { Error, Warning };

struct SFinding {
    ESeverity m_Severity = ESeverity::Error;
    std::string
        m_strText;  // names the channel or option and the value, e.g. "Channel 3 RX 490.00000 MHz: ..."
};

// Every finding, errors and warnings in the order of the record (channels first, then the options).
std::vector<SFinding> CheckConfig(const CDataRadioDoc& doc);

bool HasErrors(const std::vector<SFinding>& findings);
int CountFindings(const std::vector<SFinding>& findings, ESeverity severity);

// The model as messages name it, "KV310 VHF" (one blank, unlike the catalogue's title), or "model row 0".
std::string ModelText(int row);
// The record's model with its sub-band where the model has several: "KV310 UHF U1".
std::string ModelAndBandText(const CDataRadioDoc& doc);

// Before a write over a radio that was read first: "the radio is a KV310 VHF, the plan is for a KV330 UHF"
// (a UHF model's sub-band added, "KV310 UHF U2") when the radio's model row or sub-band (image byte 191)
// differs from the plan's; empty when they agree, or when the radio names no model this program offers (a
// blank radio).
std::string RadioModelMismatch(const CDataRadioDoc& radio, const CDataRadioDoc& plan);
// The same before a backup is restored: "the radio is a KV310 VHF, the backup is for a KV330 UHF".
std::string BackupModelMismatch(const CDataRadioDoc& radio, const CDataRadioDoc& backup);

// The texts below are in the window's language where it installed its lookup (TextMark.h), in English for
// kv310ctl.

// "error: ..." or "warning: ...", one line.
std::string FindingLine(const SFinding& finding);
