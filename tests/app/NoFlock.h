#pragma once

/// While alive, flock fails in this process with ENOLCK, as on a file system without it (some
/// network mounts). Takes effect in programs built with NoFlock.cpp, whose definition every
/// library of the process takes for the C library's, Qt's included.
class NoFlock
{
public:
    NoFlock();
    ~NoFlock();
    NoFlock(const NoFlock &) = delete;
    NoFlock &operator=(const NoFlock &) = delete;
};
