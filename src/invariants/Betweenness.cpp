#include "invariants/Betweenness.h"

namespace
{

// One breadth-first search and one dependency sweep per source. Each unordered pair is met
// from both of its ends, so the caller halves the sums. Either output may be null.
void accumulate(const BitGraph &g, PairWeight weight, double vertexSum[], double edgeSum[][32])
{
    double pairWeight[33];
    for (int d = 1; d <= 32; ++d)
        pairWeight[d] = weight == PairWeight::One               ? 1.0
                        : weight == PairWeight::InverseDistance ? 1.0 / d
                                                                : 1.0 / (double(d) * d);
    double sigma[32];
    double delta[32];
    int dist[32];
    uint32_t levelMask[33];
    int order[32];

    for (int s = 0; s < g.n; ++s) {
        int count = 0;
        sigma[s] = 1.0;
        dist[s] = 0;
        levelMask[0] = 1u << s;
        uint32_t visited = levelMask[0];
        int depth = 0;
        while (levelMask[depth]) {
            const uint32_t frontier = levelMask[depth];
            uint32_t next = 0;
            for (uint32_t f = frontier; f; f &= f - 1)
                next |= g.row[__builtin_ctz(f)];
            next &= ~visited;
            for (uint32_t b = next; b; b &= b - 1) {
                const int w = __builtin_ctz(b);
                double paths = 0;
                for (uint32_t p = g.row[w] & frontier; p; p &= p - 1)
                    paths += sigma[__builtin_ctz(p)];
                sigma[w] = paths;
                dist[w] = depth + 1;
                delta[w] = 0;
                order[count++] = w;
            }
            visited |= next;
            levelMask[++depth] = next;
        }
        delta[s] = 0;
        for (int i = count - 1; i >= 0; --i) {
            const int w = order[i];
            const double perPath = (pairWeight[dist[w]] + delta[w]) / sigma[w];
            for (uint32_t p = g.row[w] & levelMask[dist[w] - 1]; p; p &= p - 1) {
                const int v = __builtin_ctz(p);
                const double share = sigma[v] * perPath;
                delta[v] += share;
                if (edgeSum)
                    edgeSum[v][w] += share;
            }
            if (vertexSum)
                vertexSum[w] += delta[w];
        }
    }
}

} // namespace

void vertexBetweenness(const BitGraph &g, PairWeight weight, double out[])
{
    for (int u = 0; u < g.n; ++u)
        out[u] = 0;
    accumulate(g, weight, out, nullptr);
    for (int u = 0; u < g.n; ++u)
        out[u] /= 2;
}

void edgeBetweenness(const BitGraph &g, PairWeight weight, double out[][32])
{
    double directed[32][32];
    for (int u = 0; u < g.n; ++u)
        for (int v = 0; v < g.n; ++v)
            directed[u][v] = 0;
    accumulate(g, weight, nullptr, directed);
    for (int u = 0; u < g.n; ++u) {
        out[u][u] = 0;
        for (int v = u + 1; v < g.n; ++v)
            out[u][v] = out[v][u] = (directed[u][v] + directed[v][u]) / 2;
    }
}
