#include "invariants/DistanceIndices.h"

#include <algorithm>
#include <cmath>

namespace
{

// Integer transmissions, or false as soon as one vertex misses another.
bool integerTransmissions(const DistanceMatrix &dm, long t[])
{
    for (int u = 0; u < dm.n; ++u) {
        long sum = 0;
        for (int v = 0; v < dm.n; ++v) {
            if (dm.d[u][v] == kNoPath)
                return false;
            sum += dm.d[u][v];
        }
        t[u] = sum;
    }
    return true;
}

} // namespace

void distanceValues(const DistanceMatrix &dm, double out[][32])
{
    for (int u = 0; u < dm.n; ++u)
        for (int v = 0; v < dm.n; ++v)
            out[u][v] = dm.reachable(u, v) ? dm.d[u][v] : kInfiniteValue;
}

void eccentricities(const DistanceMatrix &dm, double out[])
{
    for (int u = 0; u < dm.n; ++u) {
        int ecc = 0;
        for (int v = 0; v < dm.n; ++v)
            ecc = std::max(ecc, dm.d[u][v]);
        out[u] = ecc == kNoPath ? kInfiniteValue : ecc;
    }
}

double diameter(const DistanceMatrix &dm)
{
    if (!dm.connected())
        return kInfiniteValue;
    int best = 0;
    for (int u = 0; u < dm.n; ++u)
        for (int v = u + 1; v < dm.n; ++v)
            best = std::max(best, dm.d[u][v]);
    return best;
}

double radius(const DistanceMatrix &dm)
{
    if (dm.n == 0)
        return 0;
    if (!dm.connected())
        return kInfiniteValue;
    int best = kNoPath;
    for (int u = 0; u < dm.n; ++u)
        best = std::min(best, *std::max_element(dm.d[u], dm.d[u] + dm.n));
    return best;
}

void transmissions(const DistanceMatrix &dm, double out[])
{
    for (int u = 0; u < dm.n; ++u) {
        long sum = 0;
        bool reachesAll = true;
        for (int v = 0; v < dm.n; ++v) {
            reachesAll = reachesAll && dm.reachable(u, v);
            sum += dm.d[u][v];
        }
        out[u] = reachesAll ? double(sum) : kInfiniteValue;
    }
}

double wienerIndex(const BitGraph &g)
{
    // Each pair is counted from both ends: sum the levels of every breadth-first search.
    long twice = 0;
    const uint32_t all = g.vertices();
    for (int s = 0; s < g.n; ++s) {
        const uint32_t reached = breadthFirst(g, s, all, [&twice](int depth, uint32_t set) {
            twice += long(depth) * __builtin_popcount(set);
        });
        if (reached != all)
            return kInfiniteValue;
    }
    return double(twice / 2);
}

bool averageDistance(const DistanceMatrix &dm, double &value)
{
    long t[32];
    if (dm.n < 2 || !integerTransmissions(dm, t))
        return false;
    long twice = 0;
    for (int u = 0; u < dm.n; ++u)
        twice += t[u];
    value = double(twice) / (double(dm.n) * (dm.n - 1));
    return true;
}

double hararyIndex(const DistanceMatrix &dm)
{
    double sum = 0;
    for (int u = 0; u < dm.n; ++u)
        for (int v = u + 1; v < dm.n; ++v)
            if (dm.reachable(u, v))
                sum += 1.0 / dm.d[u][v];
    return sum;
}

bool balabanIndex(const BitGraph &g, const DistanceMatrix &dm, double &value)
{
    long t[32];
    if (!integerTransmissions(dm, t))
        return false;
    const int m = g.edgeCount();
    const int cyclomatic = m - g.n + 1;
    double sum = 0;
    for (int u = 0; u < g.n; ++u)
        for (uint32_t b = g.row[u] & ~BitGraph::maskOf(u + 1); b; b &= b - 1)
            sum += 1.0 / std::sqrt(double(t[u]) * double(t[__builtin_ctz(b)]));
    value = double(m) / (cyclomatic + 1) * sum;
    return true;
}

double szegedIndex(const BitGraph &g, const DistanceMatrix &dm)
{
    double sum = 0;
    for (int u = 0; u < g.n; ++u) {
        for (uint32_t b = g.row[u] & ~BitGraph::maskOf(u + 1); b; b &= b - 1) {
            const int v = __builtin_ctz(b);
            long nu = 0, nv = 0;
            for (int w = 0; w < g.n; ++w) {
                nu += dm.d[w][u] < dm.d[w][v];
                nv += dm.d[w][v] < dm.d[w][u];
            }
            sum += double(nu * nv);
        }
    }
    return sum;
}

double girth(const BitGraph &g)
{
    // From every root, the first level holding an edge inside it (odd cycle) or a vertex with two
    // parents (even cycle) bounds a cycle; a root on a shortest cycle meets it exactly.
    int best = kNoPath;
    for (int r = 0; r < g.n; ++r) {
        uint32_t visited = 1u << r;
        uint32_t frontier = visited;
        for (int level = 0; frontier && 2 * level + 1 < best; ++level) {
            for (uint32_t f = frontier; f; f &= f - 1)
                if (g.row[__builtin_ctz(f)] & frontier) {
                    best = 2 * level + 1;
                    break;
                }
            if (2 * level + 2 >= best)
                break;
            uint32_t next = 0;
            for (uint32_t f = frontier; f; f &= f - 1)
                next |= g.row[__builtin_ctz(f)];
            next &= ~visited;
            for (uint32_t b = next; b; b &= b - 1)
                if (__builtin_popcount(g.row[__builtin_ctz(b)] & frontier) >= 2) {
                    best = 2 * level + 2;
                    break;
                }
            visited |= next;
            frontier = next;
        }
    }
    return best == kNoPath ? kInfiniteValue : best;
}

bool closenessCentrality(const DistanceMatrix &dm, double out[])
{
    long t[32];
    if (!integerTransmissions(dm, t))
        return false;
    for (int u = 0; u < dm.n; ++u)
        out[u] = dm.n == 1 ? 0.0 : double(dm.n - 1) / double(t[u]);
    return true;
}

void harmonicCentrality(const DistanceMatrix &dm, double out[])
{
    for (int u = 0; u < dm.n; ++u) {
        double sum = 0;
        for (int v = 0; v < dm.n; ++v)
            if (v != u && dm.reachable(u, v))
                sum += 1.0 / dm.d[u][v];
        out[u] = sum;
    }
}
