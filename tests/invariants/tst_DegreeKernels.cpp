#include "invariants/DegreeKernels.h"

#include <QtTest>

static BitGraph fromEdges(int n, const QVector<QPair<int, int>> &edges)
{
    BitGraph g;
    g.n = n;
    for (const auto &e : edges)
        g.addEdge(e.first, e.second);
    return g;
}

/// Closed forms of the classic families at every order up to 32.
class tst_DegreeKernels : public QObject
{
    Q_OBJECT
private slots:
    void families_data();
    void families();
    void starKCherries();
};

void tst_DegreeKernels::families_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("n");
    for (const char *f : {"complete", "cycle", "path", "star", "empty", "matching"})
        for (int n = 0; n <= 32; ++n) {
            if (QString(f) == "cycle" && n < 3)
                continue;
            QTest::newRow(qPrintable(QString("%1 %2").arg(f).arg(n))) << QString(f) << n;
        }
}

void tst_DegreeKernels::families()
{
    QFETCH(QString, family);
    QFETCH(int, n);
    QVector<QPair<int, int>> edges;
    int dmax = 0, dmin = 0, pending = 0;
    if (family == "complete") {
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                edges.append({i, j});
        dmax = dmin = n > 0 ? n - 1 : 0;
        pending = n == 2 ? 2 : 0;
    } else if (family == "cycle") {
        for (int i = 0; i < n; ++i)
            edges.append({i, (i + 1) % n});
        dmax = dmin = 2;
    } else if (family == "path") {
        for (int i = 0; i + 1 < n; ++i)
            edges.append({i, i + 1});
        dmax = n >= 3 ? 2 : (n == 2 ? 1 : 0);
        dmin = n >= 2 ? 1 : 0;
        pending = n >= 2 ? 2 : 0;
    } else if (family == "star") {
        for (int i = 1; i < n; ++i)
            edges.append({0, i});
        dmax = n > 0 ? n - 1 : 0;
        dmin = n >= 2 ? 1 : 0;
        pending = n == 2 ? 2 : (n > 2 ? n - 1 : 0);
    } else if (family == "empty") {
        // no edges: every degree 0
    } else { // perfect matching on the first even number of vertices, last vertex isolated if odd
        for (int i = 0; i + 1 < n; i += 2)
            edges.append({i, i + 1});
        dmax = n >= 2 ? 1 : 0;
        dmin = (n % 2 == 1) ? 0 : (n > 0 ? 1 : 0);
        pending = n - n % 2;
    }
    const BitGraph g = fromEdges(n, edges);
    QCOMPARE(degreeMax(g), dmax);
    QCOMPARE(degreeMin(g), dmin);
    QCOMPARE(pendingCount(g), pending);
    QCOMPARE(__builtin_popcount(pendingSet(g)), pending);
}

void tst_DegreeKernels::starKCherries()
{
    // Star with centre 0 and leaves 1, 2, 3; a single edge; a path on 3 vertices.
    const BitGraph star = fromEdges(4, {{0, 1}, {0, 2}, {0, 3}});
    const uint32_t p = pendingSet(star);
    QCOMPARE(pendingNeighbours(star, p, 0), 3);
    for (int leaf = 1; leaf < 4; ++leaf)
        QCOMPARE(pendingNeighbours(star, p, leaf), 0);
    const BitGraph edge = fromEdges(2, {{0, 1}});
    QCOMPARE(pendingNeighbours(edge, pendingSet(edge), 0), 1);
    QCOMPARE(pendingNeighbours(edge, pendingSet(edge), 1), 1);
    const BitGraph path = fromEdges(3, {{0, 1}, {1, 2}});
    QCOMPARE(pendingNeighbours(path, pendingSet(path), 1), 2);
    QCOMPARE(pendingNeighbours(path, pendingSet(path), 0), 0);
}

QTEST_APPLESS_MAIN(tst_DegreeKernels)
#include "tst_DegreeKernels.moc"
