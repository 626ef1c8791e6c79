// Makes every write fail as on a full disk while the object lives: no file may grow past
// 16 bytes. Root writes into read-only directories, so this is the failure every test run
// can bring about.
#pragma once

#include <csignal>

#include <sys/resource.h>

class FullDisk {
  public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        // Without this the write past the limit would kill the test instead of failing.
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = m_saved;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    struct rlimit m_saved {};
    void (*m_oldHandler)(int) = nullptr;
};
