#include "invariants/CutCentrality.h"

#include "invariants/Distances.h"

namespace
{

// The component of start within the vertices of allowed.
uint32_t componentOf(const BitGraph &g, int start, uint32_t allowed)
{
    return breadthFirst(g, start, allowed, [](int, uint32_t) {});
}

long pairsAmong(long k)
{
    return k * (k - 1) / 2;
}

} // namespace

void cutCentrality(const BitGraph &g, double out[])
{
    const uint32_t all = g.vertices();
    for (int u = 0; u < g.n; ++u) {
        // Only pairs of u's own component can be separated by removing u.
        const uint32_t bit = 1u << u;
        uint32_t rest = componentOf(g, u, all) & ~bit;
        long cut = pairsAmong(__builtin_popcount(rest));
        while (rest) {
            const uint32_t part = componentOf(g, __builtin_ctz(rest), all & ~bit);
            cut -= pairsAmong(__builtin_popcount(part));
            rest &= ~part;
        }
        out[u] = double(cut);
    }
}
