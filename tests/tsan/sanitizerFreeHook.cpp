// Linked into the tests of the thread sanitizer build only. tsan.supp leaves Qt's own libraries
// out of the sanitizer's view, their frees with the rest; the sanitizer calls this hook before
// every free, wherever it comes from, so a block Qt frees still counts as written by the freeing
// thread, and a read of it made elsewhere without order (a QString replaced in one thread while
// another reads it) is reported.
#include <sanitizer/tsan_interface.h>

#include <cstddef>

extern "C" {
size_t __sanitizer_get_allocated_size(const volatile void *p);
void __tsan_write_range(void *addr, long size);

void __sanitizer_free_hook(const volatile void *p)
{
    void *block = const_cast<void *>(p);
    const size_t size = __sanitizer_get_allocated_size(block);
    // An empty allocation, counted as one byte, has no shadow of its own to write.
    if (size <= 1)
        return;
    // Qt frees shared data (a string's characters, a container's items) once the reference
    // count at the block's start drops to zero, by an atomic decrement made inside Qt where the
    // sanitizer cannot see it; this acquire stands for it.
    __tsan_acquire(block);
    __tsan_write_range(block, static_cast<long>(size));
}
}
