#pragma once
// The verbs of kv310ctl. Each takes the words after its name and returns the exit status.

#include <string>
#include <vector>

#include "Args.h"
#include "DataRadioDoc.h"

struct SVerb {
    const char* name;
    const char* summary;
    const char* usage;
    int (*run)(const std::vector<std::string>& words);
};

// Verbs on files: new, encode, check, decode, import, show.
const std::vector<SVerb>& FileVerbs();
// Verbs on a radio or a port: read, write, restore, simulate (not on Windows), status.
const std::vector<SVerb>& RadioVerbs();
// restore: a backup's image back on a radio, as it stands.
const SVerb& RestoreVerb();
// simulate: simulated radios on pseudo-terminals (not on Windows).
const SVerb& SimulateVerb();
// backups: the backups of radios, and removing old ones.
const SVerb& BackupsVerb();
// Verbs for when something goes wrong: ports, log, backups, report.
const std::vector<SVerb>& SupportVerbs();
// Verbs on the text forms: export, diff.
const std::vector<SVerb>& TextVerbs();
// The PDF data sheet; only in builds with the window layer.
const SVerb& PrintVerb();

// import of a YAML text form or (--channels-csv) a channel list; the import verb hands these files over.
int RunTextImport(const CArgs& args, const std::string& in, const std::string& out);

// Reads the radio on --port into doc, reported on stderr. False with the exit status when it failed.
bool ReadRadioFromArgs(const CArgs& args, const char* usage, CDataRadioDoc& doc, int& status);
