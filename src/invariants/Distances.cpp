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
        breadthFirst(g, s, g.vertices(), [row](int depth, uint32_t set) {
            for (; set; set &= set - 1)
                row[__builtin_ctz(set)] = depth;
        });
    }
}

bool isConnected(const BitGraph &g)
{
    return g.n <= 1 || breadthFirst(g, 0, g.vertices(), [](int, uint32_t) {}) == g.vertices();
}
