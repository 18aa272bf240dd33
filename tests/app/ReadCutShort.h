#pragma once

#include <QString>

#include <sys/types.h>

/// While alive, reads of the first file read whose path matches `path` fail as on a failing disk: a
/// read reaching byte `at` returns what lies before it, and the next fails with EIO. Takes effect
/// in programs built with ReadCutShort.cpp, whose `read` every library of the process takes for the
/// C library's, Qt's included.
class ReadCutShort
{
public:
    ReadCutShort(const QString &path, off_t at);
    ~ReadCutShort();
    ReadCutShort(const ReadCutShort &) = delete;
    ReadCutShort &operator=(const ReadCutShort &) = delete;
};
