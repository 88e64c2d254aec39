#pragma once
// The text form of a settings record, in YAML: the model and sub-band, the 16 channels, the options grouped
// as the pages group them, and a carried section for the values the file keeps that no page shows. Export
// and import are exact inverses: a settings file comes back byte for byte, and an exported text comes back
// character for character.
//
//   format: 1
//   model: KV310 VHF
//   sub_band: V2
//   channels:
//     - channel: 1
//       rx_mhz: 151.01250
//       ...
//       rx_signalling: {type: ctcss, tone_hz: 67.0}
//   channel_page: {...}   system: {rx, tx, scan, gps}   modem: {select, framing, operation, delays}
//   carried: {...}
//
// Field names, values and ranges live in the field table (ConfigFields.cpp).

#include <string>

#include "DataRadioDoc.h"

// A text form larger than this is refused before it is parsed.
constexpr size_t kMaxTextConfigBytes = 1 << 20;

std::string ExportTextConfig(const CDataRadioDoc& doc);

// Reads a text form into doc: a fresh record of its model with every field given laid over it (a field left
// out keeps the fresh record's value). On any fault returns false with "NAME:LINE: field: reason" in error
// and leaves doc unchanged.
bool ImportTextConfig(const std::string& text, const std::string& name, CDataRadioDoc& doc,
                      std::string& error);
