#include "RunCli.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "TempDir.h"

extern char** environ;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Starts kv310ctl with these arguments and file actions.
bool SpawnCli(const std::vector<std::string>& args, const posix_spawn_file_actions_t& actions, pid_t& pid) {
    std::vector<std::string> words = {KV310CTL_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    return posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
}

}  // namespace

CRunningCli::CRunningCli(const std::vector<std::string>& args, const std::string& stdoutPath,
                         const std::string& stdinPath)
    : m_strOutPath(stdoutPath.empty() ? m_Dir.File("stdout") : stdoutPath), m_bOwnOut(stdoutPath.empty()) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, stdinPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, m_strOutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, m_Dir.File("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    if (SpawnCli(args, actions, pid)) {
        m_nPid = pid;
    }
    posix_spawn_file_actions_destroy(&actions);
}

CRunningCli::~CRunningCli() {
    if (m_nPid > 0) {
        ::kill(m_nPid, SIGKILL);
        Wait();
    }
}

void CRunningCli::Signal(int signal) {
    if (m_nPid > 0) {
        ::kill(m_nPid, signal);
    }
}

SCliResult CRunningCli::Wait() {
    SCliResult result;
    if (m_nPid > 0) {
        int status = 0;
        waitpid(m_nPid, &status, 0);
        m_nPid = -1;
        result.nExit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    result.strOut = m_bOwnOut ? Slurp(m_strOutPath) : std::string();
    result.strErr = Slurp(m_Dir.File("stderr"));
    return result;
}

SCliResult RunCli(const std::vector<std::string>& args, const std::string& stdoutPath,
                  const std::string& stdinPath) {
    return CRunningCli(args, stdoutPath, stdinPath).Wait();
}

SCliResult RunCliSignalled(const std::vector<std::string>& args, const std::function<int()>& signalWhen) {
    CTempDir dir;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, dir.File("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, dir.File("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    SCliResult result;
    pid_t pid = 0;
    if (SpawnCli(args, actions, pid)) {
        int status = 0;
        bool signalled = false;
        while (::waitpid(pid, &status, WNOHANG) == 0) {
            if (!signalled) {
                if (const int signal = signalWhen(); signal != 0) {
                    ::kill(pid, signal);
                    signalled = true;
                }
            }
            ::usleep(2000);
        }
        result.nExit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    result.strOut = Slurp(dir.File("stdout"));
    result.strErr = Slurp(dir.File("stderr"));
    return result;
}

namespace {

std::string ReadLine(int fd) {
    std::string line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

}  // namespace

CBackgroundCli::CBackgroundCli(const std::vector<std::string>& args) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (SpawnCli(args, actions, pid)) {
        m_nPid = pid;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    m_nOut = pipeFds[0];
    m_strFirstLine = ReadLine(m_nOut);
}

CBackgroundCli::~CBackgroundCli() {
    if (m_nPid > 0) {
        Interrupt();
    }
    if (m_nOut >= 0) {
        ::close(m_nOut);
    }
}

SCliResult CBackgroundCli::Interrupt() {
    SCliResult result;
    if (m_nPid <= 0) {
        return result;
    }
    ::kill(m_nPid, SIGINT);
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(m_nOut, buffer, sizeof buffer)) > 0) {
        result.strOut.append(buffer, static_cast<size_t>(got));
    }
    int status = 0;
    ::waitpid(m_nPid, &status, 0);
    m_nPid = -1;
    result.nExit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}
