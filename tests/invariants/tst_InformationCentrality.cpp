#include "invariants/InformationCentrality.h"

#include "CommonTest.h"
#include "DistanceOracles.h"

#include <Eigen/Dense>
#include <QtTest>

using namespace oracle;

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
    const Plain p = plainOf(g);
    const int n = p.n;
    double out[32];
    bool connected = true;
    const auto fw = floydWarshall(p);
    for (int v = 1; v < n; ++v)
        connected = connected && fw[0][v] != kFar;
    QCOMPARE(informationCentrality(g, out), connected);
    if (!connected || n < 2)
        return;
    Eigen::MatrixXd lap = Eigen::MatrixXd::Zero(n, n);
    for (int u = 0; u < n; ++u)
        for (int v = 0; v < n; ++v)
            if (p.a[u][v]) {
                lap(u, v) = -1;
                lap(u, u) += 1;
            }
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
    for (int n = 2; n <= 32; ++n) {
        // Path: the resistance between two vertices is their distance.
        QVERIFY(informationCentrality(path(n), out));
        for (int i = 0; i < n; ++i)
            FUZZY_COMPARE(out[i], n / (i * (i + 1) / 2.0 + (n - 1 - i) * (n - i) / 2.0), 1e-9);
        QVERIFY(informationCentrality(complete(n), out));
        for (int i = 0; i < n; ++i)
            FUZZY_COMPARE(out[i], n * double(n) / (2 * (n - 1)), 1e-9);
        if (n >= 3) {
            QVERIFY(informationCentrality(cycle(n), out));
            for (int i = 0; i < n; ++i)
                FUZZY_COMPARE(out[i], 6.0 * n / (double(n) * n - 1), 1e-9);
            QVERIFY(informationCentrality(star(n), out));
            FUZZY_COMPARE(out[0], n / (n - 1.0), 1e-9);
            for (int i = 1; i < n; ++i)
                FUZZY_COMPARE(out[i], n / (2.0 * n - 3), 1e-9);
        }
    }
    for (int a = 1; a <= 31; ++a)
        for (int b = 1; a + b <= 32; ++b) {
            QVERIFY(informationCentrality(completeBipartite(a, b), out));
            const double n = a + b;
            FUZZY_COMPARE(out[0], n / (2.0 * (a - 1) / b + (n - 1) / a), 1e-9);
            FUZZY_COMPARE(out[a], n / (2.0 * (b - 1) / a + (n - 1) / b), 1e-9);
        }
}

void tst_InformationCentrality::tinyGraphs()
{
    BitGraph g;
    double out[32] = {-1};
    QVERIFY(informationCentrality(g, out));
    g.n = 1;
    QVERIFY(informationCentrality(g, out));
    QCOMPARE(out[0], 1e12);
    g.n = 2;
    QVERIFY(!informationCentrality(g, out));
    g.addEdge(0, 1);
    QVERIFY(informationCentrality(g, out));
    QCOMPARE(out[0], 2.0);
    QCOMPARE(out[1], 2.0);
}

QTEST_APPLESS_MAIN(tst_InformationCentrality)
#include "tst_InformationCentrality.moc"
