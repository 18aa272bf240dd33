#include "CliqueSearch.h"

namespace
{

// Depth-first over increasing vertex sequences, which visits cliques in lexicographic order;
// since only a strictly larger clique replaces the record, cutting a branch that cannot exceed
// the record never changes which clique is reported.
struct CliqueSearch {
    const uint32_t *row;
    int best = 0;
    uint32_t bestSet = 0;

    // Upper bound on the clique size inside cand: colour classes of a greedy colouring.
    int colourBound(uint32_t cand, int needed) const
    {
        int colours = 0;
        while (cand) {
            ++colours;
            if (colours >= needed)
                return colours;
            uint32_t free = cand;
            while (free) {
                const int v = __builtin_ctz(free);
                cand &= ~(1u << v);
                free &= ~row[v] & ~(1u << v);
            }
        }
        return colours;
    }

    void extend(uint32_t current, int k, uint32_t cand)
    {
        while (cand) {
            if (k + __builtin_popcount(cand) <= best)
                return;
            const int v = __builtin_ctz(cand);
            cand &= cand - 1;
            const uint32_t next = cand & row[v];
            const uint32_t with = current | (1u << v);
            if (k + 1 > best) {
                best = k + 1;
                bestSet = with;
            }
            if (next && k + 1 + colourBound(next, best - k) > best)
                extend(with, k + 1, next);
        }
    }
};

int runSearch(const BitGraph &g, const uint32_t *row, uint32_t *members)
{
    CliqueSearch s;
    s.row = row;
    s.extend(0, 0, g.vertices());
    if (members)
        *members = s.bestSet;
    return s.best;
}

} // namespace

int maximumClique(const BitGraph &g, uint32_t *members)
{
    return runSearch(g, g.row, members);
}

int maximumStableSet(const BitGraph &g, uint32_t *members)
{
    const BitGraph c = g.complement();
    return runSearch(c, c.row, members);
}
