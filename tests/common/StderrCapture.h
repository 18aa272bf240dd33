#pragma once

#include <QByteArray>
#include <QTemporaryFile>

#include <cstdint>
#include <cstdio>
#include <unistd.h>

/// Where a sanitizer writes its reports; defined only in a sanitizer build.
extern "C" void __sanitizer_set_report_fd(void *fd) __attribute__((weak));

/// Runs `f` with standard error sent to a file and returns what was written. A sanitizer's
/// report still goes to the real standard error: the run may end with it, taking the file along.
template <class F> QByteArray captureStderr(F f)
{
    QTemporaryFile file;
    file.open();
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    const auto reportTo = [](int fd) {
        if (__sanitizer_set_report_fd)
            __sanitizer_set_report_fd(reinterpret_cast<void *>(std::intptr_t(fd)));
    };
    reportTo(saved);
    dup2(file.handle(), fileno(stderr));
    f();
    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    reportTo(fileno(stderr));
    close(saved);
    file.seek(0);
    return file.readAll();
}
