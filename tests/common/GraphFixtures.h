#pragma once

#include "graph/BitGraph.h"
#include "graph/GraphString.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <algorithm>
#include <utility>
#include <vector>

// Small graph builders for the tests, drawn from the calling thread's qrand(), the graph6
// bridge to nauty's programs, and a plain distance oracle that shares nothing with the kernels.

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

/// graph6 line of g (the writer is checked against nauty's lines in tst_GraphString).
inline QByteArray toGraph6(const BitGraph &g)
{
    return writeGraph6(g);
}

/// Non-empty output lines of a program fed with input; none when it cannot start.
inline QList<QByteArray> runProgram(const QString &program, const QStringList &args,
                                    const QByteArray &input = QByteArray())
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted())
        return {};
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(-1);
    QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    lines.removeAll(QByteArray());
    return lines;
}

/// nauty's canonical form of each graph: equal exactly for isomorphic graphs.
inline QList<QByteArray> canonicalForms(const QList<BitGraph> &graphs)
{
    QByteArray input;
    for (const BitGraph &g : graphs)
        input += toGraph6(g) + '\n';
    return runProgram("nauty-labelg", {"-q"}, input);
}

/// Adjacency as a plain boolean table, so that the oracles do not lean on the bit rows.
struct PlainGraph {
    int n = 0;
    bool adj[32][32] = {};
    explicit PlainGraph(const BitGraph &g) : n(g.n)
    {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                adj[i][j] = i != j && ((g.row[i] >> j) & 1u);
    }
    int degree(int v) const
    {
        int d = 0;
        for (int j = 0; j < n; ++j)
            d += adj[v][j];
        return d;
    }
};

constexpr int kFar = 1000000;

inline std::vector<std::vector<int>> floydWarshall(const PlainGraph &p)
{
    std::vector<std::vector<int>> d(p.n, std::vector<int>(p.n, kFar));
    for (int u = 0; u < p.n; ++u)
        for (int v = 0; v < p.n; ++v)
            d[u][v] = u == v ? 0 : p.adj[u][v] ? 1 : kFar;
    for (int k = 0; k < p.n; ++k)
        for (int i = 0; i < p.n; ++i)
            for (int j = 0; j < p.n; ++j)
                d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
    return d;
}

/// Decodes one graph6 line of order at most 62.
inline BitGraph fromGraph6(const QByteArray &line)
{
    BitGraph g;
    g.n = line.at(0) - 63;
    int bit = 0;
    for (int j = 1; j < g.n; ++j)
        for (int i = 0; i < j; ++i, ++bit)
            if (((line.at(1 + bit / 6) - 63) >> (5 - bit % 6)) & 1)
                g.addEdge(i, j);
    return g;
}
