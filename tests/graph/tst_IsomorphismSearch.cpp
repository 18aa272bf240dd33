#include "GraphFixtures.h"
#include "StderrCapture.h"
#include "graph/Isomorphic.h"
#include "graph/IsomorphismSearch.h"

#include <Eigen/Dense>
#include <QtTest>

namespace
{

Eigen::VectorXd spectrum(const BitGraph &g)
{
    Eigen::MatrixXd a = Eigen::MatrixXd::Zero(g.n, g.n);
    for (int i = 0; i < g.n; ++i)
        for (int j = 0; j < g.n; ++j)
            a(i, j) = g.edge(i, j);
    return Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd>(a).eigenvalues();
}

// The 4 x 4 rook's graph (step 0) and the Shrikhande graph (step 1): strongly regular with the
// same parameters, hence cospectral with no vertex invariant to tell vertices apart.
BitGraph torus16(int diagonal)
{
    BitGraph g;
    g.n = 16;
    for (int u = 0; u < 16; ++u)
        for (int v = 0; v < 16; ++v) {
            const int dr = (v / 4 - u / 4 + 4) % 4, dc = (v % 4 - u % 4 + 4) % 4;
            if (v != u && (diagonal ? dr < 2 && dc < 2 : !dr || !dc))
                g.addEdge(u, v);
        }
    return g;
}

BitGraph petersen()
{
    BitGraph g;
    g.n = 10;
    for (int i = 0; i < 5; ++i) {
        g.addEdge(i, (i + 1) % 5);
        g.addEdge(i, 5 + i);
        g.addEdge(5 + i, 5 + (i + 2) % 5);
    }
    return g;
}

/// Vertex v becomes (a v + b) mod n, a prime to n.
BitGraph affinelyRelabelled(const BitGraph &g, int a, int b)
{
    QVector<int> p;
    for (int v = 0; v < g.n; ++v)
        p << (a * v + b) % g.n;
    return relabelled(g, p);
}

/// What is wrong with the standard error of one search, empty when nothing: each line is a
/// trace line, the scan's text ("d ", "t ", "w " or "q ") and a mismatch below every one before,
/// except, when the search ran out, a last line of a mismatch and " loc". `traces` counts the
/// trace lines.
QString traceFault(const QByteArray &err, bool ranOut, int &traces)
{
    QList<QByteArray> lines = err.split('\n');
    if (lines.takeLast() != "")
        return "no line end at the end";
    if (ranOut) {
        if (lines.isEmpty() || !lines.last().endsWith(" loc"))
            return "no loc line last";
        lines.removeLast();
    }
    traces = 0;
    double previous = 1e300;
    for (const QByteArray &line : lines) {
        const QByteArray text = line.left(2);
        bool ok = false;
        const double v = line.mid(2).toDouble(&ok);
        if (!(text == "d " || text == "t " || text == "w " || text == "q ") || !ok || v > previous)
            return "bad trace line: " + QString(line);
        previous = v;
        ++traces;
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(BitGraph)

class tst_IsomorphismSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (runProgram("nauty-geng", {"-q", "3"}).size() != 4)
            QFAIL("nauty-geng is needed (Debian package nauty)");
    }
    void relabelledCopiesAreFound();
    void traceOnEveryNewBest_data();
    void traceOnEveryNewBest();
    void agreesWithCanonicalLabelling_data();
    void agreesWithCanonicalLabelling();
    void cospectralPairs_data();
    void cospectralPairs();
    void edgeCases_data();
    void edgeCases();
    void graphStringsWired();
};

void tst_IsomorphismSearch::relabelledCopiesAreFound()
{
    qsrand(1234);
    for (int t = 0; t < 200; ++t) {
        const int n = 2 + t % 19;
        const BitGraph g = randomBitGraph(n), h = relabelled(g);
        IsomorphismSearch search(100000, false);
        int answer = 0;
        const QByteArray err = captureStderr([&] { answer = search.run(g, h); });
        QVERIFY2(answer == 1, qPrintable(QString("graph %1 of order %2").arg(t).arg(n)));
        // Found before the end of the search: trace lines only, no "loc".
        int traces = 0;
        const QString fault = traceFault(err, false, traces);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                QCOMPARE(h.edge(search.permutationOf(i), search.permutationOf(j)), g.edge(i, j));
    }
}

void tst_IsomorphismSearch::traceOnEveryNewBest_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<BitGraph>("h");
    QTest::addColumn<int>("cap");
    QTest::addColumn<int>("answer");
    // Regular graphs: no vertex invariant gives the match away, the scans must find it.
    BitGraph cycle = pathGraph(10);
    cycle.addEdge(9, 0);
    QTest::newRow("cycle C10 relabelled")
        << cycle << affinelyRelabelled(cycle, 3, 1) << 100000 << 1;
    QTest::newRow("Petersen graph relabelled")
        << petersen() << affinelyRelabelled(petersen(), 7, 3) << 100000 << 1;
    QTest::newRow("rook's graph and Shrikhande graph") << torus16(0) << torus16(1) << 3000 << 0;
}

void tst_IsomorphismSearch::traceOnEveryNewBest()
{
    QFETCH(BitGraph, g);
    QFETCH(BitGraph, h);
    QFETCH(int, cap);
    QFETCH(int, answer);
    qsrand(1234);
    IsomorphismSearch search(cap, false);
    int found = -2;
    const QByteArray err = captureStderr([&] { found = search.run(g, h); });
    QCOMPARE(found, answer);
    int traces = 0;
    const QString fault = traceFault(err, answer == 0, traces);
    QVERIFY2(fault.isEmpty(), qPrintable(fault + "\n" + err));
    // The identity coupling is no isomorphism here, so a match is only found as a new best.
    if (answer == 1) {
        QVERIFY(toGraph6(g) != toGraph6(h));
        QVERIFY(traces > 0);
    }
}

void tst_IsomorphismSearch::agreesWithCanonicalLabelling_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("cap");
    // Regular graphs give no vertex invariant to start from: a copy may be missed within a small
    // budget, and only "never -1, never a false 1" is owed there.
    QTest::addColumn<bool>("copiesFound");
    QTest::newRow("all graphs of order 6")
        << "nauty-geng" << QStringList{"-q", "6"} << 100000 << true;
    QTest::newRow("random graphs of order 20")
        << "nauty-genrang" << QStringList{"-q", "-g", "-S3", "-P2", "20", "60"} << 100000 << true;
    QTest::newRow("random 3-regular graphs of order 10")
        << "nauty-genrang" << QStringList{"-q", "-g", "-S5", "-r3", "10", "30"} << 300 << false;
}

void tst_IsomorphismSearch::agreesWithCanonicalLabelling()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, cap);
    QFETCH(bool, copiesFound);
    QList<BitGraph> graphs;
    for (const QByteArray &line : runProgram(program, args))
        graphs << fromGraph6(line);
    QVERIFY(graphs.size() > 10);
    qsrand(1234);
    const int originals = graphs.size();
    for (int k = 0; k < originals; k += 3)
        graphs << relabelled(graphs[k]);
    const QList<QByteArray> canon = canonicalForms(graphs);
    QCOMPARE(canon.size(), graphs.size());
    int pairs[2] = {0, 0};
    for (int a = 0; a < graphs.size(); ++a)
        for (int b = a + 1; b < graphs.size(); ++b) {
            if (graphs[a].edgeCount() != graphs[b].edgeCount())
                continue;
            IsomorphismSearch search(cap, false);
            const int answer = search.run(graphs[a], graphs[b]);
            const bool same = canon[a] == canon[b];
            ++pairs[same];
            const bool identical = toGraph6(graphs[a]) == toGraph6(graphs[b]);
            QVERIFY2(same ? answer == 1 || (!copiesFound && !identical && answer == 0)
                          : answer == 0,
                     qPrintable(toGraph6(graphs[a]) + " / " + toGraph6(graphs[b])));
        }
    QVERIFY(pairs[0] > 0 && pairs[1] > 0);
}

void tst_IsomorphismSearch::cospectralPairs_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<BitGraph>("h");
    QTest::newRow("star K1,4 and C4 + K1") << fromEdges(5, {{0, 1}, {0, 2}, {0, 3}, {0, 4}})
                                           << fromEdges(5, {{0, 1}, {1, 2}, {2, 3}, {3, 0}});
    QTest::newRow("rook's graph and Shrikhande graph") << torus16(0) << torus16(1);
}

// Also the evaluation cap: it must cut into a scan (one rotation scan at order 16 is far longer
// than the caps tried).
void tst_IsomorphismSearch::cospectralPairs()
{
    QFETCH(BitGraph, g);
    QFETCH(BitGraph, h);
    QCOMPARE(g.edgeCount(), h.edgeCount());
    QVERIFY((spectrum(g) - spectrum(h)).cwiseAbs().maxCoeff() < 1e-9);
    const QList<QByteArray> canon = canonicalForms({g, h});
    QVERIFY(canon.size() == 2 && canon[0] != canon[1]);
    qsrand(1234);
    for (int cap : {1, 50, 700, 3000}) {
        IsomorphismSearch search(cap, false);
        QCOMPARE(search.run(g, h), 0);
        QCOMPARE(search.run(h, g), 0);
        QVERIFY2(search.evaluationCount() <= cap, qPrintable(QString::number(cap)));
        if (g.n == 16)
            QVERIFY(search.evaluationCount() >= cap - 1);
    }
}

void tst_IsomorphismSearch::edgeCases_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<BitGraph>("h");
    QTest::addColumn<int>("answer");
    QTest::newRow("orders 5 and 6") << fromEdges(5, {}) << fromEdges(6, {}) << -1;
    QTest::newRow("orders 0 and 1") << fromEdges(0, {}) << fromEdges(1, {}) << -1;
    QTest::newRow("order 32, one more edge") << fromEdges(32, {}) << fromEdges(32, {{4, 30}}) << -1;
    QTest::newRow("empty") << fromEdges(0, {}) << fromEdges(0, {}) << 1;
    QTest::newRow("one vertex") << fromEdges(1, {}) << fromEdges(1, {}) << 1;
    QTest::newRow("two vertices, no edge") << fromEdges(2, {}) << fromEdges(2, {}) << 1;
    QTest::newRow("one edge") << fromEdges(2, {{0, 1}}) << fromEdges(2, {{0, 1}}) << 1;
}

void tst_IsomorphismSearch::edgeCases()
{
    QFETCH(BitGraph, g);
    QFETCH(BitGraph, h);
    QFETCH(int, answer);
    qsrand(1234);
    IsomorphismSearch search(100000, false);
    QCOMPARE(search.run(g, h), answer);
    if (answer < 0) {
        QCOMPARE(search.evaluationCount(), 0);
        return;
    }
    search.perturb(5); // must not draw modulo 0 below two vertices
    QVERIFY(search.isIsomorphism());
}

void tst_IsomorphismSearch::graphStringsWired()
{
    // Orders differ, the cospectral pair, a relabelled path, tiny graphs; each answer twice, as
    // the loaded graphs must survive a call.
    const QString path4 = toGraphString(pathGraph(4));
    const QString pairs[][2] = {{path4, toGraphString(pathGraph(5))},
                                {toGraphString(fromEdges(5, {{0, 1}, {0, 2}, {0, 3}, {0, 4}})),
                                 toGraphString(fromEdges(5, {{0, 1}, {1, 2}, {2, 3}, {3, 0}}))},
                                {path4, toGraphString(fromEdges(4, {{2, 0}, {0, 3}, {3, 1}}))},
                                {"0 ", "0 "},
                                {"1 ", "1 "}};
    const int expected[] = {-1, 0, 1, 1, 1};
    Isomorphic test;
    for (int k = 0; k < 5; ++k) {
        QVERIFY(test.setG1(pairs[k][0]) && test.setG2(pairs[k][1]));
        QCOMPARE(test.isIsomorphic(), expected[k]);
        QCOMPARE(test.isIsomorphic(), expected[k]);
    }
    // A string refused is not compared with what was loaded before.
    QVERIFY(!test.setG2("40 111"));
    QCOMPARE(test.isIsomorphic(), 0);
    QVERIFY(test.setG2("1 "));
    QCOMPARE(test.isIsomorphic(), 1);
}

QTEST_MAIN(tst_IsomorphismSearch)
#include "tst_IsomorphismSearch.moc"
