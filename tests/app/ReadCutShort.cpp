#include "ReadCutShort.h"

#include "openFilePath.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <unistd.h>

namespace
{

std::atomic<bool> cutting{false};
QByteArray cutPathEnd;
off_t cutAt = 0;

} // namespace

ReadCutShort::ReadCutShort(const QByteArray &pathEnd, off_t at)
{
    cutPathEnd = pathEnd;
    cutAt = at;
    cutting = true;
}

ReadCutShort::~ReadCutShort()
{
    cutting = false;
}

extern "C" ssize_t read(int file, void *buffer, size_t size)
{
    static const auto next =
        reinterpret_cast<ssize_t (*)(int, void *, size_t)>(dlsym(RTLD_NEXT, "read"));
    if (cutting && openFilePath(file).endsWith(cutPathEnd)) {
        const off_t at = lseek(file, 0, SEEK_CUR);
        if (at >= cutAt) {
            errno = EIO;
            return -1;
        }
        size = std::min(size, size_t(cutAt - at));
    }
    return next(file, buffer, size);
}
