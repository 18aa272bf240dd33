#pragma once

#include <QByteArray>

/// While alive, the first removal of an entry of `folder` is raced, as by another user who may
/// write beside it: just before it, `folder` is moved to `movedTo` and a link to `linkTo` takes
/// its place. Takes effect in programs built with SwappedAtRemoval.cpp, whose `unlink` and
/// `unlinkat` every library of the process takes for the C library's, Qt's included.
class SwappedAtRemoval
{
public:
    SwappedAtRemoval(const QByteArray &folder, const QByteArray &movedTo, const QByteArray &linkTo);
    ~SwappedAtRemoval();
    SwappedAtRemoval(const SwappedAtRemoval &) = delete;
    SwappedAtRemoval &operator=(const SwappedAtRemoval &) = delete;
    /// Whether the swap was made.
    bool swapped() const;
};
