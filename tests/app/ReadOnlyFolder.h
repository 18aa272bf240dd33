#pragma once

#include <QString>

/// While alive, one folder refuses, with EACCES, every change of its entries that a user who may
/// not write it is refused: entries renamed, linked or removed there, files or folders made there.
/// Files already there may still be written in place. Takes effect in programs built with
/// ReadOnlyFolder.cpp, whose definitions every library of the process takes for the C library's,
/// Qt's included; even as root, who may write any folder.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;
};
