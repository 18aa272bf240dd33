#include "optimizer/ConstraintKernels.h"

int componentsMinusOne(const BitGraph &g)
{
    if (g.n <= 1)
        return 0;
    const uint32_t all = g.vertices();
    uint32_t seen = 0;
    int components = 0;
    while (seen != all) {
        // Grow one component level by level from its lowest unvisited vertex.
        uint32_t frontier = (all & ~seen) & (0u - (all & ~seen));
        seen |= frontier;
        ++components;
        while (frontier) {
            uint32_t next = 0;
            for (uint32_t f = frontier; f; f &= f - 1)
                next |= g.row[__builtin_ctz(f)];
            next &= all & ~seen;
            seen |= next;
            frontier = next;
        }
    }
    return components - 1;
}
