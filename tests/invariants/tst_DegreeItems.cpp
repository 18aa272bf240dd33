#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"

#include <QtTest>

#include <memory>

/// Brute-force degree figures of a graph read pair by pair through Graph::edge, optionally
/// on the complement.
struct Oracle {
    int n = 0, m = 0, dmax = 0, dmin = 0, pending = 0;
    QVector<double> degrees, kcherries;

    Oracle(Graph &g, bool complement)
    {
        n = g.getNbNodes();
        bool adj[32][32] = {};
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                adj[i][j] = i != j && (g.edge(i, j) != complement);
        for (int i = 0; i < n; ++i) {
            int d = 0;
            for (int j = 0; j < n; ++j)
                d += adj[i][j];
            degrees.append(d);
            m += d;
        }
        m /= 2;
        dmax = n ? *std::max_element(degrees.begin(), degrees.end()) : 0;
        dmin = n ? *std::min_element(degrees.begin(), degrees.end()) : 0;
        for (int i = 0; i < n; ++i) {
            pending += degrees[i] == 1;
            int k = 0;
            for (int j = 0; j < n; ++j)
                k += adj[i][j] && degrees[j] == 1;
            kcherries.append(k);
        }
    }
};

class tst_DegreeItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void randomGraphs_data();
    void randomGraphs();
    void star();
    void emptyGraph();
    void shrinkingGraph();
    void reportOptions();
    void withoutGraph();
};

void tst_DegreeItems::randomGraphs_data()
{
    QTest::addColumn<bool>("complement");
    QTest::newRow("graph") << false;
    QTest::newRow("complement") << true;
}

void tst_DegreeItems::randomGraphs()
{
    QFETCH(bool, complement);
    BuildCalculus catalogue;
    Graph g("G", false);
    const QStringList keywords = {"ORDER",   "SIZE",    "DEGMAX",   "DEGMIN",
                                  "PENDING", "DEGREES", "KCHERRIES"};
    std::vector<std::unique_ptr<Calculus>> items;
    for (const QString &k : keywords) {
        items.emplace_back(catalogue.makeCalculus(k, false));
        items.back()->setGraph(&g);
        items.back()->setInvertGraph(complement);
    }
    for (int round = 0; round < 330; ++round) {
        const int n = round % 33;
        g.randomGraph(n);
        // Sparse graphs too, so that pending vertices are common.
        if (round % 3 == 0)
            for (int i = 0; i < n; ++i)
                for (int j = i + 1; j < n; ++j)
                    if (qrand() % 4)
                        g.remEdge(i, j);
        const Oracle o(g, complement);
        for (auto &item : items)
            QVERIFY(item->compute(true));
        const QString where = QString("round %1, n = %2").arg(round).arg(n);
        const double values[5] = {double(o.n), double(o.m), double(o.dmax), double(o.dmin),
                                  double(o.pending)};
        for (int k = 0; k < 5; ++k) {
            QVERIFY2(!items[k]->getError(), qPrintable(where));
            QCOMPARE(items[k]->rows, 1);
            QCOMPARE(items[k]->cols, 1);
            QVERIFY2(items[k]->getValue(1) == values[k], qPrintable(where + " " + keywords[k]));
        }
        QCOMPARE(items[5]->getFirstCol(), o.degrees);
        QCOMPARE(items[6]->getFirstCol(), o.kcherries);
        QCOMPARE(items[5]->cols, 1);
        QCOMPARE(items[6]->rows, n);
    }
}

void tst_DegreeItems::star()
{
    BuildCalculus catalogue;
    Graph g("G", false);
    g.clear();
    for (int i = 0; i < 4; ++i)
        g.addNode();
    for (int i = 1; i < 4; ++i)
        g.addEdge(0, i);
    const QMap<QString, QVector<double>> expected = {{"ORDER", {4}},
                                                     {"SIZE", {3}},
                                                     {"DEGMAX", {3}},
                                                     {"DEGMIN", {1}},
                                                     {"PENDING", {3}},
                                                     {"DEGREES", {3, 1, 1, 1}},
                                                     {"KCHERRIES", {3, 0, 0, 0}}};
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        std::unique_ptr<Calculus> item(catalogue.makeCalculus(it.key(), false));
        item->setGraph(&g);
        item->compute(true);
        QCOMPARE(item->getFirstCol(), it.value());
    }
    // With the complement, the order stays and the size is n(n-1)/2 - m.
    std::unique_ptr<Calculus> size(catalogue.makeCalculus("SIZE", false));
    size->setGraph(&g);
    size->setInvertGraph(true);
    size->compute(true);
    QCOMPARE(size->getValue(1), 3.0);
}

void tst_DegreeItems::emptyGraph()
{
    BuildCalculus catalogue;
    Graph g("G", false);
    g.clear();
    for (const char *k : {"ORDER", "SIZE", "DEGMAX", "DEGMIN", "PENDING"}) {
        std::unique_ptr<Calculus> item(catalogue.makeCalculus(k, false));
        item->setGraph(&g);
        item->compute(true);
        QCOMPARE(item->rows, 1);
        QCOMPARE(item->getValue(1), 0.0);
    }
    for (const char *k : {"DEGREES", "KCHERRIES"}) {
        std::unique_ptr<Calculus> item(catalogue.makeCalculus(k, false));
        item->setGraph(&g);
        item->compute(true);
        QCOMPARE(item->rows, 0);
        QVERIFY(!item->getError());
    }
}

void tst_DegreeItems::shrinkingGraph()
{
    BuildCalculus catalogue;
    Graph g("G", false);
    std::unique_ptr<Calculus> degrees(catalogue.makeCalculus("DEGREES", false));
    degrees->setGraph(&g);
    g.randomGraph(12);
    degrees->compute(true);
    QCOMPARE(degrees->rows, 12);
    g.randomGraph(3);
    degrees->compute(true);
    QCOMPARE(degrees->rows, 3);
    QCOMPARE(degrees->getFirstCol().size(), 3);
}

void tst_DegreeItems::reportOptions()
{
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> kc(catalogue.makeCalculus("KCHERRIES", true));
    std::unique_ptr<Calculus> deg(catalogue.makeCalculus("DEGREES", true));
    QVERIFY(kc->getCalculusDisplay()->graphInReport());
    QVERIFY(!kc->getCalculusDisplay()->nodInReport());
    QVERIFY(deg->getCalculusDisplay()->nodInReport());
    QVERIFY(!deg->getCalculusDisplay()->graphInReport());
    QCOMPARE(deg->getSRows(), QStringLiteral("n"));
    QCOMPARE(deg->getSCols(), QStringLiteral("1"));
    QCOMPARE(kc->toolTip(), QStringLiteral("KCHERRIES"));
    QCOMPARE(deg->getCalculusDisplay()->getName(), QStringLiteral("DEGREES"));
}

void tst_DegreeItems::withoutGraph()
{
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> order(catalogue.makeCalculus("ORDER", false));
    order->rows = order->cols = 1;
    order->recompute(); // the guard of the item itself
    QVERIFY(order->getError());
    QCOMPARE(order->rows, 0);
    std::unique_ptr<Calculus> pending(catalogue.makeCalculus("PENDING", false));
    QVERIFY(!pending->compute(true));
    QVERIFY(pending->getError());
}

QTEST_MAIN(tst_DegreeItems)
#include "tst_DegreeItems.moc"
