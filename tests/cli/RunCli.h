#pragma once
// Runs the built kv310ctl as a user would and collects what it printed and its exit status.

#include <functional>
#include <string>
#include <vector>

struct SCliResult {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

// stdoutPath, when given, is where its stdout goes instead (e.g. /dev/full); strOut is then empty. stdin
// reads stdinPath.
SCliResult RunCli(const std::vector<std::string>& args, const std::string& stdoutPath = std::string(),
                  const std::string& stdinPath = "/dev/null");

// Runs kv310ctl and, while it runs, asks signalWhen every 2 ms: the first time it returns a signal number
// (SIGINT, SIGTERM; 0 for not yet), the program gets that signal, once. For interrupting a transfer at a
// point the test chooses by the radio's own count, not by a time.
SCliResult RunCliSignalled(const std::vector<std::string>& args, const std::function<int()>& signalWhen);

// kv310ctl running in the background (e.g. simulate): its first line of stdout is read at start.
class CBackgroundCli {
public:
    explicit CBackgroundCli(const std::vector<std::string>& args);
    ~CBackgroundCli();
    CBackgroundCli(const CBackgroundCli&) = delete;
    CBackgroundCli& operator=(const CBackgroundCli&) = delete;

    // Interrupts it (as Ctrl-C would) and collects the rest of its output and its exit status.
    SCliResult Interrupt();

    std::string m_strFirstLine;

private:
    int m_nPid = -1;
    int m_nOut = -1;
};
