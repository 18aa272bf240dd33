#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"
#include "optimizer/ConstraintKernels.h"

#include <QCheckBox>
#include <QtTest>

#include <memory>

/// Components minus one, by marking from each unseen vertex over an adjacency predicate.
template <class Adjacent> static int componentsByBfs(int n, Adjacent adjacent)
{
    QVector<bool> seen(n, false);
    int components = 0;
    for (int s = 0; s < n; ++s) {
        if (seen[s])
            continue;
        ++components;
        QVector<int> queue{s};
        seen[s] = true;
        for (int head = 0; head < queue.size(); ++head)
            for (int w = 0; w < n; ++w)
                if (!seen[w] && adjacent(queue[head], w)) {
                    seen[w] = true;
                    queue << w;
                }
    }
    return components > 1 ? components - 1 : 0;
}

class tst_constraintConnected : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }

    void kernelAgainstBfs()
    {
        for (int round = 0; round < 4000; ++round) {
            BitGraph g;
            g.n = round % 33;
            const int k = 1 + round % 40; // from dense to empty: every component count turns up
            bool adj[32][32] = {};
            for (int i = 0; i < g.n; ++i)
                for (int j = i + 1; j < g.n; ++j)
                    if (qrand() % k == 0) {
                        g.addEdge(i, j);
                        adj[i][j] = adj[j][i] = true;
                    }
            QVERIFY2(componentsMinusOne(g) ==
                         componentsByBfs(g.n, [&](int v, int w) { return adj[v][w]; }),
                     qPrintable(QString("round %1, n = %2").arg(round).arg(g.n)));
        }
    }

    /// The item on its graph or the complement, ticked from its dialog; a link gives no argument.
    void itemWiring()
    {
        BuildCalculus catalogue;
        std::unique_ptr<Calculus> c(catalogue.makeCalculus("CONNECTED", true));
        QVERIFY(catalogue.type("CONNECTED") == BuildCalculus::Category::Constraint);
        QCOMPARE(c->textDoc, QString("The graph should be connected."));
        QCheckBox *complement = nullptr;
        c->getCalculusDisplay()->buildControls();
        for (QCheckBox *b : c->getCalculusDisplay()->findChildren<QCheckBox *>())
            if (b->text() == "Complement")
                complement = b;
        QVERIFY(complement && complement->isEnabled());
        Graph g("G", false);
        c->setGraph(&g);
        for (int round = 0; round < 40; ++round) {
            const bool inverted = round % 2;
            complement->setChecked(inverted);
            g.clear();
            const int n = round % 9, k = 1 + round % 5;
            for (int i = 0; i < n; ++i)
                g.addNode();
            for (int i = 0; i < n; ++i)
                for (int j = i + 1; j < n; ++j)
                    if (qrand() % k == 0)
                        g.addEdge(i, j);
            QVERIFY(c->compute(true) && !c->getError());
            QCOMPARE(c->getValue(1), double(componentsByBfs(n, [&](int v, int w) {
                         return v != w && g.edge(v, w) != inverted;
                     })));
            QCOMPARE(c->formula(), QString(inverted ? "CONNECTED(GBAR)" : "CONNECTED(G)"));
        }
        std::unique_ptr<Calculus> order(catalogue.makeCalculus("ORDER", false));
        order->setGraph(&g);
        const double before = c->getValue(1);
        auto *link = new Link(order.get(), c.get(), false);
        QVERIFY(c->setLink1(link) && order->setLinkTo(link));
        QVERIFY(!c->setArg1(order.get()) && !c->setArg2(order.get()) && !c->arg1);
        g.changeBest();
        c->compute(true);
        QCOMPARE(c->getValue(1), before);
        delete link;
        QVERIFY(!c->isLinked(1));
    }
};

QTEST_MAIN(tst_constraintConnected)
#include "tst_constraintConnected.moc"
