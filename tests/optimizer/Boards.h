#pragma once

#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
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

/// Adds the constraint "invariant relation value", relation one of "==", ">=", ">", "<=", "<".
inline void addBound(Problem &board, const QString &invariant, const QString &relation,
                     double value)
{
    BuildCalculus catalogue;
    Calculus *item = catalogue.makeCalculus(invariant, false);
    board.addInvariantItemLoadMode(item);
    auto *constant = static_cast<invConstant *>(catalogue.makeConstant(false));
    constant->loadData(1, 1, {value});
    board.addOperatorItem(constant);
    Calculus *constraint = catalogue.makeCalculus(relation, false);
    board.addConstraintItem(constraint);
    board.link1(item, constraint);
    board.link2(constant, constraint);
}

/// "maximise SIZE subject to TRIANGLES <= 0".
inline void maxSizeTriangleFree(Problem &board)
{
    addObjectives(board, QStringLiteral("SIZE"), {QStringLiteral("MAXIMIZE")});
    addBound(board, QStringLiteral("TRIANGLES"), QStringLiteral("<="), 0.0);
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
