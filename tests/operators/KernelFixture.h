#pragma once

#include "graph/BitGraph.h"

#include "ValueRowsFixture.h"

#include <QVector>
#include <QtGlobal>

/// A rows x cols block holding entries row-major in a poisoned 32 x 32 store.
inline StoredValue stored(int rows, int cols, const QVector<double> &entries)
{
    StoredValue v(rows, cols, {});
    for (int k = 0; k < entries.size() && cols > 0; ++k)
        v.m[k / cols][k % cols] = entries[k];
    return v;
}

inline StoredValue column(const QVector<double> &x)
{
    return stored(x.size(), 1, x);
}

/// n vertices, each pair joined with the given chance (qrand, so the caller's seed holds).
inline BitGraph randomGraph(int n, int percent)
{
    BitGraph g;
    g.n = n;
    for (int u = 0; u < n; ++u)
        for (int v = u + 1; v < n; ++v)
            if (qrand() % 100 < percent)
                g.addEdge(u, v);
    return g;
}

/// n vertices with the edges i-(i+1) for every i listed in chain: a path by default.
inline BitGraph chainGraph(int n, QVector<int> chain = {})
{
    BitGraph g;
    g.n = n;
    if (chain.isEmpty())
        for (int v = 0; v + 1 < n; ++v)
            chain << v;
    for (int v : chain)
        g.addEdge(v, v + 1);
    return g;
}
