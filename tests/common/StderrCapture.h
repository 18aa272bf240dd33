#pragma once

#include <QByteArray>
#include <QTemporaryFile>

#include <cstdint>
#include <cstdio>
#include <unistd.h>
#include <vector>

// Defined only in a sanitizer build.
extern "C" void __sanitizer_set_report_fd(void *fd) __attribute__((weak));
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace stderrCapture
{
/// The real standard error while it is captured, and the files it is captured in, outermost
/// first: captures may nest.
inline int realFd = -1;
inline std::vector<int> fileFds;

/// On a sanitizer's death while standard error is captured: what was captured goes to the real
/// one. The undefined-behaviour checker sets up its reports only at its first, on standard
/// error, so its report is there, at the end of the innermost.
inline void forwardCaptured()
{
    char buffer[4096];
    for (const int fileFd : fileFds) {
        ssize_t got = 0;
        for (off_t at = 0; (got = pread(fileFd, buffer, sizeof buffer, at)) > 0; at += got)
            if (write(realFd, buffer, size_t(got)) != got)
                return;
    }
}

/// Sends a sanitizer's reports to the real standard error (`captured`) or to standard error as
/// it stands, and sets what it does when it ends the run.
inline void reportTo(bool captured, void (*onDeath)())
{
    // A copy of its own, made once and never closed: the undefined-behaviour checker closes the
    // one it was given when it sets up.
    static const int reportFd = dup(fileno(stderr));
    if (__sanitizer_set_report_fd)
        __sanitizer_set_report_fd(
            reinterpret_cast<void *>(std::intptr_t(captured ? reportFd : fileno(stderr))));
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(onDeath);
}
} // namespace stderrCapture

/// Runs `f` with standard error sent to a file and returns what was written. A sanitizer's
/// report still reaches the real standard error, even where it ends the run.
template <class F> QByteArray captureStderr(F f)
{
    using namespace stderrCapture;
    QTemporaryFile file;
    if (!file.open()) {
        // Said, or a test would take a message sent past its capture for one never written.
        std::fprintf(stderr, "captureStderr: standard error not captured: %s\n",
                     qPrintable(file.errorString()));
        f();
        return QByteArray();
    }
    std::fflush(stderr);
    // Given back at the end: the real one, or the file of the capture this one is inside.
    const int found = dup(fileno(stderr));
    if (fileFds.empty())
        realFd = found;
    fileFds.push_back(file.handle());
    reportTo(true, forwardCaptured);
    dup2(file.handle(), fileno(stderr));
    f();
    std::fflush(stderr);
    dup2(found, fileno(stderr));
    fileFds.pop_back();
    if (fileFds.empty()) {
        reportTo(false, nullptr);
        realFd = -1;
    }
    close(found);
    file.seek(0);
    return file.readAll();
}
