#include "VfatLike.h"

#include "unlessRefused.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

namespace
{

const char *const environmentName = "MORVANE_TEST_VFAT_LIKE";

std::atomic<bool> refusing{std::getenv(environmentName) != nullptr};

} // namespace

VfatLike::VfatLike()
{
    setenv(environmentName, "1", 1);
    refusing = true;
}

VfatLike::~VfatLike()
{
    refusing = false;
    unsetenv(environmentName);
}

extern "C" {

int chmod(const char *path, mode_t mode)
{
    return unlessRefused(refusing, ENOSYS, "chmod", path, mode);
}

int fchmod(int file, mode_t mode)
{
    return unlessRefused(refusing, ENOSYS, "fchmod", file, mode);
}

int fchmodat(int folder, const char *path, mode_t mode, int flags)
{
    return unlessRefused(refusing, ENOSYS, "fchmodat", folder, path, mode, flags);
}

int symlink(const char *target, const char *link)
{
    return unlessRefused(refusing, EPERM, "symlink", target, link);
}

int symlinkat(const char *target, int folder, const char *link)
{
    return unlessRefused(refusing, EPERM, "symlinkat", target, folder, link);
}

int link(const char *target, const char *link)
{
    return unlessRefused(refusing, EPERM, "link", target, link);
}

int linkat(int targetFolder, const char *target, int folder, const char *link, int flags)
{
    return unlessRefused(refusing, EPERM, "linkat", targetFolder, target, folder, link, flags);
}

/// Refuses an unnamed temporary file.
int open(const char *path, int flags, ...)
{
    const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
    mode_t mode = 0;
    if ((flags & O_CREAT) || unnamed) {
        va_list rest;
        va_start(rest, flags);
        mode = mode_t(va_arg(rest, unsigned int));
        va_end(rest);
    }
    return unlessRefused(unnamed && refusing, EOPNOTSUPP, "open", path, flags, mode);
}

// The same function in the C library, under the name Qt calls.
int open64(const char *path, int flags, ...) __attribute__((alias("open")));

} // extern "C"
