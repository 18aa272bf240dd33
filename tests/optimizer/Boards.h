#pragma once

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/invConstant.h"
#include "problem/Problem.h"

#include <QStringList>

#include <numeric>

/// Adds `invariant` to the board and one objective per keyword of `objectives` on it
/// ("MINIMIZE", "MAXIMIZE" or "MAXMIN"); returns the objectives.
inline QVector<Calculus *> addObjectives(Problem &board, const QString &invariant,
                                         const QStringList &objectives)
{
    BuildCalculus catalogue;
    Calculus *item = catalogue.makeCalculus(invariant, false);
    board.addInvariantItemLoadMode(item);
    QVector<Calculus *> zs;
    for (const QString &keyword : objectives) {
        zs << catalogue.makeCalculus(keyword, false);
        board.addZItem(zs.last());
        board.link1(item, zs.last());
    }
    return zs;
}

/// "minimise SIZE subject to CONNECTED".
inline void minSizeConnected(Problem &board)
{
    addObjectives(board, QStringLiteral("SIZE"), {QStringLiteral("MINIMIZE")});
    board.addConstraintItem(BuildCalculus().makeCalculus(QStringLiteral("CONNECTED"), false));
}

/// "maximise SIZE subject to TRIANGLES <= 0".
inline void maxSizeTriangleFree(Problem &board)
{
    BuildCalculus catalogue;
    addObjectives(board, QStringLiteral("SIZE"), {QStringLiteral("MAXIMIZE")});
    Calculus *triangles = catalogue.makeCalculus(QStringLiteral("TRIANGLES"), false);
    board.addInvariantItemLoadMode(triangles);
    auto *zero = static_cast<invConstant *>(catalogue.makeConstant(false));
    zero->loadData(1, 1, {0.0});
    board.addOperatorItem(zero);
    Calculus *atMost = catalogue.makeCalculus(QStringLiteral("<="), false);
    board.addConstraintItem(atMost);
    board.link1(triangles, atMost);
    board.link2(zero, atMost);
}

/// Degrees of the current graph, counted pair by pair.
inline QVector<int> degreesOf(const Graph &g)
{
    QVector<int> d(g.getNbNodes(), 0);
    for (int i = 0; i < g.getNbNodes(); ++i)
        for (int j = 0; j < g.getNbNodes(); ++j)
            d[i] += g.edge(i, j);
    return d;
}

inline int edgesOf(const Graph &g)
{
    const QVector<int> d = degreesOf(g);
    return std::accumulate(d.begin(), d.end(), 0) / 2;
}

inline void setOrder(Graph &g, int n)
{
    g.clear();
    while (g.getNbNodes() < n)
        g.addNode();
}

/// Breadth-first search from vertex 0.
inline bool connected(const Graph &g)
{
    const int n = g.getNbNodes();
    QVector<bool> seen(qMax(n, 1), false);
    QVector<int> queue{0};
    seen[0] = true;
    for (int head = 0; head < queue.size(); ++head)
        for (int v = 0; v < n; ++v)
            if (!seen[v] && g.edge(queue[head], v)) {
                seen[v] = true;
                queue.append(v);
            }
    return n == 0 || queue.size() == n;
}
