#pragma once

#include <csignal>
#include <sys/resource.h>

/// While alive, the process may not write files beyond `bytes`: writes past it fail instead of
/// raising SIGXFSZ, whoever runs the test (root included).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = bytes;
        ok = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    bool ok = false;

private:
    rlimit saved{};
    void (*previous)(int) = nullptr;
};
