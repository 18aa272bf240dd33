#include "invariants/Distances.h"

bool DistanceMatrix::connected() const
{
    for (int u = 0; u < n; ++u)
        for (int v = u + 1; v < n; ++v)
            if (d[u][v] == kNoPath)
                return false;
    return true;
}

void allDistances(const BitGraph &g, DistanceMatrix &out)
{
    out.n = g.n;
    for (int s = 0; s < g.n; ++s) {
        int *row = out.d[s];
        for (int v = 0; v < g.n; ++v)
            row[v] = kNoPath;
        row[s] = 0;
        // Level by level on bit rows: a whole frontier is expanded with a few ORs.
        uint32_t visited = 1u << s;
        uint32_t frontier = visited;
        for (int level = 1; frontier; ++level) {
            uint32_t next = 0;
            for (uint32_t f = frontier; f; f &= f - 1)
                next |= g.row[__builtin_ctz(f)];
            next &= ~visited;
            for (uint32_t b = next; b; b &= b - 1)
                row[__builtin_ctz(b)] = level;
            visited |= next;
            frontier = next;
        }
    }
}

bool isConnected(const BitGraph &g)
{
    if (g.n <= 1)
        return true;
    uint32_t visited = 1u;
    uint32_t frontier = 1u;
    while (frontier) {
        uint32_t next = 0;
        for (uint32_t f = frontier; f; f &= f - 1)
            next |= g.row[__builtin_ctz(f)];
        frontier = next & ~visited;
        visited |= frontier;
    }
    return visited == g.vertices();
}
