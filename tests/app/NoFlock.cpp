#include "NoFlock.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <sys/file.h>

namespace
{

std::atomic<bool> refusing{false};

} // namespace

NoFlock::NoFlock()
{
    refusing = true;
}

NoFlock::~NoFlock()
{
    refusing = false;
}

extern "C" int flock(int file, int operation)
{
    if (refusing) {
        errno = ENOLCK;
        return -1;
    }
    return reinterpret_cast<int (*)(int, int)>(dlsym(RTLD_NEXT, "flock"))(file, operation);
}
