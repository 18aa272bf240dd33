#pragma once

#include "GraphFixtures.h"
#include "graph/Graph.h"
#include "graph/GraphString.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "problem/Problem.h"

#include <QTemporaryDir>

/// Report flags of a board item: 1 in the report, 2 node value, 4 vector.
struct ReportedItem {
    const char *keyword;
    const char *given;
    int flags;
};

/// A board of structural and distance items: graph values, a node value and a vector.
inline void fillBoard(Problem &p)
{
    static const ReportedItem items[] = {{"ORDER", "", 1},           {"SIZE", "", 1},
                                         {"DEGREES", "deg", 3},      {"WIENER", "", 1},
                                         {"ECCENTRICITY", "ecc", 5}, {"DEGMAX", "", 0}};
    for (const ReportedItem &it : items) {
        Calculus *c = BuildCalculus().makeCalculus(it.keyword, false);
        if (*it.given)
            c->setGivenName(it.given);
        p.addInvariantItemLoadMode(c);
        c->setInReport(it.flags & 1);
        c->setNodInReport(it.flags & 2);
        c->setVecInReport(it.flags & 4);
    }
}

/// g as the current graph of graph (any previous content replaced).
inline void loadInto(Graph &graph, const BitGraph &g)
{
    graph.loadCurrentGraph(toGraphString(g));
}

/// count random graphs as graph strings, graph k on order(k) vertices.
template <class Order> QStringList randomList(int count, Order order)
{
    QStringList list;
    for (int k = 0; k < count; ++k)
        list << writeGraphString(randomBitGraph(order(k)));
    return list;
}

/// Writes bytes to name inside dir; the full path.
inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

/// The bytes of the file at path; empty when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
