#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"
#include "optimizer/ConstraintKernels.h"

#include <QCheckBox>
#include <QtTest>

#include <memory>
#include <queue>

/// Components minus one by breadth-first search over an adjacency predicate.
template <class Adjacent> static int bfsComponentsMinusOne(int n, Adjacent adjacent)
{
    std::vector<bool> seen(n, false);
    int components = 0;
    for (int s = 0; s < n; ++s) {
        if (seen[s])
            continue;
        ++components;
        std::queue<int> q;
        q.push(s);
        seen[s] = true;
        while (!q.empty()) {
            const int v = q.front();
            q.pop();
            for (int w = 0; w < n; ++w)
                if (!seen[w] && adjacent(v, w)) {
                    seen[w] = true;
                    q.push(w);
                }
        }
    }
    return components > 1 ? components - 1 : 0;
}

/// Random graph on n vertices with edge probability 1/k, so that sparse graphs split.
static void randomSparse(Graph &g, int n, int k)
{
    g.clear();
    for (int i = 0; i < n; ++i)
        g.addNode();
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (qrand() % k == 0)
                g.addEdge(i, j);
}

class tst_constraintConnected : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void kernelAgainstBfs();
    void randomGraphs_data();
    void randomGraphs();
    void cases_data();
    void cases();
    void formulaText();
    void linkCarriesNoArgument();
    void dialogOffersComplement();
};

void tst_constraintConnected::kernelAgainstBfs()
{
    for (int round = 0; round < 4000; ++round) {
        BitGraph g;
        g.n = round % 33;
        // From empty to dense, so that every number of components turns up.
        const int k = 1 + round % 40;
        bool adj[32][32] = {};
        for (int i = 0; i < g.n; ++i)
            for (int j = i + 1; j < g.n; ++j)
                if (qrand() % k == 0) {
                    g.addEdge(i, j);
                    adj[i][j] = adj[j][i] = true;
                }
        const int expected = bfsComponentsMinusOne(g.n, [&](int v, int w) { return adj[v][w]; });
        QVERIFY2(componentsMinusOne(g) == expected,
                 qPrintable(QString("round %1, n = %2").arg(round).arg(g.n)));
    }
}

void tst_constraintConnected::randomGraphs_data()
{
    QTest::addColumn<bool>("complement");
    QTest::newRow("graph") << false;
    QTest::newRow("complement") << true;
}

void tst_constraintConnected::randomGraphs()
{
    QFETCH(bool, complement);
    BuildCalculus catalogue;
    Graph g("G", false);
    std::unique_ptr<Calculus> c(catalogue.makeCalculus("CONNECTED", false));
    c->setGraph(&g);
    c->setInvertGraph(complement);
    QSet<int> seen;
    for (int round = 0; round < 1000; ++round) {
        const int n = round % 33;
        // The complement of a sparse graph is dense: draw dense graphs too.
        const int k = (round / 33) % 2 ? 1 + round % 12 : 2;
        randomSparse(g, n, k);
        if (complement && round % 3 == 0)
            g.invert();
        const int expected = bfsComponentsMinusOne(
            n, [&](int v, int w) { return v != w && g.edge(v, w) != complement; });
        QVERIFY(c->compute(true));
        QVERIFY(!c->getError());
        QCOMPARE(c->rows, 1);
        QCOMPARE(c->cols, 1);
        QVERIFY2(c->getValue(1) == expected, qPrintable(QString("round %1, n = %2: %3 != %4")
                                                            .arg(round)
                                                            .arg(n)
                                                            .arg(c->getValue(1))
                                                            .arg(expected)));
        seen.insert(expected);
    }
    QVERIFY(seen.size() > 5);
}

void tst_constraintConnected::cases_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<int>>("edges");
    QTest::addColumn<bool>("complement");
    QTest::addColumn<double>("expected");
    QVector<int> k5;
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            k5 << i << j;
    QTest::newRow("no vertex") << 0 << QVector<int>{} << false << 0.0;
    QTest::newRow("one vertex") << 1 << QVector<int>{} << false << 0.0;
    QTest::newRow("one vertex, complement") << 1 << QVector<int>{} << true << 0.0;
    QTest::newRow("two vertices apart") << 2 << QVector<int>{} << false << 1.0;
    QTest::newRow("7 isolated vertices") << 7 << QVector<int>{} << false << 6.0;
    QTest::newRow("32 isolated vertices") << 32 << QVector<int>{} << false << 31.0;
    QTest::newRow("path P4") << 4 << QVector<int>{0, 1, 1, 2, 2, 3} << false << 0.0;
    QTest::newRow("triangle and edge") << 5 << QVector<int>{0, 1, 1, 2, 0, 2, 3, 4} << false << 1.0;
    QTest::newRow("K5, complement") << 5 << k5 << true << 4.0;
    QTest::newRow("path P4, complement") << 4 << QVector<int>{0, 1, 1, 2, 2, 3} << true << 0.0;
    QTest::newRow("isolated vertices, complement") << 6 << QVector<int>{} << true << 0.0;
}

void tst_constraintConnected::cases()
{
    QFETCH(int, n);
    QFETCH(QVector<int>, edges);
    QFETCH(bool, complement);
    QFETCH(double, expected);
    BuildCalculus catalogue;
    Graph g("G", false);
    g.clear();
    for (int i = 0; i < n; ++i)
        g.addNode();
    for (int e = 0; e + 1 < edges.size(); e += 2)
        g.addEdge(edges[e], edges[e + 1]);
    std::unique_ptr<Calculus> c(catalogue.makeCalculus("CONNECTED", false));
    c->setGraph(&g);
    c->setInvertGraph(complement);
    c->compute(true);
    QVERIFY(!c->getError());
    QCOMPARE(c->getValue(1), expected);
}

void tst_constraintConnected::formulaText()
{
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> c(catalogue.makeCalculus("CONNECTED", false));
    QCOMPARE(c->formula(), QString("CONNECTED(G)"));
    c->setInvertGraph(true);
    QCOMPARE(c->formula(), QString("CONNECTED(GBAR)"));
    QCOMPARE(c->textDoc, QString("The graph should be connected."));
    QCOMPARE(catalogue.type("CONNECTED"), 4);
}

void tst_constraintConnected::linkCarriesNoArgument()
{
    BuildCalculus catalogue;
    Graph g("G", false);
    randomSparse(g, 6, 5);
    std::unique_ptr<Calculus> order(catalogue.makeCalculus("ORDER", false));
    std::unique_ptr<Calculus> c(catalogue.makeCalculus("CONNECTED", false));
    order->setGraph(&g);
    c->setGraph(&g);
    c->compute(true);
    const double before = c->getValue(1);
    auto *link = new Link(order.get(), c.get(), false);
    QVERIFY(c->setLink1(link));
    QVERIFY(order->setLinkTo(link));
    QVERIFY(!c->setArg1(order.get()));
    QVERIFY(!c->setArg2(order.get()));
    QVERIFY(c->isLinked(1));
    QVERIFY(!c->arg1);
    g.changeBest();
    c->compute(true);
    QCOMPARE(c->getValue(1), before);
    QCOMPARE(c->formula(), QString("CONNECTED(G)"));
    delete link;
    QVERIFY(!c->isLinked(1));
}

void tst_constraintConnected::dialogOffersComplement()
{
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> c(catalogue.makeCalculus("CONNECTED", true));
    QVERIFY(c->getCalculusDisplay());
    QCheckBox *complement = nullptr;
    for (QCheckBox *b : c->getCalculusDisplay()->findChildren<QCheckBox *>())
        if (b->text() == "Complement")
            complement = b;
    QVERIFY(complement);
    QVERIFY(complement->isEnabled());
    // Ticking the box turns the next computation to the complement.
    Graph g("G", false);
    g.clear();
    for (int i = 0; i < 4; ++i)
        g.addNode();
    c->setGraph(&g);
    c->compute(true);
    QCOMPARE(c->getValue(1), 3.0);
    complement->setChecked(true);
    c->compute(true);
    QCOMPARE(c->getValue(1), 0.0);
    QCOMPARE(c->formula(), QString("CONNECTED(GBAR)"));
}

QTEST_MAIN(tst_constraintConnected)
#include "tst_constraintConnected.moc"
