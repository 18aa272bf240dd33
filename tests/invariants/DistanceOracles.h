#pragma once

// Slow, obviously correct references for the distance tests: adjacency as a plain bool matrix,
// Floyd-Warshall distances and graph families built edge by edge. Nothing here uses the kernels.

#include "graph/BitGraph.h"

#include <QProcess>
#include <QString>
#include <QVector>
#include <QtGlobal>
#include <QtTest>

namespace oracle
{

constexpr int kFar = 1000000;

struct Plain {
    int n = 0;
    bool a[32][32] = {};
};

inline Plain plainOf(const BitGraph &g)
{
    Plain p;
    p.n = g.n;
    for (int u = 0; u < g.n; ++u)
        for (int v = 0; v < g.n; ++v)
            p.a[u][v] = u != v && ((g.row[u] >> v) & 1u);
    return p;
}

inline QVector<QVector<int>> floydWarshall(const Plain &p)
{
    QVector<QVector<int>> d(p.n, QVector<int>(p.n, kFar));
    for (int u = 0; u < p.n; ++u) {
        d[u][u] = 0;
        for (int v = 0; v < p.n; ++v)
            if (p.a[u][v])
                d[u][v] = 1;
    }
    for (int k = 0; k < p.n; ++k)
        for (int i = 0; i < p.n; ++i)
            for (int j = 0; j < p.n; ++j)
                if (d[i][k] + d[k][j] < d[i][j])
                    d[i][j] = d[i][k] + d[k][j];
    return d;
}

inline int degreeOf(const Plain &p, int u)
{
    int d = 0;
    for (int v = 0; v < p.n; ++v)
        d += p.a[u][v];
    return d;
}

inline BitGraph build(int n, const QVector<QPair<int, int>> &edges)
{
    BitGraph g;
    g.n = n;
    for (const auto &e : edges)
        g.addEdge(e.first, e.second);
    return g;
}

inline BitGraph path(int n)
{
    QVector<QPair<int, int>> e;
    for (int i = 0; i + 1 < n; ++i)
        e.append({i, i + 1});
    return build(n, e);
}

inline BitGraph cycle(int n)
{
    BitGraph g = path(n);
    if (n >= 3)
        g.addEdge(0, n - 1);
    return g;
}

/// Centre 0, leaves 1..n-1.
inline BitGraph star(int n)
{
    QVector<QPair<int, int>> e;
    for (int i = 1; i < n; ++i)
        e.append({0, i});
    return build(n, e);
}

inline BitGraph complete(int n)
{
    QVector<QPair<int, int>> e;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            e.append({i, j});
    return build(n, e);
}

/// Side A is 0..a-1, side B is a..a+b-1.
inline BitGraph completeBipartite(int a, int b)
{
    QVector<QPair<int, int>> e;
    for (int i = 0; i < a; ++i)
        for (int j = a; j < a + b; ++j)
            e.append({i, j});
    return build(a + b, e);
}

/// Random graph from the qrand() sequence: each pair is an edge with probability percent/100.
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

/// A few hundred graphs of orders 0..12: sparse ones (mostly disconnected), dense ones, the
/// complements of both, and disjoint unions of two random parts.
inline QVector<QPair<QString, BitGraph>> randomSuite()
{
    QVector<QPair<QString, BitGraph>> out;
    for (int round = 0; round < 12; ++round)
        for (int n = 0; n <= 12; ++n) {
            const int percent = 10 + (round * 37 + n * 11) % 80;
            const BitGraph g = randomGraph(n, percent);
            out.append({QString("n%1 p%2 r%3").arg(n).arg(percent).arg(round), g});
            out.append(
                {QString("complement n%1 p%2 r%3").arg(n).arg(percent).arg(round), g.complement()});
            if (n >= 4) {
                const int split = 1 + qrand() % (n - 2);
                BitGraph u = randomGraph(split, 70);
                const BitGraph w = randomGraph(n - split, 70);
                u.n = n;
                for (int i = 0; i < w.n; ++i)
                    for (int j = i + 1; j < w.n; ++j)
                        if ((w.row[i] >> j) & 1u)
                            u.addEdge(split + i, split + j);
                out.append({QString("union n%1 split%2 r%3").arg(n).arg(split).arg(round), u});
            }
        }
    return out;
}

} // namespace oracle

Q_DECLARE_METATYPE(BitGraph)

namespace oracle
{

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

/// Fills a Qt Test data table with every graph of order 1 to 7 up to isomorphism, as nauty's
/// generator lists them, then one row per graph of randomSuite(), from seed 1234.
inline void addSuiteRows()
{
    QTest::addColumn<BitGraph>("g");
    for (int n = 1; n <= 7; ++n) {
        QProcess geng;
        geng.start(QStringLiteral("nauty-geng"), {QStringLiteral("-q"), QString::number(n)});
        QVERIFY2(geng.waitForFinished(-1) && geng.exitCode() == 0, "nauty-geng did not run");
        int k = 0;
        for (const QByteArray &line : geng.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                QTest::newRow(qPrintable(QString("all n%1 #%2").arg(n).arg(k++)))
                    << fromGraph6(line);
    }
    qsrand(1234);
    for (const auto &row : randomSuite())
        QTest::newRow(qPrintable(row.first)) << row.second;
}

inline double harmonicNumber(int k)
{
    double h = 0;
    for (int i = 1; i <= k; ++i)
        h += 1.0 / i;
    return h;
}

} // namespace oracle
