#pragma once

// Graph fixtures shared by the structural kernel tests: random graphs and the classical
// families, built straight from their definitions.

#include "graph/BitGraph.h"

#include <QtGlobal>
#include <utility>
#include <vector>

inline BitGraph graphOf(int n, const std::vector<std::pair<int, int>> &edges)
{
    BitGraph g;
    g.n = n;
    for (const auto &e : edges)
        g.addEdge(e.first, e.second);
    return g;
}

inline BitGraph randomGraph(int n, double p)
{
    BitGraph g;
    g.n = n;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (qrand() < p * RAND_MAX)
                g.addEdge(i, j);
    return g;
}

/// A random graph of order qrand() % 10 and random density, as the cross-checks use.
inline BitGraph smallRandomGraph()
{
    const int n = qrand() % 10;
    return randomGraph(n, (qrand() % 101) / 100.0);
}

/// Random labelled tree: each vertex v > 0 hangs from a random earlier vertex, then the labels
/// are shuffled so that the shape does not follow the numbering.
inline BitGraph randomTree(int n)
{
    std::vector<int> label(n);
    for (int i = 0; i < n; ++i)
        label[i] = i;
    for (int i = n - 1; i > 0; --i)
        std::swap(label[i], label[qrand() % (i + 1)]);
    BitGraph g;
    g.n = n;
    for (int v = 1; v < n; ++v)
        g.addEdge(label[v], label[qrand() % v]);
    return g;
}

inline BitGraph completeGraph(int n)
{
    BitGraph g;
    g.n = n;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            g.addEdge(i, j);
    return g;
}

inline BitGraph emptyGraph(int n)
{
    BitGraph g;
    g.n = n;
    return g;
}

inline BitGraph pathGraph(int n)
{
    BitGraph g;
    g.n = n;
    for (int i = 0; i + 1 < n; ++i)
        g.addEdge(i, i + 1);
    return g;
}

inline BitGraph cycleGraph(int n)
{
    BitGraph g = pathGraph(n);
    if (n >= 3)
        g.addEdge(n - 1, 0);
    return g;
}

/// Star with centre 0 and leaves 1..n-1.
inline BitGraph starGraph(int n)
{
    BitGraph g;
    g.n = n;
    for (int i = 1; i < n; ++i)
        g.addEdge(0, i);
    return g;
}

/// Complete bipartite graph with sides 0..a-1 and a..a+b-1.
inline BitGraph completeBipartite(int a, int b)
{
    BitGraph g;
    g.n = a + b;
    for (int i = 0; i < a; ++i)
        for (int j = a; j < a + b; ++j)
            g.addEdge(i, j);
    return g;
}

/// Adjacency as a plain boolean table, so that oracles do not lean on the bit rows.
struct PlainGraph {
    int n = 0;
    bool adj[32][32] = {};
    explicit PlainGraph(const BitGraph &g) : n(g.n)
    {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                adj[i][j] = (g.row[i] >> j) & 1u;
    }
    int degree(int v) const
    {
        int d = 0;
        for (int j = 0; j < n; ++j)
            d += adj[v][j];
        return d;
    }
};

/// True when the increasing sequence of the members of a is lexicographically before that of b.
inline bool lexBefore(uint32_t a, uint32_t b)
{
    while (a && b) {
        const int x = __builtin_ctz(a), y = __builtin_ctz(b);
        if (x != y)
            return x < y;
        a &= a - 1;
        b &= b - 1;
    }
    return !a && b;
}
