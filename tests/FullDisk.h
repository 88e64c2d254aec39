#pragma once
// A disk that fills up after a few bytes, for this process and the programs it starts while it lives: the
// file size limit is lowered and its signal ignored, so a write past the limit fails (EFBIG, "File too
// large") as one on a full disk fails (ENOSPC). Not on Windows, which has no such limit.

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>

class CFullDisk {
public:
    explicit CFullDisk(rlim_t bytes = 64) {
        ::getrlimit(RLIMIT_FSIZE, &m_Before);
        m_pBeforeSignal = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Before;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &m_Before);
        ::signal(SIGXFSZ, m_pBeforeSignal);
    }
    CFullDisk(const CFullDisk&) = delete;
    CFullDisk& operator=(const CFullDisk&) = delete;

private:
    rlimit m_Before{};
    sighandler_t m_pBeforeSignal = SIG_DFL;
};
#endif
