#include "invariants/DegreeKernels.h"

int degreeMax(const BitGraph &g)
{
    int best = 0;
    for (int u = 0; u < g.n; ++u)
        if (g.degree(u) > best)
            best = g.degree(u);
    return best;
}

int degreeMin(const BitGraph &g)
{
    // n is above every degree, so it is a safe start (and the answer 0 for n = 0).
    int best = g.n;
    for (int u = 0; u < g.n; ++u)
        if (g.degree(u) < best)
            best = g.degree(u);
    return best;
}

uint32_t pendingSet(const BitGraph &g)
{
    uint32_t set = 0;
    for (int u = 0; u < g.n; ++u)
        if (g.degree(u) == 1)
            set |= 1u << u;
    return set;
}

int pendingCount(const BitGraph &g)
{
    return __builtin_popcount(pendingSet(g));
}

int pendingNeighbours(const BitGraph &g, uint32_t pending, int u)
{
    return __builtin_popcount(g.row[u] & pending);
}
