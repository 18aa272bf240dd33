#include "ReadOnlyFolder.h"

#include "unlessRefused.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::atomic<bool> refusing{false};
char refused[PATH_MAX]; // the folder, as the system names it

/// Whether `path`, taken from the current folder or from `folder` when it is open there, names
/// an entry of the refused folder.
bool entryOfRefused(int folder, const char *path)
{
    if (!refusing || !path || (folder != AT_FDCWD && path[0] != '/'))
        return false;
    const char *slash = std::strrchr(path, '/');
    const std::string parent = !slash ? "." : slash == path ? "/" : std::string(path, slash);
    char real[PATH_MAX];
    return ::realpath(parent.c_str(), real) && std::strcmp(real, refused) == 0;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &folder)
{
    refused[0] = '\0';
    if (!::realpath(QFile::encodeName(folder).constData(), refused))
        std::strncpy(refused, QFile::encodeName(folder).constData(), sizeof refused - 1);
    refusing = true;
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    refusing = false;
}

extern "C" {

int rename(const char *from, const char *to)
{
    return unlessRefused(entryOfRefused(AT_FDCWD, from) || entryOfRefused(AT_FDCWD, to), EACCES,
                         "rename", from, to);
}

int renameat(int fromFolder, const char *from, int toFolder, const char *to)
{
    return unlessRefused(entryOfRefused(fromFolder, from) || entryOfRefused(toFolder, to), EACCES,
                         "renameat", fromFolder, from, toFolder, to);
}

int renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned flags)
{
    return unlessRefused(entryOfRefused(fromFolder, from) || entryOfRefused(toFolder, to), EACCES,
                         "renameat2", fromFolder, from, toFolder, to, flags);
}

int link(const char *target, const char *name)
{
    return unlessRefused(entryOfRefused(AT_FDCWD, name), EACCES, "link", target, name);
}

int linkat(int targetFolder, const char *target, int folder, const char *name, int flags)
{
    return unlessRefused(entryOfRefused(folder, name), EACCES, "linkat", targetFolder, target,
                         folder, name, flags);
}

int symlink(const char *target, const char *name)
{
    return unlessRefused(entryOfRefused(AT_FDCWD, name), EACCES, "symlink", target, name);
}

int unlink(const char *path)
{
    return unlessRefused(entryOfRefused(AT_FDCWD, path), EACCES, "unlink", path);
}

int unlinkat(int folder, const char *path, int flags)
{
    return unlessRefused(entryOfRefused(folder, path), EACCES, "unlinkat", folder, path, flags);
}

int mkdir(const char *path, mode_t mode)
{
    return unlessRefused(entryOfRefused(AT_FDCWD, path), EACCES, "mkdir", path, mode);
}

int rmdir(const char *path)
{
    return unlessRefused(entryOfRefused(AT_FDCWD, path), EACCES, "rmdir", path);
}

/// Refuses a file made there, named or not; not one opened that is there.
int open(const char *path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list rest;
        va_start(rest, flags);
        mode = mode_t(va_arg(rest, unsigned int));
        va_end(rest);
    }
    const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
    struct stat there;
    char real[PATH_MAX];
    const bool refuse =
        refusing && (unnamed ? ::realpath(path, real) && std::strcmp(real, refused) == 0
                             : (flags & O_CREAT) && ::lstat(path, &there) != 0 &&
                                   entryOfRefused(AT_FDCWD, path));
    return unlessRefused(refuse, EACCES, "open", path, flags, mode);
}

// The same function in the C library, under the name Qt calls.
int open64(const char *path, int flags, ...) __attribute__((alias("open")));

} // extern "C"
