#pragma once

#include <csignal>
#include <sys/resource.h>

/// While alive, the process may not write files beyond `bytes`: writes past it fail instead of
/// raising SIGXFSZ, whoever runs the test (root included). With KeepSignal the signal is left as
/// it stands, for a test of the program's own handling of it: unless the program ignores the
/// signal, a write past the limit then ends the test process.
class FileSizeLimit
{
public:
    enum SignalHandling { IgnoreSignal, KeepSignal };
    explicit FileSizeLimit(rlim_t bytes, SignalHandling handling = IgnoreSignal)
        : ignoring(handling == IgnoreSignal)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        if (ignoring)
            previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = bytes;
        ok = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        if (ignoring)
            std::signal(SIGXFSZ, previous);
    }
    bool ok = false;

private:
    bool ignoring;
    rlimit saved{};
    void (*previous)(int) = nullptr;
};
