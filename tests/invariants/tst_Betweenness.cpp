#include "invariants/Betweenness.h"

#include "CommonTest.h"
#include "DistanceOracles.h"

#include <QtTest>

using namespace oracle;

namespace
{

// Shortest-path tallies by walking every shortest path one by one.
struct PathTally {
    double total = 0;
    double throughVertex[32] = {};
    double throughEdge[32][32] = {};
};

void walk(const Plain &p, const QVector<QVector<int>> &fw, int t, QVector<int> &trail,
          PathTally &tally)
{
    const int cur = trail.last();
    if (cur == t) {
        tally.total += 1;
        for (int i = 1; i + 1 < trail.size(); ++i)
            tally.throughVertex[trail[i]] += 1;
        for (int i = 0; i + 1 < trail.size(); ++i) {
            tally.throughEdge[trail[i]][trail[i + 1]] += 1;
            tally.throughEdge[trail[i + 1]][trail[i]] += 1;
        }
        return;
    }
    for (int w = 0; w < p.n; ++w)
        if (p.a[cur][w] && fw[w][t] == fw[cur][t] - 1) {
            trail.append(w);
            walk(p, fw, t, trail, tally);
            trail.removeLast();
        }
}

struct Expected {
    double vertex[32] = {};
    double edge[32][32] = {};
};

Expected bruteForce(const BitGraph &g, int power)
{
    const Plain p = plainOf(g);
    const auto fw = floydWarshall(p);
    Expected e;
    for (int s = 0; s < p.n; ++s)
        for (int t = s + 1; t < p.n; ++t) {
            if (fw[s][t] == kFar)
                continue;
            PathTally tally;
            QVector<int> trail{s};
            walk(p, fw, t, trail, tally);
            const double w = 1.0 / std::pow(double(fw[s][t]), power);
            for (int u = 0; u < p.n; ++u) {
                e.vertex[u] += w * tally.throughVertex[u] / tally.total;
                for (int v = 0; v < p.n; ++v)
                    e.edge[u][v] += w * tally.throughEdge[u][v] / tally.total;
            }
        }
    return e;
}

const PairWeight kWeights[3] = {PairWeight::One, PairWeight::InverseDistance,
                                PairWeight::InverseSquare};

} // namespace

class tst_Betweenness : public QObject
{
    Q_OBJECT
private slots:
    void matchesPathEnumeration_data() { addSuiteRows(); }
    void matchesPathEnumeration();
    void paths();
    void cycles();
    void stars();
    void completeGraphs();
    void completeBipartiteGraphs();
};

void tst_Betweenness::matchesPathEnumeration()
{
    QFETCH(BitGraph, g);
    for (int power = 0; power <= 2; ++power) {
        const Expected e = bruteForce(g, power);
        double vertex[32];
        double edge[32][32];
        vertexBetweenness(g, kWeights[power], vertex);
        edgeBetweenness(g, kWeights[power], edge);
        for (int u = 0; u < g.n; ++u) {
            FUZZY_COMPARE(vertex[u], e.vertex[u], 1e-9);
            for (int v = 0; v < g.n; ++v)
                FUZZY_COMPARE(edge[u][v], e.edge[u][v], 1e-9);
        }
    }
}

void tst_Betweenness::paths()
{
    for (int n = 1; n <= 32; ++n) {
        const BitGraph g = path(n);
        double v0[32], v1[32], v2[32], e0[32][32], e1[32][32];
        vertexBetweenness(g, PairWeight::One, v0);
        vertexBetweenness(g, PairWeight::InverseDistance, v1);
        vertexBetweenness(g, PairWeight::InverseSquare, v2);
        edgeBetweenness(g, PairWeight::One, e0);
        edgeBetweenness(g, PairWeight::InverseDistance, e1);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(v0[i], double(i * (n - 1 - i)));
            double w1 = 0, w2 = 0, across = 0;
            for (int s = 0; s < i; ++s)
                for (int t = i + 1; t < n; ++t) {
                    w1 += 1.0 / (t - s);
                    w2 += 1.0 / ((t - s) * (t - s));
                }
            for (int s = 0; s <= i; ++s)
                for (int t = i + 1; t < n; ++t)
                    across += 1.0 / (t - s);
            FUZZY_COMPARE(v1[i], w1, 1e-12);
            FUZZY_COMPARE(v2[i], w2, 1e-12);
            if (i + 1 < n) {
                QCOMPARE(e0[i][i + 1], double((i + 1) * (n - 1 - i)));
                QCOMPARE(e0[i + 1][i], double((i + 1) * (n - 1 - i)));
                FUZZY_COMPARE(e1[i][i + 1], across, 1e-12);
            }
            if (i + 2 < n)
                QCOMPARE(e0[i][i + 2], 0.0);
            QCOMPARE(e0[i][i], 0.0);
        }
    }
}

void tst_Betweenness::cycles()
{
    // Every pair spreads d(s,t) - 1 interior vertices and d(s,t) edges, evenly by symmetry.
    for (int n = 3; n <= 32; ++n) {
        const BitGraph g = cycle(n);
        const double w = n % 2 == 0 ? n * double(n) * n / 8 : n * (double(n) * n - 1) / 8;
        double vertex[32], edge[32][32];
        vertexBetweenness(g, PairWeight::One, vertex);
        edgeBetweenness(g, PairWeight::One, edge);
        for (int i = 0; i < n; ++i) {
            FUZZY_COMPARE(vertex[i], (w - n * (n - 1) / 2.0) / n, 1e-12);
            FUZZY_COMPARE(edge[i][(i + 1) % n], w / n, 1e-12);
        }
    }
}

void tst_Betweenness::stars()
{
    for (int n = 2; n <= 32; ++n) {
        const BitGraph g = star(n);
        const double leafPairs = (n - 1) * (n - 2) / 2.0;
        for (int power = 0; power <= 2; ++power) {
            const double scale = 1.0 / (1 << power); // leaf pairs are at distance 2
            double vertex[32], edge[32][32];
            vertexBetweenness(g, kWeights[power], vertex);
            edgeBetweenness(g, kWeights[power], edge);
            FUZZY_COMPARE(vertex[0], leafPairs * scale, 1e-12);
            for (int i = 1; i < n; ++i) {
                QCOMPARE(vertex[i], 0.0);
                FUZZY_COMPARE(edge[0][i], 1 + (n - 2) * scale, 1e-12);
                if (i + 1 < n)
                    QCOMPARE(edge[i][i + 1], 0.0);
            }
        }
    }
}

void tst_Betweenness::completeGraphs()
{
    for (int n = 0; n <= 32; ++n) {
        const BitGraph g = complete(n);
        double vertex[32], edge[32][32];
        vertexBetweenness(g, PairWeight::InverseSquare, vertex);
        edgeBetweenness(g, PairWeight::One, edge);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(vertex[i], 0.0);
            for (int j = 0; j < n; ++j)
                QCOMPARE(edge[i][j], i == j ? 0.0 : 1.0);
        }
    }
}

void tst_Betweenness::completeBipartiteGraphs()
{
    for (int a = 1; a <= 31; ++a)
        for (int b = 1; a + b <= 32; ++b) {
            const BitGraph g = completeBipartite(a, b);
            double vertex[32], dvertex[32], edge[32][32], dedge[32][32];
            vertexBetweenness(g, PairWeight::One, vertex);
            vertexBetweenness(g, PairWeight::InverseDistance, dvertex);
            edgeBetweenness(g, PairWeight::One, edge);
            edgeBetweenness(g, PairWeight::InverseDistance, dedge);
            const double sideA = b * (b - 1) / 2.0 / a;
            const double farPairs = double(a - 1) / b + double(b - 1) / a;
            FUZZY_COMPARE(vertex[0], sideA, 1e-12);
            FUZZY_COMPARE(dvertex[0], sideA / 2, 1e-12);
            FUZZY_COMPARE(vertex[a], a * (a - 1) / 2.0 / b, 1e-12);
            FUZZY_COMPARE(edge[0][a], 1 + farPairs, 1e-12);
            FUZZY_COMPARE(dedge[a + b - 1][a - 1], 1 + farPairs / 2, 1e-12);
        }
}

QTEST_APPLESS_MAIN(tst_Betweenness)
#include "tst_Betweenness.moc"
