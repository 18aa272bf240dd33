#pragma once

// Graphs built straight from their definitions and plain references for the invariant tests;
// nothing here uses the kernels.

#include "GraphFixtures.h"
#include "graph/BitGraph.h"

#include <QProcess>
#include <QtTest>
#include <vector>

Q_DECLARE_METATYPE(BitGraph)

inline BitGraph emptyGraph(int n)
{
    return fromEdges(n, {});
}

inline BitGraph cycleGraph(int n)
{
    BitGraph g = pathGraph(n);
    if (n >= 3)
        g.addEdge(n - 1, 0);
    return g;
}

/// Centre 0, leaves 1..n-1.
inline BitGraph starGraph(int n)
{
    BitGraph g = emptyGraph(n);
    for (int i = 1; i < n; ++i)
        g.addEdge(0, i);
    return g;
}

inline BitGraph completeGraph(int n)
{
    BitGraph g = emptyGraph(n);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            g.addEdge(i, j);
    return g;
}

/// Sides 0..a-1 and a..a+b-1.
inline BitGraph completeBipartite(int a, int b)
{
    BitGraph g = emptyGraph(a + b);
    for (int i = 0; i < a; ++i)
        for (int j = a; j < a + b; ++j)
            g.addEdge(i, j);
    return g;
}

/// Each pair an edge with probability p, drawn from qrand().
inline BitGraph randomGraph(int n, double p)
{
    BitGraph g = emptyGraph(n);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (qrand() < p * RAND_MAX)
                g.addEdge(i, j);
    return g;
}

/// Order qrand() % 10 and a random density, as the brute-force cross-checks use.
inline BitGraph smallRandomGraph()
{
    const int n = qrand() % 10;
    return randomGraph(n, (qrand() % 101) / 100.0);
}

/// Each vertex hangs from a random earlier one, then the labels are shuffled.
inline BitGraph randomTree(int n)
{
    std::vector<int> label(n);
    for (int i = 0; i < n; ++i)
        label[i] = i;
    for (int i = n - 1; i > 0; --i)
        std::swap(label[i], label[qrand() % (i + 1)]);
    BitGraph g = emptyGraph(n);
    for (int v = 1; v < n; ++v)
        g.addEdge(label[v], label[qrand() % v]);
    return g;
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

/// True when the increasing sequence of the members of a is lexicographically before that of b.
inline bool lexBefore(uint32_t a, uint32_t b)
{
    for (; a && b; a &= a - 1, b &= b - 1)
        if (__builtin_ctz(a) != __builtin_ctz(b))
            return __builtin_ctz(a) < __builtin_ctz(b);
    return !a && b;
}

/// Decodes one graph6 line of order at most 62.
inline BitGraph fromGraph6(const QByteArray &line)
{
    BitGraph g = emptyGraph(line.at(0) - 63);
    int bit = 0;
    for (int j = 1; j < g.n; ++j)
        for (int i = 0; i < j; ++i, ++bit)
            if (((line.at(1 + bit / 6) - 63) >> (5 - bit % 6)) & 1)
                g.addEdge(i, j);
    return g;
}

/// Data rows "g": every graph of order 1 to 7 up to isomorphism from nauty-geng, then a few
/// hundred random graphs of orders 0..12 from seed 1234 (sparse, dense, their complements and
/// disjoint unions of two parts).
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
    for (int round = 0; round < 12; ++round)
        for (int n = 0; n <= 12; ++n) {
            const BitGraph g = randomGraph(n, (10 + (round * 37 + n * 11) % 80) / 100.0);
            const QString name = QString("n%1 r%2").arg(n).arg(round);
            QTest::newRow(qPrintable(name)) << g;
            QTest::newRow(qPrintable("complement " + name)) << g.complement();
            if (n >= 4) {
                const int split = 1 + qrand() % (n - 2);
                BitGraph u = randomGraph(split, 0.7);
                const BitGraph w = randomGraph(n - split, 0.7);
                u.n = n;
                for (int i = 0; i < w.n; ++i)
                    u.row[split + i] = w.row[i] << split;
                QTest::newRow(qPrintable("union " + name)) << u;
            }
        }
}
