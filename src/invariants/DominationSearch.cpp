#include "DominationSearch.h"

namespace
{

// Looks for a dominating set of at most 'size' vertices by depth-first search over increasing
// vertex sequences (lexicographic order). Every size below the domination number fails first,
// so the first set found at the domination number is the lexicographically smallest one.
struct DominationSearch {
    int n = 0;
    uint32_t closed[32];    // closed neighbourhoods
    uint32_t coverFrom[33]; // union of the closed neighbourhoods of vertices v..n-1
    int size = 0;
    uint32_t found = 0;

    bool extend(uint32_t chosen, int k, int last, uint32_t undominated)
    {
        if (!undominated) {
            found = chosen;
            return true;
        }
        const int left = size - k;
        if (left == 0 || (undominated & ~coverFrom[last + 1]))
            return false;
        // Every undominated vertex needs a later choice in its closed neighbourhood, and the next
        // choice is the smallest later one, so it cannot lie above the lowest such maximum.
        int limit = n - 1;
        int coverMax = 0;
        const uint32_t later = ~BitGraph::maskOf(last + 1);
        for (uint32_t u = undominated; u; u &= u - 1) {
            const uint32_t options = closed[__builtin_ctz(u)] & later;
            const int top = 31 - __builtin_clz(options);
            if (top < limit)
                limit = top;
        }
        for (int y = last + 1; y < n; ++y) {
            const int c = __builtin_popcount(closed[y] & undominated);
            if (c > coverMax)
                coverMax = c;
        }
        if (coverMax * left < __builtin_popcount(undominated))
            return false;
        for (int y = last + 1; y <= limit; ++y)
            if (extend(chosen | (1u << y), k + 1, y, undominated & ~closed[y]))
                return true;
        return false;
    }
};

} // namespace

int minimumDominatingSet(const BitGraph &g, uint32_t *members)
{
    DominationSearch s;
    s.n = g.n;
    int maxClosed = 0;
    for (int v = 0; v < g.n; ++v) {
        s.closed[v] = g.row[v] | (1u << v);
        if (g.degree(v) + 1 > maxClosed)
            maxClosed = g.degree(v) + 1;
    }
    s.coverFrom[g.n] = 0;
    for (int v = g.n - 1; v >= 0; --v)
        s.coverFrom[v] = s.coverFrom[v + 1] | s.closed[v];
    int size = g.n == 0 ? 0 : (g.n + maxClosed - 1) / maxClosed;
    for (;; ++size) {
        s.size = size;
        if (s.extend(0, 0, -1, g.vertices()))
            break;
    }
    if (members)
        *members = s.found;
    return size;
}
