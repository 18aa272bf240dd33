#include "operators/GraphAwareKernels.h"

#include <cmath>

namespace
{
const double kUnreachable = 1e12;

// Visits the ordered adjacent pairs (u, v) in increasing u, then increasing v.
template <typename Visit> void forEachOrderedEdge(const BitGraph &g, Visit visit)
{
    for (int u = 0; u < g.n; ++u)
        for (uint32_t rest = g.row[u] & g.vertices(); rest != 0; rest &= rest - 1)
            visit(u, __builtin_ctz(rest));
}
} // namespace

OperStatus edgeCorrelation(const BitGraph &g, const ValueBlock &x, double &correlation)
{
    if (x.empty())
        return OperStatus::ArgumentError;
    if (x.cols != 1 || x.rows != g.n)
        return OperStatus::ColumnVectorNeeded;
    double value[32];
    for (int i = 0; i < g.n; ++i)
        value[i] = x.at(i, 0);

    int pairs = 0;
    forEachOrderedEdge(g, [&](int, int) { ++pairs; });
    double sxx = 0.0;
    double syy = 0.0;
    double meanX = 0.0;
    double meanY = 0.0;
    if (pairs > 0) {
        const double k = pairs;
        forEachOrderedEdge(g, [&](int u, int v) {
            meanX += value[u] / k;
            meanY += value[v] / k;
        });
        forEachOrderedEdge(g, [&](int u, int v) {
            sxx += (value[u] - meanX) * (value[u] - meanX);
            syy += (value[v] - meanY) * (value[v] - meanY);
        });
    }
    const double d = std::sqrt(syy * sxx);
    if (d < 1e-6) {
        correlation = 1.0;
        return OperStatus::Degenerate;
    }
    double r = 0.0;
    forEachOrderedEdge(g, [&](int u, int v) { r += (value[u] - meanX) * (value[v] - meanY) / d; });
    if (r < -0.999999)
        r = -1.0;
    if (r > 0.999999)
        r = 1.0;
    correlation = r;
    return OperStatus::Ok;
}

bool distanceMoments(const BitGraph &g, const double *weights, double *moment)
{
    const int n = g.n;
    const uint32_t all = g.vertices();
    double w[32];
    for (int v = 0; v < n; ++v)
        w[v] = weights ? weights[v] : double(__builtin_popcount(g.row[v] & all));

    bool connected = true;
    int dist[32];
    for (int s = 0; s < n; ++s) {
        // Breadth-first search level by level on bit rows; -1 marks a vertex not reached.
        for (int v = 0; v < n; ++v)
            dist[v] = -1;
        dist[s] = 0;
        uint32_t reached = 1u << s;
        uint32_t frontier = reached;
        for (int level = 1; frontier != 0; ++level) {
            uint32_t next = 0;
            for (uint32_t f = frontier; f != 0; f &= f - 1)
                next |= g.row[__builtin_ctz(f)];
            next &= all & ~reached;
            for (uint32_t b = next; b != 0; b &= b - 1)
                dist[__builtin_ctz(b)] = level;
            reached |= next;
            frontier = next;
        }
        if (reached != all)
            connected = false;
        double sum = 0.0;
        for (int v = 0; v < n; ++v)
            if (v != s)
                sum += (dist[v] < 0 ? kUnreachable : double(dist[v])) * w[v];
        moment[s] = sum;
    }
    return connected;
}

OperStatus normalizeByEdges(const BitGraph &g, const ValueBlock &v, ValueRows &out)
{
    if (v.empty())
        return OperStatus::ArgumentError;
    if (!v.isVector())
        return OperStatus::NotVector;
    if (v.rows == 1 && v.cols == 1)
        return OperStatus::SingleValue;
    const int length = v.cols >= 2 ? v.cols : v.rows;
    if (length < g.n)
        return OperStatus::WrongLength;
    double entry[32];
    for (int i = 0; i < g.n; ++i)
        entry[i] = v.vectorAt(i);

    bool sound = true;
    forEachOrderedEdge(g, [&](int i, int j) {
        const double product = entry[i] * entry[j];
        if (!(product > 0.0) || !std::isfinite(1.0 / std::sqrt(product)))
            sound = false;
    });
    if (!sound)
        return OperStatus::NonPositiveProduct;
    for (int i = 0; i < g.n; ++i) {
        double *row = out[i].data();
        for (int j = 0; j < g.n; ++j)
            row[j] = g.edge(i, j) ? 1.0 / std::sqrt(entry[i] * entry[j]) : 0.0;
    }
    return OperStatus::Ok;
}
