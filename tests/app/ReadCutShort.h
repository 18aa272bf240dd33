#pragma once

#include <QByteArray>

#include <sys/types.h>

/// While alive, reads of a file whose path ends with `pathEnd` fail as on a failing disk: a read
/// reaching byte `at` returns what lies before it, and the next fails with EIO. Takes effect in
/// programs built with ReadCutShort.cpp, whose `read` every library of the process takes for the
/// C library's, Qt's included.
class ReadCutShort
{
public:
    ReadCutShort(const QByteArray &pathEnd, off_t at);
    ~ReadCutShort();
    ReadCutShort(const ReadCutShort &) = delete;
    ReadCutShort &operator=(const ReadCutShort &) = delete;
};
