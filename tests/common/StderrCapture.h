#pragma once

#include <QByteArray>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

/// Runs `f` with standard error sent to a file and returns what was written.
template <class F> QByteArray captureStderr(F f)
{
    QTemporaryFile file;
    file.open();
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    dup2(file.handle(), fileno(stderr));
    f();
    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    close(saved);
    file.seek(0);
    return file.readAll();
}
