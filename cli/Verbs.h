#pragma once
// The verbs of kv310ctl. Each takes the words after its name and returns the exit status.

#include <string>
#include <vector>

struct SVerb {
    const char* name;
    const char* summary;
    const char* usage;
    int (*run)(const std::vector<std::string>& words);
};

// Verbs on files: new, encode, decode, import, show, print.
const std::vector<SVerb>& FileVerbs();
// Verbs on a radio or a port: read, write, ports, simulate, status.
const std::vector<SVerb>& RadioVerbs();
// The PDF data sheet; only in builds with the window layer.
const SVerb& PrintVerb();
