#include "NoFlock.h"

#include "unlessRefused.h"

#include <atomic>
#include <cerrno>
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
    return unlessRefused(refusing, ENOLCK, "flock", file, operation);
}
