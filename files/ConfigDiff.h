#pragma once
// Field-by-field differences between two configurations, one line per field with its readable name and
// both values ("channel 3 rx: 151.01250 -> 151.02500"), and the loading of a configuration from any of
// its files: a settings file (.dat), its text form (.yaml, .yml) or a 416-byte EEPROM image (.bin).

#include <string>
#include <vector>

#include "DataRadioDoc.h"

enum class EConfigKind { Unknown, Settings, Text, Image, Legacy };
EConfigKind ConfigKindOf(const std::string& path);

// A configuration as read from a file or a radio. bCarried: it holds the values no page shows (a settings
// file or its text does; an EEPROM image and a radio do not).
struct SConfig {
    CDataRadioDoc doc;
    bool bCarried = true;
};

// Reads path by its extension. False with the reason in error ("plan.yaml:12: ..."); *unreadable, when given,
// tells a file that could not be read at all (missing, no access, an unknown or KV110 kind) from one whose
// content is wrong (a settings file of another size than the format's, a corrupted model, a YAML fault).
bool LoadConfig(const std::string& path, SConfig& config, std::string& error, bool* unreadable = nullptr);

// The differing fields, in the order of the text form. The carried values (and a channel's unused
// signalling values) are compared only when both sides hold them. A file compared with an image or a radio
// is compared, and shown, as the radio would hold it once written.
std::vector<std::string> DiffConfigs(const SConfig& a, const SConfig& b);
