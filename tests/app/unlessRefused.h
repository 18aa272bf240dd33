#pragma once

#include <cerrno>
#include <dlfcn.h>

/// For a test's stand-in of a C library function: the C library's `name` with these arguments,
/// or -1 with errno `error` when `refuse` holds.
template <class... Args> int unlessRefused(bool refuse, int error, const char *name, Args... args)
{
    if (refuse) {
        errno = error;
        return -1;
    }
    return reinterpret_cast<int (*)(Args...)>(dlsym(RTLD_NEXT, name))(args...);
}
