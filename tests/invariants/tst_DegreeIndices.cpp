#include "invariants/DegreeIndices.h"

#include "CommonTest.h"
#include "StructuralFixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(BitGraph)

class tst_DegreeIndices : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstEdgeSums();
    void families_data();
    void families();
};

void tst_DegreeIndices::randomGraphsAgainstEdgeSums()
{
    qsrand(1234);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g0 = smallRandomGraph();
        for (const BitGraph &g : {g0, g0.complement()}) {
            const PlainGraph p(g);
            double randic = 0, m1 = 0, m2 = 0, platt = 0;
            for (int i = 0; i < p.n; ++i) {
                const double di = p.degree(i);
                m1 += di * di;
                for (int j = i + 1; j < p.n; ++j)
                    if (p.adj[i][j]) {
                        const double dj = p.degree(j);
                        randic += 1.0 / std::sqrt(di * dj);
                        m2 += di * dj;
                        platt += (di + dj) - 2.0;
                    }
            }
            // Same pair order as the definition, so the sums agree to the last bit.
            QCOMPARE(randicIndex(g), randic);
            QCOMPARE(zagrebM1(g), m1);
            QCOMPARE(zagrebM2(g), m2);
            QCOMPARE(plattIndex(g), platt);
        }
    }
}

void tst_DegreeIndices::families_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<double>("randic");
    QTest::addColumn<double>("m1");
    QTest::addColumn<double>("m2");
    QTest::addColumn<double>("platt");
    QTest::newRow("no vertex") << emptyGraph(0) << 0.0 << 0.0 << 0.0 << 0.0;
    for (int n = 1; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        const double N = n;
        QTest::newRow("K" + k) << completeGraph(n) << N / 2 * (n > 1) << N * (N - 1) * (N - 1)
                               << N * std::pow(N - 1, 3) / 2 << N * (N - 1) * (N - 2);
        QTest::newRow("empty " + k) << emptyGraph(n) << 0.0 << 0.0 << 0.0 << 0.0;
        if (n >= 3) {
            QTest::newRow("P" + k) << pathGraph(n) << std::sqrt(2.0) + (N - 3) / 2 << 4 * N - 6
                                   << 4 * N - 8 << 2 * N - 4;
            QTest::newRow("C" + k) << cycleGraph(n) << N / 2 << 4 * N << 4 * N << 2 * N;
            QTest::newRow("star " + k) << starGraph(n) << std::sqrt(N - 1) << (N - 1) * N
                                       << (N - 1) * (N - 1) << (N - 1) * (N - 2);
        }
        for (int a = 1; a < n; a += 3) {
            const double A = a, B = n - a;
            QTest::newRow("K" + QByteArray::number(a) + "," + QByteArray::number(n - a))
                << completeBipartite(a, n - a) << std::sqrt(A * B) << A * B * (A + B)
                << A * B * A * B << A * B * (A + B - 2);
        }
    }
}

void tst_DegreeIndices::families()
{
    QFETCH(BitGraph, g);
    QFETCH(double, randic);
    QFETCH(double, m1);
    QFETCH(double, m2);
    QFETCH(double, platt);
    FUZZY_COMPARE(randicIndex(g), randic, 1e-9);
    FUZZY_COMPARE(zagrebM1(g), m1, 1e-9);
    FUZZY_COMPARE(zagrebM2(g), m2, 1e-9);
    FUZZY_COMPARE(plattIndex(g), platt, 1e-9);
}

QTEST_APPLESS_MAIN(tst_DegreeIndices)
#include "tst_DegreeIndices.moc"
