#include "VertexConnectivity.h"

namespace
{

// Number of internally disjoint s-t paths, stopping once 'cap' is reached. Each vertex v is split
// into v (in, bit v) and v + n (out, bit v + n) joined by a unit arc; every arc has unit capacity
// and no two original arcs are antiparallel, so a residual graph is one bit per arc.
int disjointPaths(const BitGraph &g, int s, int t, int cap)
{
    const int n = g.n;
    uint64_t res[64];
    for (int v = 0; v < n; ++v) {
        res[v] = (v == s || v == t) ? 0 : (uint64_t(1) << (v + n));
        res[v + n] = uint64_t(g.row[v]);
    }
    const int source = s + n;
    const int sink = t;
    int flow = 0;
    int parent[64];
    while (flow < cap) {
        uint64_t visited = uint64_t(1) << source;
        int queue[64];
        int head = 0, tail = 0;
        queue[tail++] = source;
        bool reached = false;
        while (head < tail && !reached) {
            const int a = queue[head++];
            uint64_t next = res[a] & ~visited;
            visited |= next;
            while (next) {
                const int b = __builtin_ctzll(next);
                next &= next - 1;
                parent[b] = a;
                if (b == sink) {
                    reached = true;
                    break;
                }
                queue[tail++] = b;
            }
        }
        if (!reached)
            break;
        for (int b = sink; b != source; b = parent[b]) {
            const int a = parent[b];
            res[a] &= ~(uint64_t(1) << b);
            res[b] |= uint64_t(1) << a;
        }
        ++flow;
    }
    return flow;
}

} // namespace

int vertexConnectivity(const BitGraph &g)
{
    const int n = g.n;
    int best = n - 1;
    // Some vertex among the first best + 1 lies outside a smallest separator, and the
    // lowest-numbered such vertex is separated from a higher-numbered one, so only pairs whose
    // lower end is at most the current bound need a flow.
    for (int i = 0; i <= best && i < n; ++i) {
        for (uint32_t js = ~g.row[i] & g.vertices() & ~BitGraph::maskOf(i + 1); js; js &= js - 1) {
            const int k = disjointPaths(g, i, __builtin_ctz(js), best);
            if (k < best)
                best = k;
        }
    }
    return best;
}
