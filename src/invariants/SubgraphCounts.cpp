#include "SubgraphCounts.h"

namespace
{

uint32_t above(int v)
{
    return ~BitGraph::maskOf(v + 1);
}

} // namespace

int triangleCount(const BitGraph &g)
{
    int count = 0;
    for (int i = 0; i < g.n; ++i) {
        uint32_t js = g.row[i] & above(i);
        while (js) {
            const int j = __builtin_ctz(js);
            js &= js - 1;
            count += __builtin_popcount(g.row[i] & g.row[j] & above(j));
        }
    }
    return count;
}

int k4Count(const BitGraph &g)
{
    int count = 0;
    for (int a = 0; a < g.n; ++a) {
        uint32_t bs = g.row[a] & above(a);
        while (bs) {
            const int b = __builtin_ctz(bs);
            bs &= bs - 1;
            uint32_t cs = g.row[a] & g.row[b] & above(b);
            while (cs) {
                const int c = __builtin_ctz(cs);
                cs &= cs - 1;
                count += __builtin_popcount(g.row[a] & g.row[b] & g.row[c] & above(c));
            }
        }
    }
    return count;
}

int clawCount(const BitGraph &g)
{
    int count = 0;
    for (int v = 0; v < g.n; ++v) {
        const uint32_t nb = g.row[v];
        if (__builtin_popcount(nb) != 3)
            continue;
        bool independent = true;
        for (uint32_t rest = nb; rest && independent; rest &= rest - 1)
            independent = (g.row[__builtin_ctz(rest)] & nb) == 0;
        if (independent)
            ++count;
    }
    return count;
}
