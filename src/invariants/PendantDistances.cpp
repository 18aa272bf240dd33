#include "invariants/PendantDistances.h"

#include <algorithm>

namespace
{

uint32_t pendantVertices(const BitGraph &g)
{
    uint32_t pendant = 0;
    for (int v = 0; v < g.n; ++v)
        if (g.degree(v) == 1)
            pendant |= 1u << v;
    return pendant;
}

} // namespace

void sumDistancesToPendants(const BitGraph &g, const DistanceMatrix &dm, double out[])
{
    const uint32_t pendant = pendantVertices(g);
    for (int u = 0; u < g.n; ++u) {
        long sum = 0;
        for (uint32_t b = pendant; b; b &= b - 1) {
            const int p = __builtin_ctz(b);
            if (dm.reachable(u, p))
                sum += dm.d[u][p];
        }
        out[u] = double(sum);
    }
}

void distanceToClosestPendant(const BitGraph &g, const DistanceMatrix &dm, double out[])
{
    const uint32_t pendant = pendantVertices(g);
    for (int u = 0; u < g.n; ++u) {
        int best = kNoPath;
        for (uint32_t b = pendant; b; b &= b - 1)
            best = std::min(best, dm.d[u][__builtin_ctz(b)]);
        out[u] = best == kNoPath ? kInfiniteValue : best;
    }
}
