#include "invariants/AdjacencyMatrices.h"

#include "CommonTest.h"
#include "StructuralFixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(BitGraph)

class tst_AdjacencyMatrices : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstDefinitions();
    void families_data();
    void families();
    void pathOnThree();
};

void tst_AdjacencyMatrices::randomGraphsAgainstDefinitions()
{
    qsrand(1234);
    SquareBlock a, c, l, sl, nl, mod;
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g0 = smallRandomGraph();
        for (const BitGraph &g : {g0, g0.complement()}) {
            const PlainGraph p(g);
            adjacencyMatrix(g, a);
            commonNeighbourMatrix(g, c);
            laplacianMatrix(g, -1.0, l);
            laplacianMatrix(g, 1.0, sl);
            normalizedLaplacianMatrix(g, nl);
            modularityMatrix(g, mod);
            int twiceM = 0;
            for (int i = 0; i < p.n; ++i)
                twiceM += p.degree(i);
            for (int i = 0; i < p.n; ++i)
                for (int j = 0; j < p.n; ++j) {
                    const double adj = p.adj[i][j] ? 1.0 : 0.0;
                    const double di = p.degree(i), dj = p.degree(j);
                    int common = 0;
                    for (int k = 0; k < p.n; ++k)
                        common += i != j && p.adj[i][k] && p.adj[j][k];
                    QCOMPARE(a[i][j], adj);
                    QCOMPARE(c[i][j], double(common));
                    QCOMPARE(l[i][j], i == j ? di : -adj);
                    QCOMPARE(sl[i][j], i == j ? di : adj);
                    FUZZY_COMPARE(nl[i][j], i == j ? 1.0 : (adj ? -1.0 / std::sqrt(di * dj) : 0.0),
                                  1e-12);
                    FUZZY_COMPARE(mod[i][j], twiceM ? adj - di * dj / twiceM : 0.0, 1e-12);
                }
        }
    }
}

void tst_AdjacencyMatrices::families_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("a"); // the first side of a complete bipartite graph; n for K_n
    for (int n = 1; n <= 32; ++n) {
        QTest::newRow("K" + QByteArray::number(n)) << completeGraph(n) << n;
        for (int a = 1; a < n; a += 3)
            QTest::newRow("K" + QByteArray::number(a) + "," + QByteArray::number(n - a))
                << completeBipartite(a, n - a) << a;
    }
}

void tst_AdjacencyMatrices::families()
{
    QFETCH(BitGraph, g);
    QFETCH(int, a);
    const int n = g.n;
    const bool complete = a == n;
    SquareBlock c, nl, mod, l;
    commonNeighbourMatrix(g, c);
    normalizedLaplacianMatrix(g, nl);
    modularityMatrix(g, mod);
    laplacianMatrix(g, -1.0, l);
    for (int i = 0; i < n; ++i) {
        double rowL = 0, rowMod = 0;
        for (int j = 0; j < n; ++j) {
            rowL += l[i][j];
            rowMod += mod[i][j];
            const bool sameSide = (i < a) == (j < a);
            double common = 0, normalized = 0;
            if (i != j && complete) {
                common = n - 2;
                normalized = -1.0 / (n - 1);
            } else if (i != j && sameSide) {
                common = i < a ? n - a : a;
            } else if (i != j) {
                normalized = -1.0 / std::sqrt(double(a) * (n - a));
            }
            QCOMPARE(c[i][j], common);
            FUZZY_COMPARE(nl[i][j], i == j ? 1.0 : normalized, 1e-12);
        }
        FUZZY_COMPARE(rowL, 0.0, 1e-12);
        FUZZY_COMPARE(rowMod, 0.0, 1e-9);
    }
}

void tst_AdjacencyMatrices::pathOnThree()
{
    const BitGraph g = pathGraph(3);
    SquareBlock c, nl, mod, l;
    commonNeighbourMatrix(g, c);
    normalizedLaplacianMatrix(g, nl);
    modularityMatrix(g, mod);
    laplacianMatrix(g, -1.0, l);
    QCOMPARE(c[0][2], 1.0);
    QCOMPARE(c[2][0], 1.0);
    QCOMPARE(c[0][1], 0.0);
    QCOMPARE(c[1][1], 0.0);
    QCOMPARE(l[0][0] + 2 * l[1][1] + 4 * l[2][2], 1.0 + 4.0 + 4.0);
    FUZZY_COMPARE(nl[0][1], -1 / std::sqrt(2.0), 1e-15);
    QCOMPARE(mod[0][0], -0.25);
    QCOMPARE(mod[1][1], -1.0);
    QCOMPARE(mod[0][1], 0.5);
    QCOMPARE(mod[0][2], -0.25);
    // Without edges the modularity matrix is all zero.
    modularityMatrix(emptyGraph(3), mod);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            QCOMPARE(mod[i][j], 0.0);
}

QTEST_APPLESS_MAIN(tst_AdjacencyMatrices)
#include "tst_AdjacencyMatrices.moc"
