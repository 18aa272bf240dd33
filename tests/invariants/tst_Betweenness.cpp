#include "invariants/Betweenness.h"

#include "CommonTest.h"
#include "InvariantFixtures.h"

#include <cmath>

namespace
{

const PairWeight kWeights[3] = {PairWeight::One, PairWeight::InverseDistance,
                                PairWeight::InverseSquare};

struct Shares {
    double vertex[32] = {};
    double edge[32][32] = {};
};

// Walks every shortest s-t path one by one, counting the paths and their interior visits.
void walk(const PlainGraph &p, const std::vector<std::vector<int>> &fw, std::vector<int> &trail,
          int t, double &paths, Shares &through)
{
    const int cur = trail.back();
    if (cur == t) {
        paths += 1;
        for (size_t i = 0; i + 1 < trail.size(); ++i) {
            through.vertex[trail[i]] += i > 0;
            through.edge[trail[i]][trail[i + 1]] += 1;
            through.edge[trail[i + 1]][trail[i]] += 1;
        }
        return;
    }
    for (int w = 0; w < p.n; ++w)
        if (p.adj[cur][w] && fw[w][t] == fw[cur][t] - 1) {
            trail.push_back(w);
            walk(p, fw, trail, t, paths, through);
            trail.pop_back();
        }
}

Shares bruteForce(const BitGraph &g, int power)
{
    const PlainGraph p(g);
    const auto fw = floydWarshall(p);
    Shares e;
    for (int s = 0; s < p.n; ++s)
        for (int t = s + 1; t < p.n; ++t) {
            if (fw[s][t] == kFar)
                continue;
            double paths = 0;
            Shares through;
            std::vector<int> trail{s};
            walk(p, fw, trail, t, paths, through);
            const double w = 1.0 / std::pow(double(fw[s][t]), power) / paths;
            for (int u = 0; u < p.n; ++u) {
                e.vertex[u] += w * through.vertex[u];
                for (int v = 0; v < p.n; ++v)
                    e.edge[u][v] += w * through.edge[u][v];
            }
        }
    return e;
}

} // namespace

class tst_Betweenness : public QObject
{
    Q_OBJECT
private slots:
    void matchesPathEnumeration_data() { addSuiteRows(); }
    void matchesPathEnumeration();
    void families();
};

void tst_Betweenness::matchesPathEnumeration()
{
    QFETCH(BitGraph, g);
    for (int power = 0; power <= 2; ++power) {
        const Shares e = bruteForce(g, power);
        double vertex[32], edge[32][32];
        vertexBetweenness(g, kWeights[power], vertex);
        edgeBetweenness(g, kWeights[power], edge);
        for (int u = 0; u < g.n; ++u) {
            FUZZY_COMPARE(vertex[u], e.vertex[u], 1e-9);
            for (int v = 0; v < g.n; ++v)
                FUZZY_COMPARE(edge[u][v], e.edge[u][v], 1e-9);
        }
    }
}

void tst_Betweenness::families()
{
    double vertex[32], edge[32][32];
    for (int n = 2; n <= 32; ++n) {
        // Path: i(n-1-i) pairs pass through vertex i, (i+1)(n-1-i) through edge i-(i+1).
        vertexBetweenness(pathGraph(n), PairWeight::One, vertex);
        edgeBetweenness(pathGraph(n), PairWeight::One, edge);
        for (int i = 0; i + 1 < n; ++i) {
            QCOMPARE(vertex[i], double(i * (n - 1 - i)));
            QCOMPARE(edge[i + 1][i], double((i + 1) * (n - 1 - i)));
        }
        // Star: the leaf pairs sit at distance 2, so the weights scale them by 1/2 or 1/4.
        for (int power = 0; power <= 2; ++power) {
            const double scale = 1.0 / (1 << power);
            vertexBetweenness(starGraph(n), kWeights[power], vertex);
            edgeBetweenness(starGraph(n), kWeights[power], edge);
            FUZZY_COMPARE(vertex[0], (n - 1) * (n - 2) / 2.0 * scale, 1e-12);
            for (int i = 1; i < n; ++i) {
                QCOMPARE(vertex[i], 0.0);
                FUZZY_COMPARE(edge[i][0], 1 + (n - 2) * scale, 1e-12);
            }
        }
        // Cycle: every pair spreads d - 1 interior vertices and d edges evenly.
        if (n >= 3) {
            const double w = n % 2 == 0 ? n * double(n) * n / 8 : n * (double(n) * n - 1) / 8;
            vertexBetweenness(cycleGraph(n), PairWeight::One, vertex);
            edgeBetweenness(cycleGraph(n), PairWeight::One, edge);
            for (int i = 0; i < n; ++i) {
                FUZZY_COMPARE(vertex[i], (w - n * (n - 1) / 2.0) / n, 1e-12);
                FUZZY_COMPARE(edge[i][(i + 1) % n], w / n, 1e-12);
            }
        }
        vertexBetweenness(completeGraph(n), PairWeight::InverseSquare, vertex);
        edgeBetweenness(completeGraph(n), PairWeight::One, edge);
        QCOMPARE(vertex[n - 1], 0.0);
        QCOMPARE(edge[0][n - 1], 1.0);
        QCOMPARE(edge[n - 1][n - 1], 0.0);
        for (int a = 1; a < n; ++a) {
            const int b = n - a;
            const double far = double(a - 1) / b + double(b - 1) / a;
            vertexBetweenness(completeBipartite(a, b), PairWeight::InverseDistance, vertex);
            edgeBetweenness(completeBipartite(a, b), PairWeight::One, edge);
            FUZZY_COMPARE(vertex[0], b * (b - 1) / 4.0 / a, 1e-12);
            FUZZY_COMPARE(vertex[n - 1], a * (a - 1) / 4.0 / b, 1e-12);
            FUZZY_COMPARE(edge[n - 1][a - 1], 1 + far, 1e-12);
        }
    }
}

QTEST_APPLESS_MAIN(tst_Betweenness)
#include "tst_Betweenness.moc"
