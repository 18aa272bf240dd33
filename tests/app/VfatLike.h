#pragma once

/// While alive, the file system refuses what vfat mounted through FUSE refuses: mode changes
/// (ENOSYS), symbolic and hard links (EPERM) and unnamed temporary files (EOPNOTSUPP). Processes
/// started meanwhile refuse them from their start, through the environment. Takes effect in
/// programs built with VfatLike.cpp, whose definitions every library of the process takes for
/// the C library's, Qt's included.
class VfatLike
{
public:
    VfatLike();
    ~VfatLike();
    VfatLike(const VfatLike &) = delete;
    VfatLike &operator=(const VfatLike &) = delete;
};
