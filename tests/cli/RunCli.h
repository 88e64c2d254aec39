#pragma once
// Runs the built kv310ctl as a user would and collects what it printed and its exit status.

#include <string>
#include <vector>

struct SCliResult {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

SCliResult RunCli(const std::vector<std::string>& args);
