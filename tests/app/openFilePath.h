#pragma once

#include <QByteArray>

#include <cstdio>
#include <unistd.h>

/// The path of the file or folder open as `descriptor`; empty when it cannot be told.
inline QByteArray openFilePath(int descriptor)
{
    char link[64], path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = readlink(link, path, sizeof path);
    return length > 0 ? QByteArray(path, int(length)) : QByteArray();
}
