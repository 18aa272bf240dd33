#pragma once

// Graphs built straight from their definitions and plain references for the invariant tests;
// nothing here uses the kernels.

#include "GraphFixtures.h"
#include "graph/BitGraph.h"

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

/// Centre 0, leaves 1..n-1.
inline BitGraph starGraph(int n)
{
    return completeBipartite(1, n - 1);
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

/// True when the increasing sequence of the members of a is lexicographically before that of b.
inline bool lexBefore(uint32_t a, uint32_t b)
{
    for (; a && b; a &= a - 1, b &= b - 1)
        if (__builtin_ctz(a) != __builtin_ctz(b))
            return __builtin_ctz(a) < __builtin_ctz(b);
    return !a && b;
}

/// Data rows "g": every graph of order 1 to 7 up to isomorphism from nauty-geng, then a few
/// hundred random graphs of orders 0..12 from seed 1234 (sparse, dense, their complements and
/// disjoint unions of two parts).
inline void addSuiteRows()
{
    QTest::addColumn<BitGraph>("g");
    for (int n = 1; n <= 7; ++n) {
        const QList<QByteArray> lines = runProgram("nauty-geng", {"-q", QString::number(n)});
        QVERIFY2(!lines.isEmpty(), "nauty-geng did not run");
        for (int k = 0; k < lines.size(); ++k)
            QTest::newRow(qPrintable(QString("all n%1 #%2").arg(n).arg(k))) << fromGraph6(lines[k]);
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
