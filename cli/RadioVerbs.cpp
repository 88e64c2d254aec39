// Verbs that talk to a radio over a port, or serve as one.

#include "CliSupport.h"
#include "Verbs.h"

const std::vector<SVerb>& RadioVerbs() {
    static const std::vector<SVerb> verbs = {};
    return verbs;
}
