#pragma once

#include <cstdint>

/// Plain snapshot of a simple graph of at most 32 vertices, the input of the computing kernels:
/// bit v of row[u] is set when u and v are adjacent. Rows are symmetric, diagonals clear,
/// and no bit at or beyond n is set.
struct BitGraph {
    int n = 0;
    uint32_t row[32] = {};

    static uint32_t maskOf(int k) { return k >= 32 ? 0xffffffffu : ((1u << k) - 1u); }
    uint32_t vertices() const { return maskOf(n); }
    bool edge(int u, int v) const { return (row[u] >> v) & 1u; }
    int degree(int u) const { return __builtin_popcount(row[u]); }
    void addEdge(int u, int v)
    {
        row[u] |= 1u << v;
        row[v] |= 1u << u;
    }
    void removeEdge(int u, int v)
    {
        row[u] &= ~(1u << v);
        row[v] &= ~(1u << u);
    }
    int edgeCount() const
    {
        int twice = 0;
        for (int u = 0; u < n; ++u)
            twice += degree(u);
        return twice / 2;
    }
    BitGraph complement() const
    {
        BitGraph c;
        c.n = n;
        const uint32_t all = vertices();
        for (int u = 0; u < n; ++u)
            c.row[u] = all & ~row[u] & ~(1u << u);
        return c;
    }
};
