#pragma once

#include "graph/BitGraph.h"

#include <QPair>
#include <QString>
#include <QVector>
#include <QtGlobal>
#include <utility>

// Small graph builders for the tests, drawn from the calling thread's qrand().

inline BitGraph fromEdges(int n, const QVector<QPair<int, int>> &edges)
{
    BitGraph g;
    g.n = n;
    for (const auto &e : edges)
        g.addEdge(e.first, e.second);
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

/// Each pair an edge with probability 1 / oneIn.
inline BitGraph randomBitGraph(int n, int oneIn = 2)
{
    BitGraph g;
    g.n = n;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (qrand() % oneIn == 0)
                g.addEdge(i, j);
    return g;
}

/// Vertex v of g becomes vertex p[v]; p is a random permutation unless given.
inline BitGraph relabelled(const BitGraph &g, QVector<int> p = {})
{
    if (p.isEmpty()) {
        for (int i = 0; i < g.n; ++i)
            p << i;
        for (int i = g.n - 1; i > 0; --i)
            std::swap(p[i], p[qrand() % (i + 1)]);
    }
    BitGraph h;
    h.n = g.n;
    for (int i = 0; i < g.n; ++i)
        for (int j = i + 1; j < g.n; ++j)
            if ((g.row[i] >> j) & 1u)
                h.addEdge(p[i], p[j]);
    return h;
}

/// Count, blank, then the lower triangle row by row.
inline QString toGraphString(const BitGraph &g)
{
    QString s = QString::number(g.n) + ' ';
    for (int i = 1; i < g.n; ++i)
        for (int j = 0; j < i; ++j)
            s += ((g.row[i] >> j) & 1u) ? '1' : '0';
    return s;
}
