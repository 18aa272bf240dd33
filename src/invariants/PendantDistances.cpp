#include "invariants/PendantDistances.h"

#include "invariants/DegreeKernels.h"

#include <algorithm>

void sumDistancesToPendants(const BitGraph &g, const DistanceMatrix &dm, double out[])
{
    const uint32_t pendant = pendingSet(g);
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
    const uint32_t pendant = pendingSet(g);
    for (int u = 0; u < g.n; ++u) {
        int best = kNoPath;
        for (uint32_t b = pendant; b; b &= b - 1)
            best = std::min(best, dm.d[u][__builtin_ctz(b)]);
        out[u] = best == kNoPath ? kInfiniteValue : best;
    }
}
