#include "SwappedAtRemoval.h"

#include "openFilePath.h"

#include <atomic>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace
{

std::atomic<bool> armed{false}, done{false};
QByteArray swappedFolder, movedFolder, linkedFolder;

/// Makes the swap before a removal of `path` (relative to `folder`), when that is the first in
/// the swapped folder.
void swapBefore(int folder, const char *path)
{
    if (!armed)
        return;
    const QByteArray full =
        path[0] == '/' || folder == AT_FDCWD ? QByteArray(path) : openFilePath(folder) + '/' + path;
    if (!full.startsWith(swappedFolder + '/') || !armed.exchange(false))
        return;
    done = std::rename(swappedFolder.constData(), movedFolder.constData()) == 0 &&
           symlink(linkedFolder.constData(), swappedFolder.constData()) == 0;
}

template <class F> F next(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace

SwappedAtRemoval::SwappedAtRemoval(const QByteArray &folder, const QByteArray &movedTo,
                                   const QByteArray &linkTo)
{
    swappedFolder = folder;
    movedFolder = movedTo;
    linkedFolder = linkTo;
    done = false;
    armed = true;
}

SwappedAtRemoval::~SwappedAtRemoval()
{
    armed = false;
}

bool SwappedAtRemoval::swapped() const
{
    return done;
}

extern "C" int unlink(const char *path)
{
    static const auto real = next<int (*)(const char *)>("unlink");
    swapBefore(AT_FDCWD, path);
    return real(path);
}

extern "C" int unlinkat(int folder, const char *path, int flags)
{
    static const auto real = next<int (*)(int, const char *, int)>("unlinkat");
    swapBefore(folder, path);
    return real(folder, path, flags);
}
