#pragma once
// Runs the built kv310ctl as a user would and collects what it printed and its exit status.

#include <functional>
#include <string>
#include <vector>

#include "TempDir.h"

struct SCliResult {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

// stdoutPath, when given, is where its stdout goes instead (e.g. /dev/full); strOut is then empty. stdin
// reads stdinPath.
SCliResult RunCli(const std::vector<std::string>& args, const std::string& stdoutPath = std::string(),
                  const std::string& stdinPath = "/dev/null");

// kv310ctl started, its stdout and stderr going to files until it ends.
class CRunningCli {
public:
    CRunningCli(const std::vector<std::string>& args, const std::string& stdoutPath = std::string(),
                const std::string& stdinPath = "/dev/null");
    ~CRunningCli();  // kills it when it still runs
    CRunningCli(const CRunningCli&) = delete;
    CRunningCli& operator=(const CRunningCli&) = delete;

    void Signal(int signal);
    // Waits for it to end; what it printed and its exit status (128 + the signal when one ended it).
    SCliResult Wait();

private:
    CTempDir m_Dir;
    std::string m_strOutPath;
    bool m_bOwnOut;
    int m_nPid = -1;
};

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
