#include "ItemProbes.h"

#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"

#include <QtTest>
#include <memory>

class tst_Calculus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void lazyRecomputation();
    void argumentInError();
    void complementFlag();
    void getValueBounds();
    void deletingItemDetachesLinks();
    void itemLineAndDialog();
    void valuesFollowGraphLoads_data();
    void valuesFollowGraphLoads();
};

void tst_Calculus::lazyRecomputation()
{
    OperatorProbe probe;
    QVERIFY(!probe.compute(true)); // forced without a graph: an error, nothing computed
    QVERIFY(probe.getError());
    Graph g("G", false);
    g.clear();
    for (int i = 0; i < 5; ++i)
        g.addNode();
    for (int i = 0; i < 4; ++i)
        g.addEdge(i, i + 1);
    probe.setGraph(&g);
    QVERIFY(probe.compute(false)); // not crucial: skipped when not forced
    QCOMPARE(probe.calls, 0);
    QVERIFY(probe.compute(true));
    QCOMPARE(probe.seenPairs, 4);
    QVERIFY(!probe.compute(true)); // the counter did not move
    QCOMPARE(probe.calls, 1);
    g.addEdge(0, 4);
    probe.set_crucial(true);
    QVERIFY(probe.compute(false));
    QCOMPARE(probe.seenPairs, 5);
    // A failure stays until the graph moves.
    probe.failNext = true;
    g.remEdge(0, 4);
    QVERIFY(probe.compute(true));
    QVERIFY(probe.getError() && probe.rows == 0);
    probe.failNext = false;
    QVERIFY(!probe.compute(true));
    QVERIFY(probe.getError());
    probe.bestBackup();
    QVERIFY(probe.bestError);
    g.addEdge(0, 1);
    probe.bestBackup();
    QVERIFY(!probe.getError() && !probe.bestError);
    QCOMPARE(probe.calls, 4);
}

void tst_Calculus::argumentInError()
{
    Graph g("G", false);
    OperatorProbe good[4], bad, user;
    for (OperatorProbe *p : {&good[0], &good[1], &good[2], &good[3], &bad, &user})
        p->setGraph(&g);
    bad.failNext = true;
    bad.compute(true);
    Calculus **args[4] = {&user.arg1, &user.arg2, &user.arg3, &user.arg4};
    for (int slot = 0; slot < 4; ++slot) {
        g.addNode();
        for (int k = 0; k < 4; ++k) {
            good[k].compute(true);
            *args[k] = k == slot ? static_cast<Calculus *>(&bad) : &good[k];
        }
        QVERIFY(user.compute(true));
        QVERIFY2(user.getError() && user.rows == 0 && user.calls == 0,
                 qPrintable(QString::number(slot)));
    }
    for (int k = 0; k < 4; ++k)
        *args[k] = nullptr;
}

void tst_Calculus::complementFlag()
{
    for (int order : {0, 1, 7, 32}) {
        Graph g("G", false);
        g.randomGraph(order);
        int edges = 0;
        QVector<bool> before, after;
        for (int i = 0; i < 32; ++i)
            for (int j = 0; j < 32; ++j) {
                before << g.edge(i, j);
                edges += i < j && g.edge(i, j);
            }
        const int id = g.getID();
        OperatorProbe probe;
        probe.setGraph(&g);
        probe.compute(true);
        QCOMPARE(probe.seenPairs, edges);
        // Switching the complement on must not serve the value cached for the graph itself,
        // and leaves the graph and its counter as they were.
        probe.setInvertGraph(true);
        QVERIFY(probe.compute(true));
        QCOMPARE(probe.seenOrder, order);
        QCOMPARE(probe.seenPairs, order * (order - 1) / 2 - edges);
        QCOMPARE(g.getID(), id);
        for (int i = 0; i < 32; ++i)
            for (int j = 0; j < 32; ++j)
                after << g.edge(i, j);
        QCOMPARE(after, before);
    }
}

void tst_Calculus::getValueBounds()
{
    // rows, cols, index (1-based), expected; the probe writes 100 * row + column + 0.5, and a
    // matrix reads its first row.
    const double cases[][4] = {{3, 1, 0, 1e12},  {3, 1, 33, 1e12},    {1, 1, -1, 1e12},
                               {1, 3, 2, 1.5},   {3, 1, 2, 100.5},    {4, 4, 4, 3.5}};
    Graph g("G", false);
    for (const auto &c : cases) {
        OperatorProbe probe;
        probe.setGraph(&g);
        probe.shapeRows = int(c[0]);
        probe.shapeCols = int(c[1]);
        probe.compute(true);
        QCOMPARE(probe.getValue(int(c[2])), c[3]);
    }
}

void tst_Calculus::deletingItemDetachesLinks()
{
    auto *source = new InvariantProbe;
    auto *middle = new OperatorProbe;
    auto *user = new OperatorProbe;
    // source -> middle (argument 2), middle -> user (argument 1)
    auto *in = new Link(source, middle, false);
    QVERIFY(middle->setLink2(in) && source->setLinkTo(in) && middle->setArg2(source));
    auto *out = new Link(middle, user, false);
    QVERIFY(user->setLink1(out) && middle->setLinkTo(out) && user->setArg1(middle));
    delete middle;
    QVERIFY(source->links.isEmpty() && !user->isLinked(1) && !user->arg1);
    delete source;
    delete user;
}

void tst_Calculus::valuesFollowGraphLoads_data()
{
    // Each load is followed by the order and minimum degree it must give.
    QTest::addColumn<QStringList>("loads");
    QTest::addColumn<bool>("graph6");
    QTest::addColumn<QVector<int>>("orders");
    QTest::addColumn<QVector<int>>("degmins");
    QTest::newRow("graph strings") << QStringList{"3 100", "1 ", "0 ", "2 1", "1 "} << false
                                   << QVector<int>{3, 1, 0, 2, 1} << QVector<int>{0, 0, 0, 1, 0};
    QTest::newRow("graph6 lines") << QStringList{"B_", "@", "?", "A_", "@"} << true
                                  << QVector<int>{3, 1, 0, 2, 1} << QVector<int>{0, 0, 0, 1, 0};
}

void tst_Calculus::valuesFollowGraphLoads()
{
    QFETCH(QStringList, loads);
    QFETCH(bool, graph6);
    QFETCH(QVector<int>, orders);
    QFETCH(QVector<int>, degmins);
    Graph g("G", false);
    const BuildCalculus catalogue;
    std::unique_ptr<Calculus> order(catalogue.makeCalculus("ORDER", false));
    std::unique_ptr<Calculus> degmin(catalogue.makeCalculus("DEGMIN", false));
    order->setGraph(&g);
    degmin->setGraph(&g);
    for (int k = 0; k < loads.size(); ++k) {
        QVERIFY(graph6 ? g.loadg6(loads[k], false) : g.loadCurrentGraph(loads[k]));
        order->compute(true);
        degmin->compute(true);
        QCOMPARE(order->getValue(1), double(orders[k]));
        QCOMPARE(degmin->getValue(1), double(degmins[k]));
    }
}

void tst_Calculus::itemLineAndDialog()
{
    OperatorProbe probe(true), a, b;
    a.saveIndex = 5;
    b.saveIndex = 7;
    probe.arg1 = &a;
    probe.arg3 = &b;
    probe.setGivenName("Degree list");
    probe.setPos(1234567.8, -0.1);
    probe.setNodInReport(true);
    probe.setInvertGraph(true);
    // Positions with six significant digits, arguments by their index.
    QCOMPARE(probe.getCaractToSave(),
             QString("PROBE\tDegree list\t0\t1\t0\t1\t1.23457e+06\t-0.1\t5\tNULL\t7\tNULL\n"));
    probe.arg1 = probe.arg3 = nullptr;
    // The best values reach the dialog; a failure empties it and becomes the tooltip.
    Graph g("G", false);
    probe.setGraph(&g);
    probe.shapeRows = 2;
    probe.shapeCols = 3;
    probe.bestBackup();
    CalculusDisplay *d = probe.getCalculusDisplay();
    QCOMPARE(QVector<double>({double(d->getNbRows()), double(d->getNbCols()), d->getM()[1][2]}),
             QVector<double>({2, 3, 102.5}));
    QCOMPARE(probe.toolTip(), QString());
    probe.failNext = true;
    g.addEdge(0, 1);
    probe.bestBackup();
    QCOMPARE(d->getNbRows(), 0);
    QCOMPARE(probe.toolTip(), QStringLiteral("probe failed"));
    QVERIFY(probe.bestError);
}

QTEST_MAIN(tst_Calculus)
#include "tst_Calculus.moc"
