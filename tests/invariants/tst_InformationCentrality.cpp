#include "invariants/InformationCentrality.h"

#include "CommonTest.h"
#include "InvariantFixtures.h"

#include <Eigen/Dense>

class tst_InformationCentrality : public QObject
{
    Q_OBJECT
private slots:
    void matchesEffectiveResistance_data() { addSuiteRows(); }
    void matchesEffectiveResistance();
    void families();
    void tinyGraphs();
};

void tst_InformationCentrality::matchesEffectiveResistance()
{
    // The denominator is the sum of the effective resistances from u, which the pseudo-inverse of
    // the Laplacian gives independently of L + J.
    QFETCH(BitGraph, g);
    const PlainGraph p(g);
    const int n = p.n;
    const auto fw = floydWarshall(p);
    bool connected = true;
    for (int v = 1; v < n; ++v)
        connected = connected && fw[0][v] != kFar;
    double out[32];
    QCOMPARE(informationCentrality(g, out), connected);
    if (!connected || n < 2)
        return;
    Eigen::MatrixXd lap = Eigen::MatrixXd::Zero(n, n);
    for (int u = 0; u < n; ++u)
        for (int v = 0; v < n; ++v)
            lap(u, v) = u == v ? p.degree(u) : -double(p.adj[u][v]);
    const Eigen::MatrixXd plus = lap.completeOrthogonalDecomposition().pseudoInverse();
    for (int u = 0; u < n; ++u) {
        double resistance = 0;
        for (int v = 0; v < n; ++v)
            resistance += plus(u, u) + plus(v, v) - 2 * plus(u, v);
        FUZZY_COMPARE(out[u], n / resistance, 1e-9);
    }
}

void tst_InformationCentrality::families()
{
    double out[32];
    for (int n = 3; n <= 32; ++n) {
        // Path: the resistance between two vertices is their distance.
        QVERIFY(informationCentrality(pathGraph(n), out));
        for (int i = 0; i < n; ++i)
            FUZZY_COMPARE(out[i], n / (i * (i + 1) / 2.0 + (n - 1 - i) * (n - i) / 2.0), 1e-9);
        QVERIFY(informationCentrality(completeGraph(n), out));
        FUZZY_COMPARE(out[n - 1], n * double(n) / (2 * (n - 1)), 1e-9);
        QVERIFY(informationCentrality(cycleGraph(n), out));
        FUZZY_COMPARE(out[n - 1], 6.0 * n / (double(n) * n - 1), 1e-9);
        QVERIFY(informationCentrality(starGraph(n), out));
        FUZZY_COMPARE(out[0], n / (n - 1.0), 1e-9);
        FUZZY_COMPARE(out[n - 1], n / (2.0 * n - 3), 1e-9);
        for (int a = 2; a < n; ++a) {
            const int b = n - a;
            QVERIFY(informationCentrality(completeBipartite(a, b), out));
            FUZZY_COMPARE(out[0], n / (2.0 * (a - 1) / b + (n - 1.0) / a), 1e-9);
            FUZZY_COMPARE(out[a], n / (2.0 * (b - 1) / a + (n - 1.0) / b), 1e-9);
        }
    }
}

void tst_InformationCentrality::tinyGraphs()
{
    double out[32] = {-1};
    QVERIFY(informationCentrality(emptyGraph(0), out));
    QVERIFY(informationCentrality(emptyGraph(1), out));
    QCOMPARE(out[0], 1e12);
    QVERIFY(!informationCentrality(emptyGraph(2), out));
    QVERIFY(informationCentrality(pathGraph(2), out));
    QCOMPARE(out[0], 2.0);
    QCOMPARE(out[1], 2.0);
}

QTEST_APPLESS_MAIN(tst_InformationCentrality)
#include "tst_InformationCentrality.moc"
